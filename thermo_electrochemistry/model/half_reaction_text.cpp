#include "thermo_electrochemistry/model/half_reaction_text.h"

#include <algorithm>
#include <cctype>
#include <cmath>

#include "engine/numbers/number_text.h"
#include "engine/numbers/typed_number.h"
#include "engine/textutil.h"

namespace {

constexpr std::size_t MostCellPotentialDecimals = 6;

std::size_t DecimalsOf(const std::string& number) {
  const std::size_t point = number.find('.');
  return point == std::string::npos ? 0 : number.size() - point - 1;
}

bool IsLetter(char c) { return std::isalpha(static_cast<unsigned char>(c)) != 0; }

}  // namespace

std::optional<std::string> TurnedHalfReaction(std::string_view equation) {
  if (std::ranges::count(equation, '>') != 1) return std::nullopt;
  const std::size_t arrow = equation.find('>');
  std::string_view before = equation.substr(0, arrow);
  std::string_view after = equation.substr(arrow + 1);
  const bool blankBefore = before.ends_with(' ');
  const bool blankAfter = after.starts_with(' ');
  if (blankBefore) before.remove_suffix(1);
  if (blankAfter) after.remove_prefix(1);
  std::string turned(after);
  turned += blankBefore ? " >" : ">";
  if (blankAfter) turned += ' ';
  turned += before;
  return turned;
}

std::optional<double> PotentialValue(std::string potential) { return TypedNumberOrZero(std::move(potential)); }

std::optional<std::string> NegatedPotential(std::string potential) {
  RemoveBlanks(potential);
  const std::optional<double> read = PotentialValue(potential);
  if (!read) return std::nullopt;
  if (potential.empty()) return potential;
  const double value = *read;
  if (value == 0.0) return "0";
  if (potential.front() == '-' || potential.front() == '+') potential.erase(0, 1);
  return value > 0.0 ? "-" + potential : potential;
}

std::optional<std::string> CellPotentialText(const std::string& left, const std::string& right) {
  const std::optional<double> leftValue = PotentialValue(left);
  const std::optional<double> rightValue = PotentialValue(right);
  if (!leftValue || !rightValue) return std::nullopt;
  const double sum = *leftValue + *rightValue;
  if (!std::isfinite(sum)) return std::nullopt;
  std::string text = FormatNumberFixed(sum);
  const std::size_t point = text.find('.');
  if (std::min(point, text.size()) > CellPotentialWidth) return std::nullopt;
  if (point == std::string::npos) return text;
  const bool anyPoint = left.find('.') != std::string::npos || right.find('.') != std::string::npos;
  if (!anyPoint) return text.substr(0, point);
  const std::size_t decimals = std::min({std::max(DecimalsOf(left), DecimalsOf(right)), MostCellPotentialDecimals});
  return text.substr(0, point + 1 + decimals);
}

bool HasElectronTerm(std::string_view halfReaction) {
  for (std::size_t i = 0; i + 1 < halfReaction.size(); ++i) {
    if (halfReaction[i] == 'e' && halfReaction[i + 1] == '-' && (i == 0 || !IsLetter(halfReaction[i - 1]))) return true;
  }
  return false;
}
