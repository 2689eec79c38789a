#pragma once
// The scroll bar control: one bar, horizontal or vertical (SBS_VERT), filling the control. It
// tells its parent what the mouse asks with WM_HSCROLL or WM_VSCROLL; the parent moves the thumb.
#include "platform/win/window_api.h"

constexpr const char* ScrollBarClassName = "SCROLLBAR";

LRESULT ScrollBarWindowProc(HWND bar, UINT message, WPARAM wParam, LPARAM lParam);
