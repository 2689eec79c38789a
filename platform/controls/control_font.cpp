#include "platform/controls/control_font.h"

#include <algorithm>

HFONT ControlFont(HFONT assigned) { return assigned != nullptr ? assigned : GetStockObject(DEFAULT_GUI_FONT); }

int FontLineHeight(HFONT font) {
  const HDC dc = GetDC(nullptr);
  const HGDIOBJ previous = SelectObject(dc, ControlFont(font));
  TEXTMETRIC metrics;
  GetTextMetrics(dc, &metrics);
  SelectObject(dc, previous);
  ReleaseDC(nullptr, dc);
  return std::max<int>(1, metrics.tmHeight);
}

EditMetrics MeasureFont(HFONT font) {
  EditMetrics measured;
  const HDC dc = GetDC(nullptr);
  const HGDIOBJ previous = SelectObject(dc, ControlFont(font));
  for (int code = 0; code < 256; ++code) {
    const char character = static_cast<char>(code);
    SIZE size{};
    GetTextExtentPoint32(dc, &character, 1, &size);
    measured.widths[static_cast<size_t>(code)] = size.cx;
  }
  TEXTMETRIC metrics;
  GetTextMetrics(dc, &metrics);
  SelectObject(dc, previous);
  ReleaseDC(nullptr, dc);
  measured.lineHeight = std::max<int>(1, metrics.tmHeight);
  measured.averageWidth = std::max<int>(1, metrics.tmAveCharWidth);
  // Tab stops every eight average characters, as the platform's text drawing expands them.
  measured.tabWidth = 8 * measured.averageWidth;
  return measured;
}
