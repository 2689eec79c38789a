#include "platform/win/control_constants.h"
#include "resources/dialog_templates.h"
#include "resources/molecular_calculator_ids.h"
#include "resources/template_items.h"

// The molecular calculator: the formula with its example buttons on top, the result line and the
// composition table below, the list of named formulas on the right.
DialogTemplate MolekylkalkulatorTemplate() {
  DialogTemplate dialog = ModalDialog("MOLEKYLKALKULATOR", 352, 196);
  dialog.pointSize = 9;
  dialog.faceName = "Fixedsys";
  const char* const examples[] = {"1", "2", "3", "4", "5", "6"};
  dialog.items = {
      PushButton("OK", IDOK, 150, 2, 30, 12, HiddenDisabled),
      StaticText("Formel", FormulaLabelId, 4, 4, 80, 9),
      Item("EDIT", "", MoleculeFormulaId, Shown | WS_BORDER | WS_TABSTOP | ES_AUTOHSCROLL, 4, 14, 250, 13),
      StaticText("Eksempler:", ExamplesLabelId, 4, 33, 46, 9),
      DefaultPushButton("Beregn", CalculateMoleculeId, 196, 31, 58, 14),
      StaticText("Beregnede verdier", ResultLabelId, 4, 50, 120, 9),
      Item("EDIT", "", MoleculeResultId, Shown | WS_BORDER | ES_AUTOHSCROLL | ES_READONLY, 4, 60, 250, 13),
      StaticText("Atom         Mol                          Masse (g)                    Masseprosent",
                 CompositionHeadingId, 4, 79, 250, 9),
      Item("EDIT", "", CompositionId, Shown | WS_BORDER | WS_VSCROLL | ES_MULTILINE | ES_AUTOVSCROLL | ES_READONLY, 4,
           89, 250, 102),
      Item("LISTBOX", "", MoleculeNamesListId, Shown | WS_BORDER | WS_VSCROLL | WS_TABSTOP | LBS_NOTIFY, 260, 14, 88,
           158),
      PushButton("Navn og formler", OpenMoleculeNamesId, 260, 177, 88, 14),
      PushButton("Lukk", IDCANCEL, 310, 0, 38, 12),
  };
  for (int i = 0; i < 6; ++i) {
    dialog.items.push_back(PushButton(examples[i], FirstExampleId + i, static_cast<short>(52 + 12 * i), 31, 10, 14));
  }
  return dialog;
}

namespace {

constexpr MemberSetup MolekylkalkulatorMembers[] = {
    {.id = FormulaLabelId, .colours = ColourKind::Gray, .font = HelvSmallBold},
    {.id = MoleculeFormulaId, .colours = ColourKind::White, .font = HelvSmallBold},
    {.id = ExamplesLabelId, .colours = ColourKind::Gray, .font = HelvSmallBold},
    {.id = FirstExampleId, .count = LastExampleId - FirstExampleId + 1, .font = HelvSmallBold},
    {.id = CalculateMoleculeId, .font = HelvSmallBold},
    {.id = ResultLabelId, .colours = ColourKind::Gray, .font = HelvSmallBold},
    {.id = MoleculeResultId, .colours = ColourKind::Gray, .font = HelvSmallBold},
    {.id = CompositionHeadingId, .colours = ColourKind::Gray, .font = HelvSmallBold},
    {.id = CompositionId, .colours = ColourKind::Gray, .font = FixedsysTable},
    {.id = MoleculeNamesListId, .font = HelvSmallBold},
    {.id = OpenMoleculeNamesId, .font = HelvSmallBold},
    {.id = IDCANCEL, .font = HelvSmallBold},
};

constexpr EnglishText MolekylkalkulatorEnglish[] = {
    {FormulaLabelId, "Formula"},
    {ExamplesLabelId, "Examples:"},
    {CalculateMoleculeId, "Calculate"},
    {ResultLabelId, "Calculated values"},
    {CompositionHeadingId, "Atom       Mol                                Mass(g)                    Mass(%)"},
    {OpenMoleculeNamesId, "Name and formula"},
    {IDCANCEL, "Close"},
};

}  // namespace

const WindowSetup MolekylkalkulatorSetup{.members = MolekylkalkulatorMembers,
                                         .englishCaption = "MOLECULAR CALCULATOR",
                                         .englishTexts = MolekylkalkulatorEnglish};
