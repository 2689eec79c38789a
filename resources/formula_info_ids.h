#pragma once
// Controls of the formula information window FORMELINFO.
#include "resources/dialog_templates.h"

inline constexpr int FormulaInfoCloseId = 2;
inline constexpr int FormulaInfoResultLabelId = 10082;
inline constexpr int FormulaInfoResultId = 10001;
inline constexpr int FormulaInfoHeadingId = 101;
inline constexpr int FormulaInfoTableId = 10156;
