#include "app/launcher_form.h"

#include <vector>

#include "app/tool_table.h"
#include "engine/globals.h"
#include "runtime/dialog_openers.h"
#include "runtime/generated_setup.h"

BYTE StartupClickPending = 1;

namespace {

// The screen point the pointer is moved to when a start-up tool is set, over the launcher.
constexpr POINT StartupPointer{200, 200};
// Sent to itself by a form whose pointer could not be moved over it.
constexpr UINT StartupClickFallbackMessage = WM_USER + 0x200;

// The template's set-up of the logo and the title, then the picture button and the caption of every
// tool on the form, in the order of the tool table.
WindowSetup LauncherSetup() {
  static const std::vector<MemberSetup> members = [] {
    std::vector<MemberSetup> rows(ClientSetup.members.begin(), ClientSetup.members.end());
    for (const ShellTool& tool : ShellTools()) {
      if (tool.launcherButton != 0) rows.push_back(LauncherButtonSetup(tool.launcherButton, tool.launcherPicture));
    }
    for (const ShellTool& tool : ShellTools()) {
      if (tool.launcherButton != 0) rows.push_back(LauncherCaptionSetup(tool.launcherCaption));
    }
    return rows;
  }();
  return {ClientSetup.backgroundBrush, members};
}

}  // namespace

Cwm_NONAMEClientBaseDlg::Cwm_NONAMEClientBaseDlg() : CSimClientDlg(ClientTemplateName) {}

BOOL Cwm_NONAMEClientBaseDlg::OnInitForm() {
  ApplyGeneratedSetup(*this, LauncherSetup(), {m_logo, m_title, m_toolButtons, m_toolCaptions});
  CSimClientDlg::OnInitForm();
  return OnUserInit(1);
}

BOOL Cwm_NONAMEClientBaseDlg::OnUserInit(int) { return TRUE; }

BEGIN_MESSAGE_MAP(Cwm_NONAMEClientDlg, Cwm_NONAMEClientBaseDlg)
ON_WM_SETCURSOR()
ON_MESSAGE(StartupClickFallbackMessage, OnStartupClickFallback)
END_MESSAGE_MAP()

BOOL Cwm_NONAMEClientDlg::OnUserInit(int) {
  StartupTool = 0;
  LoadSettings();
  // The click waits for the first cursor message over the form; where the pointer cannot be moved
  // there, it comes once the main window is up and the message loop runs.
  if (StartupTool != 0 && !::SetCursorPos(StartupPointer.x, StartupPointer.y)) {
    PostMessage(StartupClickFallbackMessage);
  }
  if (LanguageCode == EnglishLanguage) {
    for (const ShellTool& tool : ShellTools()) {
      if (tool.englishCaption != nullptr) SetDlgItemText(tool.launcherCaption, tool.englishCaption);
    }
  }
  return TRUE;
}

void Cwm_NONAMEClientDlg::DeliverStartupClick() {
  if (StartupClickPending != 1) return;
  StartupClickPending = 0;
  if (const ShellTool* tool = FindTool(&ShellTool::startupCode, StartupTool)) {
    // Sent straight to the button, so that the hidden, disabled database button reports it too.
    SendDlgItemMessage(tool->launcherButton, WM_LBUTTONDOWN, MK_LBUTTON, 0);
    SendDlgItemMessage(tool->launcherButton, WM_LBUTTONUP, MK_LBUTTON, 0);
  }
}

BOOL Cwm_NONAMEClientDlg::OnSetCursor(CWnd* window, UINT hitTest, UINT message) {
  DeliverStartupClick();
  return Cwm_NONAMEClientBaseDlg::OnSetCursor(window, hitTest, message);
}

LRESULT Cwm_NONAMEClientDlg::OnStartupClickFallback(WPARAM, LPARAM) {
  DeliverStartupClick();
  return 0;
}

BOOL Cwm_NONAMEClientDlg::OnCommand(WPARAM wParam, LPARAM lParam) {
  if (HIWORD(wParam) == BN_CLICKED) {
    if (const ShellTool* tool = FindTool(&ShellTool::launcherButton, static_cast<int>(LOWORD(wParam)))) {
      OpenTool(*tool, this);
      return TRUE;
    }
  }
  return Cwm_NONAMEClientBaseDlg::OnCommand(wParam, lParam);
}

Cwm_NONAMEClientDlg* CreateClientForm(CWnd* frame) {
  // Deleted by the window layer with its window; a form whose window could not be made is deleted here.
  auto* form = new Cwm_NONAMEClientDlg;
  if (form->Create(frame)) return form;
  delete form;
  ReportDialogNotCreated(ClientTemplateName);
  return nullptr;
}
