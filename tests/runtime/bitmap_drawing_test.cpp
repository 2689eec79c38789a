#include "runtime/bitmap_drawing.h"
#include "platform/win/cdialog.h"
#include "tests/runtime/runtime_fixture.h"

namespace {

using runtime_test::Blue;
using runtime_test::ButtonItem;
using runtime_test::Gray;
using runtime_test::Magenta;
using runtime_test::Red;
using runtime_test::RuntimeTest;

const std::vector<std::pair<char, COLORREF>> Legend = {{'b', Blue}, {'r', Red}, {'.', Gray}, {'o', Magenta}};

class BitmapDrawingTest : public RuntimeTest {
 protected:
  Canvas canvas{8, 4, Magenta};
};

TEST_F(BitmapDrawingTest, CentredPictureGetsALightGrayFrame) {
  EXPECT_EQ(DrawResourceBitmap(canvas.dc.m_hDC, "HALVES", 1, 0, 7, 4, SRCCOPY, CentredDrawMode), 1);
  const std::vector<std::string> expected = {"o.......", "o.bbrr..", "o.bbrr..", "o......."};
  EXPECT_EQ(canvas.Rows(Legend), expected);
}

TEST_F(BitmapDrawingTest, CentredPictureLargerThanItsTargetIsStretched) {
  EXPECT_EQ(DrawResourceBitmap(canvas.dc.m_hDC, "HALVES", 0, 0, 2, 4, SRCCOPY, CentredDrawMode), 1);
  const std::vector<std::string> expected = {"broooooo", "broooooo", "broooooo", "broooooo"};
  EXPECT_EQ(canvas.Rows(Legend), expected);
}

TEST_F(BitmapDrawingTest, NaturalSizeCopiesTheTopLeftBlockUnscaled) {
  EXPECT_EQ(DrawResourceBitmap(canvas.dc.m_hDC, "HALVES", 2, 1, 3, 1, SRCCOPY, NaturalSizeDrawMode), 1);
  const std::vector<std::string> expected = {"oooooooo", "oobbrooo", "oooooooo", "oooooooo"};
  EXPECT_EQ(canvas.Rows(Legend), expected);
}

TEST_F(BitmapDrawingTest, AMissingBitmapIsReportedOncePerNameAndLeavesAnEmptyFace) {
  for (int attempt = 0; attempt < 3; ++attempt) {
    EXPECT_EQ(DrawResourceBitmap(canvas.dc.m_hDC, "GONE1", 0, 0, 4, 4, SRCCOPY, StretchDrawMode), 0);
  }
  EXPECT_EQ(DrawResourceBitmap(canvas.dc.m_hDC, "GONE2", 4, 0, 4, 4, SRCCOPY, StretchDrawMode), 0);
  EXPECT_EQ(BoxesSaying("Cannot load bitmap  GONE1"), 1);
  EXPECT_EQ(BoxesSaying("Cannot load bitmap  GONE2"), 1);
  EXPECT_EQ(driver.MessageBoxes().front().type, static_cast<UINT>(MB_ICONINFORMATION));
  EXPECT_EQ(canvas.Ink(Gray), 0);
}

TEST_F(BitmapDrawingTest, ItemBitmapFillsTheWholeItem) {
  DRAWITEMSTRUCT item = ButtonItem(canvas.dc, RECT{0, 0, 8, 4}, 0);
  EXPECT_EQ(DrawItemBitmap(item, "HALVES", StretchDrawMode), 1);
  const std::vector<std::string> expected = {"bbbbrrrr", "bbbbrrrr", "bbbbrrrr", "bbbbrrrr"};
  EXPECT_EQ(canvas.Rows(Legend), expected);
}

TEST_F(BitmapDrawingTest, BitmapAtItemDrawsOverItsControlOnlyWhereThePaintRectangleMeetsIt) {
  DialogTemplate dialog;
  dialog.style = WS_POPUP | WS_VISIBLE;
  dialog.cx = 40;
  dialog.cy = 40;
  dialog.items.push_back(window_test::Item("STATIC", "", 50, 0, 8, 8, 4, 8));
  Resources().AddDialog("PICTURES", dialog);
  CDialog window("PICTURES", nullptr);
  ASSERT_TRUE(window.Create("PICTURES", nullptr));
  RECT control{};
  ASSERT_TRUE(ControlRectInParent(window.m_hWnd, 50, control));
  Canvas target(80, 80, Magenta);
  PAINTSTRUCT paint;
  paint.hdc = target.dc.m_hDC;
  paint.rcPaint = RECT{0, 0, 5, 5};
  EXPECT_EQ(DrawBitmapAtItem(window.m_hWnd, paint, "HALVES", 50, StretchDrawMode, true, 0, 0), 1);
  EXPECT_EQ(target.Ink(Magenta), 0);
  paint.rcPaint = RECT{0, 0, 80, 80};
  EXPECT_EQ(DrawBitmapAtItem(window.m_hWnd, paint, "HALVES", 50, StretchDrawMode, true, 0, 0), 1);
  RECT drawn{};
  target.Ink(Magenta, &drawn);
  EXPECT_TRUE(EqualRect(&drawn, &control));
  EXPECT_EQ(DrawBitmapAtItem(window.m_hWnd, paint, "HALVES", 51, StretchDrawMode, true, 0, 0), 0);
  window.DestroyWindow();
}

}  // namespace
