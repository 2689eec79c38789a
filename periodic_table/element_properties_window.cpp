#include "periodic_table/element_properties_window.h"

#include <algorithm>

#include "runtime/dialog_openers.h"
#include "resources/element_properties_ids.h"
#include "runtime/generated_setup.h"
#include "engine/globals.h"
#include "periodic_table/model/isotope_rows.h"
#include "periodic_table/selected_element.h"
#include "periodic_table/property_fields.h"

ModelessInstance<Cwm_EgenskaperDlg> ElementPropertiesWindow;

namespace {

constexpr int HistoryRowWidth = 65;
constexpr int HistoryRowsShown = 98;
constexpr int HistoryViewMode = 1;
constexpr int IsotopeViewMode = 0;

struct Heading {
  int id;
  const char* norwegian;
  const char* english;
};

// The isotope table's headings: the first column, then each column's two lines.
constexpr std::array<Heading, IsotopeHeadingCount> IsotopeHeadings = {{
    {FirstColumnUpperId, "Stabile", "Stable"},
    {FirstColumnLowerId, "isotoper", "isotopes"},
    {AbundanceUpperId, "Naturlig", "Abundance"},
    {AbundanceLowerId, "forekomst(%)", "     (%)"},
    {MassUpperId, "Atom-", "Atomic"},
    {MassLowerId, "masse(u)", "mass(u)"},
    {SpinUpperId, "   Spinn", "   Spin"},
    {SpinLowerId, "      (I)", "     (I)"},
    {ReceptivityUpperId, "Relativ", "Relative"},
    {ReceptivityLowerId, "reseptivitet", "receptivity"},
    {FrequencyUpperId, "Resonans", "Resonance"},
    {FrequencyLowerId, "frekv.(MHz)", "freq.(MHz)"},
    {MomentUpperId, "Magnetisk", "Magnetic"},
    {MomentLowerId, "moment", "moment"},
    {QuadrupoleUpperId, "Kvadropol", "Quadropole"},
    {QuadrupoleLowerId, "moment", "moment"},
    {GyromagneticUpperId, "Magnetogyrisk", "Magnetogyric"},
    {GyromagneticLowerId, "forhold(rad/T s)", "ratio (rad/T s)"},
}};

}  // namespace

void Cwm_EgenskaperBaseDlg::ApplyTemplateSetup() {
  ApplyGeneratedSetup(
      *this, EgenskaperSetup,
      {m_refillField, m_propertyFields, m_isotopeOrHistoryText, m_headings, m_labels, m_unitTexts, m_muOpeningBracket,
       m_muClosingBracket, m_isotopeViewRadio, m_historyViewRadio, m_lowerFrame, m_muPicture});
}

BEGIN_MESSAGE_MAP(Cwm_EgenskaperDlg, Cwm_EgenskaperBaseDlg)
ON_CONTROL(EN_SETFOCUS, RefillFocusFieldId, FillElementProperties)
ON_BN_CLICKED(IsotopeViewRadioId, OnIsotopeView)
ON_BN_CLICKED(HistoryViewRadioId, OnHistoryView)
END_MESSAGE_MAP()

BOOL Cwm_EgenskaperDlg::OnUserInit(int) { return TRUE; }

void Cwm_EgenskaperDlg::OnIsotopeView() {
  PropertiesViewMode = IsotopeViewMode;
  FillElementProperties();
}

void Cwm_EgenskaperDlg::OnHistoryView() {
  PropertiesViewMode = HistoryViewMode;
  FillElementProperties();
}

void Cwm_EgenskaperDlg::FillElementProperties() {
  SendDlgItemMessage(PropertiesViewMode == HistoryViewMode ? HistoryViewRadioId : IsotopeViewRadioId, BM_SETCHECK, 1,
                     0);
  SetDlgItemText(IsotopeOrHistoryTextId, "");
  const int Z = SelectedElement;
  if (Z < 1 || Z > ElementCount) return;
  for (const PropertyField& field : PropertyFields) SetDlgItemText(field.fieldId, field.text(Z).c_str());
  if (PropertiesViewMode == HistoryViewMode) {
    ShowHistory(Z);
  } else {
    ShowIsotopeTable(Z);
  }
}

void Cwm_EgenskaperDlg::ShowHistory(int Z) {
  if (LanguageCode == NorwegianLanguage || LanguageCode == EnglishLanguage) {
    SetDlgItemText(FirstColumnUpperId, "");
    SetDlgItemText(FirstColumnLowerId, LanguageCode == EnglishLanguage ? "History" : "Historikk");
  }
  for (size_t index = 2; index < IsotopeHeadings.size(); ++index) SetDlgItemText(IsotopeHeadings[index].id, "");
  ElementTextRows rows;
  const int rowCount = std::min(ReadElementText(rows, Z, HistoryRowWidth), HistoryRowsShown);
  SetDlgItemText(IsotopeOrHistoryTextId,
                 JoinRows(std::vector<std::string>(rows.begin(), rows.begin() + rowCount)).c_str());
}

void Cwm_EgenskaperDlg::ShowIsotopeTable(int Z) {
  const bool english = LanguageCode == EnglishLanguage;
  for (const Heading& heading : IsotopeHeadings)
    SetDlgItemText(heading.id, english ? heading.english : heading.norwegian);
  SetDlgItemText(IsotopeOrHistoryTextId, JoinRows(IsotopeTableRows(Z)).c_str());
}

// Refilled on every opening, not only when the focus lands on the refill field: a window whose
// text field held the focus would otherwise come forward showing the previous element.
Cwm_EgenskaperDlg* ShowElementPropertiesWindow(CWnd* owner) {
  Cwm_EgenskaperDlg* window = ShowModelessWindow(ElementPropertiesWindow, EgenskaperTemplateName, owner);
  if (window != nullptr) window->FillElementProperties();
  return window;
}
