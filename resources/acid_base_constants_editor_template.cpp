#include "platform/win/control_constants.h"
#include "resources/dialog_templates.h"
#include "resources/acid_base_constants_editor_ids.h"
#include "resources/template_items.h"

namespace {

constexpr short FieldHeight = 13;

DialogItemTemplate Field(int id, short x, short y, short cx) { return EditField(id, x, y, cx, FieldHeight); }

DialogItemTemplate Label(const char* text, int id, short x, short y, short cx, DWORD shown = Shown) {
  return StaticText(text, id, x, y, cx, 9, shown);
}

}  // namespace

// The acid/base constants editor: the names of an acid or base, its dissociation in water, K with
// its pK and the temperature above the list of formulas, the list buttons framed below it.
DialogTemplate SyrekonstTemplate() {
  DialogTemplate dialog = ModalDialog("SVAK SYRE/BASE - SYRE/BASE DATA", 400, 280);
  const char* const hiddenTexts[] = {"a", "H", "2", "O", "/ K", "b", "=  pK", "H", "2", "O", "-  pK", "b"};
  dialog.items = {
      DefaultPushButton("OK", IDOK, 290, 1, 30, 12, HiddenDisabled),
      PushButton("filskr", SyrekonstRewriteId, 250, 1, 30, 12, HiddenDisabled),
      EditField(SyrekonstHiddenLineFiveId, 290, 16, 10, 12, HiddenDisabled),
      Label("=  K", SyrekonstHiddenKaId, 250, 16, 20, HiddenDisabled),
      Label("a", SyrekonstHiddenSubscriptId, 272, 16, 8, HiddenDisabled),
      Label("Navn (Eng.)", SyrekonstEnglishNameLabelId, 6, 6, 70),
      Field(SyrekonstEnglishNameId, 78, 4, 250),
      Label("Navn (No.)", SyrekonstNorwegianNameLabelId, 6, 22, 70),
      Field(SyrekonstNorwegianNameId, 78, 20, 250),
      PushButton("Lukk", IDCANCEL, 346, 4, 48, 14),

      GroupBox("Dissosiasjonligning", SyrekonstEquationGroupId, 4, 38, 392, 44),
      StaticText(SyrekonstNorwegianColumnHeads, SyrekonstColumnHeadsId, 8, 49, 384, 9),
      Field(SyrekonstFormulaId, 8, 61, 96),
      Label("+", SyrekonstWaterPlusId, 107, 63, 7),
      Label("H", SyrekonstWaterHId, 116, 63, 7),
      StaticText("2", SyrekonstWaterTwoId, 123, 67, 5, 8),
      Label("O", SyrekonstWaterOId, 128, 63, 8),
      Label("=", SyrekonstEqualsId, 139, 63, 8),
      Field(SyrekonstConjugateId, 149, 61, 110),
      Label("+", SyrekonstIonPlusId, 262, 63, 8),
      Field(SyrekonstIonId, 272, 61, 96),

      Label("K  =", SyrekonstKLabelId, 6, 94, 22),
      Field(SyrekonstKId, 30, 92, 84),
      Label("pK =", SyrekonstPKLabelId, 124, 94, 22),
      Field(SyrekonstPKId, 148, 92, 60),
      PushButton("Konvertere K<->pK", SyrekonstConvertId, 216, 91, 90, 15),
      Label("Temp.", SyrekonstTemperatureLabelId, 6, 112, 24),
      StaticText("o", SyrekonstDegreeSignId, 31, 108, 6, 8),
      Label("C", SyrekonstCelsiusId, 37, 112, 8),
      Field(SyrekonstTemperatureId, 48, 110, 44),
      PushButton("Fjerne tekstfeltinnhold", SyrekonstEraseFieldsId, 216, 109, 104, 15),

      Item("LISTBOX", "", SyrekonstListId, Shown | WS_BORDER | WS_VSCROLL | WS_TABSTOP | LBS_NOTIFY, 6, 130, 388, 100),
      GroupBox("Editere listeboks", SyrekonstEditListGroupId, 6, 234, 388, 42),
      GroupBox("Legge til ny formel", SyrekonstAddGroupId, 40, 244, 152, 28),
      PushButton("F\xF8r", SyrekonstBeforeId, 46, 255, 42, 13),
      PushButton("Etter", SyrekonstAfterId, 94, 255, 42, 13),
      PushButton("Erstatte", SyrekonstReplaceId, 142, 255, 44, 13),
      PushButton("Fjerne", SyrekonstDeleteId, 204, 255, 44, 13),
  };
  for (int id = SyrekonstFirstHiddenStaticId; id <= SyrekonstLastHiddenStaticId; ++id) {
    dialog.items.push_back(Label(hiddenTexts[id - SyrekonstFirstHiddenStaticId], id,
                                 static_cast<short>(250 + 10 * (id - SyrekonstFirstHiddenStaticId) % 120), 28, 8,
                                 HiddenDisabled));
  }
  return dialog;
}

namespace {

constexpr MemberSetup Gray(int id, int count = 1) { return {.id = id, .count = count, .colours = ColourKind::Gray}; }

constexpr MemberSetup SyrekonstMembers[] = {
    Gray(SyrekonstEnglishNameLabelId),
    Gray(SyrekonstNorwegianNameLabelId),
    {.id = SyrekonstColumnHeadsId, .colours = ColourKind::Gray, .font = HelvSmall},
    Gray(SyrekonstEditListGroupId, 2),
    Gray(SyrekonstEqualsId, 4),
    Gray(SyrekonstDegreeSignId, 4),
    Gray(SyrekonstPKLabelId, SyrekonstWaterOId - SyrekonstPKLabelId + 1),
    Gray(SyrekonstAddGroupId),
};

constexpr EnglishText SyrekonstEnglish[] = {
    {SyrekonstEnglishNameLabelId, "Name:"},
    {SyrekonstNorwegianNameLabelId, "Trivial name etc.:"},
    {SyrekonstEquationGroupId, "Equation of dissociation"},
    {SyrekonstColumnHeadsId, SyrekonstEnglishColumnHeads},
    {SyrekonstConvertId, "Convert K<->pK"},
    {SyrekonstEraseFieldsId, "Erase text"},
    {SyrekonstEditListGroupId, "Edit list box"},
    {SyrekonstAddGroupId, "Add formula"},
    {SyrekonstBeforeId, "Before"},
    {SyrekonstAfterId, "After"},
    {SyrekonstReplaceId, "Replace"},
    {SyrekonstDeleteId, "Delete"},
    {IDCANCEL, "Close"},
};

}  // namespace

const WindowSetup SyrekonstSetup{
    .members = SyrekonstMembers, .englishCaption = "WEAK ACID/BASE - ACID/BASE DATA", .englishTexts = SyrekonstEnglish};
