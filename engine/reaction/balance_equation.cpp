#include <algorithm>
#include <climits>

#include "engine/reaction/balance_groups.h"
#include "engine/reaction/balance_output.h"
#include "engine/formtext.h"
#include "engine/reaction.h"

namespace {

struct EquationLimits {
  int species;
  int groups;
  bool spaced;
};

constexpr EquationLimits FullEquation{MaxEquationSpecies, MaxEquationGroups, true};
constexpr EquationLimits SmallEquation{MaxSmallEquationSpecies, MaxSmallEquationGroups, false};

int NoSolution() {
  FormatErrorText(NoBalanceSolutionError, "");
  return EquationNoSolution;
}

// The coefficient of every species: its group's multiplier times its ratio.
bool Coefficients(const BalanceGroups& groups, const std::vector<int>& multipliers, std::vector<long>& coefficients) {
  std::vector<int> multiplierOfGroup(multipliers.size());
  for (std::size_t position = 0; position < multipliers.size(); ++position)
    multiplierOfGroup[groups.groupAtPosition[position]] = multipliers[position];
  coefficients.clear();
  try {
    for (std::size_t i = 0; i < groups.groupOf.size(); ++i) {
      const exact::Int coefficient = exact::Mul(groups.ratioOf[i], multiplierOfGroup[groups.groupOf[i]]);
      if (coefficient > LONG_MAX) return false;
      coefficients.push_back(static_cast<long>(coefficient));
    }
  } catch (const exact::Overflow&) {
    return false;
  }
  return true;
}

int Balance(const EquationLimits& limits, std::int8_t mode, int& enthalpyMissing, int& entropyMissing, int thermo,
            int balMin, int balMid, int balMax, double& dH, double& dS, std::string& equation, std::string& table) {
  if (equation.size() > EquationTextLimit) {
    FormatErrorText(FormulaCharactersLimitError, std::to_string(EquationTextLimit));
    return EquationTextTooLong;
  }
  PreparedEquation prepared;
  if (const int code = PrepareEquation(mode, equation, limits.species, prepared); code != EquationBalanced) return code;
  BalanceGroups groups;
  if (const int code = FormGroups(prepared, limits.groups, balMin, balMid, balMax, groups); code != EquationBalanced)
    return code;

  // A multiplier below 1 is refused. With such a lower bound the first point of
  // the search is never all positive: the first pass holds 0 when the upper
  // bound is above it, and every point is at or below 0 when it is not. So the
  // answer is known without a search over a box that may be vast.
  if (groups.problem.lowest < 1) return NoSolution();
  const auto multipliers = balance::FirstSolutionInBox(groups.problem);
  if (!multipliers) return NoSolution();
  for (int multiplier : *multipliers)
    if (multiplier < 1) return NoSolution();
  std::vector<long> coefficients;
  if (!Coefficients(groups, *multipliers, coefficients)) return NoSolution();
  // Only an equation whose atoms and charge conserve is written.
  if (std::ranges::any_of(coefficients, [](long coefficient) { return coefficient < 1; }) ||
      !balance::RowsBalance(groups.speciesRows, coefficients))
    return NoSolution();

  std::string balanced = BalancedEquationText(prepared, coefficients, limits.spaced);
  std::string rows;
  ThermoSums sums;
  if (const int code = AmountsTable(prepared, coefficients, thermo == 1, rows, sums); code != EquationBalanced)
    return code;
  if (thermo == 1) balanced += HeatTerm(sums);
  if (balanced.size() > EquationTextLimit) {
    FormatErrorText(FormulaCharactersLimitError, std::to_string(EquationTextLimit));
    return EquationTextTooLong;
  }
  if (thermo == 1) {
    if (sums.enthalpyMissing) enthalpyMissing = 1;
    if (sums.entropyMissing) entropyMissing = 1;
    dH = -sums.enthalpy;
    dS = sums.entropy;
  }
  equation = std::move(balanced);
  table = std::move(rows);
  return EquationBalanced;
}

}  // namespace

int BalanceEquation(std::int8_t mode, int& enthalpyMissing, int& entropyMissing, int thermo, int balMin, int balMid,
                    int balMax, double& dH, double& dS, std::string& equation, std::string& table) {
  return Balance(FullEquation, mode, enthalpyMissing, entropyMissing, thermo, balMin, balMid, balMax, dH, dS, equation,
                 table);
}

int BalanceEquationSix(std::int8_t mode, int& enthalpyMissing, int& entropyMissing, int thermo, int balMin, int balMid,
                       int balMax, double& dH, double& dS, std::string& equation, std::string& table) {
  return Balance(SmallEquation, mode, enthalpyMissing, entropyMissing, thermo, balMin, balMid, balMax, dH, dS, equation,
                 table);
}
