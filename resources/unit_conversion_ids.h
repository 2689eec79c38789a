#pragma once
// Controls of the unit conversion window CONVERT.
#include "resources/dialog_templates.h"

inline constexpr int ConvertOkId = 1;
inline constexpr int ConvertCloseId = 2;
// Hidden but enabled default button: Enter in any field converts.
inline constexpr int ConvertUnitsId = 10380;

// Edits of the template that never show and have no behaviour.
inline constexpr int UnusedFieldIds[] = {104, 105, 123, 124, 125, 155, 156, 157, 170, 176,
                                         177, 197, 198, 199, 200, 201, 212, 213, 214};

// The unit fields, group by group; the first of each group is the unit the others are converted
// through.
inline constexpr int KelvinFieldId = 101;
inline constexpr int CelsiusFieldId = 102;
inline constexpr int FahrenheitFieldId = 103;

inline constexpr int PascalFieldId = 111;
inline constexpr int PoundalPerSquareFootFieldId = 112;
inline constexpr int PoundForcePerSquareFootFieldId = 113;
inline constexpr int MillimetreOfMercuryFieldId = 114;
inline constexpr int InchOfWaterFieldId = 115;
inline constexpr int FootOfWaterFieldId = 116;
inline constexpr int InchOfMercuryFieldId = 117;
inline constexpr int PoundForcePerSquareInchFieldId = 118;
inline constexpr int BarFieldId = 119;
inline constexpr int StandardAtmosphereFieldId = 120;
inline constexpr int TonForcePerSquareFootFieldId = 121;
inline constexpr int TonForcePerSquareInchFieldId = 122;

inline constexpr int JouleFieldId = 147;
inline constexpr int ErgFieldId = 148;
inline constexpr int HorsepowerHourFieldId = 149;
inline constexpr int ThermieFieldId = 150;
inline constexpr int ThermFieldId = 151;
inline constexpr int CalorieFieldId = 152;
inline constexpr int BtuFieldId = 153;
inline constexpr int KilowattHourFieldId = 154;

inline constexpr int WattFieldId = 167;
inline constexpr int HorsepowerFieldId = 168;
inline constexpr int MetricHorsepowerFieldId = 169;

inline constexpr int NewtonFieldId = 190;
inline constexpr int DyneFieldId = 191;
inline constexpr int PoundalFieldId = 192;
inline constexpr int OunceForceFieldId = 193;
inline constexpr int PoundForceFieldId = 194;
inline constexpr int KilogramForceFieldId = 195;
inline constexpr int TonForceFieldId = 196;

inline constexpr int MetreFieldId = 171;
inline constexpr int InchFieldId = 172;
inline constexpr int FootFieldId = 173;
inline constexpr int YardFieldId = 174;
inline constexpr int MileFieldId = 175;

inline constexpr int KilogramFieldId = 208;
inline constexpr int GrainFieldId = 209;
inline constexpr int TroyOunceFieldId = 210;
inline constexpr int PoundFieldId = 211;

// Group boxes.
inline constexpr int TemperatureGroupId = 100;
inline constexpr int PressureGroupId = 146;
inline constexpr int EnergyGroupId = 166;
inline constexpr int PowerGroupId = 186;
inline constexpr int ForceGroupId = 188;
inline constexpr int LengthGroupId = 207;
inline constexpr int MassGroupId = 219;

// Unit labels; a raised or lowered "2" or a raised "o" is a small static of its own.
inline constexpr int KelvinLabelId = 106;
inline constexpr int CelsiusLabelId = 107;
inline constexpr int FahrenheitLabelId = 108;
inline constexpr int CelsiusDegreeId = 109;
inline constexpr int FahrenheitDegreeId = 110;

inline constexpr int PascalLabelId = 126;
inline constexpr int PascalSquareId = 127;
inline constexpr int PoundalPerSquareFootLabelId = 128;
inline constexpr int PoundalPerSquareFootSquareId = 129;
inline constexpr int PoundForcePerSquareFootLabelId = 130;
inline constexpr int PoundForcePerSquareFootSquareId = 131;
inline constexpr int MillimetreOfMercuryLabelId = 132;
inline constexpr int InchOfWaterLabelId = 133;
inline constexpr int InchOfWaterSubscriptId = 134;
inline constexpr int FootOfWaterLabelId = 135;
inline constexpr int FootOfWaterSubscriptId = 136;
inline constexpr int InchOfMercuryLabelId = 137;
inline constexpr int PoundForcePerSquareInchLabelId = 138;
inline constexpr int PoundForcePerSquareInchSquareId = 139;
inline constexpr int BarLabelId = 140;
inline constexpr int StandardAtmosphereLabelId = 141;
inline constexpr int TonForcePerSquareFootLabelId = 142;
inline constexpr int TonForcePerSquareFootSquareId = 143;
inline constexpr int TonForcePerSquareInchLabelId = 144;
inline constexpr int TonForcePerSquareInchSquareId = 145;

inline constexpr int JouleLabelId = 158;
inline constexpr int HorsepowerHourLabelId = 159;
inline constexpr int ErgLabelId = 160;
inline constexpr int ThermieLabelId = 161;
inline constexpr int ThermLabelId = 162;
inline constexpr int CalorieLabelId = 163;
inline constexpr int KilowattHourLabelId = 164;
inline constexpr int BtuLabelId = 165;

inline constexpr int WattLabelId = 178;
inline constexpr int HorsepowerLabelId = 179;
inline constexpr int MetricHorsepowerLabelId = 180;

inline constexpr int NewtonLabelId = 181;
inline constexpr int DyneLabelId = 182;
inline constexpr int PoundalLabelId = 183;
inline constexpr int OunceForceLabelId = 184;
inline constexpr int PoundForceLabelId = 185;
inline constexpr int KilogramForceLabelId = 187;
inline constexpr int TonForceLabelId = 189;

inline constexpr int MetreLabelId = 202;
inline constexpr int InchLabelId = 203;
inline constexpr int FootLabelId = 204;
inline constexpr int YardLabelId = 205;
inline constexpr int MileLabelId = 206;

inline constexpr int KilogramLabelId = 215;
inline constexpr int GrainLabelId = 216;
inline constexpr int TroyOunceLabelId = 217;
inline constexpr int PoundLabelId = 218;
