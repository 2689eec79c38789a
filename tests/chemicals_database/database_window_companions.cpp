// The database window and its formula information in the test's own process: the companion
// follows the record the database window shows and is destroyed with it.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "chemicals_database/database_group.h"
#include "chemicals_database/formula_info_window.h"
#include "chemicals_database/chemicals_database_window.h"
#include "engine/settings/settings.h"
#include "resources/formula_info_ids.h"
#include "tests/support/tool_window_fixture.h"

namespace {

namespace fs = std::filesystem;

std::string Record(const std::string& name, const std::string& formula) {
  std::string text = "\\\n\n" + name + "\n\n\n\n\n" + formula + "\n";
  for (int line = 9; line <= 200; ++line) text += '\n';
  return text;
}

class DatabaseWindowTest : public ToolWindowTest {
 protected:
  DatabaseWindowTest() {
    LanguageCode = NorwegianLanguage;
    fs::create_directories(folder.Path() / "dats" / "datfiles" / "kjemikal");
    std::ofstream(folder.Path() / "dats" / "opendats.dat") << "dats\\datfiles\\kjemikal\\stoff???.dat\n*\n";
    std::ofstream(folder.Path() / "dats" / "datfiles" / "kjemikal" / "stoff047.dat", std::ios::binary)
        << Record("VANN", "H2O") << Record("NATRIUMKLORID", "NaCl") << Record("TOM", "") << "\\\n";
  }

  // A user's click on a button of the given window, whichever window is active.
  static void ClickIn(HWND window, int id) {
    const HWND button = ::GetDlgItem(window, id);
    ::SendMessage(button, WM_LBUTTONDOWN, MK_LBUTTON, 0);
    ::SendMessage(button, WM_LBUTTONUP, MK_LBUTTON, 0);
  }

  std::string InfoText(int id) {
    const auto* window = FormulaInfoWindow.Get();
    if (window == nullptr) return "<no window>";
    std::string text;
    window->GetDlgItem(id)->GetWindowText(text);
    return text;
  }
};

// "Klargjøre ny post" empties the formula, and the open formula information says so.
TEST_F(DatabaseWindowTest, FormulaInformationShowsTheEmptyFormulaOfANewRecord) {
  HWND database = nullptr;
  std::vector<std::string> results;
  driver.Then([&] {
    database = ::GetActiveWindow();
    ClickIn(database, FormulaInfoButtonId);
  });
  driver.Then([&] {
    results.push_back(InfoText(FormulaInfoResultId));
    driver.Answer(IDNO);
    ClickIn(database, NewRecordId);
  });
  driver.Then([&] {
    results.push_back(InfoText(FormulaInfoResultId) + " " + InfoText(FormulaInfoTableId));
    EXPECT_EQ(CurrentFormulaText, "");
    ClickIn(database, IDCANCEL);
  });
  EXPECT_EQ(OpenChemicalsDatabaseDialog(nullptr), IDCANCEL);
  EXPECT_EQ(results, (std::vector<std::string>{"Formelmasse = 18.0153g/mol", "Feil 7 :Manglende formel/grunnstoff ! "}));
}

TEST_F(DatabaseWindowTest, FormulaInformationFollowsEveryStepAndGoesWithTheDatabaseWindow) {
  HWND database = nullptr;
  std::vector<std::string> results;
  driver.Then([&] {
    database = ::GetActiveWindow();
    ClickIn(database, FormulaInfoButtonId);
  });
  driver.Then([&] {
    results.push_back(InfoText(FormulaInfoResultId));
    EXPECT_EQ(FormulaInfoOpen, 1);
    ClickIn(database, NextRecordId);
  });
  driver.Then([&] {
    results.push_back(InfoText(FormulaInfoResultId) + " " + InfoText(FormulaInfoTableId));
    ClickIn(database, NextRecordId);
  });
  driver.Then([&] {
    results.push_back(InfoText(FormulaInfoResultId) + " " + InfoText(FormulaInfoTableId));
    // Opening it again shows the one that is open.
    const auto* open = FormulaInfoWindow.Get();
    ClickIn(database, FormulaInfoButtonId);
    EXPECT_EQ(FormulaInfoWindow.Get(), open);
    ClickIn(database, IDCANCEL);
  });
  EXPECT_EQ(OpenChemicalsDatabaseDialog(nullptr), IDCANCEL);
  EXPECT_EQ(results, (std::vector<std::string>{
                         "Formelmasse = 18.0153g/mol",
                         "Formelmasse = 58.4425g/mol Na\t1\t\t22.9898\t\t39.337437\r\nCl\t1\t\t35.4527\t\t60.662571\r\n",
                         "Feil 7 :Manglende formel/grunnstoff ! ",
                     }));
  EXPECT_EQ(FormulaInfoWindow.Get(), nullptr);
  EXPECT_EQ(FormulaInfoOpen, 0);
}

}  // namespace
