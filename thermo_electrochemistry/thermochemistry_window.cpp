#include "thermo_electrochemistry/thermochemistry_window.h"

#include <array>

#include "engine/formtext.h"
#include "engine/numbers/number_text.h"
#include "engine/reaction.h"
#include "engine/records/table_editor.h"
#include "engine/settings/settings.h"
#include "engine/textutil.h"
#include "platform/win/wait_cursor.h"
#include "resources/thermochemistry_ids.h"
#include "runtime/dialog_item_text.h"
#include "runtime/dialog_openers.h"
#include "runtime/editor_list_box.h"
#include "runtime/generated_setup.h"
#include "runtime/list_editor_window.h"
#include "thermo_electrochemistry/thermochemical_data_editor.h"

int ThermoRecalcPending = 0;

namespace {

// Characters of the equation field that a calculation reads and a list entry stores; the field
// takes no more than an entry holds, so that two long entries never become one.
constexpr std::size_t CalculatedEquationLimit = 253;
constexpr std::size_t StoredEquationLimit = 251;
constexpr std::size_t SelectedEntryLimit = 255;

constexpr std::int8_t BalanceParserMode = 2;
constexpr int ThermochemicalSums = 1;

// The balanced equation keeps this many characters in front of the missing-data line.
constexpr std::size_t ShownEquationBeforeMissingData = 49;

// The third column's names, by the value of ThermoColumnChoice; the second differs by language.
constexpr std::array<const char*, 5> NorwegianColumns = {"Mol", "Masse(g)", "Delta Gf0 (kJ)", "S0 (J/K)", "Cp0 (J/K)"};
constexpr const char* EnglishMassColumn = "Mass(g)";

const ListEditorLayout EquationList{[]() -> const TableEditorConfig& { return ThermochemistryListEditor; },
                                    ThermoEquationListId,
                                    {ThermoBeforeId, ThermoAfterId, ThermoReplaceId, ThermoDeleteId},
                                    {ThermoEquationFieldId, StoredEquationLimit},
                                    nullptr,
                                    nullptr,
                                    false};

std::string ValueOrUnknown(bool missing, double value, const char* unit) {
  return (missing ? std::string("?") : FormatNumberG(value)) + unit;
}

}  // namespace

void Cwm_TERMODYNAMIKKBaseDlg::ApplyTemplateSetup() {
  ApplyGeneratedSetup(
      *this, TermodynamikkSetup,
      {m_unbalancedLabel, m_equationField, m_balancedLabel, m_balancedEquation, m_speciesHeading, m_columnDelta,
       m_columnF,         m_columnH,       m_columnO,       m_columnUnit,       m_columnChoice,   m_table,
       m_enthalpyDelta,   m_enthalpyH,     m_enthalpyO,     m_enthalpyEquals,   m_enthalpyValue,  m_entropyDelta,
       m_entropyS,        m_entropyO,      m_entropyEquals, m_entropyValue,     m_listLabel,      m_equations,
       m_editListGroup,   m_addGroup});
}

BEGIN_MESSAGE_MAP(Cwm_TERMODYNAMIKKDlg, Cwm_TERMODYNAMIKKBaseDlg)
ON_BN_CLICKED(ThermoCalculateId, CalculateThermochemistry)
ON_CONTROL(LBN_DBLCLK, ThermoEquationListId, CalculateThermochemistry)
ON_CONTROL(LBN_SELCHANGE, ThermoEquationListId, CopySelectedEquation)
ON_CONTROL(CBN_SELCHANGE, ThermoColumnChoiceId, ChooseColumn)
ON_WM_SETCURSOR()
ON_LIST_EDITOR_BUTTONS(EquationList, EditEquationList)
ON_BN_CLICKED(ThermoDataButtonId, OpenDataEditor)
END_MESSAGE_MAP()

BOOL Cwm_TERMODYNAMIKKDlg::OnUserInit(int) {
  ThermoRecalcPending = 0;
  m_equationField.LimitText(static_cast<int>(StoredEquationLimit));
  ListEditorWindow(*this, EquationList).LoadList();
  const bool english = LanguageCode == EnglishLanguage;
  for (std::size_t column = 0; column < NorwegianColumns.size(); ++column)
    m_columnChoice.AddString(english && column == 1 ? EnglishMassColumn : NorwegianColumns[column]);
  m_columnChoice.SetCurSel(ThermoColumnChoice < NorwegianColumns.size() ? ThermoColumnChoice : -1);
  return TRUE;
}

