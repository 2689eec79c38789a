#pragma once
// Controls of the about box OMTAVRIN.
#include "resources/dialog_templates.h"

inline constexpr int AboutCloseId = 2;
inline constexpr int AboutTitleId = 101;
inline constexpr int MailLabelId = 113;
inline constexpr int AboutLogoId = 118;
inline constexpr int MirrorLabelId = 124;
inline constexpr int HomePageLinkId = 126;
inline constexpr int ContactLinkId = 127;
inline constexpr int MirrorLinkId = 128;
inline constexpr int SecondContactLinkId = 129;
inline constexpr int HomePageLineId = 130;
inline constexpr int ContactLineId = 131;
inline constexpr int MirrorLineId = 132;
inline constexpr int SecondContactLineId = 133;
inline constexpr int LinkGroupId = 134;
