#include "engine/reaction/balance_groups.h"

#include <algorithm>
#include <array>
#include <climits>
#include <cmath>
#include <map>
#include <optional>

#include "engine/formtext.h"
#include "engine/reaction.h"
#include "engine/elements/element_tables.h"

namespace {

using exact::Fraction;
using exact::Int;

struct ExactSpecies {
  std::map<int, Fraction> counts;  // by Z
  Fraction electrons;
  int sign = 1;  // +1 on the side the engine takes as reactants
};

std::vector<int> EngineOrder(const PreparedEquation& prepared) {
  std::vector<int> order(prepared.species.size());
  for (std::size_t i = 0; i < order.size(); ++i)
    order[i] = prepared.reversed ? static_cast<int>(order.size() - 1 - i) : static_cast<int>(i);
  return order;
}

// The electrons of a species: those of its atoms less its charge. The formula
// parser sums them in single precision (32.6999969 for Fe0.95O), so the charge,
// a short number as typed, is taken back from that sum within its rounding and
// the count rebuilt from the exact atom counts.
std::optional<Fraction> ExactElectrons(const std::map<int, Fraction>& counts, float electrons) {
  Fraction atomElectrons;
  long double magnitude = std::fabs(static_cast<long double>(electrons));
  for (const auto& [Z, count] : counts) {
    atomElectrons = exact::Plus(atomElectrons, exact::Times({Z, 1}, count));
    magnitude += Z * std::fabs(static_cast<long double>(count.numerator) / static_cast<long double>(count.denominator));
  }
  const long double charge =
      static_cast<long double>(atomElectrons.numerator) / static_cast<long double>(atomElectrons.denominator) -
      electrons;
  const long double rounding = magnitude * 0x1p-19L;
  const auto exactCharge = exact::SimplestFractionBetween(charge - rounding, charge + rounding);
  if (!exactCharge) return exact::FractionOfCount(electrons);
  return exact::Plus(atomElectrons, {exact::Sub(0, exactCharge->numerator), exactCharge->denominator});
}

bool ExactCounts(const PreparedEquation& prepared, std::vector<ExactSpecies>& exactSpecies) {
  exactSpecies.resize(prepared.species.size());
  for (std::size_t i = 0; i < prepared.species.size(); ++i) {
    const EquationSpecies& species = prepared.species[i];
    for (const auto& [Z, atoms] : species.elementCounts) {
      auto fraction = exact::FractionOfCount(atoms);
      if (!fraction) return false;
      exactSpecies[i].counts[Z] = *fraction;
    }
    // Products hold their electrons negated.
    const float electrons = species.product ? -species.electrons : species.electrons;
    auto exactElectrons = ExactElectrons(exactSpecies[i].counts, electrons);
    if (!exactElectrons) return false;
    exactSpecies[i].electrons = species.product
                                    ? Fraction{exact::Sub(0, exactElectrons->numerator), exactElectrons->denominator}
                                    : *exactElectrons;
    exactSpecies[i].sign = species.product != prepared.reversed ? -1 : 1;
  }
  return true;
}

// An element links the opener to the one other species that holds it, when
// that species is in no group yet.
int LinkGroups(const std::vector<int>& order, const std::vector<ExactSpecies>& species, std::vector<int>& groupOf,
               std::vector<Fraction>& ratioOf) {
  std::array<bool, ElementCount + 1> examined{};
  int groupCount = 0;
  for (int opener : order) {
    if (groupOf[opener] >= 0) continue;
    const int group = groupCount++;
    groupOf[opener] = group;
    ratioOf[opener] = {1, 1};
    for (const auto& [Z, count] : species[opener].counts) {
      if (examined[Z]) continue;
      int holder = -1, holders = 0;
      for (std::size_t other = 0; other < species.size(); ++other) {
        if (static_cast<int>(other) == opener || !species[other].counts.contains(Z)) continue;
        holder = static_cast<int>(other);
        ++holders;
      }
      if (holders != 1 || groupOf[holder] >= 0) continue;
      groupOf[holder] = group;
      ratioOf[holder] = exact::Quotient(count, species[holder].counts.at(Z));
      examined[Z] = true;
    }
  }
  return groupCount;
}

Int LeastCommonMultiple(Int a, Int b) { return exact::Mul(a / exact::Gcd(a, b), b); }

bool LargerMagnitude(const Fraction& a, const Fraction& b) {
  return exact::Mul(exact::Abs(a.numerator), b.denominator) > exact::Mul(exact::Abs(b.numerator), a.denominator);
}

// The smaller set of groups (by the sign of their atom totals) at the front,
// the larger at the back, then the two swap passes by magnitude.
std::vector<int> SearchOrder(const std::vector<Fraction>& totals) {
  const int n = static_cast<int>(totals.size());
  std::vector<int> negative, nonNegative;
  for (int g = 0; g < n; ++g) (totals[g].numerator < 0 ? negative : nonNegative).push_back(g);
  const bool negativeFront = negative.size() <= nonNegative.size();
  const std::vector<int>& front = negativeFront ? negative : nonNegative;
  const std::vector<int>& back = negativeFront ? nonNegative : negative;
  const int frontSlots = static_cast<int>(front.size());
  std::vector<int> order(static_cast<std::size_t>(n));
  for (int i = 0; i < frontSlots; ++i) order[i] = front[i];
  for (std::size_t j = 0; j < back.size(); ++j) order[n - 1 - static_cast<int>(j)] = back[j];
  auto total = [&](int slot) { return totals[order[slot]]; };
  if (frontSlots >= 2) {
    const int last = frontSlots - 1;
    for (int slot = 0; slot < last; ++slot)
      if (LargerMagnitude(total(last), total(slot))) std::swap(order[slot], order[last]);
  }
  if (n >= 2) {
    const int secondLast = n - 2;
    for (int slot = frontSlots; slot < n; ++slot)
      if (slot != secondLast && LargerMagnitude(total(slot), total(secondLast)))
        std::swap(order[slot], order[secondLast]);
  }
  return order;
}

// Appends the row scaled to whole numbers, unless it is all 0.
void AddIntegralRow(const std::vector<Fraction>& row, std::vector<std::vector<Int>>& rows) {
  Int denominators = 1;
  for (const Fraction& value : row) denominators = LeastCommonMultiple(denominators, value.denominator);
  std::vector<Int> integral(row.size());
  bool any = false;
  for (std::size_t column = 0; column < row.size(); ++column) {
    integral[column] = exact::Mul(row[column].numerator, denominators / row[column].denominator);
    any = any || integral[column] != 0;
  }
  if (any) rows.push_back(std::move(integral));
}

// The balance of every element and of the electrons over the species' own
// coefficients, by which a balanced equation is checked.
std::vector<std::vector<Int>> SpeciesRows(const std::vector<ExactSpecies>& species) {
  std::map<int, std::vector<Fraction>> elementRows;
  std::vector<Fraction> electronRow(species.size());
  for (std::size_t i = 0; i < species.size(); ++i) {
    for (const auto& [Z, count] : species[i].counts) {
      auto& row = elementRows[Z];
      row.resize(species.size());
      row[i] = exact::Times({species[i].sign, 1}, count);
    }
    electronRow[i] = species[i].electrons;
  }
  std::vector<std::vector<Int>> rows;
  for (const auto& [Z, row] : elementRows) AddIntegralRow(row, rows);
  AddIntegralRow(electronRow, rows);
  return rows;
}

int ClampToInt(double value) {
  if (!(value > INT_MIN)) return INT_MIN;
  if (value >= INT_MAX) return INT_MAX;
  return static_cast<int>(value);
}

// The upper bound of the multipliers: balMid, or with a negative balMax the
// bound made from it; never above BalMidLimit.
int HighestMultiplier(int groupCount, int balMin, int balMid, int balMax) {
  long long highest = balMid;
  if (balMax < 0 && groupCount > 0) {
    const double root = std::pow(-static_cast<double>(balMax), 1.0 / groupCount);
    long long max = ClampToInt(std::trunc(root + balMin));
    if (max > -static_cast<long long>(balMid)) max = static_cast<long long>(balMin) - balMid;
    highest = max - 1;
  }
  return static_cast<int>(std::clamp<long long>(highest, INT_MIN, BalMidLimit));
}

}  // namespace

