#include "chemicals_database/model/record_names.h"

#include <algorithm>

#include "chemicals_database/model/database_list.h"
#include "chemicals_database/model/parallel_parts.h"
#include "chemicals_database/model/record_index.h"

namespace {

constexpr std::size_t NameListTextLimit = 255;
// Records whose names one thread copies at a time: a file of a few thousand records is one part.
constexpr std::size_t NamesPerPart = 16384;

// The file's names after `names`, left in their places by several threads, empty ones then dropped.
void AddNames(const DatabaseFile& file, std::vector<std::string>& names) {
  const std::size_t first = names.size();
  const auto count = static_cast<std::size_t>(file.SeparatorCount());
  names.resize(first + count);
  DoPartsInParallel((count + NamesPerPart - 1) / NamesPerPart, 0, [&](std::size_t part) {
    for (std::size_t record = part * NamesPerPart; record < std::min(count, (part + 1) * NamesPerPart); ++record)
      names[first + record] = file.Name(static_cast<int>(record) + 1).substr(0, NameListTextLimit);
  });
  names.erase(std::remove_if(names.begin() + static_cast<std::ptrdiff_t>(first), names.end(),
                             [](const std::string& name) { return name.empty(); }),
              names.end());
}

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
    AddNames(*file, result.names);
  }
  return result;
}
