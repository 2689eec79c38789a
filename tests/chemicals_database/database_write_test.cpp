// Store, overwrite and delete on database files written by the tests: where the record goes, what
// the next step shows, what becomes of the other records, and what a failed write leaves.

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

#include "chemicals_database/model/database_engine.h"
#include "engine/formtext.h"
#include "tests/chemicals_database/database_fixture.h"
#include "tests/support/failing_rename.h"

namespace {

namespace fs = std::filesystem;

// The pieces of a database file, each from its backslash line up to the next.
std::vector<std::string> Pieces(const std::string& text) {
  std::vector<std::string> pieces;
  std::size_t start = 0;
  while (start < text.size()) {
    std::size_t next = text.find("\n\\", start);
    next = next == std::string::npos ? text.size() : next + 1;
    pieces.push_back(text.substr(start, next - start));
    start = next;
  }
  return pieces;
}

class DatabaseWrite : public DatabaseTest {
 protected:
  void SetUp() override {
    DatabaseTest::SetUp();
    WriteList({"dats\\first.dat", "dats\\second.dat", "*"});
    // Records with lines the window has no field for (2, 9, 35 to 37, 84, 150, a long line 120)
    // and one of 205 lines, which a rewrite must copy as they stand.
    first_ = {RecordText({{2, "free search line"},
                          {3, "ACETONE"},
                          {9, "DIMETHYL KETONE"},
                          {35, "1715"},
                          {36, "1365"},
                          {37, "1220"},
                          {84, "20"},
                          {120, std::string(60, 'L')},
                          {199, "S1|S2\aline 2|"}}),
              RecordText({{3, "BENZENE"}, {150, "kept"}}, 205), RecordText({{3, "CHLOROFORM"}, {5, "67-66-3"}})};
    WriteFile("dats/first.dat", DatabaseText(first_));
    WriteNamedFile("dats/second.dat", {"DIOXANE"});
    ChemDbState.FileIndex = 0;
    First();
  }

  // Shows the record of that name with a search from the first record, as the window's "Søke".
  static void Find(const std::string& name) {
    ChemDbResetCursor();
    ASSERT_EQ(CommandStep("sk 3\\" + name), ChemDbDone) << name;
  }

  // The window's write: the new fields in the buffer (the safety text stays as the record brought
  // it unless one is given), the operation, then the step that shows the record the write left
  // current.
  static int Write(const std::string& operation, const std::map<int, std::string>& fields = {},
                   const char* safetyText = nullptr) {
    ChemDbRecord.Clear();
    if (safetyText) SafetyDataText = safetyText;
    for (const auto& [line, text] : fields) ChemDbRecord.slots[static_cast<std::size_t>(line)] = text;
    const int result = ChemDbRun("", operation);
    CommandStep("s ");
    return result;
  }

  static std::vector<std::string> FilePieces(const std::string& path) { return Pieces(ReadFile(path)); }

