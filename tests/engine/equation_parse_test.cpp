#include <vector>

#include "engine/formtext.h"
#include "engine/reaction.h"
#include "tests/engine/test_support.h"

namespace {

struct ParseCase {
  const char* equation;
  int code;
  const char* rewritten;  // species separated by blanks, the arrow a blank
  int reactants;
  int products;
  std::vector<std::string> phases;
};

TEST(ParseEquation, SplitsSpeciesChargesAndPhases) {
  const ParseCase cases[] = {
      {"FeS2+O2>Fe3O4+SO2", 0, "FeS2 O2 Fe3O4 SO2", 2, 2, {"", "", "", ""}},
      {"Na++Cl->NaCl", 0, "Na+ Cl- NaCl", 2, 1, {"", "", ""}},
      {"Fe+3+Cl>FeCl3", 0, "Fe+3 Cl FeCl3", 2, 1, {"", "", ""}},
      // The charge signs are passed over; a number then a symbol starts a species.
      {"Fe+++2Cl->FeCl2", 0, "Fe++ 2Cl- FeCl2", 2, 1, {"", "", ""}},
      // The electron after a coefficient is a species of its own, as after a plain '+'.
      {"2H++2e->H2", 0, "2H+ 2e- H2", 2, 1, {"", "", ""}},
      {"Fe+3+e->Fe+2", 0, "Fe+3 e- Fe+2", 2, 1, {"", "", ""}},
      {"Fe+2+MnO4-+H+>Fe+3+Mn+2+H2O", 0, "Fe+2 MnO4- H+ Fe+3 Mn+2 H2O", 3, 3, {"", "", "", "", "", ""}},
      {"NaCl(s)>Na+(aq)+Cl-(aq)", 0, "NaCl Na+ Cl-", 1, 2, {"(s)", "(aq)", "(aq)"}},
      // Only an element symbol or "D" after a '+' starts a species: "Xx" is none, so its '+' is a charge.
      {"H2+Xx>H2Xx", 0, "H2+Xx H2Xx", 1, 1, {"", ""}},
      {"Na+Xx+Cl>NaCl", 0, "Na+Xx Cl NaCl", 2, 1, {"", "", ""}},
      {"D2+O2>D2O", 0, "D2 O2 D2O", 2, 1, {"", "", ""}},
      {"Hg+2+Cl->HgCl2", 0, "Hg+2 Cl- HgCl2", 2, 1, {"", "", ""}},
      {"A+>B", 0, "A+ B", 1, 1, {"", ""}},
  };
  for (const auto& c : cases) {
    std::string text = c.equation;
    int reactants = 0, products = 0;
    std::vector<std::string> phases;
    std::vector<int> starts;
    EXPECT_EQ(ParseEquation(text, reactants, phases, starts, products), c.code) << c.equation;
    EXPECT_EQ(text, c.rewritten) << c.equation;
    EXPECT_EQ(reactants, c.reactants) << c.equation;
    EXPECT_EQ(products, c.products) << c.equation;
    EXPECT_EQ(phases, c.phases) << c.equation;
    ASSERT_EQ(starts.size(), phases.size()) << c.equation;
    for (std::size_t i = 1; i < starts.size(); ++i) EXPECT_EQ(text[starts[i] - 1], ' ') << c.equation;
    EXPECT_EQ(starts[0], 0);
  }
}

TEST(ParseEquation, ReportsTheLastErrorFound) {
  LanguageScope english(EnglishLanguage);
  const struct {
    const char* equation;
    int code;
    const char* line;
  } cases[] = {
      {"H2+O2", 4, "Error 14 :Error in balance expr. !"},
      {"A>B>C", 9, "Error 1 :Misplaced or illegal symbol(s)/token(s) in formula  !"},
      {"H2O(l)x>H2O", 23, "Error 52 :Illegal character(s) placed after phase (g),(l)..  !"},
      {"Ca(OH2>CaO", 22, "Error 50 :Bracket error:Uneven number of left/right brackets  !"},
      // Unbalanced brackets and no arrow: the arrow's line comes last.
      {"Ca(OH2", 4, "Error 14 :Error in balance expr. !"},
  };
  for (const auto& c : cases) {
    std::string text = c.equation;
    int reactants = 0, products = 0;
    std::vector<std::string> phases;
    std::vector<int> starts;
    ErrorText.clear();
    EXPECT_EQ(ParseEquation(text, reactants, phases, starts, products), c.code) << c.equation;
    EXPECT_EQ(ErrorText, c.line) << c.equation;
  }
}

}  // namespace
