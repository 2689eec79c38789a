#pragma once
// Window "ELEKTROKJEMI - ELEKTROKJEMISKE DATA" / "ELECTROCHEMISTRY - ELECTROCHEMICAL DATA", template REDOXDAT:
// The redox data editor: the table of half reactions with their standard potentials that the
// electrochemistry window lists, edited record by record; every change rewrites the table at once and
// tells the electrochemistry window to reload its lists.
#include "runtime/generated_dialog.h"
#include "runtime/sim_modal_dlg.h"
#include "runtime/user_controls.h"

class Cwm_REDOXDATBaseDlg : public GeneratedDialog<CSimModalDlg> {
 public:
  using GeneratedDialog::GeneratedDialog;

 protected:
  void ApplyTemplateSetup() override;

  CUserStatic m_halfReactionLabel;
  CUserEdit m_halfReaction;
  CUserStatic m_englishCommentLabel;
  CUserEdit m_englishComment;
  CUserStatic m_norwegianCommentLabel;
  CUserEdit m_norwegianComment;
  CUserStatic m_potentialE;
  CUserStatic m_potentialO;
  CUserStatic m_potentialUnit;
  CUserEdit m_potential;
  CUserStatic m_temperatureLabel;
  CUserStatic m_temperatureC;
  CUserStatic m_temperatureO;
  CUserEdit m_temperature;
  CUserButton m_eraseFields;
  CUserListBox m_halfReactions;
  CUserButton m_editListGroup;
  CUserButton m_addGroup;
  CUserButton m_before;
  CUserButton m_after;
  CUserButton m_replace;
  CUserButton m_delete;
};

class Cwm_REDOXDATDlg : public Cwm_REDOXDATBaseDlg {
 public:
  using Cwm_REDOXDATBaseDlg::Cwm_REDOXDATBaseDlg;
  BOOL OnUserInit(int initialising) override;

 protected:
  BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
};

int OpenElectrochemicalDataDialog(CWnd* parent);
