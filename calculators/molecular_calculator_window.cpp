#include "calculators/molecular_calculator_window.h"

#include "platform/controls/heading_spacing.h"
#include "runtime/dialog_openers.h"
#include "runtime/editor_list_box.h"
#include "engine/formula/formula_information.h"
#include "engine/textutil.h"
#include "runtime/generated_setup.h"
#include "calculators/names_formulas_editor.h"
#include "resources/molecular_calculator_ids.h"
#include "engine/records/record_file.h"
#include "engine/settings/settings.h"
#include "engine/records/table_editor.h"

namespace {

// The formula field is read with at most this many characters.
constexpr std::size_t FormulaReadLimit = 78;
constexpr int FormulaLine = 6;

const char* const ExampleFormulas[] = {"H2SO4", "H[2]2SO4", "2gH2SO4", "2mH2SO4", "2gS,H2SO4", "2mS,H2SO4"};

}  // namespace

void Cwm_MolekylkalkulatorBaseDlg::ApplyTemplateSetup() {
  ApplyGeneratedSetup(*this, MolekylkalkulatorSetup,
                      {m_formulaLabel, m_formula, m_examplesLabel, m_examples, m_calculate, m_resultLabel, m_result,
                       m_compositionHeading, m_composition, m_names, m_openNames, m_close});
}

void Cwm_MolekylkalkulatorBaseDlg::ArrangeTexts() {
  SpaceHeadingOverTabStops(m_hWnd, CompositionHeadingId, CompositionId, {0, 1, 3, 5});
}

BEGIN_MESSAGE_MAP(Cwm_MolekylkalkulatorDlg, Cwm_MolekylkalkulatorBaseDlg)
ON_BN_CLICKED(CalculateMoleculeId, CalculateMolecule)
ON_COMMAND_RANGE(FirstExampleId, LastExampleId, PutExample)
ON_BN_CLICKED(OpenMoleculeNamesId, OpenNamesEditor)
ON_CONTROL(LBN_SELCHANGE, MoleculeNamesListId, SelectMoleculeName)
ON_CONTROL(LBN_DBLCLK, MoleculeNamesListId, CalculateMolecule)
ON_WM_ACTIVATE()
END_MESSAGE_MAP()

BOOL Cwm_MolekylkalkulatorDlg::OnUserInit(int) {
  ListFileChanged = 0;
  LoadMoleculeNames();
  return TRUE;
}

void Cwm_MolekylkalkulatorDlg::LoadMoleculeNames() {
  ListBoxEditorList list(m_names);
  MessageBoxEditorMessages messages(*this);
  LoadEditorList(MoleculeNamesEditor(), list, messages);
}

void Cwm_MolekylkalkulatorDlg::CalculateMolecule() {
  SetCursor(LoadCursor(nullptr, IDC_WAIT));
  std::string typed;
  m_formula.GetWindowText(typed);
  if (typed.size() > FormulaReadLimit) typed.resize(FormulaReadLimit);
  const FormulaInformation information = DescribeFormula(WithoutBlanksOrControls(typed));
  SetDlgItemText(MoleculeResultId, information.resultLine.c_str());
  SetDlgItemText(CompositionId, information.composition.c_str());
  SetCursor(LoadCursor(nullptr, IDC_ARROW));
}

void Cwm_MolekylkalkulatorDlg::PutExample(UINT id) {
  SetDlgItemText(MoleculeFormulaId, ExampleFormulas[id - FirstExampleId]);
}

void Cwm_MolekylkalkulatorDlg::OpenNamesEditor() { OpenMoleculeNamesDialog(this); }

// The first record whose name is the chosen entry gives the formula; without one the field keeps
// its text.
void Cwm_MolekylkalkulatorDlg::SelectMoleculeName() {
  const int selected = m_names.GetCurSel();
  if (selected < 0) return;
  std::string name;
  m_names.GetText(selected, name);
  const std::vector<std::string> record = FindEditorRecord(MoleculeNamesEditor(), name);
  if (record.empty()) return;
  SetDlgItemText(MoleculeFormulaId, RecordLine(record, FormulaLine).c_str());
}

// The names editor, or any other editor of a shared list, may have rewritten the table meanwhile.
void Cwm_MolekylkalkulatorDlg::OnActivate(UINT state, CWnd* other, BOOL minimized) {
  if (ListFileChanged != 0) {
    LoadMoleculeNames();
    ListFileChanged = 0;
  }
  Cwm_MolekylkalkulatorBaseDlg::OnActivate(state, other, minimized);
}

int OpenMolecularCalculatorDialog(CWnd* parent) {
  return OpenModalDialog<Cwm_MolekylkalkulatorDlg>(MolekylkalkulatorTemplateName, parent);
}
