#include "chemicals_database/model/record_store.h"

#include <algorithm>

#include "chemicals_database/model/record_index.h"
#include "chemicals_database/model/record_prepare.h"
#include "engine/records/record_file.h"
#include "platform/services/file_rewrite.h"

namespace {

// The text of a file being rewritten. Kept between writes: a database of thousands of records is
// megabytes, and memory used before costs far less than fresh memory for every write.
std::string& RewriteBuffer() {
  static std::string buffer;
  return buffer;
}

// Replaces the bytes from..to of the file with the record's lines (its backslash line first),
// adds the closing backslash line when the file had none, and puts the new file in place.
bool WriteSpliced(std::string_view programPath, const DatabaseFile& file, std::size_t from, std::size_t to,
                  const std::vector<std::string>& recordLines) {
  std::string& text = RewriteBuffer();
  if (!file.Read(0, file.Size(), text)) return false;
  std::string record;
  if (!recordLines.empty() && from > 0 && text[from - 1] != '\n') record += '\n';
  for (const auto& line : recordLines) {
    record += line;
    record += '\n';
  }
  text.replace(from, to - from, record);
  if (!file.Terminated()) {
    if (!text.empty() && text.back() != '\n') text += '\n';
    text += RecordSeparatorLine;
    text += '\n';
  }
  const bool written = platform::RewriteFileSafely(programPath, text);
  text.clear();
  return written;
}

bool IsRecord(const DatabaseFile& file, int target) { return target >= 1 && target <= file.RecordCount(); }

}  // namespace

bool StoreRecord(std::string_view programPath, int& target, const std::vector<std::string>& lines) {
  const auto file = DatabaseFile::Open(programPath);
  if (!file) return false;
  target = std::clamp(target, 1, file->RecordCount() + 1);
  std::vector<std::string> recordLines = {RecordSeparatorLine};
  recordLines.insert(recordLines.end(), lines.begin(), lines.end());
  const std::size_t at = file->SeparatorOffset(target);
  return WriteSpliced(programPath, *file, at, at, recordLines);
}

bool OverwriteRecord(std::string_view programPath, int target, const ChemDbRecordBuffer& record,
                     const std::string& safetyLine) {
  const auto file = DatabaseFile::Open(programPath);
  if (!file || !IsRecord(*file, target)) return false;
  const std::size_t from = file->SeparatorOffset(target);
  const std::size_t to = file->SeparatorOffset(target + 1);
  std::string bytes;
  if (!file->Read(from, to, bytes)) return false;
  std::vector<std::string_view> existing;
  SplitLines(bytes, existing);
  return WriteSpliced(programPath, *file, from, to, OverwrittenRecordLines(existing, record, safetyLine));
}

bool DeleteRecord(std::string_view programPath, int target) {
  const auto file = DatabaseFile::Open(programPath);
  if (!file || !IsRecord(*file, target)) return false;
  std::vector<std::string> skeleton;
  if (file->RecordCount() == 1) {
    skeleton.emplace_back(RecordSeparatorLine);
    skeleton.resize(ChemDbLastRecordLine);
  }
  return WriteSpliced(programPath, *file, file->SeparatorOffset(target), file->SeparatorOffset(target + 1), skeleton);
}
