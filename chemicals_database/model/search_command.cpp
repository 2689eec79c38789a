#include "chemicals_database/model/search_command.h"

#include <algorithm>
#include <array>

#include "chemicals_database/model/record_layout.h"
#include "chemicals_database/model/record_prepare.h"
#include "engine/formtext.h"
#include "engine/reaction.h"
#include "engine/settings/settings.h"
#include "engine/textutil.h"

namespace {

constexpr int FirstKeyLine = 1;
constexpr int LastKeyLine = 199;

bool IsSeparator(char c) { return c == '|' || c == '\\'; }

bool IsNameLine(int line) { return std::ranges::find(NameLines, line) != NameLines.end(); }

std::string_view TrimBlanks(std::string_view text) {
  while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
  while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
  return text;
}

// Checks the separators of the criteria: 0, 41, 42 or 43.
int CheckSeparators(std::string_view criteria, int& count) {
  count = 0;
  for (std::size_t i = 0; i < criteria.size(); ++i) {
    if (!IsSeparator(criteria[i])) continue;
    if (++count > MaxSeparators) {
      FormatErrorText(SearchTooManySeparators, "18");
      return SearchTooManySeparators;
    }
    if (i + 1 < criteria.size() && IsSeparator(criteria[i + 1])) {
      FormatErrorText(SearchEmptyArgument, "");
      return SearchEmptyArgument;
    }
    if (count % 2 == 1 && criteria[i] == '|') {
      FormatErrorText(SearchMisplacedBar, "");
      return SearchMisplacedBar;
    }
  }
  return 0;
}

std::vector<std::string_view> SplitAtSeparators(std::string_view criteria) {
  std::vector<std::string_view> parts;
  std::size_t start = 0;
  for (std::size_t i = 0; i <= criteria.size(); ++i) {
    if (i == criteria.size() || IsSeparator(criteria[i])) {
      parts.push_back(criteria.substr(start, i - start));
      start = i + 1;
    }
  }
  // A separator at the very end opens no further part.
  if (parts.size() > 1 && parts.back().empty()) parts.pop_back();
  return parts;
}

// An "sf" or "qu" value as the formula parser writes its empirical formula; 9 when it is none.
int FormulaValue(std::string& value, int line) {
  FormulaCounts counts{};
  IsotopeUsedFlags flags{};
  int kind = 0;
  float electrons = 0.0f;
  float amount = 0.0f;
  std::string formula = value;
  if (dcalk(counts, flags, MmStr, formula, 0, MmMod, kind, electrons, amount) <= 0.0f) return SearchFormulaInvalid;
  FormatCompositionReport(counts, 1, value, flags);
  if (line == QualitativeFormulaLine) QualityFormula(value);
  return 0;
}

}  // namespace

bool IsNumericRecordLine(int line) { return std::ranges::find(NumericLines, line) != NumericLines.end(); }

int MapSearchKey(std::string_view key, std::vector<int>& lines, bool& wholeLine) {
  lines.clear();
  wholeLine = false;
  if (key == "?") {
    lines.push_back(AnyRecordLine);
    return 0;
  }
  for (const RecordKey& named : RecordKeys) {
    if (named.key != key) continue;
    lines.assign(named.lines.begin(), named.lines.begin() + named.lineCount);
    wholeLine = named.wholeLine;
    return 0;
  }
  const int number = CheckNumberText(key, 0.0f, 0.0f);
  if (number == 0 || number == 1) {
    const double line = std::strtod(std::string(key).c_str(), nullptr);
    if (number == 1 || line < FirstKeyLine || line > LastKeyLine) {
      FormatErrorText(NoError, "");
      return SearchKeyOutOfRange;
    }
    lines.push_back(static_cast<int>(line));
    return 0;
  }
  FormatErrorText(SearchUnknownKey, "");
  return SearchUnknownKey;
}

int ReadSearchValue(std::string_view value, const std::vector<SearchCriterion>& earlier, SearchCriterion& criterion) {
  const int first = criterion.lines.front();
  for (const auto& before : earlier) {
    if (std::ranges::find(before.lines, first) != before.lines.end()) {
      FormatErrorText(SearchLineTwice, "");
      return SearchLineTwice;
    }
  }
  criterion.value = value;
  if (first == EmpiricalFormulaLine || first == QualitativeFormulaLine) {
    if (criterion.value.size() <= SearchValueLimit) {
      if (const int code = FormulaValue(criterion.value, first); code != 0) return code;
    }
  }
  if (criterion.value.size() > SearchValueLimit) {
    FormatErrorText(SearchValueTooLong, std::to_string(SearchValueLimit));
    return SearchValueTooLong;
  }
  if (IsNameLine(first)) ChangeCase(criterion.value, 0);
  return 0;
}

int ParseSearchCommand(std::string_view command, SearchCommand& parsed) {
  parsed = SearchCommand{};
  command = TrimBlanks(command);
  const auto blank = command.find(' ');
  const std::string_view word = command.substr(0, blank);
  const std::string_view criteria =
      blank == std::string_view::npos ? std::string_view{} : TrimBlanks(command.substr(blank));
  parsed.wholeLine = word == "sk";

  int separators = 0;
  if (const int code = CheckSeparators(criteria, separators); code != 0) return code;
  if (separators == 0) {
    parsed.bareWord = criteria;
    return 0;
  }
  parsed.hasCriteria = true;
  const auto parts = SplitAtSeparators(criteria);
  int entries = 0;
  for (std::size_t i = 0; i < parts.size(); i += 2) {
    SearchCriterion criterion;
    if (entries >= MaxCriteriaEntries) {
      FormatErrorText(SearchTooManyEntries, "");
      return SearchTooManyEntries;
    }
    bool keyWholeLine = false;
    if (const int code = MapSearchKey(parts[i], criterion.lines, keyWholeLine); code != 0) return code;
    if (entries + static_cast<int>(criterion.lines.size()) > MaxCriteriaEntries) {
      FormatErrorText(SearchTooManyEntries, "");
      return SearchTooManyEntries;
    }
    if (i + 1 >= parts.size()) {
      FormatErrorText(SearchKeyWithoutValue, "");
      return SearchKeyWithoutValue;
    }
    criterion.wholeLine = parsed.wholeLine || keyWholeLine;
    if (const int code = ReadSearchValue(parts[i + 1], parsed.criteria, criterion); code != 0) return code;
    entries += static_cast<int>(criterion.lines.size());
    parsed.criteria.push_back(std::move(criterion));
  }
  return 0;
}
