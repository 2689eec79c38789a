#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>

#include "resources/launcher_form_ids.h"
#include "resources/menu_commands.h"
#include "resources/property_graph_ids.h"
#include "resources/settings_dialog_ids.h"
#include "tests/periodic_table/periodic_session_fixture.h"
#include "tests/support/png_picture.h"

namespace {

namespace fs = std::filesystem;
using namespace steps;

// The value boxes of H, He, C, Fe, Hg, Bk and Lr.
const std::vector<int> TelltaleBoxes = {ValueBox(1),  ValueBox(2),  ValueBox(6),  ValueBox(26),
                                        ValueBox(80), ValueBox(97), ValueBox(103)};

std::string ReadTelltaleBoxes() {
  std::string script;
  for (int box : TelltaleBoxes) script += Text(box);
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
    {AtomicNumberRadioId, {"1", "2", "6", "26", "80", "97", "103"}},
    {NameRadioId, {"Hydrogen", "Helium", "Karbon", "Jern", "Kvikks\xC3\xB8lv", "Berkelium", "Lawrencium"}},
    {AtomicMassRadioId, {"1.007940", "4.002602", "12.011000", "55.845001", "200.589996", "247.000000", "260.000000"}},
    {MeltingPointRadioId, {"-259.140015", "-272.200012", "3550.000000", "1535.000000", "-38.869999", "", ""}},
    {BoilingPointRadioId, {"-252.869995", "-268.929993", "4827.000000", "2750.000000", "356.579987", "", ""}},
    {DensityRadioId, {"0.071000", "0.125000", "2.260000", "7.860000", "13.600000", "", ""}},
    {CovalentRadiusRadioId, {"0.320000", "0.320000", "0.770000", "1.170000", "1.490000", "", ""}},
    {AtomicRadiusRadioId, {"0.790000", "0.490000", "0.910000", "1.720000", "1.760000", "", ""}},
    {AtomicVolumeRadioId, {"14.400000", "", "4.580000", "7.100000", "14.820000", "", ""}},
    {ElectronegativityRadioId, {"2.200000", "", "2.550000", "1.830000", "2.000000", "1.300000", ""}},
    {IonisationPotentialRadioId,
     {"13.598000", "24.587400", "11.260000", "7.870000", "10.437000", "6.230000", "4.900000"}},
    {SpecificHeatRadioId, {"14.304000", "5.193000", "0.710000", "0.440000", "0.139000", "", ""}},
    {HeatOfVaporisationRadioId, {"0.449360", "0.082900", "355.799988", "349.600006", "59.229000", "", ""}},
    {HeatOfFusionRadioId, {"0.058680", "", "", "13.800000", "2.295000", "", ""}},
    {ElectricalConductivityRadioId, {"", "", "0.000610", "0.093300", "0.010400", "", ""}},
    {ThermalConductivityRadioId, {"0.001815", "0.001513", "1.290000", "0.802000", "0.083400", "0.100000", ""}},
    {AcidBaseRadioId, {"Amfot.", "", "Sur", "Amfot.", "Basisk", "", ""}},
    {CrystalStructureRadioId,
     {"Heksagonal", "Flatsentrert kubisk", "Heksagonal", "Romsentrert kubisk", "Rombisk", "", ""}},
    {ElectronConfigRadioId,
     {"1s^1", "1s^2", "1s^2 2s^2p^2", "[Ar]3d^6 4s^2", "[Xe]4f^14 5d^10 6s^2", "[Rn]5f^9 7s^2", "[Rn]5f^14 6d^1 7s^2"}},
    {OxidationStatesRadioId, {"1,-1", "", "4,-4,2", "2,3", "2,1", "3,4", ""}},
    {IsotopeCountRadioId, {"2", "2", "2", "4", "7", "0", "0"}},
    // Gas below its boiling point's 20 degrees, liquid with mp <= 20 < bp, solid above; Bk and Lr
    // have neither point.
    {PhaseRadioId, {"Gass", "Gass", "Fast", "Fast", "Veske", "", ""}},
};

std::string ClickEveryRadioAndRead(const std::vector<RadioCase>& cases) {
  std::string script = Menu(PeriodicTableCommand);
  for (const RadioCase& example : cases) script += Click(example.radio) + ReadTelltaleBoxes();
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
      EXPECT_EQ(printed[row * TelltaleBoxes.size() + column], TextLine(TelltaleBoxes[column], cases[row].boxes[column]))
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
      {NameRadioId, {"Hydrogen", "Helium", "Carbon", "Iron", "Mercury", "Berkelium", "Lawrencium"}},
      {AcidBaseRadioId, {"Amphot.", "", "Acidic", "Amphot.", "Basic", "", ""}},
      {CrystalStructureRadioId,
       {"Hexagonal", "Cubic, face centered", "Hexagonal", "Cubic, body centered", "Rhombohedral", "", ""}},
      {PhaseRadioId, {"Gas", "Gas", "Solid", "Solid", "Liquid", "", ""}},
  };
  ExpectBoxes(Run(ClickEveryRadioAndRead(cases), "44"), cases);
}

