#include "calculators/curve_fit_window.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <optional>
#include <string>
#include <utility>

#include "engine/numbers/number_text.h"
#include "engine/records/record_file.h"
#include "engine/records/table_editor.h"
#include "engine/settings/settings.h"
#include "platform/gdi/gdi_wrappers.h"
#include "platform/printing/print_dialog.h"
#include "platform/win/paint_dc.h"
#include "platform/win/wait_cursor.h"
#include "resources/curve_fit_ids.h"
#include "runtime/dialog_item_text.h"
#include "runtime/dialog_openers.h"
#include "runtime/editor_list_box.h"
#include "runtime/generated_setup.h"
#include "runtime/list_editor_window.h"
#include "runtime/shell_dialogs.h"
#include "calculators/model/curve_data.h"
#include "calculators/model/curve_data_sets.h"
#include "calculators/model/curve_plot_geometry.h"
#include "calculators/curve_fit_print.h"

namespace {

constexpr std::size_t TextLimit = 251;
constexpr std::size_t RangeTextLimit = 37;
constexpr std::size_t DataSetNameLimit = 251;

// The window's client pixels: the plot with its texts, and the regions of the three texts.
constexpr RECT FullRepaintRegion = {0, 132, 497, 426};
constexpr RECT TitleRegion = {0, 135, 497, 169};
constexpr RECT XAxisTextRegion = {80, 404, 497, 424};
constexpr int PointRadius = 5;
constexpr int TurnedText = 900;

enum PaintReason { FullRepaint, TitleOnly, XAxisTextOnly, YAxisTextOnly };
enum DataMessage { NoDataMessage, TooManyNumbers, TooManyCharacters, FitNotFinite, DataRefused };

// A data message is shown after the paint of a fit the user asked for, not inside it, so that the
// repaint which follows the message's closing does not raise it again.
constexpr UINT ShowDataMessageMessage = WM_USER + 1;

// What the window keeps between openings.
struct CurveWindowState {
  CurveRanges axisRanges;   // CurveAxisRanges: the ranges the next fit is given
  CurveRanges shownRanges;  // CurveShownRanges: as last shown in the range fields
  std::string title;
  std::string xAxisText;
  std::string yAxisText;
  int paintReason = FullRepaint;
  bool keepRanges = false;  // CurveFitKeepRanges
  int leftmostYLabelX = PlotFrameLeft;
};
CurveWindowState State;

void Draw(CDC& dc, const DrawingLine& line) {
  dc.MoveTo(static_cast<int>(line.from.x), static_cast<int>(line.from.y));
  dc.LineTo(static_cast<int>(line.to.x), static_cast<int>(line.to.y));
}

class PlotFont {
 public:
  PlotFont(CDC& dc, int height, int escapement) : dc_(dc) {
    font_.CreateFont(height, 0, escapement, 0, FW_NORMAL, 0, 0, 0, 0, 0, 0, 0, 0, "Times New Roman");
    previous_ = dc_.SelectObject(&font_);
  }
  ~PlotFont() { dc_.SelectObject(previous_); }
  PlotFont(const PlotFont&) = delete;
  PlotFont& operator=(const PlotFont&) = delete;

