#pragma once
// How a control learns its colours: it asks its parent with the WM_CTLCOLOR* message of its kind,
// which sets the text and background colours on the device context and answers the brush for the
// background; without a parent the platform's defaults answer.
#include "platform/win/window_api.h"

HBRUSH AskControlColours(HWND control, HDC dc, UINT message);
