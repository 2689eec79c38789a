// Enter in the first edit field of every registered template's window: a window with a default push
// button the user sees runs that button; a window that keeps only a hidden, enabled one runs that;
// a hidden and disabled OK, listed first in most templates, never takes the key.
#include <map>

#include "platform/win/dialog_manager.h"
#include "platform/win/resources.h"
#include "resources/dialog_templates.h"
#include "tests/app/app_fixture.h"
#include "tests/app/template_windows.h"

namespace {

// What Enter in the window's first edit field does: the Norwegian text of the button it clicks, or
// one of these; every registered template but the launcher form, which lives inside the main
// frame, is listed.
const std::string NothingClicked = "(nothing)";
const std::string NoEditField = "(no edit field)";

const std::map<std::string, std::string>& ExpectedButtons() {
  static const std::map<std::string, std::string> buttons = {
      {BalansereTemplateName, "Beregn"},
      {ConvertTemplateName, "Beregne"},
      {EgenskaperTemplateName, NothingClicked},
      {FuncplotTemplateName, "Beregn"},
      {IndikatorerTemplateName, NoEditField},
      {Molclc2TemplateName, NothingClicked},
      {MolekylkalkulatorTemplateName, "Beregn"},
      {OmtavrinTemplateName, NoEditField},
      {OrdlisteTemplateName, NothingClicked},
      {PeriodesystemetTemplateName, NoEditField},
      {PersysgrafTemplateName, NoEditField},
      {PrintoptTemplateName, NothingClicked},
      {TavrparaTemplateName, NoEditField},
      {TermodynamikkTemplateName, "Beregn"},
      {TermodataTemplateName, "Etter"},
      {RedoksTemplateName, "Beregn"},
      {RedoxdatTemplateName, NothingClicked},
      {SoluprodTemplateName, "Beregn"},
      {SoludataTemplateName, "F\xF8r"},
      {SyrebaseTemplateName, "Beregn"},
      {SyrekonstTemplateName, NothingClicked},
      {DatabladTemplateName, NoEditField},
      {PlakatTemplateName, NothingClicked},
      {MassmsdatTemplateName, NothingClicked},
      {MassnmrTemplateName, NothingClicked},
      {MassirdatTemplateName, NothingClicked},
      {MassspTemplateName, "Beregne"},
      {KjemikaliedatabaseTemplateName, "-->"},
      {FormelinfoTemplateName, NoEditField},
  };
  return buttons;
}

// The buttons whose clicks reach the window while Enter is pressed; the clicks are kept from the
// window, so that no command runs.
std::vector<int> clicks;
WNDPROC windowProcedure = nullptr;

LRESULT KeepClicks(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_COMMAND && HIWORD(wParam) == BN_CLICKED) {
    clicks.push_back(LOWORD(wParam));
    return 0;
  }
  return CallWindowProc(windowProcedure, window, message, wParam, lParam);
}

// The first tab stop that is an edit field a user types a line into.
HWND FirstEditField(HWND dialog) {
  const HWND first = GetNextDlgTabItem(dialog, nullptr, FALSE);
  HWND control = first;
  do {
    char name[16] = {};
    GetClassName(control, name, sizeof name);
    const auto style = static_cast<DWORD>(GetWindowLong(control, GWL_STYLE));
    if (std::string(name) == "EDIT" && (style & (ES_READONLY | ES_MULTILINE)) == 0) return control;
    control = GetNextDlgTabItem(dialog, control, FALSE);
  } while (control != nullptr && control != first);
  return nullptr;
}

class DefaultButtonTest : public AppTest {};

TEST_F(DefaultButtonTest, EnterInTheFirstEditFieldRunsTheDefaultButtonTheUserSees) {
  ASSERT_TRUE(Start("47"));
  std::map<std::string, std::string> reached;
  for (const ResourceName& name : Resources().DialogNames()) {
    const std::string templateName = name.Text();
    if (templateName == ClientTemplateName) continue;
    HWND dialog = nullptr;
    WithTemplateWindow(driver, Frame(), templateName,
                       {[&] {
                          dialog = GetActiveWindow();
                          ASSERT_EQ(GetTemplateName(dialog), templateName);
                          const HWND field = FirstEditField(dialog);
                          if (field == nullptr) {
                            reached[templateName] = NoEditField;
                            return;
                          }
                          SetFocus(field);
                          clicks.clear();
                          windowProcedure = SubclassWindowProc(dialog, KeepClicks);
                          EXPECT_TRUE(driver.Key("Enter"));
                        },
                        [&] {
                          if (reached.contains(templateName)) return;
                          SubclassWindowProc(dialog, windowProcedure);
                          EXPECT_LE(clicks.size(), 1u) << templateName;
                          reached[templateName] =
                              clicks.empty() ? NothingClicked : GetWindowTextString(GetDlgItem(dialog, clicks.front()));
                        }});
  }
  EXPECT_EQ(reached, ExpectedButtons());
}

}  // namespace
