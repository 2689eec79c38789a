#include "runtime/dialog_openers.h"
#include "tests/runtime/runtime_fixture.h"
#include "runtime/sim_modal_dlg.h"

namespace {

using runtime_test::RuntimeTest;

class ToolWindow : public CSimModelessDlg {
 public:
  ToolWindow() { ++alive; }
  ~ToolWindow() override { --alive; }
  BOOL OnInitDialog() override {
    ++opened;
    return CSimModelessDlg::OnInitDialog();
  }
  static inline int alive = 0;
  static inline int opened = 0;
};

ModelessInstance<ToolWindow> OpenTool;

class DialogOpenerTest : public RuntimeTest {
 protected:
  DialogOpenerTest() {
    ToolWindow::alive = 0;
    ToolWindow::opened = 0;
    DialogTemplate dialog;
    dialog.style = WS_POPUP | WS_CAPTION;
    dialog.caption = "Tool";
    dialog.cx = 60;
    dialog.cy = 30;
    dialog.items.push_back(window_test::Item("BUTTON", "Close", IDCANCEL, BS_PUSHBUTTON, 4, 4, 30, 12));
    Resources().AddDialog("TOOL", dialog);
    DialogTemplate broken = dialog;
    broken.items.push_back(window_test::Item("NOSUCHCLASS", "", 40, 0, 4, 18, 30, 8));
    Resources().AddDialog("BROKEN", broken);
  }
};

TEST_F(DialogOpenerTest, AModalDialogWithoutATemplateIsReportedByName) {
  EXPECT_EQ(OpenModalDialog<CSimModalDlg>("NOTEMPLATE", nullptr), -1);
  ASSERT_EQ(driver.MessageBoxes().size(), 1u);
  EXPECT_EQ(driver.MessageBoxes()[0].text, "Cannot create dialog box  NOTEMPLATE");
  EXPECT_EQ(driver.MessageBoxes()[0].caption, "TAVRIN");
  EXPECT_EQ(driver.MessageBoxes()[0].type, static_cast<UINT>(MB_ICONHAND));
}

TEST_F(DialogOpenerTest, AModalDialogRunsUntilItIsClosed) {
  driver.Then([&] { driver.Key("Escape"); });
  EXPECT_EQ(OpenModalDialog<CSimModalDlg>("TOOL", nullptr), IDCANCEL);
  EXPECT_TRUE(driver.MessageBoxes().empty());
  EXPECT_TRUE(TopLevelWindows().empty());
}

TEST_F(DialogOpenerTest, AnOpenModelessWindowIsBroughtForwardNotMadeAgain) {
  ToolWindow* first = ShowModelessWindow(OpenTool, "TOOL", nullptr);
  ASSERT_NE(first, nullptr);
  EXPECT_TRUE(first->IsWindowVisible());
  EXPECT_EQ(ShowModelessWindow(OpenTool, "TOOL", nullptr), first);
  EXPECT_EQ(ToolWindow::alive, 1);
  EXPECT_EQ(ToolWindow::opened, 1);
  EXPECT_EQ(TopLevelWindows().size(), 1u);
  first->DestroyWindow();
}

TEST_F(DialogOpenerTest, AClosedModelessWindowIsDeletedAndTheNextOpeningMakesANewOne) {
  ToolWindow* first = ShowModelessWindow(OpenTool, "TOOL", nullptr);
  ASSERT_NE(first, nullptr);
  first->SendMessage(WM_COMMAND, IDCANCEL, 0);
  EXPECT_EQ(ToolWindow::alive, 0);
  EXPECT_EQ(OpenTool.Get(), nullptr);
  ToolWindow* second = ShowModelessWindow(OpenTool, "TOOL", nullptr);
  ASSERT_NE(second, nullptr);
  EXPECT_EQ(ToolWindow::opened, 2);
  second->OnOK();
  EXPECT_EQ(ToolWindow::alive, 0);
  EXPECT_EQ(OpenTool.Get(), nullptr);
}

// The window is made and destroyed again when one of its controls cannot be made: the object must
// go with it, and the instance must not keep naming it.
TEST_F(DialogOpenerTest, AModelessWindowThatCannotBeMadeLeavesNothingBehind) {
  for (const char* name : {"BROKEN", "NOTEMPLATE"}) {
    EXPECT_EQ(ShowModelessWindow(OpenTool, name, nullptr), nullptr) << name;
    EXPECT_EQ(OpenTool.Get(), nullptr) << name;
    EXPECT_EQ(ToolWindow::alive, 0) << name;
    EXPECT_EQ(driver.MessageBoxes().back().text, std::string("Cannot create dialog box  ") + name);
  }
  EXPECT_TRUE(TopLevelWindows().empty());
  ToolWindow* working = ShowModelessWindow(OpenTool, "TOOL", nullptr);
  ASSERT_NE(working, nullptr);
  working->DestroyWindow();
  EXPECT_EQ(ToolWindow::alive, 0);
}

}  // namespace
