#pragma once
// Controls of the print options dialog PRINTOPT.
#include "resources/dialog_templates.h"

inline constexpr int PrintPointsFieldId = 100;
inline constexpr int PrintPointsGroupId = 101;
