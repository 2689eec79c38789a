// The list of database files: the language code in place of '?', comment and end lines, and the
// name stem the window shows.

#include <gtest/gtest.h>

#include "chemicals_database/model/database_list.h"

namespace {

TEST(DatabaseList, QuestionMarksTakeTheDigitsOfTheLanguageCode) {
  struct Case {
    std::string entry;
    int language;
    std::string expected;
  };
  const Case cases[] = {
      {"dats\\chem???.dat", 47, "dats\\chem047.dat"},   {"dats\\chem???.dat", 44, "dats\\chem044.dat"},
      {"dats\\c?h?e?m?.dat", 44, "dats\\c0h4e4m?.dat"},  // a fourth '?' stays
      {"dats\\plain.dat", 44, "dats\\plain.dat"},       {"?", 7, "0"},
  };
  for (const auto& c : cases) {
    std::string entry = c.entry;
    EXPECT_EQ(FillPlaceholders(entry, ThreeDigitLanguageCode(c.language)), 0) << c.entry;
    EXPECT_EQ(entry, c.expected) << c.entry;
  }
}

TEST(DatabaseList, EmptyAndStarLinesAreSkippedAndKeepTheirText) {
  for (std::string line : {std::string(), std::string("*"), std::string("* comment with ???")}) {
    const std::string before = line;
    EXPECT_EQ(FillPlaceholders(line, "047"), 1) << before;
    EXPECT_EQ(line, before);
  }
}

TEST(DatabaseList, CommentsBeforeTheFirstFileAndTheEndLineAfterIt) {
  const std::vector<std::string> list = {"* chemicals", "", "dats\\a???.dat", "dats\\b.dat", "*", "dats\\unused.dat"};
  EXPECT_EQ(DatabaseFileEntries(list, "044"), (std::vector<std::string>{"dats\\a044.dat", "dats\\b.dat"}));
  // Without an end line the list file's end ends the database.
  EXPECT_EQ(DatabaseFileEntries({"dats\\a.dat"}, "047"), std::vector<std::string>{"dats\\a.dat"});
}

TEST(DatabaseList, NameStemIsTheFileNameUpToItsFirstDot) {
  EXPECT_EQ(NameStem("dats\\datfiles\\kjemi047.dat"), "kjemi047");
  EXPECT_EQ(NameStem("dats/kjemi.old.dat"), "kjemi");
  EXPECT_EQ(NameStem("kjemi"), "kjemi");
  EXPECT_EQ(NameStem(std::string(100, 'x') + ".dat").size(), 79u);
}

}  // namespace
