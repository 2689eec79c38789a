#include "spectroscopy/ir_table_editor.h"

#include <cstdlib>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "spectroscopy/spectral_field_numbers.h"
#include "engine/records/table_editor.h"
#include "engine/settings/settings.h"
#include "resources/ir_table_editor_ids.h"
#include "runtime/dialog_item_text.h"
#include "runtime/dialog_openers.h"
#include "runtime/editor_list_box.h"
#include "runtime/generated_setup.h"
#include "runtime/record_editor_window.h"

namespace {

using Kind = RecordLineSource::Kind;

constexpr std::size_t TextFieldLimit = 251;
constexpr std::size_t WaveNumberLimit = 35;

// Fields: 0 the assignment (the key), 1 the comment, 2 to 17 the low and high ends of the ranges.
constexpr int FirstRangeField = 2;
constexpr int RangeFieldCount = 2 * IrRangeCount;

// Nineteen lines: assignment, an empty line, comment, then low and high end of each range.
std::vector<RecordLineSource> IrFrame() {
  std::vector<RecordLineSource> frame{
      {Kind::Field, 0, TextFieldLimit}, {Kind::Empty}, {Kind::Field, 1, TextFieldLimit}};
  for (int field = FirstRangeField; field < FirstRangeField + RangeFieldCount; ++field)
    frame.push_back({Kind::Field, field, WaveNumberLimit});
  return frame;
}

TableEditorConfig IrEditor(const char* fileName) {
  return {
      .fileName = fileName,
      .shape = TableShape::RecordFile,
      .keyLine = 1,
      .frame = IrFrame(),
      .keyLimit = TextFieldLimit,
      .setsListFileChanged = false,
      .highlightBeforeOptions = false,
      .duplicateNounEnglish = "element",
      .duplicateNounNorwegian = "et element",
  };
}

const TableEditorConfig NorwegianIrTable = IrEditor("dats\\datfiles\\atomdata\\noirdata.dat");
const TableEditorConfig EnglishIrTable = IrEditor("dats\\datfiles\\atomdata\\enirdata.dat");
const TableEditorConfig NorwegianUvTable = IrEditor("dats\\datfiles\\atomdata\\nouvdata.dat");
const TableEditorConfig EnglishUvTable = IrEditor("dats\\datfiles\\atomdata\\enuvdata.dat");

bool Norwegian() { return LanguageCode == NorwegianLanguage; }

// The UV table for its kind; the IR table for any other, so that the editor always names one table.
const TableEditorConfig& IrTable() {
  if (SpectralKind == UvSpectralKind) return Norwegian() ? NorwegianUvTable : EnglishUvTable;
  return Norwegian() ? NorwegianIrTable : EnglishIrTable;
}

std::vector<EditorFieldControl> IrFieldControls() {
  std::vector<EditorFieldControl> fields{{IrAssignmentFieldId, TextFieldLimit}, {IrCommentFieldId, TextFieldLimit}};
  for (int i = 0; i < RangeFieldCount; ++i) fields.push_back({FirstRangeFieldId + i, WaveNumberLimit});
  return fields;
}

const RecordEditorLayout IrLayout{
    .table = IrTable,
    .fields = IrFieldControls(),
    .keyField = 0,
    .beforeId = IrBeforeId,
    .afterId = IrAfterId,
    .replaceId = ReplaceIrRecordId,
    .deleteId = DeleteIrRecordId,
    .eraseFieldsId = EraseIrFieldsId,
    .listId = IrListId,
    .checkFields = nullptr,
};

bool AddsRecord(int id) { return id == IrBeforeId || id == IrAfterId || id == ReplaceIrRecordId; }

enum class RangeFinding { None, NumberError, TooLow, MissingWaveNumber };

std::string FindingText(RangeFinding finding) {
  switch (finding) {
    case RangeFinding::NumberError: return Norwegian() ? "TALLFEIL\n\n" : "NUMBER ERROR\n\n";
    case RangeFinding::TooLow: return Norwegian() ? "FOR LAV TALLVERDI\n\n" : "NUMBER TO LOW \n\n";
    case RangeFinding::MissingWaveNumber:
      return Norwegian() ? "MANGLENDE B\xD8LGETALL\n\n" : "MISSING WAVE NUMBER(S)\n\n";
    case RangeFinding::None: break;
  }
  return {};
}

// One end of a range; an empty end passes here. The number parser refuses a number longer than the
// table keeps of an end.
RangeFinding JudgeRangeEnd(const std::string& blankFree) {
  if (blankFree.empty()) return RangeFinding::None;
  const std::optional<double> value = TableNumberValue(blankFree);
  if (!value) return RangeFinding::NumberError;
  return *value < 0 ? RangeFinding::TooLow : RangeFinding::None;
}

// The high end's finding replaces the low end's; a range with one end alone misses the other.
RangeFinding JudgeRange(const std::string& low, const std::string& high) {
  RangeFinding finding = JudgeRangeEnd(low);
  if (const RangeFinding highFinding = JudgeRangeEnd(high); highFinding != RangeFinding::None) finding = highFinding;
  if (finding == RangeFinding::None && low.empty() != high.empty()) finding = RangeFinding::MissingWaveNumber;
  return finding;
}

}  // namespace

