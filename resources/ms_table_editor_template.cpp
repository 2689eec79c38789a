#include "platform/win/control_constants.h"
#include "resources/dialog_templates.h"
#include "resources/ms_table_editor_ids.h"
#include "resources/template_items.h"

// The MS fragment table editor: the assignment, the isotope formula and its calculated mass above
// the list of isotope formulas, the list buttons framed beneath it.
DialogTemplate MassmsdatTemplate() {
  DialogTemplate dialog = ModalDialog("SPEKTROSKOPI - MS DATA", 349, 259);
  dialog.items = {
      PushButton("Fjerne tekstfeltinnhold", EraseMsFragmentFieldsId, 56, 2, 79, 12),
      DefaultPushButton("OK", MsFragmentOkId, 198, 2, 36, 12, HiddenDisabled),
      PushButton("filskr", RewriteMsFragmentsId, 238, 2, 36, 11, HiddenDisabled),
      PushButton("Lukk", MsFragmentCloseId, 309, 2, 36, 12),
      StaticText("Tilordning :", MsAssignmentLabelId, 2, 18, 50, 8),
      EditField(MsAssignmentFieldId, 56, 16, 289, 12),
      StaticText("Isotopformel :", IsoFormulaLabelId, 3, 33, 51, 8),
      EditField(IsoFormulaFieldId, 56, 31, 175, 12),
      StaticText("Beregnet masse :", CalculatedMassLabelId, 236, 33, 57, 8),
      Item("EDIT", "", CalculatedMassFieldId, Shown | WS_BORDER | WS_TABSTOP | ES_AUTOHSCROLL | ES_READONLY, 295, 31,
           50, 12),
      Item("LISTBOX", "", MsFragmentListId, Shown | WS_BORDER | WS_TABSTOP | WS_VSCROLL | LBS_NOTIFY, 56, 46, 175, 166),
      GroupBox("Editere listeboks", MsEditListGroupId, 56, 220, 179, 38),
      GroupBox("Legg til isotopformel", AddIsoFormulaGroupId, 60, 228, 85, 27),
      PushButton("F\xF8r", MsFragmentBeforeId, 61, 238, 36, 14),
      PushButton("Etter", MsFragmentAfterId, 105, 238, 36, 14),
      PushButton("Erstatte", ReplaceMsFragmentId, 147, 238, 36, 14),
      PushButton("Fjerne", DeleteMsFragmentId, 193, 238, 36, 14),
  };
  return dialog;
}

namespace {

constexpr MemberSetup MassmsdatMembers[] = {
    {.id = IsoFormulaLabelId, .colours = ColourKind::Gray},
    {.id = MsAssignmentLabelId, .colours = ColourKind::Gray},
    {.id = AddIsoFormulaGroupId, .colours = ColourKind::Gray},
    {.id = MsEditListGroupId, .colours = ColourKind::Gray},
    {.id = CalculatedMassFieldId, .colours = ColourKind::Gray},
    {.id = CalculatedMassLabelId, .colours = ColourKind::Gray},
};

constexpr EnglishText MassmsdatEnglish[] = {
    {MsEditListGroupId, "Edit list box"},
    {AddIsoFormulaGroupId, "Add iso.formula"},
    {MsFragmentCloseId, "Close"},
    {IsoFormulaLabelId, "Iso.formula :"},
    {MsAssignmentLabelId, "Assignment :"},
    {MsFragmentBeforeId, "Before"},
    {MsFragmentAfterId, "After"},
    {ReplaceMsFragmentId, "Replace"},
    {DeleteMsFragmentId, "Delete"},
    {EraseMsFragmentFieldsId, "Erase text"},
    {CalculatedMassLabelId, "Calc. mass :"},
};

}  // namespace

const WindowSetup MassmsdatSetup{
    .members = MassmsdatMembers, .englishCaption = "SPECTROSCOPY - MS DATA", .englishTexts = MassmsdatEnglish};
