#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <fstream>
#include <map>

#include "resources/balancing_ids.h"
#include "resources/launcher_form_ids.h"
#include "resources/menu_commands.h"
#include "tests/support/script_steps.h"
#include "tests/app/session_runner.h"
#include "tests/app/settings_fixture.h"
#include "tests/support/png_picture.h"

namespace {

using namespace steps;

namespace fs = std::filesystem;

// Standard atomic weights, rounded as in the usual tables; the program's own table may differ in
// the last digits, which the tolerance below allows for.
constexpr double H = 1.008, C = 12.011, O = 15.999, S = 32.06, Fe = 55.845;
constexpr double RelativeTolerance = 3e-4;

struct Row {
  std::string name;
  double moles;
  double grams;
};

std::vector<std::string> Split(const std::string& text, const std::string& separator) {
  std::vector<std::string> parts;
  std::size_t start = 0;
  for (std::size_t at; (at = text.find(separator, start)) != std::string::npos; start = at + separator.size()) {
    parts.push_back(text.substr(start, at - start));
  }
  parts.push_back(text.substr(start));
  return parts;
}

// A table row as the session prints it: the name, tabs to the moles column by the name's length
// (five under 8 characters, one less for every further 8), the moles, one tab after a text of 8 or
// more characters else two, the mass; each row ends in a line break, with no blank before it.
std::string RowText(const std::string& name, const std::string& moles, const std::string& grams) {
  const std::size_t nameTabs = 5 - name.size() / 8;
  std::string row = name;
  for (std::size_t i = 0; i < nameTabs; ++i) row += "\\t";
  row += moles + (moles.size() >= 8 ? "\\t" : "\\t\\t") + grams;
  return row;
}

// The rows of the amounts table, each checked against the column layout.
std::vector<Row> TableRows(const std::string& printed) {
  std::vector<Row> rows;
  std::vector<std::string> lines = Split(printed, "\\n");
  EXPECT_EQ(lines.back(), "") << "the table ends with a line break";
  lines.pop_back();
  for (const std::string& line : lines) {
    std::vector<std::string> cells;
    for (const std::string& cell : Split(line, "\\t")) {
      if (!cell.empty()) cells.push_back(cell);
    }
    if (cells.size() != 3) {
      ADD_FAILURE() << "row " << line;
      continue;
    }
    EXPECT_EQ(line, RowText(cells[0], cells[1], cells[2]));
    rows.push_back({cells[0], std::stod(cells[1]), std::stod(cells[2])});
  }
  return rows;
}

void ExpectRows(const std::string& printed, const std::vector<Row>& expected) {
  const std::vector<Row> rows = TableRows(printed);
  ASSERT_EQ(rows.size(), expected.size()) << printed;
  for (std::size_t i = 0; i < rows.size(); ++i) {
    EXPECT_EQ(rows[i].name, expected[i].name);
    EXPECT_NEAR(rows[i].moles, expected[i].moles, expected[i].moles * RelativeTolerance) << rows[i].name;
    EXPECT_NEAR(rows[i].grams, expected[i].grams, expected[i].grams * RelativeTolerance) << rows[i].name;
  }
}

// The value of the reading step "text ID" that came at position index among the session's lines.
std::string Value(const SessionResult& result, std::size_t index, int id) {
  if (index >= result.lines.size()) return "<missing line>";
  const std::string& line = result.lines[index];
  const std::string start = TextLine(id, "");
  if (line.rfind(start, 0) != 0) return "<" + line + ">";
  return line.substr(start.size());
}

class BalanceSessionTest : public ::testing::Test {
 protected:
  SessionResult Run(const std::string& language, const std::string& script) {
    folder.WriteSettings(SettingsText(language, "0"));
    return RunSession(folder.Path(), script);
  }
  fs::path ListPath() const { return folder.Path() / "dats" / "datfiles" / "atomdata" / "balequ.dat"; }
  void WriteList(const std::string& text) const {
    fs::create_directories(ListPath().parent_path());
    std::ofstream(ListPath(), std::ios::binary) << text;
  }
  WorkingFolder folder;
};

const double FeS2 = Fe + 2 * S, O2 = 2 * O, Fe3O4 = 3 * Fe + 4 * O, SO2 = S + 2 * O;
const double C3H8 = 3 * C + 8 * H, CO2 = C + 2 * O, H2O = 2 * H + O;

TEST_F(BalanceSessionTest, TheExamplesAreBalancedAndTheirAmountsScaled) {
  const SessionResult result = Run(
      "47", Menu(BalanceCommand) + Type(EquationFieldId, "FeS2+O2>Fe3O4+SO2") + Click(CalculateBalanceId) +
                Text(BalancedEquationId) + Text(AmountsTableId) + Click(FirstExampleId + 1) + Text(EquationFieldId) +
                Text(BalancedEquationId) + Text(AmountsTableId) + Click(CalculateBalanceId) + Text(BalancedEquationId) +
                Text(AmountsTableId) + Click(FirstExampleId + 3) + Text(EquationFieldId) + Click(CalculateBalanceId) +
                Text(BalancedEquationId) + Text(AmountsTableId) + "key Escape\n");
  ASSERT_EQ(result.exitCode, 0);
  ASSERT_EQ(result.lines.size(), 10u);

  // Without amounts every species gets its coefficient in moles and the mass of that many moles.
  EXPECT_EQ(Value(result, 0, BalancedEquationId), "3FeS2 + 8O2 = Fe3O4 + 6SO2");
  const std::string pyriteTable = Value(result, 1, AmountsTableId);
  ExpectRows(pyriteTable, {{"FeS2", 3, 3 * FeS2}, {"O2", 8, 8 * O2}, {"Fe3O4", 1, Fe3O4}, {"SO2", 6, 6 * SO2}});

  // An example button only fills the field; the last result stays until the next calculation.
  EXPECT_EQ(Value(result, 2, EquationFieldId), "2gC3H8+O2>CO2+H2O");
  EXPECT_EQ(Value(result, 3, BalancedEquationId), "3FeS2 + 8O2 = Fe3O4 + 6SO2");
  EXPECT_EQ(Value(result, 4, AmountsTableId), pyriteTable);

  // 2 g propane: n = 2 / 44.097 = 0.0453546 mol; oxygen 5n = 0.226773 mol (7.2563 g), carbon
  // dioxide 3n = 0.136064 mol (5.9880 g), water 4n = 0.181418 mol (3.2683 g).
  const double propane = 2 / C3H8;
  EXPECT_EQ(Value(result, 5, BalancedEquationId), "C3H8 + 5O2 = 3CO2 + 4H2O");
  ExpectRows(Value(result, 6, AmountsTableId), {{"C3H8", propane, 2},
                                                {"O2", 5 * propane, 5 * propane * O2},
                                                {"CO2", 3 * propane, 3 * propane * CO2},
                                                {"H2O", 4 * propane, 4 * propane * H2O}});

  // 5 g propane (0.1134 mol) would need 0.567 mol oxygen, but 3 g is 0.0937559 mol: oxygen limits,
  // so propane 0.0187512 mol (0.82688 g) reacts, giving 0.0562535 mol carbon dioxide (2.4757 g)
  // and 0.0750047 mol water (1.3512 g).
  const double oxygen = 3 / O2;
  EXPECT_EQ(Value(result, 7, EquationFieldId), "5gC3H8+3gO2>CO2+H2O");
  EXPECT_EQ(Value(result, 8, BalancedEquationId), "C3H8 + 5O2 = 3CO2 + 4H2O");
  ExpectRows(Value(result, 9, AmountsTableId), {{"C3H8", oxygen / 5, oxygen / 5 * C3H8},
                                                {"O2", oxygen, 3},
                                                {"CO2", oxygen * 3 / 5, oxygen * 3 / 5 * CO2},
                                                {"H2O", oxygen * 4 / 5, oxygen * 4 / 5 * H2O}});
}

// Enter in the equation field calculates too: "Beregn" is the window's default button.
TEST_F(BalanceSessionTest, BlanksInTheTypedEquationAreIgnored) {
  const SessionResult result = Run("47", Menu(BalanceCommand) + Type(EquationFieldId, " FeS2 + O2  >  Fe3O4 + SO2 ") +
                                             Click(CalculateBalanceId) + Text(BalancedEquationId) +
                                             Type(EquationFieldId, "2g C3H8 + O2 > CO2 + H2O") + "key Enter\n" +
                                             Text(BalancedEquationId) + Text(AmountsTableId) + "key Escape\n");
  ASSERT_EQ(result.exitCode, 0);
  ASSERT_EQ(result.lines.size(), 3u);
  EXPECT_EQ(Value(result, 0, BalancedEquationId), "3FeS2 + 8O2 = Fe3O4 + 6SO2");
  EXPECT_EQ(Value(result, 1, BalancedEquationId), "C3H8 + 5O2 = 3CO2 + 4H2O");
  EXPECT_NEAR(TableRows(Value(result, 2, AmountsTableId)).at(0).grams, 2, 2 * RelativeTolerance);
}

// Oxygen stands only among the reactants: the error line in the window's language, no table,
// also after a table that a calculation before had shown.
TEST_F(BalanceSessionTest, AnElementOnOneSideOnlyShowsTheErrorLineAndNoTable) {
  for (const auto& [language, line] :
       std::vector<std::pair<std::string, std::string>>{{"47", "Feil 26 :Mangler 'O' paa en av sidene i ligning !"},
                                                        {"44", "Error 26 :Missing 'O' in one side of expr. !"}}) {
    SCOPED_TRACE(language);
    const SessionResult result =
        Run(language, Menu(BalanceCommand) + Click(FirstExampleId) + Click(CalculateBalanceId) + Text(AmountsTableId) +
                          Type(EquationFieldId, "Fe+O2>Fe") + Click(CalculateBalanceId) + Text(BalancedEquationId) +
                          Text(AmountsTableId) + "key Escape\n");
    ASSERT_EQ(result.exitCode, 0);
    ASSERT_EQ(result.lines.size(), 3u);
    EXPECT_NE(Value(result, 0, AmountsTableId), "");
    EXPECT_EQ(Value(result, 1, BalancedEquationId), line);
    EXPECT_EQ(Value(result, 2, AmountsTableId), "");
  }
}

// The balanced form adds blanks around "+" and "=": an equation that fits when typed may not fit
// once balanced, and then shows the length error instead of a cut or overlong result. Six species
// on each side, each with an element of its own and on both sides, balance with every coefficient 1.
TEST_F(BalanceSessionTest, ABalancedEquationTooLongForTheResultIsAnError) {
  const auto equation = [](const std::string& chain, const std::string& plus, const std::string& arrow) {
    std::string side;
    for (const char* element : {"Li", "Na", "K", "Rb", "Cs", "Mg"})
      side += (side.empty() ? "" : plus) + element + chain;
    return side + arrow + side;
  };
  // 6 x 20 + 5 characters a side and the arrow: 249 typed, 249 + 2 x 11 = 271 once balanced.
  const std::string tooLong = equation("CH2CH2CH2CH2CH2CH3", "+", ">");
  // 6 x 17 + 5 a side: 215 typed, 237 balanced.
  const std::string fits = equation("CH2CH2CH2CH2CH3", "+", ">");
  ASSERT_EQ(tooLong.size(), 249u);
  WriteList(tooLong + "\n" + fits + "\n");
  for (const auto& [language, line] : std::vector<std::pair<std::string, std::string>>{
           {"47", "Feil 17 :Maksimalt antall formelkarakterer = 254 !"},
           {"44", "Error 17 :Max number of characters in formula = 254 !"}}) {
    SCOPED_TRACE(language);
    const SessionResult result =
        Run(language, Menu(BalanceCommand) + Select(EquationListId, 0) + Click(CalculateBalanceId) +
                          Text(BalancedEquationId) + Text(AmountsTableId) + Select(EquationListId, 1) +
                          Click(CalculateBalanceId) + Text(BalancedEquationId) + "key Escape\n");
    ASSERT_EQ(result.exitCode, 0);
    ASSERT_EQ(result.lines.size(), 3u);
    EXPECT_EQ(Value(result, 0, BalancedEquationId), line);
    EXPECT_EQ(Value(result, 1, AmountsTableId), "");
    EXPECT_EQ(Value(result, 2, BalancedEquationId), equation("CH2CH2CH2CH2CH3", " + ", " = "));
  }
}

// A double click on an entry selects it, fills the field and calculates it.
TEST_F(BalanceSessionTest, ADoubleClickOnAnEntryCalculatesIt) {
  const std::map<std::string, std::string> balanced = {
      {"H2+O2>H2O", "2H2 + O2 = 2H2O"},        {"N2+H2>NH3", "N2 + 3H2 = 2NH3"},
      {"Al+O2>Al2O3", "4Al + 3O2 = 2Al2O3"},   {"CH4+O2>CO2+H2O", "CH4 + 2O2 = CO2 + 2H2O"},
      {"Fe+Cl2>FeCl3", "2Fe + 3Cl2 = 2FeCl3"}, {"C2H6+O2>CO2+H2O", "2C2H6 + 7O2 = 4CO2 + 6H2O"},
  };
  std::string list;
  for (const auto& [equation, result] : balanced) list += equation + "\n";
  WriteList(list);
  const SessionResult result = Run("47", Menu(BalanceCommand) + Text(BalancedEquationId) + DoubleClick(EquationListId) +
                                             Text(EquationFieldId) + Text(BalancedEquationId) + "key Escape\n");
  ASSERT_EQ(result.exitCode, 0);
  ASSERT_EQ(result.lines.size(), 3u);
  EXPECT_EQ(Value(result, 0, BalancedEquationId), "");
  const std::string chosen = Value(result, 1, EquationFieldId);
  ASSERT_EQ(balanced.count(chosen), 1u) << chosen;
  EXPECT_EQ(Value(result, 2, BalancedEquationId), balanced.at(chosen));
}

// The launcher's button opens the window as the menu does; every listed text is English with
// language code 44 and Norwegian otherwise.
TEST_F(BalanceSessionTest, LauncherAndMenuOpenTheWindowInTheLanguage) {
  const int texts[] = {BalanceCloseId,  CalculateBalanceId,  UnbalancedLabelId, BalancedLabelId, TableHeadingsId,
                       ExamplesLabelId, EquationListLabelId, AddGroupId,        EditListGroupId, DeleteEquationId,
                       AddBeforeId,     AddAfterId,          ReplaceEquationId};
  std::string reads = "window\n";
  for (int id : texts) reads += Text(id);
  reads += "key Escape\n";
  const std::vector<std::string> english = {
      "window: BALANCE: BALANSERE",
      TextLine(BalanceCloseId, "Close"),
      TextLine(CalculateBalanceId, "Calculate"),
      TextLine(UnbalancedLabelId, "Unbalanced equation"),
      TextLine(BalancedLabelId, "Balanced equation"),
      TextLine(TableHeadingsId, "Compund") + std::string(66, ' ') + "Mol" + std::string(30, ' ') + "Mass (g)",
      TextLine(ExamplesLabelId, "Examples:"),
      TextLine(EquationListLabelId, "Unbalanced chemical equations"),
      TextLine(AddGroupId, "Add equation"),
      TextLine(EditListGroupId, "Edit list box (add/delete equation)"),
      TextLine(DeleteEquationId, "Delete"),
      TextLine(AddBeforeId, "Before"),
      TextLine(AddAfterId, "After"),
      TextLine(ReplaceEquationId, "Replace"),
  };
  const std::vector<std::string> norwegian = {
      "window: BALANSERE: BALANSERE",
      TextLine(BalanceCloseId, "Lukk"),
      TextLine(CalculateBalanceId, "Beregn"),
      TextLine(UnbalancedLabelId, "Ubalansert ligning"),
      TextLine(BalancedLabelId, "Balansert ligning"),
      TextLine(TableHeadingsId, "Forbindelse") + std::string(62, ' ') + "Mol" + std::string(30, ' ') + "Masse (g)",
      TextLine(ExamplesLabelId, "Eksempler:"),
      TextLine(EquationListLabelId, "Ubalanserte kjemiske ligninger"),
      TextLine(AddGroupId, "Legge til ny ligning"),
      TextLine(EditListGroupId, "Editere listeboks (ny ligning)"),
      TextLine(DeleteEquationId, "Fjerne"),
      TextLine(AddBeforeId, "F\xC3\xB8r"),
      TextLine(AddAfterId, "Etter"),
      TextLine(ReplaceEquationId, "Erstatte"),
  };
  for (const auto& [language, expected] : std::vector<std::pair<std::string, std::vector<std::string>>>{
           {"44", english}, {"47", norwegian}, {"45", norwegian}}) {
    for (const std::string& open : {Click(BalanceButtonId), Menu(BalanceCommand)}) {
      SCOPED_TRACE(language + " " + open);
      const SessionResult result = Run(language, open + reads + "window\n");
      EXPECT_EQ(result.exitCode, 0);
      std::vector<std::string> withReturn = expected;
      withReturn.push_back("window: TAVRIN: CLIENT");
      EXPECT_EQ(result.lines, withReturn);
    }
  }
}

// A picture of the window with a balanced result, for a look at the layout (written to the build
// folder, never compared).
TEST_F(BalanceSessionTest, SnapshotOfTheWindowWithABalancedResult) {
  const fs::path picture = fs::path(TAVRIN_OUTPUT_DIR) / "balansere.png";
  fs::remove(picture);
  WriteList("FeS2+O2>Fe3O4+SO2\n2gC3H8+O2>CO2+H2O\nH2 + O2 > H2O\n");
  const SessionResult result = Run("47", Menu(BalanceCommand) + Select(EquationListId, 1) + Click(CalculateBalanceId) +
                                             "snapshot " + picture.string() + "\nkey Escape\n");
  ASSERT_EQ(result.exitCode, 0);
  EXPECT_TRUE(result.lines.empty());
  const std::optional<PngPicture> png = PngPicture::Read(picture.string());
  ASSERT_TRUE(png) << picture;
  ExpectModalFrameAndCaption(*png);
  // "Beregn", the default button, at 137, 31, 53 x 19 dialog units; "Lukk" at 297, 1, 36 x 12.
  ExpectRaisedButton(*png, DialogItemBox({}, 137, 31, 53, 19), true);
  ExpectRaisedButton(*png, DialogItemBox({}, 297, 1, 36, 12), false);
  // The balanced equation in its field at 4, 52, 330 x 12, and nothing in the hidden field at 282, 1.
  EXPECT_GT(InkInside(*png, DialogItemBox({}, 4, 52, 330, 12)), 100);
  EXPECT_EQ(InkInside(*png, DialogItemBox({}, 137, 160, 60, 4)), 0) << "the empty end of the amounts table";
}

}  // namespace
