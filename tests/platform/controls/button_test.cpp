#include "platform/win/cdialog.h"
#include "platform/controls/cbutton.h"
#include "platform/controls/cstatic.h"
#include "tests/platform/support/window_fixture.h"

namespace {

using window_test::Item;
using window_test::WindowTest;

constexpr int RadioAId = 101;
constexpr int RadioBId = 102;
constexpr int RadioCId = 103;
constexpr int OtherGroupId = 104;
constexpr int CheckId = 110;
constexpr int PushId = 120;
constexpr int HiddenId = 130;
constexpr int OwnerDrawId = 140;

struct Notification {
  int id;
  int code;
  int focusAtTheTime;
  bool operator==(const Notification& other) const {
    return id == other.id && code == other.code && focusAtTheTime == other.focusAtTheTime;
  }
};

// Draws nothing, and keeps the action and state of every drawing request.
class RecordingOwnerDraw : public CButton {
 public:
  std::vector<std::pair<UINT, UINT>> draws;
  void DrawItem(LPDRAWITEMSTRUCT item) override { draws.emplace_back(item->itemAction, item->itemState); }
};

class ButtonsDialog : public CDialog {
 public:
  ButtonsDialog() : CDialog("BUTTONS", nullptr) {}
  std::vector<Notification> notifications;
  RecordingOwnerDraw ownerDraw;

  BOOL OnInitDialog() override {
    ownerDraw.SubclassDlgItem(OwnerDrawId, this);
    return CDialog::OnInitDialog();
  }
  BOOL OnCommand(WPARAM wParam, LPARAM lParam) override {
    if (lParam != 0) {
      notifications.push_back(Notification{LOWORD(wParam), HIWORD(wParam), ::GetDlgCtrlID(::GetFocus())});
    }
    return CDialog::OnCommand(wParam, lParam);
  }
};

class ButtonTest : public WindowTest {
 protected:
  ButtonTest() {
    DialogTemplate dialog;
    dialog.style = WS_POPUP | WS_CAPTION | DS_MODALFRAME | WS_VISIBLE;
    dialog.caption = "Buttons";
    dialog.cx = 220;
    dialog.cy = 120;
    dialog.items = {
        Item("BUTTON", "Group", 100, BS_GROUPBOX, 2, 2, 80, 60),
        Item("BUTTON", "A", RadioAId, BS_AUTORADIOBUTTON | WS_GROUP | WS_TABSTOP, 6, 12, 60, 12),
        Item("BUTTON", "B", RadioBId, BS_AUTORADIOBUTTON, 6, 26, 60, 12),
        Item("BUTTON", "C", RadioCId, BS_AUTORADIOBUTTON, 6, 40, 60, 12),
        Item("BUTTON", "Other", OtherGroupId, BS_AUTORADIOBUTTON | WS_GROUP | WS_TABSTOP, 90, 12, 60, 12),
        Item("BUTTON", "Check", CheckId, BS_AUTOCHECKBOX | WS_GROUP | WS_TABSTOP, 90, 26, 60, 12),
        Item("BUTTON", "Push", PushId, BS_PUSHBUTTON | WS_TABSTOP, 90, 42, 40, 14),
        Item("BUTTON", "Hidden", HiddenId, BS_PUSHBUTTON | WS_DISABLED, 140, 42, 40, 14),
        Item("BUTTON", "", OwnerDrawId, BS_OWNERDRAW, 90, 62, 40, 20),
        Item("BUTTON", "OK", IDOK, BS_DEFPUSHBUTTON | WS_TABSTOP, 140, 62, 40, 14),
    };
    dialog.items[7].style &= ~WS_VISIBLE;
    Resources().AddDialog("BUTTONS", dialog);
    EXPECT_TRUE(buttons.Create("BUTTONS"));
    window = buttons.m_hWnd;
    driver.Pump();
  }
  LRESULT Send(int id, UINT message, WPARAM wParam = 0, LPARAM lParam = 0) {
    return SendDlgItemMessage(window, id, message, wParam, lParam);
  }

