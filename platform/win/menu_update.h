#pragma once
// The update of a popup menu that is about to open, shared by frames and dialogs with a menu.
#include "platform/win/cmd_target.h"
#include "platform/win/menu.h"

// Asks the target's update handlers for the state of each item of the popup. An item without a
// handler is disabled when `disableWithoutHandler` is set, a system command never; a nested popup
// is updated as its first item and is never disabled for want of a handler.
void UpdatePopupMenu(CCmdTarget& target, CMenu& popup, bool disableWithoutHandler);
