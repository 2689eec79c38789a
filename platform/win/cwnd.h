#pragma once
// The class form of a window. A CWnd attached to a window (by creating it, or by SubclassWindow)
// sees the window's messages first, in its message map; what it does not handle goes to
// DefWindowProc, which is the procedure the window had before.
#include <functional>
#include <memory>
#include <string>

#include "platform/win/cmd_target.h"
#include "platform/win/menu.h"
#include "platform/win/window_api.h"

#define afx_msg

class CDataExchange {
 public:
  CDataExchange(class CWnd* dialog, BOOL saveAndValidate) : m_bSaveAndValidate(saveAndValidate), m_pDlgWnd(dialog) {}
  BOOL m_bSaveAndValidate;
  CWnd* m_pDlgWnd;
};

class CFrameWnd;
class CScrollBar;

constexpr UINT WF_MODALLOOP = 0x0004;
constexpr UINT WF_CONTINUEMODAL = 0x0020;

using TemporaryWrapperFactory = std::unique_ptr<class CWnd> (*)();
// The class form FromHandle makes for a window of the class that has no wrapper attached.
void SetTemporaryWrapperFactory(LPCSTR className, TemporaryWrapperFactory factory);

class CWnd : public CCmdTarget {
  DECLARE_DYNCREATE(CWnd)

 public:
  CWnd();
  ~CWnd() override;
  CWnd(const CWnd&) = delete;
  CWnd& operator=(const CWnd&) = delete;

  // The attached wrapper of a window, or a wrapper the layer keeps for it while it lives: of the
  // class form registered for the window's class, so that a CWnd* of a list box is a CListBox.
  static CWnd* FromHandle(HWND window);
  static CWnd* FromHandlePermanent(HWND window);
  BOOL SubclassWindow(HWND window);
  BOOL SubclassDlgItem(UINT id, CWnd* parent);
  HWND UnsubclassWindow();
  HWND GetSafeHwnd() const { return m_hWnd; }
  operator HWND() const { return m_hWnd; }

  virtual BOOL Create(LPCSTR className, LPCSTR windowName, DWORD style, const RECT& rect, CWnd* parent, UINT id,
                      void* context = nullptr);
  BOOL CreateEx(DWORD exStyle, LPCSTR className, LPCSTR windowName, DWORD style, int x, int y, int width, int height,
                HWND parent, HMENU menuOrId, void* param = nullptr);
  virtual BOOL PreCreateWindow(CREATESTRUCT& create);
  virtual BOOL DestroyWindow();

