#include "platform/gdi/region.h"

#include <algorithm>

namespace {

// The parts of `piece` outside `cut`, at most four rectangles.
void AppendDifference(const RECT& piece, const RECT& cut, std::vector<RECT>& out) {
  RECT meet;
  if (!IntersectRect(&meet, &piece, &cut)) {
    out.push_back(piece);
    return;
  }
  if (piece.top < meet.top) out.push_back(RECT{piece.left, piece.top, piece.right, meet.top});
  if (meet.bottom < piece.bottom) out.push_back(RECT{piece.left, meet.bottom, piece.right, piece.bottom});
  if (piece.left < meet.left) out.push_back(RECT{piece.left, meet.top, meet.left, meet.bottom});
  if (meet.right < piece.right) out.push_back(RECT{meet.right, meet.top, piece.right, meet.bottom});
}

}  // namespace

void Region::Add(const RECT& rect) {
  if (IsRectEmpty(&rect)) return;
  std::vector<RECT> pieces{rect};
  for (const RECT& existing : rects_) {
    std::vector<RECT> rest;
    for (const RECT& piece : pieces) AppendDifference(piece, existing, rest);
    pieces.swap(rest);
    if (pieces.empty()) return;
  }
  rects_.insert(rects_.end(), pieces.begin(), pieces.end());
}

void Region::Subtract(const RECT& rect) {
  if (IsRectEmpty(&rect)) return;
  std::vector<RECT> rest;
  for (const RECT& piece : rects_) AppendDifference(piece, rect, rest);
  rects_.swap(rest);
}

void Region::Subtract(const Region& other) {
  for (const RECT& rect : other.rects_) Subtract(rect);
}

void Region::Intersect(const RECT& rect) {
  std::vector<RECT> kept;
  for (const RECT& piece : rects_) {
    RECT meet;
    if (IntersectRect(&meet, &piece, &rect)) kept.push_back(meet);
  }
  rects_.swap(kept);
}

void Region::Intersect(const Region& other) {
  std::vector<RECT> kept;
  for (const RECT& piece : rects_) {
    for (const RECT& rect : other.rects_) {
      RECT meet;
      if (IntersectRect(&meet, &piece, &rect)) kept.push_back(meet);
    }
  }
  rects_.swap(kept);
}

void Region::Offset(int dx, int dy) {
  for (RECT& rect : rects_) OffsetRect(&rect, dx, dy);
}

bool Region::Contains(int x, int y) const {
  return std::any_of(rects_.begin(), rects_.end(), [&](const RECT& rect) { return PtInRect(&rect, POINT{x, y}); });
}

RECT Region::Bounds() const {
  RECT bounds{};
  for (const RECT& rect : rects_) UnionRect(&bounds, &bounds, &rect);
  return bounds;
}
