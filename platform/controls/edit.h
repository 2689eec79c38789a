#pragma once
// The edit control: single-line and multi-line text fields with a caret, a selection, the editing
// keys, selection with the mouse, scroll bars, and the EN_SETFOCUS, EN_KILLFOCUS and EN_CHANGE
// notifications to the parent.
#include "platform/win/window_api.h"

constexpr const char* EditClassName = "EDIT";

LRESULT EditWindowProc(HWND edit, UINT message, WPARAM wParam, LPARAM lParam);
