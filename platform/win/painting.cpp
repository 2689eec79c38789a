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
  if (top == nullptr) return nullptr;
  EnsureSurface(*top);
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

void NotePaintPending(const WindowRecord& record) { System().paintPending.insert(record.handle); }

// Whether a shown window waits for paint in the top-level window, or in any window when that is
// null, without walking every window; forgets the noted windows painted or destroyed since.
bool AnyPaintPending(HWND topLevel = nullptr) {
  auto& pending = System().paintPending;
  bool any = false;
  for (auto each = pending.begin(); each != pending.end();) {
    const WindowRecord* record = FindWindowRecord(*each);
    if (record == nullptr || (record->update.IsEmpty() && !record->frameDirty)) {
      each = pending.erase(each);
      continue;
    }
    any = any || (NeedsPaint(*record) && (topLevel == nullptr || GetTopLevel(record->handle) == topLevel));
    ++each;
  }
  return any;
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
  const HWND top = GetTopLevel(record.handle);
  const RECT client = ClientRectInTopLevel(record);
  RECT area = clientRect;
  OffsetRect(&area, client.left, client.top);
  const RECT inClient = area;
  if (includeFrame) {
    const RECT whole = WindowRectInTopLevel(record);
    UnionRect(&area, &area, &whole);
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
  // Every window painted after this one, over the same pixels, paints again.
  const RECT bounds = visible.Bounds();
  bool after = false;
  ForEachInPaintOrder(top, [&](WindowRecord& other) {
    if (&other == &record) {
      after = true;
      return;
    }
    if (!after || !IsVisibleChain(other)) return;
    const RECT otherWindow = WindowRectInTopLevel(other);
    RECT meet;
    if (!IntersectRect(&meet, &otherWindow, &bounds)) return;
    NotePaintPending(other);
    const RECT otherClient = ClientRectInTopLevel(other);
    RECT inside;
    if (IntersectRect(&inside, &otherClient, &meet)) {
      if (!EqualRect(&inside, &meet)) other.frameDirty = true;
      OffsetRect(&inside, -otherClient.left, -otherClient.top);
      other.update.Add(inside);
      other.erase = true;
    } else {
      other.frameDirty = true;
    }
  });
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
  if (!AnyPaintPending()) return false;
  const std::vector<HWND> tops = System().topLevels;
  for (auto top = tops.rbegin(); top != tops.rend(); ++top) {
    if (!AnyPaintPending(*top)) continue;
    const HWND found = FindInPaintOrder(*top, [](WindowRecord& record) {
      if (!NeedsPaint(record)) return false;
      const HWND handle = record.handle;
      if (record.frameDirty) {
        record.frameDirty = false;
        SendMessage(handle, WM_NCPAINT, 1, 0);
      }
      const WindowRecord* alive = FindWindowRecord(handle);
      return alive != nullptr && !alive->update.IsEmpty();
    });
    if (found != nullptr) {
      const WindowSystem& system = System();
      *message = MSG{found, WM_PAINT, 0, 0, system.time, system.cursor};
      return true;
    }
  }
  return false;
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
  WindowRecord* record = FindWindowRecord(topLevel);
  if (record == nullptr || !IsTopLevel(*record)) return nullptr;
  EnsureSurface(*record);
  return record->surface.get();
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