 private:
  CDC& dc_;
  CFont font_;
  CFont* previous_ = nullptr;
};

void Draw(CDC& dc, const DrawingText& text) {
  PlotFont font(dc, text.height, text.turned ? TurnedText : 0);
  dc.TextOut(static_cast<int>(text.at.x), static_cast<int>(text.at.y), text.text);
}

const char* PrintFailureText() {
  return LanguageCode == NorwegianLanguage ? "UTSKRIFTSFEIL\n\nFiguren ble ikke skrevet ut!"
                                           : "PRINT ERROR\n\nThe plot was not printed!";
}

// The typed text as it should have been written: the decimal point for the comma, the exponent
// without its '+'.
std::string Corrected(const CurveDataRefusal& refusal) {
  std::string text = refusal.text;
  if (refusal.fault == CurveDataFault::DecimalComma) std::ranges::replace(text, ',', '.');
  if (refusal.fault == CurveDataFault::PlusInExponent) std::erase(text, '+');
  return text;
}

// Which number of which pair was refused, and why.
std::string RefusalText(const CurveDataRefusal& refusal) {
  const bool norwegian = LanguageCode == NorwegianLanguage;
  std::string text = norwegian ? "UGYLDIGE DATA\n\nTallpar " : "INVALID DATA\n\nPair ";
  text += std::to_string(refusal.pair) + (refusal.y ? ", Y: \"" : ", X: \"") + refusal.text + "\"\n";
  switch (refusal.fault) {
    case CurveDataFault::NotANumber: text += norwegian ? "er ikke et tall." : "is not a number."; break;
    case CurveDataFault::PlusInExponent:
      text += (norwegian ? "Skriv eksponenten uten plusstegn: " : "Write the exponent without a plus sign: ") +
              Corrected(refusal);
      break;
    case CurveDataFault::DecimalComma:
      text += (norwegian ? "Skriv desimaltegnet som punktum: " : "Write the decimal sign as a point: ") +
              Corrected(refusal) + (norwegian ? "\nog skill tallene med mellomrom." : "\nand separate numbers by blanks.");
      break;
  }
  return text + (norwegian ? "\n\nIngenting ble tilpasset." : "\n\nNothing was fitted.");
}

const char* DataMessageText(int message) {
  const bool norwegian = LanguageCode == NorwegianLanguage;
  if (message == TooManyNumbers)
    return norwegian ? "FOR MANGE TALLPAR\n\nMax 200 X,Y-punkter!" : "TOO MANY NUMBERS\n\nMax 200 X,Y-points";
  if (message == FitNotFinite)
    return norwegian ? "TALLOVERFLYT\n\nTilpasningen av disse dataene g\xE5r utenfor tallomr\xE5"
                       "det!"
                     : "NUMBER OVERFLOW\n\nThe fit of these data goes beyond the range of numbers!";
  return norwegian ? "FOR MANGE TEGN I EDITERINGSFELTET DATA: (X Y)" : "TOO MANY CHARACTERS IN DATA: (X Y) EDIT FIELD";
}

// A data set's fields as the window shows them, by CurveDataSetField.
std::vector<std::string> CurveDataSetFields(CWnd& dialog) {
  std::vector<std::string> fields(CurveDataSetFieldCount);
  fields[TitleField] = DialogItemText(dialog, TitleFieldId, TextLimit);
  fields[XAxisTextField] = DialogItemText(dialog, XAxisFieldId, TextLimit);
  fields[YAxisTextField] = DialogItemText(dialog, YAxisFieldId, TextLimit);
  fields[XMinField] = DialogItemText(dialog, XMinFieldId, RangeTextLimit);
  fields[XMaxField] = DialogItemText(dialog, XMaxFieldId, RangeTextLimit);
  fields[YMinField] = DialogItemText(dialog, YMinFieldId, RangeTextLimit);
  fields[YMaxField] = DialogItemText(dialog, YMaxFieldId, RangeTextLimit);
  fields[OptionFlagsField] = CurveOptionFlags(CurveFitHidePoints, CurveFitGrid, CurveFitFrame);
  fields[ModelField] = std::to_string(CurveFitModel);
  fields[DataField] = StoredCurveData(DialogItemText(dialog, CurveDataFieldId, CurveDataTextLimit));
  return fields;
}

// What a data-set file held before its opening separator becomes a record, kept behind the first
// data set the window adds.
const ListEditorLayout DataSetList{CurveDataSetEditor,
                                   DataSetListId,
                                   {AddBeforeId, AddAfterId, ReplaceDataSetId, DeleteDataSetId},
                                   {DataSetNameId, DataSetNameLimit},
                                   CurveDataSetFields,
                                   EnsureOpeningSeparator,
                                   true};

}  // namespace

void Cwm_FUNCPLOTBaseDlg::ApplyTemplateSetup() {
  ApplyGeneratedSetup(
      *this, FuncplotSetup,
      {m_topPanel,      m_hiddenRadios,      m_hidePoints,    m_functionLabel, m_rSquaredLabel,    m_hiddenRangeLabel,
       m_rangeHeadings, m_hiddenXyCheck,     m_editListGroup, m_saveGroup,     m_dataSetNameGroup, m_printPlot,
       m_raisedTwo,     m_sseLabel,          m_grid,          m_frame,         m_function,         m_rSquared,
       m_sse,           m_hiddenTextLabel,   m_rightPanel,    m_dataGroup,     m_textHeadings,     m_curveGroup,
       m_data,          m_hiddenPrinterGroup});
}

