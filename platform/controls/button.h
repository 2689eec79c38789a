#pragma once
// The button control: push, default push, check box, radio button, group box and owner-draw.
#include "platform/win/window_api.h"

constexpr const char* ButtonClassName = "BUTTON";

LRESULT ButtonWindowProc(HWND button, UINT message, WPARAM wParam, LPARAM lParam);
