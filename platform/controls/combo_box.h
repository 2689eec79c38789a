#pragma once
// The combo box: a selection field with a drop button over a list of items, which drops down in a
// popup window of its own above every other window. A drop-down combo box has an edit field in
// which the user may also type; a drop-down list shows the selected item only. It sends
// CBN_DROPDOWN before the list opens, CBN_SELCHANGE for the user's choice and CBN_SETFOCUS.
#include "platform/win/window_api.h"

constexpr const char* ComboBoxClassName = "COMBOBOX";

LRESULT ComboBoxWindowProc(HWND combo, UINT message, WPARAM wParam, LPARAM lParam);
