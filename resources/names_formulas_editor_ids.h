#pragma once
// Controls of the names-and-formulas editor MOLCLC2.
#include "resources/dialog_templates.h"

inline constexpr int EditListGroupId = 109;
inline constexpr int AddNameGroupId = 110;
inline constexpr int NameLabelId = 111;
inline constexpr int NameFormulaLabelId = 112;
inline constexpr int DeleteNameId = 10144;
inline constexpr int NameFormulaId = 10165;
inline constexpr int UnusedNameFieldId = 10166;
inline constexpr int NameFieldId = 10167;
inline constexpr int NameBeforeId = 10173;
inline constexpr int NameAfterId = 10174;
inline constexpr int RewriteNamesId = 10175;
inline constexpr int EraseNameFieldsId = 10176;
inline constexpr int ReplaceNameId = 10179;
inline constexpr int NamesListId = 10120;
