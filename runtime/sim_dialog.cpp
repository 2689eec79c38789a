#include "runtime/sim_dialog.h"

#include "runtime/application_services.h"
#include "platform/win/cwinapp.h"
#include "runtime/private_message.h"
#include "runtime/sim_dialog_behaviour.h"

IMPLEMENT_DYNAMIC(CSimDialog, CDialog)

BEGIN_MESSAGE_MAP(CSimDialog, CDialog)
ON_WM_CTLCOLOR()
ON_WM_PAINT()
ON_WM_SIZE()
ON_WM_INITMENUPOPUP()
ON_MESSAGE(WM_HELPHITTEST, OnHelpHitTest)
ON_MESSAGE(WM_COMMANDHELP, OnCommandHelp)
ON_REGISTERED_MESSAGE(PrivateMessageId, OnPrivateMessage)
END_MESSAGE_MAP()

BOOL CSimDialog::OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo) {
  if (CDialog::OnCmdMsg(nID, nCode, pExtra, pHandlerInfo)) return TRUE;
  return PassCommandToApplication(nID, nCode, pExtra, pHandlerInfo);
}

BOOL CSimDialog::OnCommand(WPARAM wParam, LPARAM lParam) {
  const CWinApp* app = AfxGetApp();
  if (app == nullptr || !app->m_bHelpMode) return CDialog::OnCommand(wParam, lParam);
  RuntimeApplicationServices* services = ApplicationServices();
  if (lParam == 0 && services != nullptr && services->FilterHelpModeCommand(LOWORD(wParam))) return TRUE;
  SimDialogShowHelp(fields_);
  return TRUE;
}

LRESULT CSimDialog::DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  if (SimDialogDrawsMarkedButton(message, lParam)) return 1;
  return CDialog::DefWindowProc(message, wParam, lParam);
}

HBRUSH CSimDialog::OnCtlColor(CDC* dc, CWnd* control, UINT kind) {
  if (const HBRUSH brush = SimDialogCtlColor(fields_, dc, control, kind)) return brush;
  return CDialog::OnCtlColor(dc, control, kind);
}

void CSimDialog::OnPaint() { SimDialogPaint(*this, fields_); }

void CSimDialog::OnSize(UINT, int, int) { SimDialogSize(*this, fields_); }

void CSimDialog::OnInitMenuPopup(CMenu* popup, UINT, BOOL systemMenu) {
  SimDialogInitMenuPopup(*this, fields_, popup, systemMenu);
}

LRESULT CSimDialog::OnHelpHitTest(WPARAM, LPARAM) {
  if (fields_.helpContextId == 0) return Default();
  return fields_.helpContextId;
}

LRESULT CSimDialog::OnCommandHelp(WPARAM, LPARAM) {
  if (fields_.helpContextId == 0) return Default();
  SimDialogShowHelp(fields_);
  return 1;
}

LRESULT CSimDialog::OnPrivateMessage(WPARAM code, LPARAM argument) {
  return SimDialogPrivateMessage(*this, code, argument);
}
