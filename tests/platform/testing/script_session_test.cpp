#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <sstream>

#include "platform/win/cdialog.h"
#include "platform/win/cwinapp.h"
#include "platform/session/script_session.h"
#include "tests/platform/support/window_fixture.h"

namespace {

using window_test::Item;

constexpr int kField = 10;
constexpr int kInnerField = 11;
constexpr int kCopy = 20;
constexpr int kResult = 30;
constexpr int kHeavy = 40;
constexpr int kAsk = 50;
constexpr int kMore = 60;
constexpr int kPicture = 70;
constexpr int kList = 80;

class MoreDialog : public CDialog {
 public:
  explicit MoreDialog(CWnd* parent) : CDialog("MORE", parent) {}
  std::string text;
  void OnOK() override {
    GetDlgItem(kInnerField)->GetWindowText(text);
    CDialog::OnOK();
  }
};

// The demo's main window: a modeless dialog that deletes itself when it is destroyed.
class DemoDialog : public CDialog {
 public:
  DemoDialog() : CDialog("DEMO", nullptr) {}

 protected:
  void OnCancel() override { DestroyWindow(); }
  void PostNcDestroy() override { delete this; }
  afx_msg void OnCopy() {
    std::string text;
    GetDlgItem(kField)->GetWindowText(text);
    SetDlgItemText(kResult, text.c_str());
  }
  afx_msg void OnAsk() {
    const int answer = MessageBox("QUESTION\n\nGo on?", "TAVRIN", MB_YESNO | MB_ICONQUESTION);
    SetDlgItemText(kResult, answer == IDYES ? "yes" : "no");
  }
  afx_msg void OnMore() {
    MoreDialog more(this);
    if (more.DoModal() == IDOK) SetDlgItemText(kResult, more.text.c_str());
  }
  afx_msg void OnPicture() { SetDlgItemText(kResult, "double"); }
  afx_msg void OnChoice() { SetDlgItemText(kResult, std::to_string(SendDlgItemMessage(kList, LB_GETCURSEL)).c_str()); }
  BOOL OnInitDialog() override {
    SendDlgItemMessage(kList, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>("H2O"));
    SendDlgItemMessage(kList, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>("NaCl"));
    return CDialog::OnInitDialog();
  }
  DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(DemoDialog, CDialog)
ON_BN_CLICKED(kCopy, OnCopy)
ON_BN_CLICKED(kAsk, OnAsk)
ON_BN_CLICKED(kMore, OnMore)
ON_BN_DOUBLECLICKED(kPicture, OnPicture)
ON_CONTROL(LBN_SELCHANGE, kList, OnChoice)
END_MESSAGE_MAP()

class DemoApp : public CWinApp {
 public:
  DemoApp() : CWinApp("Demo") {}
  BOOL InitInstance() override {
    auto* demo = new DemoDialog;
    if (!demo->Create("DEMO")) {
      delete demo;
      return FALSE;
    }
    m_pMainWnd = demo;
    return TRUE;
  }
};

void RegisterDemo() {
  DialogTemplate demo;
  demo.style = WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | WS_VISIBLE;
  demo.caption = "Demo";
  demo.cx = 200;
  demo.cy = 90;
  demo.items = {
      Item("EDIT", "", kField, WS_TABSTOP | WS_BORDER | ES_AUTOHSCROLL, 4, 4, 80, 12),
      Item("BUTTON", "Copy", kCopy, BS_DEFPUSHBUTTON | WS_TABSTOP, 90, 4, 40, 14),
      Item("STATIC", "", kResult, SS_LEFT, 4, 22, 120, 10),
      Item("BUTTON", "Heavy", kHeavy, BS_AUTOCHECKBOX | WS_TABSTOP, 4, 36, 60, 12),
      Item("BUTTON", "Ask", kAsk, WS_TABSTOP, 90, 36, 40, 14),
      Item("BUTTON", "More", kMore, WS_TABSTOP, 140, 36, 40, 14),
      Item("BUTTON", "", kPicture, BS_OWNERDRAW, 4, 54, 30, 20),
      Item("LISTBOX", "", kList, WS_TABSTOP | WS_BORDER | LBS_NOTIFY, 90, 54, 60, 30),
  };
  Resources().AddDialog("DEMO", demo);
  DialogTemplate more;
  more.style = WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME;
  more.caption = "More";
  more.x = 20;
  more.y = 20;
  more.cx = 120;
  more.cy = 40;
  more.items = {Item("EDIT", "", kInnerField, WS_TABSTOP | WS_BORDER | ES_AUTOHSCROLL, 4, 4, 60, 12),
                Item("BUTTON", "OK", IDOK, BS_DEFPUSHBUTTON | WS_TABSTOP, 70, 4, 40, 14),
                Item("BUTTON", "Cancel", IDCANCEL, WS_TABSTOP, 70, 20, 40, 14)};
  Resources().AddDialog("MORE", more);
}

constexpr int kSalt = 90;
constexpr int kHazard = 91;
constexpr int kNotes = 92;

// A window whose salt list is read afresh each time it drops down, keeping what was typed, and
// which shows the salt chosen.
class SaltDialog : public CDialog {
 public:
  SaltDialog() : CDialog("SALTS", nullptr) {}