TEST_F(PeriodicSessionTest, TheCaptionAndControlTextsFollowTheLanguage) {
  std::string script = Menu(PeriodicTableCommand) + "window\n";
  for (int id : {AtomicNumberRadioId, SpecificHeatRadioId, PhaseRadioId, LanthanidesLabelId, ActinidesLabelId,
                 GroupHeadingId, GraphButtonId, PeriodicCloseId, ElementButton(26)}) {
    script += Text(id);
  }
  const std::vector<std::string> norwegian = {
      "window: PERIODESYSTEMET: PERIODESYSTEMET",
      TextLine(AtomicNumberRadioId, "Atomnummer"),
      TextLine(SpecificHeatRadioId, "Spesifikk varmekapasitet  Jg    K"),
      TextLine(PhaseRadioId, "Fasetilstand  20    C"),
      TextLine(LanthanidesLabelId, "Lantanoidene ->"),
      TextLine(ActinidesLabelId, "Actinoidene   ->"),
      TextLine(GroupHeadingId, "Gruppe"),
      TextLine(GraphButtonId, "Grafikk"),
      TextLine(PeriodicCloseId, "Lukk"),
      TextLine(ElementButton(26), "Fe"),
  };
  const std::vector<std::string> english = {
      "window: PERIODIC TABLE: PERIODESYSTEMET",
      TextLine(AtomicNumberRadioId, "Atomic number"),
      TextLine(SpecificHeatRadioId, "Specific heat capacity       Jg   K"),
      TextLine(PhaseRadioId, "Phase           20   C"),
      TextLine(LanthanidesLabelId, "Lanthanides ->"),
      TextLine(ActinidesLabelId, "Actinides    ->"),
      TextLine(GroupHeadingId, "Group"),
      TextLine(GraphButtonId, "Graphics"),
      TextLine(PeriodicCloseId, "Close"),
      TextLine(ElementButton(26), "Fe"),
  };
  EXPECT_EQ(Run(script, "47").lines, norwegian);
  EXPECT_EQ(Run(script, "44").lines, english);
}

// The group headings say the same in both languages; the window only spaces their numbers over the
// columns, each number with its Roman numeral a word of its own.
TEST_F(PeriodicSessionTest, TheGroupHeadingsNameEveryGroupInOrder) {
  std::string script = Menu(PeriodicTableCommand);
  const int headings[] = {Group1LabelId, Group2LabelId, Groups3To12LabelId, Groups13To17LabelId, Group18LabelId};
  for (int id : headings) script += Text(id);
  const std::vector<std::string> groups = {"1/IA",   "2/IIA",   "3/IIIB", "4/IVB",  "5/VB",   "6/VIB",
                                           "7/VIIB", "8/VIII",  "9/VIII", "10/VIII", "11/IB", "12/IIB",
                                           "13/IIIA", "14/IVA", "15/VA",  "16/VIA", "17/VIIA", "18/VIIIA"};
  for (const char* language : {"47", "44"}) {
    const SessionResult result = Run(script, language);
    std::vector<std::string> words;
    for (int id : headings) {
      for (const std::string& text : TextValues(result, id)) {
        std::istringstream heading(text);
        words.insert(words.end(), std::istream_iterator<std::string>(heading), {});
      }
    }
    EXPECT_EQ(words, groups) << language;
  }
}

// A stored choice that names no radio (624 has none) starts with the atomic numbers.
TEST_F(PeriodicSessionTest, AStoredPropertyWithoutARadioOpensWithTheAtomicNumbers) {
  const std::pair<const char*, int> cases[] = {
      {"624", AtomicNumberRadioId},      {"0", AtomicNumberRadioId},   {"700", AtomicNumberRadioId},
      {"603", AtomicNumberRadioId},      {"696", AtomicVolumeRadioId}, {"625", PhaseRadioId},
      {"612", ElectronegativityRadioId},
  };
  const int hydrogenBox = ValueBox(1), nobeliumBox = ValueBox(102);
  for (const auto& [stored, shown] : cases) {
    const SessionResult result =
        Run(Menu(PeriodicTableCommand) + Checked(shown) + Text(hydrogenBox) + Text(nobeliumBox), "47",
            {{PeriodicTablePropertyLine, stored}});
    EXPECT_EQ(CheckedValues(result, shown), std::vector<std::string>{"1"}) << stored;
    if (shown == AtomicNumberRadioId) {
      EXPECT_EQ(TextValues(result, hydrogenBox), std::vector<std::string>{"1"}) << stored;
      EXPECT_EQ(TextValues(result, nobeliumBox), std::vector<std::string>{"102"}) << stored;
    }
  }
}

