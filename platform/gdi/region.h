#pragma once
// A region as a list of disjoint rectangles: update regions, clipping and the GDI region objects.
#include <vector>

#include "platform/gdi/wintypes.h"

class Region {
 public:
  Region() = default;
  explicit Region(const RECT& rect) { Add(rect); }

  void Add(const RECT& rect);
  void Subtract(const RECT& rect);
  void Subtract(const Region& other);
  void Intersect(const RECT& rect);
  void Intersect(const Region& other);
  void Offset(int dx, int dy);
  void Clear() { rects_.clear(); }

  bool IsEmpty() const { return rects_.empty(); }
  bool Contains(int x, int y) const;
  RECT Bounds() const;
  const std::vector<RECT>& Rects() const { return rects_; }

 private:
  std::vector<RECT> rects_;
};
