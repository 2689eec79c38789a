// Scripted sessions of the real program with the start-up tool set to the chemicals database:
// searching, stepping, storing, overwriting and deleting, and the formula information window.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>
#include <thread>

#include "resources/formula_info_ids.h"
#include "resources/chemicals_database_ids.h"
#include "tests/app/session_runner.h"
#include "tests/app/settings_fixture.h"
#include "tests/support/png_picture.h"
#include "tests/support/script_steps.h"

namespace {

namespace fs = std::filesystem;
using namespace steps;

const fs::path DatabaseFolder = fs::path("dats") / "datfiles" / "kjemikal";

// A record as the program writes it: lines 2 to 199 and an empty line 200.
std::string Record(const std::map<int, std::string>& lines) {
  std::string text = "\\\n";
  for (int line = 2; line <= 200; ++line) {
    const auto found = lines.find(line);
    text += (found != lines.end() ? found->second : "") + "\n";
  }
  return text;
}

std::string Compound(const std::string& name, const std::string& formula, const std::string& english = "") {
  return Record({{3, name}, {7, english}, {8, formula}, {9, "KEEP LINE 9"}});
}

class DatabaseWindowSession : public ::testing::Test {
 protected:
  DatabaseWindowSession() {
    fs::create_directories(folder.Path() / DatabaseFolder);
    std::ofstream(folder.Path() / "dats" / "opendats.dat", std::ios::binary)
        << "* the database\ndats\\datfiles\\kjemikal\\first???.dat\ndats\\datfiles\\kjemikal\\second???.dat\n*\n";
    WriteFile("first047.dat", {Compound("VANN", "H2O", "WATER"), Compound("NATRIUMKLORID", "NaCl"),
                               Compound("SALPETERSYRE FORTYNNET", "HNO3"), Compound("VANN", "D2O")});
    WriteFile("second047.dat", {Compound("ETANOL", "C2H5OH"), Compound("AMMONIAKK", "")});
    WriteFile("first044.dat", {Compound("WATER", "H2O")});
    WriteFile("second044.dat", {Compound("ETHANOL", "C2H5OH"), Compound("AMMONIA", "")});
  }

  void WriteFile(const std::string& name, const std::vector<std::string>& records) const {
    std::ofstream file(folder.Path() / DatabaseFolder / name, std::ios::binary);
    for (const std::string& record : records) file << record;
    file << "\\\n";
  }

  std::string ReadFile(const std::string& name) const {
    std::ifstream file(folder.Path() / DatabaseFolder / name, std::ios::binary);
    std::ostringstream text;
    text << file.rdbuf();
    return text.str();
  }

  SessionResult Run(const std::string& script, const std::string& languageCode = "47") {
    folder.WriteSettings(SettingsText(languageCode, "2"));
    SessionResult result = RunSession(folder.Path(), script);
    EXPECT_EQ(result.exitCode, 0);
    EXPECT_TRUE(result.LinesStartingWith("error:").empty()) << result.LinesStartingWith("error:").front();
    return result;
  }

  // The values the reading steps "text ID" printed, in order.
  static std::vector<std::string> Texts(const SessionResult& result, int id) {
    std::vector<std::string> values;
    const std::string prefix = TextLine(id, "");
    for (const std::string& line : result.LinesStartingWith(prefix)) values.push_back(line.substr(prefix.size()));
    return values;
  }

  static int MessageCount(const SessionResult& result, const std::string& headline) {
    return static_cast<int>(result.LinesStartingWith("messagebox: TAVRIN: " + headline).size());
  }

  // What the window shows of its record: name, running number, number in the file, file.
  static std::string Shown() {
    return Text(NameFieldId3) + Text(RecordPositionFieldId) + Text(FilePositionFieldId) + Text(FileNameFieldId);
  }

