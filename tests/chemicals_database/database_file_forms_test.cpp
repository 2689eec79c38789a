// Database files as users keep them: lines ended by CR or CR LF, saved as UTF-8, marked read-only,
// missing or unreadable among the listed files. Every record is found, every other file still
// reached, and a rewrite leaves one whole file in the program's own form.

#include <gtest/gtest.h>

#include <filesystem>

#include "chemicals_database/model/database_engine.h"
#include "chemicals_database/model/record_names.h"
#include "platform/gdi/charset.h"
#include "tests/chemicals_database/database_fixture.h"

namespace {

namespace fs = std::filesystem;

std::string WithLineEnds(const std::string& text, const std::string& lineEnd) {
  std::string changed;
  for (const char c : text) changed += c == '\n' ? lineEnd : std::string(1, c);
  return changed;
}

class DatabaseFileForms : public DatabaseTest {
 protected:
  void SetUp() override {
    DatabaseTest::SetUp();
    WriteList({"dats\\first.dat", "dats\\second.dat", "*"});
    WriteNamedFile("dats/second.dat", {"DIOXANE"});
  }

  static std::vector<std::string> Names() { return ReadRecordNames(NorwegianLanguage).names; }

  // Every record from the first on, as the window's ">" steps.
  static std::vector<std::string> Stepped() {
    std::vector<std::string> names;
    ChemDbResetCursor();
    while (ChemDbRun("s ") == ChemDbDone) names.push_back(Shown() + " " + std::to_string(RunningNumber()));
    return names;
  }

  static int StoreAfterFirst(const std::string& name) {
    ChemDbResetCursor();
    EXPECT_EQ(ChemDbRun("s "), ChemDbDone);
    ChemDbRecord.Clear();
    ChemDbRecord.slots[3] = name;
    return ChemDbRun("", "i");
  }

