#pragma once
// Controls of the thermochemistry window TERMODYNAMIKK.
#include "resources/dialog_templates.h"

inline constexpr int ThermoOkId = 1;
inline constexpr int ThermoCloseId = 2;
inline constexpr int ThermoCalculateId = 100;
inline constexpr int ThermoUnbalancedLabelId = 101;
inline constexpr int ThermoSpeciesHeadingId = 102;
inline constexpr int ThermoEntropySId = 103;
inline constexpr int ThermoListLabelId = 104;
// The head of the table's second column: delta, subscript f, H, superscript o, "(kJ)".
inline constexpr int ThermoColumnDeltaId = 105;
inline constexpr int ThermoColumnFId = 107;
inline constexpr int ThermoColumnHId = 106;
inline constexpr int ThermoColumnOId = 108;
inline constexpr int ThermoColumnUnitId = 114;
// The reaction enthalpy: delta, H, superscript o, "=".
inline constexpr int ThermoEnthalpyDeltaId = 112;
inline constexpr int ThermoEnthalpyHId = 109;
inline constexpr int ThermoEnthalpyOId = 110;
inline constexpr int ThermoEnthalpyEqualsId = 111;
inline constexpr int ThermoBalancedLabelId = 115;
// The reaction entropy: delta, S (103), superscript o, "=".
inline constexpr int ThermoEntropyOId = 116;
inline constexpr int ThermoEditListGroupId = 117;
inline constexpr int ThermoEntropyDeltaId = 118;
inline constexpr int ThermoEntropyEqualsId = 120;
inline constexpr int ThermoBalancedEquationId = 10003;
inline constexpr int ThermoEquationFieldId = 10006;
inline constexpr int ThermoTableId = 10112;
inline constexpr int ThermoEquationListId = 10120;
inline constexpr int ThermoDeleteId = 10145;
inline constexpr int ThermoBeforeId = 10146;
inline constexpr int ThermoRewriteId = 10148;
inline constexpr int ThermoAfterId = 10149;
inline constexpr int ThermoUnusedFieldId = 10154;
inline constexpr int ThermoAddGroupId = 10163;
inline constexpr int ThermoEnthalpyValueId = 10164;
inline constexpr int ThermoDataButtonId = 10172;
inline constexpr int ThermoColumnChoiceId = 10178;
inline constexpr int ThermoReplaceId = 10179;
inline constexpr int ThermoEntropyValueId = 10182;
