#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "thermo_electrochemistry/model/half_reaction_text.h"
#include "thermo_electrochemistry/thermochemical_data_editor.h"

namespace {

// The blanks at the arrow stay at the arrow: the end blank of "Cu > Cu+2 + 2e- " moves in front of
// the arrow, and turning back restores the text exactly.
TEST(HalfReactionText, TurningSwapsTheSidesAndKeepsTheArrowsBlanks) {
  struct Case {
    const char* given;
    std::optional<std::string> turned;
  };
  const Case cases[] = {
      {"Cu > Cu+2 + 2e- ", "Cu+2 + 2e-  > Cu"},
      {"Cu+2 + 2e-  > Cu", "Cu > Cu+2 + 2e- "},
      {"Br2 + 2e- > 2Br-", "2Br- > Br2 + 2e-"},
      {"A>B", "B>A"},
      {"A >B", "B >A"},
      {"A> B", "B> A"},
      {"Zn+2 + 2e- = Zn", std::nullopt},
      {"A > B > C", std::nullopt},
      {"", std::nullopt},
  };
  for (const Case& c : cases) EXPECT_EQ(TurnedHalfReaction(c.given), c.turned) << c.given;
}

// The sign changes and nothing else: an exponent keeps its own sign.
TEST(HalfReactionText, TurningNegatesThePotential) {
  struct Case {
    const char* given;
    const char* negated;
  };
  const Case cases[] = {
      {"-3.4E-1", "3.4E-1"}, {"0.34", "-0.34"},  {"-0.34", "0.34"}, {"+0.5", "-0.5"}, {"0", "0"},
      {"-0.0", "0"},         {"1. 09", "-1.09"}, {"", ""},          {"  ", ""},
  };
  for (const Case& c : cases) EXPECT_EQ(NegatedPotential(c.given), c.negated) << c.given;
}

// A typed potential is the whole text as one finite number, its blanks dropped, an empty text 0;
// anything else is no potential, and neither turns nor adds up to a cell potential.
TEST(HalfReactionText, APotentialIsOneFiniteNumberOrNothing) {
  struct Case {
    const char* typed;
    std::optional<double> value;
  };
  const Case cases[] = {
      {"abc", std::nullopt},   {"1e999", std::nullopt}, {"-1e999", std::nullopt}, {"nan", std::nullopt},
      {"inf", std::nullopt},   {"12,5", std::nullopt},  {"1.09V", std::nullopt},  {"0x1p3", std::nullopt},
      {" 12 5", 125.0},        {"", 0.0},               {"   ", 0.0},             {"-0.34", -0.34},
      {"1.5E-3", 1.5E-3},      {"+0.5", 0.5},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string("potential \"") + c.typed + "\"");
    EXPECT_EQ(PotentialValue(c.typed), c.value);
    EXPECT_EQ(NegatedPotential(c.typed).has_value(), c.value.has_value());
    EXPECT_EQ(CellPotentialText(c.typed, "0.5").has_value(), c.value.has_value());
    EXPECT_EQ(CellPotentialText("0.5", c.typed).has_value(), c.value.has_value());
  }
}

// The sum is cut, not rounded, after as many decimals as the input with the most. The Daniell cell
// from the table's potentials: 0.3419 + 0.7618 = 1.1037 V.
TEST(HalfReactionText, CellPotentialKeepsTheInputsDecimals) {
  struct Case {
    const char* left;
    const char* right;
    const char* cell;
  };
  const Case cases[] = {
      {"0.35", "0.1", "0.45"},
      {"1.09", "-0.34", "0.75"},
      {"1", "2", "3"},
      {"100", "0.5", "100.5"},
      {"0.7618", "0.3419", "1.1037"},
      {"-0.77", "1.23", "0.46"},
      {"0.3333333", "0", "0.333333"},
      {"", "0.5", "0.5"},
      {"1.25", "", "1.25"},
  };
  for (const Case& c : cases) EXPECT_EQ(CellPotentialText(c.left, c.right), c.cell) << c.left << " + " << c.right;
}

// A sum whose whole part is wider than the potential fields, or beyond any number, is no text: the
// window says so instead of showing "inf" or a cut number.
TEST(HalfReactionText, ACellPotentialBeyondTheFieldsIsRefused) {
  const std::optional<std::string> widest = CellPotentialText("1E36", "0");
  ASSERT_TRUE(widest.has_value());
  EXPECT_EQ(widest->size(), CellPotentialWidth);
  EXPECT_EQ(CellPotentialText("1E38", "0"), std::nullopt);
  EXPECT_EQ(CellPotentialText("1E39", "0.5"), std::nullopt);
  EXPECT_EQ(CellPotentialText("-1E39", "-1E39"), std::nullopt);
  EXPECT_EQ(CellPotentialText("1E308", "1E308"), std::nullopt);
}

TEST(HalfReactionText, ElectronTermsAreTheElectronsNotASymbolEndingInE) {
  EXPECT_TRUE(HasElectronTerm("Br2 + 2e- > 2Br-"));
  EXPECT_TRUE(HasElectronTerm("e- + Ag+ > Ag"));
  EXPECT_TRUE(HasElectronTerm("Fe+3+e->Fe+2"));
  EXPECT_FALSE(HasElectronTerm("Ne- > Ne"));
  EXPECT_FALSE(HasElectronTerm("Fe+2 + MnO4- + H+ > Fe+3 + Mn+2 + H2O"));
}

// 4.1868 J per calorie, cut to the decimals the number was typed with. A number without a point
// keeps its whole integer part (a cut after 11 characters would make 123456789012 cal ten times
// smaller), a number with an exponent is written with six significant digits (counting its
// exponent as decimals would be nonsense), and a text that is no number, or joules beyond every
// number, are no result.
TEST(CaloriesToJoules, ConvertsWithTheTypedDecimals) {
  struct Case {
    const char* calories;
    std::optional<std::string> joules;
  };
  const Case cases[] = {
      {"1.5", "6.2"},
      {"100", "418"},
      {"-50.25", "-210.38"},
      {"2.0", "8.3"},
      {"0", "0"},
      {"", ""},
      {"123456789012", "516888884235"},
      {"1.5E3", "6280.2"},
      {"abc", std::nullopt},
      {"1.5x", std::nullopt},
      {"1E308", std::nullopt},
      {"12.3456789", "51.688888"},
  };
  for (const Case& c : cases) EXPECT_EQ(CaloriesToJoules(c.calories), c.joules) << c.calories;
}

}  // namespace
