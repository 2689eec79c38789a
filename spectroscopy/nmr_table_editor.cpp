#include "spectroscopy/nmr_table_editor.h"

#include <optional>
#include <string>
#include <vector>

#include "spectroscopy/spectral_field_numbers.h"
#include "engine/records/table_editor.h"
#include "engine/settings/settings.h"
#include "resources/nmr_table_editor_ids.h"
#include "runtime/dialog_item_text.h"
#include "runtime/dialog_openers.h"
#include "runtime/editor_list_box.h"
#include "runtime/generated_setup.h"
#include "runtime/record_editor_window.h"

namespace {

using Kind = RecordLineSource::Kind;

constexpr std::size_t TextFieldLimit = 251;
// A shift or a tolerance lies within this many ppm of 0.
constexpr double ShiftLimit = 1000.0;

// Fields: 0 the assignment (the key), 1 the comment, 2 the tolerance, 3 to 47 the shifts.
constexpr int FirstShiftField = 3;

// Forty-nine lines: assignment, comment, tolerance, the 45 shifts, an empty line.
std::vector<RecordLineSource> NmrFrame() {
  std::vector<RecordLineSource> frame;
  for (int field = 0; field < FirstShiftField + ShiftFieldCount; ++field)
    frame.push_back({Kind::Field, field, TextFieldLimit});
  frame.push_back({Kind::Empty});
  return frame;
}

TableEditorConfig NmrEditor(const char* fileName) {
  return {
      .fileName = fileName,
      .shape = TableShape::RecordFile,
      .keyLine = 1,
      .frame = NmrFrame(),
      .keyLimit = TextFieldLimit,
      .setsListFileChanged = false,
      .highlightBeforeOptions = false,
      .duplicateNounEnglish = "element",
      .duplicateNounNorwegian = "et element",
  };
}

const TableEditorConfig NorwegianH1Table = NmrEditor("dats\\datfiles\\atomdata\\nohnmr.dat");
const TableEditorConfig EnglishH1Table = NmrEditor("dats\\datfiles\\atomdata\\enhnmr.dat");
const TableEditorConfig NorwegianC13Table = NmrEditor("dats\\datfiles\\atomdata\\nocnmr.dat");
const TableEditorConfig EnglishC13Table = NmrEditor("dats\\datfiles\\atomdata\\encnmr.dat");

bool Norwegian() { return LanguageCode == NorwegianLanguage; }

// The 13C table for its kind; the 1H table for any other, so that the editor always names one table.
bool EditsC13() { return SpectralKind == C13SpectralKind; }

const TableEditorConfig& NmrTable() {
  if (EditsC13()) return Norwegian() ? NorwegianC13Table : EnglishC13Table;
  return Norwegian() ? NorwegianH1Table : EnglishH1Table;
}

std::vector<EditorFieldControl> NmrFieldControls() {
  std::vector<EditorFieldControl> fields{{NmrAssignmentFieldId, TextFieldLimit},
                                         {NmrCommentFieldId, TextFieldLimit},
                                         {NmrToleranceFieldId, TextFieldLimit}};
  for (int i = 0; i < ShiftFieldCount; ++i) fields.push_back({FirstShiftFieldId + i, TextFieldLimit});
  return fields;
}

const RecordEditorLayout NmrLayout{
    .table = NmrTable,
    .fields = NmrFieldControls(),
    .keyField = 0,
    .beforeId = NmrBeforeId,
    .afterId = NmrAfterId,
    .replaceId = ReplaceNmrRecordId,
    .deleteId = DeleteNmrRecordId,
    .eraseFieldsId = EraseNmrFieldsId,
    .listId = NmrListId,
    .checkFields = nullptr,
};

bool AddsRecord(int id) { return id == NmrBeforeId || id == NmrAfterId || id == ReplaceNmrRecordId; }

enum class NumberFinding { None, NumberError, TooHighOrLow, NegativeTolerance };

std::string FindingText(NumberFinding finding) {
  switch (finding) {
    case NumberFinding::NumberError: return Norwegian() ? "TALLFEIL\n\n" : "NUMBER ERROR\n\n";
    case NumberFinding::TooHighOrLow: return Norwegian() ? "FOR H\xD8Y/LAV TALLVERDI\n\n" : "NUMBER TO HIGH/LOW \n\n";
    case NumberFinding::NegativeTolerance:
      return Norwegian() ? "+/- FELTET SKAL INNEHOLDE ET POSITIVT TALL\n\n"
                         : "THE +/- FIELD CAN'T CONTAIN A NEGATIVE NUMBER\n\n";
    case NumberFinding::None: break;
  }
  return {};
}

// The finding of one field; an empty field passes.
NumberFinding JudgeNumberField(const std::string& blankFree, bool tolerance) {
  if (blankFree.empty()) return NumberFinding::None;
  const std::optional<double> value = TableNumberValue(blankFree);
  if (!value) return NumberFinding::NumberError;
  NumberFinding finding = NumberFinding::None;
  if (*value > ShiftLimit || *value < -ShiftLimit) finding = NumberFinding::TooHighOrLow;
  if (tolerance && *value < 0) finding = NumberFinding::NegativeTolerance;
  return finding;
}

}  // namespace

