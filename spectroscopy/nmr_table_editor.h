#pragma once
// The NMR table editor "SPEKTROSKOPI - H[1] DATA" / "SPECTROSCOPY - H[1] DATA" (C[13] for 13C), template MASSNMR:
// structural groups with a tolerance and up to 45 chemical shifts, in the 1H or the 13C table that
// SpectralKind names; every change rewrites the table.
#include <string>

#include "spectroscopy/spectral_editor_tables.h"
#include "runtime/generated_dialog.h"
#include "runtime/sim_modal_dlg.h"
#include "runtime/user_controls.h"

class Cwm_MASSNMRBaseDlg : public GeneratedDialog<CSimModalDlg> {
 public:
  using GeneratedDialog::GeneratedDialog;

 protected:
  void ApplyTemplateSetup() override;

  CUserButton m_editListGroup;
  CUserButton m_addAssignmentGroup;
  CUserStatic m_assignmentLabel;
  CUserStatic m_commentLabel;
  CUserButton m_resonanceAreaGroup;
  CUserStatic m_toleranceLabel;
};

class Cwm_MASSNMRDlg : public Cwm_MASSNMRBaseDlg {
 public:
  using Cwm_MASSNMRBaseDlg::Cwm_MASSNMRBaseDlg;
  BOOL OnUserInit(int initialising) override;

 protected:
  BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;

 private:
  CListBox& AssignmentList();
  // Before, After or Replace, by the button.
  void AddNmrRecord(int button);
  // Judges the tolerance and the shifts; when they pass, each field shows the text that is stored.
  bool AcceptNumberFields();
  void SetTexts();
};
