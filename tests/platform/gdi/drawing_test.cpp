#include <gtest/gtest.h>

#include "tests/platform/gdi/canvas.h"
#include "platform/gdi/look3d.h"

namespace {

constexpr COLORREF White = RGB(255, 255, 255);
constexpr COLORREF Black = RGB(0, 0, 0);
constexpr COLORREF Red = RGB(255, 0, 0);

TEST(Lines, LineToDrawsFromTheStartUpToButNotIncludingTheEnd) {
  struct Case {
    POINT from;
    POINT to;
    std::vector<POINT> drawn;
  };
  const Case cases[] = {
      {{1, 1}, {5, 1}, {{1, 1}, {2, 1}, {3, 1}, {4, 1}}},
      {{5, 1}, {1, 1}, {{5, 1}, {4, 1}, {3, 1}, {2, 1}}},
      {{2, 0}, {2, 3}, {{2, 0}, {2, 1}, {2, 2}}},
      {{0, 0}, {3, 3}, {{0, 0}, {1, 1}, {2, 2}}},
      {{4, 4}, {4, 4}, {}},
  };
  for (const Case& test : cases) {
    Canvas canvas(8, 8);
    canvas.dc.MoveTo(test.from);
    canvas.dc.LineTo(test.to);
    int ink = 0;
    for (const POINT& point : test.drawn) {
      EXPECT_EQ(canvas.At(point.x, point.y), Black) << point.x << "," << point.y;
      ++ink;
    }
    EXPECT_EQ(canvas.At(test.to.x, test.to.y), White);
    EXPECT_EQ(canvas.Ink(White), ink);
  }
}

TEST(Lines, AWidePenCoversItsWidthAndTheCurrentPositionMoves) {
  Canvas canvas(10, 10);
  CPen pen(PS_SOLID, 3, Red);
  CPen* previous = canvas.dc.SelectObject(&pen);
  canvas.dc.MoveTo(2, 5);
  canvas.dc.LineTo(7, 5);
  canvas.dc.LineTo(7, 6);
  canvas.dc.SelectObject(previous);
  // Each point of the line is a square of the pen's width around it: the points 2 to 6 of the
  // first line and the point 7 of the second.
  RECT bounds{};
  EXPECT_EQ(canvas.Ink(White, &bounds), 8 * 3);
  EXPECT_EQ(bounds.left, 1);
  EXPECT_EQ(bounds.right, 9);
  EXPECT_EQ(bounds.top, 4);
  EXPECT_EQ(bounds.bottom, 7);
  EXPECT_EQ(canvas.dc.GetCurrentPosition(), CPoint(7, 6));
}

TEST(Bevel, ARaisedButtonFrameIsPixelExact) {
  Canvas canvas(8, 6, RGB(1, 2, 3));
  look3d::DrawButtonFrame(canvas.dc, RECT{0, 0, 8, 6}, false, false);
  const std::vector<std::string> expected{
      "oKKKKKKo", "KWWWWWSK", "KWWWWSSK", "KWSSSSSK", "KSSSSSSK", "oKKKKKKo",
  };
  EXPECT_EQ(
      canvas.Rows({{'o', RGB(1, 2, 3)}, {'K', Black}, {'W', White}, {'S', look3d::Shadow}, {'F', look3d::Face}}),
      expected);
}

TEST(Bevel, APressedButtonFrameIsPixelExactAndADefaultOneHasTwoOutlines) {
  Canvas pressed(8, 6, RGB(1, 2, 3));
  look3d::DrawButtonFrame(pressed.dc, RECT{0, 0, 8, 6}, true, false);
  const std::vector<std::pair<char, COLORREF>> legend{
      {'o', RGB(1, 2, 3)}, {'K', Black}, {'W', White}, {'S', look3d::Shadow}, {'F', look3d::Face}};
  EXPECT_EQ(pressed.Rows(legend), (std::vector<std::string>{
                                      "oKKKKKKo",
                                      "KSSSSSSK",
                                      "KSFFFFFK",
                                      "KSFFFFFK",
                                      "KSFFFFFK",
                                      "oKKKKKKo",
                                  }));
  Canvas fallback(10, 8, RGB(1, 2, 3));
  const RECT face = look3d::DrawButtonFrame(fallback.dc, RECT{0, 0, 10, 8}, false, true);
  EXPECT_EQ(fallback.Rows(legend)[1], "KKKKKKKKKK");
  EXPECT_EQ(face.left, 4);
  EXPECT_EQ(face.top, 4);
}

TEST(Bevel, ButtonsAreDrawnInTheWholeStateGivenInOneCall) {
  using look3d::ButtonKind;
  using look3d::ButtonLook;
  // A 30 x 16 button without text. A push button's face is {3, 3, 27, 13} (one outline) and its
  // focus ring, every other pixel inverted, runs one pixel inside; a check box's 13 x 13 box stands at {0, 1}, its tick starts
  // at (3, 6); a radio button's 12 x 12 circle stands at {0, 2}, its dot covers (5, 7).
  struct Case {
    const char* name;
    ButtonLook look;
    POINT at;
    COLORREF expected;
  };
  const Case cases[] = {
      {"raised", {ButtonKind::Push}, {1, 1}, White},
      {"pressed", {ButtonKind::Push, true}, {1, 1}, look3d::Shadow},
      {"default", {ButtonKind::Push, false, true}, {1, 1}, Black},
      {"unfocused", {ButtonKind::Push}, {4, 4}, look3d::Face},
      {"focused", {ButtonKind::Push, false, false, true}, {4, 4}, ~look3d::Face & 0xFFFFFF},
      {"check box", {ButtonKind::CheckBox}, {3, 6}, look3d::Window},
      {"checked", {ButtonKind::CheckBox, false, false, false, false, true}, {3, 6}, Black},
      {"checked, disabled", {ButtonKind::CheckBox, false, false, false, true, true}, {3, 6}, look3d::GrayText},
      {"disabled box", {ButtonKind::CheckBox, false, false, false, true}, {10, 10}, look3d::Face},
      {"mark at the right", {ButtonKind::CheckBox, false, false, false, false, true, true}, {20, 6}, Black},
      {"radio", {ButtonKind::Radio}, {5, 7}, look3d::Window},
      {"radio checked", {ButtonKind::Radio, false, false, false, false, true}, {5, 7}, Black},
  };
  for (const Case& test : cases) {
    Canvas canvas(30, 16, RGB(1, 2, 3));
    look3d::DrawButton(canvas.dc, RECT{0, 0, 30, 16}, "", test.look);
    EXPECT_EQ(canvas.At(test.at.x, test.at.y), test.expected) << test.name;
  }
}

TEST(Shapes, RectangleOutlinesWithThePenAndFillsWithTheBrush) {
  Canvas canvas(7, 6);
  CBrush red(Red);
  CBrush* previous = canvas.dc.SelectObject(&red);
  canvas.dc.Rectangle(0, 0, 5, 4);
  canvas.dc.SelectObject(previous);
  EXPECT_EQ(canvas.Rows({{'.', White}, {'K', Black}, {'R', Red}}),
            (std::vector<std::string>{"KKKKK..", "KRRRK..", "KRRRK..", "KKKKK..", ".......", "......."}));
}

TEST(Shapes, AnEllipseIsSymmetricAndStaysInsideItsBox) {
  Canvas canvas(12, 10);
  CBrush red(Red);
  CBrush* previous = canvas.dc.SelectObject(&red);
  canvas.dc.Ellipse(1, 1, 11, 9);
  canvas.dc.SelectObject(previous);
  RECT bounds{};
  canvas.Ink(White, &bounds);
  EXPECT_EQ(bounds.left, 1);
  EXPECT_EQ(bounds.top, 1);
  EXPECT_EQ(bounds.right, 11);
  EXPECT_EQ(bounds.bottom, 9);
  for (int y = 1; y < 9; ++y) {
    for (int x = 1; x < 11; ++x) {
      EXPECT_EQ(canvas.At(x, y), canvas.At(11 - x, y)) << x << "," << y;
      EXPECT_EQ(canvas.At(x, y), canvas.At(x, 9 - y)) << x << "," << y;
    }
  }
  EXPECT_EQ(canvas.At(6, 5), Red);
  EXPECT_EQ(canvas.At(1, 1), White);
  EXPECT_EQ(canvas.At(6, 1), Black);
}

// Makes `frame` the part of `outer` outside `inner`; the kind of region that gives.
int MakeFrame(CRgn& frame, const RECT& outer, const RECT& inner) {
  CRgn outside;
  CRgn inside;
  outside.CreateRectRgnIndirect(&outer);
  inside.CreateRectRgnIndirect(&inner);
  frame.CreateRectRgn(0, 0, 0, 0);
  return frame.CombineRgn(&outside, &inside, RGN_DIFF);
}

TEST(Regions, TheDifferenceOfTwoRectanglesFillsAFrame) {
  Canvas canvas(10, 10);
  CRgn frame;
  EXPECT_EQ(MakeFrame(frame, RECT{0, 0, 10, 10}, RECT{2, 2, 8, 8}), COMPLEXREGION);
  CBrush red(Red);
  canvas.dc.FillRgn(&frame, &red);
  EXPECT_EQ(canvas.Ink(White), 100 - 36);
  EXPECT_EQ(canvas.At(1, 5), Red);
  EXPECT_EQ(canvas.At(5, 5), White);
  EXPECT_TRUE(frame.PtInRegion(0, 9));
  EXPECT_FALSE(frame.PtInRegion(7, 7));
}

TEST(Clipping, DrawingStaysInsideTheClipRectangle) {
  Canvas canvas(10, 10);
  canvas.dc.IntersectClipRect(2, 3, 6, 5);
  canvas.dc.FillSolidRect(0, 0, 10, 10, Red);
  // Outside the clip a pixel cannot be read either.
  EXPECT_EQ(canvas.At(0, 0), static_cast<COLORREF>(CLR_INVALID));
  canvas.dc.SelectClipRgn(nullptr);
  RECT bounds{};
  EXPECT_EQ(canvas.Ink(White, &bounds), 8);
  EXPECT_EQ(bounds.left, 2);
  EXPECT_EQ(bounds.bottom, 5);
  canvas.dc.SetPixel(9, 9, Red);
  EXPECT_EQ(canvas.At(9, 9), Red);
}

TEST(Transfers, StretchBltScalesAndBitBltCopiesAtTheOffset) {
  Canvas source(2, 2);
  source.dc.SetPixel(0, 0, Red);
  source.dc.SetPixel(1, 1, Black);
  Canvas target(6, 6);
  EXPECT_TRUE(target.dc.StretchBlt(0, 0, 4, 4, &source.dc, 0, 0, 2, 2, SRCCOPY));
  EXPECT_EQ(target.Rows({{'.', White}, {'R', Red}, {'K', Black}}),
            (std::vector<std::string>{"RR....", "RR....", "..KK..", "..KK..", "......", "......"}));
  EXPECT_TRUE(target.dc.BitBlt(4, 4, 2, 2, &source.dc, 0, 0, SRCCOPY));
  EXPECT_EQ(target.At(4, 4), Red);
  EXPECT_EQ(target.At(5, 5), Black);
  CBrush red(Red);
  CBrush* previous = target.dc.SelectObject(&red);
  EXPECT_TRUE(target.dc.PatBlt(0, 5, 3, 1, PATCOPY));
  target.dc.SelectObject(previous);
  EXPECT_EQ(target.At(2, 5), Red);
}

TEST(Transfers, AnOverlappingCopyReadsThePixelsAsTheyWereAndASourceOffItsEdgeGivesNothing) {
  Canvas canvas(6, 1);
  canvas.dc.SetPixel(0, 0, Red);
  canvas.dc.SetPixel(1, 0, Black);
  // Onto itself, one to the right: the second pixel takes the first's red, not a red copied over.
  EXPECT_TRUE(canvas.dc.BitBlt(1, 0, 3, 1, &canvas.dc, 0, 0, SRCCOPY));
  EXPECT_EQ(canvas.Rows({{'.', White}, {'R', Red}, {'K', Black}}), (std::vector<std::string>{"RRK..."}));
  Canvas source(2, 1);
  source.dc.SetPixel(0, 0, Red);
  source.dc.SetPixel(1, 0, Black);
  Canvas target(4, 1);
  // The source starts one pixel left of its bitmap: that column leaves the target as it was.
  EXPECT_TRUE(target.dc.BitBlt(0, 0, 3, 1, &source.dc, -1, 0, SRCCOPY));
  EXPECT_EQ(target.Rows({{'.', White}, {'R', Red}, {'K', Black}}), (std::vector<std::string>{".RK."}));
  // Wholly off the bitmap: nothing is drawn.
  EXPECT_TRUE(target.dc.BitBlt(0, 0, 2, 1, &source.dc, 5, 0, SRCCOPY));
  EXPECT_EQ(target.Rows({{'.', White}, {'R', Red}, {'K', Black}}), (std::vector<std::string>{".RK."}));
}

// Inverting twice gives the picture back, so a pixel transferred twice or left out shows.
TEST(Transfers, AnInvertingTransferThroughAClipFrameTouchesEachPixelInsideOnceAndNoneOutside) {
  // White onto white inverts to black.
  Canvas source(3, 3);
  Canvas target(8, 8);
  CRgn frame;
  ASSERT_EQ(MakeFrame(frame, RECT{1, 1, 7, 7}, RECT{3, 3, 5, 5}), COMPLEXREGION);
  target.dc.SelectClipRgn(&frame);
  // Stretched from 3 x 3 over the whole target and past its left and top edges.
  EXPECT_TRUE(target.dc.StretchBlt(-2, -2, 10, 10, &source.dc, 0, 0, 3, 3, SRCINVERT));
  target.dc.SelectClipRgn(nullptr);
  const std::vector<std::string> frameOnly{"........", ".KKKKKK.", ".KKKKKK.", ".KK..KK.",
                                           ".KK..KK.", ".KKKKKK.", ".KKKKKK.", "........"};
  EXPECT_EQ(target.Rows({{'.', White}, {'K', Black}}), frameOnly);
  target.dc.SelectClipRgn(&frame);
  EXPECT_TRUE(target.dc.StretchBlt(-2, -2, 10, 10, &source.dc, 0, 0, 3, 3, SRCINVERT));
  target.dc.SelectClipRgn(nullptr);
  EXPECT_EQ(target.Ink(White), 0);
}

TEST(Devices, TheDisplayCanBlockTransferAndHasAPositiveColourCount) {
  Canvas canvas(1, 1);
  EXPECT_GT(canvas.dc.GetDeviceCaps(NUMCOLORS), 2);
  EXPECT_NE(canvas.dc.GetDeviceCaps(RASTERCAPS) & RC_BITBLT, 0);
  EXPECT_EQ(canvas.dc.GetDeviceCaps(HORZRES), 1024);
}

TEST(Objects, ABitmapIsInOneDeviceContextAtATimeAndSelectedObjectsStay) {
  CDC first;
  CDC second;
  first.CreateCompatibleDC(nullptr);
  second.CreateCompatibleDC(nullptr);
  CBitmap bitmap;
  bitmap.CreateCompatibleBitmap(&first, 4, 4);
  CBitmap* previous = first.SelectObject(&bitmap);
  ASSERT_NE(previous, nullptr);
  EXPECT_EQ(second.SelectObject(&bitmap), nullptr);
  CBrush brush(Red);
  first.SelectObject(&brush);
  EXPECT_FALSE(::DeleteObject(brush.m_hObject));
  first.SelectStockObject(WHITE_BRUSH);
  first.SelectObject(previous);
  EXPECT_EQ(second.SelectObject(&bitmap) != nullptr, true);
}

}  // namespace
