#include <functional>

#include "tests/app/app_fixture.h"
#include "resources/launcher_form_ids.h"
#include "platform/win/dialog_manager.h"
#include "engine/globals.h"
#include "platform/win/menu.h"
#include "resources/menu_commands.h"
#include "app/launcher_form.h"
#include "runtime/private_message.h"
#include "platform/win/resources.h"
#include "resources/main_menu.h"
#include "resources/program_resources.h"
#include "resources/string_table.h"

namespace {

constexpr POINT StartupPointer{200, 200};

// A backend on which the pointer cannot be moved, as on desktops that refuse it.
class PointerRefusingBackend : public Backend {
 public:
  explicit PointerRefusingBackend(HeadlessBackend& headless) : headless_(headless) {}
  void WaitForInput() override { headless_.WaitForInput(); }
  void Present(HWND window, const Surface& pixels) override { headless_.Present(window, pixels); }
  void WindowDestroyed(HWND window) override { headless_.WindowDestroyed(window); }
  bool MoveCursor(POINT) override { return false; }
  void ShowCursorShape(HCURSOR cursor) override { headless_.ShowCursorShape(cursor); }
  SIZE ScreenSize() const override { return headless_.ScreenSize(); }

 private:
  HeadlessBackend& headless_;
};

// Keeps what the program had set up at the moment its main window was first shown.
class ShowRecordingFrame : public Cwm_MainWnd {
 public:
  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override {
    if (message == WM_SHOWWINDOW && wParam != 0 && !shown) {
      shown = true;
      languageAtShow = LanguageCode;
      startupToolAtShow = StartupTool;
      if (CWnd* form = Pane(FormPaneId))
        captionAtShow = GetWindowTextString(::GetDlgItem(form->m_hWnd, PeriodicTableCaptionId));
      pointerAtShow = {};
      ::GetCursorPos(&pointerAtShow);
    }
    return Cwm_MainWnd::WindowProc(message, wParam, lParam);
  }
  bool shown = false;
  int languageAtShow = 0;
  int startupToolAtShow = 0;
  std::string captionAtShow;
  POINT pointerAtShow{};
};

TEST_F(AppTest, TheFrameIsExactlyTheLauncherFormAndCannotBeResized) {
  ASSERT_TRUE(Start());
  CWnd* form = Frame()->Pane(FormPaneId);
  ASSERT_NE(form, nullptr);
  const SIZE expected = DialogPixelSize(*Resources().FindDialog(ClientTemplateName));
  RECT client{};
  Frame()->GetClientRect(&client);
  EXPECT_EQ(client.right, expected.cx);
  EXPECT_EQ(client.bottom, expected.cy);
  RECT formRect{};
  form->GetWindowRect(&formRect);
  Frame()->ScreenToClient(&formRect);
  EXPECT_TRUE(EqualRect(&formRect, &client));
  EXPECT_EQ(GetWindowTextString(Frame()->m_hWnd), "TAVRIN");
  EXPECT_EQ(Frame()->GetStyle() & (WS_THICKFRAME | WS_MAXIMIZEBOX), 0u);
  EXPECT_TRUE(Frame()->IsWindowVisible());
  EXPECT_EQ(std::string(app.m_pszHelpFilePath), "TAVRIN.HLP");
}

TEST_F(AppTest, SettingsAreReadAndTheLauncherArmedBeforeTheWindowIsShown) {
  folder.WriteSettings(SettingsText("44", "13"));
  auto* frame = new ShowRecordingFrame;  // deleted with its window
  ASSERT_TRUE(frame->CreateMainWindow(nullptr));
  EXPECT_TRUE(frame->shown);
  EXPECT_EQ(frame->languageAtShow, EnglishLanguage);
  EXPECT_EQ(frame->startupToolAtShow, 13);
  EXPECT_EQ(frame->captionAtShow, "   Periodic Table");
  EXPECT_EQ(frame->pointerAtShow.x, StartupPointer.x);
  EXPECT_EQ(frame->pointerAtShow.y, StartupPointer.y);
  EXPECT_TRUE(driver.MessageBoxes().empty());
}

// The launcher's first cursor message clicks the start-up tool's button; where the pointer cannot be
// moved over the form, the click comes once the main window is up. Either way only once.
TEST_F(AppTest, TheStartupToolOpensOnceAfterTheWindowIsShown) {
  for (bool pointerMoves : {true, false}) {
    SCOPED_TRACE(pointerMoves ? "pointer moved" : "pointer refused");
    PointerRefusingBackend refusing(driver.Backend());
    if (!pointerMoves) InstallBackend(&refusing);
    StartupClickPending = 1;
    // Each thermochemistry window that opens is counted and closed by the step its modal loop takes.
    int opened = 0;
    const auto countAndClose = [&] {
      if (driver.WindowTemplate() == std::optional<std::string>("TERMODYNAMIKK")) ++opened;
      driver.Key("Escape");
    };
    driver.Then(countAndClose);
    ASSERT_TRUE(Start("47", "10"));
    EXPECT_EQ(opened, 0);
    driver.Pump();
    EXPECT_EQ(opened, 1);
    driver.Then(countAndClose);
    EXPECT_TRUE(driver.Click(LogoId));
    EXPECT_TRUE(driver.Click(LogoId));
    driver.Pump();
    EXPECT_EQ(opened, 1);
    driver.ClearSteps();
    Stop();
    InstallBackend(&driver.Backend());
  }
}

TEST_F(AppTest, ThePointerMovesForEveryStartupToolEvenOneThatOpensNothing) {
  struct Case {
    const char* tool;
    bool moved;
  };
  for (const Case& example : {Case{"0", false}, Case{"6", true}, Case{"14", true}, Case{"-2", true}}) {
    ::SetCursorPos(5, 5);
    ASSERT_TRUE(Start("47", example.tool));
    POINT pointer{};
    ::GetCursorPos(&pointer);
    EXPECT_EQ(pointer.x == StartupPointer.x && pointer.y == StartupPointer.y, example.moved) << example.tool;
    driver.Pump();
    EXPECT_TRUE(driver.MessageBoxes().empty()) << example.tool;
    Stop();
  }
}

TEST_F(AppTest, TheControlsLibraryIsNeverLoadedOnThisPlatformVersion) {
  ASSERT_TRUE(Start());
  EXPECT_EQ(app.Ctl3dLibrary(), nullptr);
  EXPECT_EQ(app.SubclassCtl3d(Frame()->Pane(FormPaneId)), FALSE);
  EXPECT_EQ(app.FilterHelpModeCommand(ExitCommand), FALSE);
  app.ExitInstance();
  EXPECT_EQ(app.Ctl3dLibrary(), nullptr);
}

TEST_F(AppTest, TheMenuIsResourceTwoWithNoItemForTheDatabase) {
  ASSERT_TRUE(Start());
  const HMENU bar = ::GetMenu(Frame()->m_hWnd);
  std::vector<std::string> shown;
  for (int top = 0; top < GetMenuItemCount(bar); ++top) {
    char text[64] = {};
    GetMenuString(bar, static_cast<UINT>(top), text, sizeof text, MF_BYPOSITION);
    std::string line = std::string(text) + ":";
    const HMENU popup = GetSubMenu(bar, top);
    for (int item = 0; item < GetMenuItemCount(popup); ++item) {
      const UINT id = GetMenuItemID(popup, item);
      GetMenuString(popup, static_cast<UINT>(item), text, sizeof text, MF_BYPOSITION);
      line += id == 0 ? std::string(" -") : " " + std::to_string(id) + " " + text;
    }
    shown.push_back(line);
  }
  const std::vector<std::string> expected = {
      "File: 4000 Setup - 4001 Exit",
      "Calculate: 4002 Molecular Calculator 4003 Balance 4004 Thermochemistry 4005 Electrochemistry 4006 "
      "Solubility Product 4007 Weak acid/base",
      "Analyse: 4008 Spectroscopy",
      "Plot: 4009 Curve Fit",
      "Search: 4011 Dictionary",
      "Table: 4012 Periodic Table 4013 Indicators 4014 Conversion",
      "Information: 4015 About TAVRIN",
  };
  EXPECT_EQ(shown, expected);
  std::string opened;
  driver.Then([&] {
    opened = driver.WindowTemplate().value_or("");
    driver.Key("Escape");
  });
  Frame()->SendMessage(WM_COMMAND, ChemicalsDatabaseCommand, 0);
  EXPECT_EQ(opened, "KJEMIKALIEDATABASE");
}

TEST_F(AppTest, ExitWithoutAWindowDoesNothingAndWithTheFrameEndsTheProgram) {
  EXPECT_TRUE(app.OnCmdMsg(ExitCommand, CN_COMMAND, nullptr, nullptr));
  ASSERT_TRUE(Start());
  const HWND frame = Frame()->m_hWnd;
  Frame()->SendMessage(WM_COMMAND, ExitCommand, 0);
  EXPECT_FALSE(::IsWindow(frame));
  EXPECT_EQ(app.m_pMainWnd, nullptr);
  bool quit = false;
  for (MSG message; PeekMessage(&message, nullptr, 0, 0, PM_REMOVE);) quit = quit || message.message == WM_QUIT;
  EXPECT_TRUE(quit);
}

TEST_F(AppTest, TheFrameRegistersOnlyItsFivePanesAndForgetsTheDestroyedForm) {
  ASSERT_TRUE(Start());
  const HWND frame = Frame()->m_hWnd;
  CWnd* form = Frame()->Pane(FormPaneId);
  EXPECT_EQ(reinterpret_cast<CWnd*>(SendPrivateMessage(frame, PaneLookupCode, FormPaneId)), form);
  EXPECT_EQ(reinterpret_cast<CWnd*>(SendPrivateMessage(frame, PaneLookupCode, 0x10000)), form);
  PaneRecord stray{form, 0x1234};
  EXPECT_EQ(SendPrivateMessage(frame, PaneRegisterCode, reinterpret_cast<LPARAM>(&stray)), 0);
  EXPECT_EQ(SendPrivateMessage(frame, PaneLookupCode, 0x1234), 0);
  PaneRecord topBar{form, TopBarPaneId};
  SendPrivateMessage(frame, PaneRegisterCode, reinterpret_cast<LPARAM>(&topBar));
  EXPECT_EQ(reinterpret_cast<CWnd*>(SendPrivateMessage(frame, PaneLookupCode, TopBarPaneId)), form);
  topBar.pane = nullptr;
  SendPrivateMessage(frame, PaneRegisterCode, reinterpret_cast<LPARAM>(&topBar));
  for (WPARAM code : {FitToContentCode, LoadAcceleratorsCode, NoEffectCode, RegistryQueryCode}) {
    EXPECT_EQ(SendPrivateMessage(frame, static_cast<PrivateMessageCode>(code), 0), 0) << code;
  }
  form->DestroyWindow();
  EXPECT_EQ(SendPrivateMessage(frame, PaneLookupCode, FormPaneId), 0);
  EXPECT_TRUE(::IsWindow(frame));
}

// A form is made only inside a frame, and a new form takes the place of the frame's old one.
TEST_F(AppTest, AFormNeedsAFrameAndANewFormReplacesTheOldOne) {
  EXPECT_EQ(CreateClientForm(nullptr), nullptr);
  EXPECT_EQ(BoxesSaying("Cannot create dialog box  CLIENT"), 1);
  EXPECT_TRUE(TopLevelWindows().empty());

  ASSERT_TRUE(Start());
  const HWND first = Frame()->Pane(FormPaneId)->m_hWnd;
  RECT before{};
  Frame()->GetClientRect(&before);
  Cwm_NONAMEClientDlg* second = CreateClientForm(Frame());
  ASSERT_NE(second, nullptr);
  EXPECT_FALSE(::IsWindow(first));
  EXPECT_EQ(Frame()->Pane(FormPaneId), second);
  RECT after{};
  Frame()->GetClientRect(&after);
  EXPECT_TRUE(EqualRect(&before, &after));
  EXPECT_EQ(BoxesSaying("Cannot create dialog box  CLIENT"), 1);
}

TEST_F(AppTest, AFrameThatCannotBeMadeIsReportedAndEndsTheStart) {
  Resources().Clear();
  for (auto& [id, text] : StringTable()) Resources().AddString(id, text);
  EXPECT_FALSE(app.InitInstance());
  ASSERT_EQ(driver.MessageBoxes().size(), 1u);
  EXPECT_EQ(driver.MessageBoxes()[0].text, "Cannot create window  Main");
  EXPECT_EQ(driver.MessageBoxes()[0].type, static_cast<UINT>(MB_ICONINFORMATION));
  EXPECT_TRUE(TopLevelWindows().empty());
  EXPECT_EQ(app.ExitInstance(), 1);
}

// A form whose template is missing, or whose window is destroyed again while it is being made
// (a control that cannot be made), leaves the frame up with an empty client area.
TEST_F(AppTest, AFormThatCannotBeMadeIsReportedAndTheFrameStays) {
  const std::function<void()> breakings[] = {
      [] {
        Resources().Clear();
        Resources().AddMenu(MainMenuId, MainMenu());
        for (auto& [id, text] : StringTable()) Resources().AddString(id, text);
      },
      [] {
        RegisterProgramResources();
        DialogTemplate broken = *Resources().FindDialog(ClientTemplateName);
        DialogItemTemplate stray;
        stray.className = "NOSUCHCLASS";
        broken.items.push_back(stray);
        Resources().AddDialog(ClientTemplateName, broken);
      },
  };
  int reported = 0;
  for (const auto& breakTemplate : breakings) {
    breakTemplate();
    ASSERT_TRUE(Start());
    EXPECT_EQ(BoxesSaying("Cannot create dialog box  CLIENT"), ++reported);
    EXPECT_EQ(driver.MessageBoxes().back().type, static_cast<UINT>(MB_ICONHAND));
    EXPECT_EQ(Frame()->Pane(FormPaneId), nullptr);
    EXPECT_TRUE(Frame()->IsWindowVisible());
    Stop();
  }
}

}  // namespace
