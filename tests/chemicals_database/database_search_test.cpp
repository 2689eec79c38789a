// Searches and steps over database files written by the tests: which record a command finds, in
// which file, and what the cursor says afterwards.

#include <gtest/gtest.h>

#include <filesystem>

#include "chemicals_database/model/database_engine.h"
#include "engine/formtext.h"
#include "tests/chemicals_database/database_fixture.h"

namespace {

namespace fs = std::filesystem;

class DatabaseSearch : public DatabaseTest {
 protected:
  // The names found by running the command again and again from the first record until the walk
  // has nothing further.
  static std::vector<std::string> AllHits(const std::string& command) {
    std::vector<std::string> names;
    ChemDbResetCursor();
    while (ChemDbRun(command) == ChemDbDone) names.push_back(Shown());
    return names;
  }
};

TEST_F(DatabaseSearch, ASearchExaminesTheFirstRecordAndSaysWhenNothingIsFound) {
  WriteList({"dats\\kjemi???.dat", "dats\\annen???.dat", "*"});
  WriteNamedFile("dats/kjemi047.dat", {"ALPHA", "BETA"});
  WriteNamedFile("dats/annen047.dat", {"GAMMA", "ALPHA"});

  ASSERT_EQ(ChemDbRun("s na\\alpha"), ChemDbDone);
  EXPECT_EQ(Shown(), "ALPHA");
  EXPECT_EQ(ChemDbState.FileIndex, 1);
  EXPECT_EQ(ChemDbState.RecordIndex, 1);
  EXPECT_EQ(ChemDbFileName, "kjemi047");

  // Onward from there: the second ALPHA, in the second file, running number 2 + 2.
  ASSERT_EQ(ChemDbRun("s na\\alpha"), ChemDbDone);
  EXPECT_EQ(ChemDbFileName, "annen047");
  EXPECT_EQ(ChemDbState.FileIndex, 2);
  EXPECT_EQ(ChemDbState.RecordIndex, 2);
  EXPECT_EQ(RunningNumber(), 4);

  ChemDbRecord.Clear();
  EXPECT_EQ(ChemDbRun("s na\\alpha"), ChemDbNothingFound);
  EXPECT_EQ(ChemDbState.FileIndex, 0);
  EXPECT_EQ(ChemDbState.RecordBase, 0);
  EXPECT_EQ(Shown(), "");
}

TEST_F(DatabaseSearch, TheLanguageCodeChoosesTheFiles) {
  WriteList({"dats\\kjemi???.dat"});
  WriteNamedFile("dats/kjemi047.dat", {"VANN"});
  WriteNamedFile("dats/kjemi044.dat", {"WATER"});
  LanguageCode = EnglishLanguage;
  ASSERT_EQ(ChemDbRun("s "), ChemDbDone);
  EXPECT_EQ(Shown(), "WATER");
  ChemDbResetCursor();
  LanguageCode = NorwegianLanguage;
  ASSERT_EQ(ChemDbRun("s "), ChemDbDone);
  EXPECT_EQ(Shown(), "VANN");
}

TEST_F(DatabaseSearch, NumericLinesMatchStrictlyWithinTheTolerance) {
  WriteList({"dats\\tall.dat"});
  WriteFile("dats/tall.dat", DatabaseText({RecordText({{3, "A"}, {10, "18.5"}}), RecordText({{3, "B"}, {10, "19.0"}}),
                                           RecordText({{3, "C"}, {10, "17"}}), RecordText({{3, "D"}, {10, "20.2"}}),
                                           RecordText({{3, "E"}, {10, "18 g"}}), RecordText({{3, "F"}, {10, "-18"}})}));
  SkDev = 1.1f;
  EXPECT_EQ(AllHits("s fm\\18"), (std::vector<std::string>{"A", "B", "C"}));
  SkDev = 1.0f;
  EXPECT_EQ(AllHits("s fm\\18"), (std::vector<std::string>{"A"}));
  EXPECT_EQ(AllHits("s fm\\-18.5"), (std::vector<std::string>{"F"}));
  // A value that is no number matches nothing on a numeric line.
  EXPECT_EQ(AllHits("s fm\\18 g"), std::vector<std::string>{});
}

TEST_F(DatabaseSearch, WholeLineSearchAgainstContainingSearch) {
  WriteList({"dats\\f.dat"});
  WriteFile("dats/f.dat",
            DatabaseText({RecordText({{3, "SULPHURIC ACID"}, {8, "H2SO4"}}),
                          RecordText({{3, "OLEUM"}, {8, "H2SO4*SO3"}}), RecordText({{3, "WATER"}, {8, "H2O"}})}));
  EXPECT_EQ(AllHits("sk mf\\H2SO4"), std::vector<std::string>{"SULPHURIC ACID"});
  EXPECT_EQ(AllHits("s mf\\H2SO4"), (std::vector<std::string>{"SULPHURIC ACID", "OLEUM"}));
  EXPECT_EQ(AllHits("sk na\\SULPHURIC"), std::vector<std::string>{});
}

TEST_F(DatabaseSearch, ANameInTwoNameLinesCountsOnceBesideASecondCriterion) {
  WriteList({"dats\\n.dat"});
  WriteFile("dats/n.dat", DatabaseText({RecordText({{3, "ETHANOL"}, {7, "ETHANOL"}, {5, "64-17-5"}}),
                                        RecordText({{3, "ETHANOL"}, {4, "ETHANOL"}, {9, "ETHANOL"}, {5, "1-1-1"}}),
                                        RecordText({{3, "METHANOL"}, {4, "ETHANOL"}, {5, "67-56-1"}, {181, "B2"}})}));
  EXPECT_EQ(AllHits("s na\\ethanol|cas\\64-17-5"), std::vector<std::string>{"ETHANOL"});
  EXPECT_EQ(AllHits("s na\\ethanol|181\\B2"), std::vector<std::string>{"METHANOL"});
  EXPECT_EQ(AllHits("s na\\ethanol|cas\\1-1-1|mf\\X"), std::vector<std::string>{});
}

TEST_F(DatabaseSearch, AMultiWordNameIsSoughtWholeWithTheCriteriaAfterIt) {
  WriteList({"dats\\n.dat"});
  WriteFile("dats/n.dat", DatabaseText({RecordText({{3, "ETHYL ALCOHOL"}, {5, "64-17-5"}}),
                                        RecordText({{3, "ETHYL ACETATE"}, {5, "64-17-5"}}),
                                        RecordText({{3, "ETHYL ACETATE"}, {5, "141-78-6"}})}));
  ChemDbResetCursor();
  ASSERT_EQ(ChemDbRun("s na\\ethyl acetate|cas\\141-78-6  "), ChemDbDone);
  EXPECT_EQ(ChemDbState.RecordIndex, 3);
}

TEST_F(DatabaseSearch, LongLinesAreSeenAsEmptyAndTheAnyLineKeySearchesTheRest) {
  WriteList({"dats\\l.dat"});
  const std::string longName(49, 'X');
  WriteFile("dats/l.dat", DatabaseText({RecordText({{3, longName}, {199, "SECRET in a long safety text " + longName}}),
                                        RecordText({{3, "SHORT"}, {150, "free line SECRET"}, {54, "-114"}})}));
  EXPECT_EQ(AllHits("s 3\\XX"), std::vector<std::string>{});
  EXPECT_EQ(AllHits("s ?\\SECRET"), std::vector<std::string>{"SHORT"});
  EXPECT_EQ(AllHits("s ?\\-114.5"), std::vector<std::string>{"SHORT"});  // numeric on line 54
  // The loaded long line is cut to the slot's 51 characters; the safety text is whole.
  ChemDbResetCursor();
  ASSERT_EQ(ChemDbRun("s "), ChemDbDone);
  EXPECT_EQ(Shown(), longName);
  EXPECT_EQ(SafetyDataText, "SECRET in a long safety text " + longName);
}

TEST_F(DatabaseSearch, AShortRecordEndsAtTheNextBackslashLine) {
  WriteList({"dats\\s.dat"});
  WriteFile("dats/s.dat", "\\\nline 2\nSHORT\n" + RecordText({{3, "LONG"}, {199, "text"}}) + "\\\n");
  First();
  EXPECT_EQ(Shown(), "SHORT");
  EXPECT_EQ(ChemDbRecord.slots[2], "line 2");
  EXPECT_EQ(ChemDbRecord.slots[4], "");
  EXPECT_EQ(SafetyDataText, "");
  Next();
  EXPECT_EQ(Shown(), "LONG");
  EXPECT_EQ(ChemDbState.RecordIndex, 2);
  EXPECT_EQ(SafetyDataText, "text");
}

TEST_F(DatabaseSearch, ATruncatedFileStillShowsItsRecords) {
  WriteList({"dats\\t.dat", "dats\\u.dat"});
  std::string cut = RecordText({{3, "WHOLE"}}) + RecordText({{3, "CUT"}, {5, "7732-18-5"}});
  cut.resize(cut.find("7732") + 4);  // no line feed, no closing backslash line
  WriteFile("dats/t.dat", cut);
  WriteNamedFile("dats/u.dat", {"NEXT"});
  EXPECT_EQ(AllHits("s "), (std::vector<std::string>{"WHOLE", "CUT", "NEXT"}));
  ChemDbResetCursor();
  ASSERT_EQ(ChemDbRun("s cas\\7732"), ChemDbDone);
  EXPECT_EQ(ChemDbRecord.slots[5], "7732");
  // The running number of the next file's record counts both records of the cut file.
  ChemDbResetCursor();
  ASSERT_EQ(ChemDbRun("s na\\NEXT"), ChemDbDone);
  EXPECT_EQ(RunningNumber(), 3);
}

TEST_F(DatabaseSearch, WithoutAListNothingIsRead) { EXPECT_EQ(ChemDbRun("s "), ChemDbFileMissing); }

TEST_F(DatabaseSearch, AChangedFileIsReadAnew) {
  WriteList({"dats\\c.dat"});
  WriteNamedFile("dats/c.dat", {"OLD1", "OLD2"});
  EXPECT_EQ(AllHits("s "), (std::vector<std::string>{"OLD1", "OLD2"}));
  // Same size, later time.
  WriteNamedFile("dats/c.dat", {"NEW1", "NEW2"});
  fs::last_write_time("dats/c.dat", fs::last_write_time("dats/c.dat") + std::chrono::seconds(2));
  EXPECT_EQ(AllHits("s "), (std::vector<std::string>{"NEW1", "NEW2"}));
  // Another size: the offsets of the records move.
  WriteFile("dats/c.dat",
            DatabaseText({RecordText({{2, "a longer line two"}, {3, "N1"}}), NamedRecord("N2"), NamedRecord("N3")}));
  EXPECT_EQ(AllHits("s "), (std::vector<std::string>{"N1", "N2", "N3"}));
}

// Three files of 3, 1 and 2 records, stepped through as the window's buttons step.
class DatabaseNavigation : public DatabaseTest {
 protected:
  void SetUp() override {
    DatabaseTest::SetUp();
    WriteList({"* the test's chemicals", "dats\\a.dat", "dats\\b.dat", "dats\\c.dat", "*"});
    WriteNamedFile("dats/a.dat", {"A1", "A2", "A3"});
    WriteNamedFile("dats/b.dat", {"B1"});
    WriteNamedFile("dats/c.dat", {"C1", "C2"});
    ChemDbState.FileIndex = 0;
    First();
  }

