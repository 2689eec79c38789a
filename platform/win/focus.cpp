#include <algorithm>

#include "platform/win/window_system.h"

namespace {

constexpr std::uintptr_t ArrowCursorHandle = 0x40001;
constexpr std::uintptr_t WaitCursorHandle = 0x40002;

// The window and the windows it owns go in front, the owned ones above their owner.
void BringToFront(HWND top) {
  auto& tops = System().topLevels;
  std::vector<HWND> moved{top};
  for (size_t index = 0; index < moved.size(); ++index) {
    for (HWND other : tops) {
      const WindowRecord* record = FindWindowRecord(other);
      if (record != nullptr && record->owner == moved[index] &&
          std::find(moved.begin(), moved.end(), other) == moved.end()) {
        moved.push_back(other);
      }
    }
  }
  std::vector<HWND> ordered;
  for (auto at = moved.rbegin(); at != moved.rend(); ++at) ordered.push_back(*at);
  tops.erase(std::remove_if(tops.begin(), tops.end(),
                            [&](HWND window) { return std::find(moved.begin(), moved.end(), window) != moved.end(); }),
             tops.end());
  tops.insert(tops.begin(), ordered.begin(), ordered.end());
  System().paintQueue.OrderChanged();
}

bool CanActivate(const WindowRecord* record) {
  return record != nullptr && !record->destroying && !record->neverActivate && (record->style & WS_VISIBLE) != 0 &&
         (record->style & WS_DISABLED) == 0;
}

}  // namespace

const LPCSTR IDC_ARROW = MAKEINTRESOURCE(32512);
const LPCSTR IDC_WAIT = MAKEINTRESOURCE(32514);

HWND SetActiveWindowWith(HWND window, UINT state) {
  WindowSystem& system = System();
  const HWND top = GetTopLevel(window);
  WindowRecord* record = FindWindowRecord(top);
  if (record == nullptr || record->destroying || record->neverActivate) return system.active;
  const HWND previous = system.active;
  if (top == previous) return previous;
  if (previous != nullptr) {
    SendMessage(previous, WM_NCACTIVATE, FALSE, 0);
    SendMessage(previous, WM_ACTIVATE, MAKEWPARAM(WA_INACTIVE, 0), reinterpret_cast<LPARAM>(top));
  }
  record = FindWindowRecord(top);
  if (record == nullptr || record->destroying) return previous;
  system.active = top;
  BringToFront(top);
  SendMessage(top, WM_NCACTIVATE, TRUE, 0);
  const bool minimized = FindWindowRecord(top) != nullptr && (FindWindowRecord(top)->style & WS_MINIMIZE) != 0;
  SendMessage(top, WM_ACTIVATE, MAKEWPARAM(state, minimized ? 1 : 0), reinterpret_cast<LPARAM>(previous));
  // The keyboard focus never stays behind in a window that is no longer active.
  if (system.active == top && system.focus != nullptr && system.focus != top && !IsChild(top, system.focus)) {
    SetFocus(nullptr);
  }
  return previous;
}

HWND SetActiveWindow(HWND window) { return SetActiveWindowWith(window, WA_ACTIVE); }

HWND GetActiveWindow() { return System().active; }

void ActivateNextAfter(HWND leaving) {
  WindowSystem& system = System();
  const WindowRecord* record = FindWindowRecord(leaving);
  HWND next = nullptr;
  if (record != nullptr && CanActivate(FindWindowRecord(record->owner))) next = record->owner;
  if (next == nullptr) {
    for (HWND candidate : system.topLevels) {
      const WindowRecord* other = FindWindowRecord(candidate);
      if (candidate != leaving && CanActivate(other) && other->owner != leaving) {
        next = candidate;
        break;
      }
    }
  }
  if (next != nullptr) {
    SetActiveWindow(next);
    return;
  }
  if (system.active == leaving) {
    SendMessage(leaving, WM_NCACTIVATE, FALSE, 0);
    SendMessage(leaving, WM_ACTIVATE, MAKEWPARAM(WA_INACTIVE, 0), 0);
    system.active = nullptr;
    SetFocus(nullptr);
  }
}

HWND SetFocus(HWND window) {
  WindowSystem& system = System();
  const HWND previous = system.focus;
  if (window == nullptr) {
    if (previous != nullptr) {
      SendMessage(previous, WM_KILLFOCUS, 0, 0);
      if (system.focus == previous) system.focus = nullptr;
    }
    return previous;
  }
  const WindowRecord* record = FindWindowRecord(window);
  // A disabled window, or one inside a disabled window, takes no keyboard input.
  if (record == nullptr || record->destroying || !IsEnabledChain(*record)) return nullptr;
  const HWND top = GetTopLevel(window);
  if (top != system.active) {
    SetActiveWindow(top);
    if (!IsWindow(window) || system.active != top) return nullptr;
  }
  const HWND old = system.focus;
  if (old == window) return old;
  if (old != nullptr) {
    SendMessage(old, WM_KILLFOCUS, reinterpret_cast<WPARAM>(window), 0);
    if (system.focus != old) return old;
  }
  if (!IsWindow(window)) return old;
  system.focus = window;
  SendMessage(window, WM_SETFOCUS, reinterpret_cast<WPARAM>(old), 0);
  return old;
}

HWND GetFocus() { return System().focus; }

void ForgetFocusWithin(HWND window) {
  const HWND focus = System().focus;
  if (focus != nullptr && (focus == window || IsChild(window, focus))) SetFocus(nullptr);
}

HWND SetCapture(HWND window) {
  WindowSystem& system = System();
  const HWND previous = system.capture;
  if (IsWindow(window)) system.capture = window;
  return previous;
}

BOOL ReleaseCapture() {
  WindowSystem& system = System();
  const HWND previous = system.capture;
  system.capture = nullptr;
  if (previous != nullptr) SendMessage(previous, WM_CAPTURECHANGED, 0, 0);
  return TRUE;
}

HWND GetCapture() { return System().capture; }

HCURSOR LoadCursor(HINSTANCE, LPCSTR name) {
  if (name == IDC_ARROW) return HandleFromNumber<HCURSOR>(ArrowCursorHandle);
  if (name == IDC_WAIT) return HandleFromNumber<HCURSOR>(WaitCursorHandle);
  return nullptr;
}

HCURSOR SetCursor(HCURSOR cursor) {
  WindowSystem& system = System();
  const HCURSOR previous = system.currentCursor;
  system.currentCursor = cursor;
  if (system.backend != nullptr && cursor != previous) system.backend->ShowCursorShape(cursor);
  return previous;
}

HCURSOR GetCursor() { return System().currentCursor; }

BOOL SetCursorPos(int x, int y) {
  WindowSystem& system = System();
  if (system.backend == nullptr || !system.backend->MoveCursor(POINT{x, y})) return FALSE;
  system.cursor = POINT{x, y};
  return TRUE;
}

BOOL GetCursorPos(POINT* point) {
  if (point == nullptr) return FALSE;
  *point = System().cursor;
  return TRUE;
}

short GetKeyState(int key) {
  const WindowSystem& system = System();
  bool down = false;
  if (key == static_cast<int>(VK_SHIFT)) down = system.shiftDown;
  if (key == static_cast<int>(VK_CONTROL)) down = system.controlDown;
  if (key == 1) down = system.leftDown;
  return down ? static_cast<short>(0x8000) : 0;
}
