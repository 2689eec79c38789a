#pragma once
// The safety data sheet "RISIKO/SIKKERHET" (the same in both languages), template DATABLAD:
// the ten sections of the current record's safety text in ten fields, and its three hazard classes. It
// moves text between its fields and SafetyDataText (the database window stores it with the record), is
// refreshed by the database window after every change of record, and takes the phrases the quick
// editor transfers. It exists at most once, owned by the window that opened it.
#include <array>

#include "chemicals_database/model/safety_sections.h"
#include "resources/safety_sheet_ids.h"
#include "runtime/generated_dialog.h"
#include "runtime/sim_modeless_dlg.h"
#include "runtime/user_controls.h"

class Cwm_DatabladBaseDlg : public GeneratedDialog<CSimModelessDlg> {
 protected:
  void ApplyTemplateSetup() override;

  std::array<CUserStatic, SectionLabelCount> m_sectionLabels;
  CUserStatic m_hazardHeading;
  CUserStatic m_fireLabel;
  CUserStatic m_healthLabel;
  CUserStatic m_environmentLabel;
};

class Cwm_DatabladDlg : public Cwm_DatabladBaseDlg {
 public:
  BOOL OnUserInit(int initialising) override;

 protected:
  afx_msg void OnActivate(UINT state, CWnd* other, BOOL minimized);
  afx_msg void OnDestroy();
  afx_msg void ClearSections();
  afx_msg void InsertDataSheetTemplates();
  afx_msg void OpenQuickEditor();
  afx_msg void StoreHealthClass();
  afx_msg void StoreFireClass();
  afx_msg void StoreEnvironmentClass();

  DECLARE_MESSAGE_MAP()

 private:
  // Fills the fields from SafetyDataText (SafetySheetState 2) or writes them into it (3).
  void TransferSafetyText();
  void ShowSections(const SafetySections& sections);
  SafetySections ReadSections();
  void AppendPendingPhrases();
  void SelectStoredClasses();
  void FillHazardClassCombos();
};

// The open safety data sheet, or null.
extern ModelessInstance<Cwm_DatabladDlg> SafetyDataSheetWindow;
