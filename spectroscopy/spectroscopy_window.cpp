#include "spectroscopy/spectroscopy_window.h"

#include <algorithm>
#include <cstdlib>
#include <optional>
#include <string>
#include <vector>

#include "spectroscopy/model/spectral_interpretation.h"
#include "spectroscopy/spectral_editor_tables.h"
#include "engine/numbers/number_text.h"
#include "engine/records/record_file.h"
#include "engine/records/table_editor.h"
#include "engine/settings/settings.h"
#include "platform/win/wait_cursor.h"
#include "resources/spectroscopy_ids.h"
#include "runtime/dialog_item_text.h"
#include "runtime/dialog_openers.h"
#include "runtime/editor_list_box.h"
#include "runtime/generated_setup.h"
#include "runtime/record_editor_window.h"

namespace {

using Kind = RecordLineSource::Kind;

constexpr std::size_t FieldLimit = 251;
constexpr std::size_t NumberFieldLimit = 35;
constexpr std::size_t ToleranceTextLimit = 35;
constexpr std::size_t ParentFormulaTextLimit = 78;
constexpr std::size_t TypedParentFormulaLimit = 69;
constexpr std::size_t StoredParentFormulaLimit = 70;

// The fields of an experiment, by the frame's field numbers; the name is the key.
enum ExperimentField { NameField, FormulaField, ToleranceField, MsField, IrField, H1Field, C13Field };

// Nineteen lines: name, parent formula, tolerance, empty, MS, IR, empty, 1H, 13C, ten empty lines.
std::vector<RecordLineSource> ExperimentFrame() {
  std::vector<RecordLineSource> frame = {
      {Kind::Field, NameField, FieldLimit}, {Kind::Field, FormulaField, FieldLimit},
      {Kind::Field, ToleranceField, FieldLimit}, {Kind::Empty},
      {Kind::Field, MsField, FieldLimit},  {Kind::Field, IrField, FieldLimit},
      {Kind::Empty},                       {Kind::Field, H1Field, FieldLimit},
      {Kind::Field, C13Field, FieldLimit},
  };
  frame.resize(19);
  return frame;
}

const TableEditorConfig Experiments{"dats\\datfiles\\atomdata\\spectral.dat",
                                    TableShape::RecordFile,
                                    1,
                                    ExperimentFrame(),
                                    FieldLimit,
                                    false,
                                    false,
                                    "equation",
                                    "en ligning"};

const TableEditorConfig& ExperimentTable() { return Experiments; }

const RecordEditorLayout ExperimentLayout{
    ExperimentTable,
    {{ExperimentNameId, FieldLimit},
     {ParentFormulaId, FieldLimit},
     {MsToleranceId, FieldLimit},
     {MsPeaksId, FieldLimit},
     {IrPeaksId, FieldLimit},
     {H1PeaksId, FieldLimit},
     {C13PeaksId, FieldLimit}},
    NameField,
    ExperimentBeforeId,
    ExperimentAfterId,
    ReplaceExperimentId,
    DeleteExperimentId,
    0,
    ExperimentListId,
    nullptr,
};

std::string NumberText(int value) { return std::to_string(value); }

}  // namespace

void Cwm_MASSSPBaseDlg::ApplyTemplateSetup() {
  ApplyGeneratedSetup(*this, MassspSetup,
                      {m_toleranceLabel,  m_report,          m_electronMassLabel,   m_electronSubscriptLabel,
                       m_msGroup,         m_electronChargeLabel, m_irGroup,         m_h1Group,
                       m_iterate,         m_editListGroup,   m_saveGroup,           m_experimentNameGroup,
                       m_dataGroup,       m_c13Group,        m_showIsoFormula,      m_hit100,
                       m_hit75,           m_hit50,           m_hit25,               m_hitAny,
                       m_hitPercentGroup, m_minimumCountGroup});
}

BEGIN_MESSAGE_MAP(Cwm_MASSSPDlg, Cwm_MASSSPBaseDlg)
ON_BN_CLICKED(CalculateId, RunSpectralInterpretation)
ON_CONTROL(LBN_DBLCLK, ExperimentListId, ShowExperiment)
ON_BN_CLICKED(ClearPeaksId, ClearPeaks)
ON_BN_CLICKED(IterateId, ToggleIterate)
ON_BN_CLICKED(ShowIsoFormulaId, ToggleShowIsoFormula)
ON_BN_CLICKED(Hit100Id, ChooseHit100)
ON_BN_CLICKED(Hit75Id, ChooseHit75)
ON_BN_CLICKED(Hit50Id, ChooseHit50)
ON_BN_CLICKED(Hit25Id, ChooseHit25)
ON_BN_CLICKED(HitAnyId, ChooseHitAny)
ON_CONTROL(EN_KILLFOCUS, MinimumCountIrId, StoreMinimumCountIr)
ON_CONTROL(EN_KILLFOCUS, MinimumCountH1Id, StoreMinimumCountH1)
ON_CONTROL(EN_KILLFOCUS, MinimumCountC13Id, StoreMinimumCountC13)
ON_CONTROL(EN_KILLFOCUS, MsToleranceId, StoreMsTolerance)
ON_CONTROL(EN_KILLFOCUS, ParentFormulaId, StoreParentFormula)
ON_BN_CLICKED(MsTableButtonId, OpenMsTable)
ON_BN_CLICKED(IrTableButtonId, OpenIrTable)
ON_BN_CLICKED(H1TableButtonId, OpenH1Table)
ON_BN_CLICKED(C13TableButtonId, OpenC13Table)
END_MESSAGE_MAP()

