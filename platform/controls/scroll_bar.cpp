#include "platform/controls/scroll_bar.h"

#include <algorithm>

#include "platform/gdi/cdc.h"
#include "platform/gdi/look3d.h"

namespace {

constexpr int MinimumThumb = 8;

struct BarLayout {
  RECT back{};
  RECT forward{};
  RECT track{};
  RECT thumb{};
  bool vertical = true;
  bool scrollable = false;
  bool thumbShown = false;
  int trackStart = 0;
  int travel = 0;  // how far the thumb can move
};

ScrollingState* StateOf(HWND window) { return GetWindowExtraAs<ScrollingState>(window); }

DWORD StyleOf(HWND window) { return static_cast<DWORD>(GetWindowLong(window, GWL_STYLE)); }

bool HasBar(HWND window, const ScrollingState& state, int bar) {
  switch (bar) {
    case SB_VERT: return !state.isControl && (StyleOf(window) & WS_VSCROLL) != 0;
    case SB_HORZ: return !state.isControl && (StyleOf(window) & WS_HSCROLL) != 0;
    case SB_CTL: return state.isControl;
    default: return false;
  }
}

bool IsVertical(HWND window, int bar) { return bar == SB_VERT || (bar == SB_CTL && (StyleOf(window) & SBS_VERT) != 0); }

ScrollBarState* BarOf(HWND window, ScrollingState& state, int bar) {
  if (!HasBar(window, state, bar)) return nullptr;
  return IsVertical(window, bar) ? &state.vertical : &state.horizontal;
}

RECT ScreenClient(HWND window) {
  RECT client{};
  GetClientRect(window, &client);
  POINT origin{0, 0};
  ClientToScreen(window, &origin);
  OffsetRect(&client, origin.x, origin.y);
  return client;
}

RECT BarOnScreen(HWND window, int bar) {
  const RECT client = ScreenClient(window);
  if (bar == SB_VERT)
    return RECT{client.right, client.top, client.right + GetSystemMetrics(SM_CXVSCROLL), client.bottom};
  if (bar == SB_HORZ)
    return RECT{client.left, client.bottom, client.right, client.bottom + GetSystemMetrics(SM_CYHSCROLL)};
  return client;
}

BarLayout LayoutBar(const RECT& whole, bool vertical, const ScrollBarState& state, int shown, bool enabled) {
  BarLayout layout;
  layout.vertical = vertical;
  const int start = vertical ? whole.top : whole.left;
  const int length = vertical ? whole.bottom - whole.top : whole.right - whole.left;
  const int thickness = vertical ? whole.right - whole.left : whole.bottom - whole.top;
  const int arrow = std::min(thickness, length / 2);
  auto span = [&](int from, int to) {
    return vertical ? RECT{whole.left, from, whole.right, to} : RECT{from, whole.top, to, whole.bottom};
  };
  layout.back = span(start, start + arrow);
  layout.forward = span(start + length - arrow, start + length);
  layout.track = span(start + arrow, start + length - arrow);
  layout.trackStart = start + arrow;
  const int trackLength = length - 2 * arrow;
  const int last = LastScrollPosition(state);
  layout.scrollable = enabled && last > state.minimum;
  const int range = state.maximum - state.minimum + 1;
  const int thumbLength = state.page > 0 ? std::max(MinimumThumb, MulDiv(trackLength, state.page, range)) : thickness;
  layout.thumbShown = layout.scrollable && thumbLength < trackLength;
  layout.travel = std::max(0, trackLength - thumbLength);
  if (layout.thumbShown) {
    const int offset =
        MulDiv(layout.travel, std::clamp(shown, state.minimum, last) - state.minimum, last - state.minimum);
    layout.thumb = span(layout.trackStart + offset, layout.trackStart + offset + thumbLength);
  }
  return layout;
}

BarLayout LayoutOf(HWND window, int bar, const ScrollingState& state, const ScrollBarState& values) {
  const bool thumbHeld = state.tracking.bar == bar && state.tracking.part == ScrollPart::Thumb;
  return LayoutBar(BarOnScreen(window, bar), IsVertical(window, bar), values,
                   thumbHeld ? state.tracking.dragPosition : values.position, IsWindowEnabled(window) != FALSE);
}

ScrollPart PartAt(const BarLayout& layout, POINT point) {
  if (!layout.scrollable) return ScrollPart::None;
  if (PtInRect(&layout.back, point)) return ScrollPart::LineBack;
  if (PtInRect(&layout.forward, point)) return ScrollPart::LineForward;
  if (!PtInRect(&layout.track, point)) return ScrollPart::None;
  const int along = layout.vertical ? point.y : point.x;
  if (!layout.thumbShown) {
    const int middle =
        layout.vertical ? (layout.track.top + layout.track.bottom) / 2 : (layout.track.left + layout.track.right) / 2;
    return along < middle ? ScrollPart::PageBack : ScrollPart::PageForward;
  }
  if (along < (layout.vertical ? layout.thumb.top : layout.thumb.left)) return ScrollPart::PageBack;
  if (along >= (layout.vertical ? layout.thumb.bottom : layout.thumb.right)) return ScrollPart::PageForward;
  return ScrollPart::Thumb;
}

UINT RequestOf(ScrollPart part) {
  switch (part) {
    case ScrollPart::LineBack: return SB_LINEUP;
    case ScrollPart::PageBack: return SB_PAGEUP;
    case ScrollPart::PageForward: return SB_PAGEDOWN;
    default: return SB_LINEDOWN;
  }
}

// Window bars tell their own window; a scroll bar control tells its parent and names itself.
void SendRequest(HWND window, int bar, UINT code, int position) {
  const UINT message = IsVertical(window, bar) ? WM_VSCROLL : WM_HSCROLL;
  const WPARAM wParam = MAKEWPARAM(code, static_cast<unsigned>(position));
  if (bar == SB_CTL) {
    SendMessage(GetParent(window), message, wParam, reinterpret_cast<LPARAM>(window));
  } else {
    SendMessage(window, message, wParam, 0);
  }
}

RECT InWindow(RECT rect, POINT windowOrigin) {
  OffsetRect(&rect, -windowOrigin.x, -windowOrigin.y);
  return rect;
}

void PaintBar(CDC& dc, HWND window, int bar, const ScrollingState& state, const ScrollBarState& values,
              POINT windowOrigin) {
  const BarLayout layout = LayoutOf(window, bar, state, values);
  const bool held = state.tracking.bar == bar && state.tracking.over;
  const ScrollPart part = state.tracking.part;
  look3d::DrawArrowButton(dc, InWindow(layout.back, windowOrigin),
                          layout.vertical ? look3d::Arrow::Up : look3d::Arrow::Left,
                          held && part == ScrollPart::LineBack, !layout.scrollable);
  look3d::DrawArrowButton(dc, InWindow(layout.forward, windowOrigin),
                          layout.vertical ? look3d::Arrow::Down : look3d::Arrow::Right,
                          held && part == ScrollPart::LineForward, !layout.scrollable);
  look3d::DrawScrollTrack(dc, InWindow(layout.track, windowOrigin));
  if (layout.thumbShown) look3d::DrawScrollThumb(dc, InWindow(layout.thumb, windowOrigin));
}

// Keeps the bar's values within each other; true when they changed.
bool StoreBar(HWND window, int bar, ScrollBarState values) {
  ScrollingState* state = StateOf(window);
  ScrollBarState* target = state == nullptr ? nullptr : BarOf(window, *state, bar);
  if (target == nullptr) return false;
  values.maximum = std::max(values.maximum, values.minimum);
  values.page = std::clamp(values.page, 0, values.maximum - values.minimum + 1);
  values.position = std::clamp(values.position, values.minimum, LastScrollPosition(values));
  const bool changed = values.minimum != target->minimum || values.maximum != target->maximum ||
                       values.page != target->page || values.position != target->position;
  *target = values;
  return changed;
}

}  // namespace

