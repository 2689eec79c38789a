#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "resources/launcher_form_ids.h"
#include "resources/menu_commands.h"
#include "resources/electrochemistry_ids.h"
#include "resources/redox_data_editor_ids.h"
#include "resources/thermochemical_data_editor_ids.h"
#include "resources/thermochemistry_ids.h"
#include "tests/app/session_runner.h"
#include "tests/app/settings_fixture.h"
#include "tests/support/png_picture.h"
#include "tests/support/script_steps.h"

namespace {

namespace fs = std::filesystem;
using namespace steps;

std::string Window() { return "window\n"; }
std::string Escape() { return "key Escape\n"; }
std::string Snapshot(const fs::path& picture) { return "snapshot " + picture.string() + "\n"; }
std::string WindowLine(const std::string& caption, const std::string& name) {
  return "window: " + caption + ": " + name;
}

std::string ShippedTable(const std::string& name) {
  std::ifstream file(std::string(TAVRIN_SOURCE_DIR) + "/dats/datfiles/atomdata/" + name, std::ios::binary);
  std::ostringstream text;
  text << file.rdbuf();
  return text.str();
}

class ThermoElectroSessionTest : public ::testing::Test {
 protected:
  ThermoElectroSessionTest() { fs::create_directories(Table("").parent_path()); }
  fs::path Table(const std::string& name) const { return folder.Path() / "dats" / "datfiles" / "atomdata" / name; }
  void WriteTable(const std::string& name, const std::string& text) const {
    std::ofstream(Table(name), std::ios::binary) << text;
  }
  std::string ReadTable(const std::string& name) const {
    std::ifstream file(Table(name), std::ios::binary);
    std::ostringstream text;
    text << file.rdbuf();
    return text.str();
  }
  SessionResult Run(const std::string& language, const std::string& script) {
    folder.WriteSettings(SettingsText(language, "0"));
    return RunSession(folder.Path(), script);
  }
  // A fresh picture in the build folder, to be looked at.
  static fs::path Picture(const std::string& name) {
    const fs::path picture = fs::path(TAVRIN_OUTPUT_DIR) / (name + ".png");
    fs::remove(picture);
    return picture;
  }
  static void ExpectWindowPicture(const fs::path& picture) {
    const std::optional<PngPicture> png = PngPicture::Read(picture.string());
    ASSERT_TRUE(png) << picture;
    ExpectModalFrameAndCaption(*png);
  }
  WorkingFolder folder;
};

// Calculate, Thermochemistry in both languages: the first saved equation, methane burnt, balanced
// with its heat term and sums; the data editor opened from the window shows a record on a double
// click. Pictures of both windows.
TEST_F(ThermoElectroSessionTest, ThermochemistryFromTheMenu) {
  WriteTable("thermody.dat", ShippedTable("thermody.dat"));
  WriteTable("thermequ.dat", ShippedTable("thermequ.dat"));
  struct Case {
    const char* language;
    const char* caption;
    const char* editorCaption;
  };
  for (const Case& c : {Case{"44", "THERMOCHEMISTRY", "THERMOCHEMISTRY - THERMOCHEMICAL DATA"},
                        Case{"47", "TERMOKJEMI", "TERMOKJEMI - TERMODATA"}}) {
    SCOPED_TRACE(c.language);
    const fs::path window = Picture(std::string("termodynamikk-") + c.language);
    const fs::path editor = Picture(std::string("termodata-") + c.language);
    const SessionResult result =
        Run(c.language, Menu(ThermochemistryCommand) + Window() + Select(ThermoEquationListId, 0) +
                            Click(ThermoCalculateId) + Text(ThermoBalancedEquationId) + Text(ThermoEnthalpyValueId) +
                            Text(ThermoEntropyValueId) + Snapshot(window) + Click(ThermoDataButtonId) + Window() +
                            DoubleClick(ThermoDataListId) + Text(ThermoDataFormulaId) + Snapshot(editor) + Escape() +
                            Escape() + Window());
    EXPECT_EQ(result.exitCode, 0);
    ASSERT_EQ(result.lines.size(), 7u);
    EXPECT_EQ(result.lines[0], WindowLine(c.caption, "TERMODYNAMIKK"));
    EXPECT_EQ(result.lines[1], TextLine(ThermoBalancedEquationId, "CH4(g) + 2O2(g) = CO2(g) + 2H2O(l) + 890.57kJ"));
    EXPECT_EQ(result.lines[2], TextLine(ThermoEnthalpyValueId, "-890.57 kJ"));
    EXPECT_EQ(result.lines[3], TextLine(ThermoEntropyValueId, "-242.919 J/K"));
    EXPECT_EQ(result.lines[4], WindowLine(c.editorCaption, "TERMODATA"));
    EXPECT_TRUE(result.lines[5].starts_with(TextLine(ThermoDataFormulaId, ""))) << result.lines[5];
    EXPECT_GT(result.lines[5].size(), TextLine(ThermoDataFormulaId, "").size()) << "the double click showed a record";
    EXPECT_EQ(result.lines[6], WindowLine("TAVRIN", "CLIENT"));
    ExpectWindowPicture(window);
    ExpectWindowPicture(editor);
  }
}

// Calculate, Electrochemistry in both languages: example 4 calculated, 0.46 V, and the Gibbs energy
// of four electrons, -4 * 96485 * 0.46 = -177532 J. The redox editor opened from the window adds a
// half reaction; back in the window both lists show it. Pictures of both windows.
TEST_F(ThermoElectroSessionTest, ElectrochemistryFromTheMenuReloadsItsListsAfterTheEditor) {
  struct Case {
    const char* language;
    const char* caption;
    const char* editorCaption;
  };
  for (const Case& c : {Case{"44", "ELECTROCHEMISTRY", "ELECTROCHEMISTRY - ELECTROCHEMICAL DATA"},
                        Case{"47", "ELEKTROKJEMI", "ELEKTROKJEMI - ELEKTROKJEMISKE DATA"}}) {
    SCOPED_TRACE(c.language);
    WriteTable("redox.dat", "\\\nAg+ + e- > Ag\nSilver\nS\xF8lv\n\n\n\n\n0.7996\n25\n\\\n");
    const fs::path window = Picture(std::string("redoks-") + c.language);
    const fs::path editor = Picture(std::string("redoxdat-") + c.language);
    const SessionResult result =
        Run(c.language, Menu(ElectrochemistryCommand) + Window() + Click(LastRedoxExampleId) + Click(CalculateCellId) +
                            Text(CellReactionId) + Text(CellPotentialId) + Click(SolveGibbsRowId) +
                            Text(GibbsEnergyFieldId) + Snapshot(window) + Click(ElectrochemicalDataId) + Window() +
                            Type(HalfReactionFieldId, "Au+ + e- > Au") + Type(StandardPotentialId, "1.692") +
                            Click(RedoxDataAfterId) + Snapshot(editor) + Escape() + Items(LeftHalfReactionListId) +
                            Items(RightHalfReactionListId) + Escape() + Window());
    EXPECT_EQ(result.exitCode, 0);
    EXPECT_EQ(
        result.lines,
        (std::vector<std::string>{
            WindowLine(c.caption, "REDOKS"), TextLine(CellReactionId, "4Fe+2 + O2 + 4H+ = 4Fe+3 + 2H2O"),
            TextLine(CellPotentialId, "0.46"), TextLine(GibbsEnergyFieldId, "-177532"),
            WindowLine(c.editorCaption, "REDOXDAT"), ItemsLine(LeftHalfReactionListId, "Ag+ + e- > Ag\\tAu+ + e- > Au"),
            ItemsLine(RightHalfReactionListId, "Ag+ + e- > Ag\\tAu+ + e- > Au"), WindowLine("TAVRIN", "CLIENT")}));
    EXPECT_EQ(ReadTable("redox.dat"),
              "\\\nAg+ + e- > Ag\nSilver\nS\xF8lv\n\n\n\n\n0.7996\n25\n\\\nAu+ + e- > Au\n\n\n\n\n\n\n1.692\n\n\\\n");
    ExpectWindowPicture(window);
    ExpectWindowPicture(editor);
  }
}

// The launcher form's picture buttons open both windows.
TEST_F(ThermoElectroSessionTest, TheLauncherOpensBothWindows) {
  const SessionResult result = Run("47", Click(ThermochemistryButtonId) + Window() + Escape() +
                                             Click(ElectrochemistryButtonId) + Window() + Escape() + Window());
  EXPECT_EQ(result.exitCode, 0);
  EXPECT_EQ(result.lines,
            (std::vector<std::string>{WindowLine("TERMOKJEMI", "TERMODYNAMIKK"), WindowLine("ELEKTROKJEMI", "REDOKS"),
                                      WindowLine("TAVRIN", "CLIENT")}));
}

}  // namespace
