#pragma once
// Controls of the property graph PERSYSGRAF. The property radios run from 101 to 115 in the order
// of the graph's properties; 116 is a hidden, disabled radio of the same group.
inline constexpr const char* PersysgrafTemplateName = "PERSYSGRAF";

inline constexpr int GraphCloseId = 2;
inline constexpr int GraphBandId = 100;
inline constexpr int AtomicMassRadioId = 101;
inline constexpr int MeltingPointRadioId = 102;
inline constexpr int BoilingPointRadioId = 103;
inline constexpr int DensityRadioId = 104;
inline constexpr int CovalentRadiusRadioId = 105;
inline constexpr int AtomicRadiusRadioId = 106;
inline constexpr int AtomicVolumeRadioId = 107;
inline constexpr int IonisationPotentialRadioId = 108;
inline constexpr int SpecificHeatRadioId = 109;
inline constexpr int ElectricalConductivityRadioId = 110;
inline constexpr int ThermalConductivityRadioId = 111;
inline constexpr int ElectronegativityRadioId = 112;
inline constexpr int HeatOfFusionRadioId = 113;
inline constexpr int HeatOfVaporisationRadioId = 114;
inline constexpr int IsotopeCountRadioId = 115;
inline constexpr int UnusedGraphRadioId = 116;
inline constexpr int MeltingDegreeId = 117;
inline constexpr int BoilingDegreeId = 118;
inline constexpr int DensityCubeId = 119;
inline constexpr int CovalentRadiusPowerId = 120;
inline constexpr int AtomicRadiusPowerId = 121;
inline constexpr int AtomicVolumeCubeId = 122;
inline constexpr int SpecificHeatGramPowerId = 123;
inline constexpr int SpecificHeatKelvinPowerId = 124;
inline constexpr int ConductivityPowerId = 125;
inline constexpr int ConductivityOhmPowerId = 126;
inline constexpr int ConductivityCentimetrePowerId = 127;
inline constexpr int ThermalKelvinPowerId = 128;
inline constexpr int ThermalCentimetrePowerId = 129;
inline constexpr int MainGroupsOnlyId = 10333;
