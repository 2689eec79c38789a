#include <filesystem>
#include <fstream>

#include "tests/periodic/periodic_session_fixture.h"
#include "tests/support/png_picture.h"

namespace {

namespace fs = std::filesystem;

// The value boxes of H, He, C, Fe, Hg, Bk and Lr.
const std::vector<std::string> TelltaleBoxes = {"501", "502", "506", "526", "580", "597", "603"};

std::string ReadTelltaleBoxes() {
  std::string script;
  for (const std::string& box : TelltaleBoxes) script += "text " + box + "\n";
  return script;
}

struct RadioCase {
  int radio;
  std::vector<std::string> boxes;  // H, He, C, Fe, Hg, Bk, Lr
};

// Every value is the table's float32 widened to double and written with "%f": -38.87f is
// -38.8699989..., 200.59f is 200.5899963..., 55.845f is 55.8450012...; -999 temperatures, -1 and
// other values at or below each radio's limit show empty. Names and words in Norwegian (47),
// printed in UTF-8.
const std::vector<RadioCase> NorwegianCases = {
    {604, {"1", "2", "6", "26", "80", "97", "103"}},
    {607, {"Hydrogen", "Helium", "Karbon", "Jern", "Kvikks\xC3\xB8lv", "Berkelium", "Lawrencium"}},
    {605, {"1.007940", "4.002602", "12.011000", "55.845001", "200.589996", "247.000000", "260.000000"}},
    {606, {"-259.140015", "-272.200012", "3550.000000", "1535.000000", "-38.869999", "", ""}},
    {608, {"-252.869995", "-268.929993", "4827.000000", "2750.000000", "356.579987", "", ""}},
    {609, {"0.071000", "0.125000", "2.260000", "7.860000", "13.600000", "", ""}},
    {610, {"0.320000", "0.320000", "0.770000", "1.170000", "1.490000", "", ""}},
    {611, {"0.790000", "0.490000", "0.910000", "1.720000", "1.760000", "", ""}},
    {696, {"14.400000", "", "4.580000", "7.100000", "14.820000", "", ""}},
    {612, {"2.200000", "", "2.550000", "1.830000", "2.000000", "1.300000", ""}},
    {613, {"13.598000", "24.587400", "11.260000", "7.870000", "10.437000", "6.230000", "4.900000"}},
    {614, {"14.304000", "5.193000", "0.710000", "0.440000", "0.139000", "", ""}},
    {615, {"0.449360", "0.082900", "355.799988", "349.600006", "59.229000", "", ""}},
    {616, {"0.058680", "", "", "13.800000", "2.295000", "", ""}},
    {617, {"", "", "0.000610", "0.093300", "0.010400", "", ""}},
    {618, {"0.001815", "0.001513", "1.290000", "0.802000", "0.083400", "0.100000", ""}},
    {619, {"Amfot.", "", "Sur", "Amfot.", "Basisk", "", ""}},
    {620, {"Heksagonal", "Flatsentrert kubisk", "Heksagonal", "Romsentrert kubisk", "Rombisk", "", ""}},
    {621,
     {"1s^1", "1s^2", "1s^2 2s^2p^2", "[Ar]3d^6 4s^2", "[Xe]4f^14 5d^10 6s^2", "[Rn]5f^9 7s^2", "[Rn]5f^14 6d^1 7s^2"}},
    {622, {"1,-1", "", "4,-4,2", "2,3", "2,1", "3,4", ""}},
    {623, {"2", "2", "2", "4", "7", "0", "0"}},
    // Gas below its boiling point's 20 degrees, liquid with mp <= 20 < bp, solid above; Bk and Lr
    // have neither point.
    {625, {"Gass", "Gass", "Fast", "Fast", "Veske", "", ""}},
};

std::string ClickEveryRadioAndRead(const std::vector<RadioCase>& cases) {
  std::string script = "menu 4012\n";
  for (const RadioCase& example : cases)
    script += "click " + std::to_string(example.radio) + "\n" + ReadTelltaleBoxes();
  return script;
}

void ExpectBoxes(const SessionResult& result, const std::vector<RadioCase>& cases) {
  std::vector<std::string> printed;
  for (const std::string& line : result.lines) {
    if (line.rfind("text ", 0) == 0) printed.push_back(line);
  }
  ASSERT_EQ(printed.size(), cases.size() * TelltaleBoxes.size());
  for (size_t row = 0; row < cases.size(); ++row) {
    for (size_t column = 0; column < TelltaleBoxes.size(); ++column) {
      EXPECT_EQ(printed[row * TelltaleBoxes.size() + column],
                "text " + TelltaleBoxes[column] + ": " + cases[row].boxes[column])
          << "radio " << cases[row].radio;
    }
  }
}

TEST_F(PeriodicSessionTest, EveryPropertyRadioFillsTheValueBoxes) {
  ExpectBoxes(Run(ClickEveryRadioAndRead(NorwegianCases)), NorwegianCases);
}

// English names where they differ from the table's, and the English words of the coded properties.
TEST_F(PeriodicSessionTest, WithLanguageCode44TheNamesAndWordsAreEnglish) {
  const std::vector<RadioCase> cases = {
      {607, {"Hydrogen", "Helium", "Carbon", "Iron", "Mercury", "Berkelium", "Lawrencium"}},
      {619, {"Amphot.", "", "Acidic", "Amphot.", "Basic", "", ""}},
      {620, {"Hexagonal", "Cubic, face centered", "Hexagonal", "Cubic, body centered", "Rhombohedral", "", ""}},
      {625, {"Gas", "Gas", "Solid", "Solid", "Liquid", "", ""}},
  };
  ExpectBoxes(Run(ClickEveryRadioAndRead(cases), "44"), cases);
}

TEST_F(PeriodicSessionTest, TheCaptionAndControlTextsFollowTheLanguage) {
  const std::string script =
      "menu 4012\nwindow\ntext 604\ntext 614\ntext 625\ntext 643\ntext 644\ntext 633\n"
      "text 697\ntext 2\ntext 631\ntext 126\n";
  const std::vector<std::string> norwegian = {
      "window: PERIODESYSTEMET: PERIODESYSTEMET",
      "text 604: Atomnummer",
      "text 614: Spesifikk varmekapasitet  Jg    K",
      "text 625: Fasetilstand  20    C",
      "text 643: Lantanoidene ->",
      "text 644: Actinoidene   ->",
      "text 633: Gruppe",
      "text 697: Grafikk",
      "text 2: Lukk",
      "text 631:  3/IIIB  4/IVB   5/VB   6/VIB  7/VIIB  8/VIII  9/VIII 10/VIII  11/IB  12/IIB",
      "text 126: Fe",
  };
  const std::vector<std::string> english = {
      "window: PERIODIC TABLE: PERIODESYSTEMET",
      "text 604: Atomic number",
      "text 614: Specific heat capacity       Jg   K",
      "text 625: Phase           20   C",
      "text 643: Lanthanides ->",
      "text 644: Actinides    ->",
      "text 633: Group",
      "text 697: Graphics",
      "text 2: Close",
      "text 631:  3/IIIB  4/IVB   5/VB   6/VIB  7/VIIB  8/VIII  9/VIII 10/VIII  11/IB  12/IIB",
      "text 126: Fe",
  };
  EXPECT_EQ(Run(script, "47").lines, norwegian);
  EXPECT_EQ(Run(script, "44").lines, english);
}

// A stored choice that names no radio (624 has none) starts with the atomic numbers.
TEST_F(PeriodicSessionTest, AStoredPropertyWithoutARadioOpensWithTheAtomicNumbers) {
  const std::pair<const char*, const char*> cases[] = {
      {"624", "604"}, {"0", "604"}, {"700", "604"}, {"603", "604"}, {"696", "696"}, {"625", "625"}, {"612", "612"},
  };
  for (const auto& [stored, shown] : cases) {
    const SessionResult result = Run("menu 4012\nchecked " + std::string(shown) + "\ntext 501\ntext 602\n", "47",
                                     {{PeriodicTablePropertyLine, stored}});
    const bool atomicNumbers = std::string(shown) == "604";
    EXPECT_EQ(Values(result, "checked " + std::string(shown)), std::vector<std::string>{"1"}) << stored;
    if (atomicNumbers) {
      EXPECT_EQ(Values(result, "text 501"), std::vector<std::string>{"1"}) << stored;
      EXPECT_EQ(Values(result, "text 602"), std::vector<std::string>{"102"}) << stored;
    }
  }
}

// The choice is kept for the next opening and reaches the settings file through the settings
// dialog's save button; closing the table alone writes nothing.
TEST_F(PeriodicSessionTest, TheChosenPropertyIsRememberedAndSavedByTheSettingsDialog) {
  const SessionResult result =
      Run("menu 4012\nclick 622\nclick 2\nmenu 4012\nchecked 622\nchecked 604\ntext 501\nclick 2\n", "47",
          {{PeriodicTablePropertyLine, "604"}});
  EXPECT_EQ(Values(result, "checked 622"), std::vector<std::string>{"1"});
  EXPECT_EQ(Values(result, "checked 604"), std::vector<std::string>{"0"});
  EXPECT_EQ(Values(result, "text 501"), std::vector<std::string>{"1,-1"});
  EXPECT_EQ(SettingsLine(PeriodicTablePropertyLine), "604");

  Run("menu 4012\nclick 696\nclick 2\nmenu 4000\nclick 10101\nkey Escape\n", "47",
      {{PeriodicTablePropertyLine, "604"}});
  EXPECT_EQ(SettingsLine(PeriodicTablePropertyLine), "696");
}

TEST_F(PeriodicSessionTest, TheLauncherButtonAndTheStartupToolOpenTheTable) {
  EXPECT_EQ(Run("click 105\nwindow\nclick 2\nwindow\n").lines,
            (std::vector<std::string>{"window: PERIODESYSTEMET: PERIODESYSTEMET", "window: TAVRIN: CLIENT"}));
  folder.WriteSettings(SettingsText("47", "1"));
  const SessionResult startup = RunSession(folder.Path(), "window\nclick 2\nclick 103\nclick 103\nwindow\n");
  EXPECT_EQ(startup.exitCode, 0);
  EXPECT_EQ(startup.lines,
            (std::vector<std::string>{"window: PERIODESYSTEMET: PERIODESYSTEMET", "window: TAVRIN: CLIENT"}));
}

// The graph opens modally over the table and keeps its property choice for the next opening.
TEST_F(PeriodicSessionTest, TheGraphButtonOpensThePropertyGraph) {
  const SessionResult result =
      Run("menu 4012\nclick 697\nwindow\nchecked 101\nclick 105\nkey Escape\nwindow\nclick 697\nchecked 101\n"
          "checked 105\nkey Escape\n");
  EXPECT_EQ(result.exitCode, 0);
  EXPECT_EQ(result.lines,
            (std::vector<std::string>{"window: PERIODESYSTEMET - GRAFIKK: PERSYSGRAF", "checked 101: 1",
                                      "window: PERIODESYSTEMET: PERIODESYSTEMET", "checked 101: 0", "checked 105: 1"}));
}

TEST_F(PeriodicSessionTest, PicturesOfTheTableInBothLanguages) {
  for (const char* language : {"47", "44"}) {
    const fs::path picture = fs::path(TAVRIN_OUTPUT_DIR) / (std::string("periodic-table-") + language + ".png");
    fs::remove(picture);
    Run("menu 4012\nclick 625\nsnapshot " + picture.string() + "\n", language);
    const std::optional<PngPicture> png = PngPicture::Read(picture.string());
    ASSERT_TRUE(png) << picture;
    ExpectModalFrameAndCaption(*png);
    // "Grafikk" at 159, 1, 49 x 12 dialog units and "Lukk" at 323, 1, 36 x 12, each with its caption.
    for (const PictureBox& button : {DialogItemBox({}, 159, 1, 49, 12), DialogItemBox({}, 323, 1, 36, 12)}) {
      ExpectRaisedButton(*png, button, false);
      EXPECT_GT(InkInside(*png, button), 20) << language;
    }
  }
}

}  // namespace
