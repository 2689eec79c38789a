#pragma once
// Controls of the element-properties window EGENSKAPER.
#include "resources/dialog_templates.h"

inline constexpr int PropertiesCloseId = 2;
inline constexpr int RefillFocusFieldId = 10104;
inline constexpr int IsotopeViewRadioId = 186;
inline constexpr int HistoryViewRadioId = 187;
inline constexpr int LowerFrameId = 502;
inline constexpr int IsotopeOrHistoryTextId = 10115;
inline constexpr int MuPictureId = 566;
inline constexpr int MuOpeningBracketId = 567;
inline constexpr int MuClosingBracketId = 568;

// The two-line headings of the isotope table: the first column, then the upper and lower line
// of the other seven columns.
inline constexpr int FirstColumnUpperId = 184;
inline constexpr int FirstColumnLowerId = 185;
inline constexpr int AbundanceUpperId = 558;
inline constexpr int AbundanceLowerId = 559;
inline constexpr int MassUpperId = 560;
inline constexpr int MassLowerId = 561;
inline constexpr int SpinUpperId = 562;
inline constexpr int SpinLowerId = 563;
inline constexpr int ReceptivityUpperId = 564;
inline constexpr int ReceptivityLowerId = 565;
inline constexpr int FrequencyUpperId = 569;
inline constexpr int FrequencyLowerId = 570;
inline constexpr int MomentUpperId = 571;
inline constexpr int MomentLowerId = 572;
inline constexpr int GyromagneticUpperId = 573;
inline constexpr int GyromagneticLowerId = 574;
inline constexpr int QuadrupoleUpperId = 575;
inline constexpr int QuadrupoleLowerId = 576;

// The property fields and their labels.
inline constexpr int NameFieldId = 100;
inline constexpr int AtomicMassFieldId = 101;
inline constexpr int MeltingPointFieldId = 102;
inline constexpr int DensityFieldId = 103;
inline constexpr int CovalentRadiusFieldId = 104;
inline constexpr int ElectronConfigFieldId = 105;
inline constexpr int AtomicVolumeFieldId = 106;
inline constexpr int HeatOfVaporisationFieldId = 107;
inline constexpr int ThermalConductivityFieldId = 108;
inline constexpr int AcidBaseFieldId = 109;
inline constexpr int OxidationStatesFieldId = 110;
inline constexpr int SymbolFieldId = 111;
inline constexpr int AtomicNumberFieldId = 112;
inline constexpr int BoilingPointFieldId = 113;
inline constexpr int ElectronegativityFieldId = 114;
inline constexpr int AtomicRadiusFieldId = 115;
inline constexpr int IonisationPotentialFieldId = 116;
inline constexpr int SpecificHeatFieldId = 117;
inline constexpr int HeatOfFusionFieldId = 118;
inline constexpr int ElectricalConductivityFieldId = 119;
inline constexpr int CrystalStructureFieldId = 120;
inline constexpr int IsotopeCountFieldId = 121;

inline constexpr int AcidBaseLabelId = 500;
inline constexpr int NameLabelId = 503;
inline constexpr int AtomicMassLabelId = 504;
inline constexpr int MeltingPointLabelId = 505;
inline constexpr int DensityLabelId = 506;
inline constexpr int CovalentRadiusLabelId = 507;
inline constexpr int ElectronConfigLabelId = 508;
inline constexpr int AtomicVolumeLabelId = 509;
inline constexpr int HeatOfVaporisationLabelId = 510;
inline constexpr int ThermalConductivityLabelId = 511;
inline constexpr int OxidationStatesLabelId = 512;
inline constexpr int SymbolLabelId = 513;
inline constexpr int AtomicNumberLabelId = 514;
inline constexpr int BoilingPointLabelId = 515;
inline constexpr int ElectronegativityLabelId = 516;
inline constexpr int AtomicRadiusLabelId = 517;
inline constexpr int IonisationPotentialLabelId = 518;
inline constexpr int SpecificHeatLabelId = 519;
inline constexpr int HeatOfFusionLabelId = 520;
inline constexpr int ElectricalConductivityLabelId = 521;
inline constexpr int CrystalStructureLabelId = 522;
inline constexpr int IsotopeCountLabelId = 523;

// The unit texts beside the fields run from 524 to 557.
inline constexpr int FirstUnitTextId = 524;
inline constexpr int LastUnitTextId = 557;
