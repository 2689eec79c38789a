#include "platform/gdi/surface.h"

#include <algorithm>

Surface::Surface(int width, int height, COLORREF fill) { Resize(width, height, fill); }

void Surface::Resize(int width, int height, COLORREF fill) {
  width_ = std::max(0, width);
  height_ = std::max(0, height);
  pixels_.assign(static_cast<size_t>(width_) * height_, fill);
}

Surface Surface::Crop(const RECT& rect) const {
  RECT whole{0, 0, width_, height_};
  RECT part;
  if (!IntersectRect(&part, &whole, &rect)) return Surface();
  Surface out(part.right - part.left, part.bottom - part.top);
  for (int y = part.top; y < part.bottom; ++y) {
    std::copy(Row(y) + part.left, Row(y) + part.right, out.Row(y - part.top));
  }
  return out;
}
