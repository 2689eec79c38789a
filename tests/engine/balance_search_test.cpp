#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <optional>
#include <random>
#include <string>
#include <vector>

#include "engine/reaction/balance_groups.h"
#include "engine/reaction/balance_search.h"
#include "engine/reaction/equation_species.h"
#include "engine/reaction.h"

namespace {

using balance::SearchProblem;

// The bounded search as the balancing has always run it, point by point and
// without pruning: pass p from 1 gives position g the range [low, mid) when
// bit (n - 1 - g) of p - 1 is clear and [mid - 1, mid + 1) when it is set;
// the pass where position 0 first has its bit set is the last, with position 0
// in [mid, mid + 1) and every other position in [low, mid + 1). Inside a pass
// an odometer, last position fastest; the first balancing point wins.
std::optional<std::vector<int>> ReferenceSearch(const SearchProblem& problem) {
  const int n = problem.positions;
  const int low = problem.lowest, mid = problem.highest, max = mid + 1;
  for (long pass = 1;; ++pass) {
    std::vector<int> from(n), to(n);
    const bool last = ((pass - 1) >> (n - 1)) & 1;
    for (int g = 0; g < n; ++g) {
      const bool set = ((pass - 1) >> (n - 1 - g)) & 1;
      if (last) {
        from[g] = g == 0 ? mid : low;
        to[g] = max;
      } else {
        from[g] = set ? mid - 1 : low;
        to[g] = set ? max : mid;
      }
    }
    bool empty = false;
    for (int g = 0; g < n; ++g) empty = empty || from[g] >= to[g];
    std::vector<int> m = from;
    while (!empty) {
      bool balances = true;
      for (const auto& row : problem.rows) {
        long long sum = 0;
        for (int g = 0; g < n; ++g) sum += static_cast<long long>(row[g]) * m[g];
        balances = balances && sum == 0;
      }
      if (balances) return m;
      int g = n - 1;
      while (g >= 0 && ++m[g] == to[g]) {
        m[g] = from[g];
        --g;
      }
      if (g < 0) break;
    }
    if (last) return std::nullopt;
  }
}

std::optional<SearchProblem> ProblemOf(const std::string& equation, int low, int mid) {
  PreparedEquation prepared;
  if (PrepareEquation(2, equation, 12, prepared) != 0) return std::nullopt;
  BalanceGroups groups;
  if (FormGroups(prepared, 8, low, mid, 20, groups) != 0) return std::nullopt;
  return groups.problem;
}

// Species of a few light elements with small counts, sometimes charged, and the electron.
class EquationGenerator {
 public:
  explicit EquationGenerator(unsigned seed) : random_(seed) {}

  std::string Species() {
    static const char* const symbols[] = {"H", "C", "N", "O", "S", "Na", "Fe", "Cl"};
    if (Pick(0, 24) == 0) return "e-";
    std::string text;
    const int elements = Pick(1, 3);
    int previous = -1;
    for (int e = 0; e < elements; ++e) {
      int symbol = Pick(0, 7);
      if (symbol == previous) continue;
      previous = symbol;
      text += symbols[symbol];
      if (const int count = Pick(1, 4); count > 1) text += std::to_string(count);
    }
    switch (Pick(0, 9)) {
      case 0: return text + "+";
      case 1: return text + "-";
      case 2: return text + "+2";
      default: return text;
    }
  }

  // Random reactants; products cut from the atoms of the reactants taken
  // with small coefficients, so that many equations have a solution.
  std::string Equation() {
    const int reactants = Pick(1, 4);
    std::vector<std::string> left;
    for (int i = 0; i < reactants; ++i) left.push_back(Species());
    std::vector<std::string> right;
    if (Pick(0, 1) == 0) {
      const int products = Pick(1, 8 - reactants);
      for (int i = 0; i < products; ++i) right.push_back(Species());
    } else {
      right = PlantedProducts(left);
    }
    std::string equation;
    for (std::size_t i = 0; i < left.size(); ++i) equation += (i ? "+" : "") + left[i];
    equation += ">";
    for (std::size_t i = 0; i < right.size(); ++i) equation += (i ? "+" : "") + right[i];
    return equation;
  }

  int Pick(int low, int high) { return std::uniform_int_distribution<int>(low, high)(random_); }

