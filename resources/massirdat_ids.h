#pragma once
// Controls of the IR table editor MASSIRDAT.
#include <array>

#include "resources/dialog_templates.h"

inline constexpr int IrOkId = 1;
inline constexpr int IrCloseId = 2;
inline constexpr int IrAssignmentLabelId = 100;
inline constexpr int IrCommentLabelId = 105;
inline constexpr int AbsorptionAreaGroupId = 112;
inline constexpr int IrEditListGroupId = 113;
inline constexpr int IrAddAssignmentGroupId = 114;
// Range k (1 to 8) is the pair of fields FirstRangeFieldId + 2(k-1) (low end) and the id after it (high end).
inline constexpr int FirstRangeFieldId = 115;
inline constexpr int IrRangeCount = 8;
// The dashes between the two ends of each range, row by row.
inline constexpr std::array<int, IrRangeCount> RangeDashIds{103, 108, 111, 10371, 10372, 101, 10373, 10374};
inline constexpr int IrListId = 10120;
inline constexpr int DeleteIrRecordId = 10144;
inline constexpr int IrAssignmentFieldId = 10167;
inline constexpr int IrBeforeId = 10173;
inline constexpr int IrAfterId = 10174;
inline constexpr int RewriteIrTableId = 10175;
inline constexpr int ReplaceIrRecordId = 10179;
inline constexpr int IrCommentFieldId = 10321;
inline constexpr int EraseIrFieldsId = 10335;
