#pragma once
// Controls of the acid/base constants editor SYREKONST.
#include "resources/dialog_templates.h"

inline constexpr int SyrekonstEnglishNameLabelId = 100;
inline constexpr int SyrekonstNorwegianNameLabelId = 101;
inline constexpr int SyrekonstColumnHeadsId = 102;
inline constexpr int SyrekonstEditListGroupId = 103;
inline constexpr int SyrekonstEquationGroupId = 104;
inline constexpr int SyrekonstEqualsId = 106;
inline constexpr int SyrekonstIonPlusId = 107;
inline constexpr int SyrekonstTemperatureLabelId = 108;
inline constexpr int SyrekonstHiddenKaId = 109;
inline constexpr int SyrekonstDegreeSignId = 111;
inline constexpr int SyrekonstCelsiusId = 112;
inline constexpr int SyrekonstKLabelId = 113;
inline constexpr int SyrekonstHiddenSubscriptId = 114;
inline constexpr int SyrekonstPKLabelId = 117;
inline constexpr int SyrekonstFirstHiddenStaticId = 118;  // 118 to 129, never shown
inline constexpr int SyrekonstLastHiddenStaticId = 129;
inline constexpr int SyrekonstWaterPlusId = 130;
inline constexpr int SyrekonstWaterHId = 131;
inline constexpr int SyrekonstWaterTwoId = 132;
inline constexpr int SyrekonstWaterOId = 133;
inline constexpr int SyrekonstAddGroupId = 134;
inline constexpr int SyrekonstListId = 10120;
inline constexpr int SyrekonstDeleteId = 10144;
inline constexpr int SyrekonstFormulaId = 10165;
inline constexpr int SyrekonstNorwegianNameId = 10166;
inline constexpr int SyrekonstEnglishNameId = 10167;
inline constexpr int SyrekonstBeforeId = 10173;
inline constexpr int SyrekonstAfterId = 10174;
inline constexpr int SyrekonstRewriteId = 10175;
inline constexpr int SyrekonstEraseFieldsId = 10176;
inline constexpr int SyrekonstReplaceId = 10179;
inline constexpr int SyrekonstIonId = 10189;
inline constexpr int SyrekonstConjugateId = 10190;
inline constexpr int SyrekonstTemperatureId = 10191;
inline constexpr int SyrekonstKId = 10192;
inline constexpr int SyrekonstHiddenLineFiveId = 10214;
inline constexpr int SyrekonstPKId = 10254;
inline constexpr int SyrekonstConvertId = 10255;

// The heads over the equation row, spaced by blanks over the formula and the H3O+/OH- field.
inline constexpr const char* SyrekonstNorwegianColumnHeads =
    "Formel                                                                                              "
    "                  H3O+ / OH- ";
inline constexpr const char* SyrekonstEnglishColumnHeads =
    "Formula                                                                                             "
    "                  H3O+ / OH- ";
