#pragma once
// The balancing window "BALANSERE" / "BALANCE", template BALANSERE:
// balances the typed equation with the equation engine and shows the balanced equation and a table of
// amounts and masses; beside it the saved equations of balequ.dat, which four buttons extend, edit and
// shorten, rewriting the file at every change.
#include <string>

#include "runtime/generated_dialog.h"
#include "runtime/sim_modal_dlg.h"
#include "runtime/user_controls.h"

class Cwm_BalansereBaseDlg : public GeneratedDialog<CSimModalDlg> {
 public:
  using GeneratedDialog::GeneratedDialog;

 protected:
  void ApplyTemplateSetup() override;

  CUserEdit m_balancedEquation;
  CUserEdit m_equationField;
  CUserStatic m_unbalancedLabel;
  CUserStatic m_balancedLabel;
  CUserStatic m_tableHeadings;
  CUserStatic m_examplesLabel;
  CUserEdit m_amountsTable;
  CUserStatic m_equationListLabel;
  CUserButton m_addGroup;
  CUserStatic m_invisibleLabel;
  CUserButton m_editListGroup;
};

class Cwm_BalansereDlg : public Cwm_BalansereBaseDlg {
 public:
  using Cwm_BalansereBaseDlg::Cwm_BalansereBaseDlg;
  BOOL OnUserInit(int initialising) override;

 protected:
  afx_msg void CalculateBalance();
  afx_msg void ShowExample(UINT id);
  afx_msg void CopySelectedEquation();
  afx_msg void EditEquationList(UINT id);

  DECLARE_MESSAGE_MAP()
};

int OpenBalanceDialog(CWnd* parent);
