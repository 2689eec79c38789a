#pragma once
// Controls of the property graph PERSYSGRAF. The property radios run from 101 to 115 in the order
// of the graph's properties; 116 is a hidden, disabled radio of the same group.
#include "resources/dialog_templates.h"

inline constexpr int GraphCloseId = 2;
inline constexpr int GraphBandId = 100;
inline constexpr int GraphAtomicMassRadioId = 101;
inline constexpr int GraphMeltingPointRadioId = 102;
inline constexpr int GraphBoilingPointRadioId = 103;
inline constexpr int GraphDensityRadioId = 104;
inline constexpr int GraphCovalentRadiusRadioId = 105;
inline constexpr int GraphAtomicRadiusRadioId = 106;
inline constexpr int GraphAtomicVolumeRadioId = 107;
inline constexpr int GraphIonisationPotentialRadioId = 108;
inline constexpr int GraphSpecificHeatRadioId = 109;
inline constexpr int GraphElectricalConductivityRadioId = 110;
inline constexpr int GraphThermalConductivityRadioId = 111;
inline constexpr int GraphElectronegativityRadioId = 112;
inline constexpr int GraphHeatOfFusionRadioId = 113;
inline constexpr int GraphHeatOfVaporisationRadioId = 114;
inline constexpr int GraphIsotopeCountRadioId = 115;
inline constexpr int UnusedGraphRadioId = 116;
inline constexpr int GraphMeltingDegreeId = 117;
inline constexpr int GraphBoilingDegreeId = 118;
inline constexpr int GraphDensityCubeId = 119;
inline constexpr int CovalentRadiusPowerId = 120;
inline constexpr int AtomicRadiusPowerId = 121;
inline constexpr int GraphAtomicVolumeCubeId = 122;
inline constexpr int SpecificHeatGramPowerId = 123;
inline constexpr int SpecificHeatKelvinPowerId = 124;
inline constexpr int ConductivityPowerId = 125;
inline constexpr int ConductivityOhmPowerId = 126;
inline constexpr int ConductivityCentimetrePowerId = 127;
inline constexpr int ThermalKelvinPowerId = 128;
inline constexpr int ThermalCentimetrePowerId = 129;
inline constexpr int MainGroupsOnlyId = 10333;
