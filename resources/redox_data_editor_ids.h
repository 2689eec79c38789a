#pragma once
// Controls of the redox data editor REDOXDAT.
#include "resources/dialog_templates.h"

inline constexpr int RedoxDataOkId = 1;
inline constexpr int RedoxDataCloseId = 2;
inline constexpr int EnglishCommentLabelId = 108;
inline constexpr int NorwegianCommentLabelId = 109;
inline constexpr int HalfReactionLabelId = 110;
// E with superscript o, and the unit V.
inline constexpr int StandardPotentialEId = 111;
inline constexpr int StandardPotentialOId = 114;
inline constexpr int StandardPotentialUnitId = 115;
// "Temp. :", then "C" (117) after a superscript "o" (118).
inline constexpr int RedoxTemperatureLabelId = 116;
inline constexpr int RedoxTemperatureCId = 117;
inline constexpr int RedoxTemperatureOId = 118;
inline constexpr int RedoxDataEditGroupId = 119;
inline constexpr int RedoxDataAddGroupId = 120;
inline constexpr int RedoxDataListId = 10120;
inline constexpr int RedoxDataDeleteId = 10144;
inline constexpr int HalfReactionFieldId = 10165;
inline constexpr int NorwegianCommentId = 10166;
inline constexpr int EnglishCommentId = 10167;
inline constexpr int RedoxDataBeforeId = 10173;
inline constexpr int RedoxDataAfterId = 10174;
inline constexpr int RedoxDataRewriteId = 10175;
inline constexpr int RedoxDataEraseId = 10176;
inline constexpr int RedoxDataReplaceId = 10179;
inline constexpr int RedoxTemperatureFieldId = 10191;
inline constexpr int StandardPotentialId = 10192;
