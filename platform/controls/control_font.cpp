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

int FontAverageWidth(HFONT font) {
  const HDC dc = GetDC(nullptr);
  const HGDIOBJ previous = SelectObject(dc, ControlFont(font));
  TEXTMETRIC metrics;
  GetTextMetrics(dc, &metrics);
  SelectObject(dc, previous);
  ReleaseDC(nullptr, dc);
  return std::max<int>(1, metrics.tmAveCharWidth);
}

EditMetrics MeasureFont(HFONT font) {
  EditMetrics measured;
  const HDC dc = GetDC(nullptr);
  const HGDIOBJ previous = SelectObject(dc, ControlFont(font));
  GetCharWidth32(dc, 0, 255, measured.widths.data());
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