BEGIN_MESSAGE_MAP(Cwm_FUNCPLOTDlg, Cwm_FUNCPLOTBaseDlg)
TAVRIN_MAP_ENTRY(WM_PAINT, self->PaintCurvePlot(); return 0;)
TAVRIN_MAP_ENTRY(ShowDataMessageMessage, self->ShowDataMessage(); return 0;)
ON_BN_CLICKED(CalculateFitId, ApplyAxisRanges)
ON_BN_CLICKED(HidePointsId, ToggleHidePoints)
ON_BN_CLICKED(GridId, ToggleGrid)
ON_BN_CLICKED(FrameId, ToggleFrame)
ON_CONTROL(LBN_SELCHANGE, ModelListId, SelectFitModel)
ON_CONTROL(EN_CHANGE, CurveDataFieldId, DataChanged)
ON_CONTROL(EN_CHANGE, TitleFieldId, TitleChanged)
ON_CONTROL(EN_CHANGE, XAxisFieldId, XAxisTextChanged)
ON_CONTROL(EN_CHANGE, YAxisFieldId, YAxisTextChanged)
ON_LIST_EDITOR_BUTTONS(DataSetList, EditDataSetList)
ON_BN_CLICKED(FileWriteId, DeleteDataSet)
ON_CONTROL(LBN_DBLCLK, DataSetListId, LoadCurveDataSet)
ON_BN_CLICKED(RepaintPlotId, RepaintCurvePlot)
ON_BN_CLICKED(PrintPlotId, PrintCurvePlot)
ON_BN_CLICKED(PrintOptionsId, OpenPrintOptions)
END_MESSAGE_MAP()

BOOL Cwm_FUNCPLOTDlg::OnUserInit(int) {
  LoadCurveDataSetNames();
  return TRUE;
}

void Cwm_FUNCPLOTDlg::LoadCurveDataSetNames() {
  ListEditorWindow(*this, DataSetList).LoadList();
  auto* models = static_cast<CListBox*>(GetDlgItem(ModelListId));
  for (const std::string& text : CurveModelListTexts(LanguageCode == NorwegianLanguage)) models->AddString(text.c_str());
  models->SetCurSel(CurveModelListEntry(CurveFitModel));
  if (CurveFitHidePoints == 1) SendDlgItemMessage(HidePointsId, BM_SETCHECK, 1, 0);
  if (CurveFitGrid == 1) SendDlgItemMessage(GridId, BM_SETCHECK, 1, 0);
  if (CurveFitFrame == 1) SendDlgItemMessage(FrameId, BM_SETCHECK, 1, 0);
  State.keepRanges = false;
}

// Reads the four range fields into the ranges the next fit is given and says whether one differs
// from what was last shown. A field that holds no number is named in the illegal-number message;
// the ranges in force and every field stay as they are.
Cwm_FUNCPLOTDlg::RangeReading Cwm_FUNCPLOTDlg::ReadAxisRanges() {
  const std::array<std::pair<int, const char*>, 4> fields = {
      {{XMinFieldId, "X min"}, {XMaxFieldId, "X max"}, {YMinFieldId, "Y min"}, {YMaxFieldId, "Y max"}}};
  std::array<double, 4> values{};
  for (std::size_t i = 0; i < fields.size(); ++i) {
    const std::optional<double> value = TypedRangeValue(DialogItemText(*this, fields[i].first, RangeTextLimit));
    if (!value) {
      const std::string text =
          EditorMessageText(CurveDataSetEditor(), EditorMessage::IllegalNumber) + "\n\n" + fields[i].second;
      MessageBox(text.c_str(), "TAVRIN", MB_OK);
      return RangeReading::Refused;
    }
    values[i] = *value;
  }
  State.axisRanges = {values[0], values[1], values[2], values[3]};
  return State.axisRanges == State.shownRanges ? RangeReading::Unchanged : RangeReading::Changed;
}

void Cwm_FUNCPLOTDlg::ApplyAxisRanges() {
  const RangeReading reading = ReadAxisRanges();
  if (reading == RangeReading::Refused) return;
  State.keepRanges = reading == RangeReading::Changed;
  RepaintCurvePlot();
}

