// The balancing window opening on a list file of a million saved equations: the file read, every
// line put into the window's list, and the window shown painted. The first opening in a fresh
// process, as a user meets it, runs first: the memory it takes is new to the process then.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "calculators/balancing_window.h"
#include "engine/settings/settings.h"
#include "platform/testing/test_driver.h"
#include "platform/win/resources.h"
#include "resources/balancing_ids.h"
#include "resources/dialog_templates.h"
#include "resources/program_resources.h"

namespace {

namespace fs = std::filesystem;

void OpenTheBalancingWindowOnAList(benchmark::State& state) {
  const auto lineCount = static_cast<int>(state.range(0));
  const fs::path previous = fs::current_path();
  const fs::path folder = fs::temp_directory_path() / ("tavrin-equation-list-bench-" + std::to_string(getpid()));
  fs::create_directories(folder / "dats/datfiles/atomdata");
  fs::current_path(folder);
  {
    std::ofstream file("dats/datfiles/atomdata/balequ.dat", std::ios::binary);
    for (int line = 0; line < lineCount; ++line) file << "C" << line % 97 + 1 << "H" << line % 89 + 2 << " + O2 > CO2 + H2O\n";
  }
  LanguageCode = NorwegianLanguage;
  TestDriver driver;
  RegisterProgramResources();
  for (auto _ : state) {
    Cwm_BalansereDlg window(BalansereTemplateName, nullptr);
    window.Create(BalansereTemplateName);
    window.ShowWindow(SW_SHOW);
    UpdateAllWindows();
    state.counters["items"] = static_cast<double>(window.SendDlgItemMessage(EquationListId, LB_GETCOUNT));
    window.DestroyWindow();
    driver.Pump();
  }
  Resources().Clear();
  fs::current_path(previous);
  fs::remove_all(folder);
}
BENCHMARK(OpenTheBalancingWindowOnAList)
    ->Name("FirstOpeningOfTheBalancingWindowOnAList")
    ->Arg(1000000)
    ->Iterations(1)
    ->Unit(benchmark::kMillisecond);
BENCHMARK(OpenTheBalancingWindowOnAList)->Arg(1000)->Arg(1000000)->Unit(benchmark::kMillisecond);

}  // namespace
