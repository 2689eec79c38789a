#include "platform/gdi/look3d_colours.h"
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
    case COLOR_WINDOW: return look3d::Window;
    case COLOR_BTNFACE: return look3d::Face;
    case COLOR_BTNSHADOW: return look3d::Shadow;
    case COLOR_GRAYTEXT: return look3d::GrayText;
    case COLOR_BTNHIGHLIGHT: return look3d::Highlight;
    default: return look3d::Dark;
  }
}

HBRUSH GetSysColorBrush(int index) {
  switch (GetSysColor(index)) {
    case look3d::Window: return GetStockObject(WHITE_BRUSH);
    case look3d::Face: return GetStockObject(LTGRAY_BRUSH);
    default: return GetStockObject(index == COLOR_BTNSHADOW || index == COLOR_GRAYTEXT ? GRAY_BRUSH : BLACK_BRUSH);
  }
}