// The option follows its check box; the plot is fitted again only with ranges it can use.
void Cwm_FUNCPLOTDlg::ToggleCurveOption(int& option) {
  const RangeReading reading = ReadAxisRanges();
  option = option == 1 ? 0 : 1;
  if (reading == RangeReading::Changed)
    ApplyAxisRanges();
  else if (reading == RangeReading::Unchanged)
    RepaintCurvePlot();
}

void Cwm_FUNCPLOTDlg::ToggleHidePoints() { ToggleCurveOption(CurveFitHidePoints); }
void Cwm_FUNCPLOTDlg::ToggleGrid() { ToggleCurveOption(CurveFitGrid); }
void Cwm_FUNCPLOTDlg::ToggleFrame() { ToggleCurveOption(CurveFitFrame); }

void Cwm_FUNCPLOTDlg::SelectFitModel() {
  const RangeReading reading = ReadAxisRanges();
  const int selected = static_cast<CListBox*>(GetDlgItem(ModelListId))->GetCurSel();
  if (const auto model = CurveModelOfListEntry(selected)) CurveFitModel = *model;
  if (reading == RangeReading::Changed)
    ApplyAxisRanges();
  else if (reading == RangeReading::Unchanged)
    RepaintCurvePlot();
}

void Cwm_FUNCPLOTDlg::DataChanged() { State.keepRanges = false; }

void Cwm_FUNCPLOTDlg::RepaintText(int reason, const RECT& region) {
  State.paintReason = reason;
  InvalidateRect(&region, TRUE);
}

void Cwm_FUNCPLOTDlg::TitleChanged() { RepaintText(TitleOnly, TitleRegion); }
void Cwm_FUNCPLOTDlg::XAxisTextChanged() { RepaintText(XAxisTextOnly, XAxisTextRegion); }
void Cwm_FUNCPLOTDlg::YAxisTextChanged() {
  const int x = YAxisTextX(State.leftmostYLabelX);
  RepaintText(YAxisTextOnly, RECT{x, FullRepaintRegion.top, x + AxisTextHeight, PlotFrameBottom});
}

void Cwm_FUNCPLOTDlg::RepaintCurvePlot() {
  State.paintReason = FullRepaint;
  fitRequested_ = true;
  InvalidateRect(&FullRepaintRegion, TRUE);
}

void Cwm_FUNCPLOTDlg::EditDataSetList(UINT id) { ListEditorWindow(*this, DataSetList).OnButton(static_cast<int>(id)); }

void Cwm_FUNCPLOTDlg::DeleteDataSet() { ListEditorWindow(*this, DataSetList).Delete(); }

void Cwm_FUNCPLOTDlg::LoadCurveDataSet() {
  const auto* listBox = static_cast<CListBox*>(GetDlgItem(DataSetListId));
  const int selected = listBox->GetCurSel();
  std::string name;
  if (selected != LB_ERR) listBox->GetText(selected, name);
  const std::vector<std::string> record = FindEditorRecord(CurveDataSetEditor(), name);
  if (!record.empty()) {
    auto line = [&record](int number) { return RecordLine(record, number); };
    SetDlgItemText(DataSetNameId, line(1).c_str());
    SetDlgItemText(TitleFieldId, line(3).c_str());
    SetDlgItemText(XAxisFieldId, line(4).c_str());
    SetDlgItemText(YAxisFieldId, line(5).c_str());
    const StoredCurveNumbers stored = ReadStoredCurveNumbers(record);
    const std::array<int, 4> rangeIds = {XMinFieldId, XMaxFieldId, YMinFieldId, YMaxFieldId};
    for (int i = 0; i < 4; ++i) SetDlgItemText(rangeIds[i], stored.ranges ? line(6 + i).c_str() : "");
    State.axisRanges = stored.ranges.value_or(CurveRanges{});
    State.shownRanges = State.axisRanges;
    const std::string flags = line(10);
    if (flags.size() >= 5) {
      const std::array<std::pair<int*, int>, 3> options = {
          {{&CurveFitHidePoints, HidePointsId}, {&CurveFitGrid, GridId}, {&CurveFitFrame, FrameId}}};
      for (std::size_t i = 0; i < options.size(); ++i) {
        *options[i].first = flags[i] == '1' ? 1 : 0;
        SendDlgItemMessage(options[i].second, BM_SETCHECK, static_cast<WPARAM>(*options[i].first), 0);
      }
    }
    if (stored.model) CurveFitModel = *stored.model;
    SetDlgItemText(CurveDataFieldId, ShownFieldText(line(13)).c_str());
    if (stored.damaged)
      MessageBoxEditorMessages(*this).Show(DamagedRecordsMessage(CurveDataSetEditor().fileName, {name}));
  }
  State.keepRanges = true;
  static_cast<CListBox*>(GetDlgItem(ModelListId))->SetCurSel(CurveModelListEntryOfDataSet(CurveFitModel));
  RepaintCurvePlot();
}