// The choice is kept for the next opening and reaches the settings file through the settings
// dialog's save button; closing the table alone writes nothing.
TEST_F(PeriodicSessionTest, TheChosenPropertyIsRememberedAndSavedByTheSettingsDialog) {
  const int hydrogenBox = ValueBox(1);
  const SessionResult result = Run(Menu(PeriodicTableCommand) + Click(OxidationStatesRadioId) + Click(PeriodicCloseId) +
                                       Menu(PeriodicTableCommand) + Checked(OxidationStatesRadioId) +
                                       Checked(AtomicNumberRadioId) + Text(hydrogenBox) + Click(PeriodicCloseId),
                                   "47", {{PeriodicTablePropertyLine, "604"}});
  EXPECT_EQ(CheckedValues(result, OxidationStatesRadioId), std::vector<std::string>{"1"});
  EXPECT_EQ(CheckedValues(result, AtomicNumberRadioId), std::vector<std::string>{"0"});
  EXPECT_EQ(TextValues(result, hydrogenBox), std::vector<std::string>{"1,-1"});
  EXPECT_EQ(SettingsLine(PeriodicTablePropertyLine), "604");

  Run(Menu(PeriodicTableCommand) + Click(AtomicVolumeRadioId) + Click(PeriodicCloseId) + Menu(SetupCommand) +
          Click(SaveSettingsId) + "key Escape\n",
      "47", {{PeriodicTablePropertyLine, "604"}});
  EXPECT_EQ(SettingsLine(PeriodicTablePropertyLine), "696");
}

TEST_F(PeriodicSessionTest, TheLauncherButtonAndTheStartupToolOpenTheTable) {
  EXPECT_EQ(Run(Click(PeriodicTableButtonId) + "window\n" + Click(PeriodicCloseId) + "window\n").lines,
            (std::vector<std::string>{"window: PERIODESYSTEMET: PERIODESYSTEMET", "window: TAVRIN: CLIENT"}));
  folder.WriteSettings(SettingsText("47", "1"));
  const SessionResult startup =
      RunSession(folder.Path(), "window\n" + Click(PeriodicCloseId) + Click(LogoId) + Click(LogoId) + "window\n");
  EXPECT_EQ(startup.exitCode, 0);
  EXPECT_EQ(startup.lines,
            (std::vector<std::string>{"window: PERIODESYSTEMET: PERIODESYSTEMET", "window: TAVRIN: CLIENT"}));
}

// The graph opens modally over the table and keeps its property choice for the next opening.
TEST_F(PeriodicSessionTest, TheGraphButtonOpensThePropertyGraph) {
  const SessionResult result =
      Run(Menu(PeriodicTableCommand) + Click(GraphButtonId) + "window\n" + Checked(GraphAtomicMassRadioId) +
          Click(GraphCovalentRadiusRadioId) + "key Escape\nwindow\n" + Click(GraphButtonId) +
          Checked(GraphAtomicMassRadioId) + Checked(GraphCovalentRadiusRadioId) + "key Escape\n");
  EXPECT_EQ(result.exitCode, 0);
  EXPECT_EQ(result.lines, (std::vector<std::string>{
                              "window: PERIODESYSTEMET - GRAFIKK: PERSYSGRAF", CheckedLine(GraphAtomicMassRadioId, "1"),
                              "window: PERIODESYSTEMET: PERIODESYSTEMET", CheckedLine(GraphAtomicMassRadioId, "0"),
                              CheckedLine(GraphCovalentRadiusRadioId, "1")}));
}

TEST_F(PeriodicSessionTest, PicturesOfTheTableInBothLanguages) {
  for (const char* language : {"47", "44"}) {
    const fs::path picture = fs::path(TAVRIN_OUTPUT_DIR) / (std::string("periodic-table-") + language + ".png");
    fs::remove(picture);
    Run(Menu(PeriodicTableCommand) + Click(PhaseRadioId) + "snapshot " + picture.string() + "\n", language);
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
