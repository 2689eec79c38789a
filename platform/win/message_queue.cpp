#include <cstdlib>

#include "platform/win/window_system.h"

namespace {

constexpr DWORD DoubleClickTime = 500;

struct Hit {
  HWND window = nullptr;
  int code = HTNOWHERE;
  bool blocked = false;
};

RECT ScreenRectOf(const WindowRecord& record, bool client) {
  RECT rect = client ? ClientRectInTopLevel(record) : WindowRectInTopLevel(record);
  const WindowRecord* top = FindWindowRecord(GetTopLevel(record.handle));
  OffsetRect(&rect, top->rect.left, top->rect.top);
  return rect;
}

// The window under a screen point: hidden and disabled windows are passed over, and so is a
// window that answers the hit test as transparent. With `shown`, the top-level window the screen
// shows there, only that window and its children are looked at.
Hit HitTest(POINT point, HWND shown = nullptr) {
  for (HWND top : System().topLevels) {
    WindowRecord* record = FindWindowRecord(top);
    if (record == nullptr || record->destroying || (record->style & WS_VISIBLE) == 0 ||
        !PtInRect(&record->rect, point) || (shown != nullptr && top != shown)) {
      continue;
    }
    Hit hit;
    hit.window = top;
    if ((record->style & WS_DISABLED) != 0) {
      hit.blocked = true;
      return hit;
    }
    const RECT client = ScreenRectOf(*record, true);
    if (!PtInRect(&client, point)) {
      hit.code = static_cast<int>(SendMessage(top, WM_NCHITTEST, 0, MAKELPARAM(point.x, point.y)));
      return hit;
    }
    hit.code = HTCLIENT;
    for (bool descended = true; descended;) {
      descended = false;
      const WindowRecord* at = FindWindowRecord(hit.window);
      if (at == nullptr) break;
      const std::vector<HWND> children = at->children;
      for (HWND child : children) {
        const WindowRecord* childRecord = FindWindowRecord(child);
        if (childRecord == nullptr || (childRecord->style & (WS_VISIBLE | WS_DISABLED)) != WS_VISIBLE) continue;
        const RECT childRect = ScreenRectOf(*childRecord, false);
        if (!PtInRect(&childRect, point)) continue;
        const int code = static_cast<int>(SendMessage(child, WM_NCHITTEST, 0, MAKELPARAM(point.x, point.y)));
        if (code == HTTRANSPARENT) continue;
        hit.window = child;
        hit.code = code;
        descended = true;
        break;
      }
    }
    return hit;
  }
  return Hit{};
}

WPARAM MouseKeys() {
  const WindowSystem& system = System();
  WPARAM keys = 0;
  if (system.leftDown) keys |= MK_LBUTTON;
  if (system.shiftDown) keys |= MK_SHIFT;
  if (system.controlDown) keys |= MK_CONTROL;
  return keys;
}

MSG MouseMessage(HWND window, UINT message, POINT screen, WPARAM keys) {
  POINT client = screen;
  ScreenToClient(window, &client);
  MSG msg;
  msg.hwnd = window;
  msg.message = message;
  msg.wParam = keys;
  msg.lParam = MAKELPARAM(static_cast<unsigned>(client.x), static_cast<unsigned>(client.y));
  msg.pt = screen;
  msg.time = System().messageTime;
  return msg;
}

HWND KeyboardTarget() {
  const WindowSystem& system = System();
  return system.focus != nullptr ? system.focus : system.active;
}

bool MouseDown(const InputEvent& event, MSG* out) {
  WindowSystem& system = System();
  system.leftDown = true;
  Hit hit = system.capture != nullptr ? Hit{system.capture, HTCLIENT, false} : HitTest(event.point, event.window);
  if (hit.window == nullptr || hit.blocked) return false;
  const HWND top = GetTopLevel(hit.window);
  const WindowRecord* topRecord = FindWindowRecord(top);
  if (top != system.active && topRecord != nullptr && !topRecord->neverActivate)
    SetActiveWindowWith(top, WA_CLICKACTIVE);
  if (!IsWindow(hit.window)) return false;
  SendMessage(hit.window, WM_SETCURSOR, reinterpret_cast<WPARAM>(hit.window),
              MAKELPARAM(static_cast<unsigned>(hit.code), WM_LBUTTONDOWN));
  if (hit.code != HTCLIENT) {
    system.nonClientPressWindow = hit.window;
    system.nonClientPressCode = hit.code;
    if (hit.code == HTMENU) {
      TrackMenuBarClick(hit.window, event.point);
      return false;
    }
    // The window's own non-client parts (a scroll bar) see the press.
    *out = MSG{hit.window,
               WM_NCLBUTTONDOWN,
               static_cast<WPARAM>(hit.code),
               MAKELPARAM(static_cast<unsigned>(event.point.x), static_cast<unsigned>(event.point.y)),
               event.time,
               event.point};
    return true;
  }
  const WindowRecord* record = FindWindowRecord(hit.window);
  if (record == nullptr) return false;
  const bool doubleClick = (record->windowClass->style & CS_DBLCLKS) != 0 && hit.window == system.lastDownWindow &&
                           !system.lastDownWasDouble && event.time - system.lastDownTime <= DoubleClickTime &&
                           std::abs(event.point.x - system.lastDownPoint.x) <= GetSystemMetrics(SM_CXDOUBLECLK) / 2 &&
                           std::abs(event.point.y - system.lastDownPoint.y) <= GetSystemMetrics(SM_CYDOUBLECLK) / 2;
  system.lastDownWindow = hit.window;
  system.lastDownTime = event.time;
  system.lastDownPoint = event.point;
  system.lastDownWasDouble = doubleClick;
  *out = MouseMessage(hit.window, doubleClick ? WM_LBUTTONDBLCLK : WM_LBUTTONDOWN, event.point, MouseKeys());
  return true;
}

bool MouseUp(const InputEvent& event, MSG* out) {
  WindowSystem& system = System();
  system.leftDown = false;
  Hit hit = system.capture != nullptr ? Hit{system.capture, HTCLIENT, false} : HitTest(event.point, event.window);
  const HWND pressed = system.nonClientPressWindow;
  const int pressedCode = system.nonClientPressCode;
  system.nonClientPressWindow = nullptr;
  system.nonClientPressCode = HTNOWHERE;
  if (hit.window == nullptr || hit.blocked) return false;
  if (hit.code != HTCLIENT) {
    if (hit.window == pressed && hit.code == pressedCode && (hit.code == HTCLOSE || hit.code == HTMINBUTTON)) {
      PostMessage(hit.window, WM_SYSCOMMAND, hit.code == HTCLOSE ? SC_CLOSE : SC_MINIMIZE, 0);
    }
    return false;
  }
  *out = MouseMessage(hit.window, WM_LBUTTONUP, event.point, MouseKeys());
  return true;
}

bool ConvertInput(const InputEvent& event, MSG* out) {
  WindowSystem& system = System();
  if (event.time > system.time) system.time = event.time;
  system.messageTime = event.time;
  switch (event.kind) {
    case InputEvent::Kind::MouseMove: {
      system.cursor = event.point;
      const Hit hit =
          system.capture != nullptr ? Hit{system.capture, HTCLIENT, false} : HitTest(event.point, event.window);
      if (hit.window == nullptr) return false;
      if (system.capture == nullptr) {
        SendMessage(hit.window, WM_SETCURSOR, reinterpret_cast<WPARAM>(hit.window),
                    MAKELPARAM(static_cast<unsigned>(hit.code), WM_MOUSEMOVE));
      }
      if (hit.blocked || hit.code != HTCLIENT || !IsWindow(hit.window)) return false;
      *out = MouseMessage(hit.window, WM_MOUSEMOVE, event.point, MouseKeys());
      return true;
    }
    case InputEvent::Kind::MouseDown: system.cursor = event.point; return MouseDown(event, out);
    case InputEvent::Kind::MouseUp: system.cursor = event.point; return MouseUp(event, out);
    case InputEvent::Kind::KeyDown:
    case InputEvent::Kind::KeyUp: {
      const bool down = event.kind == InputEvent::Kind::KeyDown;
      if (event.key == VK_SHIFT) system.shiftDown = down;
      if (event.key == VK_CONTROL) system.controlDown = down;
      const HWND target = KeyboardTarget();
      if (target == nullptr) return false;
      *out = MSG{target,     down ? WM_KEYDOWN : WM_KEYUP,
                 event.key,  down ? 1 : static_cast<LPARAM>(0xC0000001u),
                 event.time, system.cursor};
      return true;
    }
    case InputEvent::Kind::Character: {
      const HWND target = KeyboardTarget();
      if (target == nullptr) return false;
      *out = MSG{target, WM_CHAR, static_cast<unsigned char>(event.character), 1, event.time, system.cursor};
      return true;
    }
    case InputEvent::Kind::Close:
      if (!IsWindow(event.window)) return false;
      *out = MSG{event.window, WM_SYSCOMMAND, SC_CLOSE, 0, event.time, system.cursor};
      return true;
  }
  return false;
}

// The next message by priority: posted, then input, then the quit request, then painting.
bool TakeMessage(MSG* message, bool remove) {
  WindowSystem& system = System();
  while (system.posted.empty() && !system.input.empty()) {
    const InputEvent event = system.input.front();
    system.input.pop_front();
    MSG converted;
    if (ConvertInput(event, &converted)) system.posted.push_back(converted);
  }
  if (!system.posted.empty()) {
    *message = system.posted.front();
    if (remove) system.posted.pop_front();
    return true;
  }
  if (system.quitPending) {
    *message = MSG{nullptr, WM_QUIT, static_cast<WPARAM>(system.quitCode), 0, system.time, system.cursor};
    if (remove) system.quitPending = false;
    return true;
  }
  return NextPaintMessage(message);
}

}  // namespace

