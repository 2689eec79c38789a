#include "platform/win/control_constants.h"
#include "resources/dialog_templates.h"
#include "resources/element_properties_ids.h"
#include "resources/template_items.h"

namespace {

constexpr short LeftLabelX = 1;
constexpr short LeftFieldX = 77;
constexpr short RightLabelX = 173;
constexpr short RightFieldX = 267;
constexpr short LeftLabelWidth = LeftFieldX - LeftLabelX - 1;
constexpr short RightLabelWidth = RightFieldX - RightLabelX - 1;

struct PropertyRow {
  int fieldId;
  int labelId;
  const char* label;
  short y;
  short width;
  bool rightColumn;
};

constexpr PropertyRow PropertyRows[] = {
    {NameFieldId, NameLabelId, "Navn:", 1, 86, false},
    {AtomicMassFieldId, AtomicMassLabelId, "Relativ atommasse:", 11, 34, false},
    {MeltingPointFieldId, MeltingPointLabelId, "Smeltepunkt:", 21, 34, false},
    {DensityFieldId, DensityLabelId, "Tetthet:", 31, 34, false},
    {CovalentRadiusFieldId, CovalentRadiusLabelId, "Kovalent radius:", 41, 34, false},
    {AtomicVolumeFieldId, AtomicVolumeLabelId, "Atom (volum):", 51, 34, false},
    {ElectronConfigFieldId, ElectronConfigLabelId, "Elektronkonfigurasjon:", 61, 86, false},
    {HeatOfVaporisationFieldId, HeatOfVaporisationLabelId, "Fordampningsvarme:", 71, 34, false},
    {ThermalConductivityFieldId, ThermalConductivityLabelId, "Termisk ledningsevne:", 81, 34, false},
    {AcidBaseFieldId, AcidBaseLabelId, "Syre-base egenskaper:", 91, 34, false},
    {OxidationStatesFieldId, OxidationStatesLabelId, "Oksidasjonstilstander:", 101, 86, false},
    {SymbolFieldId, SymbolLabelId, "Symbol:", 1, 16, true},
    {AtomicNumberFieldId, AtomicNumberLabelId, "Atomnummer", 11, 16, true},
    {BoilingPointFieldId, BoilingPointLabelId, "Kokepunkt:", 21, 34, true},
    {ElectronegativityFieldId, ElectronegativityLabelId, "Elektronegativitet:", 31, 34, true},
    {AtomicRadiusFieldId, AtomicRadiusLabelId, "Atomradius:", 41, 34, true},
    {IonisationPotentialFieldId, IonisationPotentialLabelId, "F\xF8rste ionisasjonspotensial:", 51, 34, true},
    {SpecificHeatFieldId, SpecificHeatLabelId, "Spesifikk varmekapasitet:", 61, 34, true},
    {HeatOfFusionFieldId, HeatOfFusionLabelId, "Smeltevarme:", 71, 34, true},
    {ElectricalConductivityFieldId, ElectricalConductivityLabelId, "Elektrisk ledningsevne:", 81, 34, true},
    {CrystalStructureFieldId, CrystalStructureLabelId, "Struktur:", 91, 86, true},
    {IsotopeCountFieldId, IsotopeCountLabelId, "Antall stabile isotoper:", 101, 34, true},
};

struct UnitText {
  int id;
  short x;
  short y;
  short cx;
  short cy;
  const char* text;
};

constexpr UnitText UnitTexts[] = {
    {524, 113, 11, 6, 8, "u"},          {525, 113, 19, 4, 7, "o"},       {526, 119, 21, 5, 8, "C"},
    {527, 303, 19, 4, 7, "o"},          {528, 308, 21, 5, 8, "C"},       {535, 113, 31, 17, 8, "g/cm"},
    {536, 131, 30, 4, 8, "3"},          {532, 113, 41, 11, 8, "*10"},    {533, 125, 39, 10, 7, "-10"},
    {534, 137, 41, 5, 7, "m"},          {529, 303, 41, 11, 8, "*10"},    {530, 315, 39, 10, 7, "-10"},
    {531, 327, 41, 5, 7, "m"},          {537, 112, 51, 9, 8, "cm"},      {538, 122, 49, 4, 8, "3"},
    {539, 127, 51, 14, 8, "/mol"},      {540, 113, 71, 22, 8, "kJ/mol"}, {541, 113, 81, 19, 8, "W cm"},
    {542, 133, 79, 5, 7, "-1"},         {543, 140, 81, 5, 8, "K"},       {544, 146, 79, 5, 8, "-1"},
    {545, 303, 31, 31, 8, "(Pauling)"}, {546, 304, 51, 5, 8, "V"},       {547, 303, 61, 10, 8, "J g"},
    {548, 314, 59, 5, 8, "-1"},         {549, 321, 61, 5, 8, "K"},       {550, 327, 59, 5, 8, "-1"},
    {551, 304, 71, 22, 8, "kJ/mol"},    {552, 302, 81, 11, 7, "*10"},    {553, 314, 79, 4, 7, "6"},
    {554, 319, 81, 14, 8, "Ohm"},       {555, 334, 79, 5, 7, "-1"},      {556, 341, 81, 9, 8, "cm"},
    {557, 351, 79, 5, 7, "-1"},
};

struct HeadingPair {
  int upperId;
  int lowerId;
  short x;
  short upperWidth;
  short lowerWidth;
};

constexpr HeadingPair HeadingPairs[] = {
    {AbundanceUpperId, AbundanceLowerId, 35, 44, 44},
    {MassUpperId, MassLowerId, 80, 33, 33},
    {SpinUpperId, SpinLowerId, 115, 27, 27},
    {FrequencyUpperId, FrequencyLowerId, 143, 39, 39},
    {ReceptivityUpperId, ReceptivityLowerId, 183, 38, 37},
    {MomentUpperId, MomentLowerId, 221, 34, 34},
    {QuadrupoleUpperId, QuadrupoleLowerId, 256, 39, 39},
    {GyromagneticUpperId, GyromagneticLowerId, 296, 53, 53},
};

constexpr short HeadingUpperY = 126;
constexpr short HeadingLowerY = 135;

DialogItemTemplate BorderlessEdit(int id, DWORD style, short x, short y, short cx, short cy) {
  return Item("EDIT", "", id, Shown | style, x, y, cx, cy);
}

}  // namespace

