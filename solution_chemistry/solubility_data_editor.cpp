#include "solution_chemistry/solubility_data_editor.h"

#include "platform/controls/heading_spacing.h"
#include "engine/numbers/number_text.h"
#include "engine/numbers/typed_number.h"
#include "engine/settings/settings.h"
#include "resources/solubility_data_editor_ids.h"
#include "runtime/dialog_item_text.h"
#include "runtime/dialog_openers.h"
#include "runtime/generated_setup.h"
#include "runtime/record_editor_window.h"
#include "solution_chemistry/dissociation_check.h"
#include "solution_chemistry/dissociation_messages.h"
#include "solution_chemistry/dissociation_tables.h"

namespace {

constexpr std::size_t KeyReadLimit = 252;
constexpr std::size_t NameReadLimit = 251;

const TableEditorConfig& Table() { return SolubilityTable; }

const RecordEditorLayout SolubilityDataLayout{
    Table,
    {
        {SoludataFormulaId, KeyReadLimit},
        {SoludataEnglishNameId, NameReadLimit},
        {SoludataNorwegianNameId, NameReadLimit},
        {SoludataCrystalWaterId, DissociationLineWidth},
        {SoludataCationId, DissociationLineWidth},
        {SoludataAnionId, DissociationLineWidth},
        {SoludataKspId, DissociationLineWidth},
        {SoludataTemperatureId, DissociationLineWidth},
    },
    KeyField,
    SoludataBeforeId,
    SoludataAfterId,
    SoludataReplaceId,
    SoludataDeleteId,
    SoludataEraseFieldsId,
    SoludataListId,
    nullptr,
};

}  // namespace

void Cwm_SOLUPROClicked100BaseDlg::ApplyTemplateSetup() {
  ApplyGeneratedSetup(*this, SoludataSetup,
                      {m_labels, m_equationGroup, m_kspSubscript, m_editListGroup, m_anionPlus, m_equals,
                       m_undissociatedHead, m_hiddenCrystalWaterHead, m_hiddenMark, m_crystalWaterPlus, m_addGroup});
}

void Cwm_SOLUPROClicked100BaseDlg::ArrangeTexts() {
  SpaceHeadingOverFields(m_hWnd, SoludataColumnHeadsId,
                         {SoludataFormulaId, SoludataCationId, SoludataAnionId, SoludataCrystalWaterId});
}

BOOL Cwm_SOLUPROClicked100Dlg::OnUserInit(int) {
  // What is stored is what was checked: a field takes no more than its line holds.
  for (int id : {SoludataFormulaId, SoludataCationId, SoludataAnionId, SoludataCrystalWaterId, SoludataKspId,
                 SoludataTemperatureId})
    SendDlgItemMessage(id, EM_LIMITTEXT, DissociationLineWidth);
  RecordEditorWindow(*this, *static_cast<CListBox*>(GetDlgItem(SoludataListId)), SolubilityDataLayout).LoadList();
  return TRUE;
}

// The formula must fit the table, the dissociation must balance as typed and the numbers must read
// as numbers; each fault shows its message, and any of them keeps the record out of the table.
bool Cwm_SOLUPROClicked100Dlg::FieldsPass() {
  const std::string key = DialogItemText(*this, SoludataFormulaId, KeyReadLimit);
  if (key.size() > DissociationLineWidth) {
    ShowDissociationMessage(*this, FormulaTooLongMessage());
    return false;
  }
  const DissociationRows rows{SlotText(key), SlotText(DialogItemText(*this, SoludataCationId, SlotReadLimit)),
                              SlotText(DialogItemText(*this, SoludataAnionId, SlotReadLimit)),
                              SlotText(DialogItemText(*this, SoludataCrystalWaterId, SlotReadLimit))};
  bool pass = true;
  if (const std::string refusal = DissociationRefusal(rows); !refusal.empty()) {
    ShowDissociationMessage(*this, refusal);
    pass = false;
  }
  const std::string ksp = SlotText(DialogItemText(*this, SoludataKspId, SlotReadLimit));
  const std::string temperature = SlotText(DialogItemText(*this, SoludataTemperatureId, SlotReadLimit));
  // A Ksp of 0 or below has no solubility; the window would refuse the record.
  const bool kspRefused = !ksp.empty() && (!TypedNumber(ksp) || !(ReadLeadingReal(ksp) > 0.0));
  if (kspRefused || (!temperature.empty() && !TypedNumber(temperature))) {
    ShowDissociationMessage(*this, IllegalNumberMessage());
    pass = false;
  }
  if (!pass) return false;
  // Stored without blanks, and shown so.
  SetDlgItemText(SoludataKspId, ksp.c_str());
  SetDlgItemText(SoludataTemperatureId, temperature.c_str());
  return true;
}

// The command given decides the operation: Enter in a field runs Before, the default button.
BOOL Cwm_SOLUPROClicked100Dlg::OnCommand(WPARAM wParam, LPARAM lParam) {
  const int id = LOWORD(wParam);
  const bool add = id == SoludataBeforeId || id == SoludataAfterId || id == SoludataReplaceId;
  if (add && HIWORD(wParam) == BN_CLICKED && !FieldsPass()) return TRUE;
  RecordEditorWindow editor(*this, *static_cast<CListBox*>(GetDlgItem(SoludataListId)), SolubilityDataLayout);
  if (editor.OnCommand(id, HIWORD(wParam))) return TRUE;
  return Cwm_SOLUPROClicked100BaseDlg::OnCommand(wParam, lParam);
}

int OpenSolubilityDataDialog(CWnd* parent) {
  return OpenModalDialog<Cwm_SOLUPROClicked100Dlg>(SoludataTemplateName, parent);
}
