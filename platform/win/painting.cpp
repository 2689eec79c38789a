#include <algorithm>

#include "platform/gdi/look3d.h"
#include "platform/gdi/raster_device.h"
#include "platform/win/window_system.h"

namespace {

SIZE ScreenSize() {
  const Backend* backend = System().backend;
  return backend != nullptr ? backend->ScreenSize() : SIZE{1024, 768};
}

WindowRecord* TopRecordOf(const WindowRecord& record) { return FindWindowRecord(GetTopLevel(record.handle)); }

HDC DeviceFor(WindowRecord& record, bool clientOnly, const Region* limit) {
  WindowRecord* top = TopRecordOf(record);
  if (top == nullptr || !top->surface) return nullptr;
  const RECT area = clientOnly ? ClientRectInTopLevel(record) : WindowRectInTopLevel(record);
  Region visible = VisibleRegion(record, clientOnly);
  if (limit != nullptr) visible.Intersect(*limit);
  top->presentPending = true;
  return AddDC(
      std::make_unique<RasterDevice>(top->surface.get(), POINT{area.left, area.top}, std::move(visible), ScreenSize()));
}

bool NeedsPaint(const WindowRecord& record) {
  return (!record.update.IsEmpty() || record.frameDirty) && !record.destroying && IsVisibleChain(record);
}

void NotePaintPending(const WindowRecord& record) { System().paintQueue.Note(record.handle); }

// Forgets the marked windows painted or destroyed since they were marked.
void ForgetCleanWindows() {
  auto& marked = System().paintQueue.marked;
  std::erase_if(marked, [](HWND window) {
    const WindowRecord* record = FindWindowRecord(window);
    return record == nullptr || (record->update.IsEmpty() && !record->frameDirty);
  });
}

// Whether a shown window waits for paint, without walking every window.
bool AnyPaintPending() {
  ForgetCleanWindows();
  const auto& marked = System().paintQueue.marked;
  return std::any_of(marked.begin(), marked.end(), [](HWND window) { return NeedsPaint(*FindWindowRecord(window)); });
}

// Puts the marked windows in paint order: the top-level windows from the lowest up, each one
// before its children, and children from the lowest up.
void OrderMarkedWindows() {
  WindowSystem& system = System();
  PaintQueue& queue = system.paintQueue;
  ForgetCleanWindows();
  std::vector<HWND> tops;
  for (HWND window : queue.marked) tops.push_back(GetTopLevel(window));
  queue.ordered.clear();
  queue.next = 0;
  queue.orderedAt = queue.changes;
  if (queue.marked.empty()) return;
  for (auto top = system.topLevels.rbegin(); top != system.topLevels.rend(); ++top) {
    if (std::find(tops.begin(), tops.end(), *top) == tops.end()) continue;
    ForEachInPaintOrder(*top, [&](WindowRecord& record) {
      if (queue.marked.contains(record.handle)) queue.ordered.push_back(record.handle);
    });
  }
}

// Marks the part of `dirty` (top-level coordinates) that a shown window and its children cover,
// for painting again; `origin` is where the client area holding the window begins.
void MarkOverlapping(HWND window, POINT origin, const Region& dirty, const RECT& bounds) {
  WindowRecord* other = FindWindowRecord(window);
  if (other == nullptr || (other->style & WS_VISIBLE) == 0) return;
  RECT otherWindow = other->rect;
  OffsetRect(&otherWindow, origin.x, origin.y);
  RECT near;
  Region meet;
  if (IntersectRect(&near, &otherWindow, &bounds)) {
    meet = dirty;
    meet.Intersect(otherWindow);
  }
  const RECT otherClient = meet.IsEmpty() && other->children.empty() ? RECT{} : ClientRectInTopLevel(*other);
  if (!meet.IsEmpty()) {
    NotePaintPending(*other);
    for (const RECT& piece : meet.Rects()) {
      RECT inside;
      if (IntersectRect(&inside, &otherClient, &piece)) {
        if (!EqualRect(&inside, &piece)) other->frameDirty = true;
        OffsetRect(&inside, -otherClient.left, -otherClient.top);
        other->update.Add(inside);
        other->erase = true;
      } else {
        other->frameDirty = true;
      }
    }
  }
  for (auto child = other->children.rbegin(); child != other->children.rend(); ++child) {
    MarkOverlapping(*child, POINT{otherClient.left, otherClient.top}, dirty, bounds);
  }
}

void PaintSubtree(HWND window) {
  std::vector<HWND> order;
  ForEachInPaintOrder(window, [&](WindowRecord& record) { order.push_back(record.handle); });
  for (HWND each : order) {
    WindowRecord* record = FindWindowRecord(each);
    if (record == nullptr || !NeedsPaint(*record)) continue;
    if (record->frameDirty) {
      record->frameDirty = false;
      SendMessage(each, WM_NCPAINT, 1, 0);
    }
    record = FindWindowRecord(each);
    if (record != nullptr && !record->update.IsEmpty()) SendMessage(each, WM_PAINT, 0, 0);
  }
}

}  // namespace

