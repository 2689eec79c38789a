#include "platform/win/window_system.h"

int GetSystemMetrics(int index) {
  const WindowSystem& system = System();
  const SIZE screen = system.backend != nullptr ? system.backend->ScreenSize() : SIZE{1024, 768};
  switch (index) {
    case SM_CXSCREEN: return screen.cx;
    case SM_CYSCREEN: return screen.cy;
    case SM_CXVSCROLL:
    case SM_CYHSCROLL: return 16;
    case SM_CYCAPTION: return 18;
    case SM_CXBORDER:
    case SM_CYBORDER: return 1;
    case SM_CXDLGFRAME:
    case SM_CYDLGFRAME: return 3;
    case SM_CYMENU: return 19;
    case SM_CXDOUBLECLK:
    case SM_CYDOUBLECLK: return 4;
    default: return 0;
  }
}

DWORD GetSysColor(int index) {
  switch (index) {
    case COLOR_WINDOW: return RGB(255, 255, 255);
    case COLOR_BTNFACE: return RGB(192, 192, 192);
    case COLOR_BTNSHADOW:
    case COLOR_GRAYTEXT: return RGB(127, 127, 127);
    case COLOR_BTNHIGHLIGHT: return RGB(255, 255, 255);
    default: return RGB(0, 0, 0);
  }
}

HBRUSH GetSysColorBrush(int index) {
  switch (GetSysColor(index)) {
    case RGB(255, 255, 255): return GetStockObject(WHITE_BRUSH);
    case RGB(192, 192, 192): return GetStockObject(LTGRAY_BRUSH);
    default: return GetStockObject(index == COLOR_BTNSHADOW || index == COLOR_GRAYTEXT ? GRAY_BRUSH : BLACK_BRUSH);
  }
}