int FormGroups(const PreparedEquation& prepared, int maxGroups, int balMin, int balMid, int balMax,
               BalanceGroups& groups) {
  const std::size_t speciesCount = prepared.species.size();
  groups = BalanceGroups{};
  try {
    std::vector<ExactSpecies> species;
    if (!ExactCounts(prepared, species)) throw exact::Overflow{};
    groups.groupOf.assign(speciesCount, -1);
    std::vector<Fraction> ratios(speciesCount);
    const int groupCount = LinkGroups(EngineOrder(prepared), species, groups.groupOf, ratios);
    if (groupCount > maxGroups) {
      FormatErrorText(TooManyGroupsError, "");
      return EquationTooManyGroups;
    }

    std::vector<Int> scale(static_cast<std::size_t>(groupCount), 1);
    for (std::size_t i = 0; i < speciesCount; ++i)
      scale[groups.groupOf[i]] = LeastCommonMultiple(scale[groups.groupOf[i]], ratios[i].denominator);
    groups.ratioOf.resize(speciesCount);
    for (std::size_t i = 0; i < speciesCount; ++i)
      groups.ratioOf[i] = exact::Mul(ratios[i].numerator, scale[groups.groupOf[i]] / ratios[i].denominator);

    // Net counts per group: one row per element, and the electrons.
    std::map<int, std::vector<Fraction>> elementRows;
    std::vector<Fraction> electronRow(static_cast<std::size_t>(groupCount));
    for (std::size_t i = 0; i < speciesCount; ++i) {
      const int g = groups.groupOf[i];
      const Fraction factor{exact::Mul(species[i].sign, groups.ratioOf[i]), 1};
      for (const auto& [Z, count] : species[i].counts) {
        auto& row = elementRows[Z];
        row.resize(static_cast<std::size_t>(groupCount));
        row[g] = exact::Plus(row[g], exact::Times(factor, count));
      }
      electronRow[g] = exact::Plus(electronRow[g], exact::Times({groups.ratioOf[i], 1}, species[i].electrons));
    }
    std::vector<Fraction> totals(static_cast<std::size_t>(groupCount));
    for (const auto& [Z, row] : elementRows)
      for (int g = 0; g < groupCount; ++g) totals[g] = exact::Plus(totals[g], row[g]);

    groups.groupAtPosition = SearchOrder(totals);
    auto& problem = groups.problem;
    problem.positions = groupCount;
    problem.lowest = balMin;
    problem.highest = HighestMultiplier(groupCount, balMin, balMid, balMax);
    auto addRow = [&](const std::vector<Fraction>& row) {
      std::vector<Fraction> byPosition(static_cast<std::size_t>(groupCount));
      for (int position = 0; position < groupCount; ++position)
        byPosition[position] = row[groups.groupAtPosition[position]];
      AddIntegralRow(byPosition, problem.rows);
    };
    for (const auto& [Z, row] : elementRows) addRow(row);
    addRow(electronRow);
    groups.speciesRows = SpeciesRows(species);
  } catch (const exact::Overflow&) {
    FormatErrorText(NoBalanceSolutionError, "");
    return EquationNoSolution;
  }
  return EquationBalanced;
}