  static const std::string& First() {
    static const std::string text =
        DatabaseText({RecordText({{3, "ACETONE"}, {5, "67-64-1"}}), NamedRecord("BENZENE")});
    return text;
  }
};

TEST_F(DatabaseFileForms, RecordsOfEveryLineEndAreListedFoundAndStepped) {
  for (const std::string lineEnd : {"\n", "\r\n", "\r"}) {
    WriteFile("dats/first.dat", WithLineEnds(First(), lineEnd));
    EXPECT_EQ(Names(), (std::vector<std::string>{"ACETONE", "BENZENE", "DIOXANE"})) << int(lineEnd.size());
    EXPECT_EQ(Stepped(), (std::vector<std::string>{"ACETONE 1", "BENZENE 2", "DIOXANE 3"}));
    ChemDbResetCursor();
    ASSERT_EQ(ChemDbRun("s na\\benzene"), ChemDbDone);
    EXPECT_EQ(RunningNumber(), 2);
    ChemDbResetCursor();
    ASSERT_EQ(ChemDbRun("s cas\\67-64-1|na\\acetone"), ChemDbDone);
    EXPECT_EQ(Shown(), "ACETONE");
  }
}

// A store, overwrite or delete in a file with CR or CR LF line ends writes the whole file with LF.
TEST_F(DatabaseFileForms, ARewriteWritesTheWholeFileWithLineFeeds) {
  const auto expectAllLf = [](const std::string& what) {
    const std::string text = ReadFile("dats/first.dat");
    EXPECT_EQ(text.find('\r'), std::string::npos) << what;
  };
  for (const std::string lineEnd : {"\r\n", "\r"}) {
    WriteFile("dats/first.dat", WithLineEnds(First(), lineEnd));
    ASSERT_EQ(StoreAfterFirst("CHLOROFORM"), ChemDbDone);
    expectAllLf("store");
    EXPECT_EQ(ReadFile("dats/first.dat"), DatabaseText({RecordText({{3, "ACETONE"}, {5, "67-64-1"}}),
                                                        NamedRecord("CHLOROFORM"), NamedRecord("BENZENE")}));

    WriteFile("dats/first.dat", WithLineEnds(First(), lineEnd));
    ChemDbResetCursor();
    ASSERT_EQ(ChemDbRun("s "), ChemDbDone);
    ChemDbRecord.slots[4] = "DIMETHYLKETON";
    ASSERT_EQ(ChemDbRun("", "c"), ChemDbDone);
    expectAllLf("overwrite");
    EXPECT_EQ(Names(), (std::vector<std::string>{"ACETONE", "BENZENE", "DIOXANE"}));

    WriteFile("dats/first.dat", WithLineEnds(First(), lineEnd));
    ChemDbResetCursor();
    ASSERT_EQ(ChemDbRun("s "), ChemDbDone);
    ASSERT_EQ(ChemDbRun("", "d"), ChemDbDone);
    EXPECT_EQ(ReadFile("dats/first.dat"), DatabaseText({NamedRecord("BENZENE")}));
  }
}

// A file saved as UTF-8 reads as the program's character set; a store writes it back whole in it.
TEST_F(DatabaseFileForms, AUtf8FileIsReadConvertedAndWrittenBackInTheProgramsCharacterSet) {
  const std::string name = "HYDROGENKLORID\xC6\xD8\xC5";
  const std::string inProgramText = DatabaseText({NamedRecord(name), NamedRecord("BENZENE")});
  WriteFile("dats/first.dat", "\xEF\xBB\xBF" + Utf8FromCp1252(inProgramText));
  EXPECT_EQ(Names(), (std::vector<std::string>{name, "BENZENE", "DIOXANE"}));
  ChemDbResetCursor();
  ASSERT_EQ(ChemDbRun("s na\\hydrogenklorid\xE6\xF8\xE5"), ChemDbDone);
  EXPECT_EQ(Shown(), name);

  ASSERT_EQ(StoreAfterFirst("\xC6TER"), ChemDbDone);
  EXPECT_EQ(ReadFile("dats/first.dat"),
            DatabaseText({NamedRecord(name), NamedRecord("\xC6TER"), NamedRecord("BENZENE")}));
  EXPECT_EQ(Names(), (std::vector<std::string>{name, "\xC6TER", "BENZENE", "DIOXANE"}));
}

// A line longer than the blocks the file is read in, its end cut inside a character, leaves the
// file UTF-8: the character is checked whole.
TEST_F(DatabaseFileForms, AUtf8LineLongerThanAReadBlockLeavesTheFileUtf8) {
  const std::string name = "HYDROGENKLORID\xC6\xD8\xC5";
  const std::string longLine = "x" + std::string(200000, '\xE9');
  WriteFile("dats/first.dat", Utf8FromCp1252(DatabaseText({RecordText({{2, longLine}, {3, name}}), NamedRecord("BENZENE")})));
  EXPECT_EQ(Names(), (std::vector<std::string>{name, "BENZENE", "DIOXANE"}));
}

// A Windows-1252 file whose letters happen to make no UTF-8 is taken byte for byte.
TEST_F(DatabaseFileForms, AWindows1252FileIsTakenAsItStands) {
  WriteFile("dats/first.dat", DatabaseText({NamedRecord("\xC6TER"), NamedRecord("S\xD8LV")}));
  EXPECT_EQ(Names(), (std::vector<std::string>{"\xC6TER", "S\xD8LV", "DIOXANE"}));
  ASSERT_EQ(StoreAfterFirst("NY"), ChemDbDone);
  EXPECT_EQ(ReadFile("dats/first.dat"),
            DatabaseText({NamedRecord("\xC6TER"), NamedRecord("NY"), NamedRecord("S\xD8LV")}));
}

// A read-only file is read like any other; a write into it is refused and leaves it as it was.
TEST_F(DatabaseFileForms, AReadOnlyFileIsReadAndItsEditsRefused) {
  WriteFile("dats/first.dat", First());
  fs::permissions("dats/first.dat", fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
  EXPECT_EQ(Names(), (std::vector<std::string>{"ACETONE", "BENZENE", "DIOXANE"}));
  EXPECT_EQ(Stepped(), (std::vector<std::string>{"ACETONE 1", "BENZENE 2", "DIOXANE 3"}));
  EXPECT_EQ(StoreAfterFirst("CHLOROFORM"), ChemDbWriteFailed);
  ChemDbResetCursor();
  ASSERT_EQ(ChemDbRun("s "), ChemDbDone);
  EXPECT_EQ(ChemDbRun("", "d"), ChemDbWriteFailed);
  EXPECT_EQ(ReadFile("dats/first.dat"), First());
}

// A listed file that is missing or no file at all (a folder) holds no records; the others are
// listed and reached, and the list says which it could not read.
TEST_F(DatabaseFileForms, MissingAndUnreadableFilesArePassedOverAndNamed) {
  WriteList({"dats\\missing.dat", "dats\\first.dat", "dats\\folder.dat", "dats\\second.dat", "*"});
  WriteFile("dats/first.dat", First());
  fs::create_directory("dats/folder.dat");
  const DatabaseNames database = ReadRecordNames(NorwegianLanguage);
  EXPECT_TRUE(database.listed);
  EXPECT_EQ(database.names, (std::vector<std::string>{"ACETONE", "BENZENE", "DIOXANE"}));
  EXPECT_EQ(database.unreachable, (std::vector<std::string>{"dats\\missing.dat", "dats\\folder.dat"}));
  EXPECT_EQ(Stepped(), (std::vector<std::string>{"ACETONE 1", "BENZENE 2", "DIOXANE 3"}));
  ChemDbResetCursor();
  ASSERT_EQ(ChemDbRun("s na\\dioxane"), ChemDbDone);
  EXPECT_EQ(ChemDbFileName, "second");
  EXPECT_EQ(RunningNumber(), 3);
  Last();
  EXPECT_EQ(Shown(), "DIOXANE");
  Previous();
  EXPECT_EQ(Shown(), "BENZENE");
}

TEST_F(DatabaseFileForms, AMissingOrEmptyListIsSaid) {
  fs::remove("dats/opendats.dat");
  EXPECT_FALSE(ReadRecordNames(NorwegianLanguage).listed);
  WriteList({"* no files"});
  EXPECT_FALSE(ReadRecordNames(NorwegianLanguage).listed);
  WriteList({"dats\\first.dat"});
  WriteFile("dats/first.dat", First());
  fs::permissions("dats/opendats.dat", fs::perms::owner_read);
  EXPECT_EQ(ReadRecordNames(NorwegianLanguage).names, (std::vector<std::string>{"ACETONE", "BENZENE"}));
}

}  // namespace
