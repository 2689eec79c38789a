#pragma once
// The message box that reports a resource that cannot be loaded or created: a string of the
// string table, a blank and the resource's name, with the caption "TAVRIN".
#include "platform/win/window_api.h"

inline constexpr const char* MessageCaption = "TAVRIN";

// Shows string `id` (none with id 0) followed by a blank and `extra` where both fit the 199
// characters a message holds, else the string alone. Returns the box's result, or 0 after
// "Cannot load string." when the string is missing.
int ShowResourceMessage(HWND owner, UINT flags, UINT id, LPCSTR extra);
