#include "database/record_names.h"

#include "database/database_list.h"
#include "database/record_index.h"

namespace {

constexpr std::size_t NameListTextLimit = 255;
constexpr int NameLine = 3;

void AppendNames(const DatabaseFile& file, std::vector<std::string>& names) {
  std::string bytes;
  if (!file.Read(0, file.Size(), bytes)) return;
  std::vector<std::string_view> lines;
  SplitLines(bytes, lines);
  int lineInRecord = 0;  // 0: before the first record
  for (const std::string_view line : lines) {
    if (!line.empty() && line.front() == '\\')
      lineInRecord = 1;
    else if (lineInRecord > 0)
      ++lineInRecord;
    if (lineInRecord == NameLine && !line.empty()) names.emplace_back(line.substr(0, NameListTextLimit));
  }
}

}  // namespace

std::vector<std::string> ReadRecordNames(int languageCode) {
  std::vector<std::string> names;
  std::vector<std::string> entries;
  if (!ReadDatabaseList(entries, languageCode)) return names;
  for (const std::string& entry : entries) {
    if (IsEndFile(entry)) continue;
    if (const auto file = DatabaseFile::Open(entry)) AppendNames(*file, names);
  }
  return names;
}
