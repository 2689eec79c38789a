#include "platform/win/control_constants.h"
#include "resources/unit_conversion_ids.h"
#include "resources/dialog_templates.h"
#include "resources/template_items.h"

namespace {

constexpr short FieldWidth = 50;
constexpr short FieldHeight = 12;
// A label starts two units right of its field, on the field's text line.
constexpr short LabelGap = 2;
constexpr short LabelDrop = 2;
constexpr short LabelHeight = 8;
// A raised mark sits this far above its label's line, a lowered one as far below. Marks come before
// their labels, so that they lie on top of them.
constexpr short MarkShift = 3;
constexpr short MarkWidth = 5;

DialogItemTemplate UnitField(int id, short x, short y) { return EditField(id, x, y, FieldWidth, FieldHeight); }

DialogItemTemplate UnitLabel(const char* text, int id, short fieldX, short fieldY, short width) {
  return StaticText(text, id, static_cast<short>(fieldX + FieldWidth + LabelGap),
                    static_cast<short>(fieldY + LabelDrop), width, LabelHeight);
}

// A "2" or "o" after `offset` units of its label's text, raised (shift < 0) or lowered.
DialogItemTemplate UnitMark(const char* text, int id, short fieldX, short fieldY, short offset, short shift) {
  return StaticText(text, id, static_cast<short>(fieldX + FieldWidth + LabelGap + offset),
                    static_cast<short>(fieldY + LabelDrop + shift), MarkWidth, LabelHeight);
}

// Hidden, yet it takes clicks and Enter.
constexpr DWORD HiddenButEnabled = 0;

}  // namespace