CListBox& Cwm_MASSSPDlg::ExperimentList() { return *static_cast<CListBox*>(GetDlgItem(ExperimentListId)); }

BOOL Cwm_MASSSPDlg::OnUserInit(int) {
  RecordEditorWindow(*this, ExperimentList(), ExperimentLayout).LoadList();
  ShowSettingValues();
  return TRUE;
}


// A minimum count below 1 would report records that define no range or shift at all; the window
// starts from counts of at least 1.
void Cwm_MASSSPDlg::ShowSettingValues() {
  for (int* count : {&SpecMinCountIr, &SpecMinCountH1, &SpecMinCountC13})
    if (*count < 1) *count = 1;
  SetDlgItemText(ParentFormulaId, SpecParentFormula.c_str());
  SetDlgItemText(MsToleranceId, NumberText(SpecMsTolerance).c_str());
  SendDlgItemMessage(IterateId, BM_SETCHECK, SpecIterate == 0 ? 1 : 0, 0);
  SendDlgItemMessage(ShowIsoFormulaId, BM_SETCHECK, SpecShowIsoFormula == 1 ? 1 : 0, 0);
  int hitRadio = HitAnyId;
  if (SpecHitPercent == 100)
    hitRadio = Hit100Id;
  else if (SpecHitPercent == 75)
    hitRadio = Hit75Id;
  else if (SpecHitPercent == 50)
    hitRadio = Hit50Id;
  else if (SpecHitPercent == 25)
    hitRadio = Hit25Id;
  SendDlgItemMessage(hitRadio, BM_SETCHECK, 1, 0);
  SetDlgItemText(MinimumCountIrId, NumberText(SpecMinCountIr).c_str());
  SetDlgItemText(MinimumCountH1Id, NumberText(SpecMinCountH1).c_str());
  SetDlgItemText(MinimumCountC13Id, NumberText(SpecMinCountC13).c_str());
}

// A tolerance that is no number is said and nothing is interpreted: the report and the fields stay.
void Cwm_MASSSPDlg::RunSpectralInterpretation() {
  if (!MsToleranceValue(DialogItemText(*this, MsToleranceId, ToleranceTextLimit))) {
    MessageBox(EditorMessageText(Experiments, EditorMessage::IllegalNumber).c_str(), "TAVRIN", MB_OK);
    return;
  }
  std::vector<DamagedSpectralTable> damagedTables;
  {
    WaitCursor wait;
    ShowSpectralReport(damagedTables);
  }
  for (const DamagedSpectralTable& table : damagedTables)
    MessageBoxEditorMessages(*this).Show(DamagedRecordsMessage(table.fileName, table.records));
}

void Cwm_MASSSPDlg::ShowSpectralReport(std::vector<DamagedSpectralTable>& damagedTables) {
  const std::string tolerance = DialogItemText(*this, MsToleranceId, ToleranceTextLimit);
  const std::string formula = DialogItemText(*this, ParentFormulaId, ParentFormulaTextLimit);
  const SpectralPeakLines peaks = {
      DialogItemText(*this, MsPeaksId, FieldLimit), DialogItemText(*this, IrPeaksId, FieldLimit),
      DialogItemText(*this, H1PeaksId, FieldLimit), DialogItemText(*this, C13PeaksId, FieldLimit)};
  SetDlgItemText(ReportFieldId, "");
  const std::string report =
      InterpretSpectra(tolerance, formula, peaks, {SpecMinCountIr, SpecMinCountH1, SpecMinCountC13}, &damagedTables);
  SetDlgItemText(ReportFieldId, report.c_str());
}