 protected:
  void OnCancel() override { DestroyWindow(); }
  void PostNcDestroy() override { delete this; }
  BOOL OnInitDialog() override {
    for (const char* hazard : {"T+", "Xn", "C"})
      SendDlgItemMessage(kHazard, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(hazard));
    return CDialog::OnInitDialog();
  }
  afx_msg void OnDropDown() {
    std::string typed;
    GetDlgItem(kSalt)->GetWindowText(typed);
    SendDlgItemMessage(kSalt, CB_RESETCONTENT);
    for (const char* salt : {"AgCl", "PbI2", "BaSO4"})
      SendDlgItemMessage(kSalt, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(salt));
    SetDlgItemText(kSalt, typed.c_str());
  }
  afx_msg void OnSalt() {
    const auto index = SendDlgItemMessage(kSalt, CB_GETCURSEL);
    char salt[16] = {};
    SendDlgItemMessage(kSalt, CB_GETLBTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(salt));
    SetDlgItemText(kResult, salt);
  }
  DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(SaltDialog, CDialog)
ON_CONTROL(CBN_DROPDOWN, kSalt, OnDropDown)
ON_CONTROL(CBN_SELCHANGE, kSalt, OnSalt)
END_MESSAGE_MAP()

class SaltApp : public CWinApp {
 public:
  SaltApp() : CWinApp("Salts") {}
  BOOL InitInstance() override {
    auto* salts = new SaltDialog;
    if (!salts->Create("SALTS")) {
      delete salts;
      return FALSE;
    }
    m_pMainWnd = salts;
    return TRUE;
  }
};

void RegisterSalts() {
  DialogTemplate salts;
  salts.style = WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | WS_VISIBLE;
  salts.caption = "Salts";
  salts.cx = 200;
  salts.cy = 120;
  salts.items = {
      Item("COMBOBOX", "", kSalt, WS_TABSTOP | CBS_DROPDOWN | WS_VSCROLL, 4, 4, 80, 60),
      Item("COMBOBOX", "", kHazard, WS_TABSTOP | CBS_DROPDOWNLIST, 90, 4, 60, 60),
      Item("STATIC", "", kResult, SS_LEFT, 4, 24, 80, 10),
      Item("EDIT", "", kNotes, WS_TABSTOP | WS_BORDER | ES_MULTILINE | ES_WANTRETURN | WS_VSCROLL, 4, 40, 120, 40),
  };
  Resources().AddDialog("SALTS", salts);
}

class ScriptTest : public ::testing::Test {
 protected:
  ScriptTest() {
    RegisterDemo();
    folder = std::filesystem::temp_directory_path() /
             (std::string("tavrin-script-") + ::testing::UnitTest::GetInstance()->current_test_info()->name());
    std::filesystem::create_directories(folder);
  }
  ~ScriptTest() override {
    Resources().Clear();
    std::filesystem::remove_all(folder);
  }

