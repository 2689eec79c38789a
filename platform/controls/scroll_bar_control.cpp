#include "platform/controls/scroll_bar_control.h"

#include "platform/controls/scroll_bar.h"

namespace {

POINT ScreenPoint(HWND bar, LPARAM lParam) {
  POINT point{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
  ClientToScreen(bar, &point);
  return point;
}

LRESULT Create(HWND bar, WPARAM wParam, LPARAM lParam) {
  auto state = std::make_unique<ScrollingState>();
  state->isControl = true;
  SetWindowExtra(bar, std::move(state));
  return DefWindowProc(bar, WM_NCCREATE, wParam, lParam);
}

void Paint(HWND bar) {
  PAINTSTRUCT paint;
  BeginPaint(bar, &paint);
  PaintScrollBars(bar);
  EndPaint(bar, &paint);
}

LRESULT SetRange(HWND bar, WPARAM minimum, LPARAM maximum) {
  SetScrollRange(bar, SB_CTL, static_cast<int>(minimum), static_cast<int>(maximum), TRUE);
  return 0;
}

LRESULT GetRange(HWND bar, WPARAM minimumOut, LPARAM maximumOut) {
  int minimum = 0;
  int maximum = 0;
  GetScrollRange(bar, SB_CTL, &minimum, &maximum);
  if (auto* out = reinterpret_cast<int*>(minimumOut)) *out = minimum;
  if (auto* out = reinterpret_cast<int*>(maximumOut)) *out = maximum;
  return 0;
}

}  // namespace

LRESULT ScrollBarWindowProc(HWND bar, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCCREATE) return Create(bar, wParam, lParam);
  if (GetWindowExtraAs<ScrollingState>(bar) == nullptr) return DefWindowProc(bar, message, wParam, lParam);
  switch (message) {
    case WM_ERASEBKGND: return 1;
    case WM_PAINT: Paint(bar); return 0;
    case WM_LBUTTONDOWN: BeginScrollTracking(bar, SB_CTL, ScreenPoint(bar, lParam)); return 0;
    case WM_MOUSEMOVE:
    case WM_LBUTTONUP:
    case WM_CAPTURECHANGED: ContinueScrollTracking(bar, message, ScreenPoint(bar, lParam)); return 0;
    case SBM_SETPOS: return SetScrollPos(bar, SB_CTL, static_cast<int>(wParam), lParam != 0 ? TRUE : FALSE);
    case SBM_GETPOS: return GetScrollPos(bar, SB_CTL);
    case SBM_SETRANGE: return SetRange(bar, wParam, lParam);
    case SBM_GETRANGE: return GetRange(bar, wParam, lParam);
    default: return DefWindowProc(bar, message, wParam, lParam);
  }
}
