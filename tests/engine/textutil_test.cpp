#include "engine/formtext.h"
#include "tests/engine/test_support.h"
#include "engine/textutil.h"

namespace {

std::vector<std::string> Words(std::string line) {
  std::vector<std::string> words;
  int start = 0;
  int position = 0;
  std::string word;
  for (int guard = 0; guard < 100; ++guard) {
    if (csplit(line, start, word, position).empty()) break;
    words.push_back(word);
  }
  return words;
}

TEST(Csplit, ReturnsEachBlankSeparatedWordThenAnEmptyOne) {
  std::string line = "s  na\\abc";
  int start = -1;
  int position = 0;
  std::string word = "old";
  EXPECT_EQ(csplit(line, start, word, position), "s");
  EXPECT_EQ(start, 0);
  EXPECT_EQ(position, 2);
  EXPECT_EQ(csplit(line, start, word, position), "na\\abc");
  EXPECT_EQ(start, 2);
  EXPECT_EQ(position, 10);
  EXPECT_EQ(csplit(line, start, word, position), "");
  EXPECT_EQ(position, 11);
  EXPECT_EQ(line, "s  na\\abc");  // the caller's line is not changed
}

TEST(Csplit, SplitsLinesOfEveryShape) {
  EXPECT_EQ(Words(""), std::vector<std::string>{});
  EXPECT_EQ(Words("   "), std::vector<std::string>{});
  EXPECT_EQ(Words("one"), std::vector<std::string>{"one"});
  EXPECT_EQ(Words("  lead trail  "), (std::vector<std::string>{"lead", "trail"}));
  EXPECT_EQ(Words("tab\tkept x"), (std::vector<std::string>{"tab\tkept", "x"}));
  const std::string longest(CsplitLineLimit, 'w');
  EXPECT_EQ(Words(longest), std::vector<std::string>{longest});
}

TEST(Csplit, RefusesALineOverTheLimit) {
  LanguageScope english(44);
  std::string line(CsplitLineLimit + 1, 'w');
  int start = 0;
  int position = 0;
  std::string word = "old";
  EXPECT_EQ(csplit(line, start, word, position), "");
  EXPECT_EQ(line, "");
  EXPECT_EQ(position, 1);
  EXPECT_EQ(ErrorText, "Error 18 :Number of characters must not exeed 2047 (csplit func.) !");
}

TEST(ChangeCase, UpperCasesAsciiAndNorwegianLetters) {
  struct Case {
    std::string text;
    std::string upper;
    int result;
  };
  const Case cases[] = {
      {"bl\xE5"
       "b\xE6r",
       "BL\xC5"
       "B\xC6R",
       0},
      {"s\xF8t og sur", "S\xD8T OG SUR", 0},
      {"first\nsecond", "FIRST\nsecond", 1},
      {"caf\xE9 1a-z", "CAF\xE9 1A-Z", 0},  // other accented letters stay
      {"", "", 0},
  };
  for (const auto& c : cases) {
    std::string text = c.text;
    EXPECT_EQ(ChangeCase(text, 0), c.result) << c.text;
    EXPECT_EQ(text, c.upper);
  }
}

TEST(SplitPhaseSuffix, CutsAKnownPhaseOffTheEnd) {
  struct Case {
    std::string formula;
    std::string cut;
    std::string phase;
    int result;
  };
  const Case cases[] = {
      {"NaCl (s)", "NaCl", "(s)", 0}, {"H2O(aq)", "H2O", "(aq)", 0}, {"H2O(l)", "H2O", "(l)", 0},
      {"CO2(g)", "CO2", "(g)", 0},    {"H2O", "H2O", "", 1},         {"(s)", "(s)", "", 1},
      {"Ca(OH)2", "Ca(OH)2", "", 1},  {"X(aq) ", "X", "(aq)", 0},
  };
  for (const auto& c : cases) {
    std::string formula = c.formula;
    std::string phase = "old";
    EXPECT_EQ(SplitPhaseSuffix(formula, phase), c.result) << c.formula;
    EXPECT_EQ(formula, c.cut);
    EXPECT_EQ(phase, c.phase);
  }
}

TEST(RemoveBlanks, DeletesBlanksOnlyAndCountsThem) {
  std::string text = " a b\tc  ";
  EXPECT_EQ(RemoveBlanks(text), 4);
  EXPECT_EQ(text, "ab\tc");
}

TEST(SpaceOperators, SpacesSeparatorsAndLeavesCharges) {
  const std::pair<std::string, std::string> cases[] = {
      {"Fe+3+Cl-=FeCl3", "Fe+3 + Cl- = FeCl3"}, {"2H2+O2>2H2O", "2H2 + O2 > 2H2O"},
      {"Na+ + Cl- = NaCl", "Na+ + Cl- = NaCl"}, {"+H2", "+H2"},
      {"Cu+2+2e->Cu", "Cu+2 + 2e- > Cu"},       {"", ""},
  };
  for (const auto& [equation, spaced] : cases) {
    std::string text = equation;
    EXPECT_EQ(SpaceOperators(text), 1);
    EXPECT_EQ(text, spaced) << equation;
  }
}

}  // namespace

TEST(TypedTextHelpers, DropBlanksAndControlsAndEndRowsWithCrLf) {
  EXPECT_EQ(WithoutBlanksOrControls(" H2 SO4\t\r\n"), "H2SO4");
  EXPECT_EQ(WithoutBlanksOrControls("Fe+2 > Fe+3 + e-"), "Fe+2>Fe+3+e-");
  EXPECT_EQ(WithoutBlanksOrControls("\xC6\xF8"), "\xC6\xF8");  // Windows-1252 letters stay
  EXPECT_EQ(WithCrLfLineEnds("H  2 \nO  1 \n"), "H  2\r\nO  1\r\n");
  EXPECT_EQ(WithCrLfLineEnds("\nrow \n"), "\nrow\r\n");  // a line feed with nothing before it stays alone
}
