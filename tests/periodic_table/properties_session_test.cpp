#include <filesystem>
#include <fstream>
#include <sstream>

#include "resources/element_properties_ids.h"
#include "resources/menu_commands.h"
#include "resources/settings_dialog_ids.h"
#include "tests/periodic_table/periodic_session_fixture.h"
#include "tests/support/png_picture.h"

namespace {

namespace fs = std::filesystem;
using namespace steps;

const int PropertyFieldIds[] = {NameFieldId,
                                AtomicMassFieldId,
                                MeltingPointFieldId,
                                DensityFieldId,
                                CovalentRadiusFieldId,
                                ElectronConfigFieldId,
                                AtomicVolumeFieldId,
                                HeatOfVaporisationFieldId,
                                ThermalConductivityFieldId,
                                AcidBaseFieldId,
                                OxidationStatesFieldId,
                                SymbolFieldId,
                                AtomicNumberFieldId,
                                BoilingPointFieldId,
                                ElectronegativityFieldId,
                                AtomicRadiusFieldId,
                                IonisationPotentialFieldId,
                                SpecificHeatFieldId,
                                HeatOfFusionFieldId,
                                ElectricalConductivityFieldId,
                                CrystalStructureFieldId,
                                IsotopeCountFieldId};

std::string ReadPropertyFields() {
  std::string script;
  for (int id : PropertyFieldIds) script += Text(id);
  return script;
}

// The printed value of the isotope or history text split at its line breaks (printed as "\n"); the text ends with one.
std::vector<std::string> Rows(const std::string& printed) {
  std::vector<std::string> rows;
  size_t start = 0;
  for (size_t end; (end = printed.find("\\n", start)) != std::string::npos; start = end + 2) {
    rows.push_back(printed.substr(start, end - start));
  }
  EXPECT_EQ(start, printed.size()) << "the last row has no line break: " << printed;
  return rows;
}

// Characters of a UTF-8 text: the bytes that do not continue a character.
size_t Characters(const std::string& text) {
  size_t count = 0;
  for (unsigned char c : text) count += (c & 0xC0) != 0x80 ? 1 : 0;
  return count;
}

struct ElementCase {
  int button;
  std::vector<std::string> fields;  // in the order of PropertyFieldIds
};

// "%.4f" of the table's values; empty where a value is at or below its field's limit (-999
// temperatures, -1 density and electronegativity, 0 for the rest) and where a code has no text.
const std::vector<ElementCase> ElementCases = {
    {ElementButton(1), {"Hydrogen", "1.0079",  "-259.1400", "0.0710", "0.3200",     "1s^1",      "14.4000", "0.4494",
                        "0.0018",   "Amfot.",  "1,-1",      "H",      "1",          "-252.8700", "2.2000",  "0.7900",
                        "13.5980",  "14.3040", "0.0587",    "",       "Heksagonal", "2"}},
    {ElementButton(2), {"Helium", "4.0026", "-272.2000", "0.1250", "0.3200", "1s^2", "",
                        "0.0829", "0.0015", "",          "",       "He",     "2",    "-268.9300",
                        "",       "0.4900", "24.5874",   "5.1930", "",       "",     "Flatsentrert kubisk",
                        "2"}},
    {ElementButton(26), {"Jern",    "55.8450",   "1535.0000",
                         "7.8600",  "1.1700",    "[Ar]3d^6 4s^2",
                         "7.1000",  "349.6000",  "0.8020",
                         "Amfot.",  "2,3",       "Fe",
                         "26",      "2750.0000", "1.8300",
                         "1.7200",  "7.8700",    "0.4400",
                         "13.8000", "0.0933",    "Romsentrert kubisk",
                         "4"}},
    {ElementButton(97), {"Berkelium", "247.0000", "", "",       "", "[Rn]5f^9 7s^2", "", "", "0.1000", "", "3,4",
                         "Bk",        "97",       "", "1.3000", "", "6.2300",        "", "", "",       "", "0"}},
};

// Each element is shown in a window of its own: "Lukk" closes the window, and the next click
// on an element makes a new one.
TEST_F(PeriodicSessionTest, TheFieldsShowTheClickedElementsProperties) {
  std::string script = Menu(PeriodicTableCommand);
  for (const ElementCase& element : ElementCases) {
    script += Click(element.button) + "window\n" + ReadPropertyFields() + Click(PropertiesCloseId);
  }
  const SessionResult result = Run(script);
  EXPECT_EQ(result.Count("window: PERIODESYSTEMET - EGENSKAPER: EGENSKAPER"), 4);
  for (size_t field = 0; field < std::size(PropertyFieldIds); ++field) {
    const std::vector<std::string> shown = TextValues(result, PropertyFieldIds[field]);
    ASSERT_EQ(shown.size(), ElementCases.size());
    for (size_t element = 0; element < ElementCases.size(); ++element) {
      EXPECT_EQ(shown[element], ElementCases[element].fields[field])
          << "field " << PropertyFieldIds[field] << " of button " << ElementCases[element].button;
    }
  }
}

TEST_F(PeriodicSessionTest, ClickingFeThenCuShowsCu) {
  const SessionResult result =
      Run(Menu(PeriodicTableCommand) + Click(ElementButton(26)) + Text(NameFieldId) + Text(AtomicNumberFieldId) +
          Click(PropertiesCloseId) + Click(ElementButton(29)) + Text(NameFieldId) + Text(AtomicNumberFieldId));
  EXPECT_EQ(TextValues(result, NameFieldId), (std::vector<std::string>{"Jern", "Kobber"}));
  EXPECT_EQ(TextValues(result, AtomicNumberFieldId), (std::vector<std::string>{"26", "29"}));
}

// Hydrogen's two isotopes with the values of their isotope.dat records: key, "%.3f" abundance,
// "%.6f" mass padded to 11 characters with the spin right after it, then frequency, receptivity,
// magnetic moment, quadrupole moment (three blanks where H[1] has none) and magnetogyric ratio.
TEST_F(PeriodicSessionTest, TheIsotopeViewOfHydrogen) {
  const SessionResult result = Run(Menu(PeriodicTableCommand) + Click(ElementButton(1)) + Checked(IsotopeViewRadioId) +
                                   Text(IsotopeOrHistoryTextId) + Text(SpinUpperId) + Text(GyromagneticLowerId));
  EXPECT_EQ(CheckedValues(result, IsotopeViewRadioId), std::vector<std::string>{"1"});
  ASSERT_EQ(TextValues(result, IsotopeOrHistoryTextId).size(), 1u);
  EXPECT_EQ(Rows(TextValues(result, IsotopeOrHistoryTextId)[0]),
            (std::vector<std::string>{"H[1]\\t99.985\\t1.007830   1/2\\t100.000\\t1.00\\t2.7928\\t   \\t26.7522",
                                      "H[2]\\t0.015\\t2.014000   1\\t15.351\\t1.11E-6\\t0.8574\\t0.2860\\t4.1066"}));
  EXPECT_EQ(TextValues(result, SpinUpperId), std::vector<std::string>{"   Spinn"});
  EXPECT_EQ(TextValues(result, GyromagneticLowerId), std::vector<std::string>{"forhold(rad/T s)"});
}

// Tin has the most isotopes, ten, in falling abundance; technetium has none: the headings show
// and the table stays empty.
TEST_F(PeriodicSessionTest, TheIsotopeViewsOfTinAndTechnetium) {
  const SessionResult result =
      Run(Menu(PeriodicTableCommand) + Click(ElementButton(50)) + Text(IsotopeOrHistoryTextId) +
          Click(PropertiesCloseId) + Click(ElementButton(43)) + Text(IsotopeOrHistoryTextId) +
          Text(IsotopeCountFieldId) + Text(FirstColumnUpperId) + Text(AbundanceUpperId));
  const std::vector<std::string> tables = TextValues(result, IsotopeOrHistoryTextId);
  ASSERT_EQ(tables.size(), 2u);
  const std::vector<std::string> tin = Rows(tables[0]);
  ASSERT_EQ(tin.size(), 10u);
  EXPECT_TRUE(tin[0].starts_with("Sn[120]\\t32.580\\t")) << tin[0];
  EXPECT_TRUE(tin[3].starts_with("Sn[119]\\t8.590\\t118.903305 1/2\\t37.291\\t")) << tin[3];
  EXPECT_TRUE(tin[9].starts_with("Sn[115]\\t0.340\\t")) << tin[9];
  EXPECT_EQ(tables[1], "");
  EXPECT_EQ(TextValues(result, IsotopeCountFieldId), std::vector<std::string>{"0"});
  EXPECT_EQ(TextValues(result, FirstColumnUpperId), std::vector<std::string>{"Stabile"});
  EXPECT_EQ(TextValues(result, AbundanceUpperId), std::vector<std::string>{"Naturlig"});
}

// The history text in rows of at most 64 characters, broken at blanks; the column headings go.
TEST_F(PeriodicSessionTest, TheHistoryViewShowsTheTextInRows) {
  struct Case {
    const char* language;
    const char* heading;
    const char* start;
  };
  for (const Case& example : {Case{"47", "Historikk", "Jern "}, Case{"44", "History", "Iron "}}) {
    const SessionResult result = Run(Menu(PeriodicTableCommand) + Click(ElementButton(26)) + Click(HistoryViewRadioId) +
                                         Text(IsotopeOrHistoryTextId) + Text(FirstColumnUpperId) +
                                         Text(FirstColumnLowerId) + Text(AbundanceUpperId),
                                     example.language, {{PropertiesViewModeLine, "0"}});
    ASSERT_EQ(TextValues(result, IsotopeOrHistoryTextId).size(), 1u);
    const std::vector<std::string> rows = Rows(TextValues(result, IsotopeOrHistoryTextId)[0]);
    EXPECT_GT(rows.size(), 3u);
    EXPECT_EQ(rows.front().rfind(example.start, 0), 0u) << rows.front();
    for (const std::string& row : rows) {
      EXPECT_LE(Characters(row), 64u) << row;
      EXPECT_FALSE(row.empty() || row.back() == ' ') << row;
    }
    EXPECT_EQ(TextValues(result, FirstColumnUpperId), std::vector<std::string>{""});
    EXPECT_EQ(TextValues(result, FirstColumnLowerId), std::vector<std::string>{example.heading});
    EXPECT_EQ(TextValues(result, AbundanceUpperId), std::vector<std::string>{""});
  }
}

// The view is remembered in PropertiesViewMode: a window opened with it 1 starts in the history
// view, and the choice made in one window holds for the next.
TEST_F(PeriodicSessionTest, TheViewChoiceHoldsForTheNextWindow) {
  const SessionResult result = Run(Menu(PeriodicTableCommand) + Click(ElementButton(1)) + Checked(HistoryViewRadioId) +
                                       Text(FirstColumnLowerId) + Click(IsotopeViewRadioId) + Click(PropertiesCloseId) +
                                       Click(ElementButton(2)) + Checked(IsotopeViewRadioId) +
                                       Text(FirstColumnLowerId) + Click(PropertiesCloseId) + Click(PeriodicCloseId) +
                                       Menu(SetupCommand) + Click(SaveSettingsId) + "key Escape\n",
                                   "47", {{PropertiesViewModeLine, "1"}});
  EXPECT_EQ(CheckedValues(result, HistoryViewRadioId), std::vector<std::string>{"1"});
  EXPECT_EQ(CheckedValues(result, IsotopeViewRadioId), std::vector<std::string>{"1"});
  EXPECT_EQ(TextValues(result, FirstColumnLowerId), (std::vector<std::string>{"Historikk", "isotoper"}));
  EXPECT_EQ(SettingsLine(PropertiesViewModeLine), "0");
}

TEST_F(PeriodicSessionTest, ThePropertiesWindowSpeaksEnglishWithLanguageCode44) {
  const SessionResult result =
      Run(Menu(PeriodicTableCommand) + Click(ElementButton(29)) + "window\n" + Text(NameFieldId) +
              Text(IsotopeViewRadioId) + Text(HistoryViewRadioId) + Text(PropertiesCloseId) +
              Text(MeltingPointLabelId) + Text(AtomicNumberLabelId) + Text(CrystalStructureLabelId) +
              Text(AcidBaseFieldId) + Text(CrystalStructureFieldId) + Text(AbundanceLowerId),
          "44");
  const std::vector<std::string> expected = {
      "window: PERIODIC TABLE - PROPERTIES: EGENSKAPER",
      TextLine(NameFieldId, "Copper"),
      TextLine(IsotopeViewRadioId, "Stable isotopes"),
      TextLine(HistoryViewRadioId, "History"),
      TextLine(PropertiesCloseId, "Close"),
      TextLine(MeltingPointLabelId, "Melting point"),
      TextLine(AtomicNumberLabelId, "Atomic number:"),
      TextLine(CrystalStructureLabelId, "Crystal structure:"),
      TextLine(AcidBaseFieldId, "Basic"),
      TextLine(CrystalStructureFieldId, "Cubic, face centered"),
      TextLine(AbundanceLowerId, "     (%)"),
  };
  EXPECT_EQ(result.lines, expected);
}

TEST_F(PeriodicSessionTest, PicturesOfThePropertiesWindowInBothViews) {
  for (int view : {IsotopeViewRadioId, HistoryViewRadioId}) {
    const fs::path picture = fs::path(TAVRIN_OUTPUT_DIR) / ("element-properties-" + std::to_string(view) + ".png");
    fs::remove(picture);
    Run(Menu(PeriodicTableCommand) + Click(ElementButton(26)) + Click(view) + "snapshot " + picture.string() + "\n");
    const std::optional<PngPicture> png = PngPicture::Read(picture.string());
    ASSERT_TRUE(png) << picture;
    ExpectModalFrameAndCaption(*png);
    ExpectRaisedButton(*png, DialogItemBox({}, 321, 1, 30, 12), false);
    // The radio button of the view shown has its dot, the other not: isotopes at 3, 112, 108 x 12
    // dialog units, history at 111, 112, 42 x 12.
    const bool isotopes = view == IsotopeViewRadioId;
    EXPECT_EQ(RadioDotShown(*png, DialogItemBox({}, 3, 112, 108, 12)), isotopes) << view;
    EXPECT_EQ(RadioDotShown(*png, DialogItemBox({}, 111, 112, 42, 12)), !isotopes) << view;
    // The view's text in its field at 3, 145, 353 x 58.
    EXPECT_GT(InkInside(*png, DialogItemBox({}, 3, 145, 353, 58)), 100) << view;
  }
}

}  // namespace
