#pragma once
// Dialog windows made from templates, and the keyboard interface every dialog shares: Tab and
// Shift+Tab through the tab stops, arrow keys within a group, Enter to the focused push button or
// the default button, Escape to IDCANCEL.
#include <functional>
#include <string>

#include "platform/win/resources.h"
#include "platform/win/window_api.h"

constexpr const char* DialogClassName = "#32770";

// Pixels per 4 horizontal and per 8 vertical dialog units: 7 x 13 for the 8-point dialog font,
// in proportion for other sizes.
SIZE DialogBaseUnits(int pointSize);
// A template's client size in pixels.
SIZE DialogPixelSize(const DialogTemplate& dialog);
BOOL MapDialogRect(HWND dialog, RECT* rect);

// Makes the dialog window and its controls from a template, handing the dialog window to
// `beforeFirstMessage` before its first message; sends WM_INITDIALOG. Null when a control cannot be made.
HWND CreateDialogFromTemplate(const DialogTemplate& dialog, const std::string& name, HWND parent,
                              const std::function<void(HWND)>& beforeFirstMessage);

// Handles a message meant for the dialog or one of its controls, keys of the dialog interface
// included; false for any other message.
BOOL IsDialogMessage(HWND dialog, MSG* message);
HWND GetNextDlgTabItem(HWND dialog, HWND control, BOOL previous);
HWND GetNextDlgGroupItem(HWND dialog, HWND control, BOOL previous);
// Moves the focus to a control as the keyboard does, selecting an edit field's text.
void DialogSetFocus(HWND control);
