#pragma once
// The font a control draws with, and the measures of it the controls lay their text out by.
#include "platform/controls/edit_layout.h"
#include "platform/win/window_api.h"

// The font set with WM_SETFONT, or the platform's default when none is.
HFONT ControlFont(HFONT assigned);
// The height of a line of text in the font, at least one pixel.
int FontLineHeight(HFONT font);
// The font's average character width, at least one pixel.
int FontAverageWidth(HFONT font);
// The advance of every character, the line height and the tab stops of the font.
EditMetrics MeasureFont(HFONT font);
