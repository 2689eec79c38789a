#include "platform/gdi/surface.h"

#include <sys/mman.h>
#include <unistd.h>

#include <algorithm>
#include <cstdint>

Surface::Surface(int width, int height, COLORREF fill, int scale) { Resize(width, height, fill, scale); }

namespace {

// Smaller buffers come from the heap, whose pages are mostly taken already.
constexpr size_t PrefaultedBytes = 64 * 1024;

}  // namespace

void PrefaultForWriting(void* start, size_t bytes) {
  const uintptr_t page = static_cast<uintptr_t>(sysconf(_SC_PAGESIZE));
  const uintptr_t first = (reinterpret_cast<uintptr_t>(start) + page - 1) & ~(page - 1);
  const uintptr_t end = (reinterpret_cast<uintptr_t>(start) + bytes) & ~(page - 1);
  // Where the kernel cannot (before Linux 5.14), the pages come one fault at a time as before.
  if (end > first) madvise(reinterpret_cast<void*>(first), end - first, MADV_POPULATE_WRITE);
}

void Surface::Resize(int width, int height, COLORREF fill, int scale) {
  width_ = std::max(0, width);
  height_ = std::max(0, height);
  scale_ = std::max(1, scale);
  const size_t count = static_cast<size_t>(DeviceWidth()) * DeviceHeight();
  if (count > pixels_.capacity() && count * sizeof(COLORREF) >= PrefaultedBytes) {
    std::vector<COLORREF>().swap(pixels_);
    pixels_.reserve(count);
    PrefaultForWriting(pixels_.data(), count * sizeof(COLORREF));
  }
  pixels_.assign(count, fill);
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
