#include "chemicals_database/model/record_names.h"

#include "chemicals_database/model/database_list.h"
#include "chemicals_database/model/record_index.h"

namespace {

constexpr std::size_t NameListTextLimit = 255;

bool OpensRecord(std::string_view bytes, std::size_t lineStart) {
  return lineStart < bytes.size() && bytes[lineStart] == '\\';
}

// The line that starts at lineStart, without its line end, and where the next line starts.
std::string_view LineAt(std::string_view bytes, std::size_t lineStart, std::size_t& next) {
  const std::size_t end = bytes.find('\n', lineStart);
  next = end == std::string_view::npos ? bytes.size() : end + 1;
  std::string_view line = bytes.substr(lineStart, (end == std::string_view::npos ? bytes.size() : end) - lineStart);
  if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
  return line;
}

// Line 3 of every record: from each backslash line two lines on, then straight to the next
// backslash line, so the lines between are not split.
void AppendNames(std::string_view bytes, std::vector<std::string>& names) {
  std::size_t recordStart = OpensRecord(bytes, 0) ? 0 : bytes.find("\n\\");
  if (recordStart != 0 && recordStart != std::string_view::npos) ++recordStart;
  while (recordStart != std::string_view::npos && recordStart < bytes.size()) {
    std::size_t next = 0;
    LineAt(bytes, recordStart, next);
    std::size_t lineStart = next;
    for (int line = 2; line <= 3 && lineStart < bytes.size() && !OpensRecord(bytes, lineStart); ++line) {
      const std::string_view text = LineAt(bytes, lineStart, next);
      if (line == 3 && !text.empty()) names.emplace_back(text.substr(0, NameListTextLimit));
      lineStart = next;
    }
    if (OpensRecord(bytes, lineStart)) {
      recordStart = lineStart;
      continue;
    }
    recordStart = lineStart == 0 ? std::string_view::npos : bytes.find("\n\\", lineStart - 1);
    if (recordStart != std::string_view::npos) ++recordStart;
  }
}

}  // namespace

std::vector<std::string> ReadRecordNames(int languageCode) {
  std::vector<std::string> names;
  std::vector<std::string> entries;
  if (!ReadDatabaseList(entries, languageCode)) return names;
  std::string bytes;
  for (const std::string& entry : entries) {
    if (IsEndFile(entry)) continue;
    const auto file = DatabaseFile::Open(entry);
    if (file && file->Read(0, file->Size(), bytes)) AppendNames(bytes, names);
  }
  return names;
}
