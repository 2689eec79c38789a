// Shell calls in test runs and scripted sessions are recorded, printed, and never made.
#include <sstream>

#include "platform/win/cdialog.h"
#include "platform/win/cwinapp.h"
#include "platform/session/script_session.h"
#include "platform/services/shell_execute.h"
#include "tests/platform/support/window_fixture.h"
#include "tests/support/script_steps.h"

namespace {

using window_test::Item;

constexpr int WebId = 10;
constexpr int MailId = 11;
constexpr int ResultId = 20;

class LinkDialog : public CDialog {
 public:
  LinkDialog() : CDialog("LINKS", nullptr) {}

 protected:
  void OnCancel() override { DestroyWindow(); }
  void PostNcDestroy() override { delete this; }
  void Open(LPCSTR address) {
    const HINSTANCE result = ShellExecute(nullptr, nullptr, address, nullptr, nullptr, SW_SHOW);
    SetDlgItemText(ResultId, std::to_string(NumberFromHandle(result)).c_str());
  }
  afx_msg void OnWeb() { Open("https://example.org/s\xF8k side"); }
  afx_msg void OnMail() { Open("mailto:kontakt@example.org"); }
  DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(LinkDialog, CDialog)
ON_BN_CLICKED(WebId, OnWeb)
ON_BN_CLICKED(MailId, OnMail)
END_MESSAGE_MAP()

class LinkApp : public CWinApp {
 public:
  LinkApp() : CWinApp("Links") {}
  BOOL InitInstance() override {
    auto* links = new LinkDialog;
    if (!links->Create("LINKS")) {
      delete links;
      return FALSE;
    }
    m_pMainWnd = links;
    return TRUE;
  }
};

class ShellRecordingTest : public ::testing::Test {
 protected:
  ShellRecordingTest() {
    DialogTemplate links;
    links.style = WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | WS_VISIBLE;
    links.caption = "Links";
    links.cx = 120;
    links.cy = 50;
    links.items = {Item("BUTTON", "Web", WebId, WS_TABSTOP, 4, 4, 40, 14),
                   Item("BUTTON", "Mail", MailId, WS_TABSTOP, 50, 4, 40, 14),
                   Item("STATIC", "", ResultId, SS_LEFT, 4, 24, 100, 10)};
    Resources().AddDialog("LINKS", links);
  }
  ~ShellRecordingTest() override { Resources().Clear(); }
};

TEST_F(ShellRecordingTest, ADriverRecordsTheCallsAndTheyAllSucceed) {
  TestDriver driver;
  auto* links = new LinkDialog;
  ASSERT_TRUE(links->Create("LINKS"));
  driver.Pump();
  ASSERT_TRUE(driver.Click(WebId));
  ASSERT_TRUE(driver.Click(MailId));
  ASSERT_EQ(driver.ShellCalls().size(), 2u);
  EXPECT_EQ(driver.ShellCalls()[0].file, "https://example.org/s\xF8k side");
  EXPECT_EQ(driver.ShellCalls()[1].file, "mailto:kontakt@example.org");
  EXPECT_EQ(driver.ShellCalls()[1].verb, "");
  EXPECT_EQ(driver.ShellCalls()[1].show, SW_SHOW);
  EXPECT_EQ(driver.Text(ResultId), std::to_string(ShellExecuteSucceeded));
  links->DestroyWindow();
  driver.Pump();
}

TEST_F(ShellRecordingTest, AScriptedSessionPrintsEachCallInItsPlace) {
  LinkApp app;
  std::ostringstream out;
  {
    ScriptSession session(out);
    ASSERT_TRUE(session.LoadText(steps::Click(MailId) + steps::Text(ResultId) + steps::Click(WebId)));
    RunApplication(app);
    EXPECT_FALSE(session.Failed());
  }
  EXPECT_EQ(out.str(), "shell: open: mailto:kontakt@example.org\n" +
                           steps::TextLine(ResultId, std::to_string(ShellExecuteSucceeded)) +
                           "\nshell: open: https://example.org/s\xC3\xB8k side\n");
  EXPECT_TRUE(TopLevelWindows().empty());
}

}  // namespace