void InstallBackend(Backend* backend) { System().backend = backend; }

Backend* CurrentBackend() { return System().backend; }

void PostInput(const InputEvent& event) { System().input.push_back(event); }

LRESULT SendMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  WindowRecord* record = FindWindowRecord(window);
  if (record == nullptr || record->procedure == nullptr) return 0;
  return record->procedure(window, message, wParam, lParam);
}

BOOL PostMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  WindowSystem& system = System();
  if (window != nullptr && !IsWindow(window)) return FALSE;
  system.posted.push_back(MSG{window, message, wParam, lParam, system.time, system.cursor});
  return TRUE;
}

void PostQuitMessage(int exitCode) {
  WindowSystem& system = System();
  system.quitPending = true;
  system.quitCode = exitCode;
}

BOOL GetMessage(MSG* message, HWND, UINT, UINT) {
  if (message == nullptr) return FALSE;
  WindowSystem& system = System();
  if (!TakeMessage(message, true)) {
    PresentPending();
    if (system.backend == nullptr) {
      PostQuitMessage(0);
    } else {
      system.backend->WaitForInput();
    }
    // What the input did may have been handled already (a step processes its own input); the
    // caller gets an empty message then, so that its loop looks at its condition again.
    if (!TakeMessage(message, true)) *message = MSG{nullptr, WM_NULL, 0, 0, system.time, system.cursor};
  }
  return message->message == WM_QUIT ? FALSE : TRUE;
}