  WorkingFolder folder;
};

std::vector<std::string> ShownLines(const std::string& name, int running, int inFile, const std::string& file) {
  return {name, std::to_string(running), std::to_string(inFile), file};
}

TEST_F(DatabaseWindowSession, OpensOnTheFirstRecordWithEveryNameInTheList) {
  const SessionResult result = Run("window\n" + Shown() + Items(NameSearchComboId) + Text(FormulaErrorFieldId));
  EXPECT_EQ(result.LinesStartingWith("window:").front(), "window: KJEMIKALIEDATABASE: KJEMIKALIEDATABASE");
  EXPECT_EQ(Texts(result, NameFieldId3), std::vector<std::string>{"VANN"});
  EXPECT_EQ(Texts(result, RecordPositionFieldId), std::vector<std::string>{"1"});
  EXPECT_EQ(Texts(result, FilePositionFieldId), std::vector<std::string>{"1"});
  EXPECT_EQ(Texts(result, FileNameFieldId), std::vector<std::string>{"first047"});
  EXPECT_EQ(result.LinesStartingWith("items 10143:").front(),
            ItemsLine(NameSearchComboId, "AMMONIAKK\\tETANOL\\tNATRIUMKLORID\\tSALPETERSYRE FORTYNNET\\tVANN\\tVANN"));
  EXPECT_EQ(Texts(result, FormulaErrorFieldId), std::vector<std::string>{""});
}

// "Søke" examines the first record too; "-->" goes on to the next hit; past the last hit the window
// says so and shows the first record.
TEST_F(DatabaseWindowSession, SearchFindsEveryHitFromTheFirstRecordAndSaysWhenThereIsNoMore) {
  const SessionResult result =
      Run(Type(NameSearchComboId, "vann") + Click(SearchFromStartId) + Shown() + Click(SearchOnwardId) + Shown() +
          Click(SearchOnwardId) + Shown());
  const std::vector<std::string> running = Texts(result, RecordPositionFieldId);
  EXPECT_EQ(running, (std::vector<std::string>{"1", "4", "1"}));
  EXPECT_EQ(Texts(result, NameFieldId3), (std::vector<std::string>{"VANN", "VANN", "VANN"}));
  EXPECT_EQ(MessageCount(result, "INGEN TREFF"), 1);
}

TEST_F(DatabaseWindowSession, MultiWordNamesAndFormulasAreFoundAcrossFiles) {
  const SessionResult result = Run(Type(NameSearchComboId, "SALPETERSYRE FORTYNNET") + Type(FormulaSearchFieldId, "HNO3") +
                                   Click(SearchFromStartId) + Shown() + Click(ClearSearchId) +
                                   Type(FormulaSearchFieldId, "C2H5OH") + Click(SearchFromStartId) + Shown());
  EXPECT_EQ(Texts(result, NameFieldId3), (std::vector<std::string>{"SALPETERSYRE FORTYNNET", "ETANOL"}));
  EXPECT_EQ(Texts(result, RecordPositionFieldId), (std::vector<std::string>{"3", "5"}));
  EXPECT_EQ(Texts(result, FileNameFieldId), (std::vector<std::string>{"first047", "second047"}));
  EXPECT_EQ(MessageCount(result, "INGEN TREFF"), 0);
}

// A blank typed after a name does not keep a second criterion from finding the record.
TEST_F(DatabaseWindowSession, BlanksAroundSearchTextsAreNoPartOfThem) {
  const SessionResult result = Run(Type(NameSearchComboId, "etanol ") + Type(FormulaSearchFieldId, " C2H5OH") +
                                   Click(SearchFromStartId) + Shown());
  EXPECT_EQ(Texts(result, NameFieldId3), std::vector<std::string>{"ETANOL"});
  EXPECT_EQ(MessageCount(result, "INGEN TREFF"), 0);
}

TEST_F(DatabaseWindowSession, MissingOrReservedSearchTextIsRefused) {
  const SessionResult result = Run(Click(NextRecordId) + Click(SearchFromStartId) + Text(FormulaErrorFieldId) +
                                   Type(NameSearchComboId, "VA|NN") + Click(SearchFromStartId) + Shown());
  EXPECT_EQ(Texts(result, FormulaErrorFieldId), std::vector<std::string>{"Manglende søkedata"});
  EXPECT_EQ(MessageCount(result, "FOREKOMST AV RESERVERTE TEGN"), 1);
  // Neither refusal moved the window off the second record.
  EXPECT_EQ(Texts(result, RecordPositionFieldId), std::vector<std::string>{"2"});
}

TEST_F(DatabaseWindowSession, StepsThroughRecordsAndFiles) {
  const SessionResult result =
      Run(Click(NextRecordId) + Click(NextRecordId) + Click(NextRecordId) + Click(NextRecordId) + Shown() +
          Click(PreviousRecordId) + Shown() + Click(LastRecordId) + Shown() + Click(FirstRecordId) + Shown() +
          Click(NextFileId) + Shown() + Click(NextFileId) + Shown() + Click(NextFileId) + Click(PreviousFileId) + Shown() +
          Click(PreviousRecordId) + Shown());
  const std::vector<std::vector<std::string>> expected = {
      ShownLines("ETANOL", 5, 1, "second047"),  ShownLines("VANN", 4, 4, "first047"),
      ShownLines("AMMONIAKK", 6, 2, "second047"), ShownLines("VANN", 1, 1, "first047"),
      ShownLines("ETANOL", 5, 1, "second047"),  ShownLines("VANN", 1, 1, "first047"),
      ShownLines("VANN", 1, 1, "first047"),     ShownLines("VANN", 1, 1, "first047"),
  };
  const auto names = Texts(result, NameFieldId3);
  const auto running = Texts(result, RecordPositionFieldId);
  const auto inFile = Texts(result, FilePositionFieldId);
  const auto files = Texts(result, FileNameFieldId);
  ASSERT_EQ(names.size(), expected.size());
  for (std::size_t i = 0; i < expected.size(); ++i) {
    EXPECT_EQ((std::vector<std::string>{names[i], running[i], inFile[i], files[i]}), expected[i]) << "step " << i;
  }
}

// A new record after the current one: the fields typed, the mass computed, the name listed only
// once the store is done.
TEST_F(DatabaseWindowSession, StoresANewRecordAfterTheCurrentOne) {
  const SessionResult result =
      Run(Click(NextRecordId) + "answer yes\n" + Click(NewRecordId) + Type(NameFieldId3, "kaliumnitrat") +
          Type(FormulaFieldId, "KNO3") + Type(CasFieldId, "7757-79-1") + Click(StoreRecordId) + Shown() +
          Text(FormulaMassFieldId) + Items(NameSearchComboId));
  EXPECT_EQ(Texts(result, NameFieldId3), std::vector<std::string>{"KALIUMNITRAT"});
  EXPECT_EQ(Texts(result, RecordPositionFieldId), std::vector<std::string>{"3"});
  EXPECT_EQ(Texts(result, FormulaMassFieldId), std::vector<std::string>{"101.103241"});
  EXPECT_NE(result.LinesStartingWith("items 10143:").front().find("KALIUMNITRAT"), std::string::npos);
  const std::string file = ReadFile("first047.dat");
  EXPECT_NE(file.find(Compound("NATRIUMKLORID", "NaCl") + "\\\n\nKALIUMNITRAT\n\n7757-79-1\n"), std::string::npos);
  EXPECT_NE(file.find("\\\n\nSALPETERSYRE FORTYNNET\n"), std::string::npos);
}

// A store that cannot write the file says so, keeps what was typed and does not list the name.
TEST_F(DatabaseWindowSession, AFailedStoreLosesNothingAndListsNothing) {
  WriteFile("first047.dat", {Compound("VANN", "H2O")});
  fs::permissions(folder.Path() / DatabaseFolder / "first047.dat", fs::perms::owner_read | fs::perms::group_read);
  const SessionResult result = Run(Type(NameFieldId3, "NYTT STOFF") + Type(FormulaFieldId, "KNO3") +
                                   Click(StoreRecordId) + Text(NameFieldId3) + Text(FormulaFieldId) +
                                   Items(NameSearchComboId));
  EXPECT_EQ(MessageCount(result, "SKRIVEFEIL"), 1);
  EXPECT_EQ(Texts(result, NameFieldId3), std::vector<std::string>{"NYTT STOFF"});
  EXPECT_EQ(Texts(result, FormulaFieldId), std::vector<std::string>{"KNO3"});
  EXPECT_EQ(result.LinesStartingWith("items 10143:").front().find("NYTT STOFF"), std::string::npos);
  EXPECT_EQ(ReadFile("first047.dat"), Compound("VANN", "H2O") + "\\\n");
}

TEST_F(DatabaseWindowSession, OverwriteKeepsTheLinesTheWindowDoesNotShow) {
  const SessionResult result = Run(Click(NextRecordId) + Type(AltNameFieldId, "koksalt") + Click(OverwriteRecordId) +
                                   Shown() + Text(AltNameFieldId) + Items(NameSearchComboId));
  EXPECT_EQ(Texts(result, AltNameFieldId), std::vector<std::string>{"KOKSALT"});
  EXPECT_EQ(Texts(result, RecordPositionFieldId), std::vector<std::string>{"2"});
  const std::string file = ReadFile("first047.dat");
  EXPECT_NE(file.find("\\\n\nNATRIUMKLORID\nKOKSALT\n\n\n\nNaCl\nKEEP LINE 9\n"), std::string::npos);
  EXPECT_EQ(result.Count(ItemsLine(NameSearchComboId,
                                   "AMMONIAKK\\tETANOL\\tNATRIUMKLORID\\tSALPETERSYRE FORTYNNET\\tVANN\\tVANN")),
            1);
}

TEST_F(DatabaseWindowSession, DeleteAsksFirstAndRemovesTheName) {
  const SessionResult result = Run(Click(NextRecordId) + "answer no\n" + Click(DeleteRecordId) + Shown() +
                                   "answer yes\n" + Click(DeleteRecordId) + Shown() + Items(NameSearchComboId));
  EXPECT_EQ(MessageCount(result, "SLETTING AV POST"), 2);
  EXPECT_EQ(Texts(result, NameFieldId3), (std::vector<std::string>{"NATRIUMKLORID", "SALPETERSYRE FORTYNNET"}));
  EXPECT_EQ(Texts(result, RecordPositionFieldId), (std::vector<std::string>{"2", "2"}));
  EXPECT_EQ(ReadFile("first047.dat").find("NATRIUMKLORID"), std::string::npos);
  EXPECT_EQ(result.LinesStartingWith("items 10143:").front(),
            ItemsLine(NameSearchComboId, "AMMONIAKK\\tETANOL\\tSALPETERSYRE FORTYNNET\\tVANN\\tVANN"));
}

// A number search within the tolerance, in any spelling the field accepts; a field that holds no
// number (a blank inside it too) is emptied after the message, the tolerance gets its value back.
TEST_F(DatabaseWindowSession, NumbersAreSoughtWithinTheToleranceAndCheckedWhenLeft) {
  WriteFile("first047.dat", {Record({{3, "A"}, {10, "18.5"}}), Record({{3, "B"}, {10, "19.0"}}),
                             Record({{3, "C"}, {10, "20.2"}})});
  const SessionResult result =
      Run(Type(NumericValue1Id, "18") + Click(SearchFromStartId) + Text(NameFieldId3) + Click(SearchOnwardId) +
          Text(NameFieldId3) + Click(SearchOnwardId) + Text(NameFieldId3) + Type(NumericValue1Id, "2.02e1 ") +
          Click(SearchFromStartId) + Text(NameFieldId3) + Type(ToleranceFieldId, "12,5") +
          Click(FirstRecordId) + Text(ToleranceFieldId) + Type(NumericValue2Id, "1 2") + Click(FirstRecordId) +
          Text(NumericValue2Id) + Type(NumericValue2Id, "abc") + Click(FirstRecordId) + Text(NumericValue2Id));
  EXPECT_EQ(Texts(result, NameFieldId3), (std::vector<std::string>{"A", "B", "A", "C"}));
  EXPECT_EQ(MessageCount(result, "INGEN TREFF"), 1);
  EXPECT_EQ(MessageCount(result, "TALLFEIL"), 3);
  EXPECT_EQ(Texts(result, ToleranceFieldId), std::vector<std::string>{"1.100000"});
  EXPECT_EQ(Texts(result, NumericValue2Id), (std::vector<std::string>{"", ""}));
}

// A field longer than a record line holds refuses the store, not the delete; a data sheet name of
// eight characters is refused.
TEST_F(DatabaseWindowSession, TooLongTextsAreRefusedBeforeAnythingIsWritten) {
  const std::string before = ReadFile("first047.dat");
  const SessionResult result = Run(Type(AltNameFieldId, std::string(49, 'X')) + Click(StoreRecordId) +
                                   Click(OverwriteRecordId) + Type(HtmNameFieldId, "abcdefgh") + Click(WriteHtmId) +
                                   Text(AltNameFieldId));
  EXPECT_EQ(MessageCount(result, "TEKSTFELTINNOLD FOR STORT"), 2);
  EXPECT_EQ(MessageCount(result, "TEGNSTRENGOVERSKRIDELSE"), 1);
  EXPECT_EQ(Texts(result, AltNameFieldId), std::vector<std::string>{std::string(49, 'X')});
  EXPECT_EQ(ReadFile("first047.dat"), before);
  const SessionResult deleted = Run("answer yes\n" + Click(DeleteRecordId) + Text(NameFieldId3));
  EXPECT_EQ(Texts(deleted, NameFieldId3), std::vector<std::string>{"NATRIUMKLORID"});
}

TEST_F(DatabaseWindowSession, DeletingTheLastRecordShowsTheFirstOfTheDatabase) {
  const SessionResult result =
      Run(Click(LastRecordId) + Shown() + "answer yes\n" + Click(DeleteRecordId) + Shown());
  EXPECT_EQ(Texts(result, NameFieldId3), (std::vector<std::string>{"AMMONIAKK", "VANN"}));
  EXPECT_EQ(Texts(result, RecordPositionFieldId), (std::vector<std::string>{"6", "1"}));
  EXPECT_EQ(ReadFile("second047.dat"), Compound("ETANOL", "C2H5OH") + "\\\n");
}

// The formula information of the current record, in the language's error texts; the window goes
// with the database window.
TEST_F(DatabaseWindowSession, FormulaInformationShowsTheRecordsFormulaAndGoesWithItsOwner) {
  const fs::path databasePicture = fs::path(TAVRIN_OUTPUT_DIR) / "database_window.png";
  const fs::path infoPicture = fs::path(TAVRIN_OUTPUT_DIR) / "formula_information.png";
  const SessionResult result =
      Run("snapshot " + databasePicture.string() + "\n" + Click(FormulaInfoButtonId) + "window\n" +
          Text(FormulaInfoResultId) + Text(FormulaInfoTableId) + "snapshot " + infoPicture.string() + "\n" +
          Click(FormulaInfoCloseId) + Click(LastRecordId) + Click(FormulaInfoButtonId) + Text(FormulaInfoResultId) +
          Text(FormulaInfoTableId) + "key escape\n" + "window\n" + Click(DatabaseCloseId) + "window\n");
  EXPECT_EQ(Texts(result, FormulaInfoResultId),
            (std::vector<std::string>{"Formelmasse = 18.0153g/mol", "Feil 7 :Manglende formel/grunnstoff !"}));
  EXPECT_EQ(Texts(result, FormulaInfoTableId).front(), "H\\t2\\t\\t2.01588\\t\\t11.189836\\nO\\t1\\t\\t15.9994\\t\\t88.810173\\n");
  EXPECT_EQ(Texts(result, FormulaInfoTableId).back(), "");
  const auto windows = result.LinesStartingWith("window:");
  ASSERT_EQ(windows.size(), 3U);
  EXPECT_EQ(windows[0], "window: FORMELINFORMASJON: FORMELINFO");
  EXPECT_EQ(windows[1], "window: KJEMIKALIEDATABASE: KJEMIKALIEDATABASE");
  EXPECT_EQ(windows[2].find("window: TAVRIN"), 0U);
  const auto database = PngPicture::Read(databasePicture.string());
  const auto info = PngPicture::Read(infoPicture.string());
  ASSERT_TRUE(database && info);
  EXPECT_EQ(database->Width(), 640);
  EXPECT_EQ(info->Width(), 442);
}

TEST_F(DatabaseWindowSession, EnglishReadsTheEnglishFilesAndErrorTexts) {
  const SessionResult result = Run(Shown() + Click(LastRecordId) + Shown() + Click(FormulaInfoButtonId) +
                                       Text(FormulaInfoResultId) + "key escape\n" + Text(FormulaErrorFieldId),
                                   "44");
  EXPECT_EQ(Texts(result, NameFieldId3), (std::vector<std::string>{"WATER", "AMMONIA"}));
  EXPECT_EQ(Texts(result, FileNameFieldId), (std::vector<std::string>{"first044", "second044"}));
  EXPECT_EQ(Texts(result, FormulaInfoResultId), std::vector<std::string>{"Error 7 :Missing formula/element !"});
  EXPECT_EQ(Texts(result, FormulaErrorFieldId), std::vector<std::string>{"Error 7 :Missing formula/element !"});
}

}  // namespace

