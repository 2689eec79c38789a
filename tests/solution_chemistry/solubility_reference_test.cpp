// The solubility routines as the solubility window calls them, against hand calculations.

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "engine/reaction.h"

namespace {

double Value(const std::string& text) { return std::strtod(text.c_str(), nullptr); }

struct Dissociation {
  DissociationRows rows;
  RowTexts amounts;
  RowTexts masses;
  ConcentrationTexts concentrations;
  std::string solvent;
};

TEST(SolubilityReference, SilverChlorideInHalfAKilogram) {
  // S = sqrt(1.77E-10) = 1.33041E-05 mol/kg; in 0.5 kg 6.65207E-06 mol of AgCl,
  // 6.65207E-06 x 143.321 g/mol = 9.53376E-04 g.
  Dissociation agcl{{"AgCl", "Ag+", "Cl-", ""}, {}, {}, {"1.77E-10", "", "", "", ""}, "0.5"};
  ASSERT_EQ(SolubilityFromKsp(agcl.rows, agcl.amounts, agcl.masses, agcl.concentrations, agcl.solvent), 0);
  EXPECT_EQ(agcl.concentrations[1], "1.33041E-05");
  EXPECT_EQ(agcl.concentrations[3], "1.33041E-05");
  EXPECT_EQ(agcl.amounts[0], "6.65207E-06");
  EXPECT_EQ(agcl.amounts[1], "6.65207E-06");
  EXPECT_NEAR(Value(agcl.masses[0]), 6.65207e-6 * 143.321, 1e-8);
}

TEST(SolubilityReference, BariumSulfateBesideSulfate) {
  // x (x + 0.1) = 1.08E-10: x = 1.08E-10 / 0.1 to nine digits, 1.08E-09 mol/kg, about ten
  // thousand times less than the 1.03923E-05 in pure water. 1000 kg dissolve 1.08E-06 mol.
  Dissociation baso4{{"BaSO4", "Ba+2", "SO4-2", ""}, {}, {}, {"1.08E-10", "", "", "", "0.1"}, "1000"};
  ASSERT_EQ(SolubilityWithCommonIon(baso4.rows, baso4.amounts, baso4.masses, baso4.concentrations, baso4.solvent), 0);
  EXPECT_EQ(baso4.concentrations[1], "1.08E-09");
  EXPECT_EQ(baso4.concentrations[3], "1.08E-09");
  EXPECT_EQ(baso4.amounts[0], "1.08E-06");
  // The ion product with the added sulfate is Ksp.
  const double x = Value(baso4.concentrations[3]);
  EXPECT_NEAR(x * (x + 0.1) / 1.08e-10, 1.0, 1e-6);
}

TEST(SolubilityReference, SilverSulfideKspFromItsDissolvedAmount) {
  // 1.07722E-17 mol of Ag2S in 1 kg: [Ag+] = 2 x 1.07722E-17 = 2.15444E-17, [S-2] = 1.07722E-17,
  // Ksp = 2.15444E-17^2 x 1.07722E-17 = 5.00004E-51.
  Dissociation ag2s{{"Ag2S", "2Ag+", "S-2", ""}, {"1.07722E-17", "", "", ""}, {}, {}, "1"};
  ConvertAmountMass(ag2s.rows, ag2s.amounts, ag2s.masses, ag2s.concentrations, ag2s.solvent);
  EXPECT_EQ(ag2s.concentrations[1], "2.15444E-17");
  SolveKspFirstIon(ag2s.rows, ag2s.amounts, ag2s.masses, ag2s.concentrations, ag2s.solvent);
  EXPECT_EQ(ag2s.concentrations[0], "5.00004E-51");
  EXPECT_EQ(ag2s.concentrations[3], "1.07722E-17");
  EXPECT_EQ(ag2s.amounts[0], "1.07722E-17");
  EXPECT_EQ(ag2s.amounts[1], "2.15444E-17");
}

}  // namespace
