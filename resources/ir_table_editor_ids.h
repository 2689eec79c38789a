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
inline constexpr int RangeDash1Id = 103;
inline constexpr int RangeDash2Id = 108;
inline constexpr int RangeDash3Id = 111;
inline constexpr int RangeDash4Id = 10371;
inline constexpr int RangeDash5Id = 10372;
inline constexpr int RangeDash6Id = 101;
inline constexpr int RangeDash7Id = 10373;
inline constexpr int RangeDash8Id = 10374;
inline constexpr std::array<int, IrRangeCount> RangeDashIds{RangeDash1Id, RangeDash2Id, RangeDash3Id, RangeDash4Id,
                                                            RangeDash5Id, RangeDash6Id, RangeDash7Id, RangeDash8Id};
inline constexpr int IrListId = 10120;
inline constexpr int DeleteIrRecordId = 10144;
inline constexpr int IrAssignmentFieldId = 10167;
inline constexpr int IrBeforeId = 10173;
inline constexpr int IrAfterId = 10174;
inline constexpr int RewriteIrTableId = 10175;
inline constexpr int ReplaceIrRecordId = 10179;
inline constexpr int IrCommentFieldId = 10321;
inline constexpr int EraseIrFieldsId = 10335;
