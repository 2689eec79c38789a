#include "platform/gdi/text_raster.h"

#include <algorithm>

CellSpan CellsLandingIn(int step, std::int64_t base, std::int64_t low, std::int64_t high) {
  if (step > 0) return CellSpan{low - base, high - base};
  return CellSpan{base - high + 1, base - low + 1};
}

TextMask RasterTextRun(SizedFont& layout, SizedFont& glyphs, std::string_view text, const TextRunStyle& style,
                       CellSpan columns, CellSpan rows) {
  const FontMetrics& metrics = layout.Metrics();
  const int scale = style.scale;
  const int height = metrics.height * scale;
  TextMask mask;
  mask.rows = CellSpan{std::max<std::int64_t>(rows.first, 0), std::min<std::int64_t>(rows.end, height)};
  mask.columns = CellSpan{std::max<std::int64_t>(columns.first, 0), columns.end};
  if (mask.rows.IsEmpty() || mask.columns.IsEmpty()) return TextMask{};
  // No glyph's ink lies further than this from its pen position, either way.
  const FontMetrics& shapes = glyphs.Metrics();
  const std::int64_t reach = 2 * std::max({shapes.emHeight, shapes.emWidth, shapes.maxCharWidth, 1});
  mask.stride = mask.columns.end - mask.columns.first;
  mask.coverage.assign(static_cast<size_t>(mask.stride * (mask.rows.end - mask.rows.first)), 0);
  std::int64_t pen = 0;  // in device pixels
  for (const char each : text) {
    if (pen - reach >= mask.columns.end) break;
    const auto character = static_cast<unsigned char>(each);
    const Glyph& glyph = glyphs.GlyphOf(character);
    const std::int64_t inkLeft = pen + glyph.left;
    if (inkLeft + glyph.width > mask.columns.first && inkLeft < mask.columns.end) {
      const int firstColumn = static_cast<int>(std::max<std::int64_t>(0, mask.columns.first - inkLeft));
      const int endColumn = static_cast<int>(std::min<std::int64_t>(glyph.width, mask.columns.end - inkLeft));
      for (int row = 0; row < glyph.height; ++row) {
        const std::int64_t v = std::int64_t{metrics.ascent} * scale - glyph.top + row;
        if (v < mask.rows.first || v >= mask.rows.end) continue;
        const BYTE* source = glyph.coverage.data() + static_cast<size_t>(row) * glyph.width;
        const std::int64_t rowStart = (v - mask.rows.first) * mask.stride + (inkLeft - mask.columns.first);
        for (int column = firstColumn; column < endColumn; ++column) {
          BYTE& cell = mask.coverage[static_cast<size_t>(rowStart + column)];
          cell = std::max(cell, source[column]);
        }
      }
    }
    pen += std::int64_t{layout.GlyphOf(character).advance} * scale;
  }
  // The run's cells end with its last advance: ink beyond it is cut.
  mask.columns.end = std::min(mask.columns.end, pen);
  if (mask.columns.IsEmpty()) return TextMask{};
  const std::int64_t keptWidth = mask.columns.end - mask.columns.first;
  const int thickness = metrics.lineThickness * scale;
  auto rule = [&](int firstRow) {
    const std::int64_t top = std::max<std::int64_t>(std::int64_t{firstRow} * scale, mask.rows.first);
    const std::int64_t bottom = std::min<std::int64_t>(std::int64_t{firstRow} * scale + thickness, mask.rows.end);
    for (std::int64_t v = top; v < bottom; ++v) {
      std::fill_n(mask.coverage.begin() + (v - mask.rows.first) * mask.stride, keptWidth, BYTE{255});
    }
  };
  if (style.underline) rule(std::min(metrics.height - metrics.lineThickness, metrics.ascent + metrics.underlinePosition));
  if (style.strikeOut) rule(metrics.ascent - metrics.ascent / 3);
  return mask;
}
