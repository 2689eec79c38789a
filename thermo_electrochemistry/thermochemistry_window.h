#pragma once
// The thermochemistry window "TERMOKJEMI" / "THERMOCHEMISTRY", template TERMODYNAMIKK:
// balances the typed equation with the standard data of its species and shows the heat term, the
// reaction enthalpy and entropy and a table of the species with a column of the user's choice; beside
// it the saved equations of thermequ.dat, which four buttons extend, edit and shorten, rewriting the
// file at every change.
#include <string>

#include "runtime/generated_dialog.h"
#include "runtime/sim_modal_dlg.h"
#include "runtime/user_controls.h"

// 1 when a column choice waits for the recalculation at the next cursor message.
extern int ThermoRecalcPending;

class Cwm_TERMODYNAMIKKBaseDlg : public GeneratedDialog<CSimModalDlg> {
 public:
  using GeneratedDialog::GeneratedDialog;

 protected:
  void ApplyTemplateSetup() override;

  CUserStatic m_unbalancedLabel;
  CUserEdit m_equationField;
  CUserStatic m_balancedLabel;
  CUserEdit m_balancedEquation;
  CUserStatic m_speciesHeading;
  CUserGraphicButton m_columnDelta;
  CUserStatic m_columnF;
  CUserStatic m_columnH;
  CUserStatic m_columnO;
  CUserStatic m_columnUnit;
  CUserComboBox m_columnChoice;
  CUserEdit m_table;
  CUserGraphicButton m_enthalpyDelta;
  CUserStatic m_enthalpyH;
  CUserStatic m_enthalpyO;
  CUserStatic m_enthalpyEquals;
  CUserStatic m_enthalpyValue;
  CUserGraphicButton m_entropyDelta;
  CUserStatic m_entropyS;
  CUserStatic m_entropyO;
  CUserStatic m_entropyEquals;
  CUserStatic m_entropyValue;
  CUserStatic m_listLabel;
  CUserListBox m_equations;
  CUserButton m_editListGroup;
  CUserButton m_addGroup;
};

class Cwm_TERMODYNAMIKKDlg : public Cwm_TERMODYNAMIKKBaseDlg {
 public:
  using Cwm_TERMODYNAMIKKBaseDlg::Cwm_TERMODYNAMIKKBaseDlg;
  BOOL OnUserInit(int initialising) override;

 protected:
  afx_msg void CalculateThermochemistry();
  afx_msg void CopySelectedEquation();
  afx_msg void ChooseColumn();
  afx_msg BOOL OnSetCursor(CWnd* window, UINT hitTest, UINT message);
  afx_msg void EditEquationList(UINT id);
  afx_msg void OpenDataEditor();

  DECLARE_MESSAGE_MAP()
};

int OpenThermochemistryDialog(CWnd* parent);