void InvalidateArea(WindowRecord& record, const RECT& clientRect, bool erase, bool includeFrame) {
  if (!IsVisibleChain(record) || record.destroying) return;
  const RECT client = ClientRectInTopLevel(record);
  RECT inClient = clientRect;
  OffsetRect(&inClient, client.left, client.top);
  Region area(inClient);
  if (includeFrame) {
    // The frame alone: the client area inside it is not part of it.
    Region frame(WindowRectInTopLevel(record));
    frame.Subtract(client);
    for (const RECT& piece : frame.Rects()) area.Add(piece);
    record.frameDirty = true;
    NotePaintPending(record);
  }
  Region visible = VisibleRegion(record, false);
  visible.Intersect(area);
  if (visible.IsEmpty()) return;
  RECT own;
  if (IntersectRect(&own, &inClient, &client)) {
    OffsetRect(&own, -client.left, -client.top);
    record.update.Add(own);
    record.erase = record.erase || erase;
    NotePaintPending(record);
  }
  // Every window painted after this one, over the same pixels, paints again: its children, the
  // siblings above it with theirs, and so on up to the top-level window.
  const RECT bounds = visible.Bounds();
  for (auto child = record.children.rbegin(); child != record.children.rend(); ++child) {
    MarkOverlapping(*child, POINT{client.left, client.top}, visible, bounds);
  }
  for (const WindowRecord* at = &record; !IsTopLevel(*at);) {
    const WindowRecord* parent = FindWindowRecord(at->parent);
    if (parent == nullptr) break;
    const RECT parentClient = ClientRectInTopLevel(*parent);
    const std::vector<HWND>& siblings = parent->children;
    auto above = std::find(siblings.begin(), siblings.end(), at->handle);
    while (above != siblings.begin()) {
      --above;
      MarkOverlapping(*above, POINT{parentClient.left, parentClient.top}, visible, bounds);
    }
    at = parent;
  }
}

void InvalidateWholeWindow(WindowRecord& record) {
  RECT client{};
  GetClientRect(record.handle, &client);
  InvalidateArea(record, client, true, true);
}

BOOL InvalidateRect(HWND window, const RECT* rect, BOOL erase) {
  WindowRecord* record = FindWindowRecord(window);
  if (record == nullptr) return FALSE;
  RECT area{};
  if (rect != nullptr) {
    area = *rect;
  } else {
    GetClientRect(window, &area);
  }
  InvalidateArea(*record, area, erase != FALSE, false);
  return TRUE;
}

BOOL ValidateRect(HWND window, const RECT* rect) {
  WindowRecord* record = FindWindowRecord(window);
  if (record == nullptr) return FALSE;
  if (rect == nullptr) {
    record->update.Clear();
    record->erase = false;
  } else {
    record->update.Subtract(*rect);
  }
  return TRUE;
}