void Cwm_FUNCPLOTDlg::ShowRange(int id, double value) { SetDlgItemText(id, FormatNumberG(value).c_str()); }

void Cwm_FUNCPLOTDlg::PaintCurvePlot() {
  WaitCursor wait;
  CPaintDC dc(this);
  const int reason = State.paintReason;
  if (reason == FullRepaint) {
    State.leftmostYLabelX = PlotFrameLeft;
    plot_ = {};
  }
  const SwappedAxes swapped = OrderAxisRanges(State.axisRanges);
  if (swapped.x) {
    ShowRange(XMinFieldId, State.axisRanges.xMin);
    ShowRange(XMaxFieldId, State.axisRanges.xMax);
  }
  if (swapped.y) {
    ShowRange(YMinFieldId, State.axisRanges.yMin);
    ShowRange(YMaxFieldId, State.axisRanges.yMax);
  }
  if (State.axisRanges == CurveRanges{}) State.keepRanges = false;
  const std::string dataText = DialogItemText(*this, CurveDataFieldId, CurveDataTextLimit);
  State.title = DialogItemText(*this, TitleFieldId, TextLimit);
  State.xAxisText = DialogItemText(*this, XAxisFieldId, TextLimit);
  State.yAxisText = DialogItemText(*this, YAxisFieldId, TextLimit);
  int message = NoDataMessage;
  std::optional<CurveDataRefusal> refusal;
  if (reason == FullRepaint) {
    const CurveData data = ReadCurveData(dataText);
    if (data.valid && !data.points.empty())
      plot_ = FitAndScaleCurve(data.points, CurveFitModel, State.keepRanges, State.axisRanges);
    refusal = data.refusal;
    // Neither refused data nor a fit whose sums overflow is shown; the user is told why.
    if (refusal)
      message = DataRefused;
    else if (plot_.fit.status == CurveFitStatus::NotFinite)
      message = FitNotFinite;
    else if (data.tooManyPairs)
      message = TooManyNumbers;
    else if (data.tooManyCharacters)
      message = TooManyCharacters;
    if (plot_.scale.placed) DrawPlot(dc);
  }
  DrawTexts(dc, reason);
  State.paintReason = FullRepaint;
  State.keepRanges = true;
  if (reason == FullRepaint) {
    if (fitRequested_ && message != NoDataMessage) {
      dataMessage_ = message == DataRefused ? RefusalText(*refusal) : DataMessageText(message);
      PostMessage(ShowDataMessageMessage, 0);
    }
    fitRequested_ = false;
  }
}

