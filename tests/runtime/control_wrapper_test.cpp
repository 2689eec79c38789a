#include "runtime/generated_setup.h"
#include "runtime/private_message.h"
#include "tests/runtime/runtime_fixture.h"
#include "runtime/sim_modal_dlg.h"
#include "runtime/user_controls.h"

namespace {

using runtime_test::Gray;
using runtime_test::RuntimeTest;

constexpr int LabelId = 10;
constexpr int PlainLabelId = 11;

class WrapperDialog : public CSimModalDlg {
 public:
  WrapperDialog() : CSimModalDlg("WRAPPERS", nullptr) {}
  CUserStatic label;
};

class ControlWrapperTest : public RuntimeTest {
 protected:
  ControlWrapperTest() {
    DialogTemplate dialog;
    dialog.style = WS_POPUP | WS_VISIBLE;
    dialog.cx = 100;
    dialog.cy = 40;
    dialog.items.push_back(window_test::Item("STATIC", "Label", LabelId, 0, 4, 4, 40, 10));
    dialog.items.push_back(window_test::Item("STATIC", "Plain", PlainLabelId, 0, 4, 20, 40, 10));
    Resources().AddDialog("WRAPPERS", dialog);
  }
  ~ControlWrapperTest() override { window.DestroyWindow(); }

  void Open() {
    ASSERT_TRUE(window.Create("WRAPPERS", nullptr));
    window.label.SubclassDlgItem(LabelId, &window);
  }
  LRESULT AskColours(int id, HDC dc) {
    return SendPrivateMessage(::GetDlgItem(window.m_hWnd, id), ColourQueryCode, reinterpret_cast<LPARAM>(dc));
  }

  WrapperDialog window;
  Canvas canvas{4, 4};
};

TEST_F(ControlWrapperTest, AnswersTheColourQueryOnlyOnceItKeepsAColourOrABrush) {
  Open();
  EXPECT_EQ(AskColours(LabelId, canvas.dc.m_hDC), 0);
  EXPECT_EQ(AskColours(PlainLabelId, canvas.dc.m_hDC), 0);
  canvas.dc.SetBkMode(OPAQUE);
  canvas.dc.SetTextColor(RGB(1, 2, 3));
  UseDefaultColours(window.label);
  const auto brush = reinterpret_cast<HBRUSH>(AskColours(LabelId, canvas.dc.m_hDC));
  EXPECT_EQ(brush, window.label.BackgroundBrush());
  EXPECT_EQ(canvas.dc.GetBkMode(), TRANSPARENT);
  EXPECT_EQ(canvas.dc.GetBkColor(), Gray);
  EXPECT_EQ(canvas.dc.GetTextColor(), RGB(1, 2, 3));
  UseTextColour(window.label, LinkBlue);
  AskColours(LabelId, canvas.dc.m_hDC);
  EXPECT_EQ(canvas.dc.GetTextColor(), LinkBlue);
}

TEST_F(ControlWrapperTest, ColoursWithoutABrushAnswerWithTheWhiteStockBrush) {
  Open();
  window.label.SetColors(TRUE, RGB(9, 9, 9), FALSE, 0, OPAQUE);
  EXPECT_EQ(reinterpret_cast<HBRUSH>(AskColours(LabelId, canvas.dc.m_hDC)), GetStockObject(WHITE_BRUSH));
  EXPECT_EQ(canvas.dc.GetBkMode(), OPAQUE);
}

TEST_F(ControlWrapperTest, ReplacedBrushesAreDeletedButAStockBrushNever) {
  Open();
  window.label.SetBkBrushColor(RGB(10, 20, 30));
  const HBRUSH first = window.label.BackgroundBrush();
  window.label.SetBkBrushColor(RGB(40, 50, 60));
  EXPECT_EQ(LookupGdiObject(first), nullptr);
  const HBRUSH second = window.label.BackgroundBrush();
  window.label.SetBkBrushStock(GRAY_BRUSH);
  EXPECT_EQ(LookupGdiObject(second), nullptr);
  window.label.SetBkBrushColor(RGB(1, 1, 1));
  EXPECT_NE(LookupGdiObject(GetStockObject(GRAY_BRUSH)), nullptr);
  window.label.SetBkBrushBitmap("NOSUCHPATTERN");
  EXPECT_EQ(window.label.BackgroundBrush(), nullptr);
  window.label.SetBkBrushBitmap("RED");
  EXPECT_NE(window.label.BackgroundBrush(), nullptr);
}

TEST_F(ControlWrapperTest, FontNeedsTheControlAndReplacesAndDeletesThePreviousOne) {
  EXPECT_EQ(window.label.SetFont(-11, 0, 0, 0, FW_NORMAL, 0, 0, 0, 0, 0, 0, 0, 0, "Helv"), FALSE);
  EXPECT_EQ(window.label.Font(), nullptr);
  Open();
  EXPECT_EQ(window.label.SetFont(-11, 0, 0, 0, FW_NORMAL, 0, 0, 0, 0, 0, 0, 0, 0, "Helv"), TRUE);
  const HFONT first = window.label.Font();
  EXPECT_EQ(reinterpret_cast<HFONT>(window.label.SendMessage(WM_GETFONT)), first);
  UseFont(window.label, -32, FW_BOLD);
  const HFONT second = window.label.Font();
  EXPECT_EQ(reinterpret_cast<HFONT>(window.label.SendMessage(WM_GETFONT)), second);
  EXPECT_EQ(LookupGdiObject(first), nullptr);
  LOGFONT font{};
  ASSERT_GT(GetObject(second, sizeof font, &font), 0);
  EXPECT_EQ(font.lfHeight, -32);
  EXPECT_EQ(font.lfWeight, FW_BOLD);
  EXPECT_STREQ(font.lfFaceName, "Helv");
}

TEST_F(ControlWrapperTest, AWrapperDeletesItsFontAndOwnedBrushWithItself) {
  HFONT font = nullptr;
  HBRUSH brush = nullptr;
  {
    WrapperDialog other;
    ASSERT_TRUE(other.Create("WRAPPERS", nullptr));
    other.label.SubclassDlgItem(LabelId, &other);
    UseDefaultColours(other.label);
    UseFont(other.label, -11, FW_NORMAL);
    font = other.label.Font();
    brush = other.label.BackgroundBrush();
    other.DestroyWindow();
  }
  EXPECT_EQ(LookupGdiObject(font), nullptr);
  EXPECT_EQ(LookupGdiObject(brush), nullptr);
}

}  // namespace
