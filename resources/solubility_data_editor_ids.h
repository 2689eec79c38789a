#pragma once
// Controls of the solubility data editor SOLUDATA.
#include "resources/dialog_templates.h"

inline constexpr int SoludataEnglishNameLabelId = 100;
inline constexpr int SoludataNorwegianNameLabelId = 101;
inline constexpr int SoludataColumnHeadsId = 102;
inline constexpr int SoludataHiddenCationHeadId = 103;
inline constexpr int SoludataHiddenAnionHeadId = 104;
inline constexpr int SoludataKspLabelId = 105;
inline constexpr int SoludataTemperatureLabelId = 106;
inline constexpr int SoludataDegreeSignId = 107;
inline constexpr int SoludataCelsiusId = 108;
inline constexpr int SoludataEquationGroupId = 109;
inline constexpr int SoludataKspSubscriptId = 110;
inline constexpr int SoludataEditListGroupId = 112;
inline constexpr int SoludataEqualsId = 113;
inline constexpr int SoludataAnionPlusId = 114;
inline constexpr int SoludataUndissociatedHeadId = 115;
inline constexpr int SoludataHiddenCrystalWaterHeadId = 116;
inline constexpr int SoludataHiddenMarkId = 117;
inline constexpr int SoludataCrystalWaterPlusId = 119;
inline constexpr int SoludataAddGroupId = 120;
inline constexpr int SoludataListId = 10120;
inline constexpr int SoludataDeleteId = 10144;
inline constexpr int SoludataFormulaId = 10165;
inline constexpr int SoludataNorwegianNameId = 10166;
inline constexpr int SoludataEnglishNameId = 10167;
inline constexpr int SoludataHiddenFieldId = 10168;
inline constexpr int SoludataSecondHiddenFieldId = 10169;
inline constexpr int SoludataBeforeId = 10173;
inline constexpr int SoludataAfterId = 10174;
inline constexpr int SoludataRewriteId = 10175;
inline constexpr int SoludataEraseFieldsId = 10176;
inline constexpr int SoludataReplaceId = 10179;
inline constexpr int SoludataCationId = 10189;
inline constexpr int SoludataAnionId = 10190;
inline constexpr int SoludataTemperatureId = 10191;
inline constexpr int SoludataKspId = 10192;
inline constexpr int SoludataCrystalWaterId = 10214;
inline constexpr int SoludataUnusedCheckId = 10245;

// The heads over the equation row, spaced by blanks over its four fields.
inline constexpr const char* SoludataNorwegianColumnHeads =
    "Formel                                Kation (+?)                               Anion (-?)          "
    "                      krystallvann etc.";
inline constexpr const char* SoludataEnglishColumnHeads =
    "Formula                                Cation (+?)                              Anion (-?)          "
    "                       crystal water etc.";
