#pragma once
// Class forms of the geometry types, as the window classes pass them to handlers.
#include "platform/gdi/wintypes.h"

class CPoint : public POINT {
 public:
  CPoint() = default;
  CPoint(int xValue, int yValue) : POINT{xValue, yValue} {}
  CPoint(POINT point) : POINT(point) {}
  explicit CPoint(LPARAM packed) : POINT{GET_X_LPARAM(packed), GET_Y_LPARAM(packed)} {}
  bool operator==(const CPoint& other) const { return x == other.x && y == other.y; }
};

class CSize : public SIZE {
 public:
  CSize() = default;
  CSize(int width, int height) : SIZE{width, height} {}
  CSize(SIZE size) : SIZE(size) {}
  bool operator==(const CSize& other) const { return cx == other.cx && cy == other.cy; }
};

class CRect : public RECT {
 public:
  CRect() = default;
  CRect(int l, int t, int r, int b) : RECT{l, t, r, b} {}
  CRect(const RECT& rect) : RECT(rect) {}
  CRect(POINT topLeft, SIZE size) : RECT{topLeft.x, topLeft.y, topLeft.x + size.cx, topLeft.y + size.cy} {}
  int Width() const { return right - left; }
  int Height() const { return bottom - top; }
  CSize Size() const { return CSize(Width(), Height()); }
  CPoint TopLeft() const { return CPoint(left, top); }
  CPoint BottomRight() const { return CPoint(right, bottom); }
  CPoint CenterPoint() const { return CPoint((left + right) / 2, (top + bottom) / 2); }
  BOOL IsRectEmpty() const { return ::IsRectEmpty(this); }
  BOOL PtInRect(POINT point) const { return ::PtInRect(this, point); }
  void SetRect(int l, int t, int r, int b) { *this = CRect(l, t, r, b); }
  void OffsetRect(int dx, int dy) { ::OffsetRect(this, dx, dy); }
  void InflateRect(int dx, int dy) { ::InflateRect(this, dx, dy); }
  void DeflateRect(int dx, int dy) { ::InflateRect(this, -dx, -dy); }
  BOOL IntersectRect(const RECT* a, const RECT* b) { return ::IntersectRect(this, a, b); }
  bool operator==(const CRect& other) const { return ::EqualRect(this, &other) != 0; }
  operator LPRECT() { return this; }
  operator LPCRECT() const { return this; }
};
