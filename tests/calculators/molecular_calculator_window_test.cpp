#include <optional>
#include <string>
#include <tuple>
#include <vector>

#include "platform/win/control_constants.h"
#include "resources/names_formulas_editor_ids.h"
#include "resources/molecular_calculator_ids.h"
#include "engine/records/record_file.h"
#include "engine/settings/settings.h"
#include "tests/support/tool_window_fixture.h"
#include "tests/support/png_picture.h"
#include "calculators/molecular_calculator_window.h"

namespace {

constexpr int English = 44;
constexpr int Norwegian = 47;

class CalculatorTest : public ToolWindowTest {
 protected:
  void InCalculator(const Steps& steps) { InWindow(OpenMolecularCalculatorDialog, steps); }
  // Puts the text into the formula field as it stands (tabs included) and presses "Beregn".
  void Calculate(const std::string& formula) {
    SetWindowText(driver.FindControl(MoleculeFormulaId), formula.c_str());
    driver.Click(CalculateMoleculeId);
  }
};

// Hand calculation with the element masses H 1.00794, O 15.9994, S 32.066:
// H2SO4 = 2 x 1.00794 + 32.066 + 4 x 15.9994 = 98.07948 g/mol; 2 mol weigh 196.15896 g;
// 2 g are 2 / 98.07948 = 0.0203916 mol; 77 atoms of H weigh 77 x 1.00794 = 77.61138 g/mol.
TEST_F(CalculatorTest, ShowsTheResultLineOrTheErrorLineOfTheTypedFormula) {
  struct Case {
    int language;
    std::string typed;
    std::string result;
    bool composition;
  };
  const Case cases[] = {
      {English, "H2SO4", "Formula mass = 98.0795g/mol", true},
      {English, " H2 SO4\t", "Formula mass = 98.0795g/mol", true},
      {Norwegian, "H2SO4", "Formelmasse = 98.0795g/mol", true},
      {English, "2mH2SO4", "Mass = 196.159g", true},
      {English, "2gH2SO4", "Amount(n) = 0.0203916mol", true},
      {English, std::string(77, 'H'), "Formula mass = 77.6114g/mol", true},
      {English, std::string(78, 'H'), "Error 6 :To many characters in formula (dcalk.func.) !", false},
      {English, std::string(77, 'H') + "  ", "Formula mass = 77.6114g/mol", true},
      {English, "", "Error 7 :Missing formula/element !", false},
      {Norwegian, "", "Feil 7 :Manglende formel/grunnstoff !", false},
      {English, "H2SO4)", "Error 3 :Bracketerror:Misplaced or uneven number in formula  !", false},
  };
  for (const Case& example : cases) {
    Language language(example.language);
    std::string result;
    std::string composition;
    InCalculator({[&] {
                    SetWindowText(driver.FindControl(CompositionId), "stale");
                    Calculate(example.typed);
                  },
                  [&] {
                    result = Text(MoleculeResultId);
                    composition = Text(CompositionId);
                  }});
    EXPECT_EQ(result, example.result) << example.typed;
    EXPECT_EQ(!composition.empty(), example.composition) << example.typed << ": " << composition;
  }
}

// Enter calculates, "Beregn" being the default button. Every line of the table ends in CR LF; an
// isotope has a line of its own.
TEST_F(CalculatorTest, CompositionLinesEndInCrLfAndListIsotopesApart) {
  std::string composition;
  InCalculator({[&] { driver.Type(MoleculeFormulaId, "H[2]2SO4"); }, [&] { driver.Key("Enter"); },
                [&] { composition = Text(CompositionId); }});
  ASSERT_FALSE(composition.empty());
  EXPECT_EQ(composition.substr(composition.size() - 2), "\r\n");
  int lines = 0;
  for (std::size_t i = 0; i < composition.size(); ++i) {
    if (composition[i] != '\n') continue;
    ++lines;
    EXPECT_EQ(composition[i - 1], '\r') << composition;
  }
  EXPECT_EQ(lines, 3);  // O, S and H[2]; no line of plain H
  EXPECT_NE(composition.find("H[2]\t2\t"), std::string::npos) << composition;
  EXPECT_EQ(composition.find("H\t"), std::string::npos) << composition;
}

TEST_F(CalculatorTest, ExampleButtonsOnlyFillTheFormulaField) {
  const char* const examples[] = {"H2SO4", "H[2]2SO4", "2gH2SO4", "2mH2SO4", "2gS,H2SO4", "2mS,H2SO4"};
  std::vector<std::string> fields;
  std::vector<std::string> results;
  Steps steps;
  for (int id = FirstExampleId; id <= LastExampleId; ++id) {
    steps.push_back([&, id] { driver.Click(id); });
    steps.push_back([&] {
      fields.push_back(Text(MoleculeFormulaId));
      results.push_back(Text(MoleculeResultId));
    });
  }
  InCalculator(steps);
  ASSERT_EQ(fields.size(), 6u);
  for (std::size_t i = 0; i < fields.size(); ++i) {
    EXPECT_EQ(fields[i], examples[i]);
    EXPECT_EQ(results[i], "");
  }
}

// Both languages' tables hold sulfuric acid twice under one name: the first record's formula wins.
TEST_F(CalculatorTest, ListShowsTheNamesAndAChosenNameFillsTheFormula) {
  WriteTable("enmolclc.dat", NamesTable({{"Sulfuric acid", "H2SO4"}, {"Water", "H2O"}, {"Sulfuric acid", "D2SO4"}}));
  WriteTable("nomolclc.dat", NamesTable({{"Vann", "H2O"}, {"Svovelsyre", "H2SO4"}}));
  struct Case {
    int language;
    std::vector<std::string> names;
  };
  const Case cases[] = {{English, {"Sulfuric acid", "Water", "Sulfuric acid"}},
                        {45, {"Sulfuric acid", "Water", "Sulfuric acid"}},
                        {Norwegian, {"Vann", "Svovelsyre"}}};
  for (const Case& example : cases) {
    Language language(example.language);
    std::vector<std::string> names;
    int selected = -2;
    std::string before;
    InCalculator({[&] {
      names = Items(MoleculeNamesListId);
      selected = SelectedIndex(MoleculeNamesListId);
      before = Text(MoleculeFormulaId);
    }});
    EXPECT_EQ(names, example.names) << example.language;
    EXPECT_EQ(selected, 0) << example.language;
    EXPECT_EQ(before, "") << "the first name's formula waits for a choice";
  }

  std::vector<std::string> chosen;
  std::string afterChoosing;
  std::string afterDoubleClick;
  Steps steps;
  for (int index : {1, 2, 0}) {
    steps.push_back([&, index] { driver.Select(MoleculeNamesListId, index); });
    steps.push_back([&] { chosen.push_back(Text(MoleculeFormulaId)); });
  }
  steps.push_back([&] {
    afterChoosing = Text(MoleculeResultId);
    driver.Select(MoleculeNamesListId, 1);
  });
  steps.push_back([&] {
    const HWND list = driver.FindControl(MoleculeNamesListId);
    SendMessage(GetParent(list), WM_COMMAND, MAKEWPARAM(MoleculeNamesListId, LBN_DBLCLK),
                reinterpret_cast<LPARAM>(list));
    afterDoubleClick = Text(MoleculeResultId);
  });
  InCalculator(steps);
  EXPECT_EQ(chosen, (std::vector<std::string>{"H2O", "H2SO4", "H2SO4"}));
  EXPECT_EQ(afterChoosing, "");
  // 2 x 1.00794 + 15.9994 = 18.01528 g/mol
  EXPECT_EQ(afterDoubleClick, "Formula mass = 18.0153g/mol");
}

TEST_F(CalculatorTest, AnEmptyOrMissingTableGivesAnEmptyListAReadOnlyOneItsNames) {
  struct Case {
    const char* what;
    const char* text;
    bool readOnly;
    std::vector<std::string> names;
  };
  const Case cases[] = {{"separator only", "\\\n", false, {}},
                        {"missing", nullptr, false, {}},
                        {"read-only", "\\\n\nWater\n\n\n\nH2O\n\n\n\n\\\n", true, {"Water"}}};
  for (const Case& example : cases) {
    std::filesystem::remove(TablePath("enmolclc.dat"));
    if (example.text != nullptr) WriteTable("enmolclc.dat", example.text);
    if (example.readOnly) std::filesystem::permissions(TablePath("enmolclc.dat"), std::filesystem::perms::owner_read);
    std::vector<std::string> names{"unread"};
    int selected = -2;
    InCalculator({[&] {
      names = Items(MoleculeNamesListId);
      selected = SelectedIndex(MoleculeNamesListId);
    }});
    EXPECT_EQ(names, example.names) << example.what;
    EXPECT_EQ(selected, example.names.empty() ? LB_ERR : 0) << example.what;
  }
}

// The list is read again when the calculator is activated after its editor rewrote the table, and
// only then: a change made behind the editor's back shows only after the next rewrite.
TEST_F(CalculatorTest, ReloadsItsListAfterTheEditorRewroteTheTable) {
  WriteTable("enmolclc.dat", NamesTable({{"Water", "H2O"}}));
  std::vector<std::string> afterLook;
  std::vector<std::string> afterEdit;
  std::vector<std::string> editorNames;
  InCalculator({[&] { driver.Click(OpenMoleculeNamesId); },
                [&] {
                  WriteTable("enmolclc.dat", NamesTable({{"Ozone", "O3"}}));
                },
                [&] { driver.Key("Escape"); },
                [&] {
                  afterLook = Items(MoleculeNamesListId);
                  driver.Click(OpenMoleculeNamesId);
                },
                [&] {
                  editorNames = Items(NamesListId);
                  driver.Type(NameFieldId, "Carbon dioxide");
                },
                [&] { driver.Type(NameFormulaId, "CO2"); }, [&] { driver.Click(NameAfterId); },
                [&] { driver.Key("Escape"); }, [&] { afterEdit = Items(MoleculeNamesListId); }});
  EXPECT_EQ(afterLook, (std::vector<std::string>{"Water"}));
  EXPECT_EQ(editorNames, (std::vector<std::string>{"Ozone"}));
  EXPECT_EQ(afterEdit, (std::vector<std::string>{"Ozone", "Carbon dioxide"}));
  EXPECT_EQ(ListFileChanged, 0);
}

TEST_F(CalculatorTest, CaptionAndTextsAreEnglishOnlyWithLanguageCode44) {
  for (const auto& [code, caption, button] :
       {std::tuple{English, "MOLECULAR CALCULATOR", "Calculate"}, std::tuple{Norwegian, "MOLEKYLKALKULATOR", "Beregn"},
        std::tuple{45, "MOLEKYLKALKULATOR", "Beregn"}}) {
    Language language(code);
    std::optional<std::string> shown;
    std::string calculate;
    InCalculator({[&] {
      shown = driver.WindowCaption();
      calculate = Text(CalculateMoleculeId);
    }});
    EXPECT_EQ(shown, caption);
    EXPECT_EQ(calculate, button);
  }
}

// Pictures of the calculator with a result, in both languages, for a look at the layout.
TEST_F(CalculatorTest, SnapshotsWithResults) {
  WriteTable("enmolclc.dat", NamesTable({{"Sulfuric acid", "H2SO4"}, {"Water", "H2O"}}));
  WriteTable("nomolclc.dat", NamesTable({{"Svovelsyre", "H2SO4"}, {"Vann", "H2O"}}));
  for (const auto& [code, file] :
       {std::pair{English, "molekylkalkulator-en.png"}, std::pair{Norwegian, "molekylkalkulator-no.png"}}) {
    Language language(code);
    bool written = false;
    PictureBox calculate;
    PictureBox formula;
    PictureBox result;
    // Where a control stands in the picture of its window.
    const auto boxOf = [&](int id) {
      const HWND control = driver.FindControl(id);
      RECT rect{};
      RECT top{};
      GetWindowRect(control, &rect);
      GetWindowRect(GetTopLevel(control), &top);
      return PictureBox{rect.left - top.left, rect.top - top.top, rect.right - top.left, rect.bottom - top.top};
    };
    InCalculator({[&] { driver.Click(FirstExampleId + 1); }, [&] { driver.Click(CalculateMoleculeId); },
                  [&] {
                    calculate = boxOf(CalculateMoleculeId);
                    formula = boxOf(MoleculeFormulaId);
                    result = boxOf(MoleculeResultId);
                    written = driver.Snapshot(std::string(TAVRIN_OUTPUT_DIR) + "/" + file);
                  }});
    ASSERT_TRUE(written) << driver.LastError();
    const std::optional<PngPicture> png = PngPicture::Read(std::string(TAVRIN_OUTPUT_DIR) + "/" + file);
    ASSERT_TRUE(png) << file;
    ExpectModalFrameAndCaption(*png);
    ExpectRaisedButton(*png, calculate, true);
    EXPECT_GT(InkInside(*png, calculate), 20) << file;
    EXPECT_GT(InkInside(*png, formula), 20) << file;
    EXPECT_GT(InkInside(*png, result), 50) << file;
  }
}

}  // namespace
