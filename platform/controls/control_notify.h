#pragma once
// A control's notifications and changes of focus run the program's code, which may destroy the
// control while it handles them (a dialog that closes when a field changes). Each call here tells
// whether the control outlived it; when it did not, the caller returns at once and touches none of
// the control's state again.
#include "platform/win/window_api.h"

// Sends WM_COMMAND with the control's id and `code` to `receiver`; nothing without a receiver.
bool SendNotification(HWND control, HWND receiver, UINT code);
bool NotifyParent(HWND control, UINT code);
// Gives the focus to `target`: the control itself or one of its parts.
bool MoveFocus(HWND control, HWND target);
