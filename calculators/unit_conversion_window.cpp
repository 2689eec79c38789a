#include "calculators/unit_conversion_window.h"

#include <string>

#include "engine/settings/settings.h"
#include "platform/win/control_constants.h"
#include "platform/win/message_box.h"
#include "resources/unit_conversion_ids.h"
#include "runtime/dialog_item_text.h"
#include "runtime/dialog_openers.h"
#include "runtime/generated_setup.h"
#include "runtime/resource_message.h"
#include "calculators/unit_conversion.h"

int ConversionSourceField = 0;

namespace {

// Characters of a unit field that a conversion reads.
constexpr std::size_t UnitFieldReadLimit = 35;

}  // namespace

void Cwm_CONVERTBaseDlg::ApplyTemplateSetup() {
  ApplyGeneratedSetup(*this, ConvertSetup,
                      {m_temperatureGroup, m_temperatureLabels, m_pressureLabels, m_pressureGroup, m_energyLabels,
                       m_energyGroup, m_powerAndForceLabels, m_powerGroup, m_kilogramForceLabel, m_forceGroup,
                       m_tonForceLabel, m_lengthLabels, m_lengthGroup, m_massLabels, m_massGroup});
}

BOOL Cwm_CONVERTDlg::OnUserInit(int) {
  return TRUE;
}


BOOL Cwm_CONVERTDlg::OnCommand(WPARAM wParam, LPARAM lParam) {
  const int id = LOWORD(wParam);
  const UINT notification = HIWORD(wParam);
  if (notification == EN_SETFOCUS && !UnitGroupOf(id).empty()) {
    TakeSourceField(id);
    return TRUE;
  }
  if (notification == BN_CLICKED && id == ConvertUnitsId) {
    ConvertUnits();
    return TRUE;
  }
  return Cwm_CONVERTBaseDlg::OnCommand(wParam, lParam);
}

// The field keeps its text; the other fields of its group are emptied, so that only the source
// holds a value to convert.
void Cwm_CONVERTDlg::TakeSourceField(int fieldId) {
  for (const UnitField& unit : UnitGroupOf(fieldId)) {
    if (unit.id != fieldId) SetDlgItemText(unit.id, "");
  }
  ConversionSourceField = fieldId;
}

// An empty temperature field is a number error; an empty field of another group converts nothing.
void Cwm_CONVERTDlg::ConvertUnits() {
  const int source = ConversionSourceField;
  if (UnitGroupOf(source).empty()) return;
  const std::string text = DialogItemText(*this, source, UnitFieldReadLimit);
  if (text.empty() && !IsTemperatureField(source)) return;
  const auto converted = ConvertUnitText(source, text);
  if (!converted) {
    ::MessageBox(m_hWnd, LanguageCode == NorwegianLanguage ? "TALLFEIL\n\n" : "NUMBER ERROR\n\n", MessageCaption,
                 MB_OK);
    return;
  }
  for (const ConvertedField& field : *converted) SetDlgItemText(field.id, field.text.c_str());
}

int OpenConversionDialog(CWnd* parent) { return OpenModalDialog<Cwm_CONVERTDlg>(ConvertTemplateName, parent); }
