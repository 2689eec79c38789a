#pragma once
// Controls of the NMR table editor MASSNMR.
#include "resources/dialog_templates.h"

inline constexpr int NmrOkId = 1;
inline constexpr int NmrCloseId = 2;
inline constexpr int NmrAssignmentLabelId = 100;
inline constexpr int NmrCommentLabelId = 105;
inline constexpr int ResonanceAreaGroupId = 112;
inline constexpr int NmrEditListGroupId = 113;
inline constexpr int NmrAddAssignmentGroupId = 114;
inline constexpr int NmrToleranceLabelId = 116;
// The 45 shift fields, in id order down the first column, then the second and the third.
inline constexpr int FirstShiftFieldId = 118;
inline constexpr int ShiftFieldCount = 45;
inline constexpr int ShiftFieldsPerColumn = 15;
inline constexpr int NmrListId = 10120;
inline constexpr int DeleteNmrRecordId = 10144;
inline constexpr int NmrAssignmentFieldId = 10167;
inline constexpr int NmrBeforeId = 10173;
inline constexpr int NmrAfterId = 10174;
inline constexpr int RewriteNmrTableId = 10175;
inline constexpr int EraseNmrFieldsId = 10176;
inline constexpr int ReplaceNmrRecordId = 10179;
inline constexpr int NmrCommentFieldId = 10321;
inline constexpr int NmrToleranceFieldId = 10344;
