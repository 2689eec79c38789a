#pragma once
// The launcher form, in the main frame "TAVRIN" (the same in both languages), template CLIENT:
// the logo with the title beneath it, framed by the picture buttons of the tools with their captions,
// as the shell's tool table lists them. Its set-up reads the settings file, sets the English captions,
// and arms the start-up tool, which it opens with a simulated click.
#include <array>

#include "resources/launcher_form_ids.h"
#include "runtime/sim_client_dlg.h"
#include "runtime/user_controls.h"

// 1 until the start-up click has been handled.
extern BYTE StartupClickPending;

class Cwm_NONAMEClientBaseDlg : public CSimClientDlg {
 public:
  Cwm_NONAMEClientBaseDlg();
  BOOL OnInitForm() override;
  virtual BOOL OnUserInit(int initialising);

 protected:
  CUserGraphicButton m_logo;
  CUserStatic m_title;
  // In the order of the tool table.
  std::array<CUserGraphicButton, LauncherToolCount> m_toolButtons;
  std::array<CUserStatic, LauncherToolCount> m_toolCaptions;
};

class Cwm_NONAMEClientDlg : public Cwm_NONAMEClientBaseDlg {
 public:
  BOOL OnUserInit(int initialising) override;

 protected:
  afx_msg BOOL OnSetCursor(CWnd* window, UINT hitTest, UINT message);
  afx_msg LRESULT OnStartupClickFallback(WPARAM wParam, LPARAM lParam);
  // A click on a tool's picture button opens the tool with the form as its parent.
  BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;

  DECLARE_MESSAGE_MAP()

 private:
  void DeliverStartupClick();
};

// Makes the launcher form inside the frame; null after the failure message.
Cwm_NONAMEClientDlg* CreateClientForm(CWnd* frame);
