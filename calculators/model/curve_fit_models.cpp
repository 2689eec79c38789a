#include "calculators/model/curve_fit_models.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "engine/numbers/number_text.h"
#include "calculators/model/least_squares.h"

namespace {

// A later model must lower the SSE by more than this share of the spread of Y to replace an
// earlier one in the best fit: below it the two differ only by rounding, and no shown digit of
// r2 could tell them apart.
constexpr double BestFitTieShare = 1e-9;

// The refinement of codes 5 and 6 ends after this many Newton steps, or once a step moves B by
// no more than a few units of its last digit.
constexpr int RefinementSteps = 60;
constexpr double RefinementStepLimit = 4e-16;

CurveFit Failure(int code, CurveFitStatus status) {
  CurveFit fit;
  fit.code = code;
  fit.status = status;
  return fit;
}

CurveFitStatus StatusOf(LeastSquaresOutcome outcome) {
  switch (outcome) {
    case LeastSquaresOutcome::Solved: return CurveFitStatus::Fitted;
    case LeastSquaresOutcome::Undetermined: return CurveFitStatus::Undetermined;
    case LeastSquaresOutcome::NotFinite: return CurveFitStatus::NotFinite;
  }
  return CurveFitStatus::NotFinite;
}

// Every model needs two different X values; a point beyond double precision fits nothing.
std::optional<CurveFitStatus> PreconditionFailure(std::span<const CurvePoint> points) {
  for (const auto& point : points) {
    if (!std::isfinite(point.x) || !std::isfinite(point.y)) return CurveFitStatus::NotFinite;
  }
  if (points.empty()) return CurveFitStatus::TooFewPoints;
  const double first = points.front().x;
  if (std::ranges::none_of(points, [first](const CurvePoint& point) { return point.x != first; }))
    return CurveFitStatus::TooFewPoints;
  return std::nullopt;
}

std::vector<double> Ys(std::span<const CurvePoint> points) {
  std::vector<double> ys;
  ys.reserve(points.size());
  for (const auto& point : points) ys.push_back(point.y);
  return ys;
}

// The sum of squares of Y about its mean; not finite when it overflows.
double SpreadOfY(std::span<const CurvePoint> points) {
  double mean = 0;
  for (const auto& point : points) mean += point.y / static_cast<double>(points.size());
  double spread = 0;
  for (const auto& point : points) spread += (point.y - mean) * (point.y - mean);
  return spread;
}

// The fit's r2 and the check that every number of it is finite.
void Conclude(CurveFit& fit, double rSquared) {
  fit.rSquared = rSquared;
  const bool finite = std::ranges::all_of(fit.coefficients, [](double c) { return std::isfinite(c); }) &&
                      std::isfinite(fit.sse) && std::isfinite(fit.rSquared);
  fit.status = finite ? CurveFitStatus::Fitted : CurveFitStatus::NotFinite;
}

// Codes 4 to 8 fit a straight line to the point transformed to (u, v); empty outside the
// model's domain.
std::optional<std::array<double, 2>> Linearised(int code, double x, double y) {
  switch (code) {
    case CurveModelLine: return std::array{x, y};
    case CurveModelExponential:
      if (y <= 0) return std::nullopt;
      return std::array{x, std::log(y)};
    case CurveModelPower:
      if (x <= 0 || y <= 0) return std::nullopt;
      return std::array{std::log(x), std::log(y)};
    case CurveModelLogarithmic:
      if (x <= 0) return std::nullopt;
      return std::array{std::log(x), y};
    default:
      if (x == 0) return std::nullopt;
      return std::array{1 / x, y};
  }
}

CurveFit FitLinearised(std::span<const CurvePoint> points, int code) {
  if (code < CurveModelLine || code > CurveModelReciprocal) return Failure(code, CurveFitStatus::NoFormula);
  std::vector<double> u, v;
  for (const auto& point : points) {
    const auto transformed = Linearised(code, point.x, point.y);
    if (!transformed) return Failure(code, CurveFitStatus::OutsideDomain);
    u.push_back((*transformed)[0]);
    v.push_back((*transformed)[1]);
  }
  const auto line = SolveCentredLeastSquares({u}, v);
  if (line.outcome != LeastSquaresOutcome::Solved) return Failure(code, StatusOf(line.outcome));

  CurveFit fit = Failure(code, CurveFitStatus::Fitted);
  fit.coefficients = {line.intercept, line.slopes[0], 0};
  if (code != CurveModelExponential && code != CurveModelPower) {
    fit.sse = line.residualSum;
    Conclude(fit, 1 - line.unexplainedShare);
    return fit;
  }
  fit.coefficients[0] = std::exp(line.intercept);
  const auto sse = SumSquaredResiduals(code, points, fit.coefficients);
  if (!std::isfinite(fit.coefficients[0]) || !sse) return Failure(code, CurveFitStatus::NotFinite);
  fit.sse = *sse;
  RefineExpPowerFit(points, fit);
  return fit;
}

// For Y = A*exp(B*u) (u = X for code 5, ln X for code 6) and a given B, the best A is
// sum(Y*e)/sum(e*e) with e = exp(B*u); what is left is a search in B alone for the zero of
// g(B) = sum((Y - A*e)*u*e), the slope of the SSE along B. Its derivative is found in the same pass.
struct Profile {
  double a = 0;
  double sse = 0;
  double slope = 0;       // g(B)
  double derivative = 0;  // g'(B)
  bool finite = false;
};

Profile ProfileAt(std::span<const CurvePoint> points, const std::vector<double>& u, double b, std::vector<double>& e) {
  double ye = 0, ee = 0, yue = 0, uee = 0, yuue = 0, uuee = 0;
  for (std::size_t i = 0; i < points.size(); ++i) {
    e[i] = std::exp(b * u[i]);
    const double y = points[i].y;
    const double ue = u[i] * e[i];
    ye += y * e[i];
    ee += e[i] * e[i];
    yue += y * ue;
    uee += ue * e[i];
    yuue += y * u[i] * ue;
    uuee += ue * ue;
  }
  Profile profile;
  profile.a = ye / ee;
  for (std::size_t i = 0; i < points.size(); ++i) {
    const double residual = points[i].y - profile.a * e[i];
    profile.sse += residual * residual;
  }
  const double aChange = (yue - 2 * profile.a * uee) / ee;
  profile.slope = yue - profile.a * uee;
  profile.derivative = yuue - aChange * uee - 2 * profile.a * uuee;
  profile.finite = std::isfinite(profile.a) && std::isfinite(profile.sse) && std::isfinite(profile.slope) &&
                   std::isfinite(profile.derivative) && ee > 0;
  return profile;
}

// A step may not raise the SSE by more than rounding.
bool Acceptable(const Profile& next, const Profile& here) { return next.finite && next.sse <= here.sse * (1 + 1e-12); }

// Newton's method on g from the first estimate's B; a step that raises the SSE beyond rounding is
// halved until it does not.
std::optional<std::array<double, 2>> MinimiseProfile(std::span<const CurvePoint> points, const std::vector<double>& u,
                                                     double b) {
  std::vector<double> scratch(points.size());
  Profile here = ProfileAt(points, u, b, scratch);
  if (!here.finite) return std::nullopt;
  for (int step = 0; step < RefinementSteps && here.slope != 0; ++step) {
    // Downhill along B is the sign of A*g; Newton's step is turned that way where it points up.
    double change = -here.slope / here.derivative;
    const double downhill = here.a * here.slope;
    if (!std::isfinite(change) || change * downhill < 0) change = -change;
    if (!std::isfinite(change)) break;
    Profile next = ProfileAt(points, u, b + change, scratch);
    for (int halving = 0; halving < 60 && !Acceptable(next, here); ++halving) {
      change /= 2;
      next = ProfileAt(points, u, b + change, scratch);
    }
    if (!Acceptable(next, here)) break;
    b += change;
    here = next;
    if (std::fabs(change) <= RefinementStepLimit * std::fabs(b)) break;
  }
  return std::array<double, 2>{here.a, b};
}

}  // namespace

