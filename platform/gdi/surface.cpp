#include "platform/gdi/surface.h"

#include <algorithm>

Surface::Surface(int width, int height, COLORREF fill, int scale) { Resize(width, height, fill, scale); }

void Surface::Resize(int width, int height, COLORREF fill, int scale) {
  width_ = std::max(0, width);
  height_ = std::max(0, height);
  scale_ = std::max(1, scale);
  pixels_.assign(static_cast<size_t>(DeviceWidth()) * DeviceHeight(), fill);
}

void Surface::FillSquare(int x, int y, COLORREF colour) {
  for (int row = y * scale_; row < (y + 1) * scale_; ++row) {
    std::fill(Row(row) + x * scale_, Row(row) + (x + 1) * scale_, colour);
  }
}

Surface Surface::Crop(const RECT& rect) const {
  RECT whole{0, 0, width_, height_};
  RECT part;
  if (!IntersectRect(&part, &whole, &rect)) return Surface();
  Surface out(part.right - part.left, part.bottom - part.top);
  for (int y = part.top; y < part.bottom; ++y) {
    if (scale_ == 1) {
      std::copy(Row(y) + part.left, Row(y) + part.right, out.Row(y - part.top));
      continue;
    }
    for (int x = part.left; x < part.right; ++x) out.SetDevicePixel(x - part.left, y - part.top, Pixel(x, y));
  }
  return out;
}
