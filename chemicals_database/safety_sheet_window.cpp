#include "chemicals_database/safety_sheet_window.h"

#include <string>

#include "chemicals_database/database_group.h"
#include "chemicals_database/model/database_engine.h"
#include "chemicals_database/quick_edit_window.h"
#include "engine/settings/settings.h"
#include "platform/services/files.h"
#include "platform/win/control_constants.h"
#include "resources/safety_sheet_ids.h"
#include "runtime/dialog_item_text.h"
#include "runtime/dialog_openers.h"
#include "runtime/generated_setup.h"

ModelessInstance<Cwm_DatabladDlg> SafetyDataSheetWindow;

namespace {

// The field of each section, section 1 first.
constexpr std::array<int, SafetySectionCount> SectionFieldIds = {
    HealthInstructionsFieldId, RiskPhrasesFieldId, SafetyPhrasesFieldId, HealthHazardFieldId, FireHazardFieldId,
    FirstAidFieldId,           PreventiveMeasuresFieldId, StorageFieldId, DisposalFieldId,    OtherFieldId,
};

// The section that takes a transfer of each quick-edit category (0 to 8).
constexpr std::array<int, 9> QuickEditTargetIds = {
    HealthInstructionsFieldId, RiskPhrasesFieldId, SafetyPhrasesFieldId, HealthHazardFieldId, FireHazardFieldId,
    FirstAidFieldId,           PreventiveMeasuresFieldId, StorageFieldId, DisposalFieldId,
};

struct HazardClassList {
  int listId;
  const char* file;
  HazardClass hazardClass;
  std::string* code;
};

const std::array<HazardClassList, 3> HazardClassLists = {{
    {HealthClassListId, "DATS\\datfiles\\fastedit\\fsyhelse.dat", HazardClass::Health, &HealthHazardCode},
    {FireClassListId, "DATS\\datfiles\\fastedit\\fsybrann.dat", HazardClass::Fire, &FireHazardCode},
    {EnvironmentClassListId, "DATS\\datfiles\\fastedit\\fsymiljo.dat", HazardClass::Environment,
     &EnvironmentHazardCode},
}};

std::string ComboText(CWnd& window, int listId, int index) {
  const auto length = window.SendDlgItemMessage(listId, CB_GETLBTEXTLEN, static_cast<WPARAM>(index), 0);
  if (length < 0) return {};
  std::string text(static_cast<std::size_t>(length) + 1, '\0');
  window.SendDlgItemMessage(listId, CB_GETLBTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(text.data()));
  text.resize(static_cast<std::size_t>(length));
  return text;
}

void StoreClassOf(CWnd& window, const HazardClassList& list) {
  const auto selected = window.SendDlgItemMessage(list.listId, CB_GETCURSEL, 0, 0);
  const std::string line = selected < 0 ? std::string() : ComboText(window, list.listId, static_cast<int>(selected));
  *list.code = StoredHazardCode(list.hazardClass, HazardClassCode(line)).substr(0, HazardCodeLimit);
}

}  // namespace

void Cwm_DatabladBaseDlg::ApplyTemplateSetup() {
  ApplyGeneratedSetup(*this, DatabladSetup,
                      {m_sectionLabels, m_hazardHeading, m_fireLabel, m_healthLabel, m_environmentLabel});
}

BEGIN_MESSAGE_MAP(Cwm_DatabladDlg, Cwm_DatabladBaseDlg)
ON_WM_ACTIVATE()
ON_WM_DESTROY()
ON_BN_CLICKED(ClearSectionsId, ClearSections)
ON_BN_CLICKED(InsertTemplatesId, InsertDataSheetTemplates)
ON_BN_CLICKED(QuickEditButtonId, OpenQuickEditor)
ON_CONTROL(CBN_SELCHANGE, HealthClassListId, StoreHealthClass)
ON_CONTROL(CBN_SELCHANGE, FireClassListId, StoreFireClass)
ON_CONTROL(CBN_SELCHANGE, EnvironmentClassListId, StoreEnvironmentClass)
END_MESSAGE_MAP()

BOOL Cwm_DatabladDlg::OnUserInit(int) {
  SafetySheetState = SafetySheetFillFields;
  TransferSafetyText();
  FillHazardClassCombos();
  SelectStoredClasses();
  SafetySheetState = SafetySheetIdle;
  return TRUE;
}

