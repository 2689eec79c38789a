#include "platform/win/cframewnd.h"

#include <cstdio>
#include <set>
#include <string>

#include "platform/win/cview.h"
#include "platform/win/cwinapp.h"
#include "platform/win/menu_update.h"

IMPLEMENT_DYNCREATE(CFrameWnd, CWnd)

BEGIN_MESSAGE_MAP(CFrameWnd, CWnd)
ON_WM_CREATE()
ON_WM_SETFOCUS()
ON_WM_SIZE()
ON_WM_CLOSE()
ON_WM_INITMENUPOPUP()
END_MESSAGE_MAP()

const CRect CFrameWnd::rectDefault(CW_USEDEFAULT, CW_USEDEFAULT, 0, 0);

LPCSTR AfxRegisterWndClass(UINT classStyle, HCURSOR cursor, HBRUSH background, HICON icon) {
  static std::set<std::string> names;
  char name[96];
  std::snprintf(
      name, sizeof name, "Afx:%x:%lx:%lx:%lx", classStyle, static_cast<unsigned long>(NumberFromHandle(cursor)),
      static_cast<unsigned long>(NumberFromHandle(background)), static_cast<unsigned long>(NumberFromHandle(icon)));
  auto [at, added] = names.insert(name);
  if (added) {
    WNDCLASS windowClass;
    windowClass.style = classStyle;
    windowClass.lpfnWndProc = ::DefWindowProc;
    windowClass.hCursor = cursor;
    windowClass.hbrBackground = background;
    windowClass.hIcon = icon;
    windowClass.lpszClassName = at->c_str();
    ::RegisterClass(&windowClass);
  }
  return at->c_str();
}

CFrameWnd::CFrameWnd() = default;

BOOL CFrameWnd::Create(LPCSTR className, LPCSTR windowName, DWORD style, const RECT& rect, CWnd* parent,
                       LPCSTR menuName, DWORD exStyle, void*) {
  HMENU menu = nullptr;
  if (menuName != nullptr) {
    menu = ::LoadMenu(AfxGetResourceHandle(), menuName);
    if (menu == nullptr) return FALSE;
  }
  const int width = rect.left == CW_USEDEFAULT ? CW_USEDEFAULT : rect.right - rect.left;
  const int height = rect.left == CW_USEDEFAULT ? CW_USEDEFAULT : rect.bottom - rect.top;
  if (!CreateEx(exStyle, className, windowName, style, rect.left, rect.top, width, height,
                parent == nullptr ? nullptr : parent->m_hWnd, menu)) {
    if (menu != nullptr) ::DestroyMenu(menu);
    return FALSE;
  }
  return TRUE;
}

BOOL CFrameWnd::PreCreateWindow(CREATESTRUCT& create) {
  if (create.lpszClass == nullptr) {
    create.lpszClass =
        AfxRegisterWndClass(CS_DBLCLKS, ::LoadCursor(nullptr, IDC_ARROW), HandleFromNumber<HBRUSH>(COLOR_WINDOW + 1));
  }
  return TRUE;
}

BOOL CFrameWnd::OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo) {
  if (CView* view = GetActiveView(); view != nullptr && view->OnCmdMsg(nID, nCode, pExtra, pHandlerInfo)) return TRUE;
  if (CWnd::OnCmdMsg(nID, nCode, pExtra, pHandlerInfo)) return TRUE;
  CWinApp* app = AfxGetApp();
  return app != nullptr && app->OnCmdMsg(nID, nCode, pExtra, pHandlerInfo);
}

CView* CFrameWnd::GetActiveView() const {
  CWnd* pane = FromHandlePermanent(::GetDlgItem(m_hWnd, AFX_IDW_PANE_FIRST));
  return pane != nullptr && pane->IsKindOf(RUNTIME_CLASS(CView)) ? static_cast<CView*>(pane) : nullptr;
}

void CFrameWnd::RecalcLayout(BOOL) { RepositionBars(0, 0xFFFF, AFX_IDW_PANE_FIRST); }

void CFrameWnd::PostNcDestroy() { delete this; }

int CFrameWnd::OnCreate(LPCREATESTRUCT create) { return CWnd::OnCreate(create); }

void CFrameWnd::OnSetFocus(CWnd* previous) {
  if (CView* view = GetActiveView()) {
    view->SetFocus();
  } else {
    CWnd::OnSetFocus(previous);
  }
}

void CFrameWnd::OnSize(UINT type, int, int) {
  if (type != SIZE_MINIMIZED) RecalcLayout();
}

void CFrameWnd::OnClose() { DestroyWindow(); }

void CFrameWnd::OnInitMenuPopup(CMenu* popup, UINT, BOOL systemMenu) {
  if (systemMenu || popup == nullptr) return;
  UpdatePopupMenu(*this, *popup, m_bAutoMenuEnable != FALSE);
}