// The unit conversion window: seven framed groups of unit fields, each field with its unit's label
// to its right; Enter converts the field that last took the focus into the other units of its group.
DialogTemplate ConvertTemplate() {
  DialogTemplate dialog = ModalDialog("KONVERTERE", 363, 262);
  dialog.x = 0;
  dialog.y = 16;
  dialog.items = {
      PushButton("Lukk", ConvertCloseId, 325, 1, 36, 12),
      DefaultPushButton("Beregne", ConvertUnitsId, 321, 178, 17, 12, HiddenButEnabled),
      PushButton("OK", ConvertOkId, 290, 1, 30, 12, HiddenDisabled),

      GroupBox("Temperatur", TemperatureGroupId, 2, 2, 318, 26),
      UnitField(KelvinFieldId, 5, 12),
      UnitField(CelsiusFieldId, 95, 12),
      UnitField(FahrenheitFieldId, 196, 12),
      UnitMark("o", CelsiusDegreeId, 95, 12, 30, -MarkShift),
      UnitMark("o", FahrenheitDegreeId, 196, 12, 41, -MarkShift),
      UnitLabel("Kelvin (K)", KelvinLabelId, 5, 12, 36),
      UnitLabel("Celsius (   C)", CelsiusLabelId, 95, 12, 46),
      UnitLabel("Fahrenheit (   F)", FahrenheitLabelId, 196, 12, 60),

      GroupBox("Trykk - Stress - Kraft/areal", PressureGroupId, 2, 29, 359, 55),
      UnitField(PascalFieldId, 5, 39),
      UnitField(PoundalPerSquareFootFieldId, 94, 39),
      UnitField(PoundForcePerSquareFootFieldId, 186, 39),
      UnitField(MillimetreOfMercuryFieldId, 275, 39),
      UnitField(InchOfWaterFieldId, 5, 54),
      UnitField(FootOfWaterFieldId, 94, 54),
      UnitField(InchOfMercuryFieldId, 186, 54),
      UnitField(PoundForcePerSquareInchFieldId, 275, 54),
      UnitField(BarFieldId, 5, 69),
      UnitField(StandardAtmosphereFieldId, 94, 69),
      UnitField(TonForcePerSquareFootFieldId, 186, 69),
      UnitField(TonForcePerSquareInchFieldId, 275, 69),
      UnitMark("2", PascalSquareId, 5, 39, 12, -MarkShift),
      UnitMark("2", PoundalPerSquareFootSquareId, 94, 39, 16, -MarkShift),
      UnitMark("2", PoundForcePerSquareFootSquareId, 186, 39, 15, -MarkShift),
      UnitMark("2", InchOfWaterSubscriptId, 5, 54, 16, MarkShift),
      UnitMark("2", FootOfWaterSubscriptId, 94, 54, 13, MarkShift),
      UnitMark("2", PoundForcePerSquareInchSquareId, 275, 54, 18, -MarkShift),
      UnitMark("2", TonForcePerSquareFootSquareId, 186, 69, 21, -MarkShift),
      UnitMark("2", TonForcePerSquareInchSquareId, 275, 69, 24, -MarkShift),
      UnitLabel("N/m", PascalLabelId, 5, 39, 12),
      UnitLabel("pdl/ft", PoundalPerSquareFootLabelId, 94, 39, 16),
      UnitLabel("lbf/ft", PoundForcePerSquareFootLabelId, 186, 39, 15),
      UnitLabel("mm Hg", MillimetreOfMercuryLabelId, 275, 39, 30),
      UnitLabel("in. H   O", InchOfWaterLabelId, 5, 54, 30),
      UnitLabel("ft H   O", FootOfWaterLabelId, 94, 54, 30),
      UnitLabel("in. Hg", InchOfMercuryLabelId, 186, 54, 30),
      UnitLabel("lbf/in.", PoundForcePerSquareInchLabelId, 275, 54, 18),
      UnitLabel("bar", BarLabelId, 5, 69, 30),
      UnitLabel("std.atmos.", StandardAtmosphereLabelId, 94, 69, 36),
      UnitLabel("tonf./ft", TonForcePerSquareFootLabelId, 186, 69, 21),
      UnitLabel("tonf./in.", TonForcePerSquareInchLabelId, 275, 69, 24),

      GroupBox("Energi - Varme - Arbeid", EnergyGroupId, 2, 85, 359, 39),
      UnitField(JouleFieldId, 5, 94),
      UnitField(ErgFieldId, 94, 94),
      UnitField(HorsepowerHourFieldId, 186, 94),
      UnitField(ThermieFieldId, 275, 94),
      UnitField(ThermFieldId, 5, 109),
      UnitField(CalorieFieldId, 94, 109),
      UnitField(BtuFieldId, 186, 109),
      UnitField(KilowattHourFieldId, 275, 109),
      UnitLabel("Joule (J)", JouleLabelId, 5, 94, 34),
      UnitLabel("erg", ErgLabelId, 94, 94, 36),
      UnitLabel("hk t", HorsepowerHourLabelId, 186, 94, 34),
      UnitLabel("thermie", ThermieLabelId, 275, 94, 32),
      UnitLabel("therm", ThermLabelId, 5, 109, 34),
      UnitLabel("cal", CalorieLabelId, 94, 109, 36),
      UnitLabel("Btu", BtuLabelId, 186, 109, 34),
      UnitLabel("kWt", KilowattHourLabelId, 275, 109, 32),

      GroupBox("Effekt", PowerGroupId, 2, 126, 359, 26),
      UnitField(WattFieldId, 5, 137),
      UnitField(HorsepowerFieldId, 94, 138),
      UnitField(MetricHorsepowerFieldId, 186, 137),
      UnitLabel("Watt (W)", WattLabelId, 5, 137, 34),
      UnitLabel("hk", HorsepowerLabelId, 94, 138, 36),
      UnitLabel("mtr.hk", MetricHorsepowerLabelId, 186, 137, 60),

      GroupBox("Kraft - Vekt", ForceGroupId, 2, 153, 359, 39),
      UnitField(NewtonFieldId, 5, 163),
      UnitField(DyneFieldId, 94, 163),
      UnitField(PoundalFieldId, 186, 163),
      UnitField(OunceForceFieldId, 274, 163),
      UnitField(PoundForceFieldId, 5, 178),
      UnitField(KilogramForceFieldId, 94, 178),
      UnitField(TonForceFieldId, 186, 178),
      UnitLabel("Newton(N)", NewtonLabelId, 5, 163, 34),
      UnitLabel("dyne", DyneLabelId, 94, 163, 36),
      UnitLabel("pdl", PoundalLabelId, 186, 163, 34),
      UnitLabel("ozf", OunceForceLabelId, 274, 163, 32),
      UnitLabel("lbf", PoundForceLabelId, 5, 178, 34),
      UnitLabel("kgf", KilogramForceLabelId, 94, 178, 36),
      UnitLabel("tonf", TonForceLabelId, 186, 178, 34),

      GroupBox("Lengde", LengthGroupId, 2, 193, 359, 39),
      UnitField(MetreFieldId, 5, 203),
      UnitField(InchFieldId, 94, 203),
      UnitField(FootFieldId, 184, 203),
      UnitField(YardFieldId, 275, 203),
      UnitField(MileFieldId, 5, 218),
      UnitLabel("m", MetreLabelId, 5, 203, 34),
      UnitLabel("in.", InchLabelId, 94, 203, 36),
      UnitLabel("ft", FootLabelId, 184, 203, 36),
      UnitLabel("yd", YardLabelId, 275, 203, 32),
      UnitLabel("mile", MileLabelId, 5, 218, 34),

      GroupBox("Masse", MassGroupId, 2, 233, 359, 25),
      UnitField(KilogramFieldId, 5, 243),
      UnitField(GrainFieldId, 95, 243),
      UnitField(TroyOunceFieldId, 184, 243),
      UnitField(PoundFieldId, 276, 243),
      UnitLabel("kg", KilogramLabelId, 5, 243, 34),
      UnitLabel("grain", GrainLabelId, 95, 243, 36),
      UnitLabel("ounce", TroyOunceLabelId, 184, 243, 36),
      UnitLabel("lb", PoundLabelId, 276, 243, 31),

  };
  for (int id : UnusedFieldIds) dialog.items.push_back(EditField(id, 0, 0, FieldWidth, FieldHeight, HiddenDisabled));
  return dialog;
}

