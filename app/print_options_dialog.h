#pragma once
// The print options dialog "PRINTOPT" (the same in both languages), template PRINTOPT:
// the number of print points in the X direction, kept in the settings value PrintPointsX (below 1:
// automatic). Its texts are Norwegian only.
#include "runtime/generated_dialog.h"
#include "runtime/sim_modal_dlg.h"
#include "runtime/user_controls.h"

class Cwm_PRINTOPTBaseDlg : public GeneratedDialog<CSimModalDlg> {
 public:
  using GeneratedDialog::GeneratedDialog;

 protected:
  void ApplyTemplateSetup() override;

  CUserButton m_pointsGroup;
};

class Cwm_PRINTOPTDlg : public Cwm_PRINTOPTBaseDlg {
 public:
  using Cwm_PRINTOPTBaseDlg::Cwm_PRINTOPTBaseDlg;
  BOOL OnUserInit(int initialising) override;

 protected:
  // The field lost the focus: a number of 1 or more is kept and shown as the number alone;
  // anything else shows "Automatisk" and keeps the value in force.
  afx_msg void ValidatePrintPoints();

  DECLARE_MESSAGE_MAP()

 private:
  void ShowPrintPoints();
};
