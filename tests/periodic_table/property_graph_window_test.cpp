#include <filesystem>
#include <functional>
#include <sstream>
#include <string>

#include "engine/globals.h"
#include "platform/win/paint_dc.h"
#include "periodic_table/property_graph_window.h"
#include "resources/property_graph_ids.h"
#include "resources/program_resources.h"
#include "resources/resource_strings.h"
#include "tests/app/settings_fixture.h"
#include "tests/platform/support/window_fixture.h"
#include "tests/support/png_picture.h"

namespace {

using window_test::PixelAt;

bool IsBlue(COLORREF colour) {
  return GetBValue(colour) > GetRValue(colour) + 60 && GetBValue(colour) > GetGValue(colour) + 60;
}
bool IsRed(COLORREF colour) {
  return GetRValue(colour) > GetGValue(colour) + 60 && GetRValue(colour) > GetBValue(colour) + 60;
}
bool IsDark(COLORREF colour) { return GetRValue(colour) < 128 && GetGValue(colour) < 128 && GetBValue(colour) < 128; }

// Pixels of the kind in the client rectangle [left, right) x [top, bottom) of the window.
int CountIn(HWND window, RECT area, bool (*kind)(COLORREF)) {
  int count = 0;
  for (int y = area.top; y < area.bottom; ++y) {
    for (int x = area.left; x < area.right; ++x) count += kind(PixelAt(window, x, y)) ? 1 : 0;
  }
  return count;
}

// The rightmost column of the rectangle with a pixel of the kind; -1 when there is none.
int RightmostIn(HWND window, RECT area, bool (*kind)(COLORREF)) {
  for (int x = area.right - 1; x >= area.left; --x) {
    for (int y = area.top; y < area.bottom; ++y) {
      if (kind(PixelAt(window, x, y))) return x;
    }
  }
  return -1;
}

// Everything below the band of choices, which ends at 79 dialog units: 128 pixels.
constexpr RECT Plot = {0, 128, 634, 426};

// A settings file with the language and the two values of the graph on lines 42 and 43.
std::string GraphSettings(const std::string& languageCode, const std::string& property, const std::string& mainGroups) {
  std::istringstream lines(SettingsText(languageCode, "0"));
  std::string text;
  std::string line;
  for (int number = 1; std::getline(lines, line); ++number) {
    text += (number == 42 ? property : number == 43 ? mainGroups : line) + "\n";
  }
  return text;
}

class PropertyGraphWindowTest : public ::testing::Test {
 protected:
  PropertyGraphWindowTest() : previousFolder_(std::filesystem::current_path()) {
    RegisterProgramResources();
    std::filesystem::current_path(folder.Path());
  }
  ~PropertyGraphWindowTest() override {
    for (HWND window : TopLevelWindows()) DestroyWindow(window);
    driver.Pump();
    Resources().Clear();
    std::filesystem::current_path(previousFolder_);
  }

  void UseSettings(const std::string& languageCode, const std::string& property, const std::string& mainGroups) {
    folder.WriteSettings(GraphSettings(languageCode, property, mainGroups));
    LoadSettings();
  }

  // Opens the window, runs each look at the painted window in a step of its own (a click within a
  // look is painted before the next look), then closes it with Escape.
  int Open(std::initializer_list<std::function<void(HWND)>> looks) {
    for (const auto& look : looks) driver.Then([look] { look(::GetActiveWindow()); });
    driver.Then([this] { driver.Key("Escape"); });
    return OpenPeriodicGraphDialog(nullptr);
  }

  // The width of a text in the window's default painting font.
  static int TextWidth(HWND window, const std::string& text) {
    CClientDC dc(CWnd::FromHandle(window));
    return dc.GetTextExtent(text).cx;
  }

  TestDriver driver;
  WorkingFolder folder;

