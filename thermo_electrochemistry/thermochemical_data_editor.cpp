#include "thermo_electrochemistry/thermochemical_data_editor.h"

#include <cmath>
#include <optional>
#include <utility>
#include <vector>

#include "engine/formula/formula_mass.h"
#include "engine/numbers/number_text.h"
#include "engine/reaction.h"
#include "engine/records/table_editor.h"
#include "engine/settings/settings.h"
#include "engine/textutil.h"
#include "platform/win/message_box.h"
#include "resources/thermochemical_data_editor_ids.h"
#include "runtime/dialog_item_text.h"
#include "runtime/dialog_openers.h"
#include "runtime/generated_setup.h"
#include "runtime/record_editor_window.h"
#include "runtime/resource_message.h"
#include "engine/numbers/typed_number.h"

namespace {

constexpr double JoulesPerCalorie = 4.1868;

// The fields by the table's field indexes: 0 the formula with its phase (the key), 1 and 2 the
// names, 3 to 6 the enthalpy, the Gibbs energy, the entropy and the heat capacity.
constexpr std::size_t FormulaField = 0;
constexpr std::size_t FirstNumberField = 3;
constexpr std::size_t TextReadLimit = 251;
constexpr std::size_t NumberReadLimit = 37;

constexpr int NumberFieldIds[] = {EnthalpyFieldId, GibbsFieldId, EntropyFieldId, HeatCapacityFieldId};

bool English() { return LanguageCode == EnglishLanguage; }

// A formula the parser reads and whose mass is above 0.
bool FormulaHasMass(std::string formula) {
  return FormulaMass(std::move(formula)) > 0.0f;
}

// The formula must end in its phase and be one the parser reads; the numbers, without their
// blanks, must be numbers or empty. Both refusals can come, in that order. What passes is stored as
// the formula without blanks followed by its phase, and the numbers without blanks.
std::vector<std::string> CheckThermoData(std::vector<std::string>& fields) {
  std::vector<std::string> refusals;
  std::string formula = fields[FormulaField];
  std::string phase;
  if (SplitPhaseSuffix(formula, phase) != 0) {
    refusals.push_back(English() ? "MISSING PHASE\n\nFormula must contain (s),(l).. e.g. NaCl(s)!"
                                 : "MANGLENDE FASE\n\nFormel m\xE5 inneholde (s), (l) f.eks. NaCl(s)!");
  } else if (!FormulaHasMass(formula)) {
    refusals.push_back(English() ? "UNSPECIFIED FORMULA ERROR" : "USPESIFISERT FORMELFEIL");
  }
  bool numbersValid = true;
  for (std::size_t field = FirstNumberField; field < fields.size(); ++field) {
    RemoveBlanks(fields[field]);
    if (!fields[field].empty() && !TypedNumber(fields[field])) numbersValid = false;
  }
  if (!numbersValid) refusals.push_back(EditorMessageText(ThermochemicalDataEditor, EditorMessage::IllegalNumber));
  if (refusals.empty()) fields[FormulaField] = formula + phase;
  return refusals;
}

const TableEditorConfig& ThermoDataTable() { return ThermochemicalDataEditor; }

const RecordEditorLayout ThermoDataLayout{
    ThermoDataTable,
    {{ThermoDataFormulaId, TextReadLimit},
     {ThermoDataEnglishNameId, TextReadLimit},
     {ThermoDataNorwegianNameId, TextReadLimit},
     {EnthalpyFieldId, NumberReadLimit},
     {GibbsFieldId, NumberReadLimit},
     {EntropyFieldId, NumberReadLimit},
     {HeatCapacityFieldId, NumberReadLimit}},
    FormulaField,
    ThermoDataBeforeId,
    ThermoDataAfterId,
    ThermoDataReplaceId,
    ThermoDataDeleteId,
    ThermoDataEraseId,
    ThermoDataListId,
    CheckThermoData,
};

}  // namespace

