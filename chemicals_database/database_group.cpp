#include "chemicals_database/database_group.h"

#include "platform/win/cwnd.h"
#include "resources/chemicals_database_ids.h"

int SafetySheetState = SafetySheetClosed;
int SafetyTextWarning = 0;
int FormulaInfoOpen = 0;
int QuickEditTransferPending = 0;
std::string QuickEditText;
std::string CurrentFormulaText;
std::string HealthHazardCode;
std::string FireHazardCode;
std::string EnvironmentHazardCode;

void ResetDatabaseGroupState() {
  SafetySheetState = SafetySheetClosed;
  SafetyTextWarning = 0;
  FormulaInfoOpen = 0;
  QuickEditTransferPending = 0;
  CurrentFormulaText.clear();
}

namespace {

// A left-button press and release sent to the button, as a user's click.
void ClickButton(CWnd& window, int buttonId) {
  window.SendDlgItemMessage(buttonId, WM_LBUTTONDOWN, MK_LBUTTON, 0);
  window.SendDlgItemMessage(buttonId, WM_LBUTTONUP, MK_LBUTTON, 0);
}

void RefreshSafetyDataSheet(CWnd& databaseWindow) {
  if (SafetySheetState != SafetySheetIdle) return;
  SafetySheetState = SafetySheetFillFields;
  ClickButton(databaseWindow, ShowSafetySheetButtonId);
  SafetySheetState = SafetySheetIdle;
}

}  // namespace

void RefreshDatabaseCompanions(CWnd& databaseWindow) {
  if (FormulaInfoOpen == 1) ClickButton(databaseWindow, FormulaInfoButtonId);
  RefreshSafetyDataSheet(databaseWindow);
}
