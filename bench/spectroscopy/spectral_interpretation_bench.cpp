// The spectral interpretation: the largest shipped experiment with the MS iteration on, read from
// the shipped tables, and the worst case of the iteration, a large parent formula whose
// sub-formulas number far beyond what can be enumerated, which the step limit ends.

#include <benchmark/benchmark.h>
#include <unistd.h>

#include <string>

#include "spectroscopy/model/ms_iteration.h"
#include "spectroscopy/model/spectral_interpretation.h"
#include "engine/records/record_file.h"
#include "engine/settings/settings.h"

namespace {

// 19 elements with large counts: about 10^25 sub-formulas, each peak searched with a tolerance
// of a hundredth of an electron mass.
constexpr const char* LargeParent = "C90H150N30O40S8P6Cl4Br2I2F6Si3B2Se2Na2K2Ca2Mg2Fe2Zn2";
constexpr const char* WorstCasePeaks = "1999.5 1850.25 1700.125 1500.3 1250.7 1000.9 750.1 500.6";

void WorstCaseIteration(benchmark::State& state) {
  SpecIterate = 0;
  SpecShowIsoFormula = 0;
  const SpectralPeakLines lines = {WorstCasePeaks, "", "", ""};
  for (auto _ : state) benchmark::DoNotOptimize(InterpretSpectra("0.01", LargeParent, lines, {1, 1, 1}));
  IterationBudget budget;
  const auto parent = ReadFragmentParent(LargeParent);
  for (const char* peak : {"1999.5", "1850.25", "1700.125", "1500.3", "1250.7", "1000.9", "750.1", "500.6"}) {
    IterateFragmentFormulas(*parent, false, 0.01f * ElectronMassU, std::stof(peak), budget);
  }
  state.counters["steps"] = static_cast<double>(IterationStepLimit - budget.stepsLeft);
  state.counters["tokens"] = static_cast<double>(parent->tokens.size());
}
BENCHMARK(WorstCaseIteration)->Unit(benchmark::kMillisecond);

// Benzoic acid, the experiment with the most peaks, interpreted as the window does it, the
// iteration on and every table read from the shipped files.
void LargestShippedExperimentIterated(benchmark::State& state) {
  if (chdir(TAVRIN_SOURCE_DIR) != 0) {
    state.SkipWithError("the source folder cannot be entered");
    return;
  }
  std::vector<std::string> benzoicAcid;
  for (const auto& record : ReadRecordFile("dats\\datfiles\\atomdata\\spectral.dat"))
    if (record.front() == "Benzosyre") benzoicAcid = record;
  if (benzoicAcid.empty()) {
    state.SkipWithError("no benzoic acid in spectral.dat");
    return;
  }
  SpecIterate = 0;
  SpecShowIsoFormula = 1;
  SpecHitPercent = 50;
  const SpectralPeakLines lines = {RecordLine(benzoicAcid, 5), RecordLine(benzoicAcid, 6), RecordLine(benzoicAcid, 8),
                                   RecordLine(benzoicAcid, 9)};
  for (auto _ : state)
    benchmark::DoNotOptimize(
        InterpretSpectra(RecordLine(benzoicAcid, 3), RecordLine(benzoicAcid, 2), lines, {1, 1, 1}));
}
BENCHMARK(LargestShippedExperimentIterated)->Unit(benchmark::kMillisecond);

}  // namespace
