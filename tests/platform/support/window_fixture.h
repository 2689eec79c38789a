#pragma once
// What the window tests share: a driver on the headless backend, a window class that records the
// messages it gets, and clean-up of every window and resource a test leaves behind.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/win/resources.h"
#include "platform/testing/test_driver.h"
#include "platform/win/window_api.h"

namespace window_test {

inline std::vector<std::string>& Log() {
  static std::vector<std::string> log;
  return log;
}

inline std::string MessageName(UINT message) {
  switch (message) {
    case WM_ACTIVATE: return "WM_ACTIVATE";
    case WM_NCACTIVATE: return "WM_NCACTIVATE";
    case WM_SETFOCUS: return "WM_SETFOCUS";
    case WM_KILLFOCUS: return "WM_KILLFOCUS";
    case WM_DESTROY: return "WM_DESTROY";
    case WM_NCDESTROY: return "WM_NCDESTROY";
    case WM_PAINT: return "WM_PAINT";
    case WM_SETCURSOR: return "WM_SETCURSOR";
    case WM_LBUTTONDOWN: return "WM_LBUTTONDOWN";
    case WM_LBUTTONUP: return "WM_LBUTTONUP";
    case WM_USER: return "WM_USER";
    case WM_USER + 1: return "WM_USER+1";
    default: return {};
  }
}

// Logs "name: message" (and, for activation, the state) for the messages MessageName knows.
inline LRESULT RecorderProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  const std::string name = MessageName(message);
  if (!name.empty()) {
    std::string entry = GetWindowTextString(window) + ": " + name;
    if (message == WM_ACTIVATE) entry += LOWORD(wParam) == WA_INACTIVE ? " inactive" : " active";
    if (message == WM_NCACTIVATE) entry += wParam != 0 ? " on" : " off";
    Log().push_back(entry);
  }
  return DefWindowProc(window, message, wParam, lParam);
}

// A light-gray class of the test's own; registering a name a second time changes nothing.
inline void RegisterTestClass(const char* name, WNDPROC procedure) {
  WNDCLASS windowClass;
  windowClass.lpfnWndProc = procedure;
  windowClass.lpszClassName = name;
  windowClass.hbrBackground = GetStockObject(LTGRAY_BRUSH);
  RegisterClass(&windowClass);
}

inline void RegisterRecorder() { RegisterTestClass("RECORDER", RecorderProc); }

class WindowTest : public ::testing::Test {
 protected:
  WindowTest() {
    RegisterRecorder();
    Log().clear();
  }
  ~WindowTest() override {
    for (HWND window : TopLevelWindows()) DestroyWindow(window);
    driver.Pump();
    Resources().Clear();
  }

  HWND TopLevel(const char* name, int x, int y, int width, int height, DWORD style = WS_OVERLAPPED | WS_CAPTION) {
    return CreateWindowEx(0, "RECORDER", name, style | WS_VISIBLE, x, y, width, height, nullptr, nullptr, nullptr,
                          nullptr);
  }
  HWND Child(HWND parent, const char* name, int id, RECT rect, DWORD style = WS_VISIBLE) {
    return CreateWindowEx(0, "RECORDER", name, WS_CHILD | style, rect.left, rect.top, rect.right - rect.left,
                          rect.bottom - rect.top, parent, HandleFromNumber<HMENU>(static_cast<unsigned>(id)), nullptr,
                          nullptr);
  }

  TestDriver driver;
};

// A pixel of a window's client area, read from its top-level window's framebuffer.
inline COLORREF PixelAt(HWND window, int x, int y) {
  const HWND top = GetTopLevel(window);
  RECT topRect{};
  GetWindowRect(top, &topRect);
  POINT point{x, y};
  ClientToScreen(window, &point);
  const Surface* pixels = WindowSurface(top);
  return pixels->Pixel(point.x - topRect.left, point.y - topRect.top);
}

inline DialogItemTemplate Item(const char* className, const char* text, int id, DWORD style, short x, short y, short cx,
                               short cy) {
  DialogItemTemplate item;
  item.className = className;
  item.text = text;
  item.id = id;
  item.style = WS_CHILD | WS_VISIBLE | style;
  item.x = x;
  item.y = y;
  item.cx = cx;
  item.cy = cy;
  return item;
}

}  // namespace window_test
