#pragma once
// The molecular calculator "MOLEKYLKALKULATOR" / "MOLECULAR CALCULATOR", template MOLEKYLKALKULATOR:
// one formula in, its result line and its composition by element out, beside the list of named
// formulas that the names-and-formulas editor maintains.
#include <array>

#include "runtime/generated_dialog.h"
#include "runtime/sim_modal_dlg.h"
#include "runtime/user_controls.h"

class Cwm_MolekylkalkulatorBaseDlg : public GeneratedDialog<CSimModalDlg> {
 public:
  using GeneratedDialog::GeneratedDialog;

 protected:
  void ApplyTemplateSetup() override;
  void ArrangeTexts() override;

  CUserStatic m_formulaLabel;
  CUserEdit m_formula;
  CUserStatic m_examplesLabel;
  std::array<CUserButton, 6> m_examples;
  CUserButton m_calculate;
  CUserStatic m_resultLabel;
  CUserEdit m_result;
  CUserStatic m_compositionHeading;
  CUserEdit m_composition;
  CUserListBox m_names;
  CUserButton m_openNames;
  CUserButton m_close;
};

class Cwm_MolekylkalkulatorDlg : public Cwm_MolekylkalkulatorBaseDlg {
 public:
  using Cwm_MolekylkalkulatorBaseDlg::Cwm_MolekylkalkulatorBaseDlg;
  BOOL OnUserInit(int initialising) override;

 protected:
  afx_msg void CalculateMolecule();
  afx_msg void PutExample(UINT id);
  afx_msg void OpenNamesEditor();
  afx_msg void SelectMoleculeName();
  afx_msg void OnActivate(UINT state, CWnd* other, BOOL minimized);

  DECLARE_MESSAGE_MAP()

 private:
  void LoadMoleculeNames();
};

int OpenMolecularCalculatorDialog(CWnd* parent);
