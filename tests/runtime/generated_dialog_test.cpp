#include "runtime/generated_dialog.h"

#include <string>
#include <vector>

#include "runtime/dialog_openers.h"
#include "runtime/generated_setup.h"
#include "runtime/sim_modal_dlg.h"
#include "runtime/user_controls.h"
#include "tests/runtime/runtime_fixture.h"

namespace {

using runtime_test::Gray;
using runtime_test::RuntimeTest;

constexpr int FirstFieldId = 30;
constexpr int SecondFieldId = 31;

constexpr MemberSetup GrayFieldMembers[] = {{.id = FirstFieldId, .colours = ColourKind::Gray}};
constexpr WindowSetup GrayFieldSetup{.members = GrayFieldMembers};

// Notes each step of its making as the step sees the window.
template <class RuntimeBase>
class RecordingWindow : public GeneratedDialog<RuntimeBase> {
 public:
  using GeneratedDialog<RuntimeBase>::GeneratedDialog;

  BOOL OnUserInit(int initialising) override {
    steps.push_back("own initialisation " + std::to_string(initialising) + Attached());
    return TRUE;
  }

  CUserEdit field;
  std::vector<std::string> steps;

 protected:
  void ApplyTemplateSetup() override {
    steps.push_back("set-up" + Attached());
    ApplyGeneratedSetup(*this, GrayFieldSetup, {field});
  }
  // The runtime base's initialisation is where CDialog exchanges the members' data.
  void DoDataExchange(CDataExchange*) override { steps.push_back("runtime base" + Attached()); }
  void ArrangeTexts() override { steps.push_back("texts" + Attached()); }

 private:
  std::string Attached() const { return field.m_hWnd != nullptr ? ", attached" : ""; }
};

// Puts the focus into the second field itself.
class SecondFieldFirstWindow : public GeneratedDialog<CSimModalDlg> {
 public:
  BOOL OnUserInit(int) override {
    GotoDlgCtrl(GetDlgItem(SecondFieldId));
    return FALSE;
  }

 protected:
  void ApplyTemplateSetup() override {}
};

class WithoutOwnInitialisation : public GeneratedDialog<CSimModalDlg> {
 protected:
  void ApplyTemplateSetup() override {}
};

ModelessInstance<RecordingWindow<CSimModelessDlg>> OpenRecordingWindow;

class GeneratedDialogTest : public RuntimeTest {
 protected:
  GeneratedDialogTest() {
    DialogTemplate dialog;
    dialog.style = WS_POPUP | WS_VISIBLE;
    dialog.cx = 80;
    dialog.cy = 40;
    dialog.items.push_back(window_test::Item("EDIT", "", FirstFieldId, WS_TABSTOP, 4, 4, 30, 10));
    dialog.items.push_back(window_test::Item("EDIT", "", SecondFieldId, WS_TABSTOP, 4, 20, 30, 10));
    Resources().AddDialog("GENERATED", dialog);
  }

  const std::vector<std::string> madeInOrder = {"set-up", "runtime base, attached", "texts, attached",
                                                "own initialisation 1, attached"};
};

TEST_F(GeneratedDialogTest, AModalWindowIsSetUpThenInitialisedByItsRuntimeBaseThenByItself) {
  RecordingWindow<CSimModalDlg> window;
  ASSERT_TRUE(window.Create("GENERATED", nullptr));
  EXPECT_EQ(window.steps, madeInOrder);
  EXPECT_EQ(window_test::PixelAt(window.field.m_hWnd, 4, 4), Gray);
  window.DestroyWindow();
}

TEST_F(GeneratedDialogTest, AModelessWindowIsMadeInTheSameOrder) {
  RecordingWindow<CSimModelessDlg>* window = ShowModelessWindow(OpenRecordingWindow, "GENERATED", nullptr);
  ASSERT_NE(window, nullptr);
  EXPECT_EQ(window->steps, madeInOrder);
  window->DestroyWindow();
}

// The dialog gives the focus to its first control only when the initialisation answers TRUE.
TEST_F(GeneratedDialogTest, TheInitialisationAnswersWhatTheWindowsOwnInitialisationAnswers) {
  WithoutOwnInitialisation plain;
  ASSERT_TRUE(plain.Create("GENERATED", nullptr));
  EXPECT_EQ(plain.OnInitDialog(), TRUE);
  plain.DestroyWindow();

  SecondFieldFirstWindow focused;
  ASSERT_TRUE(focused.Create("GENERATED", nullptr));
  EXPECT_EQ(focused.OnInitDialog(), FALSE);
  EXPECT_EQ(::GetFocus(), ::GetDlgItem(focused.m_hWnd, SecondFieldId));
  focused.DestroyWindow();
}

}  // namespace
