#pragma once
// The solubility-product window "LØSELIGHETSPRODUKT" / "SOLUBILITY PRODUCT", template SOLUPROD:
// the dissociation of a sparingly soluble salt, its Ksp, the concentrations of its ions, the dissolved
// amount and mass in a mass of solvent, and the effect of a common ion; the salts of solprod.dat are a
// drop-down away.
#include <array>
#include <initializer_list>
#include <string>

#include "runtime/generated_dialog.h"
#include "runtime/sim_modal_dlg.h"
#include "runtime/user_controls.h"

class Cwm_SOLUPRODBaseDlg : public GeneratedDialog<CSimModalDlg> {
 public:
  using GeneratedDialog::GeneratedDialog;

 protected:
  void ApplyTemplateSetup() override;
  void ArrangeTexts() override;

  afx_msg void OpenSolubilityData();

  DECLARE_MESSAGE_MAP()

  std::array<CUserStatic, 11> m_equationStatics;  // 108 to 118
  CUserEdit m_englishName;
  CUserEdit m_norwegianName;
  CUserEdit m_temperature;
  CUserButton m_dissociationGroup;
  CUserStatic m_inputCationExponent;
  CUserStatic m_inputAnionExponent;
  CUserStatic m_inputEquals;
  CUserStatic m_inputTimes;
  CUserEdit m_symbolicCation;
  CUserEdit m_symbolicAnion;
  CUserEdit m_cationAmount;
  std::array<CUserStatic, 10> m_symbolicStatics;  // K, sp, the brackets, the exponents, "*", "="
  CUserEdit m_anionAmount;
  CUserButton m_commonIonGroup;
  std::array<CUserStatic, 3> m_solventStatics;  // 134 to 136
  CUserEdit m_cationMass;
  CUserEdit m_anionMass;
  std::array<CUserStatic, 5> m_inputStatics;  // 137 to 141
  CUserButton m_hiddenGroup;
  std::array<CUserStatic, 5> m_commonIonStatics;  // 144 to 148
  CUserEdit m_crystalWaterMass;
  CUserEdit m_crystalWaterAmount;
  CUserButton m_resultGroup;
  CUserStatic m_examplesLabel;
  CUserEdit m_resultKsp;
  CUserEdit m_resultCation;
  CUserEdit m_resultAnion;
  std::array<CUserStatic, 8> m_resultStatics;  // 154 to 159, then the two exponents
};

class Cwm_SOLUPRODDlg : public Cwm_SOLUPRODBaseDlg {
 public:
  using Cwm_SOLUPRODBaseDlg::Cwm_SOLUPRODBaseDlg;
  BOOL OnUserInit(int initialising) override;

 protected:
  afx_msg void FillSolubilityCombo();
  afx_msg void LoadSolubilityRecord();
  afx_msg void CalculateSolubility();
  afx_msg void PutExample(UINT id);
  afx_msg void EnterKsp();
  afx_msg void EnterCationConcentration();
  afx_msg void EnterAnionConcentration();
  afx_msg void EnterCationCommonIon();
  afx_msg void EnterAnionCommonIon();
  afx_msg void EnterSaltAmount();
  afx_msg void EnterSaltMass();

  DECLARE_MESSAGE_MAP()

 private:
  void Empty(std::initializer_list<int> ids);
  std::string FieldText(int id) const;
};

int OpenSolubilityProductDialog(CWnd* parent);
