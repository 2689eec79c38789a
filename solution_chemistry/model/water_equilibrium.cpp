#include "solution_chemistry/model/water_equilibrium.h"

#include <cmath>

namespace {

constexpr int MaxNewtonSteps = 200;
constexpr double RelativeTolerance = 1e-15;

// The positive root of r^2 + b r - c = 0 (c >= 0), without the cancellation
// of -b + sqrt(b^2 + 4c) when b is large against c.
double StableQuadraticRoot(double b, double c) {
  const double s = std::sqrt(b * b + 4.0 * c);
  return b >= 0.0 ? 2.0 * c / (b + s) : 0.5 * (s - b);
}

}  // namespace

double IonWithWater(double fromSolute) { return StableQuadraticRoot(-fromSolute, WaterIonProduct); }

double EquilibriumIon(double K, double initial, double addedIon, double addedConjugate) {
  const double b = K + addedConjugate - addedIon;
  const double c = WaterIonProduct + K * (initial + addedIon);
  const double d = K * WaterIonProduct;
  auto cubic = [&](double x) { return ((x + b) * x - c) * x - d; };
  auto slope = [&](double x) { return (3.0 * x + 2.0 * b) * x - c; };

  // The cubic is negative at 0 and has one positive root, below the ion's
  // concentration if all the acid had dissociated.
  double low = 0.0, high = 2.0 * IonWithWater(initial + addedIon);
  // Newton's method from the root without water, kept inside the bracket.
  double x = std::fmax(StableQuadraticRoot(b, K * (initial + addedIon)), IonWithWater(0.0));
  if (!(x < high)) x = 0.5 * high;
  for (int step = 0; step < MaxNewtonSteps; ++step) {
    const double value = cubic(x);
    if (value == 0.0) return x;
    (value < 0.0 ? low : high) = x;
    double next = x - value / slope(x);
    if (!(next > low && next < high)) next = 0.5 * (low + high);
    if (std::fabs(next - x) <= RelativeTolerance * x) return next;
    x = next;
  }
  return x;
}
