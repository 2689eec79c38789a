// What a user waits for when clicking an element in the periodic table: the element-properties
// window it owns opens filled for that element and is painted, then is closed with Escape and the
// table shows again; and, to set that against, one full repaint of the properties window.
#include <benchmark/benchmark.h>

#include "periodic_table/element_properties_window.h"
#include "periodic_table/periodic_table_window.h"
#include "resources/periodic_table_ids.h"
#include "resources/program_resources.h"
#include "platform/win/resources.h"
#include "platform/testing/test_driver.h"

namespace {

constexpr int IronButtonId = 126;

POINT CentreOf(HWND window, int id) {
  RECT rect{};
  ::GetWindowRect(::GetDlgItem(window, id), &rect);
  return POINT{(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
}

struct ShownTable {
  explicit ShownTable(TestDriver& driver) : table(PeriodesystemetTemplateName, nullptr) {
    RegisterProgramResources();
    table.Create(PeriodesystemetTemplateName);
    table.ShowWindow(SW_SHOW);
    UpdateAllWindows();
    driver.Pump();
  }
  ~ShownTable() {
    table.DestroyWindow();
    Resources().Clear();
  }
  Cwm_PeriodesystemetDlg table;
};

// One step clicks Fe, lets the window open and paint, presses Escape in it and lets the table
// repaint what it covered.
void ClickAnElementAndCloseItsPropertiesWindow(benchmark::State& state) {
  TestDriver driver;
  ShownTable shown(driver);
  const POINT iron = CentreOf(shown.table.m_hWnd, IronButtonId);
  for (auto _ : state) {
    driver.ClickAt(iron);
    driver.Pump();
    UpdateAllWindows();
    if (ElementPropertiesWindow.Get() == nullptr) {
      state.SkipWithError("the properties window did not open");
      break;
    }
    driver.Key("Escape");
    driver.Pump();
    UpdateAllWindows();
  }
}
BENCHMARK(ClickAnElementAndCloseItsPropertiesWindow)->Unit(benchmark::kMillisecond);

void RepaintThePropertiesWindowWhole(benchmark::State& state) {
  TestDriver driver;
  ShownTable shown(driver);
  driver.ClickAt(CentreOf(shown.table.m_hWnd, IronButtonId));
  driver.Pump();
  UpdateAllWindows();
  Cwm_EgenskaperDlg* properties = ElementPropertiesWindow.Get();
  if (properties == nullptr) {
    state.SkipWithError("the properties window did not open");
    return;
  }
  for (auto _ : state) {
    properties->Invalidate(TRUE);
    UpdateAllWindows();
  }
  properties->DestroyWindow();
  driver.Pump();
}
BENCHMARK(RepaintThePropertiesWindowWhole)->Unit(benchmark::kMillisecond);

}  // namespace
