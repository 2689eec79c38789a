#pragma once
// The spectroscopy window "SPEKTROSKOPI" / "SPECTROSCOPY", template MASSSP:
// the peaks of one experiment, its parent formula and MS tolerance, interpreted against the MS, IR and
// NMR tables into a report; the store of named experiments in spectral.dat; and the way into the three
// table editors.
#include <vector>

#include "runtime/generated_dialog.h"
#include "runtime/sim_modal_dlg.h"
#include "runtime/user_controls.h"
#include "spectroscopy/model/spectral_interpretation.h"

class Cwm_MASSSPBaseDlg : public GeneratedDialog<CSimModalDlg> {
 public:
  using GeneratedDialog::GeneratedDialog;

 protected:
  void ApplyTemplateSetup() override;

  CUserStatic m_toleranceLabel;
  CUserEdit m_report;
  CUserStatic m_electronMassLabel;
  CUserStatic m_electronSubscriptLabel;
  CUserButton m_msGroup;
  CUserStatic m_electronChargeLabel;
  CUserButton m_irGroup;
  CUserButton m_h1Group;
  CUserButton m_iterate;
  CUserButton m_editListGroup;
  CUserButton m_saveGroup;
  CUserButton m_experimentNameGroup;
  CUserButton m_dataGroup;
  CUserButton m_c13Group;
  CUserButton m_showIsoFormula;
  CUserButton m_hit100;
  CUserButton m_hit75;
  CUserButton m_hit50;
  CUserButton m_hit25;
  CUserButton m_hitAny;
  CUserButton m_hitPercentGroup;
  CUserButton m_minimumCountGroup;
};

class Cwm_MASSSPDlg : public Cwm_MASSSPBaseDlg {
 public:
  using Cwm_MASSSPBaseDlg::Cwm_MASSSPBaseDlg;
  BOOL OnUserInit(int initialising) override;

 protected:
  afx_msg void RunSpectralInterpretation();
  // The interpretation of the peaks into the report field, with the damaged tables it read.
  void ShowSpectralReport(std::vector<DamagedSpectralTable>& damagedTables);
  afx_msg void ShowExperiment();
  afx_msg void ClearPeaks();
  afx_msg void ToggleIterate();
  afx_msg void ToggleShowIsoFormula();
  afx_msg void ChooseHit100();
  afx_msg void ChooseHit75();
  afx_msg void ChooseHit50();
  afx_msg void ChooseHit25();
  afx_msg void ChooseHitAny();
  afx_msg void StoreMinimumCountIr();
  afx_msg void StoreMinimumCountH1();
  afx_msg void StoreMinimumCountC13();
  afx_msg void StoreMsTolerance();
  afx_msg void StoreParentFormula();
  afx_msg void OpenMsTable();
  afx_msg void OpenIrTable();
  afx_msg void OpenH1Table();
  afx_msg void OpenC13Table();
  BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;

  DECLARE_MESSAGE_MAP()

 private:
  void ShowSettingValues();
  void ChooseHitPercent(int percent);
  void StoreCount(int id, int& value, int least);
  CListBox& ExperimentList();
};

int OpenSpectroscopyDialog(CWnd* parent);
