#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "spectroscopy/model/ms_iteration.h"
#include "spectroscopy/model/spectral_interpretation.h"
#include "engine/elements/element_tables.h"
#include "tests/engine/test_support.h"

namespace {

constexpr float CarbonMass = 12.011f;
constexpr float HydrogenMass = 1.00794f;

float ToleranceU(float electronMasses) { return static_cast<float>(electronMasses * ElectronMassU); }

std::string Tokens(const FragmentParent& parent) {
  std::string text;
  for (const FragmentToken& token : parent.tokens) text += token.symbol + ":" + std::to_string(token.count) + " ";
  return text;
}

// The plain odometer, counter by counter, as the iteration is defined: the first token turns
// fastest, every step sums the counters in token order; the reference the pruned search must equal.
std::string PlainOdometer(const FragmentParent& parent, bool showIso, float tolerance, float peak) {
  const std::size_t n = parent.tokens.size();
  std::vector<long long> choices(n);
  for (std::size_t t = 0; t < n; ++t) {
    choices[t] = parent.tokens[t].count + 1;
    float sum = parent.base;
    for (long long c = 0; c < choices[t]; ++c) {
      sum = sum + parent.tokens[t].mass;
      if (peak + tolerance < sum) {
        choices[t] = c + 1;
        break;
      }
    }
  }
  long long steps = 1;
  for (long long c : choices) steps *= c;
  std::vector<int> counters(n + 1, 0);
  std::string result;
  for (long long step = 0; step <= steps; ++step) {
    float sum = parent.base;
    for (std::size_t t = 0; t < n && peak + tolerance > sum; ++t) {
      if (counters[t] == choices[t]) {
        counters[t] = 0;
        ++counters[t + 1];
      }
      sum = sum + static_cast<float>(counters[t]) * parent.tokens[t].mass;
    }
    if (peak - tolerance < sum && sum < peak + tolerance) {
      std::string formula;
      for (std::size_t t = 0; t < n; ++t) {
        if (counters[t] <= 0) continue;
        formula += parent.tokens[t].symbol;
        if (counters[t] > 1) formula += std::to_string(counters[t]);
      }
      if (!showIso) {
        std::string kept;
        bool inside = false;
        for (char c : formula) {
          if (c == '[') inside = true;
          else if (c == ']') inside = false;
          else if (!inside) kept += c;
        }
        formula = kept;
      }
      char sumText[40];
      std::snprintf(sumText, sizeof sumText, "%-10G", sum);
      result += sumText + formula;
      if (formula.size() <= 29) result.append((29 - formula.size()) / 8, '\t');
      result += " \n";
      if (result.size() > 944) return result + "....... \n";
    }
    ++counters[0];
  }
  return result;
}

TEST(ReadFragmentParent, ElementCountsComeFromTheFormulaParser) {
  struct Case {
    const char* formula;
    const char* tokens;
  };
  const Case cases[] = {
      {"CH4", "C:1 H:4 "},
      {"CH3CH2OH", "C:2 H:6 O:1 "},          // an element written twice is one token
      {"Ca3(PO4)2", "Ca:3 P:2 O:8 "},        // a group's multiplier counts
      {"CuSO4*5H2O", "Cu:1 S:1 O:9 H:10 "},  // so does the water of an adduct
      {"C[13]H3CH3", "C[13]:1 H:6 C:1 "},     // an isotope is its own token
      {"C2H5O+", "C:2 H:5 O:1 "},
      {"C 2 H 6", "C:2 H:6 "},               // blanks are removed first
  };
  for (const Case& c : cases) {
    const auto parent = ReadFragmentParent(c.formula);
    ASSERT_TRUE(parent) << c.formula;
    EXPECT_EQ(Tokens(*parent), c.tokens) << c.formula;
  }
}

TEST(ReadFragmentParent, FormulasWithoutAMassOrWithTwentyElementsFail) {
  EXPECT_FALSE(ReadFragmentParent("Xx2"));
  EXPECT_FALSE(ReadFragmentParent(""));
  EXPECT_FALSE(ReadFragmentParent("C?H4"));
  EXPECT_FALSE(ReadFragmentParent("HLiBeBCNOFNaMgAlSiPSClKCaScTiV"));  // 20 elements
  EXPECT_TRUE(ReadFragmentParent("HLiBeBCNOFNaMgAlSiPSClKCaScTi"));    // 19
}

TEST(IterateFragmentFormulas, MethyleneFromMethane) {
  const auto parent = ReadFragmentParent("CH4");
  ASSERT_TRUE(parent);
  const float peak = CarbonMass + HydrogenMass * 3;
  IterationBudget budget;
  const std::string result = IterateFragmentFormulas(*parent, false, ToleranceU(20), peak, budget);
  float sum = 0;
  sum = sum + CarbonMass;
  sum = sum + 3.0f * HydrogenMass;
  char expected[40];
  std::snprintf(expected, sizeof expected, "%-10GCH3\t\t\t \n", sum);
  EXPECT_EQ(result, expected);
}

TEST(IterateFragmentFormulas, ZeroToleranceFindsNothingAndNegativeNeither) {
  const auto parent = ReadFragmentParent("CH4");
  ASSERT_TRUE(parent);
  IterationBudget budget;
  EXPECT_EQ(IterateFragmentFormulas(*parent, false, 0.0f, CarbonMass, budget), "");
  EXPECT_EQ(IterateFragmentFormulas(*parent, false, ToleranceU(-20), CarbonMass, budget), "");
}

TEST(IterateFragmentFormulas, ChargeMovesEverySumByItsElectrons) {
  const float neutral = CarbonMass + HydrogenMass * 3;
  const float halfElectron = ToleranceU(0.5f);
  struct Case {
    const char* formula;
    float shift;  // electron masses added to the neutral sum
  };
  for (const Case& c : {Case{"CH4", 0}, Case{"CH4+", -1}, Case{"CH4-2", 2}}) {
    const auto parent = ReadFragmentParent(c.formula);
    ASSERT_TRUE(parent) << c.formula;
    IterationBudget budget;
    const float shifted = neutral + c.shift * ElectronMassU;
    EXPECT_NE(IterateFragmentFormulas(*parent, false, halfElectron, shifted, budget).find("CH3"), std::string::npos)
        << c.formula;
    if (c.shift != 0) {
      EXPECT_EQ(IterateFragmentFormulas(*parent, false, halfElectron, neutral, budget), "") << c.formula;
    }
  }
}

TEST(IterateFragmentFormulas, EqualsThePlainOdometer) {
  struct Case {
    const char* formula;
    float peak;
    float electronMasses;
    bool showIso;
  };
  const Case cases[] = {
      // Tolerances wide enough for many matches, below the peak so that the empty formula is none.
      {"C2H5OH", 31, 17000, false},       {"C2H5OH", 45, 25000, false},    {"CH3COOC2H5", 43, 25000, false},
      {"C6H5COOH", 77, 40000, false},     {"C3H7Br[79]", 122, 30000, true}, {"C3H7Br[79]", 122, 30000, false},
      {"C[13]H3CH2OH+", 30, 16000, true}, {"Ca3(PO4)2", 95, 50000, false},  {"C7H8", 91, 50000, false},
      {"C10H14N2", 84, 60000, false},
  };
  for (const Case& c : cases) {
    const auto parent = ReadFragmentParent(c.formula);
    ASSERT_TRUE(parent) << c.formula;
    IterationBudget budget;
    const float tolerance = ToleranceU(c.electronMasses);
    const std::string expected = PlainOdometer(*parent, c.showIso, tolerance, c.peak);
    EXPECT_FALSE(expected.empty()) << c.formula;
    EXPECT_EQ(IterateFragmentFormulas(*parent, c.showIso, tolerance, c.peak, budget), expected) << c.formula;
  }
}

TEST(IterateFragmentFormulas, ALargeParentStopsAtTheStepLimitAndSaysSo) {
  SettingsSnapshot settings;
  LanguageScope english(EnglishLanguage);
  const auto parent = ReadFragmentParent("C90H150N30O40S8P6Cl4Br2I2F6Si3B2Se2");
  ASSERT_TRUE(parent);
  IterationBudget budget;
  const std::string result = IterateFragmentFormulas(*parent, false, ToleranceU(0.01f), 1999.5f, budget);
  EXPECT_EQ(budget.stepsLeft, 0u);
  EXPECT_NE(result.find("(iteration stopped at its step limit) \n"), std::string::npos);
  // A later peak of the same report gets the note at once.
  EXPECT_EQ(IterateFragmentFormulas(*parent, false, ToleranceU(0.01f), 12, budget),
            "(iteration stopped at its step limit) \n");
}

TEST(IterateFragmentFormulas, AFullResultEndsWithItsMark) {
  const auto parent = ReadFragmentParent("C20H40N10O10");
  ASSERT_TRUE(parent);
  IterationBudget budget;
  const std::string result = IterateFragmentFormulas(*parent, false, ToleranceU(2000), 300, budget);
  EXPECT_GT(result.size(), 944u);
  EXPECT_EQ(result.substr(result.size() - 9), "....... \n");
  EXPECT_LT(result.size(), 1023u);
}

}  // namespace
