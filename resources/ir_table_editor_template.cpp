#include "platform/win/control_constants.h"
#include "resources/dialog_templates.h"
#include "resources/ir_table_editor_ids.h"
#include "resources/template_items.h"

namespace {

constexpr short RangeRowY[IrRangeCount] = {73, 89, 105, 121, 137, 153, 169, 186};

}  // namespace

// The IR table editor: comment and assignment across the top, the eight absorption ranges framed
// on the left, the list of assignments on the right with the list buttons framed beneath.
DialogTemplate MassirdatTemplate() {
  DialogTemplate dialog = ModalDialog("SPEKTROSKOPI - IR DATA", 359, 253);
  dialog.items = {
      StaticText("Kommentar :", IrCommentLabelId, 1, 17, 41, 8),
      EditField(IrCommentFieldId, 44, 15, 314, 12),
      StaticText("Tilordning :", IrAssignmentLabelId, 49, 33, 49, 8),
      EditField(IrAssignmentFieldId, 100, 31, 258, 12),
      // Wide enough for the English caption, "Absorb.area (wave numbers)".
      GroupBox("Absorbsjonsomr\345de  (cm-1)", AbsorptionAreaGroupId, 0, 61, 105, 142),
  };
  for (int row = 0; row < IrRangeCount; ++row) {
    const int low = FirstRangeFieldId + 2 * row;
    dialog.items.push_back(EditField(low, 3, RangeRowY[row], 40, 12));
    dialog.items.push_back(StaticText("_", RangeDashIds[row], 47, RangeRowY[row], 6, 8));
    dialog.items.push_back(EditField(low + 1, 56, RangeRowY[row], 40, 12));
  }
  dialog.items.insert(
      dialog.items.end(),
      {
          Item("LISTBOX", "", IrListId, Shown | WS_BORDER | WS_TABSTOP | WS_VSCROLL | LBS_NOTIFY, 107, 45, 252, 166),
          GroupBox("Editere listeboks", IrEditListGroupId, 147, 216, 181, 35),
          GroupBox("Legge til ny tilordning", IrAddAssignmentGroupId, 150, 224, 89, 26),
          PushButton("F\xF8r", IrBeforeId, 154, 233, 36, 14),
          PushButton("Etter", IrAfterId, 198, 233, 36, 14),
          PushButton("Erstatte", ReplaceIrRecordId, 243, 233, 36, 14),
          PushButton("Fjerne", DeleteIrRecordId, 287, 233, 36, 14),
          PushButton("Fjerne tekstfeltinnhold", EraseIrFieldsId, 6, 233, 85, 14),
          DefaultPushButton("OK", IrOkId, 242, 2, 36, 10, HiddenDisabled),
          PushButton("filskr", RewriteIrTableId, 281, 2, 36, 10, HiddenDisabled),
          PushButton("Lukk", IrCloseId, 320, 1, 36, 12),
      });
  return dialog;
}

namespace {

constexpr MemberSetup MassirdatMembers[] = {
    // The labels, and the dashes of rows 6, 1, 2 and 3, in the order of their ids.
    {.id = IrAssignmentLabelId, .colours = ColourKind::Gray},
    {.id = RangeDash6Id, .colours = ColourKind::Gray},
    {.id = RangeDash1Id, .colours = ColourKind::Gray},
    {.id = IrCommentLabelId, .colours = ColourKind::Gray},
    {.id = RangeDash2Id, .colours = ColourKind::Gray},
    {.id = RangeDash3Id, .colours = ColourKind::Gray},
    // The three frames.
    {.id = AbsorptionAreaGroupId, .colours = ColourKind::Gray},
    {.id = IrEditListGroupId, .colours = ColourKind::Gray},
    {.id = IrAddAssignmentGroupId, .colours = ColourKind::Gray},
    // The dashes of rows 4, 5, 7 and 8.
    {.id = RangeDash4Id, .colours = ColourKind::Gray},
    {.id = RangeDash5Id, .colours = ColourKind::Gray},
    {.id = RangeDash7Id, .colours = ColourKind::Gray},
    {.id = RangeDash8Id, .colours = ColourKind::Gray},
};

constexpr EnglishText MassirdatEnglish[] = {
    {IrCloseId, "Close"},
    {IrCommentLabelId, "Comment :"},
    {IrBeforeId, "Before"},
    {IrAfterId, "After"},
    {ReplaceIrRecordId, "Replace"},
    {DeleteIrRecordId, "Delete"},
    {IrEditListGroupId, "Edit list box"},
    {IrAddAssignmentGroupId, "Add assignment"},
    {EraseIrFieldsId, "Erase text"},
    {IrAssignmentLabelId, "Assignment :"},
    {AbsorptionAreaGroupId, "Absorb.area (wave numbers)"},
};

}  // namespace

const WindowSetup MassirdatSetup{
    .members = MassirdatMembers, .englishCaption = "SPECTROSCOPY - IR DATA", .englishTexts = MassirdatEnglish};
