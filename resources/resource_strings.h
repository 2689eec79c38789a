#pragma once
// The string table entries that start the resource-failure messages; a name is appended.
#include "platform/gdi/wintypes.h"

inline constexpr UINT CannotRunStringId = 4000;
inline constexpr UINT CannotCreateDialogStringId = 4001;
inline constexpr UINT CannotLoadMenuStringId = 4002;
inline constexpr UINT CannotLoadIconStringId = 4003;
inline constexpr UINT CannotLoadBitmapStringId = 4004;
inline constexpr UINT CannotCreateWindowStringId = 4005;
