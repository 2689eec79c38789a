// The curve-fit window's plot, read back from the window's pixels: points and curve where the
// data and the typed ranges put them.
#include <gtest/gtest.h>

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "engine/settings/settings.h"
#include "platform/gdi/gdi_api.h"
#include "platform/win/control_constants.h"
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

// A data set whose stored range is no number is fitted over ranges from its data, and one whose
// model code is no number keeps the model in force; each time the message names the data set.
TEST_F(CurvePlotTest, AStoredRangeOrModelThatIsNoNumberIsNamedAndNeverUsed) {
  const auto dataSet = [](const std::string& xMax, const std::string& model) {
    return "\\\nCalibration\n\nAbsorbance\nX\nY\n0\n" + xMax + "\n0\n99\n00000\n\n" + model +
           "\n1 2.1\a2 3.9\a3 6.2\a4 7.8\a5 10.1\n\n\n\n\n\n\n\\\n";
  };
  const std::string message =
      "DAMAGED TABLE\n\nA value in enplot.dat is no number\nand counts as missing for:\nCalibration";
  for (const char* damaged : {"NaN", "1e999", "abc", "12,5"}) {
    for (const bool inModel : {false, true}) {
      CurveFitModel = CurveModelLine;
      WriteTable("enplot.dat", inModel ? dataSet("6", damaged) : dataSet(damaged, "5"));
      const std::size_t before = driver.MessageBoxes().size();
      std::vector<std::string> shown;
      InWindow(OpenCurveFitDialog,
               {[&] { driver.Select(DataSetListId, 0); },
                [&] {
                  const HWND list = driver.FindControl(DataSetListId);
                  SendMessage(GetParent(list), WM_COMMAND, MAKEWPARAM(DataSetListId, LBN_DBLCLK),
                              reinterpret_cast<LPARAM>(list));
                },
                [&] {
                  driver.Pump();
                  shown = {Text(FunctionFieldId), Text(XMinFieldId), Text(XMaxFieldId), Text(YMaxFieldId)};
                }});
      const std::string where = std::string(damaged) + (inModel ? " as the model" : " as X max");
      EXPECT_EQ(CurveFitModel, inModel ? CurveModelLine : 5) << where;
      if (inModel) {
        EXPECT_EQ(shown, (std::vector<std::string>{"Y = 0.05 + 1.99 * X", "0", "6", "99"})) << where;
      } else {
        EXPECT_FALSE(shown[0].empty()) << where;
        EXPECT_NE(shown[2], damaged) << where;
        EXPECT_NE(shown[3], "99") << where << ": the stored ranges are left to the data";
      }
      std::vector<std::string> boxes;
      for (std::size_t i = before; i < driver.MessageBoxes().size(); ++i)
        boxes.push_back(driver.MessageBoxes()[i].text);
      EXPECT_EQ(boxes, std::vector<std::string>{message}) << where;
    }
  }
}

}  // namespace
