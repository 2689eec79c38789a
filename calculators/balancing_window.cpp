#include "calculators/balancing_window.h"

#include <array>

#include "resources/balancing_ids.h"
#include "runtime/dialog_item_text.h"
#include "runtime/dialog_openers.h"
#include "runtime/list_editor_window.h"
#include "engine/textutil.h"
#include "engine/formtext.h"
#include "runtime/generated_setup.h"
#include "engine/reaction.h"
#include "platform/win/wait_cursor.h"
#include "engine/settings/settings.h"
#include "engine/records/table_editor.h"

namespace {

// Characters of the equation field that a calculation reads, that an add stores, and of a list
// entry that a selection copies into the field.
constexpr std::size_t CalculatedEquationLimit = 253;
constexpr std::size_t StoredEquationLimit = 251;
constexpr std::size_t SelectedEntryLimit = 255;

// Every caller of the balancing engine passes this formula-parser mode.
constexpr std::int8_t BalanceParserMode = 2;

constexpr std::array<const char*, 6> Examples = {
    "FeS2+O2>Fe3O4+SO2",   "2gC3H8+O2>CO2+H2O",         "C3H8+2mO2>CO2+H2O",
    "5gC3H8+3gO2>CO2+H2O", "2gH,C3H8+0.5mO,O2>CO2+H2O", "As2S3+NaNO3+Na2CO3>Na3AsO4+Na2SO4+NaNO2+10gC,CO2",
};

const ListEditorLayout EquationList{[]() -> const TableEditorConfig& { return BalancingListEditor; },
                                    EquationListId,
                                    {AddBeforeId, AddAfterId, ReplaceEquationId, DeleteEquationId},
                                    {EquationFieldId, StoredEquationLimit},
                                    nullptr,
                                    nullptr,
                                    false};

}  // namespace

void Cwm_BalansereBaseDlg::ApplyTemplateSetup() {
  ApplyGeneratedSetup(
      *this, BalansereSetup,
      {m_balancedEquation, m_equationField, m_unbalancedLabel, m_balancedLabel, m_tableHeadings, m_examplesLabel,
       m_amountsTable, m_equationListLabel, m_addGroup, m_invisibleLabel, m_editListGroup});
}

BEGIN_MESSAGE_MAP(Cwm_BalansereDlg, Cwm_BalansereBaseDlg)
ON_BN_CLICKED(CalculateBalanceId, CalculateBalance)
ON_COMMAND_RANGE(FirstExampleId, LastExampleId, ShowExample)
ON_CONTROL(LBN_SELCHANGE, EquationListId, CopySelectedEquation)
ON_CONTROL(LBN_DBLCLK, EquationListId, CalculateBalance)
ON_LIST_EDITOR_BUTTONS(EquationList, EditEquationList)
END_MESSAGE_MAP()

BOOL Cwm_BalansereDlg::OnUserInit(int) {
  ListEditorWindow(*this, EquationList).LoadList();
  return TRUE;
}

void Cwm_BalansereDlg::CalculateBalance() {
  WaitCursor wait;
  SetDlgItemText(AmountsTableId, "");
  std::string equation = WithoutBlanksOrControls(DialogItemText(*this, EquationFieldId, CalculatedEquationLimit));
  ErrorText.clear();
  int enthalpyMissing = 0;
  int entropyMissing = 0;
  double reactionEnthalpy = 0;
  double reactionEntropy = 0;
  std::string table;
  const int result = BalanceEquation(BalanceParserMode, enthalpyMissing, entropyMissing, 0, BalMin, BalMid, BalMax,
                                     reactionEnthalpy, reactionEntropy, equation, table);
  if (result == EquationBalanced) {
    SetDlgItemText(BalancedEquationId, equation.c_str());
    SetDlgItemText(AmountsTableId, WithCrLfLineEnds(std::move(table)).c_str());
  } else {
    SetDlgItemText(BalancedEquationId, ErrorText.c_str());
  }
  // The error line that is left standing after a calculation.
  FormatErrorText(UnspecifiedError, "");
}

void Cwm_BalansereDlg::ShowExample(UINT id) { SetDlgItemText(EquationFieldId, Examples[id - FirstExampleId]); }

void Cwm_BalansereDlg::CopySelectedEquation() {
  const auto* listBox = static_cast<CListBox*>(GetDlgItem(EquationListId));
  const int selected = listBox->GetCurSel();
  if (selected == LB_ERR) return;
  std::string entry;
  listBox->GetText(selected, entry);
  if (entry.size() > SelectedEntryLimit) entry.resize(SelectedEntryLimit);
  SetDlgItemText(EquationFieldId, entry.c_str());
}

void Cwm_BalansereDlg::EditEquationList(UINT id) {
  ListEditorWindow(*this, EquationList).OnButton(static_cast<int>(id));
}

int OpenBalanceDialog(CWnd* parent) { return OpenModalDialog<Cwm_BalansereDlg>(BalansereTemplateName, parent); }
