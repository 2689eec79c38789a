#include "chemicals_database/model/record_names.h"

#include "chemicals_database/model/database_list.h"
#include "chemicals_database/model/record_index.h"

namespace {

constexpr std::size_t NameListTextLimit = 255;

}  // namespace

DatabaseNames ReadRecordNames(int languageCode) {
  DatabaseNames result;
  std::vector<std::string> entries;
  if (!ReadDatabaseList(entries, languageCode)) return result;
  result.listed = !entries.empty();
  for (const std::string& entry : entries) {
    const auto file = DatabaseFile::Open(entry);
    if (!file) {
      result.unreachable.push_back(entry);
      continue;
    }
    if (IsEndFile(entry)) continue;
    result.names.reserve(result.names.size() + static_cast<std::size_t>(file->SeparatorCount()));
    for (int record = 1; record <= file->SeparatorCount(); ++record) {
      const std::string_view name = file->Name(record);
      if (!name.empty()) result.names.emplace_back(name.substr(0, NameListTextLimit));
    }
  }
  return result;
}
