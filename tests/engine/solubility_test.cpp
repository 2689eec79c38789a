#include <cmath>
#include <cstdlib>

#include "engine/reaction.h"
#include "tests/engine/test_support.h"

namespace {

double Value(const std::string& text) { return std::strtod(text.c_str(), nullptr); }

struct Dissociation {
  DissociationRows rows;
  RowTexts amounts;
  RowTexts masses;
  ConcentrationTexts concentrations;
  std::string solvent = "1";
};

Dissociation Salt(const char* salt, const char* cation, const char* anion, const char* water = "") {
  Dissociation d;
  d.rows = {salt, cation, anion, water};
  return d;
}

TEST(SolubilityFromKsp, OneToOneAndOneToTwoSalts) {
  // AgCl: S = sqrt(1.8E-10) = 1.34164E-05 mol/kg; M(AgCl) = 107.868 + 35.4527 = 143.321 g/mol.
  Dissociation agcl = Salt("AgCl", "Ag+", "Cl-");
  agcl.concentrations[0] = "1.8E-10";
  EXPECT_EQ(SolubilityFromKsp(agcl.rows, agcl.amounts, agcl.masses, agcl.concentrations, agcl.solvent), 0);
  EXPECT_EQ(agcl.concentrations[1], "1.34164E-05");
  EXPECT_EQ(agcl.concentrations[3], "1.34164E-05");
  EXPECT_EQ(agcl.amounts[0], "1.34164E-05");
  EXPECT_NEAR(Value(agcl.masses[0]), 1.34164e-5 * 143.321, 1e-8);
  EXPECT_TRUE(agcl.amounts[3].empty());

  // CaF2: S = (3.9E-11 / (1 x 2^2))^(1/3) = 2.13633E-04; two fluoride ions per formula unit.
  Dissociation caf2 = Salt("CaF2", "Ca+2", "2F-");
  caf2.concentrations[0] = "3.9E-11";
  caf2.solvent = "2";
  SolubilityFromKsp(caf2.rows, caf2.amounts, caf2.masses, caf2.concentrations, caf2.solvent);
  EXPECT_EQ(caf2.concentrations[1], "0.000213633");
  EXPECT_EQ(caf2.concentrations[3], "0.000427266");
  EXPECT_EQ(caf2.amounts[0], "0.000427266");  // in 2 kg of water
  EXPECT_EQ(caf2.amounts[2], "0.000854532");
  // The anion row's mass: moles of "2F-" units (two F with one charge, 2 x 18.9984 + 0.000549
  // g/mol) divided by the row's 2: 0.000854532 x 18.99868 g.
  EXPECT_NEAR(Value(caf2.masses[2]), 0.000854532 * 18.99868, 5e-8);  // six digits

  // Without a Ksp nothing is computed.
  Dissociation none = Salt("AgCl", "Ag+", "Cl-");
  SolubilityFromKsp(none.rows, none.amounts, none.masses, none.concentrations, none.solvent);
  EXPECT_TRUE(none.concentrations[1].empty());
  EXPECT_TRUE(none.amounts[0].empty());
}

TEST(SolveKspFromOneIon, KspFromAConcentrationAndTheOtherIonFromKsp) {
  // Ksp of AgCl from [Ag+] = 1.34164E-05: 1.34164E-05^2 = 1.8E-10.
  Dissociation agcl = Salt("AgCl", "Ag+", "Cl-");
  agcl.concentrations[1] = "1.34164E-05";
  SolveKspFirstIon(agcl.rows, agcl.amounts, agcl.masses, agcl.concentrations, agcl.solvent);
  EXPECT_EQ(agcl.concentrations[0], "1.8E-10");
  EXPECT_EQ(agcl.concentrations[3], "1.34164E-05");

  // With 0.001 mol/kg of a common cation: [Cl-] = 1.8E-10 / (1E-5 + 0.001) = 1.78218E-07,
  // and the salt dissolved follows the chloride.
  agcl = Salt("AgCl", "Ag+", "Cl-");
  agcl.concentrations = {"1.8E-10", "1E-5", "0.001", "", ""};
  SolveKspFirstIon(agcl.rows, agcl.amounts, agcl.masses, agcl.concentrations, agcl.solvent);
  EXPECT_EQ(agcl.concentrations[3], "1.78218E-07");
  EXPECT_EQ(agcl.amounts[0], "1.78218E-07");
  EXPECT_EQ(agcl.amounts[1], "1.78218E-07");

  // Gypsum with [Ca+2] = 0.01: [SO4-2] = 4.93E-5 / 0.01 = 0.00493 mol/kg dissolve, with
  // two waters each: 0.00986 mol of water, not 2 x 0.01.
  Dissociation gypsum = Salt("CaSO4*2H2O", "Ca+2", "SO4-2", "2H2O");
  gypsum.concentrations = {"4.93E-5", "0.01", "", "", ""};
  SolveKspFirstIon(gypsum.rows, gypsum.amounts, gypsum.masses, gypsum.concentrations, gypsum.solvent);
  EXPECT_EQ(gypsum.concentrations[3], "0.00493");
  EXPECT_EQ(gypsum.amounts[0], "0.00493");
  EXPECT_EQ(gypsum.amounts[3], "0.00986");
  EXPECT_NEAR(Value(gypsum.masses[3]), 0.00986 * 18.0153, 1e-6);

  // The mirror: [F-] = 0.001 gives [Ca+2] = 3.9E-11 / 0.001^2 = 3.9E-05.
  Dissociation caf2 = Salt("CaF2", "Ca+2", "2F-");
  caf2.concentrations = {"3.9E-11", "", "", "0.001", ""};
  SolveKspSecondIon(caf2.rows, caf2.amounts, caf2.masses, caf2.concentrations, caf2.solvent);
  EXPECT_EQ(caf2.concentrations[1], "3.9E-05");
  EXPECT_EQ(caf2.amounts[0], "3.9E-05");
  EXPECT_EQ(caf2.amounts[2], "7.8E-05");
  // With 0.001 mol/kg of fluoride added: [Ca+2] = 3.9E-11 / 0.002^2 = 9.75E-06, all of it from the salt.
  caf2.concentrations = {"3.9E-11", "", "", "0.001", "0.001"};
  SolveKspSecondIon(caf2.rows, caf2.amounts, caf2.masses, caf2.concentrations, caf2.solvent);
  EXPECT_EQ(caf2.concentrations[1], "9.75E-06");
  EXPECT_EQ(caf2.amounts[0], "9.75E-06");
  EXPECT_EQ(caf2.amounts[2], "1.95E-05");
  // Gypsum from [SO4-2] = 0.01: [Ca+2] = 4.93E-5 / 0.01 = 0.00493 mol/kg of salt, 0.00986 mol of water.
  gypsum = Salt("CaSO4*2H2O", "Ca+2", "SO4-2", "2H2O");
  gypsum.concentrations = {"4.93E-5", "", "", "0.01", ""};
  SolveKspSecondIon(gypsum.rows, gypsum.amounts, gypsum.masses, gypsum.concentrations, gypsum.solvent);
  EXPECT_EQ(gypsum.concentrations[1], "0.00493");
  EXPECT_EQ(gypsum.amounts[0], "0.00493");
  EXPECT_EQ(gypsum.amounts[3], "0.00986");
  // Ksp from [F-] alone: S = 0.0005, Ksp = 0.0005 x 0.001^2 = 5E-10.
  caf2 = Salt("CaF2", "Ca+2", "2F-");
  caf2.concentrations = {"", "", "", "0.001", ""};
  SolveKspSecondIon(caf2.rows, caf2.amounts, caf2.masses, caf2.concentrations, caf2.solvent);
  EXPECT_EQ(caf2.concentrations[0], "5E-10");
  EXPECT_EQ(caf2.concentrations[1], "0.0005");
}

TEST(SolubilityWithCommonIon, SolvesTheIonProductOrReportsFailure) {
  // (x + 0.01) x = 1.8E-10 gives x = 1.8E-08 to six digits.
  Dissociation agcl = Salt("AgCl", "Ag+", "Cl-");
  agcl.concentrations = {"1.8E-10", "", "0.01", "", ""};
  EXPECT_EQ(SolubilityWithCommonIon(agcl.rows, agcl.amounts, agcl.masses, agcl.concentrations, agcl.solvent), 0);
  EXPECT_EQ(agcl.concentrations[1], "1.8E-08");
  EXPECT_EQ(agcl.concentrations[3], "1.8E-08");

  // Fluoride added: x from the amounts must satisfy (2x + 0.01)^2 x = Ksp.
  Dissociation caf2 = Salt("CaF2", "Ca+2", "2F-");
  caf2.concentrations = {"3.9E-11", "", "", "", "0.01"};
  EXPECT_EQ(SolubilityWithCommonIon(caf2.rows, caf2.amounts, caf2.masses, caf2.concentrations, caf2.solvent), 0);
  const double x = Value(caf2.amounts[0]);
  EXPECT_NEAR((2 * x + 0.01) * (2 * x + 0.01) * x / 3.9e-11, 1.0, 2e-5);
  EXPECT_LT(x, 2.13633e-4);

  // No Ksp, or a negative common ion: the caller is told and nothing is written.
  for (const ConcentrationTexts& given :
       {ConcentrationTexts{"", "", "0.01", "", ""}, ConcentrationTexts{"1.8E-10", "", "-5", "", ""}}) {
    Dissociation failed = Salt("AgCl", "Ag+", "Cl-");
    failed.concentrations = given;
    EXPECT_EQ(
        SolubilityWithCommonIon(failed.rows, failed.amounts, failed.masses, failed.concentrations, failed.solvent),
        SolubilityNotFound);
    EXPECT_EQ(failed.concentrations, given);
    EXPECT_TRUE(failed.amounts[0].empty());
    EXPECT_TRUE(failed.masses[0].empty());
  }
}

TEST(AmountsAndMasses, ConvertAmountMassAndTheMassColumns) {
  // 0.5 mol of CaF2 in 2 kg: 0.25 mol/kg of Ca+2.
  Dissociation caf2 = Salt("CaF2", "Ca+2", "2F-");
  caf2.amounts[0] = "0.5";
  caf2.solvent = "2";
  ConvertAmountMass(caf2.rows, caf2.amounts, caf2.masses, caf2.concentrations, caf2.solvent);
  EXPECT_EQ(caf2.concentrations[1], "0.25");

  // From the mass: 78.0748 g is one mole of CaF2 (40.078 + 2 x 18.9984).
  caf2 = Salt("CaF2", "Ca+2", "2F-");
  caf2.masses[0] = "78.0748";
  caf2.solvent = "4";
  ConvertAmountMass(caf2.rows, caf2.amounts, caf2.masses, caf2.concentrations, caf2.solvent);
  EXPECT_NEAR(Value(caf2.amounts[0]), 1.0, 1e-5);
  EXPECT_NEAR(Value(caf2.concentrations[1]), 0.25, 1e-5);

  // A concentration already given leaves everything alone.
  caf2 = Salt("CaF2", "Ca+2", "2F-");
  caf2.amounts[0] = "0.5";
  caf2.concentrations[0] = "3.9E-11";
  ConvertAmountMass(caf2.rows, caf2.amounts, caf2.masses, caf2.concentrations, caf2.solvent);
  EXPECT_TRUE(caf2.concentrations[1].empty());

  // Masses per row; the anion row counts fluoride ions, and a row that cannot be read is emptied.
  Dissociation rows = Salt("CaF2", "Ca+2", "2F-", "Xx");
  rows.amounts = {"1", "1", "2", "1"};
  FillMolarMassColumns(rows.rows, rows.amounts, rows.masses);
  EXPECT_NEAR(Value(rows.masses[0]), 78.0748, 1e-3);
  EXPECT_NEAR(Value(rows.masses[1]), 40.078 - 2 * 0.000549, 1e-4);  // two electrons fewer
  EXPECT_NEAR(Value(rows.masses[2]), 2 * 18.99868, 1e-4);
  EXPECT_TRUE(rows.masses[3].empty());
  EXPECT_TRUE(rows.amounts[3].empty());
}

TEST(DissociationRows, SplitAndBalanceCheck) {
  SettingsSnapshot restore;
  const struct {
    const char* row;
    const char* formula;
    const char* coefficient;
  } splits[] = {{"2F-", "F-", "2"}, {"Ca+2", "Ca+2", ""}, {"1Cl-", "Cl-", ""}, {" 3 OH-", "OH-", "3"}};
  for (const auto& split : splits) {
    FormulaTexts formulas;
    CoefficientTexts coefficients;
    SplitCoefficientFormula({"X", split.row, split.row, ""}, formulas, coefficients);
    EXPECT_EQ(formulas[0], split.formula) << split.row;
    EXPECT_EQ(coefficients[0], split.coefficient) << split.row;
  }

  const struct {
    DissociationRows rows;
    int expected;
  } checks[] = {
      {{"CaF2", "Ca+2", "2F-", ""}, 0},
      {{"CaF2", "Ca+2", "F-", ""}, 1},
      {{"CaF2", "Na+", "F-", ""}, 2},
      {{"CaSO4*2H2O", "Ca+2", "SO4-2", "2H2O"}, 0},
      {{"CaSO4*2H2O", "Ca+2", "SO4-2", "H2O"}, 1},
      {{"Ca3(PO4)2", "3Ca+2", "2PO4-3", ""}, 0},
  };
  for (const auto& check : checks) {
    FormulaTexts formulas;
    CoefficientTexts coefficients;
    SplitCoefficientFormula(check.rows, formulas, coefficients);
    EXPECT_EQ(BalanceReactionRows(check.rows, coefficients), check.expected) << check.rows[0] << " " << check.rows[2];
  }
}

}  // namespace
