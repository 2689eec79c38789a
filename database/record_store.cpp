#include "database/record_store.h"

#include <algorithm>
#include <optional>

#include "database/record_index.h"
#include "database/record_prepare.h"
#include "engine/records/record_file.h"
#include "platform/services/file_rewrite.h"

namespace {

struct WholeFile {
  DatabaseFile file;
  DatabaseFile::Contents contents;
};

std::optional<WholeFile> ReadWholeFile(std::string_view programPath) {
  auto file = DatabaseFile::Open(programPath);
  if (!file) return std::nullopt;
  auto contents = file->ReadAll();
  if (!contents) return std::nullopt;
  return WholeFile{std::move(*file), std::move(*contents)};
}

void EndWithLineFeed(std::string& text) {
  if (!text.empty() && text.back() != '\n') text += '\n';
}

// Writes the file anew: its bytes before from, the record's lines (its backslash line first),
// its bytes from to on, and the closing backslash line when the file had none.
bool WriteSpliced(std::string_view programPath, const WholeFile& whole, std::size_t from, std::size_t to,
                  const std::vector<std::string>& recordLines) {
  const std::string_view bytes = whole.contents.View();
  std::size_t recordSize = 0;
  for (const auto& line : recordLines) recordSize += line.size() + 1;
  std::string text;
  text.reserve(bytes.size() + recordSize + 4);
  text.append(bytes.substr(0, from));
  if (!recordLines.empty()) EndWithLineFeed(text);
  for (const auto& line : recordLines) {
    text += line;
    text += '\n';
  }
  text.append(bytes.substr(to));
  if (!whole.file.Terminated()) {
    EndWithLineFeed(text);
    text += RecordSeparatorLine;
    text += '\n';
  }
  return platform::RewriteFileSafely(programPath, text);
}

bool IsRecord(const DatabaseFile& file, int target) { return target >= 1 && target <= file.RecordCount(); }

}  // namespace

bool StoreRecord(std::string_view programPath, int& target, const std::vector<std::string>& lines) {
  const auto whole = ReadWholeFile(programPath);
  if (!whole) return false;
  target = std::clamp(target, 1, whole->file.RecordCount() + 1);
  std::vector<std::string> recordLines = {RecordSeparatorLine};
  recordLines.insert(recordLines.end(), lines.begin(), lines.end());
  const std::size_t at = whole->file.SeparatorOffset(target);
  return WriteSpliced(programPath, *whole, at, at, recordLines);
}

bool OverwriteRecord(std::string_view programPath, int target, const ChemDbRecordBuffer& record,
                     const std::string& safetyLine) {
  const auto whole = ReadWholeFile(programPath);
  if (!whole || !IsRecord(whole->file, target)) return false;
  const std::size_t from = whole->file.SeparatorOffset(target);
  const std::size_t to = whole->file.SeparatorOffset(target + 1);
  std::vector<std::string_view> existing;
  SplitLines(whole->contents.View().substr(from, to - from), existing);
  return WriteSpliced(programPath, *whole, from, to, OverwrittenRecordLines(existing, record, safetyLine));
}

bool DeleteRecord(std::string_view programPath, int target) {
  const auto whole = ReadWholeFile(programPath);
  if (!whole || !IsRecord(whole->file, target)) return false;
  std::vector<std::string> skeleton;
  if (whole->file.RecordCount() == 1) {
    skeleton.emplace_back(RecordSeparatorLine);
    skeleton.resize(ChemDbLastRecordLine);
  }
  return WriteSpliced(programPath, *whole, whole->file.SeparatorOffset(target), whole->file.SeparatorOffset(target + 1),
                      skeleton);
}
