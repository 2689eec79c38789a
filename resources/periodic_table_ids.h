#pragma once
// Controls of the periodic table window PERIODESYSTEMET. Element Z has the button
// ElementButtonBaseId + Z and, above it, the value box ValueBoxBaseId + Z.
#include "resources/dialog_templates.h"

inline constexpr int PeriodicCloseId = 2;
inline constexpr int ElementButtonBaseId = 100;
inline constexpr int FirstElementButtonId = 101;
inline constexpr int LastElementButtonId = 203;
inline constexpr int ValueBoxBaseId = 500;
inline constexpr int GraphButtonId = 697;

// The property radio buttons; there is no 624.
inline constexpr int AtomicNumberRadioId = 604;
inline constexpr int AtomicMassRadioId = 605;
inline constexpr int MeltingPointRadioId = 606;
inline constexpr int NameRadioId = 607;
inline constexpr int BoilingPointRadioId = 608;
inline constexpr int DensityRadioId = 609;
inline constexpr int CovalentRadiusRadioId = 610;
inline constexpr int AtomicRadiusRadioId = 611;
inline constexpr int ElectronegativityRadioId = 612;
inline constexpr int IonisationPotentialRadioId = 613;
inline constexpr int SpecificHeatRadioId = 614;
inline constexpr int HeatOfVaporisationRadioId = 615;
inline constexpr int HeatOfFusionRadioId = 616;
inline constexpr int ElectricalConductivityRadioId = 617;
inline constexpr int ThermalConductivityRadioId = 618;
inline constexpr int AcidBaseRadioId = 619;
inline constexpr int CrystalStructureRadioId = 620;
inline constexpr int ElectronConfigRadioId = 621;
inline constexpr int OxidationStatesRadioId = 622;
inline constexpr int IsotopeCountRadioId = 623;
inline constexpr int PhaseRadioId = 625;
inline constexpr int AtomicVolumeRadioId = 696;

// Headings and group numbers.
inline constexpr int GroupHeadingId = 633;
inline constexpr int Group1LabelId = 629;
inline constexpr int Group2LabelId = 692;
inline constexpr int Groups3To12LabelId = 631;
inline constexpr int Groups13To17LabelId = 693;
inline constexpr int Group18LabelId = 695;
inline constexpr int LanthanidesLabelId = 643;
inline constexpr int ActinidesLabelId = 644;

// The superscripts laid over the radio captions.
inline constexpr int MeltingDegreeId = 690;
inline constexpr int BoilingDegreeId = 626;
inline constexpr int DensityCubeId = 627;
inline constexpr int CovalentExponentId = 628;
inline constexpr int AtomicRadiusExponentId = 630;
inline constexpr int AtomicVolumeCubeId = 641;
inline constexpr int SpecificHeatGramExponentId = 632;
inline constexpr int SpecificHeatKelvinExponentId = 634;
inline constexpr int ConductivityMillionId = 635;
inline constexpr int ConductivityOhmExponentId = 637;
inline constexpr int ConductivityCmExponentId = 639;
inline constexpr int ThermalCmExponentId = 640;
inline constexpr int ThermalKelvinExponentId = 642;
inline constexpr int PhaseDegreeId = 691;
