#pragma once
// Controls of the print options dialog PRINTOPT.
inline constexpr const char* PrintoptTemplateName = "PRINTOPT";

inline constexpr int PrintPointsFieldId = 100;
inline constexpr int PrintPointsGroupId = 101;