int LastScrollPosition(const ScrollBarState& bar) {
  return std::max(bar.minimum, bar.maximum - std::max(bar.page - 1, 0));
}

// The bar is drawn with the window's next paint, so that a run of changes (a list filled item by
// item) draws it once.
void SetScrollBarState(HWND window, int bar, ScrollBarState values) {
  if (!StoreBar(window, bar, values)) return;
  if (bar == SB_CTL) {
    InvalidateRect(window, nullptr, FALSE);
    return;
  }
  RECT clientUntouched{};
  RedrawWindow(window, &clientUntouched, nullptr, RDW_INVALIDATE | RDW_FRAME);
}

void PaintScrollBars(HWND window) {
  const ScrollingState* state = StateOf(window);
  if (state == nullptr || !IsWindowVisible(window)) return;
  const HDC handle = GetWindowDC(window);
  CDC* dc = CDC::FromHandle(handle);
  if (dc == nullptr) return;
  RECT windowRect{};
  GetWindowRect(window, &windowRect);
  const POINT origin{windowRect.left, windowRect.top};
  for (int bar : {SB_VERT, SB_HORZ, SB_CTL}) {
    if (!HasBar(window, *state, bar)) continue;
    PaintBar(*dc, window, bar, *state, IsVertical(window, bar) ? state->vertical : state->horizontal, origin);
  }
  if (HasBar(window, *state, SB_VERT) && HasBar(window, *state, SB_HORZ)) {
    const RECT vertical = BarOnScreen(window, SB_VERT);
    const RECT horizontal = BarOnScreen(window, SB_HORZ);
    const RECT corner = InWindow(RECT{vertical.left, horizontal.top, vertical.right, horizontal.bottom}, origin);
    dc->FillSolidRect(&corner, look3d::Face);
  }
  ReleaseDC(window, handle);
}

