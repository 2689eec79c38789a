#pragma once
// The settings dialog "OPPSETT" / "SETUP", template TAVRPARA:
// its save button writes every settings value to the settings file. Its start-up tool radio buttons
// stay hidden and disabled, so it saves the start-up tool as it was read.
#include "runtime/generated_dialog.h"
#include "runtime/sim_modal_dlg.h"
#include "runtime/user_controls.h"

class Cwm_TAVRPARABaseDlg : public GeneratedDialog<CSimModalDlg> {
 public:
  using GeneratedDialog::GeneratedDialog;

 protected:
  void ApplyTemplateSetup() override;

  CUserButton m_periodicTableRadio;
  CUserButton m_chemicalsDatabaseRadio;
  CUserButton m_balanceRadio;
  CUserButton m_molecularCalculatorRadio;
  CUserButton m_noneRadio;
  CUserButton m_startupGroup;
  CUserButton m_thermochemistryRadio;
  CUserButton m_solubilityProductRadio;
  CUserButton m_weakAcidBaseRadio;
  CUserButton m_dictionaryRadio;
};

class Cwm_TAVRPARADlg : public Cwm_TAVRPARABaseDlg {
 public:
  using Cwm_TAVRPARABaseDlg::Cwm_TAVRPARABaseDlg;
  BOOL OnUserInit(int initialising) override;

 protected:
  afx_msg void SaveSetupChoice();

  DECLARE_MESSAGE_MAP()

 private:
  bool IsChecked(int id) const;
};

int OpenSetupDialog(CWnd* parent);
