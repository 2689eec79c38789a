#pragma once
// Controls of the dictionary window ORDLISTE.
#include "resources/dialog_templates.h"

inline constexpr int DictionaryOkId = 1;
inline constexpr int DictionaryCloseId = 2;
inline constexpr int EraseDictionaryFieldsId = 100;
inline constexpr int DictionaryEditListGroupId = 101;
inline constexpr int WordLabelId = 102;
inline constexpr int ContentsLabelId = 103;
inline constexpr int SelectionListLabelId = 104;
inline constexpr int AddWordGroupId = 105;
inline constexpr int WordListId = 10120;
inline constexpr int DeleteWordId = 10144;
inline constexpr int WordFieldId = 10165;
inline constexpr int ExplanationFieldId = 10166;
inline constexpr int WordBeforeId = 10173;
inline constexpr int WordAfterId = 10174;
inline constexpr int RewriteDictionaryId = 10175;
inline constexpr int ReplaceWordId = 10179;
