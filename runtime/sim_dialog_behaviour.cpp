#include "runtime/sim_dialog_behaviour.h"

#include <strings.h>

#include "runtime/button_drawing.h"
#include "platform/win/cwinapp.h"
#include "platform/win/menu_update.h"
#include "runtime/fit_to_content.h"
#include "runtime/private_message.h"

namespace {

constexpr const char* Marked3DButtonText = "WMP3DBUTTON";
constexpr int Marked3DButtonTextBuffer = 20;

}  // namespace

HBRUSH SimDialogCtlColor(SimDialogFields& fields, CDC* dc, CWnd* control, UINT kind) {
  if (dc == nullptr) return nullptr;
  if (kind == CTLCOLOR_DLG) {
    const HBRUSH brush = fields.BackgroundBrush();
    if (brush == nullptr) return nullptr;
    ::UnrealizeObject(brush);
    const CPoint origin = dc->GetBrushOrg();
    if (fields.scrollingOn) {
      dc->SetBrushOrg(origin.x - fields.horizontalPosition, origin.y - fields.verticalPosition);
    }
    ::SelectObject(dc->m_hDC, brush);
    return brush;
  }
  if (control == nullptr) return nullptr;
  return reinterpret_cast<HBRUSH>(
      SendPrivateMessage(control->m_hWnd, ColourQueryCode, reinterpret_cast<LPARAM>(dc->m_hDC)));
}

void SimDialogPaint(CWnd& dialog, const SimDialogFields& fields) {
  if (!dialog.GetUpdateRect(nullptr, FALSE)) return;
  PAINTSTRUCT paint;
  ::BeginPaint(dialog.m_hWnd, &paint);
  if (!fields.backgroundBitmapName.empty()) {
    DrawBitmapAtItem(dialog.m_hWnd, paint, fields.backgroundBitmapName, 0, fields.backgroundBitmapMode, false,
                     fields.horizontalPosition, fields.verticalPosition);
  }
  for (HWND child = ::GetWindow(dialog.m_hWnd, GW_CHILD); child != nullptr; child = ::GetWindow(child, GW_HWNDNEXT)) {
    SendPrivateMessage(child, ParentPaintedCode, reinterpret_cast<LPARAM>(&paint));
  }
  ::EndPaint(dialog.m_hWnd, &paint);
}

void SimDialogSize(CWnd& dialog, const SimDialogFields& fields) {
  if (!fields.backgroundBitmapName.empty() && fields.backgroundBitmapMode != NaturalSizeDrawMode) {
    dialog.Invalidate(TRUE);
  }
}

void SimDialogInitMenuPopup(CCmdTarget& target, const SimDialogFields& fields, CMenu* popup, BOOL systemMenu) {
  if (systemMenu || popup == nullptr) return;
  UpdatePopupMenu(target, *popup, fields.autoEnableMenus);
}

bool SimDialogDrawsMarkedButton(UINT message, LPARAM lParam) {
  if (message != WM_DRAWITEM || lParam == 0) return false;
  const auto* item = reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
  if (item->CtlType != ODT_BUTTON) return false;
  char text[Marked3DButtonTextBuffer] = {};
  ::GetWindowText(item->hwndItem, text, Marked3DButtonTextBuffer);
  if (strcasecmp(text, Marked3DButtonText) != 0) return false;
  DrawStateBitmapButton(*item, "", "", "", "", NaturalSizeDrawMode);
  return true;
}

LRESULT SimDialogPrivateMessage(CWnd& dialog, WPARAM code, LPARAM argument) {
  if (code != FitToContentCode) return 0;
  FitWindowToContent(dialog.m_hWnd, LOWORD(argument), HIWORD(argument));
  return 1;
}

void SimDialogShowHelp(const SimDialogFields& fields) {
  if (CWinApp* app = AfxGetApp()) app->WinHelp(fields.helpContextId, HELP_CONTEXT);
}

BOOL PassCommandToApplication(UINT id, int code, void* extra, AFX_CMDHANDLERINFO* handlerInfo) {
  CWinApp* app = AfxGetApp();
  return app != nullptr && app->OnCmdMsg(id, code, extra, handlerInfo);
}
