#include "platform/win/control_constants.h"
#include "resources/dialog_templates.h"
#include "resources/solubility_data_editor_ids.h"
#include "resources/template_items.h"

namespace {

constexpr short FieldHeight = 13;

DialogItemTemplate Field(int id, short x, short y, short cx) { return EditField(id, x, y, cx, FieldHeight); }

}  // namespace

// The solubility data editor: the names of a salt, its dissociation equation, Ksp and temperature
// above the list of formulas, the list buttons framed below it.
DialogTemplate SoludataTemplate() {
  DialogTemplate dialog = ModalDialog("L\xD8SELIGHETSPRODUKT - L\xD8SELIGHETSDATA", 400, 284);
  dialog.items = {
      PushButton("OK", IDOK, 290, 1, 30, 12, HiddenDisabled),
      PushButton("filskr", SoludataRewriteId, 250, 1, 30, 12, HiddenDisabled),
      PushButton("ubrukt sjekk balanse", SoludataUnusedCheckId, 250, 16, 30, 12, HiddenDisabled),
      EditField(SoludataHiddenFieldId, 290, 16, 10, 12, HiddenDisabled),
      EditField(SoludataSecondHiddenFieldId, 302, 16, 10, 12, HiddenDisabled),
      StaticText("Navn (Eng.) :", SoludataEnglishNameLabelId, 6, 6, 70, 9),
      Field(SoludataEnglishNameId, 78, 4, 250),
      StaticText("Navn (No.) :", SoludataNorwegianNameLabelId, 6, 22, 70, 9),
      Field(SoludataNorwegianNameId, 78, 20, 250),
      PushButton("Lukk", IDCANCEL, 346, 4, 48, 14),

      GroupBox("Balansert dissosiasjonsligning", SoludataEquationGroupId, 4, 38, 392, 50),
      StaticText("Ikke-dissosiert komponent", SoludataUndissociatedHeadId, 304, 46, 90, 9),
      StaticText(SoludataNorwegianColumnHeads, SoludataColumnHeadsId, 8, 56, 384, 9),
      StaticText("Positivt ion", SoludataHiddenCationHeadId, 104, 46, 60, 9, HiddenDisabled),
      StaticText("Negativt ion", SoludataHiddenAnionHeadId, 204, 46, 60, 9, HiddenDisabled),
      StaticText("krystallvann etc.", SoludataHiddenCrystalWaterHeadId, 304, 46, 60, 9, HiddenDisabled),
      StaticText("xxxx", SoludataHiddenMarkId, 8, 46, 30, 9, HiddenDisabled),
      Field(SoludataFormulaId, 8, 68, 84),
      StaticText("=", SoludataEqualsId, 95, 70, 8, 9),
      Field(SoludataCationId, 104, 68, 88),
      StaticText("+", SoludataAnionPlusId, 195, 70, 8, 9),
      Field(SoludataAnionId, 204, 68, 88),
      StaticText("+", SoludataCrystalWaterPlusId, 295, 70, 8, 9),
      Field(SoludataCrystalWaterId, 304, 68, 86),

      StaticText("L\xF8selighetsprodukt K", SoludataKspLabelId, 6, 98, 70, 9),
      StaticText("sp", SoludataKspSubscriptId, 76, 102, 10, 8),
      Field(SoludataKspId, 106, 96, 86),
      StaticText("Temp.", SoludataTemperatureLabelId, 204, 98, 24, 9),
      StaticText("o", SoludataDegreeSignId, 229, 94, 6, 8),
      StaticText("C", SoludataCelsiusId, 235, 98, 8, 9),
      Field(SoludataTemperatureId, 246, 96, 44),
      PushButton("Fjerne tekstfeltinnhold", SoludataEraseFieldsId, 6, 116, 104, 14),

      Item("LISTBOX", "", SoludataListId, Shown | WS_BORDER | WS_VSCROLL | WS_TABSTOP | LBS_NOTIFY, 6, 134, 388, 100),
      GroupBox("Editere listeboks", SoludataEditListGroupId, 6, 238, 388, 42),
      GroupBox("Legge til ny formel", SoludataAddGroupId, 40, 248, 152, 28),
      DefaultPushButton("F\xF8r", SoludataBeforeId, 46, 259, 42, 13),
      PushButton("Etter", SoludataAfterId, 94, 259, 42, 13),
      PushButton("Erstatte", SoludataReplaceId, 142, 259, 44, 13),
      PushButton("Fjerne", SoludataDeleteId, 204, 259, 44, 13),
  };
  return dialog;
}

namespace {

constexpr MemberSetup SoludataMembers[] = {
    {.id = SoludataEnglishNameLabelId, .count = 2, .colours = ColourKind::Gray},
    {.id = SoludataColumnHeadsId, .count = 3, .colours = ColourKind::Gray, .font = HelvSmall},
    {.id = SoludataKspLabelId, .count = 4, .colours = ColourKind::Gray},
    {.id = SoludataEquationGroupId, .colours = ColourKind::Gray},
    {.id = SoludataKspSubscriptId, .colours = ColourKind::Gray},
    {.id = SoludataEditListGroupId, .colours = ColourKind::Gray},
    {.id = SoludataAnionPlusId, .colours = ColourKind::Gray},
    {.id = SoludataEqualsId, .colours = ColourKind::Gray},
    {.id = SoludataUndissociatedHeadId, .count = 2, .colours = ColourKind::Gray, .font = HelvSmall},
    {.id = SoludataHiddenMarkId, .colours = ColourKind::Gray},
    {.id = SoludataCrystalWaterPlusId, .colours = ColourKind::Gray},
    {.id = SoludataAddGroupId, .colours = ColourKind::Gray},
};

constexpr EnglishText SoludataEnglish[] = {
    {SoludataEnglishNameLabelId, "Name:"},
    {SoludataNorwegianNameLabelId, "Trivial name etc.:"},
    {SoludataEquationGroupId, "Equation of dissociation"},
    {SoludataColumnHeadsId, SoludataEnglishColumnHeads},
    {SoludataUndissociatedHeadId, "Undissociated component"},
    {SoludataKspLabelId, "Solubility product   K"},
    {SoludataEraseFieldsId, "Erase text"},
    {SoludataEditListGroupId, "Edit list box"},
    {SoludataAddGroupId, "Add formula"},
    {SoludataBeforeId, "Before"},
    {SoludataAfterId, "After"},
    {SoludataReplaceId, "Replace"},
    {SoludataDeleteId, "Delete"},
    {IDCANCEL, "Close"},
};

}  // namespace

const WindowSetup SoludataSetup{.members = SoludataMembers,
                                .englishCaption = "SOLUBILITY PRODUCT - SOLUBILITY DATA",
                                .englishTexts = SoludataEnglish};
