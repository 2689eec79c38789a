#include "chemicals_database/model/record_match.h"

#include <cmath>
#include <cstdlib>
#include <limits>
#include <optional>
#include <string>

#include "chemicals_database/model/record_number.h"

namespace {

constexpr std::size_t LongestSeenLine = 48;

std::string_view SeenLine(std::string_view line) { return line.size() > LongestSeenLine ? std::string_view{} : line; }

bool LineMatches(std::string_view line, int lineNumber, const SearchCriterion& criterion, float tolerance) {
  if (IsNumericRecordLine(lineNumber)) {
    const auto found = DatabaseNumber(line);
    const auto sought = DatabaseNumber(criterion.value);
    return found && sought && std::fabs(*found - *sought) < static_cast<double>(tolerance);
  }
  if (criterion.wholeLine) return line == criterion.value;
  return line.find(criterion.value) != std::string_view::npos;
}

bool CriterionMatches(const std::vector<std::string_view>& lines, const SearchCriterion& criterion, float tolerance) {
  for (const int wanted : criterion.lines) {
    if (wanted == AnyRecordLine) {
      for (std::size_t i = 0; i < lines.size(); ++i)
        if (LineMatches(SeenLine(lines[i]), static_cast<int>(i) + 1, criterion, tolerance)) return true;
    } else if (wanted >= 1 && static_cast<std::size_t>(wanted) <= lines.size() &&
               LineMatches(SeenLine(lines[static_cast<std::size_t>(wanted) - 1]), wanted, criterion, tolerance)) {
      return true;
    }
  }
  return false;
}

}  // namespace

bool MatchRecord(const std::vector<std::string_view>& lines, const SearchCommand& command, float tolerance,
                 int bareLine) {
  if (!command.hasCriteria) {
    if (bareLine < 1 || static_cast<std::size_t>(bareLine) > lines.size()) return false;
    const std::string_view line = SeenLine(lines[static_cast<std::size_t>(bareLine) - 1]);
    return command.wholeLine ? line == command.bareWord : line.find(command.bareWord) != std::string_view::npos;
  }
  for (const auto& criterion : command.criteria)
    if (!CriterionMatches(lines, criterion, tolerance)) return false;
  return true;
}
