#include "platform/win/cview.h"

#include <algorithm>

#include "platform/win/cframewnd.h"
#include "platform/win/dialog_manager.h"

IMPLEMENT_DYNAMIC(CView, CWnd)
IMPLEMENT_DYNAMIC(CScrollView, CView)
IMPLEMENT_DYNAMIC(CFormView, CScrollView)

BEGIN_MESSAGE_MAP(CFormView, CScrollView)
ON_MESSAGE(WM_INITDIALOG, HandleInitDialog)
END_MESSAGE_MAP()

void CView::PostNcDestroy() { delete this; }

void CScrollView::SetScrollSizes(int, SIZE total) { m_totalLog = CSize(total); }

void CScrollView::ResizeParentToFit(BOOL shrinkOnly) {
  CFrameWnd* frame = GetParentFrame();
  if (frame == nullptr) return;
  RECT viewWindow{};
  RECT viewClient{};
  GetWindowRect(&viewWindow);
  GetClientRect(&viewClient);
  const int borderWidth = (viewWindow.right - viewWindow.left) - viewClient.right;
  const int borderHeight = (viewWindow.bottom - viewWindow.top) - viewClient.bottom;
  int width = m_totalLog.cx + borderWidth;
  int height = m_totalLog.cy + borderHeight;
  if (shrinkOnly) {
    RECT current{};
    frame->GetClientRect(&current);
    width = std::min<int>(width, current.right);
    height = std::min<int>(height, current.bottom);
  }
  RECT outer{0, 0, width, height};
  ::AdjustWindowRectEx(&outer, frame->GetStyle(), ::GetMenu(frame->m_hWnd) != nullptr, frame->GetExStyle());
  frame->SetWindowPos(nullptr, 0, 0, outer.right - outer.left, outer.bottom - outer.top,
                      SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

CFormView::CFormView(LPCSTR templateName) : templateName_(templateName) {}

CFormView::CFormView(UINT templateId) : templateName_(templateId) {}

BOOL CFormView::Create(LPCSTR, LPCSTR, DWORD style, const RECT& rect, CWnd* parent, UINT id, void*) {
  DialogTemplate* dialog = Resources().FindDialog(templateName_);
  if (dialog == nullptr || parent == nullptr) return FALSE;
  const HWND window =
      CreateDialogFromTemplate(*dialog, templateName_.Display(), parent->m_hWnd, AttachBeforeFirstMessage());
  if (window == nullptr) return FALSE;
  ::SetWindowLong(window, GWL_ID, static_cast<LONG>(id));
  SetScrollSizes(MM_TEXT, DialogPixelSize(*dialog));
  ::SetWindowPos(window, nullptr, rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top,
                 SWP_NOZORDER | SWP_NOACTIVATE);
  if ((style & WS_VISIBLE) != 0) ::ShowWindow(window, SW_SHOWNA);
  return TRUE;
}

BOOL CFormView::PreTranslateMessage(MSG* message) {
  if (message->message < WM_KEYDOWN || message->message > WM_CHAR) return FALSE;
  return ::IsDialogMessage(m_hWnd, message);
}

// The form takes the focus when its frame is activated, not while it is being made.
LRESULT CFormView::HandleInitDialog(WPARAM, LPARAM) { return FALSE; }
