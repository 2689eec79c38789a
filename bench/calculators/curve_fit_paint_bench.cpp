// A full repaint of the curve-fit window after a user pasted 1,000 X,Y points into its data field:
// the window reads what its field limits allow, fits it by the best model, and draws the plot.
#include <benchmark/benchmark.h>

#include <string>

#include "resources/dialog_templates.h"
#include "resources/curve_fit_ids.h"
#include "resources/program_resources.h"
#include "calculators/curve_fit_window.h"
#include "platform/win/resources.h"
#include "platform/testing/test_driver.h"

namespace {

constexpr int BestFitModelIndex = 0;

std::string OneThousandPoints() {
  std::string data;
  for (int i = 1; i <= 1000; ++i) data += std::to_string(i) + " " + std::to_string(3 * i / (10 + i) + i % 7) + "\r\n";
  return data;
}

void RepaintTheCurveFitWindowWithOneThousandPoints(benchmark::State& state) {
  TestDriver driver;
  RegisterProgramResources();
  Cwm_FUNCPLOTDlg window(FuncplotTemplateName, nullptr);
  window.Create(FuncplotTemplateName);
  window.ShowWindow(SW_SHOW);
  const std::string data = OneThousandPoints();
  window.SetDlgItemText(CurveDataFieldId, data.c_str());
  UpdateAllWindows();
  driver.Pump();
  if (!driver.Select(ModelListId, BestFitModelIndex)) state.SkipWithError(driver.LastError().c_str());
  driver.Pump();
  UpdateAllWindows();
  for (auto _ : state) {
    window.Invalidate(TRUE);
    UpdateAllWindows();
  }
  char function[128] = {};
  window.GetDlgItemText(FunctionFieldId, function, sizeof function);
  if (function[0] == '\0') state.SkipWithError("no fit was shown");
  window.DestroyWindow();
  driver.Pump();
  Resources().Clear();
}
BENCHMARK(RepaintTheCurveFitWindowWithOneThousandPoints)->Unit(benchmark::kMillisecond);

}  // namespace
