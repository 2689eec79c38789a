#include "resources/balancing_ids.h"
#include "platform/win/control_constants.h"
#include "resources/dialog_templates.h"
#include "resources/template_items.h"

namespace {

// "Mol" stands over the table's second column, at the 74th character, in both languages.
constexpr const char* NorwegianHeadings =
    "Forbindelse                                                              Mol"
    "                              Masse (g)";
constexpr const char* EnglishHeadings =
    "Compund                                                                  Mol"
    "                              Mass (g)";

}  // namespace

// The balancing window: the typed equation, its balanced form and amounts table, six examples and
// the list of saved equations with its four editing buttons.
DialogTemplate BalansereTemplate() {
  DialogTemplate dialog = ModalDialog("BALANSERE", 337, 264);
  dialog.x = 0;
  dialog.y = 6;
  dialog.items = {
      DefaultPushButton("Beregn", CalculateBalanceId, 137, 31, 53, 19),
      Item("EDIT", "", EquationFieldId, Shown | WS_BORDER | WS_TABSTOP, 4, 16, 330, 12),
      Item("EDIT", "", UnusedFieldId, HiddenDisabled | WS_BORDER | WS_TABSTOP | ES_AUTOHSCROLL, 282, 1, 7, 12),
      Item("EDIT", "", AmountsTableId,
           Shown | WS_BORDER | WS_TABSTOP | WS_VSCROLL | ES_MULTILINE | ES_AUTOVSCROLL | ES_READONLY, 4, 78, 330, 88),
      PushButton("Lukk", BalanceCloseId, 297, 1, 36, 12),
      StaticText("Ubalansert ligning", UnbalancedLabelId, 4, 6, 82, 8),
      StaticText("Balansert ligning", BalancedLabelId, 4, 43, 82, 8),
      StaticText(NorwegianHeadings, TableHeadingsId, 4, 68, 298, 8),
      PushButton("1", FirstExampleId, 268, 35, 9, 12),
      PushButton("2", FirstExampleId + 1, 279, 35, 9, 12),
      PushButton("3", FirstExampleId + 2, 290, 35, 9, 12),
      PushButton("4", FirstExampleId + 3, 301, 35, 9, 12),
      PushButton("5", FirstExampleId + 4, 312, 35, 9, 12),
      PushButton("6", LastExampleId, 323, 35, 9, 12),
      StaticText("Eksempler:", ExamplesLabelId, 230, 37, 36, 8),
      Item("EDIT", "", BalancedEquationId, Shown | WS_BORDER | WS_TABSTOP | ES_AUTOHSCROLL | ES_READONLY, 4, 52, 330,
           12),
      Item("LISTBOX", "", EquationListId, Shown | WS_BORDER | WS_TABSTOP | WS_VSCROLL | LBS_NOTIFY, 4, 178, 330, 48),
      StaticText("Ubalanserte kjemiske ligninger", EquationListLabelId, 4, 168, 127, 8),
      PushButton("F\xF8r", AddBeforeId, 88, 246, 40, 12),
      PushButton("Etter", AddAfterId, 134, 246, 40, 12),
      PushButton("filskriv", FileWriteId, 176, 1, 36, 11, HiddenDisabled),
      PushButton("Fjerne", DeleteEquationId, 222, 246, 40, 12),
      GroupBox("Legge til ny ligning", AddGroupId, 82, 237, 97, 24),
      PushButton("OK", BalanceOkId, 8, 30, 36, 12, HiddenDisabled),
      StaticText("Usynlig", InvisibleLabelId, 141, 3, 25, 8, HiddenDisabled),
      GroupBox("Editere listeboks (ny ligning)", EditListGroupId, 78, 229, 187, 34),
      PushButton("Erstatte", ReplaceEquationId, 181, 246, 36, 12),
  };
  return dialog;
}

namespace {

constexpr MemberSetup BalansereMembers[] = {
    {.id = BalancedEquationId, .colours = ColourKind::Gray},
    {.id = EquationFieldId, .colours = ColourKind::White},
    {.id = UnbalancedLabelId, .colours = ColourKind::Gray},
    {.id = BalancedLabelId, .colours = ColourKind::Gray},
    {.id = TableHeadingsId, .colours = ColourKind::Gray},
    {.id = ExamplesLabelId, .colours = ColourKind::Gray},
    {.id = AmountsTableId, .colours = ColourKind::Gray, .font = FixedsysTable},
    {.id = EquationListLabelId, .colours = ColourKind::Gray},
    {.id = AddGroupId, .colours = ColourKind::Gray},
    {.id = InvisibleLabelId, .colours = ColourKind::Gray},
    {.id = EditListGroupId, .colours = ColourKind::Gray},
};

constexpr EnglishText BalansereEnglish[] = {
    {BalanceCloseId, "Close"},
    {UnbalancedLabelId, "Unbalanced equation"},
    {BalancedLabelId, "Balanced equation"},
    {EquationListLabelId, "Unbalanced chemical equations"},
    {CalculateBalanceId, "Calculate"},
    {ExamplesLabelId, "Examples:"},
    {TableHeadingsId, EnglishHeadings},
    {EditListGroupId, "Edit list box (add/delete equation)"},
    {AddGroupId, "Add equation"},
    {AddBeforeId, "Before"},
    {AddAfterId, "After"},
    {DeleteEquationId, "Delete"},
    {ReplaceEquationId, "Replace"},
};

}  // namespace

const WindowSetup BalansereSetup{
    .members = BalansereMembers, .englishCaption = "BALANCE", .englishTexts = BalansereEnglish};
