// The reference tables as the user meets them: files written by other editors, with other line
// ends and character sets, marked read-only, or longer than a list box of old held.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "tests/app/session_runner.h"
#include "tests/app/settings_fixture.h"

namespace {

namespace fs = std::filesystem;

// The names-and-formulas editor opened from the calculator; its list, name and formula fields,
// and its buttons After and Delete.
constexpr const char* OpenNamesEditor = "menu 4002\nclick 10312\n";
constexpr const char* NamesItems = "items 10120\n";

class TableFilesSessionTest : public ::testing::Test {
 protected:
  TableFilesSessionTest() { fs::create_directories(Atomdata()); }
  fs::path Atomdata() const { return folder.Path() / "dats" / "datfiles" / "atomdata"; }
  void WriteTable(const std::string& name, const std::string& contents) const {
    std::ofstream(Atomdata() / name, std::ios::binary) << contents;
  }
  std::string ReadTable(const std::string& name) const {
    std::ifstream file(Atomdata() / name, std::ios::binary);
    std::ostringstream text;
    text << file.rdbuf();
    return text.str();
  }
  SessionResult Run(const std::string& language, const std::string& script) {
    folder.WriteSettings(SettingsText(language, "0"));
    return RunSession(folder.Path(), script);
  }
  WorkingFolder folder;
};

// A names record: the name on line 2, the formula on line 6 of nine, with the given line end.
std::string NamesRecord(const std::string& name, const std::string& formula, const std::string& end) {
  return end + name + end + end + end + end + formula + end + end + end + end + "\\" + end;
}

std::string NamesTable(const std::vector<std::pair<std::string, std::string>>& records, const std::string& end) {
  std::string text = "\\" + end;
  for (const auto& [name, formula] : records) text += NamesRecord(name, formula, end);
  return text;
}

// A table of lone CR line ends, as an old editor writes it, reads record by record; an add and a
// delete write it back whole, with line feeds.
TEST_F(TableFilesSessionTest, ATableWithCarriageReturnLineEndsKeepsEveryRecord) {
  const std::vector<std::pair<std::string, std::string>> records = {{"Saltsyre", "HCl"}, {"Svovelsyre", "H2SO4"}};
  WriteTable("nomolclc.dat", NamesTable(records, "\r"));
  const SessionResult result =
      Run("47", std::string(OpenNamesEditor) + NamesItems + "type 10167 Salpetersyre\ntype 10165 HNO3\nclick 10174\n" +
                    NamesItems + "click 10144\n" + NamesItems);
  ASSERT_EQ(result.exitCode, 0);
  EXPECT_EQ(result.lines, (std::vector<std::string>{"items 10120: Saltsyre\\tSvovelsyre",
                                                    "items 10120: Saltsyre\\tSalpetersyre\\tSvovelsyre",
                                                    "items 10120: Saltsyre\\tSvovelsyre"}));
  EXPECT_EQ(ReadTable("nomolclc.dat"), NamesTable(records, "\n"));
}

// A table saved as UTF-8 by a text editor shows its letters; the next rewrite stores them in the
// program's character set.
TEST_F(TableFilesSessionTest, AUtf8TableShowsItsLettersAndIsWrittenBackInTheProgramsCharacterSet) {
  WriteTable("nomolclc.dat", NamesTable({{"S\xC3\xB8lvnitrat", "AgNO3"}, {"Vann", "H2O"}}, "\n"));
  const SessionResult result =
      Run("47", std::string(OpenNamesEditor) + NamesItems + "select 10120 1\nclick 10144\n" + NamesItems);
  ASSERT_EQ(result.exitCode, 0);
  EXPECT_EQ(result.lines,
            (std::vector<std::string>{"items 10120: S\xC3\xB8lvnitrat\\tVann", "items 10120: S\xC3\xB8lvnitrat"}));
  EXPECT_EQ(ReadTable("nomolclc.dat"), NamesTable({{"S\xF8lvnitrat", "AgNO3"}}, "\n"));
}

// A NUL byte inside a name is dropped on reading, so the list and the file hold the same name.
TEST_F(TableFilesSessionTest, ANulByteInALineIsDroppedInTheListAndTheFileAlike) {
  WriteTable("nomolclc.dat", NamesTable({{std::string("Salt\0syre", 9), "HCl"}, {"Vann", "H2O"}}, "\n"));
  const SessionResult result =
      Run("47", std::string(OpenNamesEditor) + NamesItems + "select 10120 1\nclick 10144\n" + NamesItems);
  ASSERT_EQ(result.exitCode, 0);
  EXPECT_EQ(result.lines, (std::vector<std::string>{"items 10120: Saltsyre\\tVann", "items 10120: Saltsyre"}));
  EXPECT_EQ(ReadTable("nomolclc.dat"), NamesTable({{"Saltsyre", "HCl"}}, "\n"));
}

// A read-only table shows its records; an edit is refused with the file-error message and the
// file stays as it was.
TEST_F(TableFilesSessionTest, AReadOnlyTableIsShownAndAnEditIsRefusedWithAMessage) {
  const std::string original = NamesTable({{"Water", "H2O"}, {"Salt", "NaCl"}}, "\n");
  WriteTable("enmolclc.dat", original);
  fs::permissions(Atomdata() / "enmolclc.dat", fs::perms::owner_read | fs::perms::group_read);
  const SessionResult result =
      Run("44", std::string(OpenNamesEditor) + NamesItems + "type 10167 Ice\ntype 10165 H2O\nclick 10174\n" +
                    NamesItems + "click 10144\n" + NamesItems);
  ASSERT_EQ(result.exitCode, 0);
  const std::string refused = "messagebox: TAVRIN: FILE ERROR\\n\\nThe table could not be written\\nand is unchanged!";
  EXPECT_EQ(result.lines, (std::vector<std::string>{"items 10120: Water\\tSalt", refused, "items 10120: Water\\tSalt",
                                                    refused, "items 10120: Water\\tSalt"}));
  EXPECT_EQ(ReadTable("enmolclc.dat"), original);
}

// A record file cut short after its last record (no closing separator) keeps that record through
// Delete and After, and gets its closing separator at the rewrite.
TEST_F(TableFilesSessionTest, ATableWithoutItsClosingSeparatorKeepsItsLastRecord) {
  std::string truncated = NamesTable({{"Water", "H2O"}, {"Salt", "NaCl"}}, "\n");
  truncated.resize(truncated.size() - 2);
  WriteTable("enmolclc.dat", truncated);
  const SessionResult result = Run("44", std::string(OpenNamesEditor) + NamesItems +
                                             "select 10120 1\ntype 10167 Ice\ntype 10165 H2O\nclick 10174\n" +
                                             NamesItems + "select 10120 0\nclick 10144\n" + NamesItems);
  ASSERT_EQ(result.exitCode, 0);
  EXPECT_EQ(result.lines, (std::vector<std::string>{"items 10120: Water\\tSalt", "items 10120: Water\\tSalt\\tIce",
                                                    "items 10120: Salt\\tIce"}));
  EXPECT_EQ(ReadTable("enmolclc.dat"), NamesTable({{"Salt", "NaCl"}, {"Ice", "H2O"}}, "\n"));
}

// The balancing list longer than 32,767 entries: every entry is listed, and an add and a delete
// change the entries they name.
TEST_F(TableFilesSessionTest, ABalancingListBeyondTheOld16BitLimitIsListedAndEditedWhole) {
  constexpr int Entries = 40000;
  std::string list;
  for (int entry = 1; entry <= Entries; ++entry) list += "E" + std::to_string(entry) + "\n";
  WriteTable("balequ.dat", list);
  const SessionResult result = Run("44",
                                   "menu 4003\nselect 10120 39999\ntype 10006 NEW\nclick 10149\n"
                                   "select 10120 0\nclick 10145\nitems 10120\n");
  ASSERT_EQ(result.exitCode, 0);
  EXPECT_TRUE(result.LinesStartingWith("messagebox").empty());
  std::string expected;
  for (int entry = 2; entry <= Entries; ++entry) expected += "E" + std::to_string(entry) + "\n";
  expected += "NEW\n";
  EXPECT_EQ(ReadTable("balequ.dat"), expected);
  ASSERT_EQ(result.LinesStartingWith("items 10120: E2\\tE3\\t").size(), 1u);
  const std::string ending = "\\tE40000\\tNEW";
  const std::string& items = result.lines.back();
  ASSERT_GT(items.size(), ending.size());
  EXPECT_EQ(items.substr(items.size() - ending.size()), ending);
}

}  // namespace
