#include "platform/win/control_constants.h"
#include "resources/dialog_templates.h"
#include "resources/template_items.h"
#include "resources/thermochemical_data_editor_ids.h"

namespace {

DialogItemTemplate Delta(int id, short x, short y) { return OwnerDrawButton("", id, x, y, 7, 8, Shown, false); }

// The row of one number: its field at x 34 and its unit after it.
constexpr short NumberFieldX = 34;
constexpr short NumberFieldWidth = 74;
constexpr short UnitX = 112;

}  // namespace

// The thermochemical data editor: names and formula of a species, its four standard values with
// their units, the list of formulas and the list buttons framed below it.
DialogTemplate TermodataTemplate() {
  DialogTemplate dialog = ModalDialog("TERMOKJEMI - TERMODATA", 290, 284);
  dialog.items = {
      DefaultPushButton("OK", ThermoDataOkId, 150, 1, 30, 12, HiddenDisabled),
      PushButton("filskriv", ThermoDataRewriteId, 190, 1, 30, 12, HiddenDisabled),
      PushButton("Lukk", ThermoDataCloseId, 246, 2, 40, 14),
      StaticText("Navn (Eng.) :", EnglishNameLabelId, 4, 8, 100, 9),
      EditField(ThermoDataEnglishNameId, 4, 18, 282, 12),
      StaticText("Navn (No.) :", NorwegianNameLabelId, 4, 34, 100, 9),
      EditField(ThermoDataNorwegianNameId, 4, 44, 282, 12),
      StaticText("Formel :", ThermoFormulaLabelId, 4, 60, 100, 9),
      EditField(ThermoDataFormulaId, 4, 70, 150, 12),
      Delta(EnthalpyDeltaId, 4, 91),
      StaticText("f", EnthalpyFId, 11, 95, 5, 9),
      StaticText("H", EnthalpyHId, 16, 92, 7, 9),
      StaticText("o", EnthalpyOId, 23, 88, 5, 9),
      EditField(EnthalpyFieldId, NumberFieldX, 90, NumberFieldWidth, 12),
      StaticText("kJ/mol", EnthalpyUnitId, UnitX, 92, 40, 9),
      Delta(GibbsDeltaId, 4, 109),
      StaticText("f", GibbsFId, 11, 113, 5, 9),
      StaticText("G", GibbsGId, 16, 110, 7, 9),
      StaticText("o", GibbsOId, 23, 106, 5, 9),
      EditField(GibbsFieldId, NumberFieldX, 108, NumberFieldWidth, 12),
      StaticText("kJ/mol", GibbsUnitId, UnitX, 110, 40, 9),
      StaticText("S", EntropySId, 6, 128, 7, 9),
      StaticText("o", EntropyOId, 13, 124, 5, 9),
      EditField(EntropyFieldId, NumberFieldX, 126, NumberFieldWidth, 12),
      StaticText("J/(K mol)", EntropyUnitId, UnitX, 128, 46, 9),
      StaticText("C", HeatCapacityCId, 6, 146, 7, 9),
      StaticText("p", HeatCapacityPId, 13, 149, 5, 9),
      EditField(HeatCapacityFieldId, NumberFieldX, 144, NumberFieldWidth, 12),
      StaticText("J/(K mol)", HeatCapacityUnitId, UnitX, 146, 46, 9),
      StaticText("Temp.=25", ReferenceTemperatureId, 182, 92, 40, 9),
      StaticText("o", ReferenceTemperatureOId, 223, 88, 5, 9),
      StaticText("C", ReferenceTemperatureCId, 228, 92, 8, 9),
      PushButton("Cal --> J", CaloriesToJoulesId, 182, 107, 60, 14),
      PushButton("Fjerne teksfeltinnhold", ThermoDataEraseId, 182, 125, 104, 14),
      Item("LISTBOX", "", ThermoDataListId, Shown | WS_BORDER | WS_VSCROLL | WS_TABSTOP | LBS_NOTIFY, 4, 164, 282, 74),
      GroupBox("Editere listeboks", ThermoDataEditGroupId, 4, 242, 282, 38),
      GroupBox("Legge til ny formel", ThermoDataAddGroupId, 34, 251, 104, 26),
      PushButton("F\xF8r", ThermoDataBeforeId, 40, 261, 44, 12),
      DefaultPushButton("Etter", ThermoDataAfterId, 88, 261, 44, 12),
      PushButton("Erstatte", ThermoDataReplaceId, 148, 261, 54, 12),
      PushButton("Fjerne", ThermoDataDeleteId, 208, 261, 54, 12),
  };
  return dialog;
}

