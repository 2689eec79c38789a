// What the isotope table of the element-properties window costs for iron, its four isotopes
// looked up in dats\datfiles\atomdata\isotope.dat (run from the folder holding dats).
#include <benchmark/benchmark.h>

#include "periodic_table/model/isotope_rows.h"

namespace {

constexpr int Iron = 26;

void MakeTheIsotopeTableOfIron(benchmark::State& state) {
  for (auto _ : state) {
    const std::vector<std::string> rows = IsotopeTableRows(Iron);
    // Iron-57's row shows its resonance frequency when the file was found.
    if (rows.size() != 4 || rows[2].find("3.238") == std::string::npos) {
      state.SkipWithError("no NMR values for iron: run from the folder holding dats");
      break;
    }
    benchmark::DoNotOptimize(rows.data());
  }
}
BENCHMARK(MakeTheIsotopeTableOfIron)->Unit(benchmark::kMicrosecond);

}  // namespace