  std::vector<std::string> first_;
};

TEST_F(DatabaseWrite, StoreAfterAndBeforeTheCurrentRecord) {
  Find("BENZENE");
  ASSERT_EQ(Write("i", {{3, "toluene"}}, ""), ChemDbDone);
  EXPECT_EQ(Shown(), "TOLUENE");
  EXPECT_EQ(ChemDbState.RecordIndex, 3);
  auto pieces = FilePieces("dats/first.dat");
  ASSERT_EQ(pieces.size(), 5u);
  EXPECT_EQ(pieces[0], first_[0]);
  EXPECT_EQ(pieces[1], first_[1]);
  EXPECT_EQ(pieces[2], RecordText({{3, "TOLUENE"}}));  // exactly 200 lines
  EXPECT_EQ(pieces[3], first_[2]);
  EXPECT_EQ(pieces[4], "\\\n");

  Find("BENZENE");
  ASSERT_EQ(Write("b", {{3, "xylene"}}, ""), ChemDbDone);
  EXPECT_EQ(Shown(), "XYLENE");
  EXPECT_EQ(ChemDbState.RecordIndex, 2);
  pieces = FilePieces("dats/first.dat");
  ASSERT_EQ(pieces.size(), 6u);
  EXPECT_EQ(pieces[1], RecordText({{3, "XYLENE"}}));
  EXPECT_EQ(pieces[2], first_[1]);
}

TEST_F(DatabaseWrite, StoreAtTheEndsOfAFile) {
  Find("ACETONE");
  ASSERT_EQ(Write("b", {{3, "NEW FIRST"}}, ""), ChemDbDone);
  EXPECT_EQ(ChemDbState.RecordIndex, 1);
  EXPECT_EQ(FilePieces("dats/first.dat")[0], RecordText({{3, "NEW FIRST"}}));

  Find("CHLOROFORM");
  ASSERT_EQ(Write("i", {{3, "NEW LAST"}}, ""), ChemDbDone);
  EXPECT_EQ(Shown(), "NEW LAST");
  EXPECT_EQ(ChemDbState.RecordIndex, 5);
  const auto pieces = FilePieces("dats/first.dat");
  ASSERT_EQ(pieces.size(), 6u);
  EXPECT_EQ(pieces[4], RecordText({{3, "NEW LAST"}}));
  EXPECT_EQ(pieces[5], "\\\n");
  // The other file is untouched.
  EXPECT_EQ(ReadFile("dats/second.dat"), DatabaseText({NamedRecord("DIOXANE")}));
}

TEST_F(DatabaseWrite, StoreWithoutACurrentRecordPutsTheRecordFirst) {
  ChemDbResetCursor();
  ChemDbRecord.Clear();
  SafetyDataText.clear();
  ChemDbRecord.slots[3] = "FIRST OF ALL";
  ASSERT_EQ(ChemDbRun("", "b"), ChemDbDone);
  EXPECT_EQ(ChemDbState.RecordIndex, 1);
  EXPECT_EQ(FilePieces("dats/first.dat")[0], RecordText({{3, "FIRST OF ALL"}}));
}

TEST_F(DatabaseWrite, StoreInTheSecondFileAndIntoAFileWithoutItsClosingLine) {
  const std::string dioxane = RecordText({{3, "DIOXANE"}, {200, "end"}});
  WriteFile("dats/second.dat", dioxane.substr(0, dioxane.size() - 1));  // no last line feed, no closing line
  Find("DIOXANE");
  EXPECT_EQ(ChemDbState.FileIndex, 2);
  ASSERT_EQ(Write("i", {{3, "PYRIDINE"}}, ""), ChemDbDone);
  EXPECT_EQ(Shown(), "PYRIDINE");
  EXPECT_EQ(RunningNumber(), 5);
  EXPECT_EQ(ReadFile("dats/second.dat"), DatabaseText({dioxane, NamedRecord("PYRIDINE")}));
  EXPECT_EQ(ReadFile("dats/first.dat"), DatabaseText(first_));
}

TEST_F(DatabaseWrite, OverwriteLaysTheWindowsFieldsOverTheRecordsLines) {
  Find("ACETONE");
  ASSERT_EQ(Write("c", {{3, "propanone"}, {5, "67-64-1"}, {8, "C3H6O"}, {54, "-94.7"}, {14, " "}}), ChemDbDone);
  EXPECT_EQ(Shown(), "PROPANONE");
  EXPECT_EQ(ChemDbState.RecordIndex, 1);
  const auto pieces = FilePieces("dats/first.dat");
  ASSERT_EQ(pieces.size(), 4u);
  const auto lines = TextLines(pieces[0]);
  ASSERT_EQ(lines.size(), 200u);
  EXPECT_EQ(lines[1], "free search line");
  EXPECT_EQ(lines[2], "PROPANONE");
  EXPECT_EQ(lines[4], "67-64-1");
  EXPECT_EQ(lines[8], "DIMETHYL KETONE");
  EXPECT_EQ(lines[13], "");  // a field of one blank
  EXPECT_EQ(lines[34] + lines[35] + lines[36], "171513651220");
  EXPECT_EQ(lines[53], "-94.7");
  EXPECT_EQ(lines[83], "20");
  EXPECT_EQ(lines[119], std::string(60, 'L'));
  EXPECT_EQ(lines[198], "S1|S2\aline 2|");  // the safety text as the record brought it
  EXPECT_EQ(lines[10], "H6C3O");
  EXPECT_EQ(lines[38], "HCO");
  EXPECT_EQ(pieces[1], first_[1]);
  EXPECT_EQ(pieces[2], first_[2]);
}

TEST_F(DatabaseWrite, OverwriteKeepsTheLinesOfALongRecordAndFillsAShortOne) {
  Find("BENZENE");
  ASSERT_EQ(Write("c", {{3, "BENZOL"}}), ChemDbDone);
  auto lines = TextLines(FilePieces("dats/first.dat")[1]);
  ASSERT_EQ(lines.size(), 205u);
  EXPECT_EQ(lines[2], "BENZOL");
  EXPECT_EQ(lines[149], "kept");

  WriteFile("dats/second.dat", "\\\nfree\nSHORT\n\\\n");
  Find("SHORT");
  ASSERT_EQ(Write("c", {{3, "SHORT"}, {181, "label"}}), ChemDbDone);
  lines = TextLines(FilePieces("dats/second.dat")[0]);
  ASSERT_EQ(lines.size(), 200u);
  EXPECT_EQ(lines[1], "free");
  EXPECT_EQ(lines[180], "label");
}

TEST_F(DatabaseWrite, DeleteTheFirstTheLastAndTheOnlyRecord) {
  Find("ACETONE");
  ASSERT_EQ(Write("d"), ChemDbDone);
  EXPECT_EQ(Shown(), "BENZENE");
  EXPECT_EQ(ChemDbState.RecordIndex, 1);
  EXPECT_EQ(ReadFile("dats/first.dat"), DatabaseText({first_[1], first_[2]}));

  Find("CHLOROFORM");
  ASSERT_EQ(Write("d"), ChemDbDone);
  EXPECT_EQ(Shown(), "DIOXANE");  // the step goes on into the next file
  EXPECT_EQ(ReadFile("dats/first.dat"), DatabaseText({first_[1]}));

  ASSERT_EQ(Write("d"), ChemDbDone);  // the only record of a file leaves one empty record
  EXPECT_EQ(ChemDbFileName, "second");
  EXPECT_EQ(ChemDbState.RecordIndex, 1);
  EXPECT_EQ(Shown(), "");
  const auto lines = TextLines(ReadFile("dats/second.dat"));
  ASSERT_EQ(lines.size(), 201u);
  EXPECT_EQ(lines.front(), "\\");
  EXPECT_EQ(lines.back(), "\\");
  EXPECT_EQ(std::count(lines.begin() + 1, lines.end() - 1, ""), 199);
}

TEST_F(DatabaseWrite, DeleteInAFileWithoutItsClosingLine) {
  std::string cut = DatabaseText({NamedRecord("ONE"), NamedRecord("TWO"), NamedRecord("THREE")});
  cut.resize(cut.size() - 3);  // the closing line and the last line feeds
  WriteFile("dats/second.dat", cut);
  Find("THREE");
  ASSERT_EQ(Write("d"), ChemDbDone);
  EXPECT_EQ(ReadFile("dats/second.dat"), DatabaseText({NamedRecord("ONE"), NamedRecord("TWO")}));
}

TEST_F(DatabaseWrite, TheSafetyTextTravelsAsBelAndComesBackAsLineBreaks) {
  Find("ACETONE");
  EXPECT_EQ(SafetyDataText, "S1|S2\r\nline 2|");
  ChemDbRecord.Clear();
  ChemDbRecord.slots[3] = "ACETONE";
  SafetyDataText = "first\r\nsecond\tcolumn|\x01|\\";
  ASSERT_EQ(ChemDbRun("", "c"), ChemDbDone);
  EXPECT_EQ(TextLines(ReadFile("dats/first.dat"))[198], "first\asecond\tcolumn||\\");
  CommandStep("s ");
  EXPECT_EQ(SafetyDataText, "first\r\nsecond\tcolumn||\\");

  Find("ACETONE");
  ChemDbRecord.slots[3] = "ACETONE";
  SafetyDataText = "\\starts with a backslash";
  ASSERT_EQ(ChemDbRun("", "c"), ChemDbDone);
  EXPECT_EQ(TextLines(ReadFile("dats/first.dat"))[198], " \\starts with a backslash");
}

TEST_F(DatabaseWrite, AStoredRecordIsCleanedAndItsFormulaComputed) {
  Find("CHLOROFORM");
  ASSERT_EQ(Write("i", {{3, "svovelsyre \xe6\xf8\xe5"},
                        {4, " "},
                        {7, "sulphuric acid"},
                        {8, "H2SO4"},
                        {14, "\\backslash"},
                        {22, "tab\there"},
                        {10, "typed"}}),
            ChemDbDone);
  const auto lines = TextLines(FilePieces("dats/first.dat")[3]);
  ASSERT_EQ(lines.size(), 200u);
  EXPECT_EQ(lines[2], "SVOVELSYRE \xc6\xd8\xc5");
  EXPECT_EQ(lines[3], " ");
  EXPECT_EQ(lines[6], "SULPHURIC ACID");
  EXPECT_EQ(lines[13], " \\backslash");
  EXPECT_EQ(lines[21], "tabhere");
  // 2 x 1.00794 + 32.066 + 4 x 15.9994 g/mol, written with six decimals.
  ASSERT_EQ(lines[9].size(), std::string("98.079...").size());
  EXPECT_NEAR(std::strtod(lines[9].c_str(), nullptr), 98.07948, 1e-4);
  EXPECT_EQ(lines[10], "H2O4S");
  EXPECT_EQ(lines[38], "HOS");

  // A formula the parser refuses leaves the computed lines empty; without the automatic mass the
  // typed mass stays.
  AutoFormulaMass = 0;
  ASSERT_EQ(Write("c", {{3, "BAD"}, {8, "H2SO4(s)"}, {10, "98"}, {11, "stale"}}), ChemDbDone);
  const auto bad = TextLines(FilePieces("dats/first.dat")[3]);
  EXPECT_EQ(bad[9], "98");
  EXPECT_EQ(bad[10], "");
  EXPECT_EQ(bad[38], "");
}

TEST_F(DatabaseWrite, AFailedRewriteChangesNothingAndSaysSo) {
  const std::string before = ReadFile("dats/first.dat");
  Find("BENZENE");
  FailRenames = true;
  const int store = Write("i", {{3, "LOST?"}});
  const int overwrite = Write("c", {{3, "LOST?"}});
  const int erase = Write("d");
  FailRenames = false;
  EXPECT_EQ(store, ChemDbWriteFailed);
  EXPECT_EQ(overwrite, ChemDbWriteFailed);
  EXPECT_EQ(erase, ChemDbWriteFailed);
  EXPECT_EQ(ReadFile("dats/first.dat"), before);
  EXPECT_EQ(Shown(), "BENZENE");  // the step after a failed write shows the same record
  int files = 0;
  for ([[maybe_unused]] const auto& entry : fs::directory_iterator("dats")) ++files;
  EXPECT_EQ(files, 3);  // no temporary file is left behind

  // A file marked read-only is not written either (and reads as missing, as every table).
  Find("BENZENE");
  fs::permissions("dats/first.dat", fs::perms::owner_read);
  ChemDbRecord.slots[3] = "LOST?";
  EXPECT_EQ(ChemDbRun("", "c"), ChemDbWriteFailed);
  fs::permissions("dats/first.dat", fs::perms::owner_read | fs::perms::owner_write);
  EXPECT_EQ(ReadFile("dats/first.dat"), before);
}

TEST_F(DatabaseWrite, OverwriteAndDeleteNeedARecord) {
  WriteList({"dats\\empty.dat"});
  WriteFile("dats/empty.dat", "\\\n");
  ChemDbResetCursor();
  ChemDbState.RecordIndex = 1;  // the closing line of an empty file, as the step to a file shows it
  EXPECT_EQ(ChemDbRun("", "c"), ChemDbWriteFailed);
  EXPECT_EQ(ChemDbRun("", "d"), ChemDbWriteFailed);
  EXPECT_EQ(ReadFile("dats/empty.dat"), "\\\n");
  ChemDbRecord.Clear();
  SafetyDataText.clear();
  ChemDbRecord.slots[3] = "FIRST";
  EXPECT_EQ(ChemDbRun("", "i"), ChemDbDone);
  EXPECT_EQ(ReadFile("dats/empty.dat"), DatabaseText({NamedRecord("FIRST")}));
}

}  // namespace
