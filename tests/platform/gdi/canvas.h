#pragma once
// A memory device context on a small bitmap, for reading back what was drawn.
#include <string>
#include <vector>

#include "platform/gdi/cdc.h"

class Canvas {
 public:
  Canvas(int width, int height, COLORREF fill = RGB(255, 255, 255)) : width_(width), height_(height) {
    dc.CreateCompatibleDC(nullptr);
    bitmap_.Attach(CreateBitmapFromSurface(Surface(width, height, fill)));
    previous_ = dc.SelectObject(&bitmap_);
  }
  ~Canvas() { dc.SelectObject(previous_); }
  COLORREF At(int x, int y) const { return dc.GetPixel(x, y); }
  // The picture as rows of letters, one per colour given; '?' for any other colour.
  std::vector<std::string> Rows(const std::vector<std::pair<char, COLORREF>>& legend) const {
    std::vector<std::string> rows;
    for (int y = 0; y < height_; ++y) {
      std::string row;
      for (int x = 0; x < width_; ++x) {
        char letter = '?';
        for (const auto& [name, colour] : legend) {
          if (At(x, y) == colour) letter = name;
        }
        row += letter;
      }
      rows.push_back(row);
    }
    return rows;
  }
  // Pixels that are not the background colour.
  int Ink(COLORREF background, RECT* bounds = nullptr) const {
    int count = 0;
    RECT box{width_, height_, -1, -1};
    for (int y = 0; y < height_; ++y) {
      for (int x = 0; x < width_; ++x) {
        if (At(x, y) == background) continue;
        ++count;
        box.left = std::min<LONG>(box.left, x);
        box.top = std::min<LONG>(box.top, y);
        box.right = std::max<LONG>(box.right, x + 1);
        box.bottom = std::max<LONG>(box.bottom, y + 1);
      }
    }
    if (bounds != nullptr) *bounds = box;
    return count;
  }

  // The sum of how much darker than white each pixel is.
  long Darkness() const {
    long sum = 0;
    for (int y = 0; y < height_; ++y) {
      for (int x = 0; x < width_; ++x) sum += 255 - GetGValue(At(x, y));
    }
    return sum;
  }

  CDC dc;

 private:
  int width_;
  int height_;
  CBitmap bitmap_;
  CBitmap* previous_ = nullptr;
};