void Cwm_MASSSPDlg::ShowExperiment() {
  const int selected = ExperimentList().GetCurSel();
  std::string name;
  if (selected >= 0) ExperimentList().GetText(selected, name);
  const std::vector<std::string> record = FindEditorRecord(Experiments, name);
  if (!record.empty()) {
    RecordEditorWindow(*this, ExperimentList(), ExperimentLayout).OnCommand(ExperimentListId, LBN_DBLCLK);
    SpecParentFormula = RecordLine(record, 2).substr(0, StoredParentFormulaLimit);
    // A stored tolerance that is no number is shown as missing and the experiment is named; one
    // beyond the whole number kept is shown and left to the interpretation to refuse.
    const std::string tolerance = RecordLine(record, 3);
    if (IsDamagedTableNumber(tolerance)) {
      SetDlgItemText(MsToleranceId, "");
      MessageBoxEditorMessages(*this).Show(DamagedRecordsMessage(Experiments.fileName, {name}));
    } else if (const std::optional<double> value = MsToleranceValue(tolerance)) {
      SpecMsTolerance = static_cast<int>(*value);
    }
  }
  RunSpectralInterpretation();
}

void Cwm_MASSSPDlg::ClearPeaks() {
  for (int id : {MsPeaksId, IrPeaksId, H1PeaksId, C13PeaksId}) SetDlgItemText(id, "");
}

void Cwm_MASSSPDlg::ToggleIterate() {
  SpecIterate = SpecIterate == 0 ? 1 : 0;
  RunSpectralInterpretation();
}

void Cwm_MASSSPDlg::ToggleShowIsoFormula() {
  SpecShowIsoFormula = SpecShowIsoFormula == 0 ? 1 : 0;
  RunSpectralInterpretation();
}

void Cwm_MASSSPDlg::ChooseHitPercent(int percent) {
  SpecHitPercent = percent;
  RunSpectralInterpretation();
}

void Cwm_MASSSPDlg::ChooseHit100() { ChooseHitPercent(100); }
void Cwm_MASSSPDlg::ChooseHit75() { ChooseHitPercent(75); }
void Cwm_MASSSPDlg::ChooseHit50() { ChooseHitPercent(50); }
void Cwm_MASSSPDlg::ChooseHit25() { ChooseHitPercent(25); }
void Cwm_MASSSPDlg::ChooseHitAny() { ChooseHitPercent(1); }

// The field's integer, held at its least; the field shows the stored value.
void Cwm_MASSSPDlg::StoreCount(int id, int& value, int least) {
  const int typed = std::atoi(DialogItemText(*this, id, NumberFieldLimit).c_str());
  value = typed < least ? least : typed;
  SetDlgItemText(id, NumberText(value).c_str());
}

void Cwm_MASSSPDlg::StoreMinimumCountIr() { StoreCount(MinimumCountIrId, SpecMinCountIr, 1); }
void Cwm_MASSSPDlg::StoreMinimumCountH1() { StoreCount(MinimumCountH1Id, SpecMinCountH1, 1); }
void Cwm_MASSSPDlg::StoreMinimumCountC13() { StoreCount(MinimumCountC13Id, SpecMinCountC13, 1); }
// The tolerance's whole number, held at 0 and shown as stored. A text that is no number is neither
// stored nor replaced: the interpretation that reads it says so.
void Cwm_MASSSPDlg::StoreMsTolerance() {
  const std::optional<double> value = MsToleranceValue(DialogItemText(*this, MsToleranceId, NumberFieldLimit));
  if (!value) return;
  SpecMsTolerance = std::max(0, static_cast<int>(*value));
  SetDlgItemText(MsToleranceId, NumberText(SpecMsTolerance).c_str());
}

void Cwm_MASSSPDlg::StoreParentFormula() {
  SpecParentFormula = DialogItemText(*this, ParentFormulaId, TypedParentFormulaLimit);
}

void Cwm_MASSSPDlg::OpenMsTable() { OpenMsFragmentDataDialog(this); }

void Cwm_MASSSPDlg::OpenIrTable() {
  SpectralKind = IrSpectralKind;
  OpenIrDataDialog(this);
}

void Cwm_MASSSPDlg::OpenH1Table() {
  SpectralKind = H1SpectralKind;
  OpenNmrDataDialog(this);
}

void Cwm_MASSSPDlg::OpenC13Table() {
  SpectralKind = C13SpectralKind;
  OpenNmrDataDialog(this);
}

// The list buttons store and delete experiments through the shared table-editor window.
BOOL Cwm_MASSSPDlg::OnCommand(WPARAM wParam, LPARAM lParam) {
  const int id = LOWORD(wParam);
  const UINT notification = HIWORD(wParam);
  if (id != ExperimentListId &&
      RecordEditorWindow(*this, ExperimentList(), ExperimentLayout).OnCommand(id, notification))
    return TRUE;
  return Cwm_MASSSPBaseDlg::OnCommand(wParam, lParam);
}

int OpenSpectroscopyDialog(CWnd* parent) { return OpenModalDialog<Cwm_MASSSPDlg>(MassspTemplateName, parent); }
