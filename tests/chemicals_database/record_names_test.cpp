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

TEST_F(RecordNamesTest, NoListGivesNoNames) { EXPECT_TRUE(ReadRecordNames(47).names.empty()); }

}  // namespace
