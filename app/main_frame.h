#pragma once
// The main frame: the program's one top-level window, of fixed size, with the English menu and the
// launcher form as its only content. It keeps the registry of its panes that the dialog runtime
// reaches through the private message.
#include <array>

#include "platform/win/cframewnd.h"

// WS_CAPTION, WS_SYSMENU and WS_MINIMIZEBOX: no sizing border, no maximize box.
inline constexpr DWORD MainWindowStyle = 0x00CA0000;
inline constexpr const char* MainWindowTitle = "TAVRIN";

class Cwm_MainBaseWnd : public CFrameWnd {
 public:
  Cwm_MainBaseWnd() = default;

  // Makes, shows and paints the frame; 1 on success, 0 after the failure message.
  virtual BOOL CreateMainWindow(CWnd* parent);
  // Registers the frame's window class once; 1 when MainClassName holds its name.
  virtual BOOL RegisterMainWindowClass();

  // The registered pane of that id (the form is pane 0), or null.
  CWnd* Pane(UINT id) const;

 protected:
  void PostNcDestroy() override;
  afx_msg int OnCreate(LPCREATESTRUCT create);
  afx_msg void OnSetFocus(CWnd* previous);
  afx_msg LRESULT OnPrivateMessage(WPARAM code, LPARAM argument);

  DECLARE_MESSAGE_MAP()

 private:
  std::array<CWnd*, 5> panes_{};  // the form, then the dialog bars at the top, bottom, left, right
  bool creating_ = false;
};

class Cwm_MainWnd : public Cwm_MainBaseWnd {};
