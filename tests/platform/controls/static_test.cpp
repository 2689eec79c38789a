#include "platform/win/cdialog.h"
#include "tests/platform/support/window_fixture.h"

namespace {

using window_test::Item;
using window_test::PixelAt;
using window_test::WindowTest;

constexpr int LabelId = 150;
constexpr int AreaId = 160;
constexpr COLORREF Blue = RGB(0, 0, 255);
constexpr COLORREF Paper = RGB(255, 255, 0);

// Colours the label blue on yellow and keeps the kinds of colour query it was asked.
class ColourDialog : public CDialog {
 public:
  ColourDialog() : CDialog("LABELS", nullptr) { paper_.CreateSolidBrush(Paper); }
  std::vector<std::pair<int, UINT>> queries;
  std::vector<int> clicks;

 protected:
  afx_msg HBRUSH OnCtlColor(CDC* dc, CWnd* window, UINT kind) {
    const int id = window == nullptr ? 0 : window->GetDlgCtrlID();
    queries.emplace_back(id, kind);
    if (id == LabelId) {
      dc->SetTextColor(Blue);
      dc->SetBkMode(TRANSPARENT);
      return static_cast<HBRUSH>(paper_.m_hObject);
    }
    return CDialog::OnCtlColor(dc, window, kind);
  }
  afx_msg void OnArea() { clicks.push_back(AreaId); }
  DECLARE_MESSAGE_MAP()

 private:
  CBrush paper_;
};

BEGIN_MESSAGE_MAP(ColourDialog, CDialog)
ON_WM_CTLCOLOR()
ON_BN_CLICKED(AreaId, OnArea)
END_MESSAGE_MAP()

class StaticTest : public WindowTest {
 protected:
  StaticTest() {
    DialogTemplate dialog;
    dialog.style = WS_POPUP | WS_CAPTION | DS_MODALFRAME | WS_VISIBLE;
    dialog.caption = "Labels";
    dialog.cx = 160;
    dialog.cy = 60;
    // The label lies over an owner-draw button without text, as link lines lie over their click areas.
    dialog.items = {Item("STATIC", "   Lithium", LabelId, SS_LEFT, 10, 10, 80, 10),
                    Item("BUTTON", "", AreaId, BS_OWNERDRAW, 10, 11, 80, 8),
                    Item("BUTTON", "Push", 170, WS_TABSTOP, 100, 30, 40, 14)};
    Resources().AddDialog("LABELS", dialog);
    EXPECT_TRUE(labels.Create("LABELS"));
    window = labels.m_hWnd;
    driver.Pump();
  }
  ColourDialog labels;
  HWND window = nullptr;
};

TEST_F(StaticTest, AClickOnALabelGoesToTheControlBeneathIt) {
  EXPECT_TRUE(driver.Click(AreaId));
  EXPECT_EQ(labels.clicks, (std::vector<int>{AreaId}));
  EXPECT_FALSE(driver.Click(LabelId));
}

TEST_F(StaticTest, ControlsAskTheirDialogForColoursOfTheirKind) {
  bool labelAsked = false;
  bool pushAsked = false;
  bool areaAsked = false;
  for (const auto& [id, kind] : labels.queries) {
    labelAsked = labelAsked || (id == LabelId && kind == CTLCOLOR_STATIC);
    pushAsked = pushAsked || (id == 170 && kind == CTLCOLOR_BTN);
    areaAsked = areaAsked || (id == AreaId && kind == CTLCOLOR_BTN);
  }
  EXPECT_TRUE(labelAsked);
  EXPECT_TRUE(pushAsked);
  EXPECT_TRUE(areaAsked);
  const HWND label = GetDlgItem(window, LabelId);
  EXPECT_EQ(PixelAt(label, 1, 1), Paper);
}

TEST_F(StaticTest, TextIsDrawnInsideTheLabelAfterItsLeadingBlanks) {
  const HWND label = GetDlgItem(window, LabelId);
  RECT client{};
  GetClientRect(label, &client);
  int firstInk = -1;
  int lastInkRow = -1;
  int firstInkRow = client.bottom;
  for (int x = 0; x < client.right; ++x) {
    for (int y = 0; y < client.bottom; ++y) {
      const COLORREF pixel = PixelAt(label, x, y);
      if (pixel == Paper) continue;
      // Every other pixel is the blue text or its blend with the paper.
      EXPECT_LT(GetRValue(pixel), 255) << x << "," << y;
      if (firstInk < 0) firstInk = x;
      firstInkRow = std::min(firstInkRow, y);
      lastInkRow = std::max(lastInkRow, y);
    }
  }
  // Three blanks of the 8-point face come first; the capital's stem starts after them.
  const HDC dc = GetDC(label);
  SelectObject(dc, reinterpret_cast<HFONT>(SendMessage(label, WM_GETFONT, 0, 0)));
  SIZE blanks{};
  GetTextExtentPoint32(dc, "   ", 3, &blanks);
  TEXTMETRIC metrics;
  GetTextMetrics(dc, &metrics);
  ReleaseDC(label, dc);
  EXPECT_GE(firstInk, blanks.cx);
  EXPECT_LE(firstInk, blanks.cx + 2);
  EXPECT_GE(firstInkRow, metrics.tmInternalLeading - 1);
  EXPECT_LE(lastInkRow, metrics.tmAscent);
  // The stem is solid blue within a pixel of where the ink begins.
  const int middle = (firstInkRow + lastInkRow) / 2;
  int red = 255;
  for (int x = firstInk; x <= firstInk + 1; ++x) red = std::min<int>(red, GetRValue(PixelAt(label, x, middle)));
  EXPECT_LT(red, 64);
}

}  // namespace
