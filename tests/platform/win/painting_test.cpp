#include "platform/backend/headless_backend.h"
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

// The headless backend that keeps the size of every framebuffer put on the screen.
class PresentRecorder : public HeadlessBackend {
 public:
  void Present(HWND, const Surface& pixels) override { presented.push_back(SIZE{pixels.Width(), pixels.Height()}); }
  std::vector<SIZE> presented;
};

// Installs the recorder for the life of the object, then the test driver's backend again.
struct RecordingPresents {
  RecordingPresents() { InstallBackend(&recorder); }
  ~RecordingPresents() { InstallBackend(previous); }
  Backend* previous = CurrentBackend();
  PresentRecorder recorder;
};

TEST_F(WindowTest, AWindowFittedBeforeItShowsIsPresentedAndPaintedAtItsFittedSize) {
  RecordingPresents screen;
  const HWND top = CreateWindowEx(0, "RECORDER", "T", WS_OVERLAPPED | WS_CAPTION, CW_USEDEFAULT, CW_USEDEFAULT,
                                  CW_USEDEFAULT, CW_USEDEFAULT, nullptr, nullptr, nullptr, nullptr);
  SetWindowPos(top, nullptr, 0, 0, 300, 200, SWP_NOMOVE | SWP_NOZORDER);
  ShowWindow(top, SW_SHOW);
  UpdateWindow(top);
  ASSERT_EQ(screen.recorder.presented.size(), 1U);
  EXPECT_EQ(screen.recorder.presented[0].cx, 300);
  EXPECT_EQ(screen.recorder.presented[0].cy, 200);
  const Surface* pixels = WindowSurface(top);
  ASSERT_NE(pixels, nullptr);
  RECT client{};
  GetClientRect(top, &client);
  POINT corner{client.right - 1, client.bottom - 1};
  ClientToScreen(top, &corner);
  EXPECT_EQ(pixels->Pixel(corner.x, corner.y), RGB(192, 192, 192));
}

TEST_F(WindowTest, AWindowHiddenBeforeItWasEverDrawnLeavesTheScreenAndCanStillBeDrawnOn) {
  RecordingPresents screen;
  const HWND top = CreateWindowEx(0, "RECORDER", "T", WS_OVERLAPPED | WS_CAPTION, 10, 10, 120, 80, nullptr, nullptr,
                                  nullptr, nullptr);
  // Shown through its style alone, then hidden before anything drew it.
  SetWindowLong(top, GWL_STYLE, GetWindowLong(top, GWL_STYLE) | static_cast<LONG>(WS_VISIBLE));
  ShowWindow(top, SW_HIDE);
  EXPECT_FALSE(IsWindowVisible(top));
  const HDC dc = GetDC(top);
  ASSERT_NE(dc, nullptr);
  ReleaseDC(top, dc);
  const Surface* pixels = WindowSurface(top);
  ASSERT_NE(pixels, nullptr);
  EXPECT_EQ(pixels->Width(), 120);
  EXPECT_EQ(pixels->Height(), 80);
}

}  // namespace
