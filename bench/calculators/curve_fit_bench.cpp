#include <benchmark/benchmark.h>

#include <cmath>
#include <vector>

#include "calculators/model/curve_scale.h"

namespace {

// 200 points of a saturating curve with a wobble, positive throughout, so that every model fits.
std::vector<CurvePoint> TwoHundredPoints() {
  std::vector<CurvePoint> points;
  for (int i = 1; i <= 200; ++i) {
    const double x = 0.05 * i;
    points.push_back({x, 3 * x / (1 + 0.4 * x) + 0.05 * std::sin(7.0 * i)});
  }
  return points;
}

void BM_BestFitOf200Points(benchmark::State& state) {
  const auto points = TwoHundredPoints();
  for (auto _ : state) benchmark::DoNotOptimize(FitChosenModel(points, CurveModelBestFit));
}
BENCHMARK(BM_BestFitOf200Points)->Unit(benchmark::kMicrosecond);

void BM_EachModelOf200Points(benchmark::State& state) {
  const auto points = TwoHundredPoints();
  const int code = static_cast<int>(state.range(0));
  for (auto _ : state) benchmark::DoNotOptimize(FitCurveModel(points, code));
}
BENCHMARK(BM_EachModelOf200Points)->DenseRange(CurveModelLine, CurveModelQuadratic)->Unit(benchmark::kMicrosecond);

// The whole computation of a full repaint: the best fit, its texts, ranges, ticks and curve.
void BM_FitAndScale200Points(benchmark::State& state) {
  const auto points = TwoHundredPoints();
  for (auto _ : state) benchmark::DoNotOptimize(FitAndScaleCurve(points, CurveModelBestFit, false, {}));
}
BENCHMARK(BM_FitAndScale200Points)->Unit(benchmark::kMicrosecond);

}  // namespace
