#pragma once
// A framebuffer of colour values: a window's pixels or a bitmap's.
#include <cstddef>
#include <vector>

#include "platform/gdi/wintypes.h"

class Surface {
 public:
  Surface() = default;
  Surface(int width, int height, COLORREF fill = RGB(255, 255, 255));

  int Width() const { return width_; }
  int Height() const { return height_; }
  bool Contains(int x, int y) const { return x >= 0 && y >= 0 && x < width_ && y < height_; }
  COLORREF Pixel(int x, int y) const { return pixels_[static_cast<std::size_t>(y) * width_ + x]; }
  void SetPixel(int x, int y, COLORREF colour) { pixels_[static_cast<std::size_t>(y) * width_ + x] = colour; }
  COLORREF* Row(int y) { return pixels_.data() + static_cast<std::size_t>(y) * width_; }
  const COLORREF* Row(int y) const { return pixels_.data() + static_cast<std::size_t>(y) * width_; }
  void Resize(int width, int height, COLORREF fill);
  Surface Crop(const RECT& rect) const;

 private:
  int width_ = 0;
  int height_ = 0;
  std::vector<COLORREF> pixels_;
};
