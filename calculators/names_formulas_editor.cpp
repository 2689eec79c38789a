#include "calculators/names_formulas_editor.h"

#include "runtime/dialog_openers.h"
#include "engine/formula/formula_mass.h"
#include "runtime/generated_setup.h"
#include "resources/names_formulas_editor_ids.h"
#include "runtime/record_editor_window.h"
#include "engine/settings/settings.h"

namespace {

// Name and formula are read as typed, 251 characters at most.
constexpr std::size_t NameFieldReadLimit = 251;
constexpr std::size_t FormulaFieldReadLimit = 251;
constexpr std::size_t FormulaField = 1;

// The formula is tested as typed, blanks included; a refusal shows the headline only, Norwegian
// when LanguageCode is 47, else English.
std::vector<std::string> MoleculeFormulaRefusal(std::vector<std::string>& fields) {
  if (FormulaMass(fields[FormulaField]) > -1.0f) return {};
  return {LanguageCode == NorwegianLanguage ? "FORMELFEIL\n\n" : "FORMULA ERROR\n\n"};
}

const RecordEditorLayout MoleculeNamesLayout{
    MoleculeNamesEditor,
    {{NameFieldId, NameFieldReadLimit}, {NameFormulaId, FormulaFieldReadLimit}},
    0,
    NameBeforeId,
    NameAfterId,
    ReplaceNameId,
    DeleteNameId,
    EraseNameFieldsId,
    NamesListId,
    MoleculeFormulaRefusal,
};

}  // namespace

void Cwm_MOLCLC2BaseDlg::ApplyTemplateSetup() {
  ApplyGeneratedSetup(*this, Molclc2Setup,
                      {m_nameLabel, m_name, m_formulaLabel, m_formula, m_names, m_eraseFields, m_editListGroup,
                       m_addNameGroup, m_before, m_after, m_replace, m_delete});
}

BOOL Cwm_MOLCLC2Dlg::OnUserInit(int) {
  RecordEditorWindow(*this, m_names, MoleculeNamesLayout).LoadList();
  return TRUE;
}

BOOL Cwm_MOLCLC2Dlg::OnCommand(WPARAM wParam, LPARAM lParam) {
  if (RecordEditorWindow(*this, m_names, MoleculeNamesLayout).OnCommand(LOWORD(wParam), HIWORD(wParam))) return TRUE;
  return Cwm_MOLCLC2BaseDlg::OnCommand(wParam, lParam);
}

int OpenMoleculeNamesDialog(CWnd* parent) { return OpenModalDialog<Cwm_MOLCLC2Dlg>(Molclc2TemplateName, parent); }
