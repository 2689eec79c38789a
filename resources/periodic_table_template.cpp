#include "platform/win/control_constants.h"
#include "resources/dialog_templates.h"
#include "resources/periodic_table_ids.h"
#include "resources/template_items.h"

namespace {

constexpr short CellWidth = 20;
constexpr short PeriodHeight = 24;
constexpr short FirstButtonY = 66;
constexpr short ValueBoxAbove = 10;
constexpr short LanthanideRowY = 225;
constexpr short ActinideRowY = 249;

// The period (1 to 7) and group column (1 to 18) of an element of the main table.
struct TablePlace {
  int period;
  int column;
};

TablePlace MainTablePlace(int Z) {
  if (Z == 1) return {1, 1};
  if (Z == 2) return {1, 18};
  if (Z <= 18) {
    const int period = Z <= 10 ? 2 : 3;
    const int index = Z - (period == 2 ? 3 : 11);  // 0 to 7 within the period
    return {period, index < 2 ? index + 1 : index + 11};
  }
  if (Z <= 36) return {4, Z - 18};
  if (Z <= 54) return {5, Z - 36};
  if (Z <= 57) return {6, Z - 54};
  if (Z >= 72 && Z <= 86) return {6, Z - 68};
  return {7, Z - 86};
}

// The place of element Z's button: the main table, or the lanthanide and actinide rows.
POINT ElementButtonPlace(int Z) {
  if (Z >= 58 && Z <= 71) return {82 + CellWidth * (Z - 58), LanthanideRowY};
  if (Z >= 90) return {82 + CellWidth * (Z - 90), ActinideRowY};
  const TablePlace place = MainTablePlace(Z);
  return {2 + CellWidth * (place.column - 1), FirstButtonY + PeriodHeight * (place.period - 1)};
}

DialogItemTemplate PropertyRadio(const char* text, int id, short x, short y, short cx) {
  return RadioButton(text, id, x, y, cx, 9, false);
}

}  // namespace

