#include "calculators/model/least_squares.h"

#include <algorithm>
#include <cmath>

namespace {

// A column whose part left over after the earlier columns' reflections is below this share of
// its own length counts as a combination of them: rounding leaves about 1e-15 of the length,
// and real data that close to dependent determine nothing worth showing.
constexpr double DependenceLimit = 1e-12;

// The values less their mean. The mean is corrected by the mean of the first differences, so
// that the centred values sum to zero to rounding even where the plain sum lost digits.
std::vector<double> Centred(std::span<const double> values, double& mean) {
  const double n = static_cast<double>(values.size());
  double sum = 0;
  for (double value : values) sum += value;
  mean = sum / n;
  double correction = 0;
  for (double value : values) correction += value - mean;
  mean += correction / n;
  std::vector<double> centred(values.size());
  for (std::size_t i = 0; i < values.size(); ++i) centred[i] = values[i] - mean;
  return centred;
}

double LargestMagnitude(const std::vector<double>& values) {
  double largest = 0;
  for (double value : values) largest = std::max(largest, std::fabs(value));
  return largest;
}

double SumOfSquares(const std::vector<double>& values, std::size_t from = 0) {
  double sum = 0;
  for (std::size_t i = from; i < values.size(); ++i) sum += values[i] * values[i];
  return sum;
}

// Applies the reflection I - v v^T / (v^T v) that maps column `pivot` below the diagonal to zero.
void Reflect(std::vector<double>& target, const std::vector<double>& v, double vv, std::size_t pivot) {
  double dot = 0;
  for (std::size_t i = pivot; i < target.size(); ++i) dot += v[i] * target[i];
  const double factor = 2 * dot / vv;
  for (std::size_t i = pivot; i < target.size(); ++i) target[i] -= factor * v[i];
}

bool Finite(double value) { return std::isfinite(value); }

}  // namespace

LeastSquaresSolution SolveCentredLeastSquares(const std::vector<std::vector<double>>& columns,
                                              std::span<const double> y) {
  LeastSquaresSolution solution;
  const std::size_t k = columns.size();
  solution.slopes.assign(k, 0);

  // Centre, then scale every column and y to a largest magnitude of 1: the solution scales
  // back exactly, and no square over- or underflows on the way.
  double yMean = 0;
  std::vector<double> target = Centred(y, yMean);
  std::vector<double> means(k, 0);
  std::vector<std::vector<double>> scaled(k);
  for (std::size_t j = 0; j < k; ++j) scaled[j] = Centred(columns[j], means[j]);
  const auto allFinite = [](const std::vector<double>& values) { return std::ranges::all_of(values, Finite); };
  if (!Finite(yMean) || !allFinite(target) || !std::ranges::all_of(means, Finite) ||
      !std::ranges::all_of(scaled, allFinite)) {
    solution.outcome = LeastSquaresOutcome::NotFinite;
    return solution;
  }
  const double yScale = LargestMagnitude(target);
  std::vector<double> columnScales(k);
  for (std::size_t j = 0; j < k; ++j) columnScales[j] = LargestMagnitude(scaled[j]);
  if (yScale == 0 || std::ranges::find(columnScales, 0.0) != columnScales.end()) return solution;
  for (double& value : target) value /= yScale;
  for (std::size_t j = 0; j < k; ++j) {
    for (double& value : scaled[j]) value /= columnScales[j];
  }
  const std::vector<double> scaledTarget = target;
  const std::vector<std::vector<double>> scaledColumns = scaled;

  // Householder reduction of the scaled columns to an upper triangle; the same reflections
  // carry the target along.
  for (std::size_t j = 0; j < k; ++j) {
    const double length = std::sqrt(SumOfSquares(scaledColumns[j]));
    const double rest = std::sqrt(SumOfSquares(scaled[j], j));
    if (rest <= DependenceLimit * length) return solution;
    std::vector<double> v(y.size(), 0);
    for (std::size_t i = j; i < y.size(); ++i) v[i] = scaled[j][i];
    v[j] += std::copysign(rest, scaled[j][j]);
    const double vv = SumOfSquares(v, j);
    for (std::size_t later = j; later < k; ++later) Reflect(scaled[later], v, vv, j);
    Reflect(target, v, vv, j);
  }
  std::vector<double> scaledSlopes(k, 0);
  for (std::size_t j = k; j-- > 0;) {
    double sum = target[j];
    for (std::size_t later = j + 1; later < k; ++later) sum -= scaled[later][j] * scaledSlopes[later];
    scaledSlopes[j] = sum / scaled[j][j];
  }

  double residualShare = 0;
  for (std::size_t i = 0; i < y.size(); ++i) {
    double residual = scaledTarget[i];
    for (std::size_t j = 0; j < k; ++j) residual -= scaledSlopes[j] * scaledColumns[j][i];
    residualShare += residual * residual;
  }
  const double totalShare = SumOfSquares(scaledTarget);
  solution.intercept = yMean;
  for (std::size_t j = 0; j < k; ++j) {
    solution.slopes[j] = scaledSlopes[j] * (yScale / columnScales[j]);
    solution.intercept -= solution.slopes[j] * means[j];
  }
  solution.residualSum = std::pow(yScale * std::sqrt(residualShare), 2);
  solution.totalSum = std::pow(yScale * std::sqrt(totalShare), 2);
  solution.unexplainedShare = residualShare / totalShare;
  const bool finite = Finite(solution.intercept) && std::ranges::all_of(solution.slopes, Finite) &&
                      Finite(solution.residualSum) && Finite(solution.totalSum);
  solution.outcome = finite ? LeastSquaresOutcome::Solved : LeastSquaresOutcome::NotFinite;
  return solution;
}
