#pragma once
// Window "SVAK SYRE/BASE - SYRE/BASE DATA" / "WEAK ACID/BASE - ACID/BASE DATA", template SYREKONST:
// The acid/base constants editor: the weak acids and bases of acconst.dat with their dissociation in
// water, K (shown also as pK) and temperature, edited record by record; every change rewrites the
// table at once.
#include <array>

#include "runtime/generated_dialog.h"
#include "runtime/sim_modal_dlg.h"
#include "runtime/user_controls.h"

class Cwm_SYREKONSTBaseDlg : public GeneratedDialog<CSimModalDlg> {
 public:
  using GeneratedDialog::GeneratedDialog;

 protected:
  void ApplyTemplateSetup() override;
  void ArrangeTexts() override;

  std::array<CUserStatic, 3> m_labels;  // 100 to 102
  CUserButton m_editListGroup;
  CUserButton m_equationGroup;
  std::array<CUserStatic, 4> m_equationStatics;     // 106 to 109
  std::array<CUserStatic, 4> m_temperatureStatics;  // 111 to 114
  std::array<CUserStatic, 17> m_constantStatics;    // 117 to 133
  CUserButton m_addGroup;
};

class Cwm_SYREKONSTDlg : public Cwm_SYREKONSTBaseDlg {
 public:
  using Cwm_SYREKONSTBaseDlg::Cwm_SYREKONSTBaseDlg;
  BOOL OnUserInit(int initialising) override;

 protected:
  afx_msg void ConvertKAndPK();
  afx_msg void EnterK();
  afx_msg void EnterPK();
  BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;

  DECLARE_MESSAGE_MAP()

 private:
  bool FieldsPass();
};

int OpenAcidBaseDataDialog(CWnd* parent);
