// The names the database window lists: line 3 of every record of the listed files.

#include "chemicals_database/model/record_names.h"

#include <gtest/gtest.h>

#include "tests/chemicals_database/database_fixture.h"

namespace {

class RecordNamesTest : public DatabaseTest {};

TEST_F(RecordNamesTest, LineThreeOfEveryRecordOfTheListedFilesButTheEndFiles) {
  WriteList({"* the database", "dats\\a???.dat", "dats\\missing.dat", "dats\\b???.dat", "dats\\avslutt.dat", "*"});
  // Lines before the first record, a record of one line, a record of two, an empty name, a line
  // ending in CR LF and a name longer than the list keeps.
  const std::string longName(300, 'N');
  WriteFile("dats/a047.dat", "NOT A NAME\nNOR THIS\nNOR THIS\n" + NamedRecord("VANN") + "\\\n\\\n\nSHORT\n" +
                                 RecordText({{3, ""}}) + "\\\r\n\r\nCRLF NAME\r\n\r\n" + NamedRecord(longName) + "\\\n");
  WriteNamedFile("dats/b047.dat", {"ETANOL", "METANOL"});
  WriteNamedFile("dats/avslutt.dat", {"END RECORD"});
  WriteNamedFile("dats/a044.dat", {"WATER"});
  EXPECT_EQ(ReadRecordNames(47).names, (std::vector<std::string>{"VANN", "SHORT", "CRLF NAME", std::string(255, 'N'),
                                                            "ETANOL", "METANOL"}));
  EXPECT_EQ(ReadRecordNames(44).names, std::vector<std::string>{"WATER"});
}

// Files large enough that their names are gathered by several threads, each file's names after
// those of the file before, every seventh record nameless.
TEST_F(RecordNamesTest, ManyRecordsInSeveralFilesKeepTheirOrder) {
  WriteList({"dats\\first.dat", "dats\\second.dat"});
  std::vector<std::string> expected;
  for (const std::string file : {"first", "second"}) {
    std::string text;
    for (int number = 1; number <= 40000; ++number) {
      const std::string name = number % 7 == 0 ? "" : file + " " + std::to_string(number);
      text += "\\\n\n" + name + "\n";
      if (!name.empty()) expected.push_back(name);
    }
    WriteFile("dats/" + file + ".dat", text + "\\\n");
  }
  EXPECT_EQ(ReadRecordNames(47).names, expected);
}

TEST_F(RecordNamesTest, NoListGivesNoNames) { EXPECT_TRUE(ReadRecordNames(47).names.empty()); }

}  // namespace
