#pragma once
// Drawing icon resources into owner-draw buttons and dialogs.
#include <string>

#include "platform/win/window_api.h"

// The icon at the top-left corner of the item's device context; a missing icon is reported once.
// Returns 1 drawn, 0 missing.
int DrawItemIcon(const DRAWITEMSTRUCT& item, const std::string& name);

// The icon at the top-left corner of control `id`, unless that lies outside the paint rectangle.
// Returns 1, or 0 without such a control or icon.
int DrawIconAtItem(HWND window, int id, const PAINTSTRUCT& paint, const std::string& name);
