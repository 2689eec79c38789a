#pragma once
// A framebuffer of colour values: a window's pixels or a bitmap's. A window's framebuffer may hold
// `scale` x `scale` device pixels for each of its pixels, on a screen of that many dots per pixel:
// drawing a pixel fills its square, and text is drawn into the device pixels themselves.
#include <cstddef>
#include <vector>

#include "platform/gdi/wintypes.h"

class Surface {
 public:
  Surface() = default;
  Surface(int width, int height, COLORREF fill = RGB(255, 255, 255), int scale = 1);

  int Width() const { return width_; }
  int Height() const { return height_; }
  int Scale() const { return scale_; }
  int DeviceWidth() const { return width_ * scale_; }
  int DeviceHeight() const { return height_ * scale_; }
  bool Contains(int x, int y) const { return x >= 0 && y >= 0 && x < width_ && y < height_; }
  // A pixel: the first device pixel of its square.
  COLORREF Pixel(int x, int y) const { return DevicePixel(x * scale_, y * scale_); }
  void SetPixel(int x, int y, COLORREF colour) {
    if (scale_ == 1) {
      SetDevicePixel(x, y, colour);
    } else {
      FillSquare(x, y, colour);
    }
  }
  COLORREF DevicePixel(int x, int y) const { return pixels_[static_cast<std::size_t>(y) * DeviceWidth() + x]; }
  void SetDevicePixel(int x, int y, COLORREF colour) {
    pixels_[static_cast<std::size_t>(y) * DeviceWidth() + x] = colour;
  }
  // A row of device pixels.
  COLORREF* Row(int y) { return pixels_.data() + static_cast<std::size_t>(y) * DeviceWidth(); }
  const COLORREF* Row(int y) const { return pixels_.data() + static_cast<std::size_t>(y) * DeviceWidth(); }
  void Resize(int width, int height, COLORREF fill, int scale = 1);
  // The pixels of the rectangle, one device pixel each.
  Surface Crop(const RECT& rect) const;

 private:
  void FillSquare(int x, int y, COLORREF colour);

  int width_ = 0;
  int height_ = 0;
  int scale_ = 1;
  std::vector<COLORREF> pixels_;
};

// Gives fresh memory about to be written whole all its pages in one call, which costs half of
// taking them one fault at a time: for framebuffers, the window's and the desktop's.
void PrefaultForWriting(void* start, std::size_t bytes);