// The periodic table: an element button per element with its value box above it, the property
// radio buttons with their superscripts, group numbers and row labels.
DialogTemplate PeriodesystemetTemplate() {
  DialogTemplate dialog = ModalDialog("PERIODESYSTEMET", 363, 263);
  dialog.x = 55;
  dialog.y = 55;
  dialog.items = {
      PushButton("Grafikk", GraphButtonId, 159, 1, 49, 12),
      PushButton("Lukk", PeriodicCloseId, 323, 1, 36, 12),
      DefaultPushButton("OK", IDOK, 281, 2, 36, 12, HiddenDisabled),
      StaticText("o", MeltingDegreeId, 95, 45, 4, 7),
      StaticText("o", BoilingDegreeId, 95, 56, 4, 7),
      StaticText("3", DensityCubeId, 101, 68, 4, 7),
      StaticText("-10", CovalentExponentId, 119, 79, 10, 7),
      StaticText("-10", AtomicRadiusExponentId, 119, 89, 10, 7),
      StaticText("3", AtomicVolumeCubeId, 112, 101, 4, 7),
      StaticText("-1", SpecificHeatGramExponentId, 242, 23, 5, 7),
      StaticText("-1", SpecificHeatKelvinExponentId, 254, 23, 5, 8),
      StaticText("6", ConductivityMillionId, 234, 35, 4, 7),
      StaticText("-1", ConductivityOhmExponentId, 254, 34, 5, 7),
      StaticText("-1", ConductivityCmExponentId, 271, 34, 5, 7),
      StaticText("-1", ThermalCmExponentId, 239, 45, 5, 7),
      StaticText("-1", ThermalKelvinExponentId, 252, 45, 5, 7),
      StaticText("o", PhaseDegreeId, 341, 34, 4, 7),
      PropertyRadio("Atomnummer", AtomicNumberRadioId, 42, 15, 58),
      PropertyRadio("Navn", NameRadioId, 42, 26, 30),
      PropertyRadio("Relativ atommasse   u", AtomicMassRadioId, 42, 37, 92),
      PropertyRadio("Smeltepunkt    C", MeltingPointRadioId, 42, 48, 65),
      PropertyRadio("Kokepunkt      C", BoilingPointRadioId, 42, 59, 65),
      PropertyRadio("Tetthet   g/cm", DensityRadioId, 42, 70, 57),
      PropertyRadio("Kovalent  radius *10     m", CovalentRadiusRadioId, 42, 81, 94),
      PropertyRadio("Atomradius        *10      m", AtomicRadiusRadioId, 42, 92, 94),
      PropertyRadio("Atom (volum)    cm  /mol", AtomicVolumeRadioId, 42, 104, 92),
      PropertyRadio("F\xF8rste ionisasjonspotensial  V", IonisationPotentialRadioId, 137, 15, 108),
      PropertyRadio("Spesifikk varmekapasitet  Jg    K", SpecificHeatRadioId, 137, 26, 117),
      PropertyRadio("Elektrisk ledningsevne *10   Ohm   cm", ElectricalConductivityRadioId, 137, 37, 134),
      PropertyRadio("Termisk konduktivitet  Wcm    K", ThermalConductivityRadioId, 137, 48, 114),
      PropertyRadio("Elektronegativitet  Pauling", ElectronegativityRadioId, 137, 59, 96),
      PropertyRadio("Smeltevarme kJ/mol", HeatOfFusionRadioId, 137, 70, 81),
      PropertyRadio("Fordampningsvarme kJ/mol", HeatOfVaporisationRadioId, 137, 81, 99),
      PropertyRadio("Syre-base egenskaper", AcidBaseRadioId, 137, 92, 83),
      PropertyRadio("Antall stabile isotoper", IsotopeCountRadioId, 137, 104, 101),
      PropertyRadio("Elektronkonfigurasjon", ElectronConfigRadioId, 277, 15, 81),
      PropertyRadio("Oksidasjonstilstander", OxidationStatesRadioId, 277, 26, 80),
      PropertyRadio("Fasetilstand  20    C", PhaseRadioId, 277, 37, 76),
      PropertyRadio("Struktur", CrystalStructureRadioId, 277, 48, 61),
      StaticText("Gruppe", GroupHeadingId, 2, 35, 22, 8),
      StaticText("  1/IA", Group1LabelId, 2, 46, 19, 8),
      StaticText(" 2/IIA", Group2LabelId, 23, 70, 17, 8),
      StaticText(" 3/IIIB  4/IVB   5/VB   6/VIB  7/VIIB  8/VIII  9/VIII 10/VIII  11/IB  12/IIB", Groups3To12LabelId, 42,
                 118, 198, 8),
      StaticText("13/IIIA 14/IVA 15/VA 16/VIA 17/VIIA", Groups13To17LabelId, 239, 70, 102, 8),
      StaticText("18/VIIIA", Group18LabelId, 339, 46, 23, 8),
      StaticText("Lantanoidene ->", LanthanidesLabelId, 21, 227, 55, 8),
      StaticText("Actinoidene   ->", ActinidesLabelId, 22, 250, 54, 8),
  };
  for (int Z = 1; Z <= LastElementButtonId - ElementButtonBaseId; ++Z) {
    const POINT place = ElementButtonPlace(Z);
    const auto x = static_cast<short>(place.x);
    const auto y = static_cast<short>(place.y);
    dialog.items.push_back(PushButton("", ElementButtonBaseId + Z, x, y, 19, 12));
    dialog.items.push_back(Item("EDIT", "", ValueBoxBaseId + Z,
                                Shown | WS_BORDER | WS_TABSTOP | ES_AUTOHSCROLL | ES_READONLY, x,
                                static_cast<short>(y - ValueBoxAbove), 19, 9));
  }
  return dialog;
}

