#pragma once
// The weak acid/base window "SVAK SYRE/BASE" / "WEAK ACID/BASE", template SYREBASE:
// the equilibrium of a weak acid or base in water, its K and pK, the concentrations at equilibrium and
// the pH, also of a buffer, completed from any sufficient set of given values; the acids and bases of
// acconst.dat are a drop-down away.
#include <array>
#include <initializer_list>
#include <string>

#include "runtime/generated_dialog.h"
#include "runtime/sim_modal_dlg.h"
#include "runtime/user_controls.h"

class Cwm_SYREBASEBaseDlg : public GeneratedDialog<CSimModalDlg> {
 public:
  using GeneratedDialog::GeneratedDialog;

 protected:
  void ApplyTemplateSetup() override;
  void ArrangeTexts() override;

  afx_msg void OpenAcidBaseData();

  DECLARE_MESSAGE_MAP()

  CUserEdit m_englishName;
  CUserEdit m_norwegianName;
  CUserEdit m_temperature;
  std::array<CUserStatic, 11> m_equationStatics;  // 101 to 111
  CUserEdit m_symbolicIon;
  CUserEdit m_symbolicConjugate;
  CUserEdit m_symbolicAcid;
  std::array<CUserStatic, 10> m_symbolicStatics;  // 115 to 124
  std::array<CUserStatic, 6> m_inputBrackets;     // 129 to 134
  CUserStatic m_constantEquals;
  CUserStatic m_resultPHLabel;
  CUserStatic m_pHLabel;
  std::array<CUserStatic, 4> m_bufferBrackets;  // 140 to 143
  CUserButton m_bufferGroup;
  std::array<CUserStatic, 6> m_resultBrackets;  // 150 to 155
  CUserEdit m_resultIon;
  CUserEdit m_resultConjugate;
  CUserEdit m_resultUndissociated;
  CUserEdit m_resultConstant;
  CUserEdit m_resultPH;
  CUserButton m_resultGroup;
  CUserEdit m_resultPK;
  CUserStatic m_resultPKLabel;
  CUserStatic m_examplesLabel;
  CUserStatic m_beforeDissociationMark;
  CUserButton m_equationGroup;
};

class Cwm_SYREBASEDlg : public Cwm_SYREBASEBaseDlg {
 public:
  using Cwm_SYREBASEBaseDlg::Cwm_SYREBASEBaseDlg;
  BOOL OnUserInit(int initialising) override;

 protected:
  afx_msg void FillAcidBaseCombo();
  afx_msg void LoadAcidBaseRecord();
  afx_msg void CalculateWeakAcidBase();
  afx_msg void PutExample(UINT id);
  afx_msg void EraseInputs();

  DECLARE_MESSAGE_MAP()

 private:
  void Empty(std::initializer_list<int> ids);
  std::string FieldText(int id) const;
};

int OpenWeakAcidBaseDialog(CWnd* parent);
