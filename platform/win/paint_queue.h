#pragma once
// The windows waiting for paint, kept in the order they are painted in, so that finding the next
// one costs a step rather than a walk over every window. The order is made again only after a
// window was marked or the windows' stacking changed.
#include <cstddef>
#include <cstdint>
#include <unordered_set>
#include <vector>

#include "platform/gdi/wintypes.h"

struct PaintQueue {
  // A window whose update region or frame was marked.
  void Note(HWND window) {
    marked.insert(window);
    ++changes;
  }
  // Windows were restacked or restyled: the paint order, or which windows are shown, may differ.
  void OrderChanged() { ++changes; }
  bool InOrder() const { return orderedAt == changes; }

  // Windows marked since they were last found clean.
  std::unordered_set<HWND> marked;
  // The marked windows in paint order, lowest top-level window first, as they stood at `orderedAt`;
  // those before `next` have been found not to wait.
  std::vector<HWND> ordered;
  std::size_t next = 0;
  std::uint64_t changes = 0;
  std::uint64_t orderedAt = ~std::uint64_t{0};
};
