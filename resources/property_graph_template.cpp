#include "platform/win/control_constants.h"
#include "resources/dialog_templates.h"
#include "resources/property_graph_ids.h"
#include "resources/template_items.h"

// The property graph. The superscripts come first, so that they lie over the radio captions they
// complete, and the light-gray band behind the choices comes last, under every other control.
DialogTemplate PersysgrafTemplate() {
  DialogTemplate dialog = ModalDialog("PERIODESYSTEMET - GRAFIKK", 362, 262);
  dialog.x = 0;
  dialog.y = 15;
  dialog.items = {
      StaticText("o", GraphMeltingDegreeId, 54, 27, 4, 7),
      StaticText("o", GraphBoilingDegreeId, 55, 39, 4, 7),
      StaticText("3", GraphDensityCubeId, 59, 51, 5, 7),
      StaticText("-10", CovalentRadiusPowerId, 78, 62, 10, 7),
      StaticText("-10", AtomicRadiusPowerId, 172, 12, 10, 8),
      StaticText("3", GraphAtomicVolumeCubeId, 165, 26, 4, 8),
      StaticText("-1", SpecificHeatGramPowerId, 197, 50, 5, 7),
      StaticText("-1", SpecificHeatKelvinPowerId, 211, 50, 6, 7),
      StaticText("6", ConductivityPowerId, 192, 64, 4, 7),
      StaticText("-1", ConductivityOhmPowerId, 213, 63, 5, 7),
      StaticText("-1", ConductivityCentimetrePowerId, 229, 63, 5, 7),
      StaticText("-1", ThermalCentimetrePowerId, 339, 15, 6, 7),
      StaticText("-1", ThermalKelvinPowerId, 353, 15, 6, 7),
      Item("BUTTON", "Gruppe IA -  VIIIA", MainGroupsOnlyId, Shown | WS_TABSTOP | BS_AUTOCHECKBOX, 1, 2, 75, 10),
      RadioButton("Relativ atommasse  u", GraphAtomicMassRadioId, 1, 18, 92, 9, true),
      RadioButton("Smeltepunkt    C", GraphMeltingPointRadioId, 1, 30, 84, 9, false),
      RadioButton("Kokepunkt      C", GraphBoilingPointRadioId, 1, 42, 79, 9, false),
      RadioButton("Tetthet   g/cm", GraphDensityRadioId, 1, 54, 60, 9, false),
      RadioButton("Kovalent radius   *10    m", GraphCovalentRadiusRadioId, 1, 66, 92, 10, false),
      RadioButton("Atomradius         *10      m", GraphAtomicRadiusRadioId, 94, 18, 97, 9, false),
      RadioButton("Atom (volum)    cm  /mol", GraphAtomicVolumeRadioId, 94, 30, 90, 9, false),
      RadioButton("F\xF8rste ionisasjonspotensial  V", GraphIonisationPotentialRadioId, 94, 42, 123, 10, false),
      RadioButton("Spesifikk varmekapasitet  Jg   K", GraphSpecificHeatRadioId, 94, 54, 116, 9, false),
      RadioButton("Elektrisk ledningsevne *10   Ohm   cm", GraphElectricalConductivityRadioId, 94, 66, 134, 10, false),
      RadioButton("Termisk konduktivitet  Wcm    K", GraphThermalConductivityRadioId, 237, 18, 115, 10, false),
      RadioButton("Elektronegativitet   Pauling", GraphElectronegativityRadioId, 237, 30, 105, 10, false),
      RadioButton("Smeltevarme kJ/mol", GraphHeatOfFusionRadioId, 237, 42, 91, 10, false),
      RadioButton("Fordampningsvarme kJ/mol", GraphHeatOfVaporisationRadioId, 237, 54, 99, 9, false),
      RadioButton("Antall stabile isotoper", GraphIsotopeCountRadioId, 237, 66, 99, 10, false),
      RadioButton("xx", UnusedGraphRadioId, 336, 42, 18, 10, false, HiddenDisabled),
      Item("BUTTON", "Lukk", GraphCloseId, Shown | WS_GROUP | WS_TABSTOP | BS_PUSHBUTTON, 325, 1, 36, 12),
      DefaultPushButton("OK", IDOK, 198, 3, 36, 12, HiddenDisabled),
      StaticText("", GraphBandId, 0, 0, 363, 79),
  };
  return dialog;
}

namespace {

constexpr MemberSetup PersysgrafMembers[] = {
    {.id = GraphAtomicMassRadioId,
     .count = UnusedGraphRadioId - GraphAtomicMassRadioId + 1,
     .colours = ColourKind::Gray},
    {.id = MainGroupsOnlyId, .colours = ColourKind::Gray},
    {.id = GraphBandId, .colours = ColourKind::Gray},
    {.id = GraphMeltingDegreeId,
     .count = ThermalCentimetrePowerId - GraphMeltingDegreeId + 1,
     .colours = ColourKind::Gray},
};

constexpr EnglishText PersysgrafEnglish[] = {
    {MainGroupsOnlyId, "Group IA - VIIIA"},
    {GraphAtomicMassRadioId, "Relative atomic mass  u"},
    {GraphMeltingPointRadioId, "Melting point   C"},
    {GraphBoilingPointRadioId, "Boiling point    C"},
    {GraphDensityRadioId, "Density   g/cm"},
    {GraphCovalentRadiusRadioId, "Covalent radius   *10    m"},
    {GraphAtomicRadiusRadioId, "Atomic radius      *10     m"},
    {GraphAtomicVolumeRadioId, "Atomic volume  cm   /mol"},
    {GraphIonisationPotentialRadioId, "First ionization potential V"},
    {GraphSpecificHeatRadioId, "Specific heat capacity       Jg   K"},
    {GraphElectricalConductivityRadioId, "Electrical conductivity  *10   Ohm   cm"},
    {GraphThermalConductivityRadioId, "Thermal conductivity    Wcm   K"},
    {GraphElectronegativityRadioId, "Electronegativity Pauling"},
    {GraphHeatOfFusionRadioId, "Heat of fusion kJ/mol"},
    {GraphHeatOfVaporisationRadioId, "Heat of vaporization kJ/mol"},
    {GraphIsotopeCountRadioId, "Number of stable isotopes"},
    {GraphCloseId, "Close"},
};

}  // namespace

// The graph is drawn on white.
const WindowSetup PersysgrafSetup{.backgroundBrush = WHITE_BRUSH,
                                  .members = PersysgrafMembers,
                                  .englishCaption = "PERIODIC TABLE - GRAPHICS",
                                  .englishTexts = PersysgrafEnglish};
