// One calculation of the solubility-product window, from its typed fields to what it shows.

#include "solution_chemistry/solubility_calculation.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <string>

namespace {

double Value(const std::string& text) { return std::strtod(text.c_str(), nullptr); }

SolubilityInput Salt(const char* formula, const char* cation, const char* anion, const char* crystalWater = "") {
  SolubilityInput input;
  input.equation = {formula, cation, anion, crystalWater};
  input.solvent = "1";
  return input;
}

// Fe(OH)3 beside 0.1 mol/kg hydroxide: [Fe+3] = 2.79E-39 / 0.1^3 = 2.79E-36 mol/kg. Every row with a
// concentration has its amounts and masses, however small: the mass is the amount times the molar
// mass (Fe(OH)3 106.867, Fe 55.845, OH 17.007 g/mol).
TEST(SolubilityCalculation, TinyDissolvedAmountsStillHaveTheirMasses) {
  SolubilityInput ironHydroxide = Salt("Fe(OH)3", "Fe+3", "3OH-");
  ironHydroxide.ksp = "2.79E-39";
  ironHydroxide.anionCommonIon = "0.1";
  const SolubilityResult result = CalculateSolubility(ironHydroxide);
  ASSERT_TRUE(result.computed);
  EXPECT_NEAR(Value(result.totalCation) / 2.79E-36, 1.0, 1E-5);
  const double molarMasses[] = {106.867, 55.845, 17.007};
  for (std::size_t row = 0; row < 3; ++row) {
    ASSERT_FALSE(result.amounts[row].empty()) << row;
    ASSERT_FALSE(result.masses[row].empty()) << row;
    EXPECT_NEAR(Value(result.masses[row]) / (Value(result.amounts[row]) * molarMasses[row]), 1.0, 1E-4) << row;
  }
  EXPECT_NEAR(Value(result.amounts[0]) / 2.79E-36, 1.0, 1E-5);
}

TEST(SolubilityCalculation, ReferenceSalts) {
  // AgCl: s = sqrt(1.77E-10) = 1.33041E-05 mol/kg; 0.5 kg dissolve 6.65207E-06 mol.
  SolubilityInput agcl = Salt("AgCl", "Ag+", "Cl-");
  agcl.ksp = "1.77E-10";
  agcl.solvent = "0.5";
  SolubilityResult result = CalculateSolubility(agcl);
  EXPECT_EQ(result.message, SolubilityMessage::None);
  ASSERT_TRUE(result.computed);
  EXPECT_EQ(result.concentrations[0], "1.77E-10");
  EXPECT_EQ(result.totalCation, "1.33041E-05");
  EXPECT_EQ(result.totalAnion, "1.33041E-05");
  EXPECT_EQ(result.amounts[0], "6.65207E-06");
  EXPECT_EQ(result.ions[0], "Ag+");
  EXPECT_EQ(result.coefficients[0], "");

  // CaF2: s = (3.9E-11 / 4)^(1/3) = 2.13633E-04 mol/kg, [F-] = 2 s.
  SolubilityInput caf2 = Salt("CaF2", "Ca+2", "2F-");
  caf2.ksp = "3.9E-11";
  result = CalculateSolubility(caf2);
  ASSERT_TRUE(result.computed);
  EXPECT_EQ(result.amounts[0], "0.000213633");
  EXPECT_EQ(result.totalAnion, "0.000427266");
  EXPECT_EQ(result.coefficients[1], "2");

  // BaSO4 beside 0.1 mol/kg sulfate: s (s + 0.1) = 1.08E-10, s = 1.08E-09 to six digits; the total
  // sulfate, 0.1 and the dissolved part, shows as 0.1 to six digits.
  SolubilityInput baso4 = Salt("BaSO4", "Ba+2", "SO4-2");
  baso4.ksp = "1.08E-10";
  baso4.anionCommonIon = "0.1";
  result = CalculateSolubility(baso4);
  ASSERT_TRUE(result.computed);
  EXPECT_EQ(result.totalCation, "1.08E-09");
  EXPECT_EQ(result.totalAnion, "0.1");
  EXPECT_EQ(result.amounts[0], "1.08E-09");

  // Ag2S from its silver concentration: [S-2] = 2.15444E-17 / 2, Ksp = 2.15444E-17^2 x 1.07722E-17.
  SolubilityInput ag2s = Salt("Ag2S", "2Ag+", "S-2");
  ag2s.cationConcentration = "2.15444E-17";
  result = CalculateSolubility(ag2s);
  ASSERT_TRUE(result.computed);
  EXPECT_EQ(result.concentrations[0], "5.00004E-51");
  EXPECT_EQ(result.totalAnion, "1.07722E-17");
  EXPECT_EQ(result.coefficients[0], "2");
  // The same from the dissolved amount: 1.07722E-17 mol in 1 kg gives twice that of silver.
  ag2s.cationConcentration.clear();
  ag2s.amount = "1.07722E-17";
  result = CalculateSolubility(ag2s);
  ASSERT_TRUE(result.computed);
  EXPECT_EQ(result.totalCation, "2.15444E-17");
  EXPECT_EQ(result.concentrations[0], "5.00004E-51");
}

TEST(SolubilityCalculation, CrystalWaterIsCountedPerMoleOfSalt) {
  // Gypsum: s = sqrt(4.93E-5) = 7.02140E-03 mol/kg, with two moles of water per mole.
  SolubilityInput gypsum = Salt("CaSO4*2H2O", "Ca+2", "SO4-2", "2H2O");
  gypsum.ksp = "4.93E-5";
  const SolubilityResult result = CalculateSolubility(gypsum);
  ASSERT_TRUE(result.computed) << static_cast<int>(result.message);
  EXPECT_EQ(result.amounts[0], "0.0070214");
  EXPECT_NEAR(Value(result.amounts[3]), 2 * 7.0214e-3, 1e-8);
  EXPECT_NEAR(Value(result.masses[3]), 2 * 7.0214e-3 * 18.015, 1e-4);
}

// The checks run in their order; the first that fails decides the one message shown.
TEST(SolubilityCalculation, FieldChecksAndTheirMessages) {
  struct Case {
    const char* what;
    SolubilityInput input;
    SolubilityMessage message;
    SolubilityNumberField badField = SolubilityNumberField::None;
  };
  const auto agcl = [](auto change) {
    SolubilityInput input = Salt("AgCl", "Ag+", "Cl-");
    change(input);
    return input;
  };
  const Case cases[] = {
      {"Ksp with a concentration", agcl([](auto& i) { i.ksp = "1E-10", i.cationConcentration = "1E-5"; }),
       SolubilityMessage::OneNumberFieldOnly},
      {"both concentrations", agcl([](auto& i) { i.cationConcentration = "1E-5", i.anionConcentration = "1E-5"; }),
       SolubilityMessage::OneNumberFieldOnly},
      {"Ksp, a concentration and a common ion",
       agcl([](auto& i) { i.ksp = "1E-10", i.cationConcentration = "1E-5", i.cationCommonIon = "0.1"; }),
       SolubilityMessage::KspWithCommonIonOnly},
      {"two common ions", agcl([](auto& i) { i.ksp = "1E-10", i.cationCommonIon = "0.1", i.anionCommonIon = "0.1"; }),
       SolubilityMessage::OneCommonIonOnly},
      {"a common ion without Ksp", agcl([](auto& i) { i.cationCommonIon = "0.1"; }), SolubilityMessage::MissingKsp},
      {"a salt with a coefficient", agcl([](auto& i) { i.equation[0] = "2AgCl", i.ksp = "1E-10"; }),
       SolubilityMessage::IllegalCompound},
      {"no solvent", agcl([](auto& i) { i.ksp = "1E-10", i.solvent = "0"; }), SolubilityMessage::MissingSolvent},
      {"Ksp 0", agcl([](auto& i) { i.ksp = "0"; }), SolubilityMessage::IllegalNumber, SolubilityNumberField::Ksp},
      {"a negative common ion", agcl([](auto& i) { i.ksp = "1E-10", i.anionCommonIon = "-0.1"; }),
       SolubilityMessage::IllegalNumber, SolubilityNumberField::AnionCommonIon},
      {"a solvent that is no number", agcl([](auto& i) { i.amount = "0.5", i.solvent = "1kg"; }),
       SolubilityMessage::IllegalNumber, SolubilityNumberField::Solvent},
      {"a mass that is no number", agcl([](auto& i) { i.mass = "1.2.3"; }), SolubilityMessage::IllegalNumber,
       SolubilityNumberField::Mass},
      {"coefficients that do not balance", agcl([](auto& i) { i.equation = {"Ag2S", "Ag+", "S-2", ""}, i.ksp = "6E-51"; }),
       SolubilityMessage::BalanceError},
      {"an unknown symbol", agcl([](auto& i) { i.equation[1] = "Xq+", i.ksp = "1E-10"; }),
       SolubilityMessage::FormulaError},
  };
  for (const Case& example : cases) {
    const SolubilityResult result = CalculateSolubility(example.input);
    EXPECT_EQ(result.message, example.message) << example.what;
    EXPECT_EQ(result.badField, example.badField) << example.what;
    EXPECT_FALSE(result.computed) << example.what;
  }
}

TEST(SolubilityCalculation, WithoutNumbersOnlyTheDissociationExpressionIsWorkedOut) {
  const SolubilityResult result = CalculateSolubility(Salt("Ag2S", "2Ag+", "S-2"));
  EXPECT_EQ(result.message, SolubilityMessage::None);
  EXPECT_FALSE(result.numberGiven);
  EXPECT_TRUE(result.balanced);
  EXPECT_EQ(result.ions[0], "Ag+");
  EXPECT_EQ(result.ions[1], "S-2");
  EXPECT_EQ(result.coefficients[0], "2");
  EXPECT_EQ(result.coefficients[1], "");
}

// A common ion so strong that the dissolved amount is below every double: no amount is shown as
// if it were the answer.
TEST(SolubilityCalculation, ACommonIonSearchWithoutAnswerShowsNoAmounts) {
  SolubilityInput input = Salt("AgCl", "Ag+", "Cl-");
  input.ksp = "1E-300";
  input.cationCommonIon = "1E+300";
  const SolubilityResult result = CalculateSolubility(input);
  EXPECT_EQ(result.message, SolubilityMessage::CommonIonNotFound);
  EXPECT_FALSE(result.computed);
  EXPECT_TRUE(result.balanced);
}

}  // namespace
