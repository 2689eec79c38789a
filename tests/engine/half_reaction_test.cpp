#include <gtest/gtest.h>

#include "engine/reaction.h"

namespace {

TEST(HalfReactions, JoinPhasesAndElectrons) {
  std::string joined = "Zn > Zn+2 + 2e-";
  AddHalfReactions(joined, "Cu+2+2e-=Cu");
  EXPECT_EQ(joined, "Zn+Cu+2+2e->Zn+2+2e-+Cu");

  std::string withElectrons = joined;
  RemoveElectrons(withElectrons);
  EXPECT_EQ(withElectrons, " Zn+Cu+2    >Zn+2    +Cu");

  const struct {
    const char* equation;
    const char* expected;
  } electrons[] = {
      {"e-+Fe+3>Fe+2", "    Fe+3>Fe+2"},  // no coefficient and nothing before it: the '+' after it goes
      {"Fe+3+e->Fe+2", " Fe+3   >Fe+2"}, {"Ne+Cl2>NeCl2", " Ne+Cl2>NeCl2"},  // "e" of a symbol with no '-' after it
      {"Ne->Ne+e-", " Ne->Ne   "},                                           // "Ne-" is neon, the last "e-" an electron
      {"X>0.5e-+Y", " X>      Y"},
  };
  for (const auto& c : electrons) {
    std::string text = c.equation;
    RemoveElectrons(text);
    EXPECT_EQ(text, c.expected) << c.equation;
  }

  std::string phases = "NaCl(s)>Na+(aq)+Cl-(g)+H2O(l)";
  EXPECT_EQ(BlankPhaseSuffixes(phases), 29);
  EXPECT_EQ(phases, "NaCl   >Na+    +Cl-   +H2O   ");
}

TEST(HalfReactions, SpeciesOnlyDropsCoefficientsButNotCharges) {
  const struct {
    const char* equation;
    const char* expected;
  } cases[] = {
      {"2Fe+3 + Sn+2 = 2Fe+2 + Sn+4", "Fe+3+Sn+2>Fe+2+Sn+4"},
      {"10.5H2+O2>2H2O", "H2+O2>H2O"},
      {"Cr2O7-2+14H++6Fe+2>2Cr+3+6Fe+3+7H2O", "Cr2O7-2+H++Fe+2>Cr+3+Fe+3+H2O"},
  };
  for (const auto& c : cases) {
    std::string text = c.equation;
    EquationSpeciesOnly(text);
    EXPECT_EQ(text, c.expected) << c.equation;
  }
}

TEST(HalfReactions, SimplifyMergesCancelsAndFormsWater) {
  const struct {
    int mode;  // 3: with water
    const char* equation;
    const char* expected;
    int result;
  } cases[] = {
      {0, "H2O + Fe+3 = H2O + Fe+2", "Fe+3 = Fe+2", 0},
      {0, "H2O = H2O", "   ? = ?", 1},
      {0, "3H2O + Fe+3 = H2O + Fe+2", "2H2O + Fe+3 = Fe+2", 0},
      {0, "H+ + 2H+ + Cl- = 2H+ + Cl2", "H+ + Cl- = Cl2", 0},
      {1, "2H+ + H+ = H2", "3H+ = H2", 0},
      {1, "H2O = H2O", "H2O = H2O", 0},
      {2, "2H+ + H+ = H+ + H2", "H+ + H+ = H2", 0},
      {0, "Zn + Cu+2 = Zn+2 + Cu", "Zn + Cu+2 = Zn+2 + Cu", 0},
      {3, "2H+ + 2OH- = X", "2H2O = X", 0},
      {3, "H3O+ + OH- = X", "2H2O = X", 0},
      {3, "3H+ + OH- = X", "2H+ + H2O = X", 0},
      {3, "OH- + 2H+ + H2O = X", "H2O + H+ + H2O = X", 0},
      {3, "H+ = OH-", "H+ = OH-", 0},
  };
  for (const auto& c : cases) {
    std::string text = c.equation;
    const int result = c.mode == 3 ? SimplifyEquationWithWater(text) : SimplifyEquation(c.mode, text);
    EXPECT_EQ(text, c.expected) << c.mode << ": " << c.equation;
    EXPECT_EQ(result, c.result) << c.equation;
  }
}

}  // namespace
