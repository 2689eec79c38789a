// Scripted sessions of the real program with the chemicals database as its start-up tool: the
// safety data sheet of a record shown, edited and stored, phrases composed in the quick editor and
// transferred, the data sheet pages written, and the windows going with their owners.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>

#include "resources/safety_sheet_ids.h"
#include "resources/chemicals_database_ids.h"
#include "resources/quick_edit_ids.h"
#include "tests/app/session_runner.h"
#include "tests/app/settings_fixture.h"
#include "tests/support/script_steps.h"

namespace {

namespace fs = std::filesystem;
using namespace steps;

const fs::path DatabaseFolder = fs::path("dats") / "datfiles" / "kjemikal";

std::string Record(const std::map<int, std::string>& lines) {
  std::string text = "\\\n";
  for (int line = 2; line <= 200; ++line) {
    const auto found = lines.find(line);
    text += (found != lines.end() ? found->second : "") + "\n";
  }
  return text;
}

// Line n of record `index` (from 0) of a database file's text.
std::string RecordLine(const std::string& text, int index, int line) {
  std::istringstream lines(text);
  std::string current;
  int record = -1;
  int number = 0;
  while (std::getline(lines, current)) {
    if (!current.empty() && current[0] == '\\') {
      ++record;
      number = 1;
    } else {
      ++number;
    }
    if (record == index && number == line) return current;
  }
  return "<no line>";
}

class SafetySession : public ::testing::Test {
 protected:
  SafetySession() {
    fs::create_directories(folder.Path() / DatabaseFolder);
    fs::copy(fs::path(TAVRIN_SOURCE_DIR) / "dats" / "datfiles" / "fastedit",
             folder.Path() / "dats" / "datfiles" / "fastedit");
    std::ofstream(folder.Path() / "dats" / "opendats.dat", std::ios::binary)
        << "dats\\datfiles\\kjemikal\\first???.dat\n*\n";
    std::ofstream(folder.Path() / DatabaseFolder / "first047.dat", std::ios::binary)
        << Record({{3, "SVOVELSYRE"},
                   {8, "H2SO4"},
                   {170, "C"},
                   {199, "Til lege.|H290 Kan v\xE6re etsende for metaller. |P102 Oppbevares utilgjengelig for barn. |"
                         "GENERELT> Etsende.\aSVELGING> Etser.|Ikke brennbart.|Skyll med vann.|Avtrekk.|Syreskap.|"
                         "Uorganiske syrer.|Annet.|"}})
        << Record({{3, "VANN"}, {8, "H2O"}}) << "\\\n";
  }

  SessionResult Run(const std::string& script) {
    folder.WriteSettings(SettingsText("47", "2"));
    SessionResult result = RunSession(folder.Path(), script);
    EXPECT_EQ(result.exitCode, 0);
    const auto errors = result.LinesStartingWith("error:");
    EXPECT_TRUE(errors.empty()) << errors.front();
    return result;
  }

  std::string Database() const {
    std::ifstream file(folder.Path() / DatabaseFolder / "first047.dat", std::ios::binary);
    std::ostringstream text;
    text << file.rdbuf();
    return text.str();
  }

  static std::vector<std::string> Texts(const SessionResult& result, int id) {
    std::vector<std::string> values;
    const std::string prefix = TextLine(id, "");
    for (const std::string& line : result.LinesStartingWith(prefix)) values.push_back(line.substr(prefix.size()));
    return values;
  }

