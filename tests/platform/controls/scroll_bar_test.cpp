#include "tests/platform/controls/controls_fixture.h"
#include "platform/controls/cscrollbar.h"
#include "platform/controls/scroll_bar.h"

namespace {

using controls_test::ControlsTest;
using controls_test::ScrollRequest;
using window_test::Item;
using window_test::PixelAt;

constexpr int VerticalId = 40;
constexpr int HorizontalId = 41;

class ScrollBarTest : public ControlsTest {
 protected:
  ScrollBarTest() {
    Open({
        Item("SCROLLBAR", "", VerticalId, SBS_VERT, 4, 4, 10, 80),
        Item("SCROLLBAR", "", HorizontalId, SBS_HORZ, 20, 4, 100, 10),
    });
  }
  std::vector<ScrollRequest>& Scrolls() { return Dialog().scrolls; }
};

TEST_F(ScrollBarTest, TheRangeHoldsThePositionAndTheMessagesReachIt) {
  const HWND bar = Control(VerticalId);
  EXPECT_EQ(SetScrollRange(bar, SB_CTL, 0, 10, TRUE), TRUE);
  EXPECT_EQ(SetScrollPos(bar, SB_CTL, 20, TRUE), 0);
  EXPECT_EQ(GetScrollPos(bar, SB_CTL), 10);
  SetScrollPos(bar, SB_CTL, -3, TRUE);
  EXPECT_EQ(GetScrollPos(bar, SB_CTL), 0);
  EXPECT_EQ(Send(VerticalId, SBM_SETPOS, 4, TRUE), 0);
  EXPECT_EQ(Send(VerticalId, SBM_GETPOS), 4);
  Send(VerticalId, SBM_SETRANGE, 2, 3);
  EXPECT_EQ(Send(VerticalId, SBM_GETPOS), 3);
  int minimum = 0;
  int maximum = 0;
  Send(VerticalId, SBM_GETRANGE, reinterpret_cast<WPARAM>(&minimum), reinterpret_cast<LPARAM>(&maximum));
  EXPECT_EQ(std::make_pair(minimum, maximum), std::make_pair(2, 3));
  // A window's bars take their room from the client area, not from its frame.
  RECT frame{0, 0, 100, 50};
  AdjustWindowRectEx(&frame, WS_CHILD | WS_VSCROLL | WS_HSCROLL, FALSE, WS_EX_CLIENTEDGE);
  const RECT expected{-2, -2, 102, 52};
  EXPECT_TRUE(EqualRect(&frame, &expected));
  const HWND edit =
      CreateWindowEx(WS_EX_CLIENTEDGE, "EDIT", "", WS_CHILD | WS_VISIBLE | ES_MULTILINE | WS_VSCROLL | WS_HSCROLL, 200,
                     40, 104, 54, window, nullptr, nullptr, nullptr);
  RECT client{};
  GetClientRect(edit, &client);
  EXPECT_EQ(client.right, 100 - 16);
  EXPECT_EQ(client.bottom, 50 - 16);
  // A window without bars has no positions to give or take.
  EXPECT_EQ(GetScrollPos(window, SB_VERT), 0);
  EXPECT_EQ(SetScrollRange(window, SB_VERT, 0, 5, TRUE), FALSE);
  EXPECT_EQ(GetScrollRange(bar, SB_VERT, &minimum, &maximum), FALSE);
}

TEST_F(ScrollBarTest, TheMouseAsksTheParentWhichMovesTheThumb) {
  const HWND bar = Control(VerticalId);
  SetScrollRange(bar, SB_CTL, 0, 10, TRUE);
  RECT frame{};
  GetWindowRect(bar, &frame);
  const int width = frame.right - frame.left;
  const int height = frame.bottom - frame.top;
  driver.ClickAt(OnScreen(bar, width / 2, height - 3));
  EXPECT_EQ(Scrolls(),
            (std::vector<ScrollRequest>{{WM_VSCROLL, SB_LINEDOWN, 0, bar}, {WM_VSCROLL, SB_ENDSCROLL, 0, bar}}));
  EXPECT_EQ(GetScrollPos(bar, SB_CTL), 0);
  Scrolls().clear();
  driver.ClickAt(OnScreen(bar, width / 2, height / 2 + 10));
  EXPECT_EQ(Scrolls().front(), (ScrollRequest{WM_VSCROLL, SB_PAGEDOWN, 0, bar}));
  // The thumb, a square under the top arrow, dragged to the bottom: positions as it goes, the last one at the end.
  Scrolls().clear();
  driver.DragAt(OnScreen(bar, width / 2, width + width / 2), OnScreen(bar, width / 2, height + 20));
  ASSERT_GE(Scrolls().size(), 3u);
  EXPECT_EQ(Scrolls()[Scrolls().size() - 3], (ScrollRequest{WM_VSCROLL, SB_THUMBTRACK, 10, bar}));
  EXPECT_EQ(Scrolls()[Scrolls().size() - 2], (ScrollRequest{WM_VSCROLL, SB_THUMBPOSITION, 10, bar}));
  EXPECT_EQ(Scrolls().back(), (ScrollRequest{WM_VSCROLL, SB_ENDSCROLL, 0, bar}));
  EXPECT_EQ(GetCapture(), nullptr);
  // A bar with nothing to scroll ignores the mouse.
  SetScrollRange(bar, SB_CTL, 0, 0, TRUE);
  Scrolls().clear();
  driver.ClickAt(OnScreen(bar, width / 2, height - 3));
  EXPECT_TRUE(Scrolls().empty());
}

TEST_F(ScrollBarTest, AHorizontalBarAsksSidewaysAndLooksRaised) {
  CScrollBar bar;
  ASSERT_TRUE(bar.SubclassDlgItem(HorizontalId, &Dialog()));
  bar.SetScrollRange(0, 100);
  bar.SetScrollPos(50);
  EXPECT_EQ(bar.GetScrollPos(), 50);
  int minimum = 0;
  int maximum = 0;
  bar.GetScrollRange(&minimum, &maximum);
  EXPECT_EQ(maximum, 100);
  RECT frame{};
  GetWindowRect(bar.m_hWnd, &frame);
  const int height = frame.bottom - frame.top;
  driver.ClickAt(OnScreen(bar.m_hWnd, frame.right - frame.left - 3, height / 2));
  EXPECT_EQ(Scrolls().front(), (ScrollRequest{WM_HSCROLL, SB_LINERIGHT, 0, bar.m_hWnd}));
  UpdateAllWindows();
  // The left arrow: face outside, white inside the edge, shadow at its lower right.
  EXPECT_EQ(PixelAt(bar.m_hWnd, 0, 0), RGB(192, 192, 192));
  EXPECT_EQ(PixelAt(bar.m_hWnd, 1, 1), RGB(255, 255, 255));
  EXPECT_EQ(PixelAt(bar.m_hWnd, height - 2, height - 2), RGB(127, 127, 127));
  EXPECT_EQ(PixelAt(bar.m_hWnd, height - 1, height - 1), RGB(0, 0, 0));
  bar.UnsubclassWindow();
  CScrollBar made;
  ASSERT_TRUE(made.Create(WS_VISIBLE | SBS_VERT, RECT{200, 10, 216, 100}, &Dialog(), 42));
  made.SetScrollRange(0, 3);
  EXPECT_EQ(made.SetScrollPos(2), 0);
  EXPECT_EQ(made.GetScrollPos(), 2);
}

}  // namespace