namespace {

constexpr MemberSetup PeriodesystemetMembers[] = {
    // The value boxes above the element buttons, for the elements 1 to 103.
    {.id = ValueBoxBaseId + 1,
     .count = LastElementButtonId - FirstElementButtonId + 1,
     .colours = ColourKind::White,
     .font = HelvSmall},
    // The property radios.
    {.id = AtomicNumberRadioId, .colours = ColourKind::Gray},
    {.id = NameRadioId, .colours = ColourKind::Gray},
    {.id = AtomicMassRadioId, .colours = ColourKind::Gray},
    {.id = MeltingPointRadioId, .colours = ColourKind::Gray},
    {.id = BoilingPointRadioId, .colours = ColourKind::Gray},
    {.id = DensityRadioId, .colours = ColourKind::Gray},
    {.id = CovalentRadiusRadioId, .colours = ColourKind::Gray},
    {.id = AtomicRadiusRadioId, .colours = ColourKind::Gray},
    {.id = AtomicVolumeRadioId, .colours = ColourKind::Gray},
    {.id = IonisationPotentialRadioId, .colours = ColourKind::Gray},
    {.id = SpecificHeatRadioId, .colours = ColourKind::Gray},
    {.id = ElectricalConductivityRadioId, .colours = ColourKind::Gray},
    {.id = ThermalConductivityRadioId, .colours = ColourKind::Gray},
    {.id = ElectronegativityRadioId, .colours = ColourKind::Gray},
    {.id = HeatOfFusionRadioId, .colours = ColourKind::Gray},
    {.id = HeatOfVaporisationRadioId, .colours = ColourKind::Gray},
    {.id = AcidBaseRadioId, .colours = ColourKind::Gray},
    {.id = IsotopeCountRadioId, .colours = ColourKind::Gray},
    {.id = ElectronConfigRadioId, .colours = ColourKind::Gray},
    {.id = OxidationStatesRadioId, .colours = ColourKind::Gray},
    {.id = PhaseRadioId, .colours = ColourKind::Gray},
    {.id = CrystalStructureRadioId, .colours = ColourKind::Gray},
    // The headings, with the group numbers in the small font, and the superscripts.
    {.id = GroupHeadingId, .colours = ColourKind::Gray, .font = HelvSmall},
    {.id = Group1LabelId, .colours = ColourKind::Gray, .font = HelvSmall},
    {.id = Group2LabelId, .colours = ColourKind::Gray, .font = HelvSmall},
    {.id = Groups3To12LabelId, .colours = ColourKind::Gray, .font = HelvSmall},
    {.id = Groups13To17LabelId, .colours = ColourKind::Gray, .font = HelvSmall},
    {.id = Group18LabelId, .colours = ColourKind::Gray, .font = HelvSmall},
    {.id = LanthanidesLabelId, .colours = ColourKind::Gray},
    {.id = ActinidesLabelId, .colours = ColourKind::Gray},
    {.id = MeltingDegreeId, .colours = ColourKind::Gray},
    {.id = BoilingDegreeId, .colours = ColourKind::Gray},
    {.id = DensityCubeId, .colours = ColourKind::Gray},
    {.id = CovalentExponentId, .colours = ColourKind::Gray},
    {.id = AtomicRadiusExponentId, .colours = ColourKind::Gray},
    {.id = AtomicVolumeCubeId, .colours = ColourKind::Gray},
    {.id = SpecificHeatGramExponentId, .colours = ColourKind::Gray},
    {.id = SpecificHeatKelvinExponentId, .colours = ColourKind::Gray},
    {.id = ConductivityMillionId, .colours = ColourKind::Gray},
    {.id = ConductivityOhmExponentId, .colours = ColourKind::Gray},
    {.id = ConductivityCmExponentId, .colours = ColourKind::Gray},
    {.id = ThermalCmExponentId, .colours = ColourKind::Gray},
    {.id = ThermalKelvinExponentId, .colours = ColourKind::Gray},
    {.id = PhaseDegreeId, .colours = ColourKind::Gray},
};

constexpr EnglishText PeriodesystemetEnglish[] = {
    {AtomicNumberRadioId, "Atomic number"},
    {NameRadioId, "Name"},
    {AtomicMassRadioId, "Relative atomic mass  u"},
    {MeltingPointRadioId, "Melting point   C"},
    {BoilingPointRadioId, "Boiling point    C"},
    {DensityRadioId, "Density   g/cm"},
    {CovalentRadiusRadioId, "Covalent radius   *10     m"},
    {AtomicRadiusRadioId, "Atomic radius      *10     m"},
    {AtomicVolumeRadioId, "Atomic volume  cm   /mol"},
    {IonisationPotentialRadioId, "First ionization potential V"},
    {SpecificHeatRadioId, "Specific heat capacity       Jg   K"},
    {ElectricalConductivityRadioId, "Electrical conductivity  *10   Ohm   cm"},
    {ThermalConductivityRadioId, "Thermal conductivity    Wcm   K"},
    {ElectronegativityRadioId, "Electronegativity Pauling"},
    {HeatOfFusionRadioId, "Heat of fusion kJ/mol"},
    {HeatOfVaporisationRadioId, "Heat of vaporization kJ/mol"},
    {AcidBaseRadioId, "Acid-base properties"},
    {IsotopeCountRadioId, "Number of stable isotopes"},
    {ElectronConfigRadioId, "Electron configuration"},
    {OxidationStatesRadioId, "Oxidation states"},
    {PhaseRadioId, "Phase           20   C"},
    {CrystalStructureRadioId, "Crystal structure"},
    {LanthanidesLabelId, "Lanthanides ->"},
    {ActinidesLabelId, "Actinides    ->"},
    {GroupHeadingId, "Group"},
    {GraphButtonId, "Graphics"},
    {PeriodicCloseId, "Close"},
};

}  // namespace

const WindowSetup PeriodesystemetSetup{
    .members = PeriodesystemetMembers, .englishCaption = "PERIODIC TABLE", .englishTexts = PeriodesystemetEnglish};
