#include "runtime/application_services.h"
#include "platform/win/cwinapp.h"
#include "runtime/generated_setup.h"
#include "platform/win/menu.h"
#include "runtime/private_message.h"
#include "tests/runtime/runtime_fixture.h"
#include "runtime/sim_modal_dlg.h"
#include "runtime/user_controls.h"

namespace {

using runtime_test::Gray;
using runtime_test::RuntimeTest;

constexpr int FieldId = 30;
constexpr int PlainId = 31;
constexpr UINT HandledCommand = 4015;
constexpr UINT UnhandledCommand = 4300;
constexpr UINT SystemRangeCommand = 0xF010;

class RecordingApp : public CWinApp, public RuntimeApplicationServices {
 public:
  RecordingApp() : CWinApp("Recording") {}
  BOOL FilterHelpModeCommand(UINT commandId) override { return commandId == filtered ? TRUE : FALSE; }
  BOOL SubclassCtl3d(CWnd*) override { return FALSE; }
  void WinHelp(DWORD_PTR data, UINT command) override { helps.emplace_back(data, command); }

  int commands = 0;
  UINT filtered = 0;
  std::vector<std::pair<DWORD_PTR, UINT>> helps;

 protected:
  afx_msg void OnHandled() { ++commands; }
  DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(RecordingApp, CWinApp)
ON_COMMAND(HandledCommand, OnHandled)
END_MESSAGE_MAP()

constexpr MemberSetup ColouredMembers[] = {{.id = FieldId, .colours = ColourKind::Gray}};
constexpr WindowSetup ColouredSetup{.members = ColouredMembers};

class ColouredDialog : public CSimModalDlg {
 public:
  ColouredDialog() : CSimModalDlg("COLOURED", nullptr) {}
  BOOL OnInitDialog() override {
    ApplyGeneratedSetup(*this, ColouredSetup, {field});
    return CSimModalDlg::OnInitDialog();
  }
  CUserEdit field;
};

class DialogBaseTest : public RuntimeTest {
 protected:
  DialogBaseTest() {
    DialogTemplate dialog;
    dialog.style = WS_POPUP | WS_VISIBLE;
    dialog.cx = 80;
    dialog.cy = 40;
    dialog.items.push_back(window_test::Item("EDIT", "", FieldId, 0, 4, 4, 30, 10));
    dialog.items.push_back(window_test::Item("STATIC", "", PlainId, 0, 4, 20, 30, 10));
    Resources().AddDialog("COLOURED", dialog);
  }
  ~DialogBaseTest() override { window.DestroyWindow(); }

  void Open() {
    ASSERT_TRUE(window.Create("COLOURED", nullptr));
    UpdateAllWindows();
  }

