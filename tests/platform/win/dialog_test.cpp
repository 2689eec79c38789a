#include "platform/win/cdialog.h"
#include "tests/platform/support/window_fixture.h"

namespace {

using window_test::Item;
using window_test::WindowTest;

constexpr int OpenId = 100;
constexpr int PushId = 20;
constexpr int CheckId = 10;

DialogTemplate Dialog(const char* caption, short cx, short cy) {
  DialogTemplate dialog;
  dialog.style = WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME;
  dialog.caption = caption;
  dialog.cx = cx;
  dialog.cy = cy;
  return dialog;
}

// Opens `inner` modally when its button is clicked, and keeps what each loop returned.
class OpenerDialog : public CDialog {
 public:
  OpenerDialog(LPCSTR name, CWnd* parent, LPCSTR inner) : CDialog(name, parent), inner_(inner) {}
  int innerResult = 0;

 protected:
  afx_msg void OnOpen() {
    CDialog dialog(inner_, this);
    innerResult = dialog.DoModal();
  }
  DECLARE_MESSAGE_MAP()

 private:
  LPCSTR inner_;
};

BEGIN_MESSAGE_MAP(OpenerDialog, CDialog)
ON_BN_CLICKED(OpenId, OnOpen)
END_MESSAGE_MAP()

class ModalTest : public WindowTest {
 protected:
  ModalTest() {
    DialogTemplate outer = Dialog("Outer", 120, 60);
    outer.items.push_back(Item("BUTTON", "Open", OpenId, WS_TABSTOP, 4, 4, 40, 14));
    outer.items.push_back(Item("BUTTON", "OK", IDOK, WS_TABSTOP | BS_DEFPUSHBUTTON, 4, 24, 40, 14));
    outer.items.push_back(Item("BUTTON", "Cancel", IDCANCEL, WS_TABSTOP, 50, 24, 40, 14));
    Resources().AddDialog("OUTER", outer);
    DialogTemplate inner = Dialog("Inner", 100, 40);
    inner.x = 10;
    inner.y = 10;
    inner.items.push_back(Item("BUTTON", "OK", IDOK, WS_TABSTOP | BS_DEFPUSHBUTTON, 4, 4, 40, 14));
    inner.items.push_back(Item("BUTTON", "Cancel", IDCANCEL, WS_TABSTOP, 50, 4, 40, 14));
    Resources().AddDialog("INNER", inner);
  }
};

TEST_F(ModalTest, LoopsNestTwoDeepAndEachOwnerComesBackActive) {
  const HWND main = TopLevel("Main", 0, 0, 400, 300);
  CWnd* mainWindow = CWnd::FromHandle(main);
  OpenerDialog outer("OUTER", mainWindow, "INNER");
  HWND outerWindow = nullptr;
  driver.Then([&] {
    outerWindow = GetActiveWindow();
    EXPECT_EQ(GetWindowTextString(outerWindow), "Outer");
    EXPECT_FALSE(IsWindowEnabled(main));
    EXPECT_TRUE(driver.Click(OpenId));
  });
  driver.Then([&] {
    EXPECT_EQ(GetWindowTextString(GetActiveWindow()), "Inner");
    EXPECT_FALSE(IsWindowEnabled(outerWindow));
    EXPECT_FALSE(IsWindowEnabled(main));
    EXPECT_TRUE(driver.Key("Enter"));
  });
  driver.Then([&] {
    EXPECT_EQ(GetActiveWindow(), outerWindow);
    EXPECT_TRUE(IsWindowEnabled(outerWindow));
    EXPECT_EQ(outer.innerResult, IDOK);
    // The control that opened the inner dialog has the focus again.
    EXPECT_EQ(GetDlgCtrlID(GetFocus()), OpenId);
    EXPECT_TRUE(driver.Key("Escape"));
  });
  EXPECT_EQ(outer.DoModal(), IDCANCEL);
  EXPECT_FALSE(IsWindow(outerWindow));
  EXPECT_TRUE(IsWindowEnabled(main));
  EXPECT_EQ(GetActiveWindow(), main);
}

TEST_F(ModalTest, MissingTemplateGivesMinusOneAndLeavesTheOwnerEnabled) {
  const HWND main = TopLevel("Main", 0, 0, 400, 300);
  CDialog dialog("NO SUCH TEMPLATE", CWnd::FromHandle(main));
  EXPECT_EQ(dialog.DoModal(), -1);
  EXPECT_TRUE(IsWindowEnabled(main));
}

TEST_F(ModalTest, ADestroyedModalWindowEndsItsLoopAndItsOwnerIsActiveAgain) {
  const HWND main = TopLevel("Main", 0, 0, 400, 300);
  CDialog dialog("INNER", CWnd::FromHandle(main));
  driver.Then([&] { DestroyWindow(GetActiveWindow()); });
  EXPECT_EQ(dialog.DoModal(), IDABORT);
  EXPECT_EQ(GetActiveWindow(), main);
  EXPECT_TRUE(IsWindowEnabled(main));
}

// Records the commands the dialog interface sends.
class KeysDialog : public CDialog {
 public:
  explicit KeysDialog(LPCSTR name = "KEYS") : CDialog(name, nullptr) {}
  std::vector<int> commands;
  void OnOK() override { commands.push_back(IDOK); }
  void OnCancel() override { commands.push_back(IDCANCEL); }

