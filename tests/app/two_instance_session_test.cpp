// Two sessions of the real program on one data folder, taking turns: the first shows a table, the
// second edits it, then the first edits what it showed. The first is told that the table was
// changed elsewhere, sees it again and acts on what is there now; no edit of either is lost and
// no entry that neither chose is touched.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <future>
#include <sstream>
#include <string>

#include "resources/balancing_ids.h"
#include "resources/chemicals_database_ids.h"
#include "resources/dictionary_ids.h"
#include "resources/menu_commands.h"
#include "resources/quick_edit_ids.h"
#include "resources/safety_sheet_ids.h"
#include "tests/app/session_runner.h"
#include "tests/app/settings_fixture.h"
#include "tests/support/script_steps.h"

namespace {

namespace fs = std::filesystem;
using namespace steps;

const std::string ChangedElsewhereEnglish =
    "messagebox: TAVRIN: TABLE CHANGED\\n\\nThe table was changed elsewhere and\\nhas been read again. Nothing was "
    "changed!";
const std::string ChangedElsewhereNorwegian =
    "messagebox: TAVRIN: TABELLEN ER ENDRET\\n\\nTabellen er endret et annet sted og\\ner lest p\xC3\xA5 nytt. "
    "Ingenting ble endret!";

// A list's entries as the session prints them, each tab written \\t.
std::string Tabbed(const std::string& entries) {
  std::string printed;
  for (char c : entries) printed += c == '\t' ? std::string("\\t") : std::string(1, c);
  return printed;
}

// Where the first session lets the second one act.
const std::string Turn = "# turn\n";

std::string ReadText(const fs::path& path) {
  std::ifstream file(path, std::ios::binary);
  std::ostringstream text;
  text << file.rdbuf();
  return text.str();
}

class TwoInstances : public ::testing::Test {
 protected:
  fs::path Table(const std::string& name) const { return folder.Path() / "dats" / "datfiles" / "atomdata" / name; }

  // The first session runs up to its Turn, the second then runs whole, and the first goes on.
  std::pair<SessionResult, SessionResult> InTurn(const std::string& first, const std::string& second) {
    const std::string shown = folder.Path().string() + "-first-shown";
    const std::string edited = folder.Path().string() + "-second-edited";
    auto waiting = std::async(std::launch::async, [&] {
      return RunSession(folder.Path(), ReplacedWait(first, "signal " + shown + "\nwait " + edited + "\n"), "first");
    });
    SessionResult other = RunSession(folder.Path(), "wait " + shown + "\n" + second + "signal " + edited + "\n", "second");
    SessionResult resumed = waiting.get();
    fs::remove(shown);
    fs::remove(edited);
    EXPECT_EQ(resumed.exitCode, 0);
    EXPECT_EQ(other.exitCode, 0);
    for (const SessionResult* result : {&resumed, &other}) {
      const auto errors = result->LinesStartingWith("error:");
      EXPECT_TRUE(errors.empty()) << errors.front();
    }
    return {resumed, other};
  }

  static std::string ReplacedWait(std::string script, const std::string& steps) {
    return script.replace(script.find(Turn), Turn.size(), steps);
  }

