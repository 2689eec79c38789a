#pragma once
// The about box "OM TAVRIN" / "ABOUT TAVRIN", template OMTAVRIN:
// the program's logo and name, and link lines that open the program's web pages and its contact
// address through the desktop; a double click on the logo shows the credits.
#include "runtime/generated_dialog.h"
#include "runtime/sim_modal_dlg.h"
#include "runtime/user_controls.h"

class Cwm_OMTAVRINBaseDlg : public GeneratedDialog<CSimModalDlg> {
 public:
  using GeneratedDialog::GeneratedDialog;

 protected:
  void ApplyTemplateSetup() override;

  CUserGraphicButton m_logo;
  CUserStatic m_title;
  CUserStatic m_mailLabel;
  CUserStatic m_mirrorLabel;
  CUserStatic m_homePageLine;
  CUserStatic m_contactLine;
  CUserStatic m_mirrorLine;
  CUserStatic m_secondContactLine;
  CUserButton m_linkGroup;
};

class Cwm_OMTAVRINDlg : public Cwm_OMTAVRINBaseDlg {
 public:
  using Cwm_OMTAVRINBaseDlg::Cwm_OMTAVRINBaseDlg;
  BOOL OnUserInit(int initialising) override;

 protected:
  afx_msg void ShowAboutCredits();
  afx_msg void OnHomePage();
  afx_msg void OnContact();
  afx_msg void OnMirror();
  afx_msg void OnSecondContact();

  DECLARE_MESSAGE_MAP()
};

// Opens the address with the desktop's default program; a missing browser or mail program gives
// no message.
void OpenAboutLink(LPCSTR target);

int OpenAboutDialog(CWnd* parent);