std::optional<double> SumSquaredResiduals(int code, std::span<const CurvePoint> points,
                                          const std::array<double, 3>& coefficients) {
  const auto [a, b, c] = coefficients;
  double sum = 0;
  for (const auto& point : points) {
    const double x = point.x;
    double f = 0;
    switch (code) {
      case CurveModelLine: f = a + b * x; break;
      case CurveModelExponential: f = a * std::exp(b * x); break;
      case CurveModelPower: f = a * std::pow(x, b); break;
      case CurveModelLogarithmic:
        if (x == 0) return std::nullopt;
        f = a + b * std::log(x);
        break;
      case CurveModelReciprocal:
        if (x == 0) return std::nullopt;
        f = b / x + a;
        break;
      case CurveModelRational:
        if (1 + c * x == 0) return std::nullopt;
        f = (a + b * x) / (1 + c * x);
        break;
      case CurveModelQuadratic: f = a + x * (b + c * x); break;
      default: return std::nullopt;
    }
    const double residual = point.y - f;
    sum += residual * residual;
  }
  if (!std::isfinite(sum)) return std::nullopt;
  return sum;
}

void RefineExpPowerFit(std::span<const CurvePoint> points, CurveFit& fit) {
  std::vector<double> u;
  for (const auto& point : points) u.push_back(fit.code == CurveModelPower ? std::log(point.x) : point.x);
  if (!std::ranges::all_of(u, [](double value) { return std::isfinite(value); })) return;
  if (const auto refined = MinimiseProfile(points, u, fit.coefficients[1])) {
    const std::array<double, 3> coefficients{(*refined)[0], (*refined)[1], 0};
    const auto sse = SumSquaredResiduals(fit.code, points, coefficients);
    if (sse && *sse < fit.sse) {
      fit.coefficients = coefficients;
      fit.sse = *sse;
    }
  }
  const double spread = SpreadOfY(points);
  Conclude(fit, std::isfinite(spread) ? 1 - fit.sse / spread : spread);
}

