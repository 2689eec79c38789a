// The settings file as other editors and installations leave it: read-only, with values the
// program cannot work with, or in a folder where nothing can be written.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "tests/app/session_runner.h"
#include "tests/app/settings_fixture.h"

namespace {

namespace fs = std::filesystem;

class SettingsFileSessionTest : public ::testing::Test {
 protected:
  // The settings with one line replaced (lines from 1).
  static std::string WithLine(std::string text, int line, const std::string& value) {
    std::size_t start = 0;
    for (int number = 1; number < line; ++number) start = text.find('\n', start) + 1;
    return text.replace(start, text.find('\n', start) - start, value);
  }
  WorkingFolder folder;
};

// A read-only settings file is read; a save over it is refused with a message in the window's
// language, and the file stays as it was.
TEST_F(SettingsFileSessionTest, AReadOnlyFileIsReadAndASaveOverItIsReportedInTheWindowsLanguage) {
  const std::vector<std::pair<std::string, std::vector<std::string>>> cases = {
      {"44",
       {"window: SETUP: TAVRPARA",
        "messagebox: TAVRIN: FILE ERROR\\n\\nThe settings file could not be written\\nand is unchanged!"}},
      {"47",
       {"window: OPPSETT: TAVRPARA",
        "messagebox: TAVRIN: FILFEIL\\n\\nInnstillingsfilen kunne ikke skrives\\nog er uendret!"}},
  };
  for (const auto& [language, expected] : cases) {
    const std::string settings = SettingsText(language, "0");
    folder.WriteSettings(settings);
    fs::permissions(folder.SettingsPath(), fs::perms::owner_read | fs::perms::group_read);
    const SessionResult result = RunSession(folder.Path(), "menu 4000\nwindow\nclick 10101\nkey Escape\n");
    EXPECT_EQ(result.exitCode, 0) << language;
    EXPECT_EQ(result.lines, expected) << language;
    EXPECT_EQ(folder.ReadSettings(), settings) << language;
    fs::permissions(folder.SettingsPath(), fs::perms::owner_read | fs::perms::owner_write);
  }
}

// A language code of neither language reads as Norwegian everywhere: the window and the table of
// names it lists.
TEST_F(SettingsFileSessionTest, ALanguageCodeOfNeitherLanguageReadsAsNorwegian) {
  const fs::path atomdata = folder.Path() / "dats" / "datfiles" / "atomdata";
  fs::create_directories(atomdata);
  std::ofstream(atomdata / "enmolclc.dat", std::ios::binary) << "\\\n\nWater\n\n\n\nH2O\n\n\n\n\\\n";
  std::ofstream(atomdata / "nomolclc.dat", std::ios::binary) << "\\\n\nVann\n\n\n\nH2O\n\n\n\n\\\n";
  folder.WriteSettings(SettingsText("45", "0"));
  const SessionResult result = RunSession(folder.Path(), "menu 4002\nwindow\nitems 10120\n");
  EXPECT_EQ(result.exitCode, 0);
  EXPECT_EQ(result.lines,
            (std::vector<std::string>{"window: MOLEKYLKALKULATOR: MOLEKYLKALKULATOR", "items 10120: Vann"}));
}

// Balancing bounds that reach no positive multiplier fall back to the defaults, so equations
// balance; the dialog's save writes the checked values.
TEST_F(SettingsFileSessionTest, BalancingBoundsOutsideTheirRangeFallBackToTheDefaults) {
  const std::string balancing = "menu 4003\ntype 10006 H2+O2>H2O\nclick 100\ntext 10003\nkey Escape\n";
  const std::vector<std::pair<int, std::string>> cases = {{15, "-5"}, {13, "0"}, {13, "50"}};
  for (const auto& [line, value] : cases) {
    folder.WriteSettings(WithLine(SettingsText("44", "0"), line, value));
    const SessionResult result = RunSession(folder.Path(), balancing + "menu 4000\nclick 10101\nkey Escape\n");
    EXPECT_EQ(result.exitCode, 0) << line << ": " << value;
    EXPECT_EQ(result.lines, std::vector<std::string>{"text 10003: 2H2 + O2 = 2H2O"}) << line << ": " << value;
    EXPECT_EQ(folder.ReadSettings(), SettingsText("44", "0")) << line << ": " << value;
  }
}

// Every line end is read alike: a settings file of lone CRs sets the language.
TEST_F(SettingsFileSessionTest, ASettingsFileWithLoneCarriageReturnsIsRead) {
  std::string settings = SettingsText("44", "0");
  for (char& c : settings) c = c == '\n' ? '\r' : c;
  folder.WriteSettings(settings);
  const SessionResult result = RunSession(folder.Path(), "menu 4000\nwindow\nkey Escape\n");
  EXPECT_EQ(result.lines, std::vector<std::string>{"window: SETUP: TAVRPARA"});
}

}  // namespace
