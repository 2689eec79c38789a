#include "resources/dialog_templates.h"
#include "resources/print_options_dialog_ids.h"
#include "resources/template_items.h"

// The print options dialog: the number of print points in the X direction.
DialogTemplate PrintoptTemplate() {
  DialogTemplate dialog = ModalDialog("PRINTOPT", 141, 57);
  dialog.items = {
      DefaultPushButton("OK", IDOK, 63, 2, 36, 12, HiddenDisabled),
      PushButton("Avslutt", IDCANCEL, 103, 2, 36, 12),
      GroupBox("Antall utskriftspunkter i X-retning:", PrintPointsGroupId, 6, 17, 118, 31),
      EditField(PrintPointsFieldId, 26, 31, 68, 12),
  };
  return dialog;
}

namespace {

constexpr MemberSetup PrintoptMembers[] = {
    {.id = PrintPointsGroupId, .colours = ColourKind::Gray},
};

}  // namespace

const WindowSetup PrintoptSetup{.members = PrintoptMembers};
