#include "calculators/model/curve_scale.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <optional>

#include "engine/numbers/number_text.h"

namespace {

// Derived ranges get an eighth of their span as margin on each side; typed ranges a trace, so
// that points on their ends stay inside the frame.
constexpr double DerivedMargin = 0.125;
constexpr double KeptMargin = 0.0001;

// Ticks: the decade correction (a single-precision constant), the candidates visited and the
// slack past the upper end.
constexpr double DecadeCorrection = static_cast<double>(1.00001f);
constexpr int TickCandidateLimit = 51;
constexpr double TickEndSlack = 0.001;
constexpr double ZeroTickShare = 0.01;

// Where the curve leaves the frame below or above, whatever the ranges: the storing of a column
// puts these on the bottom and the top edge.
constexpr double BelowFrame = -std::numeric_limits<double>::infinity();
constexpr double AboveFrame = std::numeric_limits<double>::infinity();

constexpr int PlotFrameTop = PlotFrameBottom - PlotFrameHeight;
constexpr CurveEntry BreakEntry{CurveBreak, CurveBreak};

int DevicePosition(double position) {
  if (std::isnan(position)) return DeviceCoordinateMin;
  return static_cast<int>(std::trunc(
      std::clamp(position, static_cast<double>(DeviceCoordinateMin), static_cast<double>(DeviceCoordinateMax))));
}

CurveRanges ExtentOf(std::span<const CurvePoint> points) {
  CurveRanges extent{points.front().x, points.front().x, points.front().y, points.front().y};
  for (const auto& point : points) {
    extent.xMin = std::min(extent.xMin, point.x);
    extent.xMax = std::max(extent.xMax, point.x);
    extent.yMin = std::min(extent.yMin, point.y);
    extent.yMax = std::max(extent.yMax, point.y);
  }
  return extent;
}

// An empty span on one axis takes the other axis's range; with both empty, each moves by 1 outward.
void WidenEmptySpans(CurveRanges& ranges) {
  auto widen = [](double& low, double& high) {
    low -= 1;
    high += 1;
  };
  if (ranges.xMin == ranges.xMax && ranges.yMin == ranges.yMax) {
    widen(ranges.xMin, ranges.xMax);
    widen(ranges.yMin, ranges.yMax);
  }
  if (ranges.xMin == ranges.xMax) {
    ranges.xMin = ranges.yMin;
    ranges.xMax = ranges.yMax;
    if (ranges.xMin == ranges.xMax) widen(ranges.xMin, ranges.xMax);
  }
  if (ranges.yMin == ranges.yMax) {
    ranges.yMin = ranges.xMin;
    ranges.yMax = ranges.xMax;
    if (ranges.yMin == ranges.yMax) widen(ranges.yMin, ranges.yMax);
  }
}

// The lower end moves first, and the upper end's margin is taken of the span so widened.
void AddMargin(double& low, double& high, double share) {
  low -= std::fabs((high - low) * share);
  high += std::fabs((high - low) * share);
}

bool Usable(const CurveRanges& ranges) {
  const double sx = ranges.xMax - ranges.xMin, sy = ranges.yMax - ranges.yMin;
  return std::isfinite(sx) && std::isfinite(sy) && sx > 0 && sy > 0 && std::isfinite(PlotFrameWidth / sx) &&
         std::isfinite(PlotFrameHeight / sy);
}

// "%G", with an exponent of three digits shortened where its leading digits are zeros.
std::string TickLabel(double value, double step) {
  if (-ZeroTickShare * step < value && value < ZeroTickShare * step) return "0";
  std::string label = FormatNumberG(value);
  const std::size_t length = label.size();
  if (length <= 5 || (label[length - 4] != 'E' && label[length - 5] != 'E')) return label;
  if (label[length - 3] == '0' && label[length - 2] == '0')
    label.erase(length - 3, 2);
  else if (label[length - 3] == '0')
    label.erase(length - 3, 1);
  return label;
}

// Ticks at a step of 1, 2, 2.5 or 5 times a power of ten, chosen so that the span holds some 5 to
// 10 of them; position(T) gives each tick's foot.
template <typename Position>
std::vector<AxisTick> AxisTicks(double low, double high, Position position) {
  const double span = high - low;
  const int decadeBelow = static_cast<int>(std::trunc(std::log10(span) - 0.5));
  const double correction = span <= 2 * std::pow(10.0, decadeBelow) ? DecadeCorrection : 0;
  const double decade = std::pow(10.0, std::trunc(std::log10(span) - correction));
  const double share = span / decade;
  const double factor = share <= 2 ? 0.2 : share <= 2.5 ? 0.25 : share <= 5 ? 0.5 : 1;
  const double step = factor * decade;
  double tick = low >= 0 ? low + step - std::fabs(std::fmod(low, decade)) : low + std::fabs(std::fmod(low, step));
  if (tick - decade == low) tick = low;

  std::vector<AxisTick> ticks;
  for (int visited = 0; visited < TickCandidateLimit && tick <= high + TickEndSlack * span; ++visited, tick += step) {
    if (tick >= low && ticks.size() < AxisTickLimit) ticks.push_back({tick, position(tick), TickLabel(tick, step)});
  }
  return ticks;
}

// The model's value at x for one column of the curve, or what the column stores instead.
class CurveSampler {
 public:
  CurveSampler(const CurveFit& fit, const CurveModel& model, const CurveRanges& frame)
      : fit_(fit), model_(model), frame_(frame), yScale_(PlotFrameHeight / (frame.yMax - frame.yMin)) {}