// The properties of one element: a field per property with its label and units, and below them
// the isotope table or the history text, chosen by two radio buttons.
DialogTemplate EgenskaperTemplate() {
  DialogTemplate dialog = ModalDialog("PERIODESYSTEMET - EGENSKAPER", 359, 207);
  dialog.x = 0;
  dialog.y = 64;
  dialog.items = {
      BorderlessEdit(RefillFocusFieldId, ES_READONLY | WS_TABSTOP, 332, 110, 0, 0),
      RadioButton("Grunnstoffets stabile isotoper", IsotopeViewRadioId, 3, 112, 108, 12, false),
      RadioButton("Historikk", HistoryViewRadioId, 111, 112, 42, 12, false),
      PushButton("Lukk", PropertiesCloseId, 321, 1, 30, 12),
      PushButton("OK", IDOK, 290, 2, 27, 12, HiddenDisabled),
      GroupBox(" ", LowerFrameId, 1, 113, 357, 92),
      Item("EDIT", "", IsotopeOrHistoryTextId,
           Shown | ES_MULTILINE | ES_AUTOVSCROLL | ES_READONLY | WS_VSCROLL | WS_BORDER | WS_TABSTOP, 3, 145, 353, 58),
      BorderlessEdit(FirstColumnUpperId, ES_READONLY, 3, HeadingUpperY, 31, 8),
      BorderlessEdit(FirstColumnLowerId, ES_READONLY, 3, HeadingLowerY, 31, 8),
      OwnerDrawButton("", MuPictureId, 335, 22, 7, 8, HiddenDisabled),
      StaticText("(", MuOpeningBracketId, 331, 21, 3, 8, HiddenDisabled),
      StaticText(")", MuClosingBracketId, 343, 21, 3, 8, HiddenDisabled),
  };
  for (const HeadingPair& pair : HeadingPairs) {
    dialog.items.push_back(BorderlessEdit(pair.upperId, WS_TABSTOP, pair.x, HeadingUpperY, pair.upperWidth, 8));
    dialog.items.push_back(BorderlessEdit(pair.lowerId, WS_TABSTOP, pair.x, HeadingLowerY, pair.lowerWidth, 8));
  }
  for (const PropertyRow& row : PropertyRows) {
    const short labelX = row.rightColumn ? RightLabelX : LeftLabelX;
    const short labelWidth = row.rightColumn ? RightLabelWidth : LeftLabelWidth;
    const short fieldX = row.rightColumn ? RightFieldX : LeftFieldX;
    dialog.items.push_back(StaticText(row.label, row.labelId, labelX, row.y, labelWidth, 8));
    dialog.items.push_back(BorderlessEdit(row.fieldId, WS_DISABLED | ES_MULTILINE | ES_AUTOHSCROLL | ES_READONLY,
                                          fieldX, row.y, row.width, 9));
  }
  for (const UnitText& unit : UnitTexts) {
    dialog.items.push_back(StaticText(unit.text, unit.id, unit.x, unit.y, unit.cx, unit.cy));
  }
  return dialog;
}

