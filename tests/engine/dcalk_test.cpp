#include <cmath>
#include <random>

#include "engine/formcalc.h"
#include "engine/formula/formula_mass.h"
#include "engine/formtext.h"
#include "tests/engine/test_support.h"

namespace {

// Atomic and isotope masses as the tables hold them.
constexpr float H = 1.00794f, C = 12.011f, N = 14.00674f, O = 15.9994f, Na = 22.989767f, P = 30.973763f, S = 32.066f,
                Cl = 35.4527f, K = 39.0983f, Ca = 40.078f, Fe = 55.845f, Co = 58.9332f, Cu = 63.546f;
constexpr float C13 = 13.0034f, D = 2.014f;
constexpr float ElectronMolarMass = 5.48572e-4f;  // 6.02205e23 * 9.1093897e-31 kg * 1000
constexpr float Water = 2 * H + O;
constexpr float SulfuricAcid = 2 * H + S + 4 * O;

struct Calculation {
  float result = 0;
  int kind = -1;
  float amount = -1;
  float electrons = 0;
  FormulaCounts counts{};
  IsotopeUsedFlags flags{};
  std::string formula;
};

Calculation Calculate(const std::string& formula, int mode = 0, int quiet = 0, int type = 3, float electrons = 0.0f) {
  Calculation calculation;
  calculation.formula = formula;
  calculation.electrons = electrons;
  calculation.result = dcalk(calculation.counts, calculation.flags, mode, calculation.formula, quiet, type,
                             calculation.kind, calculation.electrons, calculation.amount);
  return calculation;
}

float Atoms(const Calculation& calculation, int Z, int row = PlainElementRow) { return calculation.counts[row][Z - 1]; }

class Dcalk : public ::testing::Test {
 protected:
  LanguageScope english_{44};
};

TEST_F(Dcalk, ResultsOfEveryFormulaShape) {
  struct Case {
    std::string formula;
    float result;
    int kind;
    float amount;
  };
  const Case cases[] = {
      {"H2O", Water, 0, 1},
      {"2mH2O", 2 * Water, 3, 2},
      {"36gH2O", 36 / Water, 4, Water},
      {".5mH2O", 0.5f * Water, 3, 0.5f},
      {"2H2O", 2 * Water, 0, 1},
      {"2mS,H2SO4", 2, 5, 2 * SulfuricAcid},
      {"2S,H2SO4", 2, 5, 2 * SulfuricAcid},
      {"S,H2SO4", 1, 5, SulfuricAcid},
      {"10gFe,Fe2O3", 10 / Fe / 2, 5, 10 / Fe / 2 * (2 * Fe + 3 * O)},
      {"5gO2,KClO3", 5 / O / 3, 5, 5 / O / 3 * (K + Cl + 3 * O)},
      {"1mO2,KClO3", 2.0f / 3, 5, 2.0f / 3 * (K + Cl + 3 * O)},
      {"10gC(13),C(13)O2", 10 / C13, 5, 10 / C13 * (C13 + 2 * O)},
      {"2gD,D2O", 2 / D / 2, 5, 2 / D / 2 * (2 * D + O)},
      {"CuSO4*5H2O", Cu + S + 4 * O + 5 * Water, 0, 1},
      {"0.5mCuSO4*5H2O", 0.5f * (Cu + S + 4 * O + 5 * Water), 3, 0.5f},
      {"Na2CO3*10H2O*2NH3", 2 * Na + C + 3 * O + 10 * Water + 2 * (N + 3 * H), 0, 1},
      {"Ca3(PO4)2", 3 * Ca + 2 * (P + 4 * O), 0, 1},
      {"K4[Fe(CN)6]", 4 * K + Fe + 6 * (C + N), 0, 1},
      {"Fe0.95O", 0.95f * Fe + O, 0, 1},
      {"H1e2", 100 * H, 0, 1},
      {"C(13)O2", C13 + 2 * O, 0, 1},
      {"C[13]O2", C13 + 2 * O, 0, 1},
      {"C(13)2H6", 2 * C13 + 6 * H, 0, 1},
      {"H(2)2O", 2 * D + O, 0, 1},
      {"D2O", 2 * D + O, 0, 1},
      {"Co", Co, 0, 1},
      {"CO", C + O, 0, 1},
      {"Fe+3", Fe - 3 * ElectronMolarMass, 0, 1},
      {"Fe+++", Fe - 3 * ElectronMolarMass, 0, 1},
      {"SO4--", S + 4 * O + 2 * ElectronMolarMass, 0, 1},
      {"SO4-2", S + 4 * O + 2 * ElectronMolarMass, 0, 1},
      {"NH4+", N + 4 * H - ElectronMolarMass, 0, 1},
      {"H+", H - ElectronMolarMass, 0, 1},
      {"0.5mH+", 0.5f * (H - ElectronMolarMass), 3, 0.5f},
      {"2mFe+3", 2 * (Fe - 3 * ElectronMolarMass), 3, 2},
      {"e-", ElectronMolarMass, 0, 1},
      {std::string(77, 'H'), 77 * H, 0, 1},
  };
  for (const auto& c : cases) {
    const Calculation calculation = Calculate(c.formula);
    EXPECT_NEAR(calculation.result, c.result, std::abs(c.result) * 2e-6f) << c.formula;
    EXPECT_EQ(calculation.kind, c.kind) << c.formula;
    EXPECT_NEAR(calculation.amount, c.amount, std::abs(c.amount) * 2e-6f) << c.formula;
  }
}

TEST_F(Dcalk, WaterIsSummedInSinglePrecision) { EXPECT_EQ(Calculate("H2O").result, 2 * 1.00794f + 15.9994f); }

TEST_F(Dcalk, FailuresGiveTheirCode) {
  const std::pair<std::string, int> cases[] = {
      {"xyz", 1},
      {"NaCl(s)", 1},
      {"H2e", 1},
      {"Fe(2H)", 1},
      {"C(13O2", 1},
      {"((2H))", 1},
      {"C?H4", 1},
      {"H2+-", 1},
      {"C.H4", 1},
      {"(H2O)a", 1},
      {"C(14)O2", 2},
      {"Tc(98)", 2},
      {"1mC(14),CO2", 2},
      {"Ca(OH2", 3},
      {")H", 3},
      {"H)2(O", 3},
      {"*H2O", 4},
      {"2*H2O", 4},
      {"2m*H2O", 4},
      {"Cu(SO4*H2O)", 5},
      {std::string(78, 'H'), 6},
      {"", 7},
      {"2m", 7},
      {"C,H2O", 7},
      {"Xx,H2O", 7},
      {"CuSO4*5", 8},
      {"CuSO4*", 8},
      {"CuSO4**H2O", 8},
      {"+H", 1},
      {"-2H", 7},
      {"H2.5.5", 9},
      {"Fe+3x", 9},
      {"C1E40", 9},
      {"(C1E30)1E30", 9},
      {"((C1E30)1E30)0", 9},
      {"1E37mS1E37,H2SO4", 9},
      {"H+2", 10},
      {"0.5mH+2", 10},
      {"Li+4", 10},
  };
  for (const auto& [formula, code] : cases) {
    ErrorText.clear();
    const Calculation calculation = Calculate(formula);
    EXPECT_EQ(calculation.result, -1.0f) << formula;
    EXPECT_EQ(ErrorText.substr(0, ErrorText.find(':')), "Error " + std::to_string(code) + " ") << formula;
  }
  Calculate(std::string(78, 'H'));
  EXPECT_EQ(ErrorText, "Error 6 :To many characters in formula (dcalk.func.) !");
}

TEST_F(Dcalk, QuietWritesNoLineExceptForAnUnknownPart) {
  for (const std::string formula : {"xyz", "H+2", "", "C(14)O2"}) {
    ErrorText = "before";
    EXPECT_EQ(Calculate(formula, 0, 1).result, -1.0f) << formula;
    EXPECT_EQ(ErrorText, "before") << formula;
  }
  const Calculation unknownPart = Calculate("C?H4", 0, 1);
  EXPECT_EQ(unknownPart.result, -1.0f);
  EXPECT_EQ(ErrorText, "Error 1 :Misplaced or illegal symbol(s)/token(s) in formula  !");
  EXPECT_EQ(Atoms(unknownPart, 6), 1.0f);
  EXPECT_EQ(Atoms(unknownPart, 1), 4.0f);
}

TEST_F(Dcalk, CountsScaledByTheAmountOrPerFormulaUnit) {
  const Calculation moles = Calculate("2mH2O", 0);
  EXPECT_EQ(Atoms(moles, 1), 4.0f);
  EXPECT_EQ(Atoms(moles, 8), 2.0f);
  const Calculation perUnit = Calculate("2mH2O", 2);
  EXPECT_EQ(Atoms(perUnit, 1), 2.0f);
  EXPECT_EQ(Atoms(perUnit, 8), 1.0f);
  const Calculation grams = Calculate("36gH2O", 0);
  EXPECT_NEAR(Atoms(grams, 1), 2 * 36 / Water, 1e-5f);
  EXPECT_NEAR(Atoms(grams, 8), 36 / Water, 1e-5f);
  const Calculation comma = Calculate("10gFe,Fe2O3", 0);
  EXPECT_NEAR(Atoms(comma, 26), 10 / Fe, 1e-6f);
  EXPECT_NEAR(Atoms(comma, 8), 1.5f * 10 / Fe, 1e-6f);
  const Calculation adduct = Calculate("CuSO4*5H2O", 2);
  EXPECT_EQ(Atoms(adduct, 1), 10.0f);
  EXPECT_EQ(Atoms(adduct, 8), 9.0f);
  EXPECT_EQ(Atoms(adduct, 29), 1.0f);
}

TEST_F(Dcalk, IsotopesAreCountedInTheirOwnRow) {
  const Calculation carbon13 = Calculate("C(13)O2");
  EXPECT_EQ(Atoms(carbon13, 6, 1), 1.0f);
  EXPECT_EQ(Atoms(carbon13, 6), 0.0f);
  EXPECT_EQ(carbon13.flags[5], 1);
  EXPECT_EQ(Atoms(carbon13, 8), 2.0f);
  EXPECT_EQ(carbon13.flags[7], 0);
  const Calculation heavyWater = Calculate("D2O");
  EXPECT_EQ(Atoms(heavyWater, 1, DeuteriumIsotopeIndex), 2.0f);
  EXPECT_EQ(heavyWater.flags[0], 1);
  const Calculation mixed = Calculate("CH3C(13)H3");
  EXPECT_EQ(Atoms(mixed, 6), 1.0f);
  EXPECT_EQ(Atoms(mixed, 6, 1), 1.0f);
  EXPECT_EQ(Atoms(mixed, 1), 6.0f);
}

TEST_F(Dcalk, MassOnlyTypesLeaveTheCountsAlone) {
  Calculation calculation;
  calculation.counts[PlainElementRow][0] = 42.0f;
  calculation.flags[0] = 7;
  calculation.formula = "H2O";
  dcalk(calculation.counts, calculation.flags, 0, calculation.formula, 0, 1, calculation.kind, calculation.electrons,
        calculation.amount);
  EXPECT_EQ(calculation.counts[PlainElementRow][0], 42.0f);
  EXPECT_EQ(calculation.flags[0], 7);
}

TEST_F(Dcalk, ElectronCountPerFormulaUnitAndCharge) {
  // Z x atoms per formula unit, less the charge: water 2 x 1 + 8 = 10, sulfate 16 + 4 x 8 + 2 = 50.
  const std::pair<std::string, float> asked[] = {
      {"H2O", 10},  {"2mH2O", 10}, {"36gH2O", 10},  {"0.5mSO4--", 50}, {"SO4--", 50},
      {"Fe+3", 23}, {"e-", 1},     {"C(13)O2", 22}, {"H+", 0},         {"2mS,H2SO4", 50},
  };
  // Counts scaled by the amount (modes 0 and 1) must not change the count per formula unit.
  for (int mode : {0, 1, 2})
    for (const auto& [formula, electrons] : asked)
      EXPECT_EQ(Calculate(formula, mode, 1, 2, -1.0f).electrons, electrons) << formula << " mode " << mode;
  // Not asked, the output is the charge of the amount.
  EXPECT_EQ(Calculate("Fe+3").electrons, 3.0f);
  EXPECT_EQ(Calculate("2mSO4--").electrons, -4.0f);
  EXPECT_EQ(Calculate("H2O").electrons, 0.0f);
}

TEST_F(Dcalk, ZeroAmountsGiveAFiniteResult) {
  for (const std::string formula : {"0gH2O", "0mH2O", "0gFe,Fe2O3", "0g D2O"}) {
    const Calculation calculation = Calculate(formula);
    EXPECT_TRUE(std::isfinite(calculation.result)) << formula;
    EXPECT_TRUE(std::isfinite(calculation.amount)) << formula;
    for (const auto& row : calculation.counts)
      for (float count : row) EXPECT_TRUE(std::isfinite(count)) << formula;
  }
  EXPECT_EQ(Calculate("0gH2O").result, 0.0f);
}

TEST_F(Dcalk, ModeOneWritesTheNormalisedFormulaBack) {
  const std::pair<std::string, std::string> cases[] = {
      {"H2O", "(H2O)"},
      {"CuSO4*5H2O", "(CuSO4(H2O)5)"},
      {"Na2CO3*10H2O*2NH3", "(Na2CO3(H2O)10(NH3)2)"},
      {"2H2O", "((H2O)2)"},
      {"2mC[13]O2", "(CO2)"},
      {"K4[Fe(CN)6]-4", "(K4(Fe(CN)6))"},
      {"10gFe,Fe2O3", "(Fe2O3)"},
      {"e-", "(e-)"},
      {"xyz", "xyz"},
      {"C?H4", "C?H4"},
  };
  for (const auto& [formula, normalised] : cases) EXPECT_EQ(Calculate(formula, 1).formula, normalised) << formula;
  EXPECT_EQ(Calculate("CuSO4*5H2O", 0).formula, "CuSO4*5H2O");
  EXPECT_EQ(Calculate("CuSO4*5H2O", 2).formula, "CuSO4*5H2O");
  // The normalised text of a formula at the length limit is longer than the limit.
  const std::string longest = "C2H5" + std::string(36, 'H') + "*2" + std::string(35, 'O');
  ASSERT_EQ(longest.size(), 77u);
  EXPECT_EQ(Calculate(longest, 1).formula, "(C2H5" + std::string(36, 'H') + "(" + std::string(35, 'O') + ")2)");
}

TEST_F(Dcalk, AnyTextGivesAFiniteResultOrFailure) {
  std::mt19937 random(2026);
  const std::string alphabet = "HCONaSFeCuDe0123456789.()[]*+-,?mgEx ";
  for (int round = 0; round < 20000; ++round) {
    std::string formula;
    const int length = static_cast<int>(random() % 90);
    for (int i = 0; i < length; ++i) formula += alphabet[random() % alphabet.size()];
    const Calculation calculation = Calculate(formula, static_cast<int>(random() % 3), 1, 3, -1.0f);
    ASSERT_TRUE(calculation.result == -1.0f || std::isfinite(calculation.result)) << formula;
    ASSERT_TRUE(std::isfinite(calculation.amount)) << formula;
  }
}

}  // namespace

TEST_F(Dcalk, FormulaMassIsTheResultOfThePlainCall) {
  for (const std::string formula : {"H2O", "2mH2O", "36gH2O", "[13]CO2", "Xx2", "H2O)"}) {
    SCOPED_TRACE(formula);
    ErrorText.clear();
    const float expected = Calculate(formula).result;
    const std::string expectedError = ErrorText;
    ErrorText.clear();
    EXPECT_EQ(FormulaMass(formula), expected);
    EXPECT_EQ(ErrorText, expectedError);
  }
  EXPECT_FLOAT_EQ(FormulaMass("H2O"), Water);
  EXPECT_EQ(FormulaMass("Xx2"), -1.0f);
}
