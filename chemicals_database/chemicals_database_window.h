#pragma once
// The chemicals database window "KJEMIKALIEDATABASE" (the same in both languages), template KJEMIKALIEDATABASE:
// searches the database by name, formula, CAS number, label or two numeric quantities, steps through
// its records and files, shows and edits the current record, stores, overwrites and deletes records,
// and opens the record's formula information and safety data sheet, which it refreshes after every
// change of record.
#include <array>
#include <string>

#include "resources/chemicals_database_ids.h"
#include "runtime/generated_dialog.h"
#include "runtime/sim_modal_dlg.h"
#include "runtime/user_controls.h"

class Cwm_KjemikaliedatabaseBaseDlg : public GeneratedDialog<CSimModalDlg> {
 public:
  using GeneratedDialog::GeneratedDialog;

 protected:
  void ApplyTemplateSetup() override;

  // Search area.
  CUserStatic m_nameSearchLabel;
  CUserComboBox m_nameSearch;
  CUserStatic m_formulaSearchLabel;
  CUserEdit m_formulaSearch;
  CUserStatic m_casSearchLabel;
  CUserEdit m_casSearch;
  CUserStatic m_labelSearchLabel;
  CUserEdit m_labelSearch;
  CUserButton m_numericGroup;
  CUserStatic m_toleranceLabel;
  CUserEdit m_tolerance;
  CUserComboBox m_quantity1;
  CUserEdit m_value1;
  CUserStatic m_unit1Degree;
  CUserStatic m_unit1Text;
  CUserStatic m_unit1Cube;
  CUserComboBox m_quantity2;
  CUserEdit m_value2;
  CUserStatic m_unit2Degree;
  CUserStatic m_unit2Text;
  CUserStatic m_unit2Cube;
  CUserButton m_clearSearch;
  CUserButton m_formulaModeGroup;
  CUserButton m_formulaModePlain;
  CUserButton m_formulaModeCounts;
  CUserButton m_formulaModeQualitative;
  CUserButton m_wholeWord;
  CUserButton m_deleteWarning;
  CUserButton m_autoFormulaMass;
  CUserButton m_storeAfter;
  CUserButton m_hasSafetyText;
  CUserButton m_showSafetySheet;
  CUserGraphicButton m_logo;
  CUserButton m_close;
  CUserButton m_searchFromStart;
  CUserButton m_searchOnward;
  CUserButton m_first;
  CUserButton m_previous;
  CUserButton m_next;
  CUserButton m_last;
  CUserButton m_previousFile;
  CUserEdit m_fileName;
  CUserButton m_nextFile;
  CUserStatic m_recordPositionLabel;
  CUserEdit m_recordPosition;
  CUserStatic m_filePositionLabel;
  CUserEdit m_filePosition;
  CUserButton m_formulaErrorGroup;
  CUserEdit m_formulaError;
  // Record area.
  CUserButton m_recordGroup;
  CUserButton m_formulaInfo;
  CUserStatic m_odourLabel;
  CUserStatic m_otherLabel;
  CUserButton m_storeGroup;
  CUserButton m_store;
  CUserButton m_overwrite;
  CUserButton m_delete;
  CUserButton m_newRecord;
  CUserButton m_htmGroup;
  CUserButton m_writeHtm;
  CUserEdit m_htmName;
  CUserStatic m_htmSuffix;
  std::array<CUserEdit, RecordFieldCount> m_recordFields;
  std::array<CUserStatic, RecordLabelCount> m_recordLabels;
};

class Cwm_KjemikaliedatabaseDlg : public Cwm_KjemikaliedatabaseBaseDlg {
 public:
  using Cwm_KjemikaliedatabaseBaseDlg::Cwm_KjemikaliedatabaseBaseDlg;
  BOOL OnUserInit(int initialising) override;

 protected:
  afx_msg void OnSearchFromStart();
  afx_msg void OnSearchOnward();
  afx_msg void OnFirstRecord();
  afx_msg void OnPreviousRecord();
  afx_msg void OnNextRecord();
  afx_msg void OnLastRecord();
  afx_msg void OnNextFile();
  afx_msg void OnPreviousFile();
  afx_msg void OnClearSearch();
  afx_msg void OnStore();
  afx_msg void OnOverwrite();
  afx_msg void OnDelete();
  afx_msg void OnNewRecord();
  afx_msg void OnWriteHtm();
  afx_msg void OnShowFormulaInfo();
  afx_msg void OnShowSafetySheet();
  afx_msg void OnFormulaModePlain();
  afx_msg void OnFormulaModeCounts();
  afx_msg void OnFormulaModeQualitative();
  afx_msg void OnWholeWord();
  afx_msg void OnAutoFormulaMass();
  afx_msg void OnStoreAfter();
  afx_msg void OnDeleteWarning();
  afx_msg void OnNumericQuantityChange();
  afx_msg void OnFormulaFieldLeft();
  BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;

  DECLARE_MESSAGE_MAP()

 private:
  // What the command step did: the write or gathering was done and the record shown, a write was
  // refused or failed (the fields keep what was typed), or the search fields were refused.
  enum class StepOutcome { Done, Refused, Stopped };
  // Runs a write (when one is pending), then the search or step, and shows the record it finds.
  // A search (rather than a plain step) that finds nothing says so.
  StepOutcome ExecuteDatabaseCommand(bool search = false);
  bool GatherRecordFields(bool deleting);
  bool ConfirmSafetyTextWarning();
  void ShowRecord(int runResult);
  void FillNameList(bool opening);
  void ReloadChangedDatabase();
  void FillNumericSearchCombos();
  void ShowUnit(const struct NumericQuantity& quantity, int degreeId, int textId, int cubeId);
  bool SearchFieldsEmpty();
  void RunStep();
  void AddShownNameToList();
  void RemoveNameFromList(const std::string& name);
  void CheckNumericField(int fieldId);
  void ShowMessage(const char* text);

  // The name of the record last shown (record line 3).
  std::string shownName_;
};

int OpenChemicalsDatabaseDialog(CWnd* parent);
