#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>

#include "resources/balancing_ids.h"
#include "resources/launcher_form_ids.h"
#include "resources/menu_commands.h"
#include "resources/about_box_ids.h"
#include "resources/settings_dialog_ids.h"
#include "tests/support/script_steps.h"
#include "tests/app/session_runner.h"
#include "tests/app/settings_fixture.h"

namespace {

namespace fs = std::filesystem;
using namespace steps;

const int LauncherCaptionIds[] = {PeriodicTableCaptionId,   MolecularCalculatorCaptionId, BalanceCaptionId,
                                  ThermochemistryCaptionId, ElectrochemistryCaptionId,    SolubilityProductCaptionId,
                                  WeakAcidBaseCaptionId,    SpectroscopyCaptionId,        CurveFitCaptionId,
                                  DictionaryCaptionId};

// The same file with CR LF line ends, which the program reads as well but never writes.
std::string WithCrLf(const std::string& text) {
  std::string converted;
  for (char c : text) converted += c == '\n' ? std::string("\r\n") : std::string(1, c);
  return converted;
}

class SessionTest : public ::testing::Test {
 protected:
  SessionResult Run(const std::string& settings, const std::string& script) {
    folder.WriteSettings(settings);
    return RunSession(folder.Path(), script);
  }
  WorkingFolder folder;
};

TEST_F(SessionTest, TheTenCaptionsAreEnglishOnlyWithLanguageCode44) {
  std::string script;
  for (int id : LauncherCaptionIds) script += Text(id);
  script += Text(ChemicalsDatabaseCaptionId) + Text(TitleId);
  const std::vector<std::string> norwegian = {
      TextLine(PeriodicTableCaptionId, "  Periodesystemet"),
      TextLine(MolecularCalculatorCaptionId, "  Molekylkalkulator"),
      TextLine(BalanceCaptionId, "       Balansere"),
      TextLine(ThermochemistryCaptionId, "     Termokjemi"),
      TextLine(ElectrochemistryCaptionId, "   Elektrokjemi"),
      TextLine(SolubilityProductCaptionId, "Løselighetsprodukt"),
      TextLine(WeakAcidBaseCaptionId, "    Svak syre/base"),
      TextLine(SpectroscopyCaptionId, "Spektroskopi"),
      TextLine(CurveFitCaptionId, " Kurvetilspasning"),
      TextLine(DictionaryCaptionId, "      Ordliste"),
      TextLine(ChemicalsDatabaseCaptionId, "Kjemikaliedatabase"),
      TextLine(TitleId, "TAVRIN"),
  };
  const std::vector<std::string> english = {
      TextLine(PeriodicTableCaptionId, "   Periodic Table"),
      TextLine(MolecularCalculatorCaptionId, "Molecular Calculator"),
      TextLine(BalanceCaptionId, "       Balance"),
      TextLine(ThermochemistryCaptionId, "  Thermochemistry"),
      TextLine(ElectrochemistryCaptionId, "Electrochemistry"),
      TextLine(SolubilityProductCaptionId, "  Solubility Product"),
      TextLine(WeakAcidBaseCaptionId, "   Weak acid/base"),
      TextLine(SpectroscopyCaptionId, "Spectroscopy"),
      TextLine(CurveFitCaptionId, "      Curve Fit"),
      TextLine(DictionaryCaptionId, "    Dictionary"),
      TextLine(ChemicalsDatabaseCaptionId, "Kjemikaliedatabase"),
      TextLine(TitleId, "TAVRIN"),
  };
  for (const auto& [language, expected] : std::vector<std::pair<std::string, std::vector<std::string>>>{
           {"44", english}, {"47", norwegian}, {"45", norwegian}}) {
    const SessionResult result = Run(SettingsText(language, "0"), script);
    EXPECT_EQ(result.exitCode, 0) << language;
    EXPECT_EQ(result.lines, expected) << language;
  }
}

// The start-up click comes before the script's first step; the clicks on the logo that follow move
// the pointer over the launcher again and must open nothing more.
TEST_F(SessionTest, EachStartupToolOpensOncePerRun) {
  struct Case {
    const char* tool;
    const char* window = nullptr;   // a tool window that opens: its line, before it is closed
    const char* message = nullptr;  // the start of the message it gives first in a folder without data
  };
  const Case cases[] = {{"0"},
                        {"1", "window: PERIODESYSTEMET: PERIODESYSTEMET"},
                        {"2", "window: KJEMIKALIEDATABASE: KJEMIKALIEDATABASE",
                         "messagebox: TAVRIN: DATABASELISTE MANGLER"},
                        {"3", "window: BALANSERE: BALANSERE"},
                        {"6"},
                        {"14"},
                        {"13", "window: ORDLISTE: ORDLISTE"},
                        {"10", "window: TERMOKJEMI: TERMODYNAMIKK"},
                        {"11", "window: LØSELIGHETSPRODUKT: SOLUPROD"},
                        {"12", "window: SVAK SYRE/BASE: SYREBASE"}};
  for (const Case& example : cases) {
    const std::string closeTool = example.window != nullptr ? "window\nkey Escape\n" : "";
    const SessionResult result =
        Run(SettingsText("47", example.tool), closeTool + Click(LogoId) + Click(LogoId) + Click(LogoId) + "window\n");
    EXPECT_EQ(result.exitCode, 0) << example.tool;
    std::vector<std::string> lines = result.lines;
    if (example.message != nullptr) {
      ASSERT_FALSE(lines.empty());
      EXPECT_EQ(lines.front().rfind(example.message, 0), 0U) << lines.front();
      lines.erase(lines.begin());
    }
    std::vector<std::string> expected;
    if (example.window != nullptr) expected.push_back(example.window);
    expected.push_back("window: TAVRIN: CLIENT");
    EXPECT_EQ(lines, expected) << example.tool;
  }
}

TEST_F(SessionTest, EveryMenuCommandReachesItsOpener) {
  std::string script;
  for (UINT command : {BalanceCommand, SetupCommand, AboutCommand, MolecularCalculatorCommand, PeriodicTableCommand,
                       CurveFitCommand, DictionaryCommand, IndicatorsCommand, ConversionCommand,
                       ThermochemistryCommand, ElectrochemistryCommand, SolubilityProductCommand,
                       WeakAcidBaseCommand, SpectroscopyCommand}) {
    script += Menu(command) + "window\nkey Escape\n";
  }
  script += "window\n" + Menu(ExitCommand);
  const std::vector<std::string> expected = {
      "window: BALANSERE: BALANSERE", "window: OPPSETT: TAVRPARA", "window: OM TAVRIN: OMTAVRIN",
      "window: MOLEKYLKALKULATOR: MOLEKYLKALKULATOR", "window: PERIODESYSTEMET: PERIODESYSTEMET",
      "window: KURVETILPASNING: FUNCPLOT", "window: ORDLISTE: ORDLISTE", "window: INDIKATORER: INDIKATORER",
      "window: KONVERTERE: CONVERT", "window: TERMOKJEMI: TERMODYNAMIKK", "window: ELEKTROKJEMI: REDOKS",
      "window: LØSELIGHETSPRODUKT: SOLUPROD", "window: SVAK SYRE/BASE: SYREBASE", "window: SPEKTROSKOPI: MASSSP",
      "window: TAVRIN: CLIENT"};
  const SessionResult result = Run(SettingsText("47", "0"), script);
  EXPECT_EQ(result.exitCode, 0);
  EXPECT_EQ(result.lines, expected);
}

// Each visible picture button of the launcher opens its tool's window. The hidden database button
// cannot be clicked.
TEST_F(SessionTest, EveryLauncherButtonReachesItsOpener) {
  const std::pair<int, const char*> buttons[] = {
      {PeriodicTableButtonId, "PERIODESYSTEMET"},
      {MolecularCalculatorButtonId, "MOLEKYLKALKULATOR"},
      {BalanceButtonId, "BALANSERE"},
      {ThermochemistryButtonId, "TERMODYNAMIKK"},
      {ElectrochemistryButtonId, "REDOKS"},
      {SolubilityProductButtonId, "SOLUPROD"},
      {WeakAcidBaseButtonId, "SYREBASE"},
      {SpectroscopyButtonId, "MASSSP"},
      {CurveFitButtonId, "FUNCPLOT"},
      {DictionaryButtonId, "ORDLISTE"},
  };
  const auto opened = [](const SessionResult& result, const std::string& name) {
    for (const std::string& line : result.lines) {
      if (line.starts_with("window: ") && line.ends_with(": " + name)) return true;
    }
    return false;
  };
  for (const auto& [button, name] : buttons) {
    const SessionResult result = Run(SettingsText("47", "0"), Click(button) + "window\n");
    EXPECT_EQ(result.exitCode, 0) << button;
    EXPECT_TRUE(opened(result, name)) << button << " should open " << name;
  }
  const SessionResult hidden = Run(SettingsText("47", "0"), Click(ChemicalsDatabaseButtonId));
  EXPECT_NE(hidden.exitCode, 0);
  EXPECT_FALSE(opened(hidden, "KJEMIKALIEDATABASE"));
}

TEST_F(SessionTest, TheSettingsDialogAndAboutBoxSpeakEnglishWithLanguageCode44) {
  const SessionResult result =
      Run(SettingsText("44", "0"), Menu(SetupCommand) + "window\n" + Text(SetupCloseId) + Text(SaveSettingsId) +
                                       "key Escape\n" + Menu(AboutCommand) + "window\n" + Text(AboutCloseId) +
                                       Text(HomePageLineId) + Text(LinkGroupId) + "key Escape\n");
  const std::vector<std::string> expected = {
      "window: SETUP: TAVRPARA",
      TextLine(SetupCloseId, "Close"),
      TextLine(SaveSettingsId, "Save settings"),
      "window: ABOUT TAVRIN: OMTAVRIN",
      TextLine(AboutCloseId, "Close"),
      TextLine(HomePageLineId, "TAVRIN on the web:  www.example.org/tavrin"),
      TextLine(LinkGroupId, "Contact"),
  };
  EXPECT_EQ(result.lines, expected);
}

// Saving writes the 100 lines of every settings value. The start-up tool is saved as its hidden
// radio buttons show it: a tool without a button of its own is saved as 5, which opens nothing,
// "none" and the value 6, whose id is that of "none", as 0.
TEST_F(SessionTest, SaveWritesTheHundredLinesWithTheStartupToolAsTheRadioButtonsHoldIt) {
  const std::pair<const char*, const char*> cases[] = {
      {"0", "0"},   {"1", "1"},  {"2", "2"},  {"3", "3"},           {"4", "4"},   {"5", "5"},
      {"6", "0"},   {"7", "5"},  {"9", "5"},  {"10", "10"},         {"11", "11"}, {"12", "12"},
      {"13", "13"}, {"14", "5"}, {"-3", "0"}, {"99999999999", "5"},
  };
  for (const auto& [read, saved] : cases) {
    const SessionResult result =
        Run(WithCrLf(SettingsText("47", read)),
            (std::string(read) == "2" ? "key Escape\n" : "") + Menu(SetupCommand) + Click(SaveSettingsId) + "key Escape\n");
    EXPECT_EQ(result.exitCode, 0) << read;
    const std::string file = folder.ReadSettings();
    std::string expected = SettingsText("47", saved);
    const auto replaceLine = [&expected](int number, const char* value) {
      size_t start = 0;
      for (int line = 1; line < number; ++line) start = expected.find('\n', start) + 1;
      expected.replace(start, expected.find('\n', start) - start, value);
    };
    // Start-up tool 1 opens the periodic table, which turns its property choice 0 (line 41) into
    // the atomic numbers' radio, 604.
    if (std::string(read) == "1") replaceLine(41, "604");
    // Start-up tool 2 opens the chemicals database, which compares its bare search words with line 2
    // of a record (line 11) and chooses its two numeric quantities (lines 38 and 39).
    if (std::string(read) == "2") {
      replaceLine(11, "2");
      replaceLine(38, "1");
      replaceLine(39, "2");
    }
    EXPECT_EQ(file, expected) << read;
    EXPECT_EQ(std::count(file.begin(), file.end(), '\n'), 100) << read;
    EXPECT_EQ(file.find('\r'), std::string::npos) << read;
  }
}

TEST_F(SessionTest, SavingTwiceWritesTheSameFileAndTheDialogStaysOpen) {
  const SessionResult result =
      Run(WithCrLf(SettingsText("44", "0")),
          Menu(SetupCommand) + Click(SaveSettingsId) + Click(SaveSettingsId) + "window\nkey Escape\n");
  EXPECT_EQ(result.lines, std::vector<std::string>{"window: SETUP: TAVRPARA"});
  EXPECT_EQ(folder.ReadSettings(), SettingsText("44", "0"));
}

struct FileState {
  std::string contents;
  fs::file_time_type written;
  bool operator==(const FileState& other) const = default;
};

std::map<std::string, FileState> FolderState(const fs::path& folder) {
  std::map<std::string, FileState> state;
  for (const auto& entry : fs::recursive_directory_iterator(folder)) {
    std::ostringstream contents;
    if (entry.is_regular_file()) contents << std::ifstream(entry.path(), std::ios::binary).rdbuf();
    state[fs::relative(entry.path(), folder).string()] = FileState{contents.str(), entry.last_write_time()};
  }
  return state;
}

TEST_F(SessionTest, LeavingTheProgramChangesNoFile) {
  // A settings file that differs from what a save would write, so that any rewrite shows.
  const std::string settings = "XXXXXXXXXX\r\niLANGTAVRIN=\r\n47\r\n";
  fs::create_directories(folder.Path() / "dats" / "datfiles");
  std::ofstream(folder.Path() / "dats" / "datfiles" / "balequ.dat", std::ios::binary) << "2H2 + O2 = 2H2O\n";
  folder.WriteSettings(settings);
  const auto before = FolderState(folder.Path());
  const SessionResult result = RunSession(
      folder.Path(), Menu(SetupCommand) + "key Escape\n" + Menu(SetupCommand) + Click(SetupCloseId) +
                         Menu(AboutCommand) + DoubleClick(AboutLogoId) + "key Escape\n" + Menu(BalanceCommand) +
                         Click(FirstExampleId + 1) + "key Escape\n" + Menu(ExitCommand));
  EXPECT_EQ(result.exitCode, 0);
  EXPECT_EQ(FolderState(folder.Path()), before);
}

TEST_F(SessionTest, ADoubleClickOnTheLogoShowsTheCreditsAndASingleClickNothing) {
  for (const auto& [language, credits] : std::vector<std::pair<std::string, std::string>>{
           {"47",
            "messagebox: TAVRIN: OM TAVRIN\\n\\nTAVRIN utvikles og vedlikeholdes av Tavrin-prosjektet, for "
            "elever og lærere i kjemi."},
           {"44",
            "messagebox: TAVRIN: ABOUT TAVRIN\\n\\nTAVRIN is developed and maintained by the Tavrin project, "
            "for students and teachers of chemistry."}}) {
    const SessionResult result = Run(SettingsText(language, "0"), Menu(AboutCommand) + Click(AboutLogoId) +
                                                                      DoubleClick(AboutLogoId) + "key Escape\n");
    EXPECT_EQ(result.lines, std::vector<std::string>{credits}) << language;
  }
}

// The picture of the main window, for a look at the launcher: PNG of the frame with its menu bar.
TEST_F(SessionTest, SnapshotOfTheMainWindowIsAPngOfTheWholeFrame) {
  for (const auto& [language, name] : std::vector<std::pair<std::string, std::string>>{
           {"47", "launcher-headless.png"}, {"44", "launcher-headless-english.png"}}) {
    const fs::path picture = fs::path(TAVRIN_OUTPUT_DIR) / name;
    fs::remove(picture);
    const SessionResult result = Run(SettingsText(language, "0"), "snapshot " + picture.string() + "\n");
    EXPECT_EQ(result.exitCode, 0);
    std::ifstream file(picture, std::ios::binary);
    std::string header(24, '\0');
    file.read(header.data(), 24);
    ASSERT_TRUE(file) << picture;
    EXPECT_EQ(header.substr(1, 3), "PNG");
    const auto number = [&](size_t at) {
      return (static_cast<unsigned char>(header[at]) << 24) | (static_cast<unsigned char>(header[at + 1]) << 16) |
             (static_cast<unsigned char>(header[at + 2]) << 8) | static_cast<unsigned char>(header[at + 3]);
    };
    // The launcher form is 266 x 224 dialog units: 466 x 364 pixels, inside the frame.
    EXPECT_GT(number(16), 466u);
    EXPECT_GT(number(20), 364u);
  }
}

}  // namespace
