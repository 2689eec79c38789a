#pragma once
// Linear least squares y = c0 + c1*u1 + ... + ck*uk for the curve fits. Every column and y are first
// centred on their means, so that data far from zero (years, loads of a million) keep their
// digits, and the centred system is solved by Householder reflections rather than normal
// equations, whose condition is the square of the data's.
#include <span>
#include <vector>

enum class LeastSquaresOutcome {
  Solved,
  Undetermined,  // a column is constant or (to rounding) a combination of the others
  NotFinite,     // a mean, sum or coefficient beyond the range of double precision
};

struct LeastSquaresSolution {
  LeastSquaresOutcome outcome = LeastSquaresOutcome::Undetermined;
  double intercept = 0;
  std::vector<double> slopes;  // one per column, in the columns' order
  double residualSum = 0;      // sum of squared residuals of the fitted values
  double totalSum = 0;         // sum of squares of y about its mean
  // residualSum / totalSum, taken from the scaled data, so that it neither overflows nor
  // underflows where the two sums would.
  double unexplainedShare = 1;
};

// columns: each of y.size() values. At least one column and two values.
LeastSquaresSolution SolveCentredLeastSquares(const std::vector<std::vector<double>>& columns,
                                              std::span<const double> y);
