#include "platform/win/cframewnd.h"
#include "platform/win/cview.h"
#include "platform/win/cwinapp.h"
#include "platform/win/dialog_manager.h"
#include "platform/win/menu_update.h"
#include "tests/platform/support/window_fixture.h"

namespace {

using window_test::WindowTest;

constexpr UINT SetupCommand = 4000;
constexpr UINT ExitCommand = 4001;
constexpr UINT AboutCommand = 4015;

class CountingApp : public CWinApp {
 public:
  CountingApp() : CWinApp("Counting") {}
  int setups = 0;
  int abouts = 0;

 protected:
  afx_msg void OnSetup() { ++setups; }
  afx_msg void OnAbout() { ++abouts; }
  afx_msg void OnUpdateAbout(CCmdUI* item) { item->SetCheck(1); }
  DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CountingApp, CWinApp)
ON_COMMAND(SetupCommand, OnSetup)
ON_COMMAND(AboutCommand, OnAbout)
ON_UPDATE_COMMAND_UI(AboutCommand, OnUpdateAbout)
END_MESSAGE_MAP()

class UpdatingTarget : public CCmdTarget {
 protected:
  afx_msg void OnHandled() {}
  afx_msg void OnUpdateChecked(CCmdUI* item) { item->SetCheck(1); }
  DECLARE_MESSAGE_MAP()
};

constexpr UINT Handled = 100;
constexpr UINT Checked = 101;
constexpr UINT Unhandled = 102;
constexpr UINT NestedFirst = 103;
constexpr UINT SystemCommand = 0xF060;

BEGIN_MESSAGE_MAP(UpdatingTarget, CCmdTarget)
ON_COMMAND(Handled, OnHandled)
ON_UPDATE_COMMAND_UI(Checked, OnUpdateChecked)
END_MESSAGE_MAP()

TEST(MenuUpdate, ItemsWithoutAHandlerAreGrayedButNestedPopupsAndSystemCommandsAreNot) {
  for (const bool disableWithoutHandler : {true, false}) {
    const HMENU nested = CreatePopupMenu();
    AppendMenu(nested, MF_STRING, NestedFirst, "first");
    CMenu popup;
    popup.CreatePopupMenu();
    popup.AppendMenu(MF_STRING, Handled, "handled");
    popup.AppendMenu(MF_STRING, Checked, "checked");
    popup.AppendMenu(MF_STRING, Unhandled, "unhandled");
    popup.AppendMenu(MF_SEPARATOR);
    popup.AppendMenu(MF_STRING, SystemCommand, "close");
    popup.AppendMenu(MF_POPUP, NumberFromHandle(nested), "nested");
    UpdatingTarget target;
    UpdatePopupMenu(target, popup, disableWithoutHandler);
    const auto grayed = [&](UINT id) { return (popup.GetMenuState(id, MF_BYCOMMAND) & MF_GRAYED) != 0; };
    EXPECT_FALSE(grayed(Handled));
    // An update handler that only checks leaves the enabling to the command handler, and there is none.
    EXPECT_EQ(grayed(Checked), disableWithoutHandler);
    EXPECT_NE(popup.GetMenuState(Checked, MF_BYCOMMAND) & MF_CHECKED, 0u);
    EXPECT_EQ(grayed(Unhandled), disableWithoutHandler);
    EXPECT_FALSE(grayed(SystemCommand));
    EXPECT_FALSE(grayed(NestedFirst));
  }
}

class FormView : public CFormView {
 public:
  FormView() : CFormView("FORM") {}
};

class FrameTest : public WindowTest {
 protected:
  FrameTest() {
    std::vector<MenuTemplateItem> menu(2);
    menu[0].text = "File";
    menu[0].flags = MF_POPUP;
    menu[0].children.resize(3);
    menu[0].children[0].text = "Setup";
    menu[0].children[0].id = SetupCommand;
    menu[0].children[1].flags = MF_SEPARATOR;
    menu[0].children[2].text = "Exit";
    menu[0].children[2].id = ExitCommand;
    menu[1].text = "Information";
    menu[1].flags = MF_POPUP;
    menu[1].children.resize(1);
    menu[1].children[0].text = "About";
    menu[1].children[0].id = AboutCommand;
    Resources().AddMenu(2, menu);
    DialogTemplate form;
    form.style = WS_CHILD;
    form.cx = 100;
    form.cy = 50;
    form.items.push_back(window_test::Item("BUTTON", "Go", 105, WS_TABSTOP, 10, 10, 35, 14));
    Resources().AddDialog("FORM", form);
  }

  CFrameWnd* MakeFrame() {
    auto* frame = new CFrameWnd;
    EXPECT_TRUE(frame->Create(nullptr, "Frame", 0x00CA0000, CFrameWnd::rectDefault, nullptr, MAKEINTRESOURCE(2)));
    auto* form = new FormView;
    EXPECT_TRUE(form->Create(nullptr, nullptr, WS_CHILD | WS_VISIBLE | WS_BORDER, CRect(0, 0, 0, 0), frame,
                             AFX_IDW_PANE_FIRST));
    frame->RecalcLayout();
    form->ResizeParentToFit(FALSE);
    frame->ShowWindow(SW_SHOW);
    app.m_pMainWnd = frame;
    return frame;
  }

