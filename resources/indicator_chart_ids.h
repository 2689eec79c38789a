#pragma once
// Controls of the indicator chart INDIKATORER.
#include "resources/dialog_templates.h"

inline constexpr int IndicatorsOkId = 1;
inline constexpr int IndicatorsCloseId = 2;
inline constexpr int IndicatorChartId = 100;
inline constexpr int PhScaleId = 101;
inline constexpr int IndicatorsTitleId = 109;
// One row per indicator, in the chart's order: the name and, beside it, the pH range of its change.
inline constexpr int IndicatorCount = 7;
inline constexpr int FirstIndicatorNameId = 102;
inline constexpr int FirstIndicatorRangeId = 110;
