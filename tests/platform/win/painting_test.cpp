#include "platform/gdi/cdc.h"
#include "platform/win/paint_dc.h"
#include "tests/platform/support/window_fixture.h"

namespace {

using window_test::Log;
using window_test::WindowTest;
using Messages = std::vector<std::string>;

Messages Paints() {
  Messages paints;
  for (const std::string& entry : Log()) {
    if (entry.find("WM_PAINT") != std::string::npos) paints.push_back(entry);
  }
  return paints;
}

TEST_F(WindowTest, ParentsPaintBeforeTheirChildrenAndLowerSiblingsBeforeHigherOnes) {
  const HWND top = TopLevel("T", 0, 0, 200, 200);
  Child(top, "upper", 1, RECT{10, 10, 60, 60});
  Child(top, "lower", 2, RECT{40, 40, 90, 90});
  driver.Pump();
  EXPECT_EQ(Paints(), (Messages{"T: WM_PAINT", "lower: WM_PAINT", "upper: WM_PAINT"}));
  Log().clear();
  // The lower sibling's repaint covers part of the upper one, which paints again over it.
  InvalidateRect(GetDlgItem(top, 2), nullptr, TRUE);
  driver.Pump();
  EXPECT_EQ(Paints(), (Messages{"lower: WM_PAINT", "upper: WM_PAINT"}));
  Log().clear();
  // A sibling that does not overlap stays as it is.
  Child(top, "apart", 3, RECT{150, 150, 160, 160});
  driver.Pump();
  Log().clear();
  InvalidateRect(GetDlgItem(top, 3), nullptr, TRUE);
  driver.Pump();
  EXPECT_EQ(Paints(), (Messages{"apart: WM_PAINT"}));
}

TEST_F(WindowTest, TheUpdateRegionCollectsRectanglesUntilPainted) {
  const HWND top = TopLevel("T", 0, 0, 200, 200);
  driver.Pump();
  RECT first{10, 10, 20, 20};
  RECT second{50, 5, 60, 30};
  InvalidateRect(top, &first, FALSE);
  InvalidateRect(top, &second, FALSE);
  RECT bounds{};
  ASSERT_TRUE(GetUpdateRect(top, &bounds, FALSE));
  EXPECT_EQ(bounds.left, 10);
  EXPECT_EQ(bounds.top, 5);
  EXPECT_EQ(bounds.right, 60);
  EXPECT_EQ(bounds.bottom, 30);
  PAINTSTRUCT paint;
  BeginPaint(top, &paint);
  // Only the invalid rectangles can be drawn into.
  FillRect(paint.hdc, &bounds, GetStockObject(BLACK_BRUSH));
  EndPaint(top, &paint);
  EXPECT_FALSE(GetUpdateRect(top, nullptr, FALSE));
  const Surface* pixels = WindowSurface(top);
  RECT client{};
  GetClientRect(top, &client);
  POINT origin{0, 0};
  ClientToScreen(top, &origin);
  auto at = [&](int x, int y) { return pixels->Pixel(origin.x + x, origin.y + y); };
  EXPECT_EQ(at(15, 15), RGB(0, 0, 0));
  EXPECT_EQ(at(55, 25), RGB(0, 0, 0));
  EXPECT_EQ(at(30, 15), RGB(192, 192, 192));
}

TEST_F(WindowTest, AHiddenChildLeavesItsPlaceToBeRepainted) {
  const HWND top = TopLevel("T", 0, 0, 200, 200);
  const HWND child = Child(top, "c", 1, RECT{10, 10, 60, 60});
  driver.Pump();
  Log().clear();
  ShowWindow(child, SW_HIDE);
  driver.Pump();
  EXPECT_EQ(Paints(), (Messages{"T: WM_PAINT"}));
  EXPECT_FALSE(IsWindowVisible(child));
}

}  // namespace
