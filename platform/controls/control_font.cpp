#include "platform/controls/control_font.h"

#include <algorithm>

HFONT ControlFont(HFONT assigned) { return assigned != nullptr ? assigned : GetStockObject(DEFAULT_GUI_FONT); }

namespace {

TEXTMETRIC MetricsOf(HFONT font) {
  const HDC dc = GetDC(nullptr);
  const HGDIOBJ previous = SelectObject(dc, ControlFont(font));
  TEXTMETRIC metrics{};
  GetTextMetrics(dc, &metrics);
  SelectObject(dc, previous);
  ReleaseDC(nullptr, dc);
  return metrics;
}

}  // namespace

int FontLineHeight(HFONT font) { return std::max<int>(1, MetricsOf(font).tmHeight); }

int FontAverageWidth(HFONT font) { return std::max<int>(1, MetricsOf(font).tmAveCharWidth); }

EditMetrics MeasureFont(HFONT font) {
  EditMetrics measured;
  const HDC dc = GetDC(nullptr);
  const HGDIOBJ previous = SelectObject(dc, ControlFont(font));
  GetCharWidth32(dc, 0, 255, measured.widths.data());
  SelectObject(dc, previous);
  ReleaseDC(nullptr, dc);
  measured.lineHeight = FontLineHeight(font);
  measured.averageWidth = FontAverageWidth(font);
  // Tab stops every eight average characters, as the platform's text drawing expands them.
  measured.tabWidth = 8 * measured.averageWidth;
  return measured;
}
