#pragma once
// The exit command.
#include "platform/win/cwnd.h"

// Destroys the window, which for the menu's Exit is the main frame and so ends the program.
// Nothing happens without a window. Returns 0.
int ExitActiveWindow(CWnd* window);