  WorkingFolder folder;
};

// The sheet shows the record's sections; a typed '|' and a chosen class reach the record when the
// database window overwrites it (after its question about the '|'), and come back when the
// record is shown again.
TEST_F(SafetySession, TheSheetIsEditedStoredAndReadBack) {
  const SessionResult result = Run(
      Click(ShowSafetySheetButtonId) + "window\n" + Text(RiskPhrasesFieldId) + Text(HealthHazardFieldId) +
      Text(HealthClassListId) + Type(StorageFieldId, "Kj\xC3\xB8lig|t\xC3\xB8rt") + Select(HealthClassListId, 1) +
      Click(SheetCloseId) + "window\n" + "answer yes\n" + Click(OverwriteRecordId) + Click(NextRecordId) +
      Click(ShowSafetySheetButtonId) + Text(StorageFieldId) + Click(SheetCloseId) + Click(PreviousRecordId) +
      Click(ShowSafetySheetButtonId) + Text(StorageFieldId) + Text(HealthClassListId) + Text(RiskPhrasesFieldId));
  const auto windows = result.LinesStartingWith("window:");
  ASSERT_EQ(windows.size(), 2u);
  EXPECT_EQ(windows[0], "window: RISIKO/SIKKERHET: DATABLAD");
  EXPECT_EQ(windows[1], "window: KJEMIKALIEDATABASE: KJEMIKALIEDATABASE");
  EXPECT_EQ(Texts(result, RiskPhrasesFieldId),
            (std::vector<std::string>{"H290 Kan v\xC3\xA6re etsende for metaller. ",
                                      "H290 Kan v\xC3\xA6re etsende for metaller. "}));
  EXPECT_EQ(Texts(result, HealthHazardFieldId), std::vector<std::string>{"GENERELT> Etsende.\\nSVELGING> Etser."});
  EXPECT_EQ(Texts(result, StorageFieldId), (std::vector<std::string>{"", "Kj\xC3\xB8lig#t\xC3\xB8rt"}));
  EXPECT_EQ(Texts(result, HealthClassListId), (std::vector<std::string>{"C-Etsende", "T+-Meget giftig"}));
  EXPECT_EQ(result.Count("messagebox: TAVRIN: RESERVERTE TEGN\\n\\nLagre, selv om databladets\\n'|'-tegn er eller vil "
                         "bli\\nerstattet med '#'-tegn?"),
            1);
  const std::string database = Database();
  EXPECT_EQ(RecordLine(database, 0, 199),
            "Til lege.|H290 Kan v\xE6re etsende for metaller. |P102 Oppbevares utilgjengelig for barn. |"
            "GENERELT> Etsende.\aSVELGING> Etser.|Ikke brennbart.|Skyll med vann.|Avtrekk.|Kj\xF8lig#t\xF8rt|"
            "Uorganiske syrer.|Annet.|");
  EXPECT_EQ(RecordLine(database, 0, 170), "Tx");
  EXPECT_EQ(RecordLine(database, 1, 3), "VANN");
}

// Phrases chosen in the quick editor go to the category's section of the sheet; the editor goes
// with the sheet, and the sheet with the database window.
TEST_F(SafetySession, APhraseIsComposedAndTransferred) {
  const SessionResult result =
      Run(Click(ShowSafetySheetButtonId) + Click(QuickEditButtonId) + "window\n" + Click(StorageCategoryId) +
          Select(PhraseListId, 0) + Select(PhraseListId, 6) + Text(ComposedTextId) + Click(TransferPhrasesId) +
          "window\n" + Text(StorageFieldId) + Click(SheetCloseId) + "window\n" + Click(ShowSafetySheetButtonId) +
          Text(StorageFieldId) + Click(QuickEditButtonId) + Checked(StorageCategoryId) + "key escape\n" + "window\n" +
          Click(SheetCloseId) + Click(DatabaseCloseId) + "window\n");
  EXPECT_EQ(Texts(result, ComposedTextId),
            std::vector<std::string>{"Oppbevares i tett lukket beholder. Oppbevares innel\xC3\xA5st. "});
  EXPECT_EQ(Texts(result, StorageFieldId),
            (std::vector<std::string>{"Syreskap.Oppbevares i tett lukket beholder. Oppbevares innel\xC3\xA5st. ",
                                      "Syreskap.Oppbevares i tett lukket beholder. Oppbevares innel\xC3\xA5st. "}));
  EXPECT_EQ(result.Count(CheckedLine(StorageCategoryId, "1")), 1);
  const auto windows = result.LinesStartingWith("window:");
  ASSERT_EQ(windows.size(), 5u);
  EXPECT_EQ(windows[0], "window: HURTIGREDIGERING: PLAKAT");
  EXPECT_EQ(windows[1], "window: RISIKO/SIKKERHET: DATABLAD");
  EXPECT_EQ(windows[2], "window: KJEMIKALIEDATABASE: KJEMIKALIEDATABASE");
  EXPECT_EQ(windows[3], "window: RISIKO/SIKKERHET: DATABLAD");
  EXPECT_EQ(windows[4].find("window: TAVRIN"), 0u);
}

TEST_F(SafetySession, LageWritesThePagesOnlyWhenTheUserSaysYes) {
  const SessionResult result =
      Run(Click(ShowSafetySheetButtonId) + Type(StorageFieldId, "a|b") + Click(SheetCloseId) +
          Type(HtmNameFieldId, "syre") + "answer no\n" + Click(WriteHtmId) + Type(HtmNameFieldId, "../x") +
          Click(WriteHtmId) + Type(HtmNameFieldId, "syre") + "answer yes\n" + Click(WriteHtmId));
  EXPECT_EQ(result.Count("messagebox: TAVRIN: ULOVLIG FILNAVN:\\n\\nFilnavn kan bare inneholde bokstaver (A-Z, a-z) "
                         "og sifre!"),
            1);
  const fs::path pages = folder.Path() / "dats" / "htmfiles";
  ASSERT_TRUE(fs::exists(pages / "syre.htm"));
  EXPECT_TRUE(fs::exists(pages / "syre1.htm"));
  EXPECT_EQ(std::distance(fs::directory_iterator(pages), fs::directory_iterator()), 2);
  std::ifstream page(pages / "syre.htm", std::ios::binary);
  std::ostringstream text;
  text << page.rdbuf();
  EXPECT_NE(text.str().find("SVOVELSYRE"), std::string::npos);
  EXPECT_NE(text.str().find("a#b"), std::string::npos);
  EXPECT_NE(text.str().find("htmutil/C.png"), std::string::npos);
}

}  // namespace