namespace {

std::string WithLineEnds(const std::string& text, const std::string& lineEnd) {
  std::string changed;
  for (const char c : text) changed += c == '\n' ? lineEnd : std::string(1, c);
  return changed;
}

// A file with CR or CR LF line ends is listed, searched and stepped like any other; a store writes
// the whole file anew with LF.
TEST_F(DatabaseWindowSession, FilesWithCrOrCrLfLineEndsAreReadAndRewrittenWithLf) {
  const std::string first = ReadFile("first047.dat");
  for (const std::string lineEnd : {"\r", "\r\n"}) {
    std::ofstream(folder.Path() / DatabaseFolder / "first047.dat", std::ios::binary) << WithLineEnds(first, lineEnd);
    const SessionResult result =
        Run(Items(NameSearchComboId) + Type(NameSearchComboId, "natriumklorid") + Click(SearchFromStartId) + Shown() +
            Click(NextRecordId) + Shown() + "answer no\n" + Click(NewRecordId) + Type(NameFieldId3, "kaliumnitrat") +
            Click(StoreRecordId) + Shown());
    EXPECT_EQ(result.LinesStartingWith("items 10143:").front(),
              ItemsLine(NameSearchComboId,
                        "AMMONIAKK\\tETANOL\\tNATRIUMKLORID\\tSALPETERSYRE FORTYNNET\\tVANN\\tVANN"));
    EXPECT_EQ(Texts(result, NameFieldId3),
              (std::vector<std::string>{"NATRIUMKLORID", "SALPETERSYRE FORTYNNET", "KALIUMNITRAT"}));
    EXPECT_EQ(Texts(result, RecordPositionFieldId), (std::vector<std::string>{"2", "3", "4"}));
    const std::string written = ReadFile("first047.dat");
    EXPECT_EQ(written.find('\r'), std::string::npos);
    EXPECT_NE(written.find(Compound("SALPETERSYRE FORTYNNET", "HNO3") + "\\\n\nKALIUMNITRAT\n"), std::string::npos);
    EXPECT_NE(written.find(Compound("VANN", "D2O") + "\\\n"), std::string::npos);
    std::ofstream(folder.Path() / DatabaseFolder / "first047.dat", std::ios::binary) << first;
  }
}

// A read-only file is read; a store into it is refused with the write-failure message.
TEST_F(DatabaseWindowSession, AReadOnlyFileIsShownAndItsEditsRefused) {
  const fs::path file = folder.Path() / DatabaseFolder / "first047.dat";
  const std::string before = ReadFile("first047.dat");
  fs::permissions(file, fs::perms::owner_read | fs::perms::group_read);
  const SessionResult result = Run(Shown() + Click(NextRecordId) + Shown() + "answer yes\n" + Click(DeleteRecordId) +
                                   Shown() + Items(NameSearchComboId));
  EXPECT_EQ(Texts(result, NameFieldId3), (std::vector<std::string>{"VANN", "NATRIUMKLORID", "NATRIUMKLORID"}));
  EXPECT_EQ(Texts(result, FileNameFieldId), (std::vector<std::string>{"first047", "first047", "first047"}));
  EXPECT_EQ(MessageCount(result, "SKRIVEFEIL"), 1);
  EXPECT_EQ(MessageCount(result, "DATABASEFIL MANGLER"), 0);
  EXPECT_EQ(result.LinesStartingWith("items 10143:").front(),
            ItemsLine(NameSearchComboId, "AMMONIAKK\\tETANOL\\tNATRIUMKLORID\\tSALPETERSYRE FORTYNNET\\tVANN\\tVANN"));
  EXPECT_EQ(ReadFile("first047.dat"), before);
}

// A missing first file is named once when the window opens; the second file is reached all the
// same. A missing list is said too.
TEST_F(DatabaseWindowSession, AMissingFileIsNamedAndTheOthersStillReached) {
  fs::remove(folder.Path() / DatabaseFolder / "first047.dat");
  const SessionResult result =
      Run(Shown() + Items(NameSearchComboId) + Type(NameSearchComboId, "ammoniakk") + Click(SearchFromStartId) +
          Shown() + Click(FirstRecordId) + Shown());
  ASSERT_EQ(MessageCount(result, "DATABASEFIL MANGLER"), 1);
  EXPECT_NE(result.LinesStartingWith("messagebox: TAVRIN: DATABASEFIL MANGLER").front().find(
                "dats\\datfiles\\kjemikal\\first047.dat"),
            std::string::npos);
  EXPECT_EQ(Texts(result, NameFieldId3), (std::vector<std::string>{"ETANOL", "AMMONIAKK", "ETANOL"}));
  EXPECT_EQ(Texts(result, RecordPositionFieldId), (std::vector<std::string>{"1", "2", "1"}));
  EXPECT_EQ(result.LinesStartingWith("items 10143:").front(), ItemsLine(NameSearchComboId, "AMMONIAKK\\tETANOL"));

  fs::remove(folder.Path() / "dats" / "opendats.dat");
  const SessionResult unlisted = Run(Shown());
  EXPECT_EQ(MessageCount(unlisted, "DATABASELISTE MANGLER"), 1);
  EXPECT_EQ(Texts(unlisted, NameFieldId3), std::vector<std::string>{""});
}

// Two instances of the program on one data folder, each editing in turn while the other has its
// window open: a store beside the record the other shows keeps the other's overwrite of it, and a
// delete after the other deleted a record before it removes nothing, says so and shows what is now
// there, so that the user deletes the right record.
TEST_F(DatabaseWindowSession, TwoInstancesEditingInTurnLoseNoEdit) {
  folder.WriteSettings(SettingsText("47", "2"));
  const std::string mark = folder.Path().string() + "-mark-";
  const auto signal = [&](const std::string& name) { return "signal " + mark + name + "\n"; };
  const auto wait = [&](const std::string& name) { return "wait " + mark + name + "\n"; };
  // A shows VANN; B stores KALIUMNITRAT after it; A then overwrites VANN.
  // A steps to NATRIUMKLORID; B deletes KALIUMNITRAT before it; A then deletes NATRIUMKLORID.
  const std::string first = Shown() + signal("a-shows-vann") + wait("b-stored") + Type(AltNameFieldId, "is") +
                            Click(OverwriteRecordId) + Shown() + Click(NextRecordId) + Click(NextRecordId) + Shown() +
                            signal("a-shows-natriumklorid") + wait("b-deleted") + "answer yes\n" +
                            Click(DeleteRecordId) + Shown() + Click(PreviousRecordId) + Shown() + "answer yes\n" +
                            Click(DeleteRecordId) + Shown() + Items(NameSearchComboId);
  const std::string second = wait("a-shows-vann") + "answer no\n" + Click(NewRecordId) +
                             Type(NameFieldId3, "kaliumnitrat") + Click(StoreRecordId) + Shown() + signal("b-stored") +
                             wait("a-shows-natriumklorid") + "answer yes\n" + Click(DeleteRecordId) + Shown() +
                             signal("b-deleted");
  SessionResult secondResult;
  std::thread other([&] { secondResult = RunSession(folder.Path(), second, "second"); });
  const SessionResult firstResult = RunSession(folder.Path(), first, "first");
  other.join();
  for (const SessionResult* result : std::initializer_list<const SessionResult*>{&firstResult, &secondResult}) {
    EXPECT_EQ(result->exitCode, 0);
    EXPECT_TRUE(result->LinesStartingWith("error:").empty()) << result->LinesStartingWith("error:").front();
  }
  EXPECT_EQ(Texts(secondResult, NameFieldId3), (std::vector<std::string>{"KALIUMNITRAT", "NATRIUMKLORID"}));
  EXPECT_EQ(Texts(firstResult, NameFieldId3),
            (std::vector<std::string>{"VANN", "VANN", "NATRIUMKLORID", "SALPETERSYRE FORTYNNET", "NATRIUMKLORID",
                                      "SALPETERSYRE FORTYNNET"}));
  EXPECT_EQ(MessageCount(firstResult, "DATABASEN ER ENDRET"), 1);
  EXPECT_EQ(MessageCount(secondResult, "DATABASEN ER ENDRET"), 0);
  EXPECT_EQ(firstResult.LinesStartingWith("items 10143:").front(),
            ItemsLine(NameSearchComboId, "AMMONIAKK\\tETANOL\\tSALPETERSYRE FORTYNNET\\tVANN\\tVANN"));
  const std::string file = ReadFile("first047.dat");
  EXPECT_EQ(file.find("NATRIUMKLORID"), std::string::npos);
  EXPECT_EQ(file.find("KALIUMNITRAT"), std::string::npos);
  EXPECT_NE(file.find("\\\n\nVANN\nIS\n"), std::string::npos);
  EXPECT_NE(file.find("SALPETERSYRE FORTYNNET"), std::string::npos);
}

}  // namespace
