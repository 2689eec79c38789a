#include <algorithm>

#include "platform/gdi/look3d_colours.h"
#include "platform/gdi/display_scale.h"
#include "platform/win/window_system.h"

namespace {

void NotifyResized(WindowRecord& record) {
  const HWND window = record.handle;
  RECT client{};
  GetClientRect(window, &client);
  SendMessage(window, WM_SIZE, SIZE_RESTORED, MAKELPARAM(client.right, client.bottom));
}

}  // namespace

int CaptionHeight(const WindowRecord& record) { return (record.style & WS_CAPTION) == WS_CAPTION ? 18 : 0; }

int FrameThickness(const WindowRecord& record) {
  if ((record.style & WS_THICKFRAME) != 0) return 4;
  if ((record.style & WS_DLGFRAME) != 0 || (record.exStyle & WS_EX_DLGMODALFRAME) != 0) {
    return 3;
  }
  return (record.style & WS_BORDER) != 0 ? 1 : 0;
}

RECT NonClientInsets(const WindowRecord& record) {
  const int frame = FrameThickness(record) + ((record.exStyle & WS_EX_CLIENTEDGE) != 0 ? 2 : 0);
  RECT insets{frame, frame, frame, frame};
  insets.top += CaptionHeight(record);
  if (IsTopLevel(record)) insets.top += MenuBarHeight(record);
  // The window's scroll bars stand inside its edges, beside the client area.
  if ((record.style & WS_VSCROLL) != 0) insets.right += GetSystemMetrics(SM_CXVSCROLL);
  if ((record.style & WS_HSCROLL) != 0) insets.bottom += GetSystemMetrics(SM_CYHSCROLL);
  return insets;
}

RECT WindowRectInTopLevel(const WindowRecord& record) {
  if (IsTopLevel(record)) return RECT{0, 0, record.rect.right - record.rect.left, record.rect.bottom - record.rect.top};
  const WindowRecord* parent = FindWindowRecord(record.parent);
  RECT rect = record.rect;
  if (parent != nullptr) {
    const RECT parentClient = ClientRectInTopLevel(*parent);
    OffsetRect(&rect, parentClient.left, parentClient.top);
  }
  return rect;
}

RECT ClientRectInTopLevel(const WindowRecord& record) {
  RECT rect = WindowRectInTopLevel(record);
  const RECT insets = NonClientInsets(record);
  rect.left += insets.left;
  rect.top += insets.top;
  rect.right = std::max(rect.left, rect.right - insets.right);
  rect.bottom = std::max(rect.top, rect.bottom - insets.bottom);
  return rect;
}

Region VisibleRegion(const WindowRecord& record, bool clientOnly) {
  if (!IsVisibleChain(record)) return Region();
  Region region(clientOnly ? ClientRectInTopLevel(record) : WindowRectInTopLevel(record));
  if (clientOnly && (record.style & WS_CLIPCHILDREN) != 0) {
    for (HWND child : record.children) {
      const WindowRecord* childRecord = FindWindowRecord(child);
      if (childRecord != nullptr && (childRecord->style & WS_VISIBLE) != 0)
        region.Subtract(WindowRectInTopLevel(*childRecord));
    }
  }
  for (const WindowRecord* at = &record; !IsTopLevel(*at);) {
    const WindowRecord* parent = FindWindowRecord(at->parent);
    if (parent == nullptr) break;
    region.Intersect(ClientRectInTopLevel(*parent));
    if ((at->style & WS_CLIPSIBLINGS) != 0) {
      for (HWND sibling : parent->children) {
        if (sibling == at->handle) break;
        const WindowRecord* above = FindWindowRecord(sibling);
        if (above != nullptr && (above->style & WS_VISIBLE) != 0) region.Subtract(WindowRectInTopLevel(*above));
      }
    }
    at = parent;
  }
  return region;
}

void EnsureSurface(WindowRecord& record) {
  if (!IsTopLevel(record)) return;
  const int width = record.rect.right - record.rect.left;
  const int height = record.rect.bottom - record.rect.top;
  if (!record.surface) record.surface = std::make_unique<Surface>();
  const int scale = DisplayScale();
  if (record.surface->Width() != width || record.surface->Height() != height || record.surface->Scale() != scale) {
    record.surface->Resize(width, height, look3d::Face, scale);
    InvalidateWholeWindow(record);
  }
}

BOOL GetWindowRect(HWND window, RECT* rect) {
  const WindowRecord* record = FindWindowRecord(window);
  if (record == nullptr || rect == nullptr) return FALSE;
  if (IsTopLevel(*record)) {
    *rect = record->rect;
    return TRUE;
  }
  const HWND top = GetTopLevel(window);
  *rect = WindowRectInTopLevel(*record);
  const WindowRecord* topRecord = FindWindowRecord(top);
  OffsetRect(rect, topRecord->rect.left, topRecord->rect.top);
  return TRUE;
}

