// A database file larger than the blocks its index is read in: records that cross the end of a
// block, lines long enough that a record's head is kept cut, in every line-end form. The name
// list, a name search in each name line and a search beyond the names find every record.

#include <gtest/gtest.h>

#include "chemicals_database/model/database_engine.h"
#include "chemicals_database/model/record_names.h"
#include "tests/chemicals_database/database_fixture.h"

namespace {

constexpr int Records = 700;
constexpr int EveryLongLine = 9;  // each ninth record has a line 2 of 20,000 characters

std::string Numbered(const std::string& text, int number) { return text + " " + std::to_string(number); }

std::string LargeDatabase(const std::string& lineEnd) {
  std::vector<std::string> records;
  for (int number = 1; number <= Records; ++number) {
    records.push_back(RecordText({{2, number % EveryLongLine == 0 ? std::string(20000, 'L') : ""},
                                  {3, Numbered("NAME", number)},
                                  {4, Numbered("ALTERNATIVE", number)},
                                  {7, Numbered("ENGLISH", number)},
                                  {9, Numbered("FOURTH", number)},
                                  {14, Numbered("COLOUR", number)},
                                  {199, std::string(1000, 'S')}}));
  }
  std::string text;
  for (const char c : DatabaseText(records)) text += c == '\n' ? lineEnd : std::string(1, c);
  return text;
}

class LargeDatabaseFile : public DatabaseTest {};

TEST_F(LargeDatabaseFile, EveryRecordIsListedAndFoundByEachNameLineAndBeyond) {
  WriteList({"dats\\large.dat"});
  std::vector<std::string> names;
  for (int number = 1; number <= Records; ++number) names.push_back(Numbered("NAME", number));
  for (const std::string lineEnd : {"\n", "\r\n", "\r"}) {
    WriteFile("dats/large.dat", LargeDatabase(lineEnd));
    EXPECT_EQ(ReadRecordNames(NorwegianLanguage).names, names) << lineEnd.size();
    // A value is found first in its own record: "NAME 21" is in no record before the 21st.
    for (int number = 1; number <= Records; number += 4) {
      for (const char* line : {"NAME", "ALTERNATIVE", "ENGLISH", "FOURTH"}) {
        ChemDbResetCursor();
        ASSERT_EQ(ChemDbRun("s na\\" + Numbered(line, number)), ChemDbDone) << line << number;
        EXPECT_EQ(ChemDbState.RecordIndex, number) << line << " " << lineEnd.size();
        EXPECT_EQ(Shown(), Numbered("NAME", number));
      }
      ChemDbResetCursor();
      ASSERT_EQ(ChemDbRun("s co\\" + Numbered("COLOUR", number)), ChemDbDone);
      EXPECT_EQ(ChemDbState.RecordIndex, number);
    }
  }
}

}  // namespace