void Cwm_FUNCPLOTDlg::DrawPlot(CDC& dc) {
  const CurveScale& scale = plot_.scale;
  SetDlgItemText(FunctionFieldId, plot_.texts.function.c_str());
  SetDlgItemText(RSquaredFieldId, plot_.texts.rSquared.c_str());
  SetDlgItemText(SseFieldId, plot_.texts.sse.c_str());
  const CurvePlotGeometry geometry =
      PlotGeometry(scale, {CurveFitGrid == 1, CurveFitFrame == 1, CurveFitHidePoints == 1});
  CPen thinPen(PS_SOLID, 1, 0);
  CPen widePen(PS_SOLID, 3, 0);
  CPen* previousPen = dc.SelectObject(&thinPen);
  for (const DrawingLine& line : geometry.gridLines) Draw(dc, line);
  State.axisRanges = scale.axisRanges;
  const std::array<std::pair<int, double>, 4> ranges = {{{XMinFieldId, scale.axisRanges.xMin},
                                                         {XMaxFieldId, scale.axisRanges.xMax},
                                                         {YMinFieldId, scale.axisRanges.yMin},
                                                         {YMaxFieldId, scale.axisRanges.yMax}}};
  std::array<double, 4> shown{};
  for (std::size_t i = 0; i < ranges.size(); ++i) {
    const std::string text = FormatNumberG(ranges[i].second);
    SetDlgItemText(ranges[i].first, text.c_str());
    shown[i] = TypedRangeValue(text).value_or(ranges[i].second);
  }
  State.shownRanges = {shown[0], shown[1], shown[2], shown[3]};
  dc.SelectObject(&widePen);
  {
    PlotFont tickFont(dc, TickLabelHeight, 0);
    dc.SetBkMode(TRANSPARENT);
    for (const DrawingLine& line : geometry.frameEdges) Draw(dc, line);
    for (const DrawingLine& line : geometry.curveSegments) Draw(dc, line);
    for (const DrawingPosition& mark : geometry.marks) {
      const int x = static_cast<int>(mark.x), y = static_cast<int>(mark.y);
      dc.Ellipse(x - PointRadius, y - PointRadius, x + PointRadius, y + PointRadius);
    }
    dc.SelectObject(&thinPen);
    for (const CurveTick& tick : geometry.ticks) {
      Draw(dc, tick.line);
      dc.TextOut(static_cast<int>(tick.label.at.x), static_cast<int>(tick.label.at.y), tick.label.text);
    }
  }
  State.leftmostYLabelX = geometry.leftmostYLabelX;
  dc.SelectObject(previousPen);
}

void Cwm_FUNCPLOTDlg::DrawTexts(CDC& dc, int reason) {
  dc.SetBkMode(TRANSPARENT);
  if (reason == FullRepaint || reason == TitleOnly || reason == YAxisTextOnly) Draw(dc, PlotTitle(State.title));
  if (reason == FullRepaint || reason == XAxisTextOnly) Draw(dc, PlotXAxisText(State.xAxisText));
  if (reason == FullRepaint || reason == TitleOnly || reason == YAxisTextOnly)
    Draw(dc, PlotYAxisText(State.yAxisText, YAxisTextX(State.leftmostYLabelX)));
}

void Cwm_FUNCPLOTDlg::ShowDataMessage() { MessageBox(dataMessage_.c_str(), "TAVRIN", MB_OK); }

void Cwm_FUNCPLOTDlg::OpenPrintOptions() { OpenPrintOptionsDialog(this); }

int Cwm_FUNCPLOTDlg::PrintCurvePlot() {
  CPrintDialog dialog(FALSE, PD_NOSELECTION | PD_NOPAGENUMS | PD_USEDEVMODECOPIES | PD_HIDEPRINTTOFILE, nullptr);
  dialog.m_pd.hwndOwner = GetSafeHwnd();
  dialog.m_pd.hDevMode = nullptr;
  dialog.m_pd.hDevNames = nullptr;
  dialog.m_pd.Flags |= PD_RETURNDC;
  dialog.m_pd.nFromPage = dialog.m_pd.nToPage = dialog.m_pd.nMinPage = dialog.m_pd.nMaxPage = 0;
  dialog.m_pd.nCopies = 0;
  if (dialog.DoModal() != IDOK) return 0;
  WaitCursor wait;
  const CurvePrintTexts texts{State.title, State.xAxisText, State.yAxisText, plot_.texts.function,
                              YAxisTextX(State.leftmostYLabelX)};
  const CurvePrintOptions options{CurveFitGrid == 1, CurveFitFrame == 1, CurveFitHidePoints == 1};
  const bool printed = PrintCurvePage(dialog.m_pd.hDC, plot_.scale, texts, options);
  DeleteDC(dialog.m_pd.hDC);
  GlobalFree(dialog.m_pd.hDevMode);
  GlobalFree(dialog.m_pd.hDevNames);
  if (!printed) {
    MessageBox(PrintFailureText(), "TAVRIN", MB_OK);
    return 0;
  }
  return 1;
}

int OpenCurveFitDialog(CWnd* parent) { return OpenModalDialog<Cwm_FUNCPLOTDlg>(FuncplotTemplateName, parent); }
