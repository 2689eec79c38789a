#include "spectroscopy/ms_table_editor.h"

#include <string>
#include <vector>

#include "engine/formula/formula_mass.h"
#include "engine/numbers/number_text.h"
#include "engine/records/record_file.h"
#include "engine/records/table_editor.h"
#include "engine/settings/settings.h"
#include "resources/ms_table_editor_ids.h"
#include "runtime/dialog_item_text.h"
#include "runtime/dialog_openers.h"
#include "runtime/editor_list_box.h"
#include "runtime/generated_setup.h"
#include "runtime/record_editor_window.h"

namespace {

using Kind = RecordLineSource::Kind;

// The isotope formula is read as far as the formula parser reads a formula; it is the key, and the
// list and the table hold the same text of it.
constexpr std::size_t IsoFormulaLimit = 78;
constexpr std::size_t TextFieldLimit = 251;

// Nine lines: the isotope formula, its mass, an empty line, the assignment, five empty lines.
std::vector<RecordLineSource> MsFragmentFrame() {
  return {
      {Kind::Field, 0, IsoFormulaLimit},
      {Kind::Field, 1, TextFieldLimit},
      {Kind::Empty},
      {Kind::Field, 2, TextFieldLimit},
      {Kind::Empty},
      {Kind::Empty},
      {Kind::Empty},
      {Kind::Empty},
      {Kind::Empty},
  };
}

TableEditorConfig MsFragmentEditor(const char* fileName) {
  return {
      .fileName = fileName,
      .shape = TableShape::RecordFile,
      .keyLine = 1,
      .frame = MsFragmentFrame(),
      .keyLimit = IsoFormulaLimit,
      .setsListFileChanged = false,
      .highlightBeforeOptions = false,
      .duplicateNounEnglish = "formula",
      .duplicateNounNorwegian = "en formel",
  };
}

const TableEditorConfig NorwegianMsFragments = MsFragmentEditor("dats\\datfiles\\atomdata\\nomsfrag.dat");
const TableEditorConfig EnglishMsFragments = MsFragmentEditor("dats\\datfiles\\atomdata\\enmsfrag.dat");

const TableEditorConfig& MsFragments() {
  return LanguageCode == NorwegianLanguage ? NorwegianMsFragments : EnglishMsFragments;
}

const RecordEditorLayout MsFragmentLayout{
    .table = MsFragments,
    .fields = {{IsoFormulaFieldId, IsoFormulaLimit},
               {CalculatedMassFieldId, TextFieldLimit},
               {MsAssignmentFieldId, TextFieldLimit}},
    .keyField = 0,
    .beforeId = MsFragmentBeforeId,
    .afterId = MsFragmentAfterId,
    .replaceId = ReplaceMsFragmentId,
    .deleteId = DeleteMsFragmentId,
    .eraseFieldsId = EraseMsFragmentFieldsId,
    .listId = MsFragmentListId,
    .checkFields = nullptr,
};

bool AddsRecord(int id) { return id == MsFragmentBeforeId || id == MsFragmentAfterId || id == ReplaceMsFragmentId; }

}  // namespace

void Cwm_MASSMSDATBaseDlg::ApplyTemplateSetup() {
  ApplyGeneratedSetup(*this, MassmsdatSetup,
                      {m_isoFormulaLabel, m_assignmentLabel, m_addIsoFormulaGroup, m_editListGroup, m_calculatedMass,
                       m_calculatedMassLabel});
}

CListBox& Cwm_MASSMSDATDlg::FragmentList() { return *static_cast<CListBox*>(GetDlgItem(MsFragmentListId)); }

BOOL Cwm_MASSMSDATDlg::OnUserInit(int) {
  RecordEditorWindow(*this, FragmentList(), MsFragmentLayout).LoadList();
  return TRUE;
}

bool Cwm_MASSMSDATDlg::ShowCalculatedMass() {
  std::string formula = DialogItemText(*this, IsoFormulaFieldId, IsoFormulaLimit);
  const float mass = FormulaMass(formula);
  if (mass > -1.0f) {
    SetDlgItemText(CalculatedMassFieldId, FormatNumberFixed(mass).c_str());
    return true;
  }
  MessageBoxEditorMessages(*this).Show(LanguageCode == NorwegianLanguage ? "FORMELFEIL\n\n" : "FORMULA ERROR\n\n");
  return false;
}

// The mass is calculated, and shown, before the list decides whether the record may be added.
void Cwm_MASSMSDATDlg::AddMsFragmentRecord(int button) {
  std::string formula = DialogItemText(*this, IsoFormulaFieldId, std::string::npos);
  if (!formula.empty() && formula.front() == RecordSeparatorMark) {
    formula.front() = ' ';
    SetDlgItemText(IsoFormulaFieldId, formula.c_str());
  }
  if (ShowCalculatedMass()) RecordEditorWindow(*this, FragmentList(), MsFragmentLayout).OnCommand(button, BN_CLICKED);
}

BOOL Cwm_MASSMSDATDlg::OnCommand(WPARAM wParam, LPARAM lParam) {
  const int id = LOWORD(wParam);
  const UINT notification = HIWORD(wParam);
  if (notification == BN_CLICKED && AddsRecord(id)) {
    AddMsFragmentRecord(id);
    return TRUE;
  }
  if (RecordEditorWindow(*this, FragmentList(), MsFragmentLayout).OnCommand(id, notification)) return TRUE;
  return Cwm_MASSMSDATBaseDlg::OnCommand(wParam, lParam);
}

int OpenMsFragmentDataDialog(CWnd* parent) { return OpenModalDialog<Cwm_MASSMSDATDlg>(MassmsdatTemplateName, parent); }
