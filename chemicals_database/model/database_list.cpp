#include "chemicals_database/model/database_list.h"

#include <cstdio>

#include "platform/services/files.h"

namespace {

constexpr std::size_t NameStemLimit = 79;
constexpr int PlaceholderDigits = 3;

}  // namespace

std::string ThreeDigitLanguageCode(int languageCode) {
  char code[16];
  std::snprintf(code, sizeof code, "%03d", languageCode);
  return std::string(code, PlaceholderDigits);
}

int FillPlaceholders(std::string& entry, std::string_view threeDigitCode) {
  if (entry.empty() || entry.front() == '*') return 1;
  std::size_t digit = 0;
  for (char& c : entry) {
    if (c != '?' || digit >= threeDigitCode.size() || digit >= PlaceholderDigits) continue;
    c = threeDigitCode[digit++];
  }
  return 0;
}

std::string NameStem(std::string_view entry) {
  const auto slash = entry.find_last_of("\\/");
  if (slash != std::string_view::npos) entry.remove_prefix(slash + 1);
  entry = entry.substr(0, entry.find('.'));
  return std::string(entry.substr(0, NameStemLimit));
}

bool IsEndFile(std::string_view entry) { return entry.find("avslutt.dat") != std::string_view::npos; }

std::vector<std::string> DatabaseFileEntries(const std::vector<std::string>& listLines,
                                             std::string_view threeDigitCode) {
  std::vector<std::string> entries;
  for (std::string line : listLines) {
    if (FillPlaceholders(line, threeDigitCode) != 0) {
      if (!entries.empty()) break;
      continue;
    }
    entries.push_back(std::move(line));
  }
  return entries;
}

bool ReadDatabaseList(std::vector<std::string>& entries, int languageCode) {
  auto file = platform::ReadFileLines(ChemDbListFileName);
  if (file.status != platform::FileReadStatus::Read && file.status != platform::FileReadStatus::ReadOnly) return false;
  entries = DatabaseFileEntries(file.lines, ThreeDigitLanguageCode(languageCode));
  return true;
}
