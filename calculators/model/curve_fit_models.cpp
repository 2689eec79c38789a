#include "calculators/model/curve_fit_models.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "calculators/model/least_squares.h"

namespace {

// Two SSEs this close, relative to the larger, differ by rounding alone: the best fit keeps the
// earlier model.
constexpr double BestFitTie = 1e-12;

// An SSE below this share of the sum of squares of Y about its mean is rounding alone: it is
// shown as 0 and ties with any other such SSE. A coefficient whose term stays below this share of
// the largest term of its sum, over the points, is shown as 0.
constexpr double NegligibleSseShare = 1e-20;
constexpr double NegligibleTermShare = 1e-12;

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

CurveFit FitLinearised(std::span<const CurvePoint> points, const CurveModel& model) {
  const int code = model.code;
  std::vector<double> u, v;
  for (const auto& point : points) {
    const auto transformed = model.linearised(point.x, point.y);
    if (!transformed) return Failure(code, CurveFitStatus::OutsideDomain);
    u.push_back((*transformed)[0]);
    v.push_back((*transformed)[1]);
  }
  const auto line = SolveCentredLeastSquares({u}, v);
  if (line.outcome != LeastSquaresOutcome::Solved) return Failure(code, StatusOf(line.outcome));

  CurveFit fit = Failure(code, CurveFitStatus::Fitted);
  fit.coefficients = {line.intercept, line.slopes[0], 0};
  if (!model.fittedOnLogarithms) {
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
                                          const CurveCoefficients& coefficients) {
  const CurveModel* model = FindCurveModel(code);
  if (!model) return std::nullopt;
  double sum = 0;
  for (const auto& point : points) {
    const double residual = point.y - model->value(coefficients, point.x);
    sum += residual * residual;
  }
  // A point where the model has no value leaves the sum without one too.
  if (!std::isfinite(sum)) return std::nullopt;
  return sum;
}

void RefineExpPowerFit(std::span<const CurvePoint> points, CurveFit& fit) {
  const CurveModel* model = FindCurveModel(fit.code);
  if (!model || !model->fittedOnLogarithms) return;
  // The search runs along X as the model's straight line takes it.
  std::vector<double> u;
  for (const auto& point : points) {
    const auto transformed = model->linearised(point.x, point.y);
    if (!transformed || !std::isfinite((*transformed)[0])) return;
    u.push_back((*transformed)[0]);
  }
  if (const auto refined = MinimiseProfile(points, u, fit.coefficients[1])) {
    const CurveCoefficients coefficients{(*refined)[0], (*refined)[1], 0};
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
    default: {
      const CurveModel* model = FindCurveModel(code);
      if (!model || !model->linearised) return Failure(code, CurveFitStatus::NoFormula);
      return FitLinearised(points, *model);
    }
  }
}

namespace {

double ShownSse(double sse, double spread) { return sse < NegligibleSseShare * spread ? 0 : sse; }

bool Better(const CurveFit& fit, const CurveFit& best, double spread) {
  const double sse = ShownSse(fit.sse, spread), bestSse = ShownSse(best.sse, spread);
  return sse < bestSse && bestSse - sse > BestFitTie * bestSse;
}

// The largest magnitude of each coefficient's term over the points; a term below its sum's largest
// by the negligible share becomes 0.
CurveCoefficients ShownCoefficients(const CurveModel& model, const CurveCoefficients& coefficients,
                                    std::span<const CurvePoint> points) {
  if (points.empty()) return coefficients;
  std::array<double, 3> term{};
  std::array<double, 2> largest = {0, 1};  // the denominator's other term is 1
  for (std::size_t i = 0; i < coefficients.size(); ++i) {
    if (!model.terms.basis[i]) continue;
    for (const auto& point : points)
      term[i] = std::max(term[i], std::fabs(coefficients[i] * model.terms.basis[i](point.x)));
    largest[model.terms.sum[i]] = std::max(largest[model.terms.sum[i]], term[i]);
  }
  CurveCoefficients shown = coefficients;
  for (std::size_t i = 0; i < coefficients.size(); ++i) {
    if (model.terms.basis[i] && term[i] < NegligibleTermShare * largest[model.terms.sum[i]]) shown[i] = 0;
  }
  return shown;
}

}  // namespace

CurveFit FitBestModel(std::span<const CurvePoint> points) {
  const double spread = SpreadOfY(points);
  std::optional<CurveFit> best;
  bool overflowed = false;
  CurveFitStatus lineFailure = CurveFitStatus::NoFormula;
  for (const CurveModel& model : FittedCurveModels()) {
    CurveFit fit = FitCurveModel(points, model.code);
    if (model.code == CurveModelLine) lineFailure = fit.status;
    if (fit.status == CurveFitStatus::NotFinite) overflowed = true;
    if (fit.Succeeded() && (!best || Better(fit, *best, spread))) best = fit;
  }
  if (best) return *best;
  return Failure(CurveModelBestFit, overflowed ? CurveFitStatus::NotFinite : lineFailure);
}

CurveFit FitChosenModel(std::span<const CurvePoint> points, int model) {
  return model == CurveModelBestFit ? FitBestModel(points) : FitCurveModel(points, model);
}

CurveFitTexts CurveFitResultTexts(const CurveFit& fit, std::span<const CurvePoint> points) {
  CurveFitTexts texts;
  if (!fit.Succeeded()) return texts;
  const CurveModel* model = FindCurveModel(fit.code);
  if (!model) return texts;
  texts.function = model->functionText(ShownCoefficients(*model, fit.coefficients, points));
  if (std::fabs(fit.rSquared) <= 1e-6)
    texts.rSquared = "0";
  else if (fit.rSquared > 0)
    texts.rSquared = CurveNumberText(fit.rSquared);
  texts.sse = CurveNumberText(points.empty() ? fit.sse : ShownSse(fit.sse, SpreadOfY(points)));
  return texts;
}