  ButtonsDialog buttons;
  HWND window = nullptr;
};

TEST_F(ButtonTest, ARadioGroupHasOneCheckedButtonAndArrowKeysMoveWithinIt) {
  Send(OtherGroupId, BM_SETCHECK, BST_CHECKED);
  ASSERT_TRUE(driver.Click(RadioAId));
  ASSERT_TRUE(driver.Click(RadioBId));
  EXPECT_EQ(Send(RadioAId, BM_GETCHECK), BST_UNCHECKED);
  EXPECT_EQ(Send(RadioBId, BM_GETCHECK), BST_CHECKED);
  EXPECT_EQ(Send(OtherGroupId, BM_GETCHECK), BST_CHECKED);
  driver.Key("Down");
  EXPECT_EQ(GetDlgCtrlID(GetFocus()), RadioCId);
  EXPECT_EQ(Send(RadioCId, BM_GETCHECK), BST_CHECKED);
  EXPECT_EQ(Send(RadioBId, BM_GETCHECK), BST_UNCHECKED);
  // The arrows wrap around within the group and do not leave it.
  driver.Key("Down");
  EXPECT_EQ(GetDlgCtrlID(GetFocus()), RadioAId);
  driver.Key("Up");
  EXPECT_EQ(GetDlgCtrlID(GetFocus()), RadioCId);
  EXPECT_EQ(Send(OtherGroupId, BM_GETCHECK), BST_CHECKED);
  // Tab leaves the group and comes back to its checked button.
  SetFocus(GetDlgItem(window, PushId));
  driver.Key("Shift+Tab");
  driver.Key("Shift+Tab");
  driver.Key("Shift+Tab");
  EXPECT_EQ(GetDlgCtrlID(GetFocus()), RadioCId);
}

TEST_F(ButtonTest, AHiddenDisabledButtonReportsAClickFromSentMouseMessages) {
  EXPECT_FALSE(driver.Click(HiddenId));
  const int focusBefore = GetDlgCtrlID(GetFocus());
  Send(HiddenId, WM_LBUTTONDOWN, MK_LBUTTON, 0);
  Send(HiddenId, WM_LBUTTONUP, MK_LBUTTON, 0);
  ASSERT_EQ(buttons.notifications.size(), 1u);
  EXPECT_EQ(buttons.notifications[0], (Notification{HiddenId, static_cast<int>(BN_CLICKED), focusBefore}));
  EXPECT_EQ(GetCapture(), nullptr);
}

TEST_F(ButtonTest, AClickTakesTheFocusBeforeItReportsAndTheStateShowsIt) {
  ASSERT_TRUE(driver.Click(PushId));
  ASSERT_EQ(buttons.notifications.size(), 1u);
  EXPECT_EQ(buttons.notifications[0], (Notification{PushId, static_cast<int>(BN_CLICKED), PushId}));
  EXPECT_EQ(Send(PushId, BM_GETSTATE), BST_FOCUS);
  Send(PushId, WM_LBUTTONDOWN, MK_LBUTTON, 0);
  EXPECT_EQ(Send(PushId, BM_GETSTATE), BST_FOCUS | BST_PUSHED);
  // Released outside the button: no click.
  Send(PushId, WM_LBUTTONUP, 0, MAKELPARAM(500, 500));
  EXPECT_EQ(buttons.notifications.size(), 1u);
  EXPECT_EQ(Send(PushId, BM_GETSTATE), BST_FOCUS);
  ASSERT_TRUE(driver.Click(CheckId));
  EXPECT_EQ(Send(CheckId, BM_GETSTATE), BST_CHECKED | BST_FOCUS);
  EXPECT_EQ(Send(PushId, BM_GETSTATE), 0);
}

TEST_F(ButtonTest, SpaceOnAFocusedButtonClicksIt) {
  ASSERT_TRUE(driver.Click(CheckId));
  EXPECT_EQ(Send(CheckId, BM_GETCHECK), BST_CHECKED);
  driver.Key("Space");
  EXPECT_EQ(Send(CheckId, BM_GETCHECK), BST_UNCHECKED);
  SetFocus(GetDlgItem(window, PushId));
  driver.Key("Space");
  ASSERT_EQ(buttons.notifications.size(), 3u);
  EXPECT_EQ(buttons.notifications[2].id, PushId);
}

TEST_F(ButtonTest, OwnerDrawButtonsAreDrawnByTheirMemberAndReportDoubleClicks) {
  const auto& draws = buttons.ownerDraw.draws;
  ASSERT_FALSE(draws.empty());
  EXPECT_EQ(draws.back().first, ODA_DRAWENTIRE);
  buttons.ownerDraw.draws.clear();
  ASSERT_TRUE(driver.DoubleClick(OwnerDrawId));
  std::vector<int> codes;
  for (const Notification& notification : buttons.notifications) codes.push_back(notification.code);
  EXPECT_EQ(codes, (std::vector<int>{BN_CLICKED, BN_DOUBLECLICKED}));
  // The press and release are selection changes, the focus a focus change; none redraws it all.
  bool sawFocus = false;
  bool sawPressed = false;
  for (const auto& [action, state] : draws) {
    EXPECT_NE(action, ODA_DRAWENTIRE);
    sawFocus = sawFocus || (action == ODA_FOCUS && (state & ODS_FOCUS) != 0);
    sawPressed = sawPressed || (action == ODA_SELECT && (state & ODS_SELECTED) != 0);
  }
  EXPECT_TRUE(sawFocus);
  EXPECT_TRUE(sawPressed);
  buttons.notifications.clear();
  ASSERT_TRUE(driver.DoubleClick(PushId));
  ASSERT_EQ(buttons.notifications.size(), 2u);
  EXPECT_EQ(buttons.notifications[1].code, static_cast<int>(BN_CLICKED));
}

TEST_F(ButtonTest, WrappersMadeWithCreateAreTheControlsTheyName) {
  CButton check;
  ASSERT_TRUE(check.Create("Salt", WS_CHILD | WS_VISIBLE | BS_AUTOCHECKBOX, RECT{5, 100, 80, 115}, &buttons, 300));
  CStatic label;
  ASSERT_TRUE(label.Create("  Ion", WS_CHILD | WS_VISIBLE | SS_LEFT, RECT{90, 100, 150, 115}, &buttons, 301));
  check.SetCheck(BST_CHECKED);
  EXPECT_EQ(check.GetCheck(), static_cast<int>(BST_CHECKED));
  EXPECT_EQ(check.GetButtonStyle(), BS_AUTOCHECKBOX);
  EXPECT_EQ(Send(301, WM_GETDLGCODE), static_cast<LRESULT>(DLGC_STATIC));
  EXPECT_EQ(GetWindowTextString(GetDlgItem(window, 301)), "  Ion");
}

TEST_F(ButtonTest, AGroupBoxIsTransparentToTheMouse) {
  RECT group{};
  GetWindowRect(GetDlgItem(window, 100), &group);
  EXPECT_EQ(WindowFromPoint(POINT{group.left + 3, group.bottom - 3}), window);
  EXPECT_EQ(WindowFromPoint(POINT{group.left + 20, group.top + 26}), GetDlgItem(window, RadioAId));
}

}  // namespace