  std::vector<CurveEntry> Sample() {
    const double dx = (frame_.xMax - frame_.xMin) / PlotFrameWidth;
    double x = frame_.xMin;
    for (int column = 0; column < PlotFrameWidth; ++column) {
      x += dx;
      SampleColumn(column, x, dx);
    }
    BreakEdgeRuns();
    return std::move(entries_);
  }

 private:
  enum class Crossing { None, Upward, Downward };

  void SampleColumn(int column, double x, double dx) {
    switch (model_.gap) {
      case CurveGap::None: return Store(column, Value(x));
      case CurveGap::NotDrawn:
        if (x > 0) Store(column, Value(x));
        return;
      case CurveGap::Logarithm:
        // ln X runs to minus infinity at 0.
        return Store(column, x > 0 ? Value(x) : (fit_.coefficients[1] > 0 ? BelowFrame : AboveFrame));
      case CurveGap::Reciprocal: return SampleReciprocal(column, x, dx);
      case CurveGap::Rational: return SampleRational(column, x);
    }
  }

  double Value(double x) const { return model_.value(fit_.coefficients, x); }

  // Y = A/X + B runs off the frame on both sides of X = 0, with a break between.
  void SampleReciprocal(int column, double x, double dx) {
    const double factor = fit_.coefficients[1];
    if (x < 0 && 0 <= x + dx) return Store(column, factor < 0 ? AboveFrame : BelowFrame);
    if (x - dx < 0 && 0 <= x) {
      StoreBreaks();
      return Store(column, factor >= 0 ? AboveFrame : BelowFrame);
    }
    Store(column, Value(x));
  }

  // Y = (A + B*X)/(1 + C*X): where the denominator changes sign the curve leaves the frame the
  // way it was heading, and comes back from the other edge after a break.
  void SampleRational(int column, double x) {
    const double denominator = 1 + fit_.coefficients[2] * x;
    double y = 0;
    if (afterCrossing_ != Crossing::None) {
      StoreBreaks();
      y = afterCrossing_ == Crossing::Upward ? BelowFrame : AboveFrame;
      afterCrossing_ = Crossing::None;
    } else if (denominator == 0) {
      if (!previous_) {
        previousDenominator_ = denominator;
        return;
      }
      y = *previous_;
    } else {
      y = Value(x);
      if (previous_ &&
          ((previousDenominator_ <= 0 && denominator > 0) || (previousDenominator_ >= 0 && denominator < 0))) {
        afterCrossing_ = trend_ >= 0 ? Crossing::Upward : Crossing::Downward;
        y = trend_ >= 0 ? AboveFrame : BelowFrame;
      }
      if (previous_) trend_ += y > *previous_ ? 1 : -1;
    }
    previousDenominator_ = denominator;
    previous_ = y;
    Store(column, y);
  }

  // A value beyond the range is held on the frame's edge; a value that is no number breaks the curve.
  void Store(int column, double y) {
    if (std::isnan(y)) return Keep(BreakEntry, column);
    const double h = yScale_ * (y - frame_.yMin);
    const double plotY = h <= 0 ? PlotFrameBottom : h >= PlotFrameHeight ? PlotFrameTop : PlotFrameBottom - h;
    Keep({static_cast<float>(PlotFrameLeft + column), static_cast<float>(plotY)}, column);
  }