BOOL PeekMessage(MSG* message, HWND, UINT, UINT, UINT remove) {
  if (message == nullptr) return FALSE;
  if (TakeMessage(message, (remove & PM_REMOVE) != 0)) return TRUE;
  PresentPending();
  return FALSE;
}

BOOL TranslateMessage(const MSG* message) {
  if (message == nullptr || message->message != WM_KEYDOWN) return FALSE;
  char character = 0;
  switch (message->wParam) {
    case VK_RETURN: character = '\r'; break;
    case VK_ESCAPE: character = 0x1B; break;
    case VK_TAB: character = '\t'; break;
    case VK_BACK: character = '\b'; break;
    default: return FALSE;
  }
  WindowSystem& system = System();
  system.posted.push_front(MSG{message->hwnd, WM_CHAR, static_cast<WPARAM>(character), 1, message->time, message->pt});
  return TRUE;
}

LRESULT DispatchMessage(const MSG* message) {
  if (message == nullptr || message->hwnd == nullptr) return 0;
  System().messageTime = message->time;
  return SendMessage(message->hwnd, message->message, message->wParam, message->lParam);
}

DWORD GetMessageTime() { return System().messageTime; }

DWORD GetTickCount() { return System().time; }

UINT GetDoubleClickTime() { return DoubleClickTime; }

HWND WindowFromPoint(POINT screen) { return HitTest(screen).window; }
