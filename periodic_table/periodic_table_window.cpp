#include "periodic_table/periodic_table_window.h"

#include <optional>
#include <vector>

#include "platform/controls/heading_spacing.h"
#include "runtime/dialog_openers.h"
#include "periodic_table/element_properties_window.h"
#include "runtime/generated_setup.h"
#include "engine/globals.h"
#include "resources/periodic_table_ids.h"
#include "periodic_table/periodic_cells.h"
#include "periodic_table/property_graph_window.h"

namespace {

struct DialogText {
  int id;
  const char* text;
};

// The superscripts that every redisplay writes again, in this order.
constexpr DialogText Superscripts[] = {
    {CovalentExponentId, "-10"},  {AtomicRadiusExponentId, "-10"},
    {BoilingDegreeId, "o"},       {MeltingDegreeId, "o"},
    {PhaseDegreeId, "o"},         {SpecificHeatGramExponentId, "-1"},
    {ThermalCmExponentId, "-1"},  {ConductivityOhmExponentId, "-1"},
    {ConductivityMillionId, "6"}, {AtomicVolumeCubeId, "3"},
};

// A heading of group numbers and the element columns its numbers name, from the left.
struct GroupHeading {
  int id;
  int firstColumn;
  int lastColumn;
};

constexpr GroupHeading GroupHeadings[] = {
    {Group1LabelId, 1, 1},       {Group2LabelId, 2, 2},   {Groups3To12LabelId, 3, 12},
    {Groups13To17LabelId, 13, 17}, {Group18LabelId, 18, 18},
};

// The middle of an element column in the heading's client pixels. Period 4 fills all 18 columns,
// its element in column c being Z = 18 + c.
int ColumnMiddleIn(HWND dialog, HWND heading, int column) {
  RECT button{};
  GetWindowRect(GetDlgItem(dialog, ElementButtonBaseId + 18 + column), &button);
  POINT middle{(button.left + button.right) / 2, button.top};
  ScreenToClient(heading, &middle);
  return middle.x;
}

}  // namespace

void Cwm_PeriodesystemetBaseDlg::ApplyTemplateSetup() {
  ApplyGeneratedSetup(*this, PeriodesystemetSetup, {m_valueBoxes, m_propertyRadios, m_statics});
}

// Each group number stands centred over its element column, measured in the headings' own font.
void Cwm_PeriodesystemetBaseDlg::ArrangeTexts() {
  for (const GroupHeading& group : GroupHeadings) {
    const HWND heading = ::GetDlgItem(m_hWnd, group.id);
    std::vector<std::optional<int>> middles;
    for (int column = group.firstColumn; column <= group.lastColumn; ++column) {
      middles.push_back(ColumnMiddleIn(m_hWnd, heading, column));
    }
    CentreHeadingWords(heading, middles);
  }
}

BEGIN_MESSAGE_MAP(Cwm_PeriodesystemetDlg, Cwm_PeriodesystemetBaseDlg)
TAVRIN_COMMAND_ENTRY(BN_CLICKED, FirstElementButtonId, LastElementButtonId, self->OnElementButton();)
ON_BN_CLICKED(GraphButtonId, OnGraph)
TAVRIN_COMMAND_ENTRY(BN_CLICKED, AtomicNumberRadioId, PhaseRadioId, self->ShowPropertyInAllCells();)
ON_BN_CLICKED(AtomicVolumeRadioId, ShowPropertyInAllCells)
ON_WM_NCACTIVATE()
END_MESSAGE_MAP()

BOOL Cwm_PeriodesystemetDlg::OnUserInit(int) {
  // "Crystal structure" is wider than the room its radio has between the phase radio's column and
  // the group 18 heading in the dialog face; the face of the group headings fits it there.
  if (LanguageCode == EnglishLanguage) {
    for (CUserButton& radio : m_propertyRadios) {
      if (radio.GetDlgCtrlID() == CrystalStructureRadioId) UseFont(radio, HelvSmall.height, HelvSmall.weight);
    }
  }
  if (!IsPropertyRadio(PeriodicTableProperty)) PeriodicTableProperty = AtomicNumberRadioId;
  SendDlgItemMessage(PeriodicTableProperty, BM_SETCHECK, 1, 0);
  for (int Z = 1; Z <= PeriodicTableElements; ++Z) SetDlgItemText(ElementButtonBaseId + Z, ElementByNumber(Z).symbol);
  ShowPropertyInAllCells();
  return TRUE;
}

// The radios' states decide, not the clicked id, so the handler serves every radio and the
// start-up alike: any non-zero state counts, the atomic volume first, then 605 to 625 in order.
int Cwm_PeriodesystemetDlg::ChosenProperty() const {
  if (SendDlgItemMessage(AtomicVolumeRadioId, BM_GETSTATE) != 0) return AtomicVolumeRadioId;
  for (int id = AtomicMassRadioId; id <= PhaseRadioId; ++id) {
    if (IsPropertyRadio(id) && SendDlgItemMessage(id, BM_GETSTATE) != 0) return id;
  }
  return AtomicNumberRadioId;
}

void Cwm_PeriodesystemetDlg::ShowPropertyInAllCells() {
  PeriodicTableProperty = ChosenProperty();
  for (const DialogText& superscript : Superscripts) SetDlgItemText(superscript.id, superscript.text);
  for (int Z = 1; Z <= PeriodicTableElements; ++Z) {
    SetDlgItemText(ValueBoxBaseId + Z, PeriodicCellText(PeriodicTableProperty, Z).c_str());
  }
}

void Cwm_PeriodesystemetDlg::OnElementButton() { ShowElementPropertiesWindow(this); }

void Cwm_PeriodesystemetDlg::OnGraph() { OpenPeriodicGraphDialog(this); }

// The clicked element button still holds the focus when the properties window takes the
// activation from this window.
void Cwm_PeriodesystemetDlg::TrackSelectedElement() {
  for (int id = FirstElementButtonId; id <= LastElementButtonId; ++id) {
    if (SendDlgItemMessage(id, BM_GETSTATE) != 0) {
      SelectedElement = id - ElementButtonBaseId;
      return;
    }
  }
}

BOOL Cwm_PeriodesystemetDlg::OnNcActivate(BOOL active) {
  TrackSelectedElement();
  return Cwm_PeriodesystemetBaseDlg::OnNcActivate(active);
}

int OpenPeriodicTableDialog(CWnd* parent) {
  return OpenModalDialog<Cwm_PeriodesystemetDlg>(PeriodesystemetTemplateName, parent);
}