void Cwm_MASSIRDATBaseDlg::ApplyTemplateSetup() {
  ApplyGeneratedSetup(
      *this, MassirdatSetup,
      {m_assignmentLabel, m_rangeDash6, m_rangeDash1, m_commentLabel, m_rangeDash2, m_rangeDash3, m_absorptionAreaGroup,
       m_editListGroup, m_addAssignmentGroup, m_rangeDash4, m_rangeDash5, m_rangeDash7, m_rangeDash8});
}

CListBox& Cwm_MASSIRDATDlg::AssignmentList() { return *static_cast<CListBox*>(GetDlgItem(IrListId)); }

BOOL Cwm_MASSIRDATDlg::OnUserInit(int) {
  RecordEditorWindow(*this, AssignmentList(), IrLayout).LoadList();
  return TRUE;
}

// The ranges are judged in order, up to the first with a finding. When all pass, a range whose
// high end lies below its low end has its ends exchanged, and every end shows its blank-free text.
bool Cwm_MASSIRDATDlg::AcceptRanges() {
  std::vector<std::pair<std::string, std::string>> ranges;
  for (int k = 0; k < IrRangeCount; ++k) {
    const int low = FirstRangeFieldId + 2 * k;
    ranges.emplace_back(BlankFreeFieldText(*this, low), BlankFreeFieldText(*this, low + 1));
    if (const RangeFinding finding = JudgeRange(ranges.back().first, ranges.back().second);
        finding != RangeFinding::None) {
      MessageBoxEditorMessages(*this).Show(FindingText(finding));
      return false;
    }
  }
  for (int k = 0; k < IrRangeCount; ++k) {
    auto& [low, high] = ranges[static_cast<std::size_t>(k)];
    if (!(std::atof(high.c_str()) >= std::atof(low.c_str()))) std::swap(low, high);
    const int lowId = FirstRangeFieldId + 2 * k;
    for (const auto& [id, text] : {std::pair{lowId, low}, std::pair{lowId + 1, high}}) {
      if (DialogItemText(*this, id, std::string::npos) != text) SetDlgItemText(id, text.c_str());
    }
  }
  return true;
}

void Cwm_MASSIRDATDlg::AddIrDataRecord(int button) {
  if (AcceptRanges()) RecordEditorWindow(*this, AssignmentList(), IrLayout).OnCommand(button, BN_CLICKED);
}

BOOL Cwm_MASSIRDATDlg::OnCommand(WPARAM wParam, LPARAM lParam) {
  const int id = LOWORD(wParam);
  const UINT notification = HIWORD(wParam);
  if (notification == BN_CLICKED && AddsRecord(id)) {
    AddIrDataRecord(id);
    return TRUE;
  }
  if (RecordEditorWindow(*this, AssignmentList(), IrLayout).OnCommand(id, notification)) return TRUE;
  return Cwm_MASSIRDATBaseDlg::OnCommand(wParam, lParam);
}

int OpenIrDataDialog(CWnd* parent) { return OpenModalDialog<Cwm_MASSIRDATDlg>(MassirdatTemplateName, parent); }
