#pragma once
// Controls of the quick-edit phrase window PLAKAT.
#include "resources/dialog_templates.h"

inline constexpr int PhraseOkId = 1;
inline constexpr int PhraseCloseId = 2;
inline constexpr int AddPhraseGroupId = 100;
inline constexpr int NewPhraseLabelId = 101;
inline constexpr int FireHazardCategoryId = 10063;
inline constexpr int HealthHazardCategoryId = 10064;
inline constexpr int ReloadPhrasesId = 10089;
inline constexpr int ComposedTextId = 10090;
inline constexpr int PhraseListId = 10091;
inline constexpr int RiskCategoryId = 10092;
inline constexpr int SafetyCategoryId = 10093;
inline constexpr int DangerCategoryId = 10094;
inline constexpr int StorageCategoryId = 10095;
inline constexpr int DisposalCategoryId = 10096;
inline constexpr int ShowSheetId = 10097;
inline constexpr int TransferPhrasesId = 10098;
inline constexpr int FirstAidCategoryId = 10099;
inline constexpr int PreventiveCategoryId = 10100;
inline constexpr int RemovePhrasesId = 10145;
inline constexpr int InsertBeforeId = 10146;
inline constexpr int NewPhraseFieldId = 10147;
inline constexpr int WritePhrasesId = 10148;
inline constexpr int InsertAfterId = 10149;