CurveFit FitRationalModel(std::span<const CurvePoint> points) {
  if (const auto failure = PreconditionFailure(points)) return Failure(CurveModelRational, *failure);
  std::vector<double> x, xy;
  for (const auto& point : points) x.push_back(point.x), xy.push_back(point.x * point.y);
  const auto ys = Ys(points);
  const auto solution = SolveCentredLeastSquares({x, xy}, ys);
  if (solution.outcome != LeastSquaresOutcome::Solved) return Failure(CurveModelRational, StatusOf(solution.outcome));

  CurveFit fit = Failure(CurveModelRational, CurveFitStatus::Fitted);
  fit.coefficients = {solution.intercept, solution.slopes[0], -solution.slopes[1]};
  const double c = fit.coefficients[2];
  if (std::ranges::any_of(points, [c](const CurvePoint& point) { return 1 + c * point.x == 0; }))
    return Failure(CurveModelRational, CurveFitStatus::OutsideDomain);
  const auto sse = SumSquaredResiduals(CurveModelRational, points, fit.coefficients);
  if (!sse) return Failure(CurveModelRational, CurveFitStatus::NotFinite);
  fit.sse = *sse;
  Conclude(fit, 1 - fit.sse / solution.totalSum);
  if (fit.Succeeded() && fit.rSquared < 0) return Failure(CurveModelRational, CurveFitStatus::WorseThanMean);
  return fit;
}

