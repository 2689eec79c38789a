#pragma once
// A dialog made from a list of controls that records every notification its controls send, with
// helpers to reach a control and a point on it.
#include <functional>
#include <string>
#include <vector>

#include "platform/win/cdialog.h"
#include "platform/controls/cscrollbar.h"
#include "platform/win/message_map.h"
#include "tests/platform/support/window_fixture.h"

namespace controls_test {

struct ScrollRequest {
  UINT message;
  UINT code;
  UINT position;
  HWND bar;
  bool operator==(const ScrollRequest& other) const {
    return message == other.message && code == other.code && position == other.position && bar == other.bar;
  }
};

struct Notification {
  int id;
  UINT code;
  bool operator==(const Notification& other) const { return id == other.id && code == other.code; }
};

class RecordingDialog : public CDialog {
 public:
  RecordingDialog() : CDialog("CONTROLS", nullptr) {}
  std::vector<Notification> notifications;
  // Runs inside the notification, before the recording dialog returns.
  std::function<void(const Notification&)> onNotify;

  BOOL OnCommand(WPARAM wParam, LPARAM lParam) override {
    if (lParam != 0) {
      const Notification notification{LOWORD(wParam), HIWORD(wParam)};
      notifications.push_back(notification);
      if (onNotify) onNotify(notification);
    }
    return CDialog::OnCommand(wParam, lParam);
  }
  std::vector<ScrollRequest> scrolls;
  // The brush the dialog answers an edit field's colour query with, instead of the default.
  HBRUSH editBrush = nullptr;

  // Only the notifications of one control, in order.
  std::vector<UINT> CodesOf(int id) const {
    std::vector<UINT> codes;
    for (const Notification& notification : notifications) {
      if (notification.id == id) codes.push_back(notification.code);
    }
    return codes;
  }

 protected:
  afx_msg HBRUSH OnCtlColor(CDC* dc, CWnd* control, UINT kind) {
    if (kind == CTLCOLOR_EDIT && editBrush != nullptr) return editBrush;
    return CDialog::OnCtlColor(dc, control, kind);
  }
  afx_msg void OnHScroll(UINT code, UINT position, CScrollBar* bar) {
    scrolls.push_back(ScrollRequest{WM_HSCROLL, code, position, bar == nullptr ? nullptr : bar->m_hWnd});
  }
  afx_msg void OnVScroll(UINT code, UINT position, CScrollBar* bar) {
    scrolls.push_back(ScrollRequest{WM_VSCROLL, code, position, bar == nullptr ? nullptr : bar->m_hWnd});
  }
  DECLARE_MESSAGE_MAP()
};

class ControlsTest : public window_test::WindowTest {
 protected:
  // Opens a 240 x 160 dialog-unit dialog with the controls and an OK button.
  void Open(std::vector<DialogItemTemplate> items) {
    DialogTemplate dialog;
    dialog.style = WS_POPUP | WS_CAPTION | DS_MODALFRAME | WS_VISIBLE;
    dialog.caption = "Controls";
    dialog.cx = 240;
    dialog.cy = 160;
    items.push_back(window_test::Item("BUTTON", "OK", IDOK, BS_DEFPUSHBUTTON | WS_TABSTOP, 190, 140, 40, 14));
    dialog.items = std::move(items);
    Resources().AddDialog("CONTROLS", dialog);
    ASSERT_TRUE(dialog_.Create("CONTROLS"));
    window = dialog_.m_hWnd;
    driver.Pump();
    UpdateAllWindows();
    dialog_.notifications.clear();
  }
  HWND Control(int id) const { return GetDlgItem(window, id); }
  LRESULT Send(int id, UINT message, WPARAM wParam = 0, LPARAM lParam = 0) {
    return SendDlgItemMessage(window, id, message, wParam, lParam);
  }
  LRESULT SendText(int id, UINT message, WPARAM wParam, const char* text) {
    return Send(id, message, wParam, reinterpret_cast<LPARAM>(text));
  }
  std::string Text(int id) const { return GetWindowTextString(Control(id)); }
  // A point given in a window's coordinates (its frame included), on the screen.
  static POINT OnScreen(HWND control, int x, int y) {
    RECT rect{};
    GetWindowRect(control, &rect);
    return POINT{rect.left + x, rect.top + y};
  }
  std::vector<Notification>& Notifications() { return dialog_.notifications; }
  RecordingDialog& Dialog() { return dialog_; }

  HWND window = nullptr;

 private:
  RecordingDialog dialog_;
};

}  // namespace controls_test