  static void GoTo(const std::string& name) {
    First();
    for (int i = 0; i < 6 && Shown() != name; ++i) Next();
    ASSERT_EQ(Shown(), name);
  }
};

TEST_F(DatabaseNavigation, NextWalksEveryRecordAndStartsOverAfterTheLast) {
  std::vector<std::string> shown = {Shown()};
  std::vector<int> numbers = {RunningNumber()};
  for (int i = 0; i < 6; ++i) {
    Next();
    shown.push_back(Shown());
    numbers.push_back(RunningNumber());
  }
  EXPECT_EQ(shown, (std::vector<std::string>{"A1", "A2", "A3", "B1", "C1", "C2", "A1"}));
  EXPECT_EQ(numbers, (std::vector<int>{1, 2, 3, 4, 5, 6, 1}));
}

TEST_F(DatabaseNavigation, PreviousCrossesFilesBackwardAndStaysAtTheFirstRecord) {
  const std::pair<std::string, std::string> steps[] = {{"A1", "A1"}, {"A2", "A1"}, {"A3", "A2"},
                                                       {"B1", "A3"}, {"C1", "B1"}, {"C2", "C1"}};
  for (const auto& [from, to] : steps) {
    GoTo(from);
    Previous();
    EXPECT_EQ(Shown(), to) << "from " << from;
    EXPECT_EQ(ChemDbState.GlobalTarget, NoGlobalTarget);
  }
}

TEST_F(DatabaseNavigation, LastShowsTheLastRecordOfTheLastFile) {
  Last();
  EXPECT_EQ(Shown(), "C2");
  EXPECT_EQ(RunningNumber(), 6);
  EXPECT_EQ(ChemDbFileName, "c");
}

TEST_F(DatabaseNavigation, FileStepsShowTheFirstRecordOfTheNextAndPreviousFile) {
  const std::pair<std::string, std::string> forward[] = {{"A2", "B1"}, {"B1", "C1"}, {"C2", "A1"}};
  for (const auto& [from, to] : forward) {
    GoTo(from);
    NextFile();
    EXPECT_EQ(Shown(), to) << "from " << from;
  }
  const std::pair<std::string, std::string> backward[] = {{"A3", "A1"}, {"B1", "A1"}, {"C2", "B1"}, {"C1", "B1"}};
  for (const auto& [from, to] : backward) {
    GoTo(from);
    PreviousFile();
    EXPECT_EQ(Shown(), to) << "from " << from;
  }
}

TEST_F(DatabaseNavigation, TheStepToTheNextFileIgnoresTheSearchFields) {
  GoTo("A1");
  ChemDbState.FileStepMode = FileStepLeaving;
  ChemDbState.GlobalTarget = CountingRun;
  CommandStep("s na\\A2|cas\\nowhere");
  EXPECT_EQ(Shown(), "B1");
}

TEST_F(DatabaseNavigation, EmptyFilesArePassedByStepsAndShownByTheFileStep) {
  WriteList({"dats\\a.dat", "dats\\empty.dat", "dats\\b.dat"});
  WriteFile("dats/empty.dat", "\\\n");
  GoTo("A3");
  Next();
  EXPECT_EQ(Shown(), "B1");
  Previous();
  EXPECT_EQ(Shown(), "A3");
  NextFile();
  EXPECT_EQ(ChemDbFileName, "empty");
  EXPECT_EQ(Shown(), "");
  EXPECT_EQ(ChemDbState.RecordIndex, 1);
}

}  // namespace