 private:
  std::filesystem::path previousFolder_;
};

TEST_F(PropertyGraphWindowTest, AnOutOfRangePropertyOpensWithTheAtomicMassGraphOfAllElements) {
  UseSettings("47", "0", "0");
  Open({[&](HWND window) {
    EXPECT_EQ(driver.Checked(GraphAtomicMassRadioId), 1);
    EXPECT_EQ(driver.Checked(MainGroupsOnlyId), 0);
    EXPECT_EQ(driver.WindowCaption(), "PERIODESYSTEMET - GRAFIKK");
    // H at (20, 393) is the leftmost symbol; Cs starts the second run at x 20, at y 266.
    EXPECT_GT(CountIn(window, {20, 393, 30, 405}, IsBlue), 0);
    EXPECT_EQ(CountIn(window, {0, 130, 20, 426}, IsBlue), 0);
    EXPECT_GT(CountIn(window, {20, 266, 24, 278}, IsBlue), 0);
    // The axes: the baseline at 399 from x 16, the vertical axis up to 149 with its tick to x 20.
    EXPECT_TRUE(IsDark(PixelAt(window, 16, 399)));
    EXPECT_TRUE(IsDark(PixelAt(window, 300, 399)));
    EXPECT_TRUE(IsDark(PixelAt(window, 16, 250)));
    EXPECT_TRUE(IsDark(PixelAt(window, 19, 149)));
    EXPECT_FALSE(IsDark(PixelAt(window, 19, 150)));
    // The label 260 at (4, 129), the arrow head at (610, 391), and no red headings.
    EXPECT_GT(CountIn(window, {4, 129, 40, 149}, IsDark), 0);
    EXPECT_GT(CountIn(window, {610, 391, 622, 407}, IsDark), 0);
    EXPECT_EQ(CountIn(window, Plot, IsRed), 0);
  }});
  EXPECT_EQ(GraphProperty, GraphAtomicMassRadioId);
}

TEST_F(PropertyGraphWindowTest, ChoosingMeltingPointRescalesAndRepaintsThePlot) {
  UseSettings("47", "101", "0");
  Open({[&](HWND) { driver.Click(GraphMeltingPointRadioId); },
        [&](HWND window) {
          EXPECT_EQ(GraphProperty, GraphMeltingPointRadioId);
          // H's -259.14 C lies under the axis, at y 409; the axis top is at 399 - 232.
          EXPECT_GT(CountIn(window, {20, 409, 30, 421}, IsBlue), 0);
          EXPECT_TRUE(IsDark(PixelAt(window, 19, 167)));
          EXPECT_FALSE(IsDark(PixelAt(window, 21, 167)));
          // The label of 3550 stands at y 147; nothing of the atomic mass label at 129 is left.
          EXPECT_GT(CountIn(window, {4, 147, 40, 163}, IsDark), 0);
          EXPECT_EQ(CountIn(window, {0, 129, 634, 147}, IsDark), 0);
        }});
}

TEST_F(PropertyGraphWindowTest, TheCheckBoxSwitchesToTheMainGroupColumnsAndBack) {
  UseSettings("47", "101", "0");
  Open({[&](HWND) { driver.Click(MainGroupsOnlyId); },
        [&](HWND window) {
          EXPECT_EQ(GraphMainGroupsOnly, 1);
          EXPECT_EQ(driver.Checked(MainGroupsOnlyId), 1);
          // Red headings on the label line 129 ("1/IA" at 56, "18/VIIIA" at 545), separators up to it.
          EXPECT_GT(CountIn(window, {56, 129, 80, 146}, IsRed), 0);
          EXPECT_GT(CountIn(window, {545, 129, 600, 146}, IsRed), 0);
          EXPECT_TRUE(IsDark(PixelAt(window, 115, 300)));
          EXPECT_TRUE(IsDark(PixelAt(window, 610, 130)));
          // H opens column 1 at (25, 392); no arrow head right of the last separator.
          EXPECT_GT(CountIn(window, {25, 392, 33, 404}, IsBlue), 0);
          EXPECT_EQ(CountIn(window, {0, 130, 25, 426}, IsBlue), 0);
          EXPECT_EQ(CountIn(window, {612, 380, 634, 426}, IsDark), 0);
          driver.Click(MainGroupsOnlyId);
        },
        [&](HWND window) {
          EXPECT_EQ(GraphMainGroupsOnly, 0);
          EXPECT_EQ(CountIn(window, Plot, IsRed), 0);
          EXPECT_FALSE(IsDark(PixelAt(window, 115, 300)));
          EXPECT_GT(CountIn(window, {20, 393, 30, 405}, IsBlue), 0);
        }});
}

TEST_F(PropertyGraphWindowTest, MainGroupsValueTwoPlotsTheColumnsWithTheDecorationOfAllElements) {
  UseSettings("47", "101", "2");
  Open({[&](HWND window) {
          EXPECT_EQ(driver.Checked(MainGroupsOnlyId), 0);
          EXPECT_EQ(CountIn(window, Plot, IsRed), 0);
          EXPECT_GT(CountIn(window, {610, 391, 622, 407}, IsDark), 0);
          EXPECT_GT(CountIn(window, {25, 392, 33, 404}, IsBlue), 0);
          EXPECT_EQ(CountIn(window, {0, 130, 25, 426}, IsBlue), 0);
          driver.Click(MainGroupsOnlyId);
        },
        [&](HWND window) {
          EXPECT_EQ(GraphMainGroupsOnly, 1);
          EXPECT_EQ(driver.Checked(MainGroupsOnlyId), 1);
          EXPECT_GT(CountIn(window, {56, 129, 80, 146}, IsRed), 0);
        }});
}

TEST_F(PropertyGraphWindowTest, TextsFollowTheLanguageCode) {
  const struct {
    const char* languageCode;
    const char* caption;
    const char* atomicMass;
    const char* checkBox;
    const char* close;
    const char* axisCaption;
  } cases[] = {
      {"44", "PERIODIC TABLE - GRAPHICS", "Relative atomic mass  u", "Group IA - VIIIA", "Close",
       "Increasing atomic number"},
      {"47", "PERIODESYSTEMET - GRAFIKK", "Relativ atommasse  u", "Gruppe IA -  VIIIA", "Lukk", "\xD8kende atomnummer"},
      // A code of neither language reads as the default, Norwegian, in the controls and the axis alike.
      {"46", "PERIODESYSTEMET - GRAFIKK", "Relativ atommasse  u", "Gruppe IA -  VIIIA", "Lukk", "\xD8kende atomnummer"},
  };
  for (const auto& each : cases) {
    SCOPED_TRACE(each.languageCode);
    UseSettings(each.languageCode, "101", "0");
    Open({[&](HWND window) {
      EXPECT_EQ(driver.WindowCaption(), each.caption);
      EXPECT_EQ(driver.Text(GraphAtomicMassRadioId), each.atomicMass);
      EXPECT_EQ(driver.Text(MainGroupsOnlyId), each.checkBox);
      EXPECT_EQ(driver.Text(GraphCloseId), each.close);
      // The caption at (450, 407) ends where its text in the painting font ends.
      const int end = 450 + TextWidth(window, each.axisCaption);
      const int rightmost = RightmostIn(window, {450, 407, 634, 426}, IsDark);
      EXPECT_GE(rightmost, end - 4);
      EXPECT_LT(rightmost, end);
    }});
  }
}

TEST_F(PropertyGraphWindowTest, EveryEnglishRadioCaption) {
  UseSettings("44", "101", "0");
  const std::pair<int, const char*> english[] = {
      {GraphMeltingPointRadioId, "Melting point   C"},
      {GraphBoilingPointRadioId, "Boiling point    C"},
      {GraphDensityRadioId, "Density   g/cm"},
      {GraphCovalentRadiusRadioId, "Covalent radius   *10    m"},
      {GraphAtomicRadiusRadioId, "Atomic radius      *10     m"},
      {GraphAtomicVolumeRadioId, "Atomic volume  cm   /mol"},
      {GraphIonisationPotentialRadioId, "First ionization potential V"},
      {GraphSpecificHeatRadioId, "Specific heat capacity       Jg   K"},
      {GraphElectricalConductivityRadioId, "Electrical conductivity  *10   Ohm   cm"},
      {GraphThermalConductivityRadioId, "Thermal conductivity    Wcm   K"},
      {GraphElectronegativityRadioId, "Electronegativity Pauling"},
      {GraphHeatOfFusionRadioId, "Heat of fusion kJ/mol"},
      {GraphHeatOfVaporisationRadioId, "Heat of vaporization kJ/mol"},
      {GraphIsotopeCountRadioId, "Number of stable isotopes"},
  };
  Open({[&](HWND) {
    for (const auto& [id, text] : english) EXPECT_EQ(driver.Text(id), text) << id;
  }});
}

TEST_F(PropertyGraphWindowTest, TheChosenPropertyIsRememberedForTheNextOpening) {
  UseSettings("47", "101", "0");
  Open({[&](HWND) { driver.Click(GraphDensityRadioId); }});
  EXPECT_EQ(GraphProperty, GraphDensityRadioId);
  Open({[&](HWND) {
    EXPECT_EQ(driver.Checked(GraphDensityRadioId), 1);
    EXPECT_EQ(driver.Checked(GraphAtomicMassRadioId), 0);
  }});
  EXPECT_EQ(GraphProperty, GraphDensityRadioId);
}

TEST_F(PropertyGraphWindowTest, AMissingTemplateIsReportedByName) {
  Resources().Clear();
  Resources().AddString(CannotCreateDialogStringId, "Cannot create dialog box ");
  EXPECT_EQ(OpenPeriodicGraphDialog(nullptr), -1);
  ASSERT_EQ(driver.MessageBoxes().size(), 1u);
  EXPECT_EQ(driver.MessageBoxes()[0].text, "Cannot create dialog box  PERSYSGRAF");
  EXPECT_EQ(driver.MessageBoxes()[0].type, static_cast<UINT>(MB_ICONHAND));
}

// Pictures of the window for both properties and both modes, in the build folder.
TEST_F(PropertyGraphWindowTest, Snapshots) {
  const struct {
    const char* property;
    const char* mainGroups;
    const char* name;
  } pictures[] = {
      {"101", "0", "persysgraf_atomic_mass_all.png"},
      {"101", "1", "persysgraf_atomic_mass_main_groups.png"},
      {"102", "0", "persysgraf_melting_point_all.png"},
      {"102", "1", "persysgraf_melting_point_main_groups.png"},
  };
  for (const auto& picture : pictures) {
    UseSettings("44", picture.property, picture.mainGroups);
    const std::string path = std::string(TAVRIN_OUTPUT_DIR) + "/" + picture.name;
    Open({[&](HWND) { EXPECT_TRUE(driver.Snapshot(path)) << driver.LastError(); }});
    const std::optional<PngPicture> png = PngPicture::Read(path);
    ASSERT_TRUE(png) << path;
    ExpectModalFrameAndCaption(*png);
    // "Lukk" at 325, 1, 36 x 12 dialog units; the main-groups box at 1, 2, 75 x 10 ticked only in
    // that mode; the radio button of atomic mass at 1, 18, 86 x 9 dotted only for that property.
    ExpectRaisedButton(*png, DialogItemBox({}, 325, 1, 36, 12), false);
    EXPECT_EQ(CheckTickShown(*png, DialogItemBox({}, 1, 2, 75, 10)), std::string(picture.mainGroups) == "1") << path;
    EXPECT_EQ(RadioDotShown(*png, DialogItemBox({}, 1, 18, 86, 9)), std::string(picture.property) == "101") << path;
  }
}

}  // namespace
