#include "platform/win/control_constants.h"
#include "resources/dialog_templates.h"
#include "resources/template_items.h"
#include "resources/thermochemistry_ids.h"

namespace {

// The delta sign of the headings: a picture that only shows.
DialogItemTemplate Delta(int id, short x, short y) { return OwnerDrawButton("", id, x, y, 7, 8, Shown, false); }

}  // namespace

// The thermochemistry window: the typed equation, its balanced form with the heat term, the table
// of the species with a column of the user's choice, the reaction enthalpy and entropy, and the list
// of saved equations with its four editing buttons.
DialogTemplate TermodynamikkTemplate() {
  DialogTemplate dialog = ModalDialog("TERMOKJEMI", 340, 290);
  dialog.items = {
      DefaultPushButton("OK", ThermoOkId, 8, 30, 36, 12, HiddenDisabled),
      PushButton("filskriv", ThermoRewriteId, 190, 1, 36, 11, HiddenDisabled),
      EditField(ThermoUnusedFieldId, 230, 1, 10, 12, HiddenDisabled),
      PushButton("Lukk", ThermoCloseId, 296, 2, 40, 14),
      StaticText("Ubalansert termokjemisk ligning", ThermoUnbalancedLabelId, 4, 8, 160, 9),
      EditField(ThermoEquationFieldId, 4, 18, 332, 12),
      DefaultPushButton("Beregn", ThermoCalculateId, 142, 34, 56, 16),
      StaticText("Balansert termokjemisk ligning", ThermoBalancedLabelId, 4, 44, 136, 9),
      Item("EDIT", "", ThermoBalancedEquationId, Shown | WS_BORDER | ES_AUTOHSCROLL | ES_READONLY, 4, 54, 332, 12),
      StaticText("Forbindelse(fase)", ThermoSpeciesHeadingId, 4, 75, 90, 9),
      Delta(ThermoColumnDeltaId, 158, 74),
      StaticText("f", ThermoColumnFId, 165, 78, 5, 9),
      StaticText("H", ThermoColumnHId, 170, 75, 7, 9),
      StaticText("o", ThermoColumnOId, 177, 71, 5, 9),
      StaticText("(kJ)", ThermoColumnUnitId, 183, 75, 20, 9),
      Item("COMBOBOX", "", ThermoColumnChoiceId, Shown | WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWNLIST, 226, 72, 90, 70),
      Item("EDIT", "", ThermoTableId,
           Shown | WS_BORDER | WS_TABSTOP | WS_VSCROLL | ES_MULTILINE | ES_AUTOVSCROLL | ES_READONLY, 4, 88, 332, 80),
      Delta(ThermoEnthalpyDeltaId, 4, 176),
      StaticText("H", ThermoEnthalpyHId, 11, 177, 7, 9),
      StaticText("o", ThermoEnthalpyOId, 18, 173, 5, 9),
      StaticText("=", ThermoEnthalpyEqualsId, 25, 177, 7, 9),
      StaticText("", ThermoEnthalpyValueId, 34, 177, 120, 9),
      Delta(ThermoEntropyDeltaId, 170, 176),
      StaticText("S", ThermoEntropySId, 177, 177, 7, 9),
      StaticText("o", ThermoEntropyOId, 184, 173, 5, 9),
      StaticText("=", ThermoEntropyEqualsId, 191, 177, 7, 9),
      StaticText("", ThermoEntropyValueId, 200, 177, 120, 9),
      StaticText("Ubalanserte termokjemiske ligninger", ThermoListLabelId, 4, 194, 170, 9),
      Item("LISTBOX", "", ThermoEquationListId, Shown | WS_BORDER | WS_TABSTOP | WS_VSCROLL | LBS_NOTIFY, 4, 204, 332,
           44),
      GroupBox("Editere listeboks (ny ligning)", ThermoEditListGroupId, 4, 250, 242, 36),
      GroupBox("Legge til ny ligning", ThermoAddGroupId, 10, 259, 104, 25),
      PushButton("F\xF8r", ThermoBeforeId, 16, 269, 44, 12),
      PushButton("Etter", ThermoAfterId, 64, 269, 44, 12),
      PushButton("Erstatte", ThermoReplaceId, 124, 269, 54, 12),
      PushButton("Fjerne", ThermoDeleteId, 184, 269, 54, 12),
      PushButton("Termokjemiske data", ThermoDataButtonId, 252, 267, 84, 16),
  };
  return dialog;
}

