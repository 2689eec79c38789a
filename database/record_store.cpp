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
  std::string bytes;
};

std::optional<WholeFile> ReadWholeFile(std::string_view programPath) {
  auto file = DatabaseFile::Open(programPath);
  if (!file) return std::nullopt;
  std::string bytes;
  if (!file->Read(0, file->Size(), bytes)) return std::nullopt;
  return WholeFile{std::move(*file), std::move(bytes)};
}

std::string RecordText(const std::vector<std::string>& lines) {
  std::string text;
  for (const auto& line : lines) {
    text += line;
    text += '\n';
  }
  return text;
}

std::string NewRecordText(const std::vector<std::string>& lines) {
  return std::string(RecordSeparatorLine) + '\n' + RecordText(lines);
}

void EndWithLineFeed(std::string& text) {
  if (!text.empty() && text.back() != '\n') text += '\n';
}

// The file's text, ending with its closing backslash line.
bool WriteTerminated(std::string_view programPath, std::string text, bool terminated) {
  if (!terminated) {
    EndWithLineFeed(text);
    text += RecordSeparatorLine;
    text += '\n';
  }
  return platform::RewriteFileSafely(programPath, text);
}

bool IsRecord(const DatabaseFile& file, int target) { return target >= 1 && target <= file.RecordCount(); }

}  // namespace

bool StoreRecord(std::string_view programPath, int& target, const std::vector<std::string>& lines) {
  auto whole = ReadWholeFile(programPath);
  if (!whole) return false;
  const DatabaseFile& file = whole->file;
  target = std::clamp(target, 1, file.RecordCount() + 1);
  const std::size_t at = file.SeparatorOffset(target);
  std::string text = whole->bytes.substr(0, at);
  EndWithLineFeed(text);
  text += NewRecordText(lines);
  text.append(whole->bytes, at);
  return WriteTerminated(programPath, std::move(text), file.Terminated());
}

bool OverwriteRecord(std::string_view programPath, int target, const ChemDbRecordBuffer& record,
                     const std::string& safetyLine) {
  auto whole = ReadWholeFile(programPath);
  if (!whole || !IsRecord(whole->file, target)) return false;
  const DatabaseFile& file = whole->file;
  const std::size_t from = file.SeparatorOffset(target);
  const std::size_t to = file.SeparatorOffset(target + 1);
  std::vector<std::string_view> existing;
  SplitLines(std::string_view(whole->bytes).substr(from, to - from), existing);
  std::string text = whole->bytes.substr(0, from);
  text += RecordText(OverwrittenRecordLines(existing, record, safetyLine));
  text.append(whole->bytes, to);
  return WriteTerminated(programPath, std::move(text), file.Terminated());
}

bool DeleteRecord(std::string_view programPath, int target) {
  auto whole = ReadWholeFile(programPath);
  if (!whole || !IsRecord(whole->file, target)) return false;
  const DatabaseFile& file = whole->file;
  std::string text = whole->bytes.substr(0, file.SeparatorOffset(target));
  if (file.RecordCount() == 1) {
    EndWithLineFeed(text);
    text += NewRecordText(std::vector<std::string>(ChemDbLastRecordLine - 1));
    return WriteTerminated(programPath, std::move(text), false);
  }
  text.append(whole->bytes, file.SeparatorOffset(target + 1));
  return WriteTerminated(programPath, std::move(text), file.Terminated());
}
