// One calculation of the weak acid/base window, from its typed fields to what it shows.

#include "solution_chemistry/acid_base_calculation.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

using Messages = std::vector<AcidBaseMessage>;

double Value(const std::string& text) { return std::strtod(text.c_str(), nullptr); }

AcidBaseInput AceticAcid() {
  AcidBaseInput input;
  input.formula = "CH3COOH";
  input.ion = "H3O+";
  input.conjugate = "CH3COO-";
  input.constant = "1.75E-5";
  return input;
}

TEST(AcidBaseCalculation, ReferenceSolutions) {
  // 0.1 M acetic acid: x^2 / (0.1 - x) = 1.75E-5, x = 1.31415E-03, pH 2.88135, pK -log 1.75E-5.
  AcidBaseInput acid = AceticAcid();
  acid.initial = "0.1";
  AcidBaseResult result = CalculateWeakAcidBase(acid);
  EXPECT_EQ(result.messages, Messages{});
  EXPECT_EQ(result.ionConcentration, "0.00131415");
  EXPECT_EQ(result.conjugateConcentration, "0.00131415");
  EXPECT_NEAR(Value(result.undissociated), 0.1 - 1.31415e-3, 1e-7);
  EXPECT_EQ(result.constant, "1.75E-5");
  EXPECT_EQ(result.pK, "4.75696");
  EXPECT_NEAR(Value(result.pH), 2.881, 5e-4);
  EXPECT_EQ(result.symbolicIon, "H3O+");
  EXPECT_EQ(result.symbolicConjugate, "CH3COO-");
  EXPECT_EQ(result.symbolicFormula, "CH3COOH");

  // 0.1 M ammonia, Kb 1.8E-5: [OH-] = 1.33267E-03, pOH 2.87527, pH 11.125.
  AcidBaseInput base;
  base.formula = "NH3";
  base.ion = "OH-";
  base.conjugate = "NH4+";
  base.initial = "0.1";
  base.constant = "1.8E-5";
  result = CalculateWeakAcidBase(base);
  EXPECT_EQ(result.messages, Messages{});
  EXPECT_NEAR(Value(result.ionConcentration), 1.33267e-3, 1e-8);
  EXPECT_NEAR(Value(result.pH), 11.125, 5e-4);

  // 1E-8 M acetic acid is all but dissociated, and water gives ten times more: [H3O+] =
  // (1E-8 + sqrt(1E-16 + 4E-14)) / 2 = 1.05125E-07, pH 6.978, below 7.
  acid.initial = "1E-8";
  result = CalculateWeakAcidBase(acid);
  EXPECT_EQ(result.messages, Messages{});
  EXPECT_NEAR(Value(result.pH), 6.98, 0.005);
  EXPECT_LT(Value(result.pH), 7.0);
}

TEST(AcidBaseCalculation, HydroniumTypedAsTheConjugateIsMovedToItsField) {
  AcidBaseInput input = AceticAcid();
  input.ion = "CH3COO-";
  input.conjugate = " H3O+";
  input.initial = "0.1";
  const AcidBaseResult result = CalculateWeakAcidBase(input);
  EXPECT_EQ(result.ion, "H3O+");
  EXPECT_EQ(result.conjugate, "CH3COO-");
  EXPECT_EQ(result.messages, Messages{});
  EXPECT_EQ(result.ionConcentration, "0.00131415");
}

// The checks, each later one overriding an earlier one, then the balance test or the solver.
TEST(AcidBaseCalculation, FieldChecksAndTheirMessages) {
  using enum AcidBaseMessage;
  struct Case {
    const char* what;
    void (*change)(AcidBaseInput&);
    Messages messages;
    bool results;
  };
  const Case cases[] = {
      {"a base below pH 7", [](AcidBaseInput& i) { i.ion = "OH-", i.conjugate = "CH3COOH2+", i.pH = "5"; },
       {BadPHOrConcentration}, false},
      {"an acid above pH 7", [](AcidBaseInput& i) { i.pH = "8"; }, {BadPHOrConcentration}, false},
      {"an acid at pH 7", [](AcidBaseInput& i) { i.pH = "7", i.initial = "0.001"; }, {}, true},
      {"[H3O+] of 1E-7", [](AcidBaseInput& i) { i.ionConcentration = "1E-7"; }, {}, true},
      {"[H3O+] of 5E-8", [](AcidBaseInput& i) { i.ionConcentration = "5E-8"; }, {BadPHOrConcentration}, false},
      {"a coefficient beside a bad number", [](AcidBaseInput& i) { i.ion = "2H3O+", i.conjugateConcentration = "0"; },
       {Coefficient, BalanceError}, false},
      {"H3O+ after a blank", [](AcidBaseInput& i) { i.ion = " H3O+", i.initial = "0.1"; }, {MissingIon}, false},
      {"a conjugate concentration of 0", [](AcidBaseInput& i) { i.conjugateConcentration = "0"; }, {BadNumber}, false},
      {"pH 0", [](AcidBaseInput& i) { i.pH = "0"; }, {}, true},
      {"K alone", [](AcidBaseInput&) {}, {UnknownCombination}, false},
      {"[H3O+] above the initial concentration", [](AcidBaseInput& i) { i.constant.clear(), i.ionConcentration = "0.2", i.initial = "0.1"; },
       {IllegalValue}, false},
      {"an unknown symbol", [](AcidBaseInput& i) { i.conjugate = "Qq-", i.initial = "0.1"; }, {FormulaError}, true},
  };
  for (const Case& example : cases) {
    AcidBaseInput input = AceticAcid();
    example.change(input);
    const AcidBaseResult result = CalculateWeakAcidBase(input);
    EXPECT_EQ(result.messages, example.messages) << example.what;
    EXPECT_EQ(!result.pH.empty(), example.results) << example.what;
    // The symbolic row shows whenever the equation balances as typed.
    const bool balances = std::ranges::find(result.messages, BalanceError) == result.messages.end() &&
                          std::ranges::find(result.messages, FormulaError) == result.messages.end();
    EXPECT_EQ(!result.symbolicIon.empty(), balances) << example.what;
  }
}

}  // namespace
