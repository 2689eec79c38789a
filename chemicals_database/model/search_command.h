#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

// The search language of the chemicals database: a command word ("s" finds a value anywhere in a
// line, "sk" only a whole line) and criteria key\value|key\value... that name record lines by key.

inline constexpr int AnyRecordLine = -1;  // the key "?"
inline constexpr int MaxCriteriaEntries = 17;
inline constexpr int MaxSeparators = 35;
inline constexpr std::size_t SearchValueLimit = 50;

// The parser's codes besides 0 (each with its ErrorText line, except code 1).
inline constexpr int SearchKeyOutOfRange = 1;  // a number key outside 1 to 199
inline constexpr int SearchFormulaInvalid = 9;
inline constexpr int SearchKeyWithoutValue = 20;
inline constexpr int SearchValueTooLong = 40;
inline constexpr int SearchTooManySeparators = 41;
inline constexpr int SearchEmptyArgument = 42;
inline constexpr int SearchMisplacedBar = 43;
inline constexpr int SearchLineTwice = 45;
inline constexpr int SearchUnknownKey = 46;
inline constexpr int SearchTooManyEntries = 47;

// One criterion: a value sought in any of its lines (a group key names several).
struct SearchCriterion {
  std::vector<int> lines;
  std::string value;
  bool wholeLine = false;
};

struct SearchCommand {
  bool wholeLine = false;  // the command word "sk"
  // Without a separator the command has no criteria: line SkDef is compared with bareWord.
  bool hasCriteria = false;
  std::vector<SearchCriterion> criteria;
  std::string bareWord;
};

// The numeric lines: matched as numbers within the tolerance SkDev.
bool IsNumericRecordLine(int line);

// The lines of one key word ("na", "cas", "?", "54", ...), and whether the key compares whole
// lines. Returns 0, 1 for a number outside 1 to 199, or 46 for an unknown key.
int MapSearchKey(std::string_view key, std::vector<int>& lines, bool& wholeLine);

// Completes a criterion with its value: checks it against the lines already addressed and the
// value limit, turns an "sf" or "qu" value into its empirical or qualitative formula, and names in
// upper case. Returns 0, 9, 40 or 45.
int ReadSearchValue(std::string_view value, const std::vector<SearchCriterion>& earlier, SearchCriterion& criterion);

// Parses a whole command. Blanks inside values are kept; blanks around the criteria are not.
// Returns 0 or the code of the first fault, with its ErrorText line.
int ParseSearchCommand(std::string_view command, SearchCommand& parsed);
