#pragma once
// The static control: text on the dialog's background, transparent to the mouse.
#include "platform/win/window_api.h"

constexpr const char* StaticClassName = "STATIC";

LRESULT StaticWindowProc(HWND control, UINT message, WPARAM wParam, LPARAM lParam);
