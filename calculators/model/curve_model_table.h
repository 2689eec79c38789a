#pragma once
// The models of the curve-fit window in one table: for each fitted model its formula as the model
// list shows it, its value at X, the straight line it is fitted as (where it is one), how its
// curve behaves where it has no value, and its function text. The fit, the sampling of the curve,
// the model list and the loading of a data set all read the model from here.
#include <array>
#include <optional>
#include <span>
#include <string>
#include <vector>

// Model codes, as the settings value CurveFitModel holds them.
inline constexpr int CurveModelBestFit = 1;
inline constexpr int CurveModelNoFit = 2;
inline constexpr int CurveModelProportional = 3;  // Y = B*X: read from settings and data sets, never fitted
inline constexpr int CurveModelLine = 4;          // Y = A + B*X
inline constexpr int CurveModelExponential = 5;   // Y = A*exp(B*X)
inline constexpr int CurveModelPower = 6;         // Y = A*X^B
inline constexpr int CurveModelLogarithmic = 7;   // Y = A + B*ln(X)
inline constexpr int CurveModelReciprocal = 8;    // Y = A/X + B
inline constexpr int CurveModelRational = 9;      // Y = (A + B*X)/(1 + C*X)
inline constexpr int CurveModelQuadratic = 10;    // Y = A + B*X + C*X^2

// A, B, C as the model's formula names them, except that for code 8 (Y = A/X + B) the first holds
// the constant B and the second the factor A of 1/X.
using CurveCoefficients = std::array<double, 3>;

// Where a model has no value, the plotted curve:
enum class CurveGap {
  None,        // has a value at every X
  NotDrawn,    // Y = A*X^B: leaves out every column at X <= 0
  Logarithm,   // Y = A + B*ln(X): runs off the frame at X <= 0, the way ln X runs at 0
  Reciprocal,  // Y = A/X + B: runs off the frame on both sides of X = 0, broken between
  Rational,    // Y = (A + B*X)/(1 + C*X): leaves the frame where 1 + C*X changes sign, broken there
};

// What each coefficient multiplies in the sum it is a term of, so that a term too small to
// matter beside the sum's largest is shown as 0. Null where a coefficient is no term of a sum (the
// factor and exponent of Y = A*exp(B*X) and Y = A*X^B, an unused third coefficient).
using CurveTermBasis = double (*)(double x);
struct CurveTerms {
  std::array<CurveTermBasis, 3> basis{};
  // 0: the formula's sum; 1: the denominator of Y = (A + B*X)/(1 + C*X), whose other term is 1.
  std::array<int, 3> sum{};
};

struct CurveModel {
  int code;
  const char* formula;  // the model list's entry, the same in both languages
  // The value at x; not finite where the model has none.
  double (*value)(const CurveCoefficients& coefficients, double x);
  // A model fitted as the straight line v = a + b*u: the point (x, y) as (u, v), empty outside
  // the model's domain. Null for a model with normal equations of its own.
  std::optional<std::array<double, 2>> (*linearised)(double x, double y);
  // Fitted on ln Y: the line's intercept is ln A, and the fit is then refined on the points themselves.
  bool fittedOnLogarithms;
  CurveGap gap;
  CurveTerms terms;
  std::string (*functionText)(const CurveCoefficients& coefficients);
};

// Codes 4 to 10, in code order: the order of the model list and of the best fit's trials.
std::span<const CurveModel> FittedCurveModels();

// The model of a code; null for the codes that fit nothing (1 to 3, and codes outside the table).
const CurveModel* FindCurveModel(int code);

// "%G", with a negative zero shown as 0.
std::string CurveNumberText(double value);

// The model list: "Beste tilpasning" / "Best fit", "Ingen tilpasning" / "No fit", then the formulas.
std::vector<std::string> CurveModelListTexts(bool norwegian);

// The model of a list entry, empty outside the list.
std::optional<int> CurveModelOfListEntry(int index);

// The list entry of a model; -1 for a model the list does not hold (code 3 among them).
int CurveModelListEntry(int model);

// The entry a loaded data set selects: its model's, and "No fit" for a stored Y = B*X, which the
// list does not hold and nothing fits.
int CurveModelListEntryOfDataSet(int model);