  std::filesystem::path folder;
};

TEST_F(ScriptTest, ASessionTypesClicksAnswersAndReadsBackThroughTheProgramsEntry) {
  const std::filesystem::path picture = folder / "demo.png";
  const std::filesystem::path script = folder / "demo.script";
  std::ofstream(script) << "# a session of the demo\n"
                           "window\n"
                           "type 10 Natrium\n"
                           "key Enter\n"
                           "text 30\n"
                           "checked 40\n"
                           "click 40\n"
                           "checked 40\n"
                           "answer yes\n"
                           "click 50\n"
                           "text 30\n"
                           "click 50\n"
                           "text 30\n"
                           "click 60\n"
                           "window\n"
                           "type 11 Kalium \xC3\xA6\n"
                           "key Enter\n"
                           "window\n"
                           "text 30\n"
                           "dblclick 70\n"
                           "text 30\n"
                           "items 80\n"
                           "select 80 1\n"
                           "text 30\n"
                           "snapshot " +
                               picture.string() +
                               "\n"
                               "exit\n"
                               "click 20\n";
  DemoApp app;
  setenv("TAVRIN_SCRIPT", script.c_str(), 1);
  std::ostringstream captured;
  std::streambuf* previous = std::cout.rdbuf(captured.rdbuf());
  const int code = AfxWinMain();
  std::cout.rdbuf(previous);
  unsetenv("TAVRIN_SCRIPT");
  EXPECT_EQ(code, 0);
  EXPECT_EQ(captured.str(),
            "window: Demo: DEMO\n"
            "text 30: Natrium\n"
            "checked 40: 0\n"
            "checked 40: 1\n"
            "messagebox: TAVRIN: QUESTION\\n\\nGo on?\n"
            "text 30: yes\n"
            "messagebox: TAVRIN: QUESTION\\n\\nGo on?\n"
            "text 30: no\n"
            "window: More: MORE\n"
            "window: Demo: DEMO\n"
            "text 30: Kalium \xC3\xA6\n"
            "text 30: double\n"
            "items 80: H2O\\tNaCl\n"
            "text 30: 1\n");
  EXPECT_TRUE(std::filesystem::exists(picture));
  EXPECT_TRUE(TopLevelWindows().empty());
}

TEST_F(ScriptTest, AStepThatCannotBeDoneStopsTheSessionWithAnError) {
  struct Case {
    const char* script;
    const char* output;
  };
  const Case cases[] = {
      // Controls are looked up in the active window: here the modal one.
      {"click 60\nselect 80 5\ntext 30\n", "error: line 2: no control 80 in the active window\n"},
      {"select 80 5\ntext 30\n", "error: line 1: control 80 has no item 5\n"},
      {"items 20\n", "error: line 1: control 20 is not a list\n"},
      {"answer cancel\nclick 50\ntext 30\n",
       "messagebox: TAVRIN: QUESTION\\n\\nGo on?\nerror: the message box \"TAVRIN\" has no button for the answer "
       "given\n"},
  };
  for (const Case& test : cases) {
    DemoApp app;
    std::ostringstream out;
    {
      ScriptSession session(out);
      ASSERT_TRUE(session.LoadText(test.script));
      RunApplication(app);
      EXPECT_TRUE(session.Failed()) << test.script;
    }
    EXPECT_EQ(out.str(), test.output) << test.script;
    EXPECT_TRUE(TopLevelWindows().empty());
  }
}

TEST_F(ScriptTest, AScriptWithALineThatIsNoStepDoesNotRun) {
  struct Case {
    const char* script;
    const char* error;
  };
  const Case cases[] = {
      {"window\njump 4\n", "error: line 2: no step called `jump`\n"},
      {"click x\n", "error: line 1: `click ID` expected\n"},
      {"answer maybe\n", "error: line 1: `answer ok|yes|no|cancel` expected\n"},
      {"type 10 \xE2\x82\xAC\xF0\x9F\x98\x80\n",
       "error: line 1: the text is not UTF-8 or has a character outside Windows-1252\n"},
  };
  for (const Case& test : cases) {
    std::ostringstream out;
    ScriptSession session(out);
    EXPECT_FALSE(session.LoadText(test.script));
    EXPECT_TRUE(session.Failed());
    EXPECT_EQ(out.str(), test.error);
  }
}

TEST_F(ScriptTest, ValuesWithLineBreaksAndTabsStayOnOneLine) {
  DemoApp app;
  std::ostringstream out;
  ScriptSession session(out);
  ASSERT_TRUE(session.LoadText("text 30\n"));
  ASSERT_TRUE(app.InitInstance());
  SetDlgItemText(app.m_pMainWnd->m_hWnd, kResult, "a\r\nb\nc\td");
  app.Run();
  EXPECT_EQ(out.str(), "text 30: a\\nb\\nc\\td\n");
}

TEST_F(ScriptTest, ASessionTypesIntoAndChoosesFromTheRealListsAndFields) {
  RegisterSalts();
  SaltApp app;
  std::ostringstream out;
  {
    ScriptSession session(out);
    ASSERT_TRUE(
        session.LoadText("items 90\n"
                         "type 90 NaCl\n"
                         "text 90\n"
                         "select 90 1\n"
                         "text 90\n"
                         "text 30\n"
                         "items 90\n"
                         "select 91 2\n"
                         "text 91\n"
                         "type 92 Kalium\n"
                         "key Enter\n"
                         "key Backspace\n"
                         "key Enter\n"
                         "text 92\n"
                         "select 91 7\n"
                         "text 30\n"));
    RunApplication(app);
    EXPECT_TRUE(session.Failed());
  }
  EXPECT_EQ(out.str(),
            "items 90: \n"
            "text 90: NaCl\n"
            "text 90: PbI2\n"
            "text 30: PbI2\n"
            "items 90: AgCl\\tPbI2\\tBaSO4\n"
            "text 91: C\n"
            "text 92: Kalium\\n\n"
            "error: line 15: control 91 has no item 7\n");
  EXPECT_TRUE(TopLevelWindows().empty());
}

}  // namespace