 private:
  std::vector<std::string> PlantedProducts(const std::vector<std::string>& left) {
    std::vector<std::string> atoms;
    for (const auto& species : left) {
      if (species == "e-") continue;
      const std::string neutral = species.substr(0, species.find_first_of("+-"));
      const int coefficient = Pick(1, 3);
      for (int c = 0; c < coefficient; ++c) atoms.push_back(neutral);
    }
    if (atoms.empty()) return {"H2"};
    const int products = Pick(1, std::min<int>(4, static_cast<int>(atoms.size())));
    std::vector<std::string> right(static_cast<std::size_t>(products));
    for (std::size_t i = 0; i < atoms.size(); ++i) right[i % right.size()] += "(" + atoms[i] + ")";
    return right;
  }

  std::mt19937 random_;
};

TEST(BalanceSearch, AgreesWithThePointByPointSearchOnGeneratedEquations) {
  EquationGenerator generator(20240611);
  int compared = 0, solvable = 0, withSeveralSolutions = 0;
  for (int attempt = 0; attempt < 6000 && compared < 1500; ++attempt) {
    const std::string equation = generator.Equation();
    const int low = generator.Pick(0, 4) == 0 ? 2 : 1;
    const int mid = generator.Pick(3, 6);
    const auto problem = ProblemOf(equation, low, mid);
    if (!problem) continue;
    ++compared;
    const auto expected = ReferenceSearch(*problem);
    ASSERT_EQ(balance::FirstSolutionInBox(*problem), expected) << equation << " in [" << low << ", " << mid << "]";
    if (expected) ++solvable;
    if (problem->positions - static_cast<int>(problem->rows.size()) >= 2) ++withSeveralSolutions;
  }
  EXPECT_GE(compared, 1000);
  EXPECT_GE(solvable, 300);
  EXPECT_GE(withSeveralSolutions, 50);
}

TEST(BalanceSearch, AgreesWithThePointByPointSearchOnTheExamples) {
  const char* const equations[] = {
      "FeS2+O2>Fe3O4+SO2",
      "2gC3H8+O2>CO2+H2O",
      "C3H8+2mO2>CO2+H2O",
      "5gC3H8+3gO2>CO2+H2O",
      "2gH,C3H8+0.5mO,O2>CO2+H2O",
      "As2S3+NaNO3+Na2CO3>Na3AsO4+Na2SO4+NaNO2+10gC,CO2",
      "H2+O2>H2O",
      "Zn+HNO3>Zn(NO3)2+NH4NO3+H2O",
      "P4+NaOH+H2O>PH3+NaH2PO2",
      "C2H6+CH4+O2>CO2+H2O",
      "NaHCO3+S>H2SO4+CO+Na2CO3+H2O",
      "C2H5OH>H2O+CH4+CO",
      "Fe+2+MnO4-+H+>Fe+3+Mn+2+H2O",
      "NaCl(s)>Na+(aq)+Cl-(aq)",
  };
  for (const char* equation : equations) {
    for (int mid : {3, 10, 16}) {
      const auto problem = ProblemOf(equation, 1, mid);
      ASSERT_TRUE(problem) << equation;
      EXPECT_EQ(balance::FirstSolutionInBox(*problem), ReferenceSearch(*problem)) << equation << " up to " << mid;
    }
  }
}

TEST(BalanceSearch, OdometerFallbackGivesTheSameFirstSolution) {
  // Two independent reactions in four positions: many solutions in the box.
  SearchProblem problem;
  problem.positions = 4;
  problem.rows = {{2, 0, -2, 0}, {1, 1, -1, -1}};
  for (int low : {1, 2}) {
    for (int mid : {2, 3, 5}) {
      problem.lowest = low;
      problem.highest = mid;
      EXPECT_EQ(balance::FirstSolutionByOdometer(problem), ReferenceSearch(problem));
      EXPECT_EQ(balance::FirstSolutionInBox(problem), ReferenceSearch(problem));
    }
  }
}

TEST(BalanceSearch, BoundsAtOrBelowZeroAndEmptyBoxes) {
  SearchProblem problem;
  problem.positions = 3;
  problem.rows = {{1, 1, -2}};
  problem.lowest = 0;
  problem.highest = 2;
  EXPECT_EQ(balance::FirstSolutionInBox(problem), ReferenceSearch(problem));  // the zero point comes first
  problem.lowest = -2;
  EXPECT_EQ(balance::FirstSolutionInBox(problem), ReferenceSearch(problem));
  problem.lowest = 3;  // above the upper bound: nothing to visit
  EXPECT_EQ(balance::FirstSolutionInBox(problem), std::nullopt);
  problem.lowest = problem.highest = 2;
  EXPECT_EQ(balance::FirstSolutionInBox(problem), (std::vector<int>{2, 2, 2}));
}

// With a lower bound below 1 the first point of the plain search always holds a
// multiplier below 1, which the balancing refuses; BalanceEquation answers so at
// once, also for a bound the point-by-point search could never walk.
TEST(BalanceSearch, LowerBoundsBelowOneNeverGiveAnAllPositiveFirstSolution) {
  const char* const equations[] = {"FeS2+O2>Fe3O4+SO2", "C2H6+CH4+O2>CO2+H2O", "Fe+2+MnO4-+H+>Fe+3+Mn+2+H2O",
                                   "NaHCO3+S>H2SO4+CO+Na2CO3+H2O", "C3H6+CH4+O2>C8O+O6+H2O"};
  for (const char* equation : equations) {
    for (int low : {0, -1, -3}) {
      for (int mid : {-1, 1, 4}) {
        const auto problem = ProblemOf(equation, low, mid);
        ASSERT_TRUE(problem) << equation;
        const auto first = ReferenceSearch(*problem);
        if (first) {
          EXPECT_LT(*std::min_element(first->begin(), first->end()), 1) << equation << " from " << low;
        }
      }
    }
    for (int low : {0, -3, INT_MIN + 1}) {
      std::string text = equation, table;
      int enthalpyMissing = 0, entropyMissing = 0;
      double dH = 0.0, dS = 0.0;
      EXPECT_EQ(BalanceEquation(2, enthalpyMissing, entropyMissing, 0, low, 10, 20, dH, dS, text, table), 5)
          << equation << " from " << low;
    }
  }
}

// The rows a balanced equation is checked by, per species: a wrong coefficient of
// atoms, or of charge alone (the electron holds no atoms), is refused.
TEST(BalanceCheck, SpeciesRowsAcceptOnlyConservingCoefficients) {
  const struct {
    const char* equation;
    std::vector<long> right;
    std::vector<long> wrong;
  } cases[] = {
      {"Fe+2+MnO4-+H+>Fe+3+Mn+2+H2O", {5, 1, 8, 5, 1, 4}, {5, 1, 8, 5, 1, 3}},
      {"Fe+2+MnO4-+H+>Fe+3+Mn+2+H2O", {5, 1, 8, 5, 1, 4}, {4, 1, 8, 4, 1, 4}},  // atoms conserve, charge not
      {"Fe+3+e->Fe+2", {1, 1, 1}, {1, 2, 1}},
      {"Fe0.95O+O2>Fe2O3", {80, 17, 38}, {80, 17, 39}},
      {"Fe0.95O+H+>Fe+2+Fe+3+H2O", {20, 40, 17, 2, 20}, {20, 40, 18, 1, 20}},  // Fe conserves, charge not
  };
  for (const auto& c : cases) {
    PreparedEquation prepared;
    ASSERT_EQ(PrepareEquation(2, c.equation, 12, prepared), 0) << c.equation;
    BalanceGroups groups;
    ASSERT_EQ(FormGroups(prepared, 8, 1, 100, 20, groups), 0) << c.equation;
    EXPECT_TRUE(balance::RowsBalance(groups.speciesRows, c.right)) << c.equation;
    EXPECT_FALSE(balance::RowsBalance(groups.speciesRows, c.wrong)) << c.equation;
  }
}

TEST(ExactFractions, SimplestFractionInAnInterval) {
  struct Case {
    long double low, high;
    std::optional<std::pair<long, long>> fraction;
  };
  // By hand: 32.7 = 327/10 is the first convergent of [32; 1, 2, 3] inside the interval.
  const Case cases[] = {
      {32.6998L, 32.7001L, std::pair{327L, 10L}},
      {0.2999L, 0.3001L, std::pair{3L, 10L}},
      {-2.5001L, -2.4999L, std::pair{-5L, 2L}},
      {-0.1L, 0.1L, std::pair{0L, 1L}},
      {2.4L, 3.2L, std::pair{3L, 1L}},
      {0.33332L, 0.33334L, std::pair{1L, 3L}},
      {1e-9L, 2e-9L, std::nullopt},  // needs a denominator above 10^6
      {1.0L, 0.5L, std::nullopt},
  };
  for (const auto& c : cases) {
    const auto found = exact::SimplestFractionBetween(c.low, c.high);
    ASSERT_EQ(found.has_value(), c.fraction.has_value()) << static_cast<double>(c.low);
    if (!found) continue;
    EXPECT_EQ(static_cast<long>(found->numerator), c.fraction->first) << static_cast<double>(c.low);
    EXPECT_EQ(static_cast<long>(found->denominator), c.fraction->second) << static_cast<double>(c.low);
  }
}

}  // namespace
