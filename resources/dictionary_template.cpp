#include "platform/win/control_constants.h"
#include "resources/dialog_templates.h"
#include "resources/dictionary_ids.h"
#include "resources/template_items.h"

// The dictionary: the word and its explanation on the left, the list of words on the right with
// the list buttons framed beneath it.
DialogTemplate OrdlisteTemplate() {
  DialogTemplate dialog = ModalDialog("ORDLISTE", 330, 214);
  dialog.items = {
      DefaultPushButton("OK", DictionaryOkId, 214, 2, 30, 12, HiddenDisabled),
      PushButton("filskr", RewriteDictionaryId, 250, 2, 30, 12, HiddenDisabled),
      PushButton("Lukk", DictionaryCloseId, 290, 2, 36, 12),
      StaticText("Editere ord", WordLabelId, 4, 6, 100, 8),
      EditField(WordFieldId, 4, 16, 190, 12),
      StaticText("Innhold", ContentsLabelId, 4, 30, 60, 8, HiddenDisabled),
      Item("EDIT", "", ExplanationFieldId,
           Shown | WS_BORDER | WS_TABSTOP | WS_VSCROLL | ES_MULTILINE | ES_AUTOVSCROLL | ES_WANTRETURN, 4, 32, 190,
           152),
      PushButton("Fjerne tekstfeltinnhold", EraseDictionaryFieldsId, 4, 190, 96, 13),
      StaticText("Ordliste", SelectionListLabelId, 200, 6, 60, 8, HiddenDisabled),
      Item("LISTBOX", "", WordListId, Shown | WS_BORDER | WS_TABSTOP | WS_VSCROLL | LBS_NOTIFY, 200, 16, 126, 128),
      GroupBox("Editere listeboks", DictionaryEditListGroupId, 200, 146, 126, 64),
      GroupBox("Legge til nytt ord", AddWordGroupId, 205, 155, 116, 28),
      PushButton("F\xF8r", WordBeforeId, 209, 166, 34, 12),
      PushButton("Etter", WordAfterId, 246, 166, 34, 12),
      PushButton("Erstatte", ReplaceWordId, 283, 166, 34, 12),
      PushButton("Fjerne", DeleteWordId, 246, 190, 34, 12),
  };
  return dialog;
}

namespace {

constexpr MemberSetup OrdlisteMembers[] = {
    {.id = DictionaryEditListGroupId, .colours = ColourKind::Gray},
    {.id = WordLabelId, .count = 3, .colours = ColourKind::Gray},
    {.id = AddWordGroupId, .colours = ColourKind::Gray},
};

constexpr EnglishText OrdlisteEnglish[] = {
    {WordLabelId, "Edit word"},
    {EraseDictionaryFieldsId, "Erase text"},
    {DictionaryEditListGroupId, "Edit list box"},
    {AddWordGroupId, "Add word"},
    {WordBeforeId, "Before"},
    {WordAfterId, "After"},
    {ReplaceWordId, "Replace"},
    {DeleteWordId, "Delete"},
    {DictionaryCloseId, "Close"},
    {SelectionListLabelId, "Selection list"},
};

}  // namespace

const WindowSetup OrdlisteSetup{
    .members = OrdlisteMembers, .englishCaption = "DICTIONARY", .englishTexts = OrdlisteEnglish};
