#pragma once
// Window "LØSELIGHETSPRODUKT - LØSELIGHETSDATA" / "SOLUBILITY PRODUCT - SOLUBILITY DATA", template SOLUDATA:
// The solubility data editor: the salts of solprod.dat with their dissociation, Ksp and temperature,
// edited record by record; every change rewrites the table at once.
#include <array>

#include "runtime/generated_dialog.h"
#include "runtime/sim_modal_dlg.h"
#include "runtime/user_controls.h"

class Cwm_SOLUPROClicked100BaseDlg : public GeneratedDialog<CSimModalDlg> {
 public:
  using GeneratedDialog::GeneratedDialog;

 protected:
  void ApplyTemplateSetup() override;
  void ArrangeTexts() override;

  std::array<CUserStatic, 9> m_labels;  // 100 to 108
  CUserButton m_equationGroup;
  CUserStatic m_kspSubscript;
  CUserButton m_editListGroup;
  CUserStatic m_anionPlus;
  CUserStatic m_equals;
  CUserStatic m_undissociatedHead;
  CUserStatic m_hiddenCrystalWaterHead;
  CUserStatic m_hiddenMark;
  CUserStatic m_crystalWaterPlus;
  CUserButton m_addGroup;
};

class Cwm_SOLUPROClicked100Dlg : public Cwm_SOLUPROClicked100BaseDlg {
 public:
  using Cwm_SOLUPROClicked100BaseDlg::Cwm_SOLUPROClicked100BaseDlg;
  BOOL OnUserInit(int initialising) override;

 protected:
  BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;

 private:
  bool FieldsPass();
};

int OpenSolubilityDataDialog(CWnd* parent);
