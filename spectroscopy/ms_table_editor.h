#pragma once
// The MS fragment table editor "SPEKTROSKOPI - MS DATA" / "SPECTROSCOPY - MS DATA", template MASSMSDAT:
// isotope formulas with the mass the formula parser gives them and what the fragment is, in the table of the
// current language; every change rewrites the table.
#include "spectroscopy/spectral_editor_tables.h"
#include "runtime/generated_dialog.h"
#include "runtime/sim_modal_dlg.h"
#include "runtime/user_controls.h"

class Cwm_MASSMSDATBaseDlg : public GeneratedDialog<CSimModalDlg> {
 public:
  using GeneratedDialog::GeneratedDialog;

 protected:
  void ApplyTemplateSetup() override;

  CUserStatic m_isoFormulaLabel;
  CUserStatic m_assignmentLabel;
  CUserButton m_addIsoFormulaGroup;
  CUserButton m_editListGroup;
  CUserEdit m_calculatedMass;
  CUserStatic m_calculatedMassLabel;
};

class Cwm_MASSMSDATDlg : public Cwm_MASSMSDATBaseDlg {
 public:
  using Cwm_MASSMSDATBaseDlg::Cwm_MASSMSDATBaseDlg;
  BOOL OnUserInit(int initialising) override;

 protected:
  BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;

 private:
  CListBox& FragmentList();
  // Before, After or Replace, by the button.
  void AddMsFragmentRecord(int button);
  // Shows the mass of the isotope formula; false, after the formula message, when it has none.
  bool ShowCalculatedMass();
};
