#pragma once
// The list box: a column of text items with one or several selected, sorted or in the order the
// program gives, a vertical scroll bar, with WS_HSCROLL a horizontal one over the width the program
// sets (LB_SETHORIZONTALEXTENT), the keyboard and the mouse, and the LBN_* notifications.
// A combo box's drop-down list is the same control in a popup window of the class "COMBOLBOX":
// it follows the pointer and reports to its combo box, LBN_SELCHANGE when the user chose an item
// and LBN_SELCANCEL when the list was dismissed.
#include "platform/win/window_api.h"

constexpr const char* ListBoxClassName = "LISTBOX";
constexpr const char* ComboListClassName = "COMBOLBOX";

LRESULT ListBoxWindowProc(HWND list, UINT message, WPARAM wParam, LPARAM lParam);

// The item a navigation key moves to in a list of count items (count > 0) from the item `from`
// (-1 for none), a page being `page` items: Up, Down, Page Up, Page Down, Home or End; -1 for
// any other key.
int ListKeyTarget(UINT key, int from, int count, int page);
