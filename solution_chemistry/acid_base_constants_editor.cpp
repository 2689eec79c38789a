#include "solution_chemistry/acid_base_constants_editor.h"

#include "platform/controls/heading_spacing.h"
#include <utility>

#include "engine/numbers/number_text.h"
#include "engine/numbers/typed_number.h"
#include "engine/settings/settings.h"
#include "resources/acid_base_constants_editor_ids.h"
#include "runtime/dialog_item_text.h"
#include "runtime/dialog_openers.h"
#include "runtime/generated_setup.h"
#include "runtime/record_editor_window.h"
#include "solution_chemistry/model/acid_base_solver.h"
#include "solution_chemistry/dissociation_check.h"
#include "solution_chemistry/dissociation_messages.h"
#include "solution_chemistry/dissociation_tables.h"

namespace {

constexpr std::size_t KeyReadLimit = 252;
constexpr std::size_t NameReadLimit = 251;
constexpr std::size_t ConstantReadLimit = 252;

const TableEditorConfig& Table() { return AcidBaseTable; }

// Line 5 has no field of its own: the hidden field that would show it stands in its place.
const RecordEditorLayout AcidBaseDataLayout{
    Table,
    {
        {SyrekonstFormulaId, KeyReadLimit},
        {SyrekonstEnglishNameId, NameReadLimit},
        {SyrekonstNorwegianNameId, NameReadLimit},
        {SyrekonstHiddenLineFiveId, DissociationLineWidth},
        {SyrekonstIonId, DissociationLineWidth},
        {SyrekonstConjugateId, DissociationLineWidth},
        {SyrekonstKId, DissociationLineWidth},
        {SyrekonstTemperatureId, DissociationLineWidth},
    },
    KeyField,
    SyrekonstBeforeId,
    SyrekonstAfterId,
    SyrekonstReplaceId,
    SyrekonstDeleteId,
    SyrekonstEraseFieldsId,
    SyrekonstListId,
    nullptr,
};

// The formula with the water it reacts with, as the balance check reads the equation.
std::string WithWater(std::string formula) {
  if (formula.size() < DissociationLineWidth) formula += "+H2O";
  return formula;
}

bool IsWaterIon(const std::string& text) { return text == "OH-" || text == "H3O+"; }

}  // namespace

void Cwm_SYREKONSTBaseDlg::ApplyTemplateSetup() {
  ApplyGeneratedSetup(*this, SyrekonstSetup,
                      {m_labels, m_editListGroup, m_equationGroup, m_equationStatics, m_temperatureStatics,
                       m_constantStatics, m_addGroup});
}

void Cwm_SYREKONSTBaseDlg::ArrangeTexts() {
  SpaceHeadingOverFields(m_hWnd, SyrekonstColumnHeadsId, {SyrekonstFormulaId, SyrekonstIonId});
}

BEGIN_MESSAGE_MAP(Cwm_SYREKONSTDlg, Cwm_SYREKONSTBaseDlg)
ON_BN_CLICKED(SyrekonstConvertId, ConvertKAndPK)
ON_CONTROL(EN_SETFOCUS, SyrekonstKId, EnterK)
ON_CONTROL(EN_SETFOCUS, SyrekonstPKId, EnterPK)
END_MESSAGE_MAP()

BOOL Cwm_SYREKONSTDlg::OnUserInit(int) {
  // What is stored is what was checked: a field takes no more than its line holds.
  for (int id : {SyrekonstFormulaId, SyrekonstIonId, SyrekonstConjugateId, SyrekonstKId, SyrekonstTemperatureId})
    SendDlgItemMessage(id, EM_LIMITTEXT, DissociationLineWidth);
  RecordEditorWindow(*this, *static_cast<CListBox*>(GetDlgItem(SyrekonstListId)), AcidBaseDataLayout).LoadList();
  return TRUE;
}

// K wins when both are filled; pK fills K only when K is empty.
void Cwm_SYREKONSTDlg::ConvertKAndPK() {
  const std::string constant = SlotText(DialogItemText(*this, SyrekonstKId, ConstantReadLimit));
  if (!constant.empty()) {
    if (ReadLeadingReal(constant) > 0.0) {
      SetDlgItemText(SyrekonstPKId, PKText(constant).c_str());
    } else {
      ShowDissociationMessage(*this, IllegalNumberMessage());
      SetDlgItemText(SyrekonstPKId, "");
      SetDlgItemText(SyrekonstKId, "");
    }
    return;
  }
  const std::string pK = SlotText(DialogItemText(*this, SyrekonstPKId, ConstantReadLimit));
  if (!pK.empty()) SetDlgItemText(SyrekonstKId, ConstantFromPKText(pK).c_str());
}