  RecordingApp app;
  ColouredDialog window;
};

// An edit field is white in the library's colours; its member's default colours make it light gray.
TEST_F(DialogBaseTest, BackgroundIsTheDialogBrushAndControlsTakeTheirMembersColours) {
  Open();
  const HWND field = ::GetDlgItem(window.m_hWnd, FieldId);
  EXPECT_EQ(window_test::PixelAt(window.m_hWnd, 2, 2), Gray);
  EXPECT_EQ(window_test::PixelAt(field, 4, 4), Gray);
  EXPECT_EQ(window_test::PixelAt(::GetDlgItem(window.m_hWnd, PlainId), 2, 2), Gray);
  UseWhiteField(window.field);
  window.field.Invalidate(TRUE);
  UpdateAllWindows();
  EXPECT_EQ(window_test::PixelAt(field, 4, 4), RGB(255, 255, 255));
}

TEST_F(DialogBaseTest, BrushOriginMovesWithTheScrollPositionOnlyWhileScrolling) {
  Open();
  Canvas canvas(4, 4);
  window.Fields().horizontalPosition = 5;
  window.Fields().verticalPosition = 7;
  const auto ask = [&] {
    canvas.dc.SetBrushOrg(10, 10);
    window.SendMessage(WM_CTLCOLORDLG, reinterpret_cast<WPARAM>(canvas.dc.m_hDC),
                       reinterpret_cast<LPARAM>(window.m_hWnd));
    return canvas.dc.GetBrushOrg();
  };
  EXPECT_EQ(ask(), CPoint(10, 10));
  window.Fields().scrollingOn = true;
  EXPECT_EQ(ask(), CPoint(5, 3));
}

TEST_F(DialogBaseTest, PopupItemsWithoutAHandlerAreDisabledBelowTheSystemRange) {
  Open();
  CMenu popup;
  popup.CreatePopupMenu();
  popup.AppendMenu(MF_STRING, HandledCommand, "Handled");
  popup.AppendMenu(MF_STRING, UnhandledCommand, "Unhandled");
  popup.AppendMenu(MF_STRING, SystemRangeCommand, "System");
  window.SendMessage(WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(popup.m_hMenu), 0);
  EXPECT_EQ(popup.GetMenuState(HandledCommand, MF_BYCOMMAND) & MF_GRAYED, 0u);
  EXPECT_NE(popup.GetMenuState(UnhandledCommand, MF_BYCOMMAND) & MF_GRAYED, 0u);
  EXPECT_EQ(popup.GetMenuState(SystemRangeCommand, MF_BYCOMMAND) & MF_GRAYED, 0u);
  popup.EnableMenuItem(UnhandledCommand, MF_BYCOMMAND | MF_ENABLED);
  window.Fields().autoEnableMenus = false;
  window.SendMessage(WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(popup.m_hMenu), 0);
  EXPECT_EQ(popup.GetMenuState(UnhandledCommand, MF_BYCOMMAND) & MF_GRAYED, 0u);
}

TEST_F(DialogBaseTest, CommandsTheDialogDoesNotHandleReachTheApplication) {
  Open();
  window.SendMessage(WM_COMMAND, HandledCommand, 0);
  EXPECT_EQ(app.commands, 1);
}

TEST_F(DialogBaseTest, HelpAnswersWithTheHelpContextAndTheLibrarysAnswerWithoutOne) {
  Open();
  window.Fields().helpContextId = 0;
  EXPECT_EQ(window.SendMessage(WM_HELPHITTEST), 0);
  window.SendMessage(WM_COMMANDHELP);
  EXPECT_TRUE(app.helps.empty());
  window.Fields().helpContextId = 1;
  EXPECT_EQ(window.SendMessage(WM_HELPHITTEST), 1);
  EXPECT_EQ(window.SendMessage(WM_COMMANDHELP), 1);
  ASSERT_EQ(app.helps.size(), 1u);
  EXPECT_EQ(app.helps[0], std::make_pair(DWORD_PTR{1}, HELP_CONTEXT));
}

TEST_F(DialogBaseTest, InHelpModeCommandsAskForHelpUnlessTheApplicationFiltersThem) {
  Open();
  app.m_bHelpMode = TRUE;
  app.filtered = UnhandledCommand;
  window.SendMessage(WM_COMMAND, UnhandledCommand, 0);
  EXPECT_TRUE(app.helps.empty());
  window.SendMessage(WM_COMMAND, HandledCommand, 0);
  EXPECT_EQ(app.commands, 0);
  ASSERT_EQ(app.helps.size(), 1u);
  EXPECT_EQ(app.helps[0].first, GeneratedHelpContextId);
}

TEST_F(DialogBaseTest, FitsItselfToItsControlsOnRequest) {
  Open();
  RECT field{};
  ASSERT_TRUE(ControlRectInParent(window.m_hWnd, PlainId, field));
  EXPECT_EQ(SendPrivateMessage(window.m_hWnd, FitToContentCode, MAKELPARAM(3, 5)), 1);
  RECT client{};
  window.GetClientRect(&client);
  EXPECT_EQ(client.right, field.right + 3);
  EXPECT_EQ(client.bottom, field.bottom + 5);
  EXPECT_EQ(SendPrivateMessage(window.m_hWnd, PaneLookupCode, 0), 0);
}

}  // namespace