  void StoreBreaks() {
    Keep(BreakEntry, -1);
    Keep(BreakEntry, -1);
  }

  // The entry of the first column, on the frame's left edge itself, gives way to the next entry.
  void Keep(const CurveEntry& entry, int column) {
    if (firstColumnPending_)
      entries_.back() = entry;
    else
      entries_.push_back(entry);
    firstColumnPending_ = column == 0 && !entry.IsBreak();
  }

  // Of a run of entries along the bottom or the top edge only the last is kept, so that the curve
  // is never drawn along the frame.
  void BreakEdgeRuns() {
    auto onEdge = [](const CurveEntry& first, const CurveEntry& second, float edge) {
      return !first.IsBreak() && !second.IsBreak() && first.y == edge && second.y == edge;
    };
    for (std::size_t k = 0; k + 3 < entries_.size(); ++k) {
      if (onEdge(entries_[k], entries_[k + 1], PlotFrameBottom) || onEdge(entries_[k], entries_[k + 1], PlotFrameTop))
        entries_[k] = BreakEntry;
    }
  }

  const CurveFit& fit_;
  const CurveModel& model_;
  const CurveRanges frame_;
  const double yScale_;
  std::vector<CurveEntry> entries_;
  bool firstColumnPending_ = false;
  std::optional<double> previous_;
  double previousDenominator_ = 0;
  int trend_ = 0;
  Crossing afterCrossing_ = Crossing::None;
};

}  // namespace

SwappedAxes OrderAxisRanges(CurveRanges& ranges) {
  SwappedAxes swapped{ranges.xMin > ranges.xMax, ranges.yMin > ranges.yMax};
  if (swapped.x) std::swap(ranges.xMin, ranges.xMax);
  if (swapped.y) std::swap(ranges.yMin, ranges.yMax);
  return swapped;
}

CurveScale ScaleCurve(std::span<const CurvePoint> points, const CurveFit& fit, bool keepRanges,
                      const CurveRanges& axisRanges) {
  CurveScale scale;
  scale.axisRanges = axisRanges;
  CurveRanges frame = axisRanges;
  OrderAxisRanges(frame);
  if (!keepRanges) frame = ExtentOf(points);
  WidenEmptySpans(frame);
  const double margin = keepRanges ? KeptMargin : DerivedMargin;
  AddMargin(frame.xMin, frame.xMax, margin);
  AddMargin(frame.yMin, frame.yMax, margin);
  scale.frameRanges = frame;
  if (!Usable(frame)) return scale;
  scale.placed = true;
  if (!keepRanges) scale.axisRanges = frame;

  const double xScale = PlotFrameWidth / (frame.xMax - frame.xMin);
  const double yScale = PlotFrameHeight / (frame.yMax - frame.yMin);
  const auto plotX = [&](double x) { return DevicePosition(PlotFrameLeft + (x - frame.xMin) * xScale); };
  const auto plotY = [&](double y) { return DevicePosition(PlotFrameBottom - (y - frame.yMin) * yScale); };
  for (const auto& point : points.first(std::min(points.size(), PlacedPointLimit)))
    scale.points.push_back({plotX(point.x), plotY(point.y)});
  scale.xTicks = AxisTicks(frame.xMin, frame.xMax, [&](double t) { return PlotPosition{plotX(t), PlotFrameBottom}; });
  scale.yTicks = AxisTicks(frame.yMin, frame.yMax, [&](double t) { return PlotPosition{PlotFrameLeft, plotY(t)}; });
  const CurveModel* model = FindCurveModel(fit.code);
  if (fit.Succeeded() && model) scale.curve = CurveSampler(fit, *model, frame).Sample();
  return scale;
}

CurvePlot FitAndScaleCurve(std::span<const CurvePoint> points, int model, bool keepRanges,
                           const CurveRanges& axisRanges) {
  CurvePlot plot;
  plot.fit = FitChosenModel(points, model);
  plot.texts = CurveFitResultTexts(plot.fit, points);
  if (points.empty()) {
    plot.scale.axisRanges = plot.scale.frameRanges = axisRanges;
    return plot;
  }
  plot.scale = ScaleCurve(points, plot.fit, keepRanges, axisRanges);
  return plot;
}
