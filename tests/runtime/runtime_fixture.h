#pragma once
// What the runtime tests share: the window fixture with the resource-failure strings and a few
// small bitmaps registered, and owner-draw items on a canvas.
#include <string>

#include "tests/platform/gdi/canvas.h"
#include "resources/resource_strings.h"
#include "tests/platform/support/window_fixture.h"

namespace runtime_test {

constexpr COLORREF Red = RGB(255, 0, 0);
constexpr COLORREF Blue = RGB(0, 0, 255);
constexpr COLORREF Gray = RGB(192, 192, 192);
constexpr COLORREF Magenta = RGB(255, 0, 255);

class RuntimeTest : public window_test::WindowTest {
 protected:
  RuntimeTest() {
    Resources().AddString(CannotCreateDialogStringId, "Cannot create dialog box ");
    Resources().AddString(CannotLoadIconStringId, "Cannot load icon ");
    Resources().AddString(CannotLoadBitmapStringId, "Cannot load bitmap ");
    Resources().AddBitmap("RED", Surface(6, 4, Red));
    // Four columns: blue, blue, red, red.
    Surface halves(4, 2, Blue);
    for (int y = 0; y < 2; ++y) {
      halves.SetPixel(2, y, Red);
      halves.SetPixel(3, y, Red);
    }
    Resources().AddBitmap("HALVES", halves);
  }

  int BoxesSaying(const std::string& text) const {
    int count = 0;
    for (const MessageBoxRecord& box : driver.MessageBoxes()) count += box.text == text ? 1 : 0;
    return count;
  }
};

inline DRAWITEMSTRUCT ButtonItem(CDC& dc, RECT rect, UINT state, UINT action = ODA_DRAWENTIRE) {
  DRAWITEMSTRUCT item;
  item.CtlType = ODT_BUTTON;
  item.itemAction = action;
  item.itemState = state;
  item.hDC = dc.m_hDC;
  item.rcItem = rect;
  return item;
}

}  // namespace runtime_test
