#include "platform/gdi/wintypes.h"

#include <algorithm>
#include <cmath>

BOOL SetRect(RECT* rect, int left, int top, int right, int bottom) {
  if (rect == nullptr) return FALSE;
  *rect = RECT{left, top, right, bottom};
  return TRUE;
}

BOOL SetRectEmpty(RECT* rect) { return SetRect(rect, 0, 0, 0, 0); }

BOOL IsRectEmpty(const RECT* rect) { return rect == nullptr || rect->right <= rect->left || rect->bottom <= rect->top; }

BOOL EqualRect(const RECT* a, const RECT* b) {
  return a != nullptr && b != nullptr && a->left == b->left && a->top == b->top && a->right == b->right &&
         a->bottom == b->bottom;
}

BOOL PtInRect(const RECT* rect, POINT point) {
  return rect != nullptr && point.x >= rect->left && point.x < rect->right && point.y >= rect->top &&
         point.y < rect->bottom;
}

BOOL OffsetRect(RECT* rect, int dx, int dy) {
  if (rect == nullptr) return FALSE;
  rect->left += dx;
  rect->right += dx;
  rect->top += dy;
  rect->bottom += dy;
  return TRUE;
}

BOOL InflateRect(RECT* rect, int dx, int dy) {
  if (rect == nullptr) return FALSE;
  rect->left -= dx;
  rect->right += dx;
  rect->top -= dy;
  rect->bottom += dy;
  return TRUE;
}

BOOL IntersectRect(RECT* result, const RECT* a, const RECT* b) {
  if (result == nullptr || a == nullptr || b == nullptr) return FALSE;
  RECT meet{std::max(a->left, b->left), std::max(a->top, b->top), std::min(a->right, b->right),
            std::min(a->bottom, b->bottom)};
  if (IsRectEmpty(&meet)) {
    SetRectEmpty(result);
    return FALSE;
  }
  *result = meet;
  return TRUE;
}

BOOL UnionRect(RECT* result, const RECT* a, const RECT* b) {
  if (result == nullptr || a == nullptr || b == nullptr) return FALSE;
  if (IsRectEmpty(a)) {
    *result = *b;
  } else if (IsRectEmpty(b)) {
    *result = *a;
  } else {
    *result = RECT{std::min(a->left, b->left), std::min(a->top, b->top), std::max(a->right, b->right),
                   std::max(a->bottom, b->bottom)};
  }
  return !IsRectEmpty(result);
}

BOOL CopyRect(RECT* to, const RECT* from) {
  if (to == nullptr || from == nullptr) return FALSE;
  *to = *from;
  return TRUE;
}

int MulDiv(int number, int numerator, int denominator) {
  if (denominator == 0) return -1;
  const double exact = static_cast<double>(number) * numerator / denominator;
  return static_cast<int>(std::lround(exact));
}
