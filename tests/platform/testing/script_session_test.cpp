#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <sstream>

#include "platform/win/cdialog.h"
#include "platform/win/cwinapp.h"
#include "platform/session/script_session.h"
#include "tests/platform/support/window_fixture.h"
#include "tests/support/script_steps.h"

namespace {

using namespace steps;
using window_test::Item;

constexpr int FieldId = 10;
constexpr int InnerFieldId = 11;
constexpr int CopyId = 20;
constexpr int ResultId = 30;
constexpr int HeavyId = 40;
constexpr int AskId = 50;
constexpr int MoreId = 60;
constexpr int PictureId = 70;
constexpr int ListId = 80;

class MoreDialog : public CDialog {
 public:
  explicit MoreDialog(CWnd* parent) : CDialog("MORE", parent) {}
  std::string text;
  void OnOK() override {
    GetDlgItem(InnerFieldId)->GetWindowText(text);
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
    GetDlgItem(FieldId)->GetWindowText(text);
    SetDlgItemText(ResultId, text.c_str());
  }
  afx_msg void OnAsk() {
    const int answer = MessageBox("QUESTION\n\nGo on?", "TAVRIN", MB_YESNO | MB_ICONQUESTION);
    SetDlgItemText(ResultId, answer == IDYES ? "yes" : "no");
  }
  afx_msg void OnMore() {
    MoreDialog more(this);
    if (more.DoModal() == IDOK) SetDlgItemText(ResultId, more.text.c_str());
  }
  afx_msg void OnPicture() { SetDlgItemText(ResultId, "double"); }
  afx_msg void OnChoice() {
    SetDlgItemText(ResultId, std::to_string(SendDlgItemMessage(ListId, LB_GETCURSEL)).c_str());
  }
  BOOL OnInitDialog() override {
    SendDlgItemMessage(ListId, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>("H2O"));
    SendDlgItemMessage(ListId, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>("NaCl"));
    return CDialog::OnInitDialog();
  }
  DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(DemoDialog, CDialog)
ON_BN_CLICKED(CopyId, OnCopy)
ON_BN_CLICKED(AskId, OnAsk)
ON_BN_CLICKED(MoreId, OnMore)
ON_BN_DOUBLECLICKED(PictureId, OnPicture)
ON_CONTROL(LBN_SELCHANGE, ListId, OnChoice)
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
      Item("EDIT", "", FieldId, WS_TABSTOP | WS_BORDER | ES_AUTOHSCROLL, 4, 4, 80, 12),
      Item("BUTTON", "Copy", CopyId, BS_DEFPUSHBUTTON | WS_TABSTOP, 90, 4, 40, 14),
      Item("STATIC", "", ResultId, SS_LEFT, 4, 22, 120, 10),
      Item("BUTTON", "Heavy", HeavyId, BS_AUTOCHECKBOX | WS_TABSTOP, 4, 36, 60, 12),
      Item("BUTTON", "Ask", AskId, WS_TABSTOP, 90, 36, 40, 14),
      Item("BUTTON", "More", MoreId, WS_TABSTOP, 140, 36, 40, 14),
      Item("BUTTON", "", PictureId, BS_OWNERDRAW, 4, 54, 30, 20),
      Item("LISTBOX", "", ListId, WS_TABSTOP | WS_BORDER | LBS_NOTIFY, 90, 54, 60, 30),
  };
  Resources().AddDialog("DEMO", demo);
  DialogTemplate more;
  more.style = WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME;
  more.caption = "More";
  more.x = 20;
  more.y = 20;
  more.cx = 120;
  more.cy = 40;
  more.items = {Item("EDIT", "", InnerFieldId, WS_TABSTOP | WS_BORDER | ES_AUTOHSCROLL, 4, 4, 60, 12),
                Item("BUTTON", "OK", IDOK, BS_DEFPUSHBUTTON | WS_TABSTOP, 70, 4, 40, 14),
                Item("BUTTON", "Cancel", IDCANCEL, WS_TABSTOP, 70, 20, 40, 14)};
  Resources().AddDialog("MORE", more);
}

constexpr int SaltId = 90;
constexpr int HazardId = 91;
constexpr int NotesId = 92;

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
      SendDlgItemMessage(HazardId, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(hazard));
    return CDialog::OnInitDialog();
  }
  afx_msg void OnDropDown() {
    std::string typed;
    GetDlgItem(SaltId)->GetWindowText(typed);
    SendDlgItemMessage(SaltId, CB_RESETCONTENT);
    for (const char* salt : {"AgCl", "PbI2", "BaSO4"})
      SendDlgItemMessage(SaltId, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(salt));
    SetDlgItemText(SaltId, typed.c_str());
  }
  afx_msg void OnSalt() {
    const auto index = SendDlgItemMessage(SaltId, CB_GETCURSEL);
    char salt[16] = {};
    SendDlgItemMessage(SaltId, CB_GETLBTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(salt));
    SetDlgItemText(ResultId, salt);
  }
  DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(SaltDialog, CDialog)
