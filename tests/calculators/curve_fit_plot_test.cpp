// The curve-fit window's plot, read back from the window's pixels: points and curve where the
// data and the typed ranges put them.
#include <gtest/gtest.h>

#include <filesystem>
#include <optional>
#include <string>

#include "engine/settings/settings.h"
#include "platform/gdi/gdi_api.h"
#include "platform/win/window_api.h"
#include "resources/curve_fit_ids.h"
#include "tests/support/tool_window_fixture.h"
#include "calculators/model/curve_fit_models.h"
#include "calculators/curve_fit_window.h"

namespace {

constexpr COLORREF White = 0xFFFFFF;

// Ranges typed as X 0 to 6 and Y 0 to 12 put x at 80 + x * 340 / 6 and y at 380 - y * 200 / 12.
int PixelX(double x) { return static_cast<int>(80 + x * 340 / 6 + 0.5); }
int PixelY(double y) { return static_cast<int>(380 - y * 200 / 12 + 0.5); }

class CurvePlotTest : public ToolWindowTest {
 protected:
  // True when a pixel within two of (x, y) is not white.
  bool InkNear(int x, int y) {
    HWND window = GetActiveWindow();
    HDC dc = GetDC(window);
    bool ink = false;
    for (int dy = -2; dy <= 2; ++dy)
      for (int dx = -2; dx <= 2; ++dx) ink = ink || GetPixel(dc, x + dx, y + dy) != White;
    ReleaseDC(window, dc);
    return ink;
  }
};

TEST_F(CurvePlotTest, PointsAndCurveAreDrawnWhereTheDataPutsThem) {
  CurveFitModel = CurveModelLine;
  CurveFitHidePoints = 0;
  CurveFitGrid = 0;
  CurveFitFrame = 0;
  const std::filesystem::path picture = std::filesystem::path(TAVRIN_OUTPUT_DIR) / "funcplot_plot.png";
  bool pointInk = false, curveInk = false, emptyAboveCurve = true, emptyBelowCurve = true;
  InWindow(OpenCurveFitDialog, {[&] { driver.Type(CurveDataFieldId, "1 2.1 2 3.9 3 6.2 4 7.8 5 10.1"); },
                                [&] { driver.Click(CalculateFitId); },
                                [&] {
                                  SetWindowText(driver.FindControl(XMinFieldId), "0");
                                  SetWindowText(driver.FindControl(XMaxFieldId), "6");
                                  SetWindowText(driver.FindControl(YMinFieldId), "0");
                                  SetWindowText(driver.FindControl(YMaxFieldId), "12");
                                },
                                [&] { driver.Click(CalculateFitId); },
                                [&] {
                                  driver.Pump();
                                  // The top of the circle around (1, 2.1), radius 5.
                                  pointInk = InkNear(PixelX(1), PixelY(2.1) - 5);
                                  // Y = 0.05 + 1.99 X at X = 3.5, between the points; and clear space 30 pixels off it.
                                  curveInk = InkNear(PixelX(3.5), PixelY(0.05 + 1.99 * 3.5));
                                  emptyAboveCurve = !InkNear(PixelX(3.5), PixelY(0.05 + 1.99 * 3.5) - 30);
                                  emptyBelowCurve = !InkNear(PixelX(3.5), PixelY(0.05 + 1.99 * 3.5) + 30);
                                  driver.Snapshot(picture.string());
                                }});
  EXPECT_TRUE(pointInk);
  EXPECT_TRUE(curveInk);
  EXPECT_TRUE(emptyAboveCurve);
  EXPECT_TRUE(emptyBelowCurve);
}

// The hidden button 146 opens the print options: no user can click it, so the test sends its click.
TEST_F(CurvePlotTest, TheHiddenPrintOptionsButtonOpensThePrintOptions) {
  std::optional<std::string> curveCaption, optionsCaption;
  InWindow(OpenCurveFitDialog, {[&] {
                                  curveCaption = driver.WindowCaption();
                                  HWND window = GetActiveWindow();
                                  PostMessage(window, WM_COMMAND, MAKEWPARAM(PrintOptionsId, BN_CLICKED),
                                              reinterpret_cast<LPARAM>(driver.FindControl(PrintOptionsId)));
                                },
                                [&] {
                                  optionsCaption = driver.WindowCaption();
                                  driver.Key("Escape");
                                }});
  EXPECT_EQ(curveCaption, "CURVE FIT");
  EXPECT_EQ(optionsCaption, "PRINTOPT");
}

}  // namespace