void Cwm_MASSNMRBaseDlg::ApplyTemplateSetup() {
  ApplyGeneratedSetup(*this, MassnmrSetup,
                      {m_editListGroup, m_addAssignmentGroup, m_assignmentLabel, m_commentLabel, m_resonanceAreaGroup,
                       m_toleranceLabel});
}

CListBox& Cwm_MASSNMRDlg::AssignmentList() { return *static_cast<CListBox*>(GetDlgItem(NmrListId)); }

BOOL Cwm_MASSNMRDlg::OnUserInit(int) {
  RecordEditorWindow(*this, AssignmentList(), NmrLayout).LoadList();
  SetTexts();
  return TRUE;
}

// The caption names the table; most English texts go with any language but Norwegian, the
// assignment label and the frame of the shifts only with English.
void Cwm_MASSNMRDlg::SetTexts() {
  const char* nucleus = EditsC13() ? "C[13]" : "H[1]";
  SetWindowText((std::string(Norwegian() ? "SPEKTROSKOPI - " : "SPECTROSCOPY - ") + nucleus + " DATA").c_str());
  if (!Norwegian()) {
    SetDlgItemText(NmrCommentLabelId, "Comment :");
    SetDlgItemText(NmrEditListGroupId, "Edit list box");
    SetDlgItemText(NmrAddAssignmentGroupId, "Add assignment");
    SetDlgItemText(NmrBeforeId, "Before");
    SetDlgItemText(NmrAfterId, "After");
    SetDlgItemText(ReplaceNmrRecordId, "Replace");
    SetDlgItemText(DeleteNmrRecordId, "Delete");
    SetDlgItemText(EraseNmrFieldsId, "Erase text");
    SetDlgItemText(NmrCloseId, "Close");
  }
  if (LanguageCode == EnglishLanguage) {
    SetDlgItemText(ResonanceAreaGroupId, "Resonance area (ppm)");
    SetDlgItemText(NmrAssignmentLabelId, "Assignment :");
  }
}

// Every field is judged, the tolerance first and the shifts in id order; the last finding is the
// one the user is told.
bool Cwm_MASSNMRDlg::AcceptNumberFields() {
  std::vector<std::pair<int, std::string>> fields{
      {NmrToleranceFieldId, BlankFreeFieldText(*this, NmrToleranceFieldId)}};
  for (int i = 0; i < ShiftFieldCount; ++i)
    fields.emplace_back(FirstShiftFieldId + i, BlankFreeFieldText(*this, FirstShiftFieldId + i));
  NumberFinding finding = NumberFinding::None;
  for (const auto& [id, text] : fields) {
    if (const NumberFinding found = JudgeNumberField(text, id == NmrToleranceFieldId); found != NumberFinding::None)
      finding = found;
  }
  if (finding != NumberFinding::None) {
    MessageBoxEditorMessages(*this).Show(FindingText(finding));
    return false;
  }
  for (const auto& [id, text] : fields) {
    if (DialogItemText(*this, id, std::string::npos) != text) SetDlgItemText(id, text.c_str());
  }
  return true;
}

void Cwm_MASSNMRDlg::AddNmrRecord(int button) {
  if (AcceptNumberFields()) RecordEditorWindow(*this, AssignmentList(), NmrLayout).OnCommand(button, BN_CLICKED);
}

BOOL Cwm_MASSNMRDlg::OnCommand(WPARAM wParam, LPARAM lParam) {
  const int id = LOWORD(wParam);
  const UINT notification = HIWORD(wParam);
  if (notification == BN_CLICKED && AddsRecord(id)) {
    AddNmrRecord(id);
    return TRUE;
  }
  if (RecordEditorWindow(*this, AssignmentList(), NmrLayout).OnCommand(id, notification)) return TRUE;
  return Cwm_MASSNMRBaseDlg::OnCommand(wParam, lParam);
}

int OpenNmrDataDialog(CWnd* parent) { return OpenModalDialog<Cwm_MASSNMRDlg>(MassnmrTemplateName, parent); }