BOOL GetClientRect(HWND window, RECT* rect) {
  const WindowRecord* record = FindWindowRecord(window);
  if (record == nullptr || rect == nullptr) return FALSE;
  const RECT client = ClientRectInTopLevel(*record);
  *rect = RECT{0, 0, client.right - client.left, client.bottom - client.top};
  return TRUE;
}

BOOL ClientToScreen(HWND window, POINT* point) {
  const WindowRecord* record = FindWindowRecord(window);
  if (record == nullptr || point == nullptr) return FALSE;
  const RECT client = ClientRectInTopLevel(*record);
  const WindowRecord* top = FindWindowRecord(GetTopLevel(window));
  point->x += client.left + top->rect.left;
  point->y += client.top + top->rect.top;
  return TRUE;
}

BOOL ScreenToClient(HWND window, POINT* point) {
  const WindowRecord* record = FindWindowRecord(window);
  if (record == nullptr || point == nullptr) return FALSE;
  const RECT client = ClientRectInTopLevel(*record);
  const WindowRecord* top = FindWindowRecord(GetTopLevel(window));
  point->x -= client.left + top->rect.left;
  point->y -= client.top + top->rect.top;
  return TRUE;
}

int MapWindowPoints(HWND from, HWND to, POINT* points, UINT count) {
  if (points == nullptr) return 0;
  for (UINT index = 0; index < count; ++index) {
    if (from != nullptr) ClientToScreen(from, &points[index]);
    if (to != nullptr) ScreenToClient(to, &points[index]);
  }
  return 1;
}

BOOL SetWindowPos(HWND window, HWND insertAfter, int x, int y, int width, int height, UINT flags) {
  WindowSystem& system = System();
  WindowRecord* record = FindWindowRecord(window);
  if (record == nullptr) return FALSE;
  const RECT before = record->rect;
  RECT after = before;
  if ((flags & SWP_NOMOVE) == 0) OffsetRect(&after, x - before.left, y - before.top);
  if ((flags & SWP_NOSIZE) == 0) {
    after.right = after.left + std::max(0, width);
    after.bottom = after.top + std::max(0, height);
  }
  const bool moved = after.left != before.left || after.top != before.top;
  const bool sized = (after.right - after.left) != (before.right - before.left) ||
                     (after.bottom - after.top) != (before.bottom - before.top);
  if ((flags & SWP_NOZORDER) == 0) {
    std::vector<HWND>* siblings = &system.topLevels;
    if (!IsTopLevel(*record)) siblings = &FindWindowRecord(record->parent)->children;
    siblings->erase(std::remove(siblings->begin(), siblings->end(), window), siblings->end());
    if (insertAfter == HWND_BOTTOM) {
      siblings->push_back(window);
    } else {
      siblings->insert(siblings->begin(), window);
    }
    system.paintQueue.OrderChanged();
  }
  if (moved || sized || (flags & SWP_FRAMECHANGED) != 0) {
    const bool visible = IsVisibleChain(*record);
    if (!IsTopLevel(*record) && visible) InvalidateArea(*FindWindowRecord(record->parent), before, true, false);
    record->rect = after;
    if (IsTopLevel(*record)) {
      EnsureSurface(*record);
      if (system.backend != nullptr && record->surface) record->presentPending = true;
    }
    InvalidateWholeWindow(*record);
    if (moved) SendMessage(window, WM_MOVE, 0, MAKELPARAM(after.left, after.top));
    if (sized || (flags & SWP_FRAMECHANGED) != 0) {
      if (WindowRecord* alive = FindWindowRecord(window)) NotifyResized(*alive);
    }
  }
  if ((flags & SWP_SHOWWINDOW) != 0) ShowWindow(window, (flags & SWP_NOACTIVATE) != 0 ? SW_SHOWNA : SW_SHOW);
  if ((flags & SWP_HIDEWINDOW) != 0) ShowWindow(window, SW_HIDE);
  return TRUE;
}

BOOL MoveWindow(HWND window, int x, int y, int width, int height, BOOL) {
  return SetWindowPos(window, nullptr, x, y, width, height, SWP_NOZORDER | SWP_NOACTIVATE);
}

BOOL AdjustWindowRectEx(RECT* rect, DWORD style, BOOL menu, DWORD exStyle) {
  if (rect == nullptr) return FALSE;
  WindowRecord probe;
  // As on the platform, the scroll bars are not counted: they take their room from the client area.
  probe.style = style & ~(WS_VSCROLL | WS_HSCROLL);
  probe.exStyle = exStyle;
  RECT insets = NonClientInsets(probe);
  if (menu && (style & WS_CHILD) == 0) insets.top += 19;
  rect->left -= insets.left;
  rect->top -= insets.top;
  rect->right += insets.right;
  rect->bottom += insets.bottom;
  return TRUE;
}