void Cwm_DatabladDlg::FillHazardClassCombos() {
  for (const HazardClassList& list : HazardClassLists) {
    SendDlgItemMessage(list.listId, CB_RESETCONTENT, 0, 0);
    for (const std::string& line : platform::ReadFileLines(list.file).lines) {
      SendDlgItemMessage(list.listId, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(line.c_str()));
    }
  }
}

// Every activation change: the database window's refresh (state 2) fills the fields from the new
// record; any other writes them back into SafetyDataText. Then phrases the quick editor has
// transferred are appended, and the lists show the record's classes.
void Cwm_DatabladDlg::OnActivate(UINT state, CWnd* other, BOOL minimized) {
  if (SafetySheetState != SafetySheetFillFields) SafetySheetState = SafetySheetStoreFields;
  TransferSafetyText();
  SafetySheetState = SafetySheetIdle;
  AppendPendingPhrases();
  SelectStoredClasses();
  Cwm_DatabladBaseDlg::OnActivate(state, other, minimized);
}

void Cwm_DatabladDlg::OnDestroy() {
  SafetySheetState = SafetySheetClosed;
  Cwm_DatabladBaseDlg::OnDestroy();
}

void Cwm_DatabladDlg::TransferSafetyText() {
  if (SafetySheetState == SafetySheetFillFields) {
    ShowSections(SplitSafetySections(SafetyDataText));
  } else if (SafetySheetState == SafetySheetStoreFields) {
    // An over-long section stays in its field, so that nothing typed is lost before the
    // database window asks whether to store without it.
    const JoinedSafetyText joined = JoinSafetySections(ReadSections());
    SafetyDataText = joined.text;
    SafetyTextWarning = joined.warning;
  }
}

void Cwm_DatabladDlg::ShowSections(const SafetySections& sections) {
  for (int index = 0; index < SafetySectionCount; ++index) {
    SetDlgItemText(SectionFieldIds[index], sections[index].c_str());
  }
}

SafetySections Cwm_DatabladDlg::ReadSections() {
  SafetySections sections;
  for (int index = 0; index < SafetySectionCount; ++index) {
    sections[index] = DialogItemText(*this, SectionFieldIds[index], std::string::npos);
  }
  return sections;
}

void Cwm_DatabladDlg::AppendPendingPhrases() {
  if (QuickEditTransferPending != 1) return;
  QuickEditTransferPending = 0;
  if (QuickEditCategory < 0 || QuickEditCategory >= static_cast<int>(QuickEditTargetIds.size())) return;
  const int target = QuickEditTargetIds[static_cast<std::size_t>(QuickEditCategory)];
  const std::string section = DialogItemText(*this, target, std::string::npos);
  SetDlgItemText(target, WithQuickEditText(section, QuickEditText).c_str());
}

void Cwm_DatabladDlg::SelectStoredClasses() {
  for (const HazardClassList& list : HazardClassLists) {
    const auto count = SendDlgItemMessage(list.listId, CB_GETCOUNT, 0, 0);
    int chosen = -1;
    for (int index = 0; index < count && chosen < 0; ++index) {
      if (ComparableHazardCode(ComboText(*this, list.listId, index)) == *list.code) chosen = index;
    }
    SendDlgItemMessage(list.listId, CB_SETCURSEL, static_cast<WPARAM>(chosen), 0);
  }
}

void Cwm_DatabladDlg::ClearSections() {
  ShowSections({});
  SafetySheetState = SafetySheetStoreFields;
  TransferSafetyText();
  SafetySheetState = SafetySheetIdle;
}

void Cwm_DatabladDlg::InsertDataSheetTemplates() {
  ShowSections(SafetySheetTemplates());
  SafetySheetState = SafetySheetStoreFields;
  TransferSafetyText();
  SafetySheetState = SafetySheetIdle;
}

void Cwm_DatabladDlg::OpenQuickEditor() { ShowQuickEditWindow(this); }

void Cwm_DatabladDlg::StoreHealthClass() { StoreClassOf(*this, HazardClassLists[0]); }
void Cwm_DatabladDlg::StoreFireClass() { StoreClassOf(*this, HazardClassLists[1]); }
void Cwm_DatabladDlg::StoreEnvironmentClass() { StoreClassOf(*this, HazardClassLists[2]); }

void ShowSafetyDataSheetWindow(CWnd* parent) {
  ShowModelessWindow(SafetyDataSheetWindow, DatabladTemplateName, parent);
}