ON_CONTROL(CBN_DROPDOWN, SaltId, OnDropDown)
ON_CONTROL(CBN_SELCHANGE, SaltId, OnSalt)
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
      Item("COMBOBOX", "", SaltId, WS_TABSTOP | CBS_DROPDOWN | WS_VSCROLL, 4, 4, 80, 60),
      Item("COMBOBOX", "", HazardId, WS_TABSTOP | CBS_DROPDOWNLIST, 90, 4, 60, 60),
      Item("STATIC", "", ResultId, SS_LEFT, 4, 24, 80, 10),
      Item("EDIT", "", NotesId, WS_TABSTOP | WS_BORDER | ES_MULTILINE | ES_WANTRETURN | WS_VSCROLL, 4, 40, 120, 40),
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
  std::ofstream(script) << "# a session of the demo\nwindow\n" + Type(FieldId, "Natrium") + "key Enter\n" +
                               Text(ResultId) + Checked(HeavyId) + Click(HeavyId) + Checked(HeavyId) + "answer yes\n" +
                               Click(AskId) + Text(ResultId) + Click(AskId) + Text(ResultId) + Click(MoreId) +
                               "window\n" + Type(InnerFieldId, "Kalium \xC3\xA6") + "key Enter\nwindow\n" +
                               Text(ResultId) + DoubleClick(PictureId) + Text(ResultId) + Items(ListId) +
                               Select(ListId, 1) + Text(ResultId) + "snapshot " + picture.string() + "\nexit\n" +
                               Click(CopyId);
  DemoApp app;
  setenv("TAVRIN_SCRIPT", script.c_str(), 1);
  std::ostringstream captured;
  std::streambuf* previous = std::cout.rdbuf(captured.rdbuf());
  const int code = AfxWinMain();
  std::cout.rdbuf(previous);
  unsetenv("TAVRIN_SCRIPT");
  EXPECT_EQ(code, 0);
  const std::string question = "messagebox: TAVRIN: QUESTION\\n\\nGo on?\n";
  EXPECT_EQ(captured.str(), "window: Demo: DEMO\n" + TextLine(ResultId, "Natrium\n") + CheckedLine(HeavyId, "0\n") +
                                CheckedLine(HeavyId, "1\n") + question + TextLine(ResultId, "yes\n") + question +
                                TextLine(ResultId, "no\n") + "window: More: MORE\nwindow: Demo: DEMO\n" +
                                TextLine(ResultId, "Kalium \xC3\xA6\n") + TextLine(ResultId, "double\n") +
                                ItemsLine(ListId, "H2O\\tNaCl\n") + TextLine(ResultId, "1\n"));
  EXPECT_TRUE(std::filesystem::exists(picture));
  EXPECT_TRUE(TopLevelWindows().empty());
}

TEST_F(ScriptTest, AStepThatCannotBeDoneStopsTheSessionWithAnError) {
  struct Case {
    std::string script;
    std::string output;
  };
  const std::string list = std::to_string(ListId);
  const Case cases[] = {
      // Controls are looked up in the active window: here the modal one.
      {Click(MoreId) + Select(ListId, 5) + Text(ResultId),
       "error: line 2: no control " + list + " in the active window\n"},
      {Select(ListId, 5) + Text(ResultId), "error: line 1: control " + list + " has no item 5\n"},
      {Items(CopyId), "error: line 1: control " + std::to_string(CopyId) + " is not a list\n"},
      {"answer cancel\n" + Click(AskId) + Text(ResultId),
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
    std::string script;
    const char* error;
  };
  const Case cases[] = {
      {"window\njump 4\n", "error: line 2: no step called `jump`\n"},
      {"click x\n", "error: line 1: `click ID` expected\n"},
      {"answer maybe\n", "error: line 1: `answer ok|yes|no|cancel` expected\n"},
      {Type(FieldId, "\xE2\x82\xAC\xF0\x9F\x98\x80"),
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
  ASSERT_TRUE(session.LoadText(Text(ResultId)));
  ASSERT_TRUE(app.InitInstance());
  SetDlgItemText(app.m_pMainWnd->m_hWnd, ResultId, "a\r\nb\nc\td");
  app.Run();
  EXPECT_EQ(out.str(), TextLine(ResultId, "a\\nb\\nc\\td\n"));
}

TEST_F(ScriptTest, ASessionTypesIntoAndChoosesFromTheRealListsAndFields) {
  RegisterSalts();
  SaltApp app;
  std::ostringstream out;
  {
    ScriptSession session(out);
    ASSERT_TRUE(session.LoadText(Items(SaltId) + Type(SaltId, "NaCl") + Text(SaltId) + Select(SaltId, 1) +
                                 Text(SaltId) + Text(ResultId) + Items(SaltId) + Select(HazardId, 2) + Text(HazardId) +
                                 Type(NotesId, "Kalium") + "key Enter\nkey Backspace\nkey Enter\n" + Text(NotesId) +
                                 Select(HazardId, 7) + Text(ResultId)));
    RunApplication(app);
    EXPECT_TRUE(session.Failed());
  }
  EXPECT_EQ(out.str(), ItemsLine(SaltId, "\n") + TextLine(SaltId, "NaCl\n") + TextLine(SaltId, "PbI2\n") +
                           TextLine(ResultId, "PbI2\n") + ItemsLine(SaltId, "AgCl\\tPbI2\\tBaSO4\n") +
                           TextLine(HazardId, "C\n") + TextLine(NotesId, "Kalium\\n\n") + "error: line 15: control " +
                           std::to_string(HazardId) + " has no item 7\n");
  EXPECT_TRUE(TopLevelWindows().empty());
}

}  // namespace