CurveFit FitQuadraticModel(std::span<const CurvePoint> points) {
  if (const auto failure = PreconditionFailure(points)) return Failure(CurveModelQuadratic, *failure);
  double shift = 0;
  for (const auto& point : points) shift += point.x / static_cast<double>(points.size());
  std::vector<double> z, zz;
  for (const auto& point : points) {
    const double centred = point.x - shift;
    z.push_back(centred), zz.push_back(centred * centred);
  }
  const auto solution = SolveCentredLeastSquares({z, zz}, Ys(points));
  if (solution.outcome != LeastSquaresOutcome::Solved) return Failure(CurveModelQuadratic, StatusOf(solution.outcome));

  // a + b*z + c*z^2 with z = X - shift, multiplied out in X.
  const double a = solution.intercept, b = solution.slopes[0], c = solution.slopes[1];
  CurveFit fit = Failure(CurveModelQuadratic, CurveFitStatus::Fitted);
  fit.coefficients = {a - shift * (b - c * shift), b - 2 * c * shift, c};
  fit.sse = solution.residualSum;
  Conclude(fit, 1 - solution.unexplainedShare);
  return fit;
}

CurveFit FitCurveModel(std::span<const CurvePoint> points, int code) {
  if (const auto failure = PreconditionFailure(points)) return Failure(code, *failure);
  switch (code) {
    case CurveModelRational: return FitRationalModel(points);
    case CurveModelQuadratic: return FitQuadraticModel(points);
    default: return FitLinearised(points, code);
  }
}

CurveFit FitBestModel(std::span<const CurvePoint> points) {
  const double spread = SpreadOfY(points);
  const double tie = std::isfinite(spread) ? BestFitTieShare * spread : 0;
  std::optional<CurveFit> best;
  bool overflowed = false;
  CurveFitStatus lineFailure = CurveFitStatus::NoFormula;
  for (int code = CurveModelLine; code <= CurveModelQuadratic; ++code) {
    CurveFit fit = FitCurveModel(points, code);
    if (code == CurveModelLine) lineFailure = fit.status;
    if (fit.status == CurveFitStatus::NotFinite) overflowed = true;
    if (fit.Succeeded() && (!best || fit.sse < best->sse - tie)) best = fit;
  }
  if (best) return *best;
  return Failure(CurveModelBestFit, overflowed ? CurveFitStatus::NotFinite : lineFailure);
}

CurveFit FitChosenModel(std::span<const CurvePoint> points, int model) {
  return model == CurveModelBestFit ? FitBestModel(points) : FitCurveModel(points, model);
}

namespace {

// "%G", with a negative zero shown as 0.
std::string Shown(double value) { return FormatNumberG(value + 0.0); }

std::string SignedTerm(double value, const char* plus, const char* minus) {
  return (value < 0 ? minus : plus) + Shown(std::fabs(value));
}

std::string FunctionText(const CurveFit& fit) {
  const auto [a, b, c] = fit.coefficients;
  switch (fit.code) {
    case CurveModelLine: return "Y = " + Shown(a) + SignedTerm(b, " + ", " - ") + " * X";
    case CurveModelExponential: return "Y = " + Shown(a) + " * exp(" + Shown(b) + "*X)";
    case CurveModelPower: return "Y = " + Shown(a) + " * X^" + Shown(b);
    case CurveModelLogarithmic: return "Y = " + Shown(a) + SignedTerm(b, " + ", " - ") + "*lnX";
    case CurveModelReciprocal: return "Y = " + Shown(b) + SignedTerm(a, "/X + ", "/X - ");
    case CurveModelRational:
      return "Y=(" + Shown(a) + (b >= 0 ? "+" : "") + Shown(b) + (c >= 0 ? "*X)/(1+" : "*X)/(1") + Shown(c) + "*X)";
    case CurveModelQuadratic:
      return "Y=" + Shown(a) + (b >= 0 ? "+" : "") + Shown(b) + "*X" + (c >= 0 ? "+" : "") + Shown(c) + "*X^2";
    default: return {};
  }
}

}  // namespace

CurveFitTexts CurveFitResultTexts(const CurveFit& fit) {
  CurveFitTexts texts;
  if (!fit.Succeeded()) return texts;
  texts.function = FunctionText(fit);
  if (texts.function.empty()) return texts;
  if (std::fabs(fit.rSquared) <= 1e-6)
    texts.rSquared = "0";
  else if (fit.rSquared > 0)
    texts.rSquared = Shown(fit.rSquared);
  texts.sse = Shown(fit.sse);
  return texts;
}