namespace {

constexpr MemberSetup TermodynamikkMembers[] = {
    {.id = ThermoUnbalancedLabelId, .colours = ColourKind::Gray},
    {.id = ThermoEquationFieldId, .colours = ColourKind::White},
    {.id = ThermoBalancedLabelId, .colours = ColourKind::Gray},
    {.id = ThermoBalancedEquationId, .colours = ColourKind::Gray},
    {.id = ThermoSpeciesHeadingId, .colours = ColourKind::Gray},
    {.id = ThermoColumnDeltaId, .picture = {"DELTA", PictureLook::Stretched}},
    {.id = ThermoColumnFId, .colours = ColourKind::Gray},
    {.id = ThermoColumnHId, .colours = ColourKind::Gray},
    {.id = ThermoColumnOId, .colours = ColourKind::Gray},
    {.id = ThermoColumnUnitId, .colours = ColourKind::Gray},
    {.id = ThermoColumnChoiceId},
    {.id = ThermoTableId, .colours = ColourKind::Gray, .font = FixedsysTable},
    {.id = ThermoEnthalpyDeltaId, .picture = {"DELTA", PictureLook::Stretched}},
    {.id = ThermoEnthalpyHId, .colours = ColourKind::Gray},
    {.id = ThermoEnthalpyOId, .colours = ColourKind::Gray},
    {.id = ThermoEnthalpyEqualsId, .colours = ColourKind::Gray},
    {.id = ThermoEnthalpyValueId, .colours = ColourKind::Gray},
    {.id = ThermoEntropyDeltaId, .picture = {"DELTA", PictureLook::Stretched}},
    {.id = ThermoEntropySId, .colours = ColourKind::Gray},
    {.id = ThermoEntropyOId, .colours = ColourKind::Gray},
    {.id = ThermoEntropyEqualsId, .colours = ColourKind::Gray},
    {.id = ThermoEntropyValueId, .colours = ColourKind::Gray},
    {.id = ThermoListLabelId, .colours = ColourKind::Gray},
    {.id = ThermoEquationListId, .colours = ColourKind::White, .font = FixedsysTable},
    {.id = ThermoEditListGroupId, .colours = ColourKind::Gray},
    {.id = ThermoAddGroupId, .colours = ColourKind::Gray},
};

constexpr EnglishText TermodynamikkEnglish[] = {
    {ThermoUnbalancedLabelId, "Unbalanced thermochemical equation"},
    {ThermoCalculateId, "Calculate"},
    {ThermoBalancedLabelId, "Balanced thermochemical equation"},
    {ThermoSpeciesHeadingId, "Compund(state)"},
    {ThermoListLabelId, "Unbalanced thermochemical equations"},
    {ThermoEditListGroupId, "Edit list box (add/delete equation)"},
    {ThermoAddGroupId, "Add equation"},
    {ThermoBeforeId, "Before"},
    {ThermoAfterId, "After"},
    {ThermoReplaceId, "Replace"},
    {ThermoDeleteId, "Delete"},
    {ThermoDataButtonId, "Thermochemical data"},
    {ThermoCloseId, "Close"},
};

}  // namespace

const WindowSetup TermodynamikkSetup{
    .members = TermodynamikkMembers, .englishCaption = "THERMOCHEMISTRY", .englishTexts = TermodynamikkEnglish};