BOOL GetUpdateRect(HWND window, RECT* rect, BOOL erase) {
  WindowRecord* record = FindWindowRecord(window);
  if (record == nullptr) return FALSE;
  if (rect != nullptr) *rect = record->update.Bounds();
  if (record->update.IsEmpty()) return FALSE;
  if (erase && record->erase) {
    record->erase = false;
    const HDC dc = GetDC(window);
    SendMessage(window, WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc), 0);
    ReleaseDC(window, dc);
  }
  return TRUE;
}

BOOL UpdateWindow(HWND window) {
  if (!IsWindow(window)) return FALSE;
  PaintSubtree(window);
  PresentPending();
  return TRUE;
}

BOOL RedrawWindow(HWND window, const RECT* rect, HRGN, UINT flags) {
  WindowRecord* record = FindWindowRecord(window);
  if (record == nullptr) return FALSE;
  if ((flags & RDW_INVALIDATE) != 0) {
    RECT area{};
    if (rect != nullptr) {
      area = *rect;
    } else {
      GetClientRect(window, &area);
    }
    InvalidateArea(*record, area, (flags & RDW_ERASE) != 0, (flags & RDW_FRAME) != 0);
  }
  if ((flags & RDW_UPDATENOW) != 0) UpdateWindow(window);
  return TRUE;
}

HDC BeginPaint(HWND window, PAINTSTRUCT* paint) {
  WindowRecord* record = FindWindowRecord(window);
  if (record == nullptr || paint == nullptr) return nullptr;
  Region update = record->update;
  const bool erase = record->erase;
  record->update.Clear();
  record->erase = false;
  const RECT client = ClientRectInTopLevel(*record);
  Region limit = update;
  limit.Offset(client.left, client.top);
  *paint = PAINTSTRUCT{};
  paint->hdc = DeviceFor(*record, true, &limit);
  paint->rcPaint = update.Bounds();
  if (erase && paint->hdc != nullptr) {
    paint->fErase = SendMessage(window, WM_ERASEBKGND, reinterpret_cast<WPARAM>(paint->hdc), 0) == 0 ? TRUE : FALSE;
  }
  return paint->hdc;
}

BOOL EndPaint(HWND, const PAINTSTRUCT* paint) {
  if (paint == nullptr) return FALSE;
  return DeleteDC(paint->hdc);
}

HDC GetDC(HWND window) {
  if (window == nullptr) return AddDC(std::make_unique<RasterDevice>(ScreenSize()));
  WindowRecord* record = FindWindowRecord(window);
  return record == nullptr ? nullptr : DeviceFor(*record, true, nullptr);
}

HDC GetWindowDC(HWND window) {
  WindowRecord* record = FindWindowRecord(window);
  return record == nullptr ? nullptr : DeviceFor(*record, false, nullptr);
}

int ReleaseDC(HWND, HDC dc) { return DeleteDC(dc); }

bool NextPaintMessage(MSG* message) {
  PaintQueue& queue = System().paintQueue;
  while (true) {
    // A mark or a restacking since the order was made, by the frame painted just now as well,
    // starts the search again from the first window in paint order.
    if (!queue.InOrder()) OrderMarkedWindows();
    if (queue.next >= queue.ordered.size()) return false;
    const HWND window = queue.ordered[queue.next];
    WindowRecord* record = FindWindowRecord(window);
    if (record != nullptr && NeedsPaint(*record)) {
      if (record->frameDirty) {
        record->frameDirty = false;
        SendMessage(window, WM_NCPAINT, 1, 0);
        record = FindWindowRecord(window);
      }
      if (record != nullptr && !record->update.IsEmpty()) {
        const WindowSystem& system = System();
        *message = MSG{window, WM_PAINT, 0, 0, system.time, system.cursor};
        return true;
      }
    }
    ++queue.next;
  }
}

void PresentPending() {
  WindowSystem& system = System();
  for (HWND top : system.topLevels) {
    WindowRecord* record = FindWindowRecord(top);
    if (record == nullptr || !record->presentPending || !record->surface) continue;
    record->presentPending = false;
    if (system.backend != nullptr && (record->style & WS_VISIBLE) != 0) system.backend->Present(top, *record->surface);
  }
}

