#pragma once
// The frame of a main window: caption, menu bar and one pane, the view, filling its client area.
// Commands go to the active view, then to the frame, then to the application.
#include "platform/win/cwnd.h"
#include "platform/win/message_map.h"

class CView;

constexpr UINT AFX_IDW_PANE_FIRST = 0xE900;

// The name of a window class with these traits, registered on first use.
LPCSTR AfxRegisterWndClass(UINT classStyle, HCURSOR cursor = nullptr, HBRUSH background = nullptr,
                           HICON icon = nullptr);

class CFrameWnd : public CWnd {
  DECLARE_DYNCREATE(CFrameWnd)

 public:
  CFrameWnd();
  static const CRect rectDefault;

  // False when the menu cannot be loaded or the window cannot be made. A window that was made and
  // destroyed again during creation deletes the frame, as every destroyed frame does.
  virtual BOOL Create(LPCSTR className, LPCSTR windowName, DWORD style = WS_OVERLAPPEDWINDOW,
                      const RECT& rect = rectDefault, CWnd* parent = nullptr, LPCSTR menuName = nullptr,
                      DWORD exStyle = 0, void* context = nullptr);
  BOOL OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo) override;
  BOOL PreCreateWindow(CREATESTRUCT& create) override;
  CView* GetActiveView() const;
  virtual void RecalcLayout(BOOL notify = TRUE);

  BOOL m_bAutoMenuEnable = TRUE;

 protected:
  void PostNcDestroy() override;
  afx_msg int OnCreate(LPCREATESTRUCT create);
  afx_msg void OnSetFocus(CWnd* previous);
  afx_msg void OnSize(UINT type, int width, int height);
  afx_msg void OnClose();
  afx_msg void OnInitMenuPopup(CMenu* popup, UINT index, BOOL systemMenu);

  DECLARE_MESSAGE_MAP()
};
