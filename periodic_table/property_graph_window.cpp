#include "periodic_table/property_graph_window.h"


#include "runtime/dialog_openers.h"
#include "runtime/generated_setup.h"
#include "engine/globals.h"
#include "engine/numbers/number_text.h"
#include "platform/win/paint_dc.h"
#include "resources/property_graph_ids.h"
#include "periodic_table/model/property_graph_layout.h"

namespace {

constexpr COLORREF Black = RGB(0, 0, 0);
constexpr COLORREF HeadingRed = RGB(255, 0, 0);
constexpr COLORREF SymbolBlue = RGB(0, 0, 255);

// The part of the client area below the band of choices, repainted when the choice changes.
constexpr RECT PlotArea = {0, 130, 635, 426};

constexpr POINT ZeroLabelPlace = {4, 391};
constexpr int MaxLabelX = 4;
constexpr int TickEndX = 20;
constexpr POINT ArrowHeadPlace = {610, 391};
constexpr POINT AxisCaptionPlace = {450, 407};

// The symbol font: Times New Roman, 12 pixels high, normal weight.
constexpr int SymbolFontHeight = 12;
constexpr BYTE SymbolCharSet = 1;
constexpr BYTE SymbolOutputPrecision = 2;
constexpr BYTE SymbolClipPrecision = 1;

struct ControlText {
  int id;
  const char* text;
};
// The superscripts of the radio captions, in the order they are set again.
constexpr ControlText Superscripts[] = {
    {GraphMeltingDegreeId, "o"},      {GraphBoilingDegreeId, "o"},           {GraphDensityCubeId, "3"},
    {CovalentRadiusPowerId, "-10"},   {AtomicRadiusPowerId, "-10"},          {GraphAtomicVolumeCubeId, "3"},
    {SpecificHeatGramPowerId, "-1"},  {SpecificHeatKelvinPowerId, "-1"},     {ConductivityPowerId, "6"},
    {ConductivityOhmPowerId, "-1"},   {ConductivityCentimetrePowerId, "-1"}, {ThermalKelvinPowerId, "-1"},
    {ThermalCentimetrePowerId, "-1"},
};

void Line(CDC& dc, int fromX, int fromY, int toX, int toY) {
  dc.MoveTo(fromX, fromY);
  dc.LineTo(toX, toY);
}

}  // namespace

void Cwm_PERSYSGRAFBaseDlg::ApplyTemplateSetup() {
  ApplyGeneratedSetup(*this, PersysgrafSetup, {m_propertyRadios, m_mainGroupsOnly, m_band, m_superscripts});
}

BEGIN_MESSAGE_MAP(Cwm_PERSYSGRAFDlg, Cwm_PERSYSGRAFBaseDlg)
TAVRIN_MAP_ENTRY(WM_PAINT, self->PaintPropertyGraph(); return 0;)
TAVRIN_COMMAND_ENTRY(BN_CLICKED, FirstGraphPropertyId, LastGraphPropertyId, self->RefreshPropertyGraph();)
ON_BN_CLICKED(MainGroupsOnlyId, ToggleMainGroupsOnly)
END_MESSAGE_MAP()

BOOL Cwm_PERSYSGRAFDlg::OnUserInit(int) {
  if (GraphProperty < FirstGraphPropertyId || GraphProperty > LastGraphPropertyId) GraphProperty = FirstGraphPropertyId;
  SendDlgItemMessage(GraphProperty, BM_SETCHECK, 1, 0);
  if (GraphMainGroupsOnly == 1) SendDlgItemMessage(MainGroupsOnlyId, BM_SETCHECK, 1, 0);
  return TRUE;
}

void Cwm_PERSYSGRAFDlg::ToggleMainGroupsOnly() {
  GraphMainGroupsOnly = GraphMainGroupsOnly == 1 ? 0 : 1;
  RefreshPropertyGraph();
}

void Cwm_PERSYSGRAFDlg::RefreshPropertyGraph() {
  InvalidateRect(&PlotArea, TRUE);
  for (const ControlText& superscript : Superscripts) SetDlgItemText(superscript.id, superscript.text);
}

// The checked radio, or the focused one: any radio whose state is not 0; the last one found wins.
void Cwm_PERSYSGRAFDlg::ReadChosenProperty() {
  for (int id = FirstGraphPropertyId; id <= LastGraphPropertyId; ++id) {
    if (SendDlgItemMessage(id, BM_GETSTATE) != 0) GraphProperty = id;
  }
}

void Cwm_PERSYSGRAFDlg::PaintPropertyGraph() {
  ReadChosenProperty();
  CPaintDC dc(this);
  const PropertyGraphLayout layout =
      LayOutPropertyGraph(GraphPropertyValues(GraphProperty), GraphProperty, GraphMainGroupsOnly != 0);
  DrawAxes(dc, layout);
  if (GraphMainGroupsOnly == 1) {
    DrawMainGroupDecoration(dc, layout);
  } else {
    DrawAllElementsDecoration(dc);
  }
  DrawSymbols(dc, layout);
}

void Cwm_PERSYSGRAFDlg::DrawAxes(CDC& dc, const PropertyGraphLayout& layout) {
  dc.SetTextColor(Black);
  Line(dc, GraphAxisLeft, GraphBaselineY, GraphAxisRight, GraphBaselineY);
  Line(dc, GraphAxisLeft, GraphBaselineY, GraphAxisLeft, layout.axisTop);
  dc.TextOut(ZeroLabelPlace.x, ZeroLabelPlace.y, "0");
  dc.TextOut(MaxLabelX, layout.labelY, FormatNumberG(layout.max).c_str());
  Line(dc, GraphAxisLeft, layout.axisTop, TickEndX, layout.axisTop);
}

void Cwm_PERSYSGRAFDlg::DrawMainGroupDecoration(CDC& dc, const PropertyGraphLayout& layout) {
  dc.SetTextColor(HeadingRed);
  for (const MainGroupColumn& column : MainGroupColumns()) dc.TextOut(column.headingX, layout.labelY, column.heading);
  dc.SetTextColor(Black);
  for (int x : ColumnSeparatorXs) Line(dc, x, GraphBaselineY, x, layout.labelY);
}

void Cwm_PERSYSGRAFDlg::DrawAllElementsDecoration(CDC& dc) {
  dc.TextOut(ArrowHeadPlace.x, ArrowHeadPlace.y, ">");
  dc.TextOut(AxisCaptionPlace.x, AxisCaptionPlace.y,
             LanguageCode == NorwegianLanguage ? "\xD8kende atomnummer" : "Increasing atomic number");
}

void Cwm_PERSYSGRAFDlg::DrawSymbols(CDC& dc, const PropertyGraphLayout& layout) {
  CFont symbolFont;
  symbolFont.CreateFont(SymbolFontHeight, 0, 0, 0, FW_NORMAL, 0, 0, 0, SymbolCharSet, SymbolOutputPrecision,
                        SymbolClipPrecision, 0, 0, "Times New Roman");
  CFont* previousFont = dc.SelectObject(&symbolFont);
  dc.SetBkMode(TRANSPARENT);
  dc.SetTextColor(SymbolBlue);
  for (const PlacedSymbol& symbol : layout.symbols) {
    dc.TextOut(symbol.x, symbol.y, ElementByNumber(symbol.atomicNumber).symbol);
  }
  dc.SelectObject(previousFont);
}

int OpenPeriodicGraphDialog(CWnd* parent) { return OpenModalDialog<Cwm_PERSYSGRAFDlg>(PersysgrafTemplateName, parent); }