  CountingApp app;
};

TEST_F(FrameTest, TheFrameFitsItsClientAreaToTheForm) {
  CFrameWnd* frame = MakeFrame();
  RECT client{};
  frame->GetClientRect(&client);
  EXPECT_EQ(client.right, 175);
  EXPECT_EQ(client.bottom, 81);
  RECT pane{};
  GetClientRect(GetDlgItem(frame->m_hWnd, AFX_IDW_PANE_FIRST), &pane);
  EXPECT_EQ(pane.right, 175);
  EXPECT_EQ(pane.bottom, 81);
  RECT outer{};
  frame->GetWindowRect(&outer);
  // Frame, caption and menu bar around the client area.
  EXPECT_EQ(outer.right - outer.left, 175 + 6);
  EXPECT_EQ(outer.bottom - outer.top, 81 + 6 + 18 + 19);
  EXPECT_EQ(driver.WindowTemplate(), "FORM");
}

TEST_F(FrameTest, MenuCommandsReachTheApplicationAndItemsWithoutHandlerAreDisabled) {
  MakeFrame();
  EXPECT_TRUE(driver.Menu(SetupCommand));
  EXPECT_EQ(app.setups, 1);
  EXPECT_FALSE(driver.Menu(ExitCommand));
  EXPECT_EQ(driver.LastError(), "menu item 4001 is disabled");
  EXPECT_FALSE(driver.Menu(4999));
  // An update handler decides an item's state when its popup opens.
  EXPECT_TRUE(driver.Menu(AboutCommand));
  EXPECT_NE(GetMenuState(GetMenu(AfxGetMainWnd()->m_hWnd), AboutCommand, MF_BYCOMMAND) & MF_CHECKED, 0u);
  EXPECT_EQ(app.abouts, 1);
}

TEST_F(FrameTest, AClickOnTheMenuBarOpensItsPopupAndAClickOnAnItemChoosesIt) {
  CFrameWnd* frame = MakeFrame();
  driver.Pump();
  RECT outer{};
  frame->GetWindowRect(&outer);
  // "Information" is the second item of the bar, below the caption.
  const POINT bar{outer.left + 3 + 50, outer.top + 3 + 18 + 9};
  driver.ClickAt(bar);
  ASSERT_EQ(TopLevelWindows().size(), 2u);
  const HWND popup = TopLevelWindows().front();
  EXPECT_EQ(GetActiveWindow(), frame->m_hWnd);
  RECT popupRect{};
  GetWindowRect(popup, &popupRect);
  driver.ClickAt(POINT{popupRect.left + 20, popupRect.top + 10});
  EXPECT_EQ(app.abouts, 1);
  EXPECT_FALSE(IsWindow(popup));
}

TEST_F(FrameTest, DestroyingTheMainWindowEndsTheMessageLoop) {
  CFrameWnd* frame = MakeFrame();
  HWND window = frame->m_hWnd;
  driver.Then([&] { EXPECT_TRUE(driver.Click(105)); });
  driver.Then([&] { frame->DestroyWindow(); });
  EXPECT_EQ(app.Run(), 0);
  EXPECT_FALSE(IsWindow(window));
  EXPECT_EQ(app.m_pMainWnd, nullptr);
}

TEST_F(WindowTest, AMessageBoxOnTheScreenTakesKeysAndDisablesItsOwner) {
  const HWND owner = TopLevel("Owner", 0, 0, 300, 200);
  SetMessageBoxHook(nullptr);
  driver.Then([&] {
    EXPECT_FALSE(IsWindowEnabled(owner));
    EXPECT_EQ(GetWindowTextString(GetActiveWindow()), "Question");
    driver.Key("Escape");
  });
  driver.Then([&] { driver.Key("Tab"); });
  driver.Then([&] { driver.Key("Enter"); });
  EXPECT_EQ(MessageBox(owner, "Line one\nLine two", "Question", MB_YESNO | MB_ICONQUESTION), IDNO);
  EXPECT_TRUE(IsWindowEnabled(owner));
  EXPECT_EQ(GetActiveWindow(), owner);
  driver.Then([&] { driver.Key("Escape"); });
  EXPECT_EQ(MessageBox(owner, "Sure?", "Question", MB_OKCANCEL), IDCANCEL);
  // A system-modal box keeps every window from input, not only its owner.
  const HWND other = TopLevel("Other", 300, 0, 100, 100);
  driver.Then([&] {
    EXPECT_FALSE(IsWindowEnabled(owner));
    EXPECT_FALSE(IsWindowEnabled(other));
    driver.Key("Enter");
  });
  EXPECT_EQ(MessageBox(owner, "Cannot load string.", "TAVRIN", MB_SYSTEMMODAL | MB_ICONHAND), IDOK);
  EXPECT_TRUE(IsWindowEnabled(other));
}

TEST_F(WindowTest, AnsweredMessageBoxesAreRecordedWithTheirDefaultOrGivenAnswers) {
  struct Case {
    UINT type;
    int answer;
  };
  const Case defaults[] = {{MB_OK, IDOK}, {MB_OKCANCEL, IDOK}, {MB_YESNO, IDNO}, {MB_YESNOCANCEL, IDCANCEL}};
  for (const Case& test : defaults) EXPECT_EQ(MessageBox(nullptr, "text", "caption", test.type), test.answer);
  driver.Answer(IDYES);
  EXPECT_EQ(MessageBox(nullptr, "A\nB", "TAVRIN", MB_YESNO), IDYES);
  ASSERT_EQ(driver.MessageBoxes().size(), 5u);
  EXPECT_EQ(driver.MessageBoxes().back().caption, "TAVRIN");
  EXPECT_EQ(driver.MessageBoxes().back().text, "A\nB");
  // An answer the box does not have is refused and reported.
  driver.Answer(IDYES);
  EXPECT_EQ(MessageBox(nullptr, "text", "caption", MB_OK), IDOK);
  EXPECT_FALSE(driver.MessageBoxes().back().problem.empty());
}

}  // namespace