 protected:
  afx_msg void OnPush() { commands.push_back(PushId); }
  DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(KeysDialog, CDialog)
ON_BN_CLICKED(PushId, OnPush)
END_MESSAGE_MAP()

class KeysTest : public WindowTest {
 protected:
  KeysTest() {
    DialogTemplate keys = Dialog("Keys", 160, 60);
    keys.style |= WS_VISIBLE;
    keys.items.push_back(Item("BUTTON", "Check", CheckId, WS_TABSTOP | BS_AUTOCHECKBOX, 4, 4, 60, 12));
    keys.items.push_back(Item("BUTTON", "Push", PushId, WS_TABSTOP, 4, 20, 40, 14));
    keys.items.push_back(Item("BUTTON", "OK", IDOK, WS_TABSTOP | BS_DEFPUSHBUTTON, 60, 20, 40, 14));
    keys.items.push_back(Item("BUTTON", "Cancel", IDCANCEL, WS_TABSTOP, 110, 20, 40, 14));
    Resources().AddDialog("KEYS", keys);
  }
};

TEST_F(KeysTest, EnterGoesToTheFocusedPushButtonOrElseTheDefaultButton) {
  struct Case {
    const char* what;
    int focus;
    DWORD defaultState;  // extra style of the default button
    std::vector<int> expected;
  };
  const Case cases[] = {
      {"focus on a check box", CheckId, 0, {IDOK}},
      {"focus on a push button", PushId, 0, {PushId}},
      {"default button hidden", CheckId, WS_VISIBLE, {IDOK}},
      {"default button hidden and disabled", CheckId, WS_VISIBLE | WS_DISABLED, {}},
  };
  for (const Case& test : cases) {
    KeysDialog dialog;
    ASSERT_TRUE(dialog.Create("KEYS"));
    const HWND button = GetDlgItem(dialog.m_hWnd, IDOK);
    if ((test.defaultState & WS_VISIBLE) != 0) ShowWindow(button, SW_HIDE);
    if ((test.defaultState & WS_DISABLED) != 0) EnableWindow(button, FALSE);
    SetFocus(GetDlgItem(dialog.m_hWnd, test.focus));
    EXPECT_TRUE(driver.Key("Enter"));
    EXPECT_EQ(dialog.commands, test.expected) << test.what;
  }
}

// A template may list a hidden OK as a default push button before the one the user sees: Enter goes
// to the one shown and enabled, to a hidden one only while none is shown, never to a disabled one.
TEST_F(KeysTest, EnterGoesToTheShownDefaultButtonBeforeAHiddenOrDisabledOne) {
  struct Case {
    const char* what;
    DWORD okState;    // WS_VISIBLE and WS_DISABLED of the OK listed first
    DWORD pushState;  // the same of the second default button
    std::vector<int> expected;
  };
  const Case cases[] = {
      {"OK hidden and disabled, the second shown", WS_DISABLED, WS_VISIBLE, {PushId}},
      {"OK hidden but enabled, the second shown", 0, WS_VISIBLE, {PushId}},
      {"OK shown, the second shown", WS_VISIBLE, WS_VISIBLE, {IDOK}},
      {"OK shown but disabled, the second shown", WS_VISIBLE | WS_DISABLED, WS_VISIBLE, {PushId}},
      {"OK hidden but enabled, the second disabled", 0, WS_VISIBLE | WS_DISABLED, {IDOK}},
      {"both hidden and disabled", WS_DISABLED, WS_DISABLED, {}},
  };
  int index = 0;
  for (const Case& test : cases) {
    const std::string name = "DEFAULTS" + std::to_string(index++);
    DialogTemplate keys = Dialog("Defaults", 160, 60);
    keys.style |= WS_VISIBLE;
    auto defaultButton = [](const char* text, int id, DWORD state, short x, short y) {
      DialogItemTemplate button = Item("BUTTON", text, id, 0, x, y, 40, 14);
      button.style = WS_CHILD | WS_TABSTOP | BS_DEFPUSHBUTTON | state;
      return button;
    };
    keys.items.push_back(defaultButton("OK", IDOK, test.okState, 60, 4));
    keys.items.push_back(Item("EDIT", "", CheckId, WS_TABSTOP, 4, 4, 50, 12));
    keys.items.push_back(defaultButton("Push", PushId, test.pushState, 4, 20));
    Resources().AddDialog(name, keys);
    KeysDialog dialog(name.c_str());
    ASSERT_TRUE(dialog.Create(name.c_str()));
    SetFocus(GetDlgItem(dialog.m_hWnd, CheckId));
    EXPECT_TRUE(driver.Key("Enter"));
    EXPECT_EQ(dialog.commands, test.expected) << test.what;
  }
}

TEST_F(KeysTest, EscapeAndTheCloseBoxCancel) {
  KeysDialog dialog;
  ASSERT_TRUE(dialog.Create("KEYS"));
  EXPECT_TRUE(driver.Key("Escape"));
  RECT frame{};
  GetWindowRect(dialog.m_hWnd, &frame);
  // The close box sits at the right end of the caption bar, inside the three-pixel frame.
  driver.ClickAt(POINT{frame.right - 3 - 8, frame.top + 3 + 9});
  EXPECT_EQ(dialog.commands, (std::vector<int>{IDCANCEL, IDCANCEL}));
  EnableWindow(GetDlgItem(dialog.m_hWnd, IDCANCEL), FALSE);
  EXPECT_TRUE(driver.Key("Escape"));
  EXPECT_EQ(dialog.commands.size(), 2u);
}

TEST_F(KeysTest, TabWalksTheTabStopsBothWaysAndTheFocusComesBack) {
  KeysDialog dialog;
  ASSERT_TRUE(dialog.Create("KEYS"));
  // The first tab stop has the focus after set-up.
  EXPECT_EQ(GetDlgCtrlID(GetFocus()), CheckId);
  driver.Key("Tab");
  EXPECT_EQ(GetDlgCtrlID(GetFocus()), PushId);
  driver.Key("Shift+Tab");
  driver.Key("Shift+Tab");
  EXPECT_EQ(GetDlgCtrlID(GetFocus()), IDCANCEL);
  // Another window takes the activation; coming back restores the dialog's control.
  const HWND other = TopLevel("Other", 500, 400, 100, 100);
  EXPECT_EQ(GetFocus(), other);
  SetActiveWindow(dialog.m_hWnd);
  EXPECT_EQ(GetDlgCtrlID(GetFocus()), IDCANCEL);
}

TEST_F(WindowTest, TemplateSizesInDialogUnitsBecomePixelsAtSevenByThirteen) {
  DialogTemplate logo = Dialog("Logo", 114, 123);
  logo.items.push_back(Item("BUTTON", "", 105, BS_PUSHBUTTON, 12, 11, 35, 23));
  Resources().AddDialog("LOGO", logo);
  CDialog dialog("LOGO", nullptr);
  ASSERT_TRUE(dialog.Create("LOGO"));
  RECT client{};
  GetClientRect(dialog.m_hWnd, &client);
  EXPECT_EQ(client.right, 200);
  EXPECT_EQ(client.bottom, 200);
  RECT frame{};
  GetWindowRect(dialog.m_hWnd, &frame);
  // A modal frame of three pixels each side and an 18-pixel caption.
  EXPECT_EQ(frame.right - frame.left, 206);
  EXPECT_EQ(frame.bottom - frame.top, 224);
  RECT button{};
  GetWindowRect(GetDlgItem(dialog.m_hWnd, 105), &button);
  POINT corner{button.left, button.top};
  ScreenToClient(dialog.m_hWnd, &corner);
  // 12 x 11 units lie at 21 x 18 pixels; 35 x 23 units are 61 x 37 pixels.
  EXPECT_EQ(corner.x, 21);
  EXPECT_EQ(corner.y, 18);
  EXPECT_EQ(button.right - button.left, 61);
  EXPECT_EQ(button.bottom - button.top, 37);
}

TEST_F(WindowTest, ADialogWithAControlOfAnUnknownClassIsNotMade) {
  DialogTemplate broken = Dialog("Broken", 50, 50);
  broken.items.push_back(Item("NO SUCH CLASS", "", 1, 0, 0, 0, 10, 10));
  Resources().AddDialog("BROKEN", broken);
  CDialog dialog("BROKEN", nullptr);
  EXPECT_FALSE(dialog.Create("BROKEN"));
  EXPECT_EQ(dialog.DoModal(), -1);
  EXPECT_TRUE(TopLevelWindows().empty());
}

}  // namespace
