// The search language: keys, values and the parser's error codes.

#include <gtest/gtest.h>

#include "chemicals_database/model/record_prepare.h"
#include "chemicals_database/model/search_command.h"
#include "engine/formtext.h"
#include "tests/engine/test_support.h"

namespace {

// n criteria of number keys: "1\a|2\a|...".
std::string NumberKeys(int first, int count) {
  std::string text;
  for (int key = first; key < first + count; ++key) text += (text.empty() ? "" : "|") + std::to_string(key) + "\\a";
  return text;
}

TEST(SearchCommand, ErrorCodesOfTheParser) {
  SettingsSnapshot settings;
  LanguageCode = EnglishLanguage;
  struct Case {
    std::string command;
    int code;
    std::string errorText;  // the line of ErrorText; "-" when it is not checked
  };
  const Case cases[] = {
      {"s na\\", 20, "Error 20 :Missing argument! Type 'help comm' for more info. !"},
      {"s na\\WATER|cas", 20, "-"},
      {"s na\\" + std::string(51, 'A'), 40, "Error 40 :No. of characters in arg. must not exeed 50 !"},
      {"s " + NumberKeys(100, 18) + "|", 41, "Error 41 :Number of arguments must not exeed 18 !"},
      {"s na\\\\WATER", 42, "Error 42 :Missing argument between argument separators !"},
      {"s na\\WATER||cas\\1", 42, "-"},
      {"s na|WATER", 43, "Error 43 :Erroneous argument input !"},
      {"s na\\A|cas\\1|mf|H2O", 43, "-"},
      {"s 5\\64|cas\\64", 45, "Error 45 :Topicpointer used more than once in the same argument !"},
      {"s ?\\a|?\\b", 45, "-"},
      {"s xx\\1", 46, "Error 46 :Unknown topicpointer !"},
      {"s \\1", 46, "-"},
      {"s 1e5\\1", 46, "-"},
      {"s " + NumberKeys(100, 17) + "|18\\a", 47, "Error 47 :Too many topicpointers in argument !"},
      {"s " + NumberKeys(100, 14) + "|na\\a", 47, "-"},  // the group's four lines count
      {"s 0\\a", 1, ""},
      {"s 200\\a", 1, ""},
      {"s 2.5\\a", 1, ""},
      {"s sf\\Xq2", 9, "Error 1 :Misplaced or illegal symbol(s)/token(s) in formula  !"},
      {"s qu\\", 20, "-"},
  };
  for (const auto& c : cases) {
    ErrorText = "untouched";
    SearchCommand parsed;
    EXPECT_EQ(ParseSearchCommand(c.command, parsed), c.code) << c.command;
    if (c.errorText != "-") {
      EXPECT_EQ(ErrorText, c.errorText) << c.command;
    }
  }
}

TEST(SearchCommand, AcceptedCommands) {
  SettingsSnapshot settings;
  const std::string accepted[] = {
      "s 199\\a",        "s " + NumberKeys(100, 17), "s " + NumberKeys(100, 13) + "|na\\a",
      "s na\\WATER|",     // a separator at the very end
      "s na\\A\\cas\\1",  // the even separators may be backslashes
      "s 3\\A|na\\B",     // a group checks its first line, 7, against the earlier ones
  };
  for (const auto& command : accepted) {
    SearchCommand parsed;
    EXPECT_EQ(ParseSearchCommand(command, parsed), 0) << command;
  }
}

TEST(SearchCommand, KeysNameTheirLines) {
  struct Case {
    std::string key;
    std::vector<int> lines;
    bool wholeLine;
  };
  const Case cases[] = {
      {"?", {AnyRecordLine}, false},
      {"in", {2}, false},
      {"na", {7, 9, 3, 4}, false},
      {"cas", {5}, false},
      {"mf", {8}, false},
      {"fm", {10}, false},
      {"sf", {11}, true},
      {"co", {14}, false},
      {"ir", {35, 36, 37}, false},
      {"qu", {39}, true},
      {"de", {41}, false},
      {"mp", {54}, false},
      {"bp", {73}, false},
      {"ip", {88}, false},
      {"181", {181}, false},
      {"1", {1}, false},
  };
  for (const auto& c : cases) {
    std::vector<int> lines;
    bool wholeLine = true;
    EXPECT_EQ(MapSearchKey(c.key, lines, wholeLine), 0) << c.key;
    EXPECT_EQ(lines, c.lines) << c.key;
    EXPECT_EQ(wholeLine, c.wholeLine) << c.key;
  }
}

TEST(SearchCommand, ValuesKeepInnerBlanksAndNamesTurnUpperCase) {
  SearchCommand parsed;
  ASSERT_EQ(ParseSearchCommand("s na\\ethyl acetat|cas\\141-78-6  ", parsed), 0);
  ASSERT_EQ(parsed.criteria.size(), 2u);
  EXPECT_EQ(parsed.criteria[0].value, "ETHYL ACETAT");
  EXPECT_EQ(parsed.criteria[1].value, "141-78-6");
  ASSERT_EQ(ParseSearchCommand("s blåbær", parsed), 0);
  EXPECT_FALSE(parsed.hasCriteria);
  EXPECT_EQ(parsed.bareWord, "blåbær");
  ASSERT_EQ(ParseSearchCommand("s 3\\\xe6\xf8\xe5", parsed), 0);
  EXPECT_EQ(parsed.criteria[0].value, "\xc6\xd8\xc5");
}

TEST(SearchCommand, QualityFormulaDropsCountsButKeepsMassNumbers) {
  const std::pair<std::string, std::string> cases[] = {
      {"C6H12O6", "CHO"}, {"C[13]O2", "C[13]O"}, {"H(2)2O", "H(2)O"}, {"Fe0.95O", "FeO"}, {"", ""}};
  for (const auto& [formula, expected] : cases) {
    std::string text = formula;
    QualityFormula(text);
    EXPECT_EQ(text, expected) << formula;
  }
}

TEST(SearchCommand, FormulaValuesBecomeEmpiricalAndQualitativeFormulas) {
  SettingsSnapshot settings;
  MmMod = 3;
  MmStr = 0;
  SearchCommand parsed;
  ASSERT_EQ(ParseSearchCommand("s sf\\H2SO4|qu\\C6H12O6", parsed), 0);
  EXPECT_EQ(parsed.criteria[0].value, "H2O4S");
  EXPECT_TRUE(parsed.criteria[0].wholeLine);
  EXPECT_EQ(parsed.criteria[1].value, "HCO");  // glucose in atomic-number order
  // The empirical formula of a short formula can outgrow the value limit.
  const std::string longEmpirical = "HLiBeBCNOFNaMgAlSiPSClKCaScTiVCrMnFeCo";  // 24 elements
  ASSERT_EQ(ParseSearchCommand("s sf\\" + longEmpirical, parsed), 0);
  EXPECT_EQ(parsed.criteria[0].value, longEmpirical);
  // 42 characters typed, 63 as the empirical formula with its 24 counts of 2.
  EXPECT_EQ(ParseSearchCommand("s sf\\(" + longEmpirical + ")2", parsed), SearchValueTooLong);
  EXPECT_EQ(ParseSearchCommand("s qu\\(" + longEmpirical + ")2", parsed), 0);
}

}  // namespace
