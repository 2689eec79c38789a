#include <functional>

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

// What a test does after a window of the hooked class has painted.
std::function<void(HWND)>& AfterPaint() {
  static std::function<void(HWND)> hook;
  return hook;
}

LRESULT HookedProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  const LRESULT result = window_test::RecorderProc(window, message, wParam, lParam);
  if (message == WM_PAINT && AfterPaint()) AfterPaint()(window);
  return result;
}

// A top-level window "T" with three children side by side, "c1" made first and so painted last.
class PaintOrderTest : public WindowTest {
 protected:
  PaintOrderTest() {
    window_test::RegisterTestClass("PAINTHOOKED", HookedProc);
    top = CreateWindowEx(0, "PAINTHOOKED", "T", WS_OVERLAPPED | WS_VISIBLE, 0, 0, 200, 100, nullptr, nullptr,
                         nullptr, nullptr);
    for (int index = 0; index < 3; ++index) {
      const std::string name = "c" + std::to_string(index + 1);
      children[index] = CreateWindowEx(0, "PAINTHOOKED", name.c_str(), WS_CHILD | WS_VISIBLE, 10 + 40 * index, 10, 30,
                                       30, top, HandleFromNumber<HMENU>(static_cast<unsigned>(index + 1)), nullptr,
                                       nullptr);
    }
    driver.Pump();
    Log().clear();
  }
  ~PaintOrderTest() override { AfterPaint() = nullptr; }

  // Paints everything again with the hook in place.
  Messages RepaintWith(std::function<void(HWND)> hook) {
    AfterPaint() = std::move(hook);
    InvalidateRect(top, nullptr, TRUE);
    driver.Pump();
    AfterPaint() = nullptr;
    return Paints();
  }

  HWND top = nullptr;
  HWND children[3]{};
};

TEST_F(PaintOrderTest, AWindowMarkedWhileOthersPaintIsPaintedAgainBeforeTheWindowsAfterIt) {
  EXPECT_EQ(RepaintWith({}), (Messages{"T: WM_PAINT", "c3: WM_PAINT", "c2: WM_PAINT", "c1: WM_PAINT"}));
  Log().clear();
  bool marked = false;
  const Messages paints = RepaintWith([&](HWND window) {
    if (window != children[1] || marked) return;
    marked = true;
    InvalidateRect(children[2], nullptr, TRUE);
  });
  EXPECT_EQ(paints, (Messages{"T: WM_PAINT", "c3: WM_PAINT", "c2: WM_PAINT", "c3: WM_PAINT", "c1: WM_PAINT"}));
}

TEST_F(PaintOrderTest, ARestackingWhileWindowsWaitChangesTheOrderTheyPaintIn) {
  const Messages paints = RepaintWith([&](HWND window) {
    if (window == top) SetWindowPos(children[0], HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  });
  EXPECT_EQ(paints, (Messages{"T: WM_PAINT", "c1: WM_PAINT", "c3: WM_PAINT", "c2: WM_PAINT"}));
}

TEST_F(PaintOrderTest, AWindowDestroyedWhileWaitingIsPassedOverAndItsPlacePaintedByItsParent) {
  const Messages paints = RepaintWith([&](HWND window) {
    if (window == children[2]) DestroyWindow(children[1]);
  });
  EXPECT_EQ(paints, (Messages{"T: WM_PAINT", "c3: WM_PAINT", "T: WM_PAINT", "c1: WM_PAINT"}));
  EXPECT_FALSE(IsWindow(children[1]));
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

TEST_F(WindowTest, AFrameRepaintsOnlyTheWindowsOverItsFrameAndTheWholeWindowRepaintsThemAll) {
  const HWND top = TopLevel("T", 0, 0, 200, 200);
  // Made first, so above "low": one over low's border, one inside its client area.
  Child(top, "onEdge", 1, RECT{100, 50, 130, 60});
  Child(top, "inside", 2, RECT{40, 40, 60, 60});
  const HWND low = Child(top, "low", 3, RECT{10, 10, 110, 110}, WS_VISIBLE | WS_BORDER);
  driver.Pump();
  Log().clear();
  // A caption drawn as inactive leaves the client area and the controls in it as they are.
  SendMessage(top, WM_NCACTIVATE, FALSE, 0);
  driver.Pump();
  EXPECT_EQ(Paints(), Messages{});
  RECT none{};
  RedrawWindow(low, &none, nullptr, RDW_INVALIDATE | RDW_FRAME);
  driver.Pump();
  EXPECT_EQ(Paints(), (Messages{"onEdge: WM_PAINT"}));
  Log().clear();
  RedrawWindow(top, nullptr, nullptr, RDW_INVALIDATE | RDW_FRAME | RDW_ERASE);
  driver.Pump();
  EXPECT_EQ(Paints(), (Messages{"T: WM_PAINT", "low: WM_PAINT", "inside: WM_PAINT", "onEdge: WM_PAINT"}));
}

// The windows over a control repaint with it wherever they stand in the tree: its children, the
// controls above it, and those above the windows holding it; nothing painted before it does.
TEST_F(WindowTest, WindowsAboveARepaintedWindowRepaintInEveryLevelAndNoneBelow) {
  const HWND top = TopLevel("T", 0, 0, 200, 200);
  Child(top, "S", 1, RECT{30, 30, 80, 40});  // above the panel, over the corner of "a"
  const HWND panel = Child(top, "P", 2, RECT{10, 10, 110, 110});
  Child(top, "L", 3, RECT{0, 0, 200, 200});  // below everything
  const HWND a = Child(panel, "a", 4, RECT{0, 0, 50, 50});
  Child(panel, "b", 5, RECT{60, 60, 90, 90});
  driver.Pump();
  Log().clear();
  InvalidateRect(a, nullptr, TRUE);
  driver.Pump();
  EXPECT_EQ(Paints(), (Messages{"a: WM_PAINT", "S: WM_PAINT"}));
  Log().clear();
  RECT corner{70, 70, 80, 80};  // under "b" only
  InvalidateRect(panel, &corner, TRUE);
  driver.Pump();
  EXPECT_EQ(Paints(), (Messages{"P: WM_PAINT", "b: WM_PAINT"}));
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
