// A small program on the real entry of the layer, for the desktop test: a window with a push
// button, a pad that takes clicks and typing, a button that opens a message box, and, when "w" is
// typed on the pad, a window it owns whose close box lies over one of its buttons. It prints what
// it receives, one line each, so that the test can follow it.
#include <cstdio>
#include <iostream>
#include <string>

#include "platform/win/control_constants.h"
#include "platform/win/cwinapp.h"
#include "platform/win/menu.h"
#include "platform/win/message_box.h"
#include "platform/gdi/gdi_api.h"
#include "platform/win/window_api.h"

namespace {

constexpr int PressId = 100;
constexpr int PadId = 101;
constexpr int BoxId = 102;
constexpr int ComboId = 103;
constexpr int UnderId = 104;
constexpr int InsideId = 300;
constexpr int HelloId = 200;

void Say(const std::string& line) { std::cout << line << std::endl; }

std::string Hex(unsigned value) {
  char text[16];
  std::snprintf(text, sizeof text, "%02x", value);
  return text;
}

std::string RectOf(HWND window) {
  RECT rect{};
  GetWindowRect(window, &rect);
  return std::to_string(rect.left) + " " + std::to_string(rect.top) + " " + std::to_string(rect.right) + " " +
         std::to_string(rect.bottom);
}

std::string CentreOf(HWND window) {
  RECT rect{};
  GetWindowRect(window, &rect);
  return std::to_string((rect.left + rect.right) / 2) + " " + std::to_string((rect.top + rect.bottom) / 2);
}

LRESULT OwnedProc(HWND owned, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_COMMAND: Say("command " + std::to_string(LOWORD(wParam))); return 0;
    case WM_DESTROY: Say("owned destroyed"); return 0;
    default: return DefWindowProc(owned, message, wParam, lParam);
  }
}

// The owned window's caption lies over the "Under" button, its close box over the button's middle
// column; the desktop shows the caption in its own frame, or, without a window manager, not at all.
void OpenOwned(HWND main) {
  RECT under{};
  GetWindowRect(GetDlgItem(main, UnderId), &under);
  constexpr int Width = 160;
  const int closeBoxMiddle = Width - 13;
  const int left = (under.left + under.right) / 2 - closeBoxMiddle;
  const HWND owned = CreateWindowEx(0, "DEMOOWNED", "Owned demo", WS_POPUP | WS_CAPTION | WS_SYSMENU, left,
                                    under.top + 8, Width, 100, main, nullptr, nullptr, nullptr);
  const HWND inside = CreateWindowEx(0, "BUTTON", "Inside", WS_CHILD | WS_VISIBLE, 20, 20, 100, 30, owned,
                                     HandleFromNumber<HMENU>(static_cast<unsigned>(InsideId)), nullptr, nullptr);
  if (owned == nullptr || inside == nullptr) return;
  ShowWindow(owned, SW_SHOWNORMAL);
  UpdateWindow(owned);
  Say("owned " + RectOf(GetDlgItem(main, UnderId)));
}

LRESULT PadProc(HWND pad, UINT message, WPARAM wParam, LPARAM lParam) {
  static bool marked = false;
  switch (message) {
    case WM_ERASEBKGND: {
      if (!marked) return DefWindowProc(pad, message, wParam, lParam);
      RECT client{};
      GetClientRect(pad, &client);
      const HBRUSH blue = CreateSolidBrush(RGB(0, 0, 255));
      FillRect(reinterpret_cast<HDC>(wParam), &client, blue);
      DeleteObject(blue);
      return 1;
    }
    case WM_LBUTTONDOWN:
      SetFocus(pad);
      Say("pad down");
      return 0;
    case WM_LBUTTONDBLCLK: Say("pad dblclk"); return 0;
    case WM_LBUTTONUP: Say("pad up"); return 0;
    case WM_CHAR:
      Say("pad char " + Hex(static_cast<unsigned>(wParam)));
      if (wParam == '>') Say("warped " + std::to_string(SetCursorPos(500, 400)));
      if (wParam == 'w') OpenOwned(GetParent(pad));
      if (wParam == '#') {
        marked = true;
        InvalidateRect(pad, nullptr, TRUE);
      }
      return 0;
    default: return DefWindowProc(pad, message, wParam, lParam);
  }
}