void Cwm_TERMODYNAMIKKDlg::CalculateThermochemistry() {
  WaitCursor wait;
  SetDlgItemText(ThermoEnthalpyValueId, "");
  SetDlgItemText(ThermoEntropyValueId, "");
  SetDlgItemText(ThermoTableId, "");
  std::string equation = WithoutBlanksOrControls(DialogItemText(*this, ThermoEquationFieldId, CalculatedEquationLimit));
  ErrorText.clear();
  int enthalpyMissing = 0;
  int entropyMissing = 0;
  double reactionEnthalpy = 0;
  double reactionEntropy = 0;
  std::string table;
  const int result = BalanceEquation(BalanceParserMode, enthalpyMissing, entropyMissing, ThermochemicalSums, BalMin,
                                     BalMid, BalMax, reactionEnthalpy, reactionEntropy, equation, table);
  if (result != EquationBalanced) {
    SetDlgItemText(ThermoBalancedEquationId, ErrorText.c_str());
  } else {
    SetDlgItemText(ThermoTableId, WithCrLfLineEnds(std::move(table)).c_str());
    SetDlgItemText(ThermoEnthalpyValueId, ValueOrUnknown(enthalpyMissing != 0, reactionEnthalpy, " kJ").c_str());
    SetDlgItemText(ThermoEntropyValueId, ValueOrUnknown(entropyMissing != 0, reactionEntropy, " J/K").c_str());
    if (enthalpyMissing != 0) {
      FormatErrorText(MissingCompoundDataError, "");
      equation = equation.substr(0, ShownEquationBeforeMissingData) + "......" + ErrorText;
    }
    SetDlgItemText(ThermoBalancedEquationId, equation.c_str());
    if (!DamagedThermochemicalRecords.empty())
      MessageBoxEditorMessages(*this).Show(
          DamagedRecordsMessage(ThermochemicalTableName, DamagedThermochemicalRecords));
  }
  // The error line that is left standing after a calculation.
  FormatErrorText(UnspecifiedError, "");
}

void Cwm_TERMODYNAMIKKDlg::CopySelectedEquation() {
  const int selected = m_equations.GetCurSel();
  if (selected == LB_ERR) return;
  std::string entry;
  m_equations.GetText(selected, entry);
  if (entry.size() > SelectedEntryLimit) entry.resize(SelectedEntryLimit);
  SetDlgItemText(ThermoEquationFieldId, entry.c_str());
}

// The table is rebuilt with the new column when the pointer next moves over the window.
void Cwm_TERMODYNAMIKKDlg::ChooseColumn() {
  const int chosen = m_columnChoice.GetCurSel();
  if (chosen == CB_ERR) return;
  ThermoColumnChoice = static_cast<std::uint8_t>(chosen);
  std::string equation = DialogItemText(*this, ThermoEquationFieldId, CalculatedEquationLimit);
  RemoveBlanks(equation);
  if (!equation.empty()) ThermoRecalcPending = 1;
}

BOOL Cwm_TERMODYNAMIKKDlg::OnSetCursor(CWnd* window, UINT hitTest, UINT message) {
  if (ThermoRecalcPending == 1) {
    CalculateThermochemistry();
    ThermoRecalcPending = 0;
  }
  return Cwm_TERMODYNAMIKKBaseDlg::OnSetCursor(window, hitTest, message);
}

void Cwm_TERMODYNAMIKKDlg::EditEquationList(UINT id) {
  ListEditorWindow(*this, EquationList).OnButton(static_cast<int>(id));
}

void Cwm_TERMODYNAMIKKDlg::OpenDataEditor() { OpenThermochemicalDataDialog(this); }

int OpenThermochemistryDialog(CWnd* parent) {
  return OpenModalDialog<Cwm_TERMODYNAMIKKDlg>(TermodynamikkTemplateName, parent);
}