void Cwm_SYREKONSTDlg::EnterK() { SetDlgItemText(SyrekonstPKId, ""); }

void Cwm_SYREKONSTDlg::EnterPK() { SetDlgItemText(SyrekonstKId, ""); }

// H3O+ or OH- typed as the conjugate is moved to its own field; the formula must fit the table, the
// dissociation in water must balance as typed, and K (or the K its pK gives) must be a number above
// 0; each fault shows its message, and any of them keeps the record out of the table.
bool Cwm_SYREKONSTDlg::FieldsPass() {
  const std::string key = DialogItemText(*this, SyrekonstFormulaId, KeyReadLimit);
  if (key.size() > DissociationLineWidth) {
    ShowDissociationMessage(*this, FormulaTooLongMessage());
    return false;
  }
  if (IsWaterIon(DialogItemText(*this, SyrekonstConjugateId, SlotReadLimit))) {
    const std::string ion = DialogItemText(*this, SyrekonstIonId, KeyReadLimit);
    SetDlgItemText(SyrekonstIonId, DialogItemText(*this, SyrekonstConjugateId, SlotReadLimit).c_str());
    SetDlgItemText(SyrekonstConjugateId, ion.c_str());
  }
  const DissociationRows rows{WithWater(SlotText(key)), SlotText(DialogItemText(*this, SyrekonstIonId, SlotReadLimit)),
                              SlotText(DialogItemText(*this, SyrekonstConjugateId, SlotReadLimit)), ""};
  bool pass = true;
  if (const std::string refusal = DissociationRefusal(rows); !refusal.empty()) {
    ShowDissociationMessage(*this, refusal);
    pass = false;
  }
  std::string constant = SlotText(DialogItemText(*this, SyrekonstKId, SlotReadLimit));
  const std::string temperature = SlotText(DialogItemText(*this, SyrekonstTemperatureId, SlotReadLimit));
  const std::string pK = SlotText(DialogItemText(*this, SyrekonstPKId, SlotReadLimit));
  bool numbersRead = true;
  for (const std::string* text : {&std::as_const(constant), &temperature, &pK})
    numbersRead = numbersRead && (text->empty() || TypedNumber(*text));
  if (numbersRead && constant.empty() && !pK.empty()) constant = ConstantFromPKText(pK);
  // A K that is 0 or less, or that a pK makes 0 or beyond every number, would be stored without meaning.
  if (!numbersRead || (!constant.empty() && (!TypedNumber(constant) || !(ReadLeadingReal(constant) > 0.0)))) {
    ShowDissociationMessage(*this, IllegalNumberMessage());
    pass = false;
  }
  if (!pass) return false;
  SetDlgItemText(SyrekonstKId, constant.c_str());
  SetDlgItemText(SyrekonstTemperatureId, temperature.c_str());
  SetDlgItemText(SyrekonstPKId, PKText(constant).c_str());
  return true;
}

// The command given decides the operation: the button clicked, whatever holds the focus.
BOOL Cwm_SYREKONSTDlg::OnCommand(WPARAM wParam, LPARAM lParam) {
  const int id = LOWORD(wParam);
  const int notification = HIWORD(wParam);
  const bool add = id == SyrekonstBeforeId || id == SyrekonstAfterId || id == SyrekonstReplaceId;
  if (add && notification == BN_CLICKED && !FieldsPass()) return TRUE;
  // A record shown, or the fields erased, leaves no pK of the record shown before.
  if ((id == SyrekonstEraseFieldsId && notification == BN_CLICKED) ||
      (id == SyrekonstListId && notification == LBN_DBLCLK))
    SetDlgItemText(SyrekonstPKId, "");
  RecordEditorWindow editor(*this, *static_cast<CListBox*>(GetDlgItem(SyrekonstListId)), AcidBaseDataLayout);
  if (editor.OnCommand(id, notification)) {
    if (id == SyrekonstListId) ConvertKAndPK();
    return TRUE;
  }
  return Cwm_SYREKONSTBaseDlg::OnCommand(wParam, lParam);
}

int OpenAcidBaseDataDialog(CWnd* parent) { return OpenModalDialog<Cwm_SYREKONSTDlg>(SyrekonstTemplateName, parent); }