  WorkingFolder folder;
};

// The balancing list: the second session deletes the first equation and adds one; the first then
// deletes the equation it showed second, which now stands elsewhere.
TEST_F(TwoInstances, ListFileEditsOfBothSessionsAreKept) {
  fs::create_directories(Table("").parent_path());
  folder.WriteSettings(SettingsText("44", "0"));
  std::ofstream(Table("balequ.dat"), std::ios::binary) << "H2+O2>H2O\nC+O2>CO2\nN2+H2>NH3\n";
  const auto [first, second] = InTurn(
      Menu(BalanceCommand) + Turn + Select(EquationListId, 1) + Click(DeleteEquationId) + Items(EquationListId) +
          Select(EquationListId, 0) + Click(DeleteEquationId) + Items(EquationListId) + "key Escape\n",
      Menu(BalanceCommand) + Select(EquationListId, 0) + Click(DeleteEquationId) +
          Type(EquationFieldId, "Fe+O2>Fe2O3") + Click(AddAfterId) + "key Escape\n");
  EXPECT_EQ(ReadText(Table("balequ.dat")), "Fe+O2>Fe2O3\nN2+H2>NH3\n");
  EXPECT_EQ(first.Count(ChangedElsewhereEnglish), 1);
  EXPECT_EQ(first.LinesStartingWith("items"),
            (std::vector<std::string>{ItemsLine(EquationListId, Tabbed("C+O2>CO2\tFe+O2>Fe2O3\tN2+H2>NH3")),
                                      ItemsLine(EquationListId, Tabbed("Fe+O2>Fe2O3\tN2+H2>NH3"))}));
  EXPECT_TRUE(second.LinesStartingWith("messagebox").empty());
}

std::string GlossaryText(const std::vector<std::string>& words) {
  std::string text = "\\\n";
  for (const std::string& word : words) text += word + "\n\nWhat " + word + " means.\n\n\n\n\n\n\n\\\n";
  return text;
}

// The dictionary, a record table: the second session deletes "absorbans"; "Fjerne" in the first,
// on "addisjonsreaksjon" as it showed it, then removes no other word.
TEST_F(TwoInstances, RecordTableEditsOfBothSessionsAreKept) {
  fs::create_directories(Table("").parent_path());
  folder.WriteSettings(SettingsText("47", "0"));
  std::ofstream(Table("nooliste.dat"), std::ios::binary)
      << GlossaryText({"absorbans", "addisjonsreaksjon", "aktivering", "alkali"});
  const auto [first, second] = InTurn(
      Menu(DictionaryCommand) + Turn + Select(WordListId, 1) + Click(DeleteWordId) + Items(WordListId) +
          Select(WordListId, 0) + Click(DeleteWordId) + Items(WordListId) + "key Escape\n",
      Menu(DictionaryCommand) + Select(WordListId, 0) + Click(DeleteWordId) + "key Escape\n");
  EXPECT_EQ(ReadText(Table("nooliste.dat")), GlossaryText({"aktivering", "alkali"}));
  EXPECT_EQ(first.Count(ChangedElsewhereNorwegian), 1);
  EXPECT_EQ(first.LinesStartingWith("items"),
            (std::vector<std::string>{ItemsLine(WordListId, Tabbed("addisjonsreaksjon\taktivering\talkali")),
                                      ItemsLine(WordListId, Tabbed("aktivering\talkali"))}));
}

// A phrase file of the quick editor: the second session removes the first storage phrase and the
// first then removes the one it showed second.
TEST_F(TwoInstances, PhraseFileEditsOfBothSessionsAreKept) {
  const fs::path databaseFolder = folder.Path() / "dats" / "datfiles" / "kjemikal";
  fs::create_directories(databaseFolder);
  fs::copy(fs::path(TAVRIN_SOURCE_DIR) / "dats" / "datfiles" / "fastedit",
           folder.Path() / "dats" / "datfiles" / "fastedit");
  std::ofstream(folder.Path() / "dats" / "opendats.dat", std::ios::binary)
      << "dats\\datfiles\\kjemikal\\first???.dat\n*\n";
  std::string record = "\\\n\n" + std::string("SVOVELSYRE\n");
  for (int line = 4; line <= 200; ++line) record += "\n";
  std::ofstream(databaseFolder / "first047.dat", std::ios::binary) << record << "\\\n";
  folder.WriteSettings(SettingsText("47", "2"));
  const fs::path phrases = folder.Path() / "dats" / "datfiles" / "fastedit" / "lagring.dat";
  std::ofstream(phrases, std::ios::binary) << "Kj\xF8lig.\nT\xF8rt.\nM\xF8rkt.\nLuftig.\n";

  const std::string open = Click(ShowSafetySheetButtonId) + Click(QuickEditButtonId) + Click(StorageCategoryId);
  const std::string close = "key Escape\n" + Click(SheetCloseId) + Click(DatabaseCloseId);
  const auto [first, second] =
      InTurn(open + Turn + Select(PhraseListId, 1) + Click(RemovePhrasesId) + Items(PhraseListId) +
                 Select(PhraseListId, 0) + Click(RemovePhrasesId) + Items(PhraseListId) + close,
             open + Select(PhraseListId, 0) + Click(RemovePhrasesId) + close);
  EXPECT_EQ(ReadText(phrases), "M\xF8rkt.\nLuftig.\n");
  EXPECT_EQ(first.Count("messagebox: TAVRIN: LISTEN ER ENDRET\\n\\nListen er endret et annet sted og\\ner lest "
                        "p\xC3\xA5 nytt. Ingenting ble endret!"),
            1);
  EXPECT_EQ(first.LinesStartingWith("items"),
            (std::vector<std::string>{ItemsLine(PhraseListId, Tabbed("T\xC3\xB8rt.\tM\xC3\xB8rkt.\tLuftig.")),
                                      ItemsLine(PhraseListId, Tabbed("M\xC3\xB8rkt.\tLuftig."))}));
}

}  // namespace