namespace {

constexpr MemberSetup TermodataMembers[] = {
    {.id = EnglishNameLabelId, .colours = ColourKind::Gray},
    {.id = ThermoDataEnglishNameId, .colours = ColourKind::White},
    {.id = NorwegianNameLabelId, .colours = ColourKind::Gray},
    {.id = ThermoDataNorwegianNameId, .colours = ColourKind::White},
    {.id = ThermoFormulaLabelId, .colours = ColourKind::Gray},
    {.id = ThermoDataFormulaId, .colours = ColourKind::White},
    {.id = EnthalpyDeltaId, .picture = {"DELTA", PictureLook::Stretched}},
    {.id = EnthalpyFId, .colours = ColourKind::Gray},
    {.id = EnthalpyHId, .colours = ColourKind::Gray},
    {.id = EnthalpyOId, .colours = ColourKind::Gray},
    {.id = EnthalpyFieldId, .colours = ColourKind::White},
    {.id = EnthalpyUnitId, .colours = ColourKind::Gray},
    {.id = GibbsDeltaId, .picture = {"DELTA", PictureLook::Stretched}},
    {.id = GibbsFId, .colours = ColourKind::Gray},
    {.id = GibbsGId, .colours = ColourKind::Gray},
    {.id = GibbsOId, .colours = ColourKind::Gray},
    {.id = GibbsFieldId, .colours = ColourKind::White},
    {.id = GibbsUnitId, .colours = ColourKind::Gray},
    {.id = EntropySId, .colours = ColourKind::Gray},
    {.id = EntropyOId, .colours = ColourKind::Gray},
    {.id = EntropyFieldId, .colours = ColourKind::White},
    {.id = EntropyUnitId, .colours = ColourKind::Gray},
    {.id = HeatCapacityCId, .colours = ColourKind::Gray},
    {.id = HeatCapacityPId, .colours = ColourKind::Gray},
    {.id = HeatCapacityFieldId, .colours = ColourKind::White},
    {.id = HeatCapacityUnitId, .colours = ColourKind::Gray},
    {.id = ReferenceTemperatureId, .colours = ColourKind::Gray},
    {.id = ReferenceTemperatureCId, .colours = ColourKind::Gray},
    {.id = ReferenceTemperatureOId, .colours = ColourKind::Gray},
    {.id = CaloriesToJoulesId},
    {.id = ThermoDataEraseId},
    {.id = ThermoDataListId},
    {.id = ThermoDataEditGroupId, .colours = ColourKind::Gray},
    {.id = ThermoDataAddGroupId, .colours = ColourKind::Gray},
    {.id = ThermoDataBeforeId},
    {.id = ThermoDataAfterId},
    {.id = ThermoDataReplaceId},
    {.id = ThermoDataDeleteId},
};

constexpr EnglishText TermodataEnglish[] = {
    {EnglishNameLabelId, "Name:"},
    {NorwegianNameLabelId, "Trivial name etc.:"},
    {ThermoFormulaLabelId, "Formula:"},
    {ThermoDataEraseId, "Erase text"},
    {ThermoDataEditGroupId, "Edit list box"},
    {ThermoDataAddGroupId, "Add formula"},
    {ThermoDataBeforeId, "Before"},
    {ThermoDataAfterId, "After"},
    {ThermoDataReplaceId, "Replace"},
    {ThermoDataDeleteId, "Delete"},
    {ThermoDataCloseId, "Close"},
};

}  // namespace

const WindowSetup TermodataSetup{.members = TermodataMembers,
                                 .englishCaption = "THERMOCHEMISTRY - THERMOCHEMICAL DATA",
                                 .englishTexts = TermodataEnglish};
