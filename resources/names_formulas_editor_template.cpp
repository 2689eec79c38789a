#include "platform/win/control_constants.h"
#include "resources/dialog_templates.h"
#include "resources/names_formulas_editor_ids.h"
#include "resources/template_items.h"

// The names-and-formulas editor: the name and the formula of a record above the list of names,
// the list buttons framed below it.
DialogTemplate Molclc2Template() {
  DialogTemplate dialog = ModalDialog("MOLEKYLKALKULATOR - NAVN OG FORMLER", 284, 212);
  dialog.items = {
      DefaultPushButton("OK", IDOK, 150, 1, 30, 12, HiddenDisabled),
      PushButton("filskr", RewriteNamesId, 190, 1, 30, 12, HiddenDisabled),
      EditField(UnusedNameFieldId, 226, 1, 10, 12, HiddenDisabled),
      PushButton("Lukk", IDCANCEL, 244, 1, 36, 12),
      StaticText("Navn :", NameLabelId, 4, 8, 80, 8),
      EditField(NameFieldId, 4, 17, 276, 12),
      StaticText("Formel :", NameFormulaLabelId, 4, 34, 80, 8),
      EditField(NameFormulaId, 4, 43, 276, 12),
      PushButton("Fjerne tekstfeltinnhold", EraseNameFieldsId, 4, 60, 96, 13),
      Item("LISTBOX", "", NamesListId, Shown | WS_BORDER | WS_VSCROLL | WS_TABSTOP | LBS_NOTIFY, 4, 78, 276, 90),
      GroupBox("Editere listeboks", EditListGroupId, 4, 170, 276, 38),
      GroupBox("Legge til nytt navn", AddNameGroupId, 40, 179, 98, 26),
      PushButton("F\xF8r", NameBeforeId, 46, 189, 40, 12),
      PushButton("Etter", NameAfterId, 92, 189, 40, 12),
      PushButton("Erstatte", ReplaceNameId, 146, 189, 44, 12),
      PushButton("Slette", DeleteNameId, 196, 189, 44, 12),
  };
  return dialog;
}

namespace {

constexpr MemberSetup Molclc2Members[] = {
    {.id = NameLabelId, .colours = ColourKind::Gray},
    {.id = NameFieldId, .colours = ColourKind::White},
    {.id = NameFormulaLabelId, .colours = ColourKind::Gray},
    {.id = NameFormulaId, .colours = ColourKind::White},
    {.id = NamesListId},
    {.id = EraseNameFieldsId},
    {.id = EditListGroupId, .colours = ColourKind::Gray},
    {.id = AddNameGroupId, .colours = ColourKind::Gray},
    {.id = NameBeforeId},
    {.id = NameAfterId},
    {.id = ReplaceNameId},
    {.id = DeleteNameId},
};

constexpr EnglishText Molclc2English[] = {
    {NameLabelId, "Name :"},
    {NameFormulaLabelId, "Formula :"},
    {EraseNameFieldsId, "Erase text"},
    {EditListGroupId, "Edit list box"},
    {AddNameGroupId, "Add name"},
    {NameBeforeId, "Before"},
    {NameAfterId, "After"},
    {ReplaceNameId, "Replace"},
    {DeleteNameId, "Delete"},
    {IDCANCEL, "Close"},
};

}  // namespace

const WindowSetup Molclc2Setup{.members = Molclc2Members,
                               .englishCaption = "MOLECULAR CALCULATOR - NAME AND FORMULA",
                               .englishTexts = Molclc2English};
