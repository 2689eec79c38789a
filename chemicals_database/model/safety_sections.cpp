#include "chemicals_database/model/safety_sections.h"

#include <algorithm>

namespace {

constexpr char SectionSeparator = '|';
constexpr char SeparatorReplacement = '#';
// Only this much of a text is looked at to decide that it holds nothing but blanks.
constexpr std::size_t BlankTestLength = 3990;

}  // namespace

JoinedSafetyText JoinSafetySections(const SafetySections& sections) {
  JoinedSafetyText joined;
  bool replaced = false;
  bool leftOut = false;
  std::size_t length = 0;
  for (int index = 0; index < SafetySectionCount; ++index) {
    std::string section = sections[index].substr(0, SafetySheetTextLimit);
    const std::size_t added = static_cast<std::size_t>(std::ranges::count(section, '\n')) + 1 + section.size();
    if (std::ranges::count(section, SectionSeparator) > 0) {
      std::ranges::replace(section, SectionSeparator, SeparatorReplacement);
      replaced = true;
    }
    if (length + added > SafetySheetTextLimit) {
      joined.left[index] = true;
      leftOut = true;
    } else {
      length += added;
      joined.text += section;
    }
    joined.text += SectionSeparator;
  }
  joined.warning = (replaced ? 1 : 0) + (leftOut ? 2 : 0);
  return joined;
}

SafetySections SplitSafetySections(std::string_view text) {
  SafetySections sections;
  const std::string_view tested = text.substr(0, BlankTestLength);
  if (std::ranges::all_of(tested, [](char c) { return c == ' '; })) return sections;
  std::size_t start = 0;
  for (int index = 0; index < SafetySectionCount && start <= text.size(); ++index) {
    const std::size_t end = text.find(SectionSeparator, start);
    sections[index] = std::string(text.substr(start, end == std::string_view::npos ? std::string_view::npos : end - start));
    if (end == std::string_view::npos) break;
    start = end + 1;
  }
  return sections;
}

SafetySections SafetySheetTemplates() {
  SafetySections sections;
  sections[3] = "GENERELT> \xD8YE> SVELGING> INN\xC5NDING> HUDKONTAKT>";
  sections[5] = "\xD8YE> SVELGING> INN\xC5NDING> HUDKONTAKT>";
  sections[8] = "AVFALLSGRUPPE> SPILL/S\xD8L>";
  return sections;
}

std::string WithQuickEditText(const std::string& section, std::string_view quickEditText) {
  if (section.size() + quickEditText.size() > QuickEditSectionLimit) return section;
  return section + std::string(quickEditText);
}

std::string HazardClassCode(std::string_view line) {
  const std::size_t dash = line.find('-');
  if (dash != 1 && dash != 2) return {};
  return std::string(line.substr(0, dash));
}

std::string StoredHazardCode(HazardClass hazardClass, std::string_view code) {
  if (hazardClass == HazardClass::Health && code == "T+") return "Tx";
  if (hazardClass == HazardClass::Fire && code == "F+") return "Fx";
  return std::string(code);
}

std::string ComparableHazardCode(std::string_view line) {
  std::string code = HazardClassCode(line);
  if (code.size() > 1 && code[1] == '+') code[1] = 'x';
  return code;
}