namespace {

// Every label and group box on light gray, in id order.
constexpr MemberSetup ConvertMembers[] = {
    {.id = TemperatureGroupId, .colours = ColourKind::Gray},
    {.id = KelvinLabelId, .count = 5, .colours = ColourKind::Gray},
    {.id = PascalLabelId, .count = 21, .colours = ColourKind::Gray},
    {.id = JouleLabelId, .count = 9, .colours = ColourKind::Gray},
    {.id = WattLabelId, .count = 12, .colours = ColourKind::Gray},
    {.id = MetreLabelId, .count = 6, .colours = ColourKind::Gray},
    {.id = KilogramLabelId, .count = 5, .colours = ColourKind::Gray},
};

constexpr EnglishText ConvertEnglish[] = {
    {ConvertCloseId, "Close"},
    {HorsepowerHourLabelId, "hp h"},
    {KilowattHourLabelId, "kWh"},
    {HorsepowerLabelId, "hp"},
    {MetricHorsepowerLabelId, "mtr.hp(ch,PS)"},
    {TemperatureGroupId, "Temperature"},
    {PressureGroupId, "Pressure - Stress - Force/area"},
    {EnergyGroupId, "Energy - Heat - Work"},
    {PowerGroupId, "Power"},
    {ForceGroupId, "Force - Weight"},
    {LengthGroupId, "Length"},
    {MassGroupId, "Mass"},
};

}  // namespace

const WindowSetup ConvertSetup{
    .members = ConvertMembers, .englishCaption = "CONVERSION", .englishTexts = ConvertEnglish};
