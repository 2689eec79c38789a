#pragma once
// The safety text of a record as the ten sections of the safety data sheet, and back; the hazard
// class lines of the sheet's three lists. No window: the sheet and its tests use these.
#include <array>
#include <cstddef>
#include <string>
#include <string_view>

inline constexpr int SafetySectionCount = 10;
using SafetySections = std::array<std::string, SafetySectionCount>;  // section 1 first

// The longest safety text the sheet writes, its sections' line breaks and separators counted.
inline constexpr std::size_t SafetySheetTextLimit = 3989;
// The longest section that phrases are appended to.
inline constexpr std::size_t QuickEditSectionLimit = 3995;

struct JoinedSafetyText {
  std::string text;     // every section followed by '|'
  int warning = 0;      // the SafetyTextWarning of the join
  std::array<bool, SafetySectionCount> left{};  // sections left out: the text would grow too long
};

// The sections joined into a safety text: every '|' typed in a section becomes '#' (warning 1); a
// section that would make the text longer than the limit is left out of it, and each later one that
// does not fit (warning 2); 3 for both. The caller keeps the sections as they are on the screen.
JoinedSafetyText JoinSafetySections(const SafetySections& sections);

// The sections of a safety text: each up to the next '|'. A text of blanks only, or one with fewer
// sections, gives empty sections where it has none.
SafetySections SplitSafetySections(std::string_view text);

// The sections "Fjern tekst og insett mal" puts in: the headings of health hazard, first aid and
// disposal; the others empty.
SafetySections SafetySheetTemplates();

// A section with the quick editor's text appended, unless it would grow longer than the limit
// (then the section as it was).
std::string WithQuickEditText(const std::string& section, std::string_view quickEditText);

// The code of a hazard class line: the text before a '-' in its second or third place; empty for
// a line without one.
std::string HazardClassCode(std::string_view line);

enum class HazardClass { Health, Fire, Environment };
// The code a record stores for a class line's code: health "T+" as "Tx", fire "F+" as "Fx".
std::string StoredHazardCode(HazardClass hazardClass, std::string_view code);
// The code of a class line as it is compared with the stored code: a '+' in its second place as 'x'.
std::string ComparableHazardCode(std::string_view line);
