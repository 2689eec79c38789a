// What a full repaint of the periodic table window costs: its 103 element buttons and value
// boxes, 22 radio buttons and their labels, drawn into the window's framebuffer.
#include <benchmark/benchmark.h>

#include "periodic_table/periodic_table_window.h"
#include "resources/periodic_table_ids.h"
#include "resources/program_resources.h"
#include "platform/win/resources.h"
#include "platform/testing/test_driver.h"

namespace {

void RepaintThePeriodicTableWhole(benchmark::State& state) {
  TestDriver driver;
  RegisterProgramResources();
  Cwm_PeriodesystemetDlg table(PeriodesystemetTemplateName, nullptr);
  table.Create(PeriodesystemetTemplateName);
  table.ShowWindow(SW_SHOW);
  UpdateAllWindows();
  RECT client{};
  table.GetClientRect(&client);
  state.counters["width"] = client.right;
  state.counters["height"] = client.bottom;
  for (auto _ : state) {
    table.Invalidate(TRUE);
    UpdateAllWindows();
  }
  table.DestroyWindow();
  Resources().Clear();
}
BENCHMARK(RepaintThePeriodicTableWhole)->Unit(benchmark::kMillisecond);

}  // namespace
