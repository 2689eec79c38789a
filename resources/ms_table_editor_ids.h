#pragma once
// Controls of the MS fragment table editor MASSMSDAT.
#include "resources/dialog_templates.h"

inline constexpr int MsFragmentOkId = 1;
inline constexpr int MsFragmentCloseId = 2;
inline constexpr int IsoFormulaLabelId = 107;
inline constexpr int MsAssignmentLabelId = 108;
inline constexpr int AddIsoFormulaGroupId = 109;
inline constexpr int MsEditListGroupId = 110;
inline constexpr int CalculatedMassLabelId = 111;
inline constexpr int MsFragmentListId = 10120;
inline constexpr int DeleteMsFragmentId = 10144;
inline constexpr int IsoFormulaFieldId = 10165;
inline constexpr int MsAssignmentFieldId = 10167;
inline constexpr int MsFragmentBeforeId = 10173;
inline constexpr int MsFragmentAfterId = 10174;
inline constexpr int RewriteMsFragmentsId = 10175;
inline constexpr int ReplaceMsFragmentId = 10179;
inline constexpr int EraseMsFragmentFieldsId = 10337;
inline constexpr int CalculatedMassFieldId = 10375;