int ScrollBarHitTest(HWND window, POINT screen) {
  const ScrollingState* state = StateOf(window);
  if (state == nullptr || state->isControl) return HTNOWHERE;
  for (int bar : {SB_VERT, SB_HORZ}) {
    const RECT rect = BarOnScreen(window, bar);
    if (HasBar(window, *state, bar) && PtInRect(&rect, screen)) return bar == SB_VERT ? HTVSCROLL : HTHSCROLL;
  }
  return HTNOWHERE;
}

void BeginScrollTracking(HWND window, int bar, POINT screen) {
  ScrollingState* state = StateOf(window);
  const ScrollBarState* values = state == nullptr ? nullptr : BarOf(window, *state, bar);
  if (values == nullptr) return;
  const BarLayout layout = LayoutOf(window, bar, *state, *values);
  const ScrollPart part = PartAt(layout, screen);
  if (part == ScrollPart::None) return;
  ScrollTracking& tracking = state->tracking;
  tracking = ScrollTracking{};
  tracking.bar = bar;
  tracking.part = part;
  tracking.over = true;
  tracking.tookCapture = GetCapture() != window;
  tracking.grab = layout.vertical ? screen.y - layout.thumb.top : screen.x - layout.thumb.left;
  tracking.dragPosition = values->position;
  if (tracking.tookCapture) SetCapture(window);
  PaintScrollBars(window);
  if (part != ScrollPart::Thumb) SendRequest(window, bar, RequestOf(part), 0);
}

bool ContinueScrollTracking(HWND window, UINT message, POINT screen) {
  ScrollingState* state = StateOf(window);
  if (state == nullptr || state->tracking.bar < 0) return false;
  ScrollTracking& tracking = state->tracking;
  const ScrollBarState* values = BarOf(window, *state, tracking.bar);
  if (message == WM_CAPTURECHANGED || values == nullptr) {
    tracking = ScrollTracking{};
    PaintScrollBars(window);
    return false;
  }
  if (message == WM_MOUSEMOVE) {
    const BarLayout layout = LayoutOf(window, tracking.bar, *state, *values);
    if (tracking.part != ScrollPart::Thumb) {
      const bool over = PartAt(layout, screen) == tracking.part;
      if (over != tracking.over) {
        tracking.over = over;
        PaintScrollBars(window);
      }
      return true;
    }
    if (layout.travel <= 0) return true;
    const int along = (layout.vertical ? screen.y : screen.x) - tracking.grab - layout.trackStart;
    const int position = values->minimum + MulDiv(std::clamp(along, 0, layout.travel),
                                                  LastScrollPosition(*values) - values->minimum, layout.travel);
    if (position != tracking.dragPosition) {
      tracking.dragPosition = position;
      PaintScrollBars(window);
      SendRequest(window, tracking.bar, SB_THUMBTRACK, position);
    }
    return true;
  }
  if (message != WM_LBUTTONUP) return false;
  const ScrollTracking ended = tracking;
  tracking = ScrollTracking{};
  if (ended.tookCapture && GetCapture() == window) ReleaseCapture();
  if (!IsWindow(window)) return true;
  PaintScrollBars(window);
  if (ended.part == ScrollPart::Thumb) SendRequest(window, ended.bar, SB_THUMBPOSITION, ended.dragPosition);
  if (IsWindow(window)) SendRequest(window, ended.bar, SB_ENDSCROLL, 0);
  return true;
}

int GetScrollPos(HWND window, int bar) {
  ScrollingState* state = StateOf(window);
  const ScrollBarState* values = state == nullptr ? nullptr : BarOf(window, *state, bar);
  return values == nullptr ? 0 : values->position;
}

int SetScrollPos(HWND window, int bar, int position, BOOL redraw) {
  ScrollingState* state = StateOf(window);
  ScrollBarState* values = state == nullptr ? nullptr : BarOf(window, *state, bar);
  if (values == nullptr) return 0;
  const int previous = values->position;
  ScrollBarState changed = *values;
  changed.position = position;
  if (StoreBar(window, bar, changed) && redraw) PaintScrollBars(window);
  return previous;
}

BOOL GetScrollRange(HWND window, int bar, int* minimum, int* maximum) {
  ScrollingState* state = StateOf(window);
  const ScrollBarState* values = state == nullptr ? nullptr : BarOf(window, *state, bar);
  if (values == nullptr || minimum == nullptr || maximum == nullptr) return FALSE;
  *minimum = values->minimum;
  *maximum = values->maximum;
  return TRUE;
}

BOOL SetScrollRange(HWND window, int bar, int minimum, int maximum, BOOL redraw) {
  ScrollingState* state = StateOf(window);
  const ScrollBarState* values = state == nullptr ? nullptr : BarOf(window, *state, bar);
  if (values == nullptr) return FALSE;
  ScrollBarState changed = *values;
  changed.minimum = minimum;
  changed.maximum = maximum;
  if (StoreBar(window, bar, changed) && redraw) PaintScrollBars(window);
  return TRUE;
}