  virtual LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam);
  virtual BOOL OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result);
  virtual LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam);
  virtual BOOL OnCommand(WPARAM wParam, LPARAM lParam);
  // A notification the parent passes back to the control's own wrapper first.
  virtual BOOL OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result);
  virtual BOOL PreTranslateMessage(MSG* message);
  virtual void PostNcDestroy();
  virtual void DoDataExchange(CDataExchange* exchange);
  BOOL UpdateData(BOOL saveAndValidate = TRUE);
  // The current message's default processing.
  LRESULT Default();

  int RunModalLoop(DWORD flags = 0);
  virtual BOOL ContinueModal();
  virtual void EndModalLoop(int result);

  LRESULT SendMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const;
  BOOL PostMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const;
  LRESULT SendDlgItemMessage(int id, UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const;
  CWnd* GetDlgItem(int id) const;
  int GetDlgCtrlID() const { return ::GetDlgCtrlID(m_hWnd); }
  void SetDlgItemText(int id, LPCSTR text) { ::SetDlgItemText(m_hWnd, id, text); }
  int GetDlgItemText(int id, LPSTR text, int size) const {
    return static_cast<int>(::GetDlgItemText(m_hWnd, id, text, size));
  }
  void SetWindowText(LPCSTR text) { ::SetWindowText(m_hWnd, text); }
  int GetWindowText(LPSTR text, int size) const { return ::GetWindowText(m_hWnd, text, size); }
  void GetWindowText(std::string& text) const { text = GetWindowTextString(m_hWnd); }
  int GetWindowTextLength() const { return ::GetWindowTextLength(m_hWnd); }

  BOOL ShowWindow(int command) { return ::ShowWindow(m_hWnd, command); }
  BOOL EnableWindow(BOOL enable = TRUE) { return ::EnableWindow(m_hWnd, enable); }
  BOOL IsWindowVisible() const { return ::IsWindowVisible(m_hWnd); }
  BOOL IsWindowEnabled() const { return ::IsWindowEnabled(m_hWnd); }
  CWnd* SetFocus() { return FromHandle(::SetFocus(m_hWnd)); }
  static CWnd* GetFocus() { return FromHandle(::GetFocus()); }
  static CWnd* GetActiveWindow() { return FromHandle(::GetActiveWindow()); }
  CWnd* SetActiveWindow() { return FromHandle(::SetActiveWindow(m_hWnd)); }
  CWnd* SetCapture() { return FromHandle(::SetCapture(m_hWnd)); }
  CWnd* GetParent() const { return FromHandle(::GetParent(m_hWnd)); }
  CWnd* GetOwner() const { return FromHandle(::GetWindow(m_hWnd, GW_OWNER)); }
  CWnd* GetTopLevelParent() const { return FromHandle(::GetTopLevel(m_hWnd)); }
  CWnd* GetWindow(UINT relation) const { return FromHandle(::GetWindow(m_hWnd, relation)); }
  CFrameWnd* GetParentFrame() const;

  void GetClientRect(LPRECT rect) const { ::GetClientRect(m_hWnd, rect); }
  void GetWindowRect(LPRECT rect) const { ::GetWindowRect(m_hWnd, rect); }
  void ScreenToClient(LPPOINT point) const { ::ScreenToClient(m_hWnd, point); }
  void ScreenToClient(LPRECT rect) const;
  void ClientToScreen(LPPOINT point) const { ::ClientToScreen(m_hWnd, point); }
  void ClientToScreen(LPRECT rect) const;
  BOOL SetWindowPos(const CWnd* insertAfter, int x, int y, int width, int height, UINT flags);
  void MoveWindow(int x, int y, int width, int height, BOOL repaint = TRUE) {
    ::MoveWindow(m_hWnd, x, y, width, height, repaint);
  }
  void MoveWindow(LPCRECT rect, BOOL repaint = TRUE) {
    MoveWindow(rect->left, rect->top, rect->right - rect->left, rect->bottom - rect->top, repaint);
  }
  void Invalidate(BOOL erase = TRUE) { ::InvalidateRect(m_hWnd, nullptr, erase); }
  void InvalidateRect(LPCRECT rect, BOOL erase = TRUE) { ::InvalidateRect(m_hWnd, rect, erase); }
  void ValidateRect(LPCRECT rect) { ::ValidateRect(m_hWnd, rect); }
  BOOL GetUpdateRect(LPRECT rect, BOOL erase = FALSE) { return ::GetUpdateRect(m_hWnd, rect, erase); }
  void UpdateWindow() { ::UpdateWindow(m_hWnd); }
  DWORD GetStyle() const { return static_cast<DWORD>(::GetWindowLong(m_hWnd, GWL_STYLE)); }
  DWORD GetExStyle() const { return static_cast<DWORD>(::GetWindowLong(m_hWnd, GWL_EXSTYLE)); }
  BOOL ModifyStyle(DWORD remove, DWORD add, UINT flags = 0);
  CDC* GetDC() { return CDC::FromHandle(::GetDC(m_hWnd)); }
  int ReleaseDC(CDC* dc) { return dc == nullptr ? 0 : ::ReleaseDC(m_hWnd, dc->m_hDC); }
  void SetFont(CFont* font, BOOL redraw = TRUE);
  CFont* GetFont() const;
  CMenu* GetMenu() const { return CMenu::FromHandle(::GetMenu(m_hWnd)); }
  BOOL SetMenu(CMenu* menu) { return ::SetMenu(m_hWnd, menu == nullptr ? nullptr : menu->m_hMenu); }
  int MessageBox(LPCSTR text, LPCSTR caption = nullptr, UINT type = 0);
  // Lays the control bars out (the layer has none) and gives the rest of the client area to the child `leftOver`.
  void RepositionBars(UINT first, UINT last, UINT leftOver, UINT flags = 0, LPRECT rectParam = nullptr,
                      LPCRECT rectClient = nullptr, BOOL stretch = TRUE);

  HWND m_hWnd = nullptr;
  UINT m_nFlags = 0;

 protected:
  afx_msg int OnCreate(LPCREATESTRUCT create);
  afx_msg void OnDestroy();
  afx_msg void OnNcDestroy();
  afx_msg void OnPaint();
  afx_msg void OnSize(UINT type, int width, int height);
  afx_msg void OnActivate(UINT state, CWnd* other, BOOL minimized);
  afx_msg BOOL OnNcActivate(BOOL active);
  afx_msg void OnSetFocus(CWnd* previous);
  afx_msg void OnKillFocus(CWnd* next);
  afx_msg BOOL OnSetCursor(CWnd* window, UINT hitTest, UINT message);
  afx_msg HBRUSH OnCtlColor(CDC* dc, CWnd* window, UINT kind);
  afx_msg void OnDrawItem(int id, LPDRAWITEMSTRUCT item);
  afx_msg void OnHScroll(UINT code, UINT position, CScrollBar* scrollBar);
  afx_msg void OnVScroll(UINT code, UINT position, CScrollBar* scrollBar);
  afx_msg void OnInitMenuPopup(CMenu* popup, UINT index, BOOL systemMenu);
  afx_msg void OnLButtonDown(UINT flags, CPoint point);
  afx_msg void OnLButtonUp(UINT flags, CPoint point);
  afx_msg void OnLButtonDblClk(UINT flags, CPoint point);
  afx_msg void OnMouseMove(UINT flags, CPoint point);
  afx_msg void OnKeyDown(UINT key, UINT repeat, UINT flags);
  afx_msg void OnKeyUp(UINT key, UINT repeat, UINT flags);
  afx_msg void OnChar(UINT character, UINT repeat, UINT flags);
  afx_msg void OnClose();
  afx_msg void OnShowWindow(BOOL show, UINT status);
  afx_msg BOOL OnEraseBkgnd(CDC* dc);
  afx_msg void OnSysCommand(UINT id, LPARAM lParam);
  BOOL ReflectChildNotify(HWND child, UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result);

  int m_nModalResult = -1;

  // For the routines that create windows: attaches this wrapper to the new window before its first message.
  std::function<void(HWND)> AttachBeforeFirstMessage();

  static const AFX_MSGMAP* GetThisMessageMap();
  const AFX_MSGMAP* GetMessageMap() const override;

 private:
  // The wrapper sees the window's messages from attaching until detaching or the window's end.
  void AttachTo(HWND window);
  void DetachFromWindow();
  WNDPROC m_pfnSuper = nullptr;
  bool temporary_ = false;  // made by FromHandle for a window nobody attached
};
