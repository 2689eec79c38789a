#pragma once
// Fits a window to the extent of its child windows.
#include "platform/win/window_api.h"

// Sizes the window so that its client area reaches the right and bottom edges of its furthest
// child windows plus the margins (pixels).
void FitWindowToContent(HWND window, int horizontalMargin, int verticalMargin);
