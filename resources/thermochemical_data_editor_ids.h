#pragma once
// Controls of the thermochemical data editor TERMODATA.
#include "resources/dialog_templates.h"

inline constexpr int ThermoDataOkId = 1;
inline constexpr int ThermoDataCloseId = 2;
// The labels of the four numbers: delta with subscript f and superscript o for the enthalpy and
// the Gibbs energy of formation, S with superscript o, C with subscript p.
inline constexpr int EnthalpyDeltaId = 107;
inline constexpr int GibbsDeltaId = 108;
inline constexpr int EnthalpyFId = 109;
inline constexpr int EnthalpyHId = 110;
inline constexpr int EnthalpyOId = 111;
inline constexpr int GibbsFId = 112;
inline constexpr int GibbsGId = 113;
inline constexpr int GibbsOId = 114;
inline constexpr int EnglishNameLabelId = 115;
inline constexpr int NorwegianNameLabelId = 116;
inline constexpr int EntropySId = 117;
inline constexpr int EntropyOId = 118;
inline constexpr int HeatCapacityCId = 119;
inline constexpr int HeatCapacityPId = 120;
inline constexpr int ThermoFormulaLabelId = 121;
inline constexpr int ThermoDataEditGroupId = 125;
inline constexpr int EnthalpyUnitId = 126;
inline constexpr int GibbsUnitId = 127;
inline constexpr int EntropyUnitId = 128;
inline constexpr int HeatCapacityUnitId = 129;
// "Temp.=25", then "C" (131) after a superscript "o" (132).
inline constexpr int ReferenceTemperatureId = 130;
inline constexpr int ReferenceTemperatureCId = 131;
inline constexpr int ReferenceTemperatureOId = 132;
inline constexpr int ThermoDataAddGroupId = 133;
inline constexpr int ThermoDataListId = 10120;
inline constexpr int ThermoDataDeleteId = 10144;
inline constexpr int ThermoDataFormulaId = 10165;
inline constexpr int ThermoDataEnglishNameId = 10166;
inline constexpr int ThermoDataNorwegianNameId = 10167;
inline constexpr int EnthalpyFieldId = 10168;
inline constexpr int GibbsFieldId = 10169;
inline constexpr int EntropyFieldId = 10170;
inline constexpr int HeatCapacityFieldId = 10171;
inline constexpr int ThermoDataBeforeId = 10173;
inline constexpr int ThermoDataAfterId = 10174;
inline constexpr int ThermoDataRewriteId = 10175;
inline constexpr int ThermoDataEraseId = 10176;
inline constexpr int ThermoDataReplaceId = 10179;
inline constexpr int CaloriesToJoulesId = 10279;
