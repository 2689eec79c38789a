#pragma once
// The IR table editor "SPEKTROSKOPI - IR DATA" / "SPECTROSCOPY - IR DATA", template MASSIRDAT:
// structural groups with up to eight absorption ranges in wave numbers, in the IR table (or the UV
// table, by SpectralKind); every change rewrites the table.
#include "spectroscopy/spectral_editor_tables.h"
#include "runtime/generated_dialog.h"
#include "runtime/sim_modal_dlg.h"
#include "runtime/user_controls.h"

class Cwm_MASSIRDATBaseDlg : public GeneratedDialog<CSimModalDlg> {
 public:
  using GeneratedDialog::GeneratedDialog;

 protected:
  void ApplyTemplateSetup() override;

  // The dashes between the ends of the ranges carry the number of their row.
  CUserStatic m_assignmentLabel;
  CUserStatic m_rangeDash6;
  CUserStatic m_rangeDash1;
  CUserStatic m_commentLabel;
  CUserStatic m_rangeDash2;
  CUserStatic m_rangeDash3;
  CUserButton m_absorptionAreaGroup;
  CUserButton m_editListGroup;
  CUserButton m_addAssignmentGroup;
  CUserStatic m_rangeDash4;
  CUserStatic m_rangeDash5;
  CUserStatic m_rangeDash7;
  CUserStatic m_rangeDash8;
};

class Cwm_MASSIRDATDlg : public Cwm_MASSIRDATBaseDlg {
 public:
  using Cwm_MASSIRDATBaseDlg::Cwm_MASSIRDATBaseDlg;
  BOOL OnUserInit(int initialising) override;

 protected:
  BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;

 private:
  CListBox& AssignmentList();
  // Before, After or Replace, by the button.
  void AddIrDataRecord(int button);
  // Judges the ranges; when they pass, each range shows its ends in order, as they are stored.
  bool AcceptRanges();
};