std::optional<std::string> CaloriesToJoules(std::string_view calories) {
  const std::string text(calories);
  if (text.empty()) return text;
  if (!TypedNumber(text)) return std::nullopt;
  const double joules = ReadLeadingReal(text) * JoulesPerCalorie;
  if (!std::isfinite(joules)) return std::nullopt;
  if (text.find_first_of("eE") != std::string::npos) return FormatNumberG(joules);
  const std::string fixed = FormatNumberFixed(joules);
  const std::size_t fixedPoint = fixed.find('.');
  const std::size_t point = text.find('.');
  if (point == std::string::npos || fixedPoint == std::string::npos) return fixed.substr(0, fixedPoint);
  return fixed.substr(0, fixedPoint + 1 + (text.size() - point - 1));
}

void Cwm_TERMODATABaseDlg::ApplyTemplateSetup() {
  ApplyGeneratedSetup(*this, TermodataSetup,
                      {m_englishNameLabel,
                       m_englishName,
                       m_norwegianNameLabel,
                       m_norwegianName,
                       m_formulaLabel,
                       m_formula,
                       m_enthalpyDelta,
                       m_enthalpyF,
                       m_enthalpyH,
                       m_enthalpyO,
                       m_enthalpy,
                       m_enthalpyUnit,
                       m_gibbsDelta,
                       m_gibbsF,
                       m_gibbsG,
                       m_gibbsO,
                       m_gibbs,
                       m_gibbsUnit,
                       m_entropyS,
                       m_entropyO,
                       m_entropy,
                       m_entropyUnit,
                       m_heatCapacityC,
                       m_heatCapacityP,
                       m_heatCapacity,
                       m_heatCapacityUnit,
                       m_temperature,
                       m_temperatureC,
                       m_temperatureO,
                       m_caloriesToJoules,
                       m_eraseFields,
                       m_formulas,
                       m_editListGroup,
                       m_addGroup,
                       m_before,
                       m_after,
                       m_replace,
                       m_delete});
}

BEGIN_MESSAGE_MAP(Cwm_TERMODATADlg, Cwm_TERMODATABaseDlg)
ON_BN_CLICKED(CaloriesToJoulesId, ConvertCalToJoule)
END_MESSAGE_MAP()

BOOL Cwm_TERMODATADlg::OnUserInit(int) {
  RecordEditorWindow editor(*this, m_formulas, ThermoDataLayout);
  editor.LoadList();
  editor.LimitFieldsToStoredWidths();
  return TRUE;
}

BOOL Cwm_TERMODATADlg::OnCommand(WPARAM wParam, LPARAM lParam) {
  if (RecordEditorWindow(*this, m_formulas, ThermoDataLayout).OnCommand(LOWORD(wParam), HIWORD(wParam))) return TRUE;
  return Cwm_TERMODATABaseDlg::OnCommand(wParam, lParam);
}

// Every non-empty number field is converted, each press again; a field that holds no number gets
// the illegal-number message, and then no field is converted.
void Cwm_TERMODATADlg::ConvertCalToJoule() {
  std::vector<std::pair<int, std::string>> converted;
  for (int id : NumberFieldIds) {
    std::string text = DialogItemText(*this, id, NumberReadLimit);
    RemoveBlanks(text);
    SetDlgItemText(id, text.c_str());
    const std::optional<std::string> joules = CaloriesToJoules(text);
    if (!joules) {
      ::MessageBox(m_hWnd, EditorMessageText(ThermochemicalDataEditor, EditorMessage::IllegalNumber).c_str(),
                   MessageCaption, MB_OK);
      return;
    }
    converted.emplace_back(id, *joules);
  }
  for (const auto& [id, joules] : converted) SetDlgItemText(id, joules.c_str());
}

int OpenThermochemicalDataDialog(CWnd* parent) {
  return OpenModalDialog<Cwm_TERMODATADlg>(TermodataTemplateName, parent);
}
