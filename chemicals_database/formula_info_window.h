#pragma once
// The formula information window "FORMELINFORMASJON" (the same in both languages), template FORMELINFO:
// for the formula of the current database record, the formula engine's result line (or its error line)
// and the composition table. It exists at most once, owned by the database window, and computes anew
// whenever it is activated or deactivated.
#include "runtime/generated_dialog.h"
#include "runtime/sim_modeless_dlg.h"
#include "runtime/user_controls.h"

class Cwm_FORMELINFOBaseDlg : public GeneratedDialog<CSimModelessDlg> {
 protected:
  void ApplyTemplateSetup() override;
  void ArrangeTexts() override;

  CUserStatic m_resultLabel;
  CUserEdit m_result;
  CUserStatic m_heading;
  CUserEdit m_composition;
  CUserButton m_close;
};

class Cwm_FORMELINFODlg : public Cwm_FORMELINFOBaseDlg {
 protected:
  // Computes CurrentFormulaText into the result line and the composition table.
  afx_msg void OnActivate(UINT state, CWnd* other, BOOL minimized);
  afx_msg void OnDestroy();

  DECLARE_MESSAGE_MAP()

 private:
  void UpdateFormulaInfo();
};

// The open formula information window, or null.
extern ModelessInstance<Cwm_FORMELINFODlg> FormulaInfoWindow;
