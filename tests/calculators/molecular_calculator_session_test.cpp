#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "resources/launcher_form_ids.h"
#include "resources/menu_commands.h"
#include "resources/molecular_calculator_ids.h"
#include "tests/support/script_steps.h"
#include "tests/app/session_runner.h"
#include "tests/app/settings_fixture.h"

namespace {

using namespace steps;

namespace fs = std::filesystem;

class CalculatorSessionTest : public ::testing::Test {
 protected:
  CalculatorSessionTest() {
    fs::create_directories(folder.Path() / "dats" / "datfiles" / "atomdata");
    std::ofstream(folder.Path() / "dats" / "datfiles" / "atomdata" / "enmolclc.dat", std::ios::binary)
        << "\\\n\nWater\n\n\n\nH2O\n\n\n\n\\\n\nSulfuric acid\n\n\n\nH2SO4\n\n\n\n\\\n";
    std::ofstream(folder.Path() / "dats" / "datfiles" / "atomdata" / "nomolclc.dat", std::ios::binary)
        << "\\\n\nVann\n\n\n\nH2O\n\n\n\n\\\n\nSvovelsyre\n\n\n\nH2SO4\n\n\n\n\\\n";
  }
  SessionResult Run(const std::string& language, const std::string& script) {
    folder.WriteSettings(SettingsText(language, "0"));
    return RunSession(folder.Path(), script);
  }
  WorkingFolder folder;
};

// Splits a printed value at its escaped line breaks and tabs, dropping empty pieces.
std::vector<std::vector<std::string>> Rows(const std::string& printed) {
  std::vector<std::vector<std::string>> rows;
  std::size_t start = 0;
  while (start < printed.size()) {
    std::size_t end = printed.find("\\n", start);
    if (end == std::string::npos) end = printed.size();
    std::string line = printed.substr(start, end - start);
    std::vector<std::string> cells;
    std::size_t cellStart = 0;
    while (cellStart <= line.size()) {
      std::size_t cellEnd = line.find("\\t", cellStart);
      if (cellEnd == std::string::npos) cellEnd = line.size();
      if (cellEnd > cellStart) cells.push_back(line.substr(cellStart, cellEnd - cellStart));
      cellStart = cellEnd + 2;
    }
    rows.push_back(cells);
    start = end + 2;
  }
  return rows;
}

// Opened through the menu: H2SO4 with the masses H 1.00794, S 32.066, O 15.9994.
// M = 2 x 1.00794 + 32.066 + 4 x 15.9994 = 2.01588 + 32.066 + 63.9976 = 98.07948 g/mol;
// H 2.01588 / 98.07948 = 2.0553 %, S 32.066 / 98.07948 = 32.6939 %, O 63.9976 / 98.07948 = 65.2508 %.
TEST_F(CalculatorSessionTest, SulfuricAcidShowsItsFormulaMassAndComposition) {
  const SessionResult result =
      Run("44", Menu(MolecularCalculatorCommand) + "window\n" + Type(MoleculeFormulaId, "H2SO4") +
                    Click(CalculateMoleculeId) + Text(MoleculeResultId) + Text(CompositionId));
  ASSERT_EQ(result.exitCode, 0);
  ASSERT_EQ(result.lines.size(), 3u);
  EXPECT_EQ(result.lines[0], "window: MOLECULAR CALCULATOR: MOLEKYLKALKULATOR");
  EXPECT_EQ(result.lines[1], TextLine(MoleculeResultId, "Formula mass = 98.0795g/mol"));
  const std::string prefix = TextLine(CompositionId, "");
  ASSERT_EQ(result.lines[2].rfind(prefix, 0), 0u);
  const std::string table = result.lines[2].substr(prefix.size());
  // Each row ends in CR LF, which the session prints as "\n".
  EXPECT_EQ(table.find("\\r"), std::string::npos);
  struct Row {
    const char* atom;
    double count;
    double mass;
    double percent;
  };
  const Row expected[] = {{"H", 2, 2.01588, 2.0553}, {"O", 4, 63.9976, 65.2508}, {"S", 1, 32.066, 32.6939}};
  const auto rows = Rows(table);
  ASSERT_EQ(rows.size(), 3u) << table;
  for (std::size_t i = 0; i < rows.size(); ++i) {
    ASSERT_EQ(rows[i].size(), 4u) << table;
    EXPECT_EQ(rows[i][0], expected[i].atom);
    EXPECT_NEAR(std::atof(rows[i][1].c_str()), expected[i].count, 1e-6);
    EXPECT_NEAR(std::atof(rows[i][2].c_str()), expected[i].mass, 1e-4);
    EXPECT_NEAR(std::atof(rows[i][3].c_str()), expected[i].percent, 1e-3);
  }
}

// 2 g of sulfur: 2 / 32.066 = 0.06237136 mol of S, so as much H2SO4, weighing
// 0.06237136 x 98.07948 = 6.117352 g. 2 mol of sulfur: 2 mol of H2SO4, 2 x 98.07948 = 196.159 g.
TEST_F(CalculatorSessionTest, TheCommaFormGivesTheAmountOfTheCompound) {
  const SessionResult result =
      Run("44", Menu(MolecularCalculatorCommand) + Click(FirstExampleId + 4) + Click(CalculateMoleculeId) +
                    Text(MoleculeFormulaId) + Text(MoleculeResultId) + Click(LastExampleId) +
                    Click(CalculateMoleculeId) + Text(MoleculeFormulaId) + Text(MoleculeResultId));
  ASSERT_EQ(result.exitCode, 0);
  EXPECT_EQ(result.lines,
            (std::vector<std::string>{TextLine(MoleculeFormulaId, "2gS,H2SO4"),
                                      TextLine(MoleculeResultId, "Mass = 6.11735g  Amount(n) = 0.0623714mol"),
                                      TextLine(MoleculeFormulaId, "2mS,H2SO4"),
                                      TextLine(MoleculeResultId, "Mass = 196.159g  Amount(n) = 2mol")}));
}

TEST_F(CalculatorSessionTest, AnInvalidFormulaShowsItsErrorLineInEitherLanguage) {
  const std::string script = Menu(MolecularCalculatorCommand) + Type(MoleculeFormulaId, "H2SO4)") +
                             Click(CalculateMoleculeId) + Text(MoleculeResultId) + Text(CompositionId);
  const std::vector<std::pair<std::string, std::string>> cases = {
      {"44", TextLine(MoleculeResultId, "Error 3 :Bracketerror:Misplaced or uneven number in formula  !")},
      {"47", TextLine(MoleculeResultId, "Feil 3 :Parantesfeil: Feilplassert eller ulikt antall i formel  !")},
  };
  for (const auto& [language, line] : cases) {
    const SessionResult result = Run(language, script);
    EXPECT_EQ(result.exitCode, 0) << language;
    EXPECT_EQ(result.lines, (std::vector<std::string>{line, TextLine(CompositionId, "")})) << language;
    EXPECT_EQ(result.LinesStartingWith("messagebox").size(), 0u);
  }
}

// Opened from the launcher's button: the names in file order; a chosen name fills the formula.
TEST_F(CalculatorSessionTest, ALauncherOpeningListsTheNamesOfTheLanguage) {
  const std::string script = Click(MolecularCalculatorButtonId) + "window\n" + Items(MoleculeNamesListId) +
                             Select(MoleculeNamesListId, 1) + Text(MoleculeFormulaId) + Click(CalculateMoleculeId) +
                             Text(MoleculeResultId);
  const SessionResult norwegian = Run("47", script);
  EXPECT_EQ(norwegian.exitCode, 0);
  EXPECT_EQ(norwegian.lines,
            (std::vector<std::string>{
                "window: MOLEKYLKALKULATOR: MOLEKYLKALKULATOR", ItemsLine(MoleculeNamesListId, "Vann\\tSvovelsyre"),
                TextLine(MoleculeFormulaId, "H2SO4"), TextLine(MoleculeResultId, "Formelmasse = 98.0795g/mol")}));
  const SessionResult english = Run("44", script);
  EXPECT_EQ(english.exitCode, 0);
  EXPECT_EQ(english.lines, (std::vector<std::string>{"window: MOLECULAR CALCULATOR: MOLEKYLKALKULATOR",
                                                     ItemsLine(MoleculeNamesListId, "Water\\tSulfuric acid"),
                                                     TextLine(MoleculeFormulaId, "H2SO4"),
                                                     TextLine(MoleculeResultId, "Formula mass = 98.0795g/mol")}));
}

// The start-up tool 4 opens the calculator through the launcher's button.
TEST_F(CalculatorSessionTest, StartupTool4OpensTheCalculator) {
  folder.WriteSettings(SettingsText("47", "4"));
  const SessionResult result = RunSession(folder.Path(), "window\n" + Items(MoleculeNamesListId));
  EXPECT_EQ(result.exitCode, 0);
  EXPECT_EQ(result.lines, (std::vector<std::string>{"window: MOLEKYLKALKULATOR: MOLEKYLKALKULATOR",
                                                    ItemsLine(MoleculeNamesListId, "Vann\\tSvovelsyre")}));
}

}  // namespace