void UpdateAllWindows() {
  if (!AnyPaintPending()) {
    PresentPending();
    return;
  }
  const std::vector<HWND> tops = System().topLevels;
  for (auto top = tops.rbegin(); top != tops.rend(); ++top) {
    if (IsWindow(*top)) PaintSubtree(*top);
  }
  PresentPending();
}

const Surface* WindowSurface(HWND topLevel) {
  const WindowRecord* record = FindWindowRecord(topLevel);
  return record == nullptr || !IsTopLevel(*record) ? nullptr : record->surface.get();
}

void PaintNonClient(WindowRecord& record) {
  const HWND window = record.handle;
  const HDC dc = GetWindowDC(window);
  if (dc == nullptr) return;
  CDC* painter = CDC::FromHandle(dc);
  const RECT whole = WindowRectInTopLevel(record);
  RECT rect{0, 0, whole.right - whole.left, whole.bottom - whole.top};
  const int frame = FrameThickness(record);
  if (frame >= 2) {
    const RECT inner{frame, frame, rect.right - frame, rect.bottom - frame};
    CBrush face(look3d::Face);
    for (int ring = 0; ring < frame; ++ring) {
      const RECT edge{ring, ring, rect.right - ring, rect.bottom - ring};
      painter->FrameRect(&edge, &face);
    }
    look3d::DrawRaisedEdge(*painter, rect);
    rect = inner;
  } else if (frame == 1) {
    CBrush black(RGB(0, 0, 0));
    painter->FrameRect(&rect, &black);
    InflateRect(&rect, -1, -1);
  }
  if ((record.exStyle & WS_EX_CLIENTEDGE) != 0) {
    look3d::DrawSunkenEdge(*painter, rect);
    InflateRect(&rect, -2, -2);
  }
  const int caption = CaptionHeight(record);
  if (caption > 0) {
    const RECT bar{rect.left, rect.top, rect.right, rect.top + caption};
    look3d::DrawCaptionBar(*painter, bar, record.text, record.captionActive,
                           (record.style & WS_SYSMENU) != 0 && (record.style & WS_MINIMIZEBOX) != 0,
                           (record.style & WS_SYSMENU) != 0);
    rect.top += caption;
  }
  const int menu = IsTopLevel(record) ? MenuBarHeight(record) : 0;
  if (menu > 0) PaintMenuBar(*painter, record, RECT{rect.left, rect.top, rect.right, rect.top + menu});
  ReleaseDC(window, dc);
}

LRESULT NonClientHitTest(WindowRecord& record, POINT screen) {
  RECT windowRect{};
  GetWindowRect(record.handle, &windowRect);
  const POINT at{screen.x - windowRect.left, screen.y - windowRect.top};
  const RECT whole = WindowRectInTopLevel(record);
  const RECT client = ClientRectInTopLevel(record);
  const POINT inTop{at.x + whole.left, at.y + whole.top};
  if (PtInRect(&client, inTop)) return HTCLIENT;
  const int frame = FrameThickness(record) + ((record.exStyle & WS_EX_CLIENTEDGE) != 0 ? 2 : 0);
  const int width = whole.right - whole.left;
  const int caption = CaptionHeight(record);
  const RECT bar{frame, frame, width - frame, frame + caption};
  if (caption > 0 && PtInRect(&bar, at)) {
    const bool closeBox = (record.style & WS_SYSMENU) != 0;
    const RECT close = look3d::CloseBoxRect(bar);
    if (closeBox && PtInRect(&close, at)) return HTCLOSE;
    const RECT minimize = look3d::MinimizeBoxRect(bar, closeBox);
    if (closeBox && (record.style & WS_MINIMIZEBOX) != 0 && PtInRect(&minimize, at)) return HTMINBUTTON;
    return HTCAPTION;
  }
  const int menu = IsTopLevel(record) ? MenuBarHeight(record) : 0;
  const RECT menuRect{frame, frame + caption, width - frame, frame + caption + menu};
  if (menu > 0 && PtInRect(&menuRect, at)) return HTMENU;
  return HTBORDER;
}
