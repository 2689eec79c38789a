#pragma once
// Window "MOLEKYLKALKULATOR - NAVN OG FORMLER" / "MOLECULAR CALCULATOR - NAME AND FORMULA", template MOLCLC2:
// The names-and-formulas editor: the table of named formulas that the molecular calculator lists,
// edited record by record; every change rewrites the table at once.
#include "runtime/generated_dialog.h"
#include "runtime/sim_modal_dlg.h"
#include "runtime/user_controls.h"

class Cwm_MOLCLC2BaseDlg : public GeneratedDialog<CSimModalDlg> {
 public:
  using GeneratedDialog::GeneratedDialog;

 protected:
  void ApplyTemplateSetup() override;

  CUserStatic m_nameLabel;
  CUserEdit m_name;
  CUserStatic m_formulaLabel;
  CUserEdit m_formula;
  CUserListBox m_names;
  CUserButton m_eraseFields;
  CUserButton m_editListGroup;
  CUserButton m_addNameGroup;
  CUserButton m_before;
  CUserButton m_after;
  CUserButton m_replace;
  CUserButton m_delete;
};

class Cwm_MOLCLC2Dlg : public Cwm_MOLCLC2BaseDlg {
 public:
  using Cwm_MOLCLC2BaseDlg::Cwm_MOLCLC2BaseDlg;
  BOOL OnUserInit(int initialising) override;

 protected:
  BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
};

int OpenMoleculeNamesDialog(CWnd* parent);
