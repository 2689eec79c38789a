#include "platform/win/control_constants.h"
#include "resources/dialog_templates.h"
#include "resources/formula_info_ids.h"
#include "resources/template_items.h"

// The formula information: the result or error line on top, the composition table with its column
// headings below it.
DialogTemplate FormelinfoTemplate() {
  DialogTemplate dialog = ModalDialog("FORMELINFORMASJON", 249, 106);
  dialog.x = 9;
  dialog.y = 47;
  dialog.items = {
      PushButton("OK", IDOK, 170, 2, 30, 12, HiddenDisabled),
      PushButton("Lukk", FormulaInfoCloseId, 209, 2, 36, 12),
      StaticText("Beregnede verdier/feilmeldinger", FormulaInfoResultLabelId, 4, 5, 150, 9),
      Item("EDIT", "", FormulaInfoResultId, Shown | WS_BORDER | WS_TABSTOP | ES_AUTOHSCROLL | ES_READONLY, 4, 16, 241,
           13),
      StaticText("Atom        Mol                              Masse(g)                   Masseprosent",
                 FormulaInfoHeadingId, 4, 33, 241, 9),
      Item("EDIT", "", FormulaInfoTableId,
           Shown | WS_BORDER | WS_VSCROLL | WS_TABSTOP | ES_MULTILINE | ES_AUTOVSCROLL | ES_READONLY, 4, 43, 241, 59),
  };
  return dialog;
}

namespace {

constexpr MemberSetup FormelinfoMembers[] = {
    {.id = FormulaInfoResultLabelId, .colours = ColourKind::Gray, .font = HelvSmall},
    {.id = FormulaInfoResultId, .colours = ColourKind::White, .font = HelvSmall},
    {.id = FormulaInfoHeadingId, .colours = ColourKind::Gray, .font = HelvSmall},
    {.id = FormulaInfoTableId, .colours = ColourKind::Gray, .font = FixedsysTable},
    {.id = FormulaInfoCloseId, .font = HelvSmall},
};

}  // namespace

const WindowSetup FormelinfoSetup{.members = FormelinfoMembers};
