#include "platform/win/control_constants.h"
#include "resources/dialog_templates.h"
#include "resources/quick_edit_ids.h"
#include "resources/template_items.h"

namespace {

struct CategoryPlace {
  int id;
  const char* text;
  DWORD shown;
};

// From top to bottom; "Faremerking" has no file the window reaches.
constexpr CategoryPlace CategoryPlaces[] = {
    {RiskCategoryId, "Risikosetninger", Shown},
    {SafetyCategoryId, "Sikkerhetssetninger", Shown},
    {HealthHazardCategoryId, "Helsefare", Shown},
    {FireHazardCategoryId, "Brann/fare", Shown},
    {FirstAidCategoryId, "F\xF8rstehjelp", Shown},
    {PreventiveCategoryId, "Forebyggende tiltak", Shown},
    {StorageCategoryId, "Lagring", Shown},
    {DisposalCategoryId, "Destruering", Shown},
    {DangerCategoryId, "Faremerking", HiddenDisabled},
};

constexpr short ListX = 92;
constexpr short ListWidth = 243;

}  // namespace

// The categories down the left side; the category's phrases, the joined text and its transfer on
// the right; below them the new phrase with the buttons that add it.
DialogTemplate PlakatTemplate() {
  DialogTemplate dialog = ModalDialog("HURTIGREDIGERING", 339, 229);
  dialog.x = 50;
  dialog.y = 0;
  short y = 4;
  bool first = true;
  for (const CategoryPlace& category : CategoryPlaces) {
    dialog.items.push_back(RadioButton(category.text, category.id, 4, y, 84, 12, first, category.shown));
    first = false;
    y = static_cast<short>(y + 14);
  }
  const DialogItemTemplate rest[] = {
      Item("LISTBOX", "", PhraseListId,
           Shown | WS_BORDER | WS_TABSTOP | WS_VSCROLL | WS_HSCROLL | LBS_NOTIFY | LBS_MULTIPLESEL, ListX, 4, ListWidth,
           110),
      Item("EDIT", "", ComposedTextId,
           Shown | WS_BORDER | WS_TABSTOP | WS_VSCROLL | ES_MULTILINE | ES_AUTOVSCROLL | ES_WANTRETURN, ListX, 118,
           ListWidth, 60),
      PushButton("Overf\xF8r til RISIKO/SIKKERHET", TransferPhrasesId, ListX, 183, 116, 14),
      PushButton("Fjerne listeelement(er)", RemovePhrasesId, 212, 183, 84, 14),
      PushButton("Lukk", PhraseCloseId, 300, 183, 35, 14),
      GroupBox("Legge til listeelement", AddPhraseGroupId, 4, 200, 331, 27),
      StaticText("Nytt listeelement", NewPhraseLabelId, 10, 212, 62, 8),
      EditField(NewPhraseFieldId, 74, 210, 185, 12),
      PushButton("F\xF8r", InsertBeforeId, 263, 209, 32, 14),
      PushButton("Etter", InsertAfterId, 299, 209, 32, 14),
      PushButton("Skjult", ReloadPhrasesId, 4, 183, 20, 14, HiddenDisabled),
      PushButton("calldb", ShowSheetId, 26, 183, 20, 14, HiddenDisabled),
      PushButton("filskriv", WritePhrasesId, 48, 183, 20, 14, HiddenDisabled),
      PushButton("OK", PhraseOkId, 70, 183, 20, 14, HiddenDisabled),
  };
  dialog.items.insert(dialog.items.end(), std::begin(rest), std::end(rest));
  return dialog;
}

namespace {

constexpr MemberSetup PlakatMembers[] = {
    {.id = AddPhraseGroupId, .count = 2, .colours = ColourKind::Gray},
};

}  // namespace

const WindowSetup PlakatSetup{.members = PlakatMembers};