namespace {

constexpr MemberSetup EgenskaperMembers[] = {
    {.id = RefillFocusFieldId, .colours = ColourKind::Gray},
    // The property fields, from the name to the number of stable isotopes.
    {.id = NameFieldId, .count = IsotopeCountFieldId - NameFieldId + 1, .colours = ColourKind::Gray},
    {.id = IsotopeOrHistoryTextId, .font = FixedsysTable},
    // The isotope table's headings: the first column, then each column's two lines.
    {.id = FirstColumnUpperId, .count = 2, .colours = ColourKind::Gray},
    {.id = AbundanceUpperId, .count = ReceptivityLowerId - AbundanceUpperId + 1, .colours = ColourKind::Gray},
    {.id = FrequencyUpperId, .count = MomentLowerId - FrequencyUpperId + 1, .colours = ColourKind::Gray},
    {.id = QuadrupoleUpperId, .count = 2, .colours = ColourKind::Gray},
    {.id = GyromagneticUpperId, .count = 2, .colours = ColourKind::Gray},
    // The labels of the property fields, in the fields' order.
    {.id = NameLabelId, .count = ThermalConductivityLabelId - NameLabelId + 1, .colours = ColourKind::Gray},
    {.id = AcidBaseLabelId, .colours = ColourKind::Gray},
    {.id = OxidationStatesLabelId,
     .count = IsotopeCountLabelId - OxidationStatesLabelId + 1,
     .colours = ColourKind::Gray},
    {.id = FirstUnitTextId, .count = LastUnitTextId - FirstUnitTextId + 1, .colours = ColourKind::Gray},
    {.id = MuOpeningBracketId, .colours = ColourKind::Gray},
    {.id = MuClosingBracketId, .colours = ColourKind::Gray},
    {.id = IsotopeViewRadioId, .colours = ColourKind::Gray},
    {.id = HistoryViewRadioId, .colours = ColourKind::Gray},
    {.id = LowerFrameId, .colours = ColourKind::White},
    {.id = MuPictureId, .picture = {"MU_TEGN", PictureLook::Stretched}},
};

constexpr EnglishText EgenskaperEnglish[] = {
    {IsotopeViewRadioId, "Stable isotopes"},
    {HistoryViewRadioId, "History"},
    {PropertiesCloseId, "Close"},
    {NameLabelId, "Name:"},
    {AtomicMassLabelId, "Relative atomic mass:"},
    {MeltingPointLabelId, "Melting point"},
    {DensityLabelId, "Density:"},
    {CovalentRadiusLabelId, "Covalent radius:"},
    {ElectronConfigLabelId, "Electron configuration:"},
    {AtomicVolumeLabelId, "Atomic volume:"},
    {HeatOfVaporisationLabelId, "Heat of vaporization:"},
    {ThermalConductivityLabelId, "Thermal conductivity:"},
    {AcidBaseLabelId, "Acid-base properties:"},
    {OxidationStatesLabelId, "Oxidation states:"},
    {SymbolLabelId, "Symbol:"},
    {AtomicNumberLabelId, "Atomic number:"},
    {BoilingPointLabelId, "Boiling point:"},
    {ElectronegativityLabelId, "Electronegativity:"},
    {AtomicRadiusLabelId, "Atomic radius:"},
    {IonisationPotentialLabelId, "First ionization potential:"},
    {SpecificHeatLabelId, "Specific heat capacity:"},
    {HeatOfFusionLabelId, "Heat of fusion:"},
    {ElectricalConductivityLabelId, "Electrical conductivity:"},
    {CrystalStructureLabelId, "Crystal structure:"},
    {IsotopeCountLabelId, "Number of stable isotopes:"},
};

}  // namespace

const WindowSetup EgenskaperSetup{
    .members = EgenskaperMembers, .englishCaption = "PERIODIC TABLE - PROPERTIES", .englishTexts = EgenskaperEnglish};
