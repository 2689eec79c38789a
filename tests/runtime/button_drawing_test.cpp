#include <vector>

#include "runtime/button_drawing.h"
#include "tests/runtime/runtime_fixture.h"

namespace {

using runtime_test::ButtonItem;
using runtime_test::Gray;
using runtime_test::Magenta;
using runtime_test::Red;
using runtime_test::RuntimeTest;

// k black, w white, s shadow, . the light-gray face, r red, o untouched.
const std::vector<std::pair<char, COLORREF>> Legend = {
    {'k', RGB(0, 0, 0)}, {'w', RGB(255, 255, 255)}, {'s', RGB(127, 127, 127)}, {'.', Gray}, {'r', Red}, {'o', Magenta}};

class ButtonDrawingTest : public RuntimeTest {
 protected:
  std::vector<std::string> Draw(UINT state, const std::string& picture, RECT rect = {0, 0, 12, 10}) {
    DRAWITEMSTRUCT item = ButtonItem(canvas.dc, rect, state);
    result = Draw3DButton(item, picture, true, 1);
    return canvas.Rows(Legend);
  }
  Canvas canvas{12, 10, Magenta};
  int result = -1;
};

TEST_F(ButtonDrawingTest, RaisedButtonHasItsBevelAndLeavesTheOutlineCornersUndrawn) {
  const std::vector<std::string> expected = {
      "okkkkkkkkkko", "kwwwwwwwwwsk", "kwwwwwwwwssk", "kww......ssk", "kww......ssk",
      "kww......ssk", "kww......ssk", "kwsssssssssk", "kssssssssssk", "okkkkkkkkkko",
  };
  EXPECT_EQ(Draw(0, ""), expected);
  EXPECT_EQ(result, 1);
}

TEST_F(ButtonDrawingTest, PressedButtonSinksItsFaceOnePixel) {
  const std::vector<std::string> expected = {
      "okkkkkkkkkko",
      "kkkkkkkkkkkk",
      "kk"
      "ssssssss"
      "kk",
      "kks.......kk",
      "kks.......kk",
      "kks.......kk",
      "kks.......kk",
      "kks.......kk",
      "kkkkkkkkkkkk",
      "okkkkkkkkkko",
  };
  EXPECT_EQ(Draw(ODS_SELECTED, ""), expected);
}

TEST_F(ButtonDrawingTest, DisabledFaceGetsTheCheckerboardPressedOrNot) {
  const std::vector<std::string> raised = Draw(ODS_DISABLED, "RED");
  EXPECT_EQ(raised[3].substr(3, 6), ".r.r.r");
  EXPECT_EQ(raised[4].substr(3, 6), "r.r.r.");
  EXPECT_EQ(raised[5].substr(3, 6), ".r.r.r");
  EXPECT_EQ(raised[6].substr(3, 6), "r.r.r.");
  const std::vector<std::string> pressed = Draw(ODS_DISABLED | ODS_SELECTED, "RED");
  EXPECT_EQ(pressed[4].substr(4, 6), "r.r.r.");
  EXPECT_EQ(pressed[5].substr(4, 6), ".r.r.r");
  EXPECT_EQ(pressed[6].substr(4, 6), "r.r.r.");
  EXPECT_EQ(pressed[7].substr(4, 6), ".r.r.r");
}

TEST_F(ButtonDrawingTest, EnabledBitmapFaceIsThePictureStretched) {
  const std::vector<std::string> rows = Draw(0, "RED");
  for (int y = 3; y <= 6; ++y) EXPECT_EQ(rows[y].substr(3, 6), "rrrrrr") << y;
}

TEST_F(ButtonDrawingTest, DrawsOnlyOwnerDrawButtonsBeingDrawnOrSelected) {
  DRAWITEMSTRUCT focusOnly = ButtonItem(canvas.dc, RECT{0, 0, 12, 10}, ODS_FOCUS, ODA_FOCUS);
  EXPECT_EQ(Draw3DButton(focusOnly, "", true, 1), 0);
  DRAWITEMSTRUCT listItem = ButtonItem(canvas.dc, RECT{0, 0, 12, 10}, 0);
  listItem.CtlType = ODT_LISTBOX;
  EXPECT_EQ(Draw3DButton(listItem, "", true, 1), 0);
  EXPECT_EQ(canvas.Ink(Magenta), 0);
}

TEST_F(ButtonDrawingTest, AMissingBitmapLeavesAnEmptyFaceInItsFrameAndIsReportedOnce) {
  const std::vector<std::string> first = Draw(0, "NOSUCHFACE");
  EXPECT_EQ(result, 0);
  EXPECT_EQ(first, Draw(0, ""));
  Draw(0, "NOSUCHFACE");
  EXPECT_EQ(BoxesSaying("Cannot load bitmap  NOSUCHFACE"), 1);
}

TEST_F(ButtonDrawingTest, StatePicturesChooseOneWholePicturePerState) {
  Resources().AddBitmap("BLUE", Surface(3, 3, runtime_test::Blue));
  struct Case {
    UINT state;
    COLORREF centre;
  };
  for (const Case& example : {Case{0, Red}, Case{ODS_DISABLED, runtime_test::Blue}, Case{ODS_FOCUS, Red},
                              Case{ODS_DISABLED | ODS_SELECTED, runtime_test::Blue}}) {
    DRAWITEMSTRUCT item = ButtonItem(canvas.dc, RECT{0, 0, 12, 10}, example.state);
    EXPECT_EQ(DrawStateBitmapButton(item, "RED", "", "", "BLUE", 1), 1);
    // A whole picture has no frame: the corner is the picture's too.
    EXPECT_EQ(canvas.At(0, 0), example.centre) << example.state;
    EXPECT_EQ(canvas.At(6, 5), example.centre) << example.state;
  }
}

}  // namespace
