#pragma once
// The electrochemistry window "ELEKTROKJEMI" / "ELECTROCHEMISTRY", template REDOKS:
// joins two half reactions, chosen from the half reactions of redox.dat or typed, into a balanced cell
// reaction and adds their potentials to the cell potential; two rows solve the Gibbs-energy relation
// (with the number of electrons and the potential) and the equilibrium relation (with the temperature
// and the equilibrium constant) for their one empty field.
#include <array>
#include <string>

#include "runtime/generated_dialog.h"
#include "runtime/sim_modal_dlg.h"
#include "runtime/user_controls.h"

class Cwm_REDOKSBaseDlg : public GeneratedDialog<CSimModalDlg> {
 public:
  using GeneratedDialog::GeneratedDialog;

 protected:
  void ApplyTemplateSetup() override;

  CUserButton m_turnLeftOnSelection;
  CUserButton m_turnRightOnSelection;
  CUserListBox m_leftList;
  CUserListBox m_rightList;
  CUserButton m_eraseFields;
  CUserButton m_calculate;
  CUserStatic m_examplesLabel;
  std::array<CUserButton, 4> m_examples;
  CUserButton m_halfReactionsGroup;
  CUserEdit m_leftHalfReaction;
  CUserButton m_turnLeft;
  CUserEdit m_leftPotential;
  CUserStatic m_leftPotentialUnit;
  CUserEdit m_rightHalfReaction;
  CUserButton m_turnRight;
  CUserEdit m_rightPotential;
  CUserStatic m_rightPotentialUnit;
  CUserEdit m_cellReaction;
  CUserEdit m_cellPotential;
  CUserStatic m_cellPotentialUnit;
  CUserButton m_balanceOptionsGroup;
  CUserButton m_removeMultipleSpecies;
  CUserButton m_waterGroup;
  CUserButton m_combineIntoWater;
  CUserStatic m_waterHydrogenPlus;
  CUserStatic m_waterHydroxideMinus;
  CUserStatic m_waterEquals;
  CUserStatic m_waterSecondLine;
  CUserStatic m_waterHydroniumPlus;
  CUserStatic m_waterSecondMinus;
  CUserGraphicButton m_gibbsRowDelta;
  CUserStatic m_gibbsRowText;
  CUserStatic m_gibbsRowE;
  CUserStatic m_gibbsRowO;
  CUserButton m_solveGibbsRow;
  CUserEdit m_gibbsEnergy;
  CUserStatic m_gibbsRowUnit;
  CUserEdit m_electrons;
  CUserStatic m_electronsUnit;
  CUserEdit m_potential;
  CUserStatic m_potentialUnit;
  CUserStatic m_equilibriumRowMinus;
  CUserGraphicButton m_equilibriumRowDelta;
  CUserStatic m_equilibriumRowText;
  CUserStatic m_equilibriumRowLnK;
  CUserButton m_solveEquilibriumRow;
  CUserEdit m_equilibriumGibbsEnergy;
  CUserStatic m_equilibriumGibbsUnit;
  CUserStatic m_gasConstant;
  CUserEdit m_temperature;
  CUserStatic m_temperatureUnit;
  CUserEdit m_lnK;
  CUserStatic m_equilibriumConstantLabel;
  CUserEdit m_equilibriumConstant;
  CUserButton m_electrochemicalData;
};

class Cwm_REDOKSDlg : public Cwm_REDOKSBaseDlg {
 public:
  using Cwm_REDOKSBaseDlg::Cwm_REDOKSBaseDlg;
  BOOL OnUserInit(int initialising) override;

 protected:
  afx_msg void CalculateCellReaction();
  afx_msg void SelectLeftHalfReaction();
  afx_msg void SelectRightHalfReaction();
  afx_msg void TurnLeftHalfReaction();
  afx_msg void TurnRightHalfReaction();
  afx_msg void ToggleTurnLeftOnSelection();
  afx_msg void ToggleTurnRightOnSelection();
  afx_msg void ToggleRemoveMultipleSpecies();
  afx_msg void ToggleCombineIntoWater();
  afx_msg void SolveFaradayRelation();
  afx_msg void SolveEquilibriumRelation();
  afx_msg void ShowExample(UINT id);
  afx_msg void EraseFields();
  afx_msg void OpenDataEditor();
  afx_msg void OnActivate(UINT state, CWnd* other, BOOL minimized);

  DECLARE_MESSAGE_MAP()

 private:
  void LoadRedoxLists();
  void SelectHalfReaction(CListBox& list, int equationId, int potentialId, int turnOnSelectionId);
  void TurnHalfReaction(int equationId, int potentialId);
  void ShowCalculationError();
  bool TypedPotentialsAreNumbers();
  void ShowIllegalNumberError();
  void ShowNumberRangeError();
};

int OpenElectrochemistryDialog(CWnd* parent);
