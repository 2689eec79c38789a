#pragma once
// The least-squares models of the curve-fit window: the X/Y points fitted by one model code, or by
// the best of them, with the coefficients, the sum of squared errors (SSE), the coefficient of
// determination (r2) and the texts the window shows. Every fit is computed in double precision on
// centred data (calculators/model/least_squares.h); a sum, coefficient or result beyond the range of double
// precision is a failure of its own, so that no infinity or NaN is ever shown or drawn.
#include <array>
#include <optional>
#include <span>
#include <string>

#include "calculators/model/curve_model_table.h"

struct CurvePoint {
  double x = 0;
  double y = 0;
};

enum class CurveFitStatus {
  Fitted,
  NoFormula,      // the code has no model: 1 outside the best fit, 2, 3, or none of the codes
  TooFewPoints,   // fewer than two different X values
  OutsideDomain,  // a point the model cannot take: Y <= 0 (exponential, power), X <= 0 (power,
                  // logarithm), X = 0 (reciprocal), X at the pole of the rational model
  Undetermined,   // the points leave the coefficients undetermined: all Y equal, or dependent columns
  WorseThanMean,  // the rational model's curve fits worse than the mean of Y (r2 below 0)
  NotFinite,      // a sum, coefficient or result beyond the range of double precision
};

struct CurveFit {
  CurveFitStatus status = CurveFitStatus::NoFormula;
  int code = 0;  // the model fitted; for the best fit, the model chosen
  CurveCoefficients coefficients{};
  double sse = 0;
  double rSquared = 0;

  bool Succeeded() const { return status == CurveFitStatus::Fitted; }
};

// Fits one model code (4 to 10) to the points.
CurveFit FitCurveModel(std::span<const CurvePoint> points, int code);

// The SSE of a model over the untransformed points; empty when the model has no value at a
// point or the sum is not finite.
std::optional<double> SumSquaredResiduals(int code, std::span<const CurvePoint> points,
                                          const CurveCoefficients& coefficients);

// Y = (A + B*X)/(1 + C*X), fitted in its multiplied-out form Y = A + B*X - C*X*Y.
CurveFit FitRationalModel(std::span<const CurvePoint> points);

// Y = A + B*X + C*X^2, fitted in X less its mean and turned back into A, B, C.
CurveFit FitQuadraticModel(std::span<const CurvePoint> points);

// Codes 5 and 6: moves A and B from the fit of the logarithms to the least-squares minimum of
// the untransformed points, keeping the first estimate unless the SSE falls; r2 is then that
// of the untransformed points.
void RefineExpPowerFit(std::span<const CurvePoint> points, CurveFit& fit);

// Code 1: codes 4 to 10 in turn; the first that succeeds is kept, and a later one replaces it
// only when its SSE is strictly smaller: SSEs within 1E-12 of each other (relative), or both
// below 1E-20 of the sum of squares of Y about its mean, tie, and the earlier model stays.
CurveFit FitBestModel(std::span<const CurvePoint> points);

// The fit that the window's model setting asks for: code 1 the best fit, any other that code.
CurveFit FitChosenModel(std::span<const CurvePoint> points, int model);

struct CurveFitTexts {
  std::string function;  // "Y = 0.05 + 1.99 * X"
  std::string rSquared;
  std::string sse;
};

// The three result texts, numbers written with "%G"; all empty for a failed fit. With the points
// fitted, what is zero within rounding shows as 0: a coefficient whose term stays below 1E-12 of
// the largest term of its sum, and an SSE below 1E-20 of the sum of squares of Y about its mean.
CurveFitTexts CurveFitResultTexts(const CurveFit& fit, std::span<const CurvePoint> points = {});
