#include "platform/win/control_constants.h"
#include "resources/dialog_templates.h"
#include "resources/nmr_table_editor_ids.h"
#include "resources/template_items.h"

namespace {

constexpr short ShiftColumnX[] = {4, 45, 86};
constexpr short FirstShiftRowY = 68;
constexpr short ShiftRowStep = 13;

}  // namespace

// The NMR table editor: comment and assignment across the top, the tolerance and the grid of 45
// shifts framed on the left, the list of assignments on the right with the list buttons beneath.
// The caption is set when the window opens, by the table it edits.
DialogTemplate MassnmrTemplate() {
  DialogTemplate dialog = ModalDialog("SPEKTROSKOPI - H/C NMR", 363, 282);
  dialog.items = {
      StaticText("Kommentar :", NmrCommentLabelId, 16, 17, 43, 8),
      EditField(NmrCommentFieldId, 63, 16, 298, 12),
      StaticText("Tilordning :", NmrAssignmentLabelId, 62, 32, 57, 8),
      EditField(NmrAssignmentFieldId, 131, 30, 230, 12),
      GroupBox("Resonansomr\345der (ppm)", ResonanceAreaGroupId, 2, 44, 127, 220),
      StaticText("+/-", NmrToleranceLabelId, 40, 54, 10, 8),
      EditField(NmrToleranceFieldId, 54, 53, 23, 12),
  };
  for (int i = 0; i < ShiftFieldCount; ++i) {
    const short x = ShiftColumnX[i / ShiftFieldsPerColumn];
    const short y = static_cast<short>(FirstShiftRowY + ShiftRowStep * (i % ShiftFieldsPerColumn));
    dialog.items.push_back(EditField(FirstShiftFieldId + i, x, y, 40, 12));
  }
  dialog.items.insert(
      dialog.items.end(),
      {
          Item("LISTBOX", "", NmrListId, Shown | WS_BORDER | WS_TABSTOP | WS_VSCROLL | LBS_NOTIFY, 131, 45, 230, 196),
          GroupBox("Editere listeboks", NmrEditListGroupId, 156, 243, 179, 36),
          GroupBox("Legge til ny tilordning", NmrAddAssignmentGroupId, 159, 251, 86, 26),
          PushButton("F\xF8r", NmrBeforeId, 162, 261, 36, 14),
          PushButton("Etter", NmrAfterId, 205, 261, 36, 14),
          PushButton("Erstatte", ReplaceNmrRecordId, 250, 261, 36, 14),
          PushButton("Fjerne", DeleteNmrRecordId, 293, 261, 36, 14),
          PushButton("Fjerne tekstfeltinnhold", EraseNmrFieldsId, 26, 266, 81, 14),
          DefaultPushButton("OK", NmrOkId, 281, 1, 36, 12, HiddenDisabled),
          PushButton("filskr", RewriteNmrTableId, 241, 2, 36, 11, HiddenDisabled),
          PushButton("Lukk", NmrCloseId, 321, 1, 36, 12),
      });
  return dialog;
}

namespace {

constexpr MemberSetup MassnmrMembers[] = {
    {.id = NmrEditListGroupId, .colours = ColourKind::Gray},
    {.id = NmrAddAssignmentGroupId, .colours = ColourKind::Gray},
    {.id = NmrAssignmentLabelId, .colours = ColourKind::Gray},
    {.id = NmrCommentLabelId, .colours = ColourKind::Gray},
    {.id = ResonanceAreaGroupId, .colours = ColourKind::Gray},
    {.id = NmrToleranceLabelId, .colours = ColourKind::Gray},
};

}  // namespace

const WindowSetup MassnmrSetup{.members = MassnmrMembers};