LRESULT MainProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_COMMAND:
      if (LOWORD(wParam) == PressId) {
        Say("command " + std::to_string(PressId));
        SetWindowText(window, "Pressed");
      } else if (LOWORD(wParam) == ComboId && HIWORD(wParam) == CBN_SELCHANGE) {
        const LRESULT chosen = SendDlgItemMessage(window, ComboId, CB_GETCURSEL, 0, 0);
        Say("combo " + std::to_string(chosen));
      } else if (LOWORD(wParam) == UnderId) {
        Say("command " + std::to_string(UnderId));
      } else if (LOWORD(wParam) == HelloId) {
        Say("command " + std::to_string(HelloId));
      } else if (LOWORD(wParam) == BoxId) {
        Say("box open");
        Say("box " + std::to_string(MessageBox(window, "A modal box", "Demo box", MB_OK)));
      }
      return 0;
    case WM_SIZE: Say("size " + std::to_string(LOWORD(lParam)) + " " + std::to_string(HIWORD(lParam))); return 0;
    case WM_MOVE: Say("moved"); return 0;
    case WM_SYSCOMMAND:
      Say("syscommand " + Hex(static_cast<unsigned>(wParam)));
      return DefWindowProc(window, message, wParam, lParam);
    case WM_DESTROY:
      Say("destroyed");
      PostQuitMessage(0);
      return 0;
    default: return DefWindowProc(window, message, wParam, lParam);
  }
}

class DemoApp : public CWinApp {
 public:
  BOOL InitInstance() override {
    WNDCLASS main;
    main.lpfnWndProc = MainProc;
    main.lpszClassName = "DEMOMAIN";
    main.hbrBackground = GetStockObject(LTGRAY_BRUSH);
    WNDCLASS pad;
    pad.style = CS_DBLCLKS;
    pad.lpfnWndProc = PadProc;
    pad.lpszClassName = "DEMOPAD";
    pad.hbrBackground = GetStockObject(WHITE_BRUSH);
    WNDCLASS owned;
    owned.lpfnWndProc = OwnedProc;
    owned.lpszClassName = "DEMOOWNED";
    owned.hbrBackground = GetStockObject(LTGRAY_BRUSH);
    if (!RegisterClass(&main) || !RegisterClass(&pad) || !RegisterClass(&owned)) return FALSE;
    const HMENU file = CreatePopupMenu();
    AppendMenu(file, MF_STRING, HelloId, "Hello");
    const HMENU bar = CreateMenu();
    AppendMenu(bar, MF_POPUP, NumberFromHandle(file), "File");
    const HWND window =
        CreateWindowEx(0, "DEMOMAIN", "Tavrin demo", WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_THICKFRAME, 60, 50,
                       360, 220, nullptr, bar, nullptr, nullptr);
    auto child = [&](const char* className, const char* text, int id, int x, int y, int width, int height) {
      return CreateWindowEx(0, className, text, WS_CHILD | WS_VISIBLE | WS_TABSTOP, x, y, width, height, window,
                            HandleFromNumber<HMENU>(static_cast<unsigned>(id)), nullptr, nullptr);
    };
    const HWND press = child("BUTTON", "Press", PressId, 20, 20, 100, 30);
    const HWND box = child("BUTTON", "Box", BoxId, 20, 70, 100, 30);
    const HWND area = child("DEMOPAD", "", PadId, 160, 20, 150, 100);
    const HWND under = child("BUTTON", "Under", UnderId, 160, 124, 150, 48);
    const HWND combo =
        CreateWindowEx(0, "COMBOBOX", "", WS_CHILD | WS_VISIBLE | WS_TABSTOP | CBS_DROPDOWNLIST, 20, 120, 120, 100,
                       window, HandleFromNumber<HMENU>(static_cast<unsigned>(ComboId)), nullptr, nullptr);
    if (window == nullptr || press == nullptr || box == nullptr || area == nullptr || under == nullptr ||
        combo == nullptr) {
      return FALSE;
    }
    for (const char* item : {"H2O", "NaCl", "KCl"}) {
      SendMessage(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item));
    }
    ShowWindow(window, SW_SHOWNORMAL);
    UpdateWindow(window);
    POINT menu{12, -GetSystemMetrics(SM_CYMENU) / 2};
    ClientToScreen(window, &menu);
    POINT client{0, 0};
    ClientToScreen(window, &client);
    // Where the desktop window showing it is asked to go, and its size: the window without the
    // caption and frame the desktop draws.
    RECT frame{};
    AdjustWindowRectEx(&frame, static_cast<DWORD>(GetWindowLong(window, GWL_STYLE)), FALSE, 0);
    RECT placed{};
    GetWindowRect(window, &placed);
    Say("ready " + CentreOf(press) + " " + CentreOf(box) + " " + CentreOf(area) + " " + std::to_string(menu.x) + " " +
        std::to_string(menu.y) + " " + std::to_string(client.y) + " " + CentreOf(combo) + " " +
        std::to_string(placed.left - frame.left) + " " + std::to_string(placed.top - frame.top) + " " +
        std::to_string(placed.right - placed.left - (frame.right - frame.left)) + " " +
        std::to_string(placed.bottom - placed.top - (frame.bottom - frame.top)));
    return TRUE;
  }
};

}  // namespace

int main() {
  DemoApp app;
  return AfxWinMain();
}
