#include "platform/win/paint_dc.h"
#include "runtime/private_message.h"
#include "tests/runtime/runtime_fixture.h"
#include "runtime/sim_modal_dlg.h"
#include "runtime/user_controls.h"

namespace {

using runtime_test::Blue;
using runtime_test::ButtonItem;
using runtime_test::Gray;
using runtime_test::Magenta;
using runtime_test::Red;
using runtime_test::RuntimeTest;

constexpr int PictureId = 20;

class PictureDialog : public CSimModalDlg {
 public:
  PictureDialog() : CSimModalDlg("PICTURE", nullptr) {}
  CUserGraphicButton picture;
};

class GraphicButtonTest : public RuntimeTest {
 protected:
  GraphicButtonTest() {
    DialogTemplate dialog;
    dialog.style = WS_POPUP | WS_VISIBLE;
    dialog.cx = 60;
    dialog.cy = 40;
    dialog.items.push_back(window_test::Item("BUTTON", "WMP3DBUTTON", PictureId, BS_OWNERDRAW, 8, 8, 20, 16));
    Resources().AddDialog("PICTURE", dialog);
  }
  ~GraphicButtonTest() override { window.DestroyWindow(); }

  void Open() {
    ASSERT_TRUE(window.Create("PICTURE", nullptr));
    window.picture.SubclassDlgItem(PictureId, &window);
  }
  // Paints the dialog again, as a covered window does when it is uncovered.
  void Repaint() {
    window.Invalidate(TRUE);
    UpdateAllWindows();
  }
  COLORREF ButtonPixel(int x, int y) { return window_test::PixelAt(window.picture.m_hWnd, x, y); }

  PictureDialog window;
};

TEST_F(GraphicButtonTest, SinglePictureIsDrawnOnlyWhenTheWholeButtonIs) {
  CUserGraphicButton button;
  button.SetImage("HALVES", true, StretchDrawMode);
  Canvas canvas(8, 4, Magenta);
  for (UINT action : {static_cast<UINT>(ODA_FOCUS), static_cast<UINT>(ODA_SELECT)}) {
    DRAWITEMSTRUCT change = ButtonItem(canvas.dc, RECT{0, 0, 8, 4}, ODS_SELECTED | ODS_FOCUS, action);
    button.DrawItem(&change);
    EXPECT_EQ(canvas.Ink(Magenta), 0) << action;
  }
  DRAWITEMSTRUCT whole = ButtonItem(canvas.dc, RECT{0, 0, 8, 4}, 0, ODA_DRAWENTIRE);
  button.DrawItem(&whole);
  EXPECT_EQ(canvas.At(0, 0), Blue);
  EXPECT_EQ(canvas.At(7, 3), Red);
}

TEST_F(GraphicButtonTest, OnlyANormalPictureMakesA3DButtonWithThePictureAsFace) {
  Open();
  window.picture.SetStateImages("RED", "", "", "", true, StretchDrawMode);
  Repaint();
  EXPECT_EQ(ButtonPixel(1, 0), RGB(0, 0, 0));
  EXPECT_EQ(ButtonPixel(1, 1), RGB(255, 255, 255));
  EXPECT_EQ(ButtonPixel(10, 10), Red);
  window.picture.EnableWindow(FALSE);
  Repaint();
  EXPECT_EQ(ButtonPixel(3, 3), Gray);
  EXPECT_EQ(ButtonPixel(4, 3), Red);
}

TEST_F(GraphicButtonTest, AMarkedButtonWithoutAMemberGetsAnEmpty3DFace) {
  ASSERT_TRUE(window.Create("PICTURE", nullptr));
  UpdateAllWindows();
  const HWND button = ::GetDlgItem(window.m_hWnd, PictureId);
  EXPECT_EQ(window_test::PixelAt(button, 1, 0), RGB(0, 0, 0));
  EXPECT_EQ(window_test::PixelAt(button, 10, 10), Gray);
}

TEST_F(GraphicButtonTest, PaintedPictureHidesTheButtonAndDrawsIntoItsParent) {
  Open();
  window.picture.SetGraphic("RED", true, StretchDrawMode);
  RECT place{};
  ::GetWindowRect(window.picture.m_hWnd, &place);
  Repaint();
  EXPECT_FALSE(window.picture.IsWindowVisible());
  POINT centre{(place.left + place.right) / 2, (place.top + place.bottom) / 2};
  ::ScreenToClient(window.m_hWnd, &centre);
  EXPECT_EQ(window_test::PixelAt(window.m_hWnd, centre.x, centre.y), Red);
  PAINTSTRUCT paint;
  paint.hdc = nullptr;
  window.picture.SetImage("RED", true, StretchDrawMode);
  EXPECT_EQ(SendPrivateMessage(window.picture.m_hWnd, ParentPaintedCode, reinterpret_cast<LPARAM>(&paint)), 0);
}

// Closing a message box uncovers the window under it, which paints again; the picture's message
// must not come back each time.
TEST_F(GraphicButtonTest, AMissingPictureIsReportedOnceHoweverOftenItIsPainted) {
  Open();
  window.picture.SetStateImages("NOSUCHPICTURE", "", "", "", true, StretchDrawMode);
  for (int paint = 0; paint < 4; ++paint) Repaint();
  EXPECT_EQ(BoxesSaying("Cannot load bitmap  NOSUCHPICTURE"), 1);
  EXPECT_EQ(ButtonPixel(1, 0), RGB(0, 0, 0));
  EXPECT_EQ(ButtonPixel(10, 10), Gray);
}

}  // namespace
