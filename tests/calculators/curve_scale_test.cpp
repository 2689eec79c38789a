// The plot's axis ranges, point positions, ticks and sampled curve, computed by hand below.

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>
#include <vector>

#include "calculators/model/curve_scale.h"

namespace {

CurveFit FittedModel(int code, std::array<double, 3> coefficients) {
  CurveFit fit;
  fit.status = CurveFitStatus::Fitted;
  fit.code = code;
  fit.coefficients = coefficients;
  return fit;
}

const CurveFit NoCurve;

std::vector<std::string> Labels(const std::vector<AxisTick>& ticks) {
  std::vector<std::string> labels;
  for (const auto& tick : ticks) labels.push_back(tick.label);
  return labels;
}

// The segments the window draws: between neighbouring entries up to the one that ends at the
// third-last entry, where the first lies below the window's top and neither is a break.
std::vector<std::pair<CurveEntry, CurveEntry>> DrawnSegments(const std::vector<CurveEntry>& curve) {
  std::vector<std::pair<CurveEntry, CurveEntry>> segments;
  for (std::size_t k = 0; k + 3 < curve.size(); ++k) {
    if (curve[k].y > 0 && !curve[k].IsBreak() && !curve[k + 1].IsBreak()) segments.push_back({curve[k], curve[k + 1]});
  }
  return segments;
}

// Every drawn segment either leaves the frame's edges or runs inside it, never along an edge.
void ExpectNothingDrawnAlongAnEdge(const std::vector<CurveEntry>& curve) {
  for (const auto& [from, to] : DrawnSegments(curve)) {
    EXPECT_FALSE(from.y == PlotFrameBottom && to.y == PlotFrameBottom) << "along the bottom at x " << from.x;
    EXPECT_FALSE(from.y == 180 && to.y == 180) << "along the top at x " << from.x;
  }
}

// Where the curve, broken, jumps from one edge of the frame to the other: the last entry before
// the breaks and the first after them.
struct EdgeJump {
  CurveEntry before, after;
  bool found = false;
};
EdgeJump JumpAcrossTheFrame(const std::vector<CurveEntry>& curve) {
  const CurveEntry* previous = nullptr;
  bool brokenSince = false;
  for (const auto& entry : curve) {
    if (entry.IsBreak()) {
      brokenSince = true;
      continue;
    }
    if (previous && brokenSince &&
        ((previous->y == PlotFrameBottom && entry.y == 180) || (previous->y == 180 && entry.y == PlotFrameBottom)))
      return {*previous, entry, true};
    previous = &entry;
    brokenSince = false;
  }
  return {};
}

TEST(CurveScale, OnePointWidensBothAxesByOne) {
  const std::vector<CurvePoint> points{{5, 5}};
  const auto scale = ScaleCurve(points, NoCurve, false, {});
  ASSERT_TRUE(scale.placed);
  // 4 to 6, then 4 - 0.25 = 3.75 and 6 + 0.125 * 2.25 = 6.28125.
  const CurveRanges expected{3.75, 6.28125, 3.75, 6.28125};
  EXPECT_EQ(scale.frameRanges, expected);
  EXPECT_EQ(scale.axisRanges, expected);
  // 80 + 1.25 * 340 / 2.53125 = 247.9; 380 - 1.25 * 200 / 2.53125 = 281.2.
  ASSERT_EQ(scale.points.size(), 1u);
  EXPECT_EQ(scale.points[0], (PlotPosition{247, 281}));
  // Span 2.53125: decade 1, step 0.5; the first candidate 3.5 lies below the range.
  EXPECT_EQ(Labels(scale.xTicks), (std::vector<std::string>{"4", "4.5", "5", "5.5", "6"}));
  EXPECT_EQ(scale.xTicks[0].foot, (PlotPosition{113, 380}));  // 80 + 0.25 * 134.3
  EXPECT_EQ(scale.yTicks[0].foot, (PlotPosition{80, 360}));   // 380 - 0.25 * 79.01
  EXPECT_TRUE(scale.curve.empty());
}

TEST(CurveScale, EmptyXSpanTakesTheYRange) {
  const std::vector<CurvePoint> points{{2, 1}, {2, 3}};
  const auto scale = ScaleCurve(points, NoCurve, false, {});
  // 1 to 3 on both axes, then 0.75 and 3 + 0.125 * 2.25.
  EXPECT_EQ(scale.frameRanges, (CurveRanges{0.75, 3.28125, 0.75, 3.28125}));
}

TEST(CurveScale, DerivedRangeOfZeroToTen) {
  const std::vector<CurvePoint> points{{0, 0}, {10, 5}};
  const auto scale = ScaleCurve(points, NoCurve, false, {});
  EXPECT_EQ(scale.frameRanges.xMin, -1.25);
  EXPECT_EQ(scale.frameRanges.xMax, 10 + 0.125 * 11.25);
  // Span 12.65625: decade 10, step 2.
  EXPECT_EQ(Labels(scale.xTicks), (std::vector<std::string>{"0", "2", "4", "6", "8", "10"}));
  std::vector<int> feet;
  for (const auto& tick : scale.xTicks) feet.push_back(tick.foot.x);
  // trunc(80 + (T + 1.25) * 340 / 12.65625)
  EXPECT_EQ(feet, (std::vector<int>{113, 167, 221, 274, 328, 382}));
}

TEST(CurveScale, KeptRangesGetASmallMarginAndStayAsGiven) {
  const std::vector<CurvePoint> points{{0.5, 0.5}};
  const CurveRanges typed{0, 1, 0, 2};
  const auto scale = ScaleCurve(points, NoCurve, true, typed);
  EXPECT_EQ(scale.axisRanges, typed);
  EXPECT_DOUBLE_EQ(scale.frameRanges.xMin, -0.0001);
  EXPECT_DOUBLE_EQ(scale.frameRanges.xMax, 1 + 0.0001 * 1.0001);
  EXPECT_DOUBLE_EQ(scale.frameRanges.yMin, -0.0002);
}

TEST(CurveScale, TickNearZeroIsLabelledZero) {
  // Span 1.2 with the margins: step 0.2 from -0.2, so the third tick is 0 only to rounding.
  const std::vector<CurvePoint> points{{0, 0}};
  const auto scale = ScaleCurve(points, NoCurve, true, {-0.35, 0.85, 0, 1});
  EXPECT_EQ(Labels(scale.xTicks), (std::vector<std::string>{"-0.2", "0", "0.2", "0.4", "0.6", "0.8"}));
}

TEST(CurveScale, LargeTicksWithPercentGExponents) {
  const std::vector<CurvePoint> points{{1E7, 0}, {2E7, 1}};
  const auto scale = ScaleCurve(points, NoCurve, false, {});
  // From 8.75E6 to 2.140625E7: step 2E6, the candidates from 2E6 below the range skipped.
  EXPECT_EQ(Labels(scale.xTicks),
            (std::vector<std::string>{"1E+07", "1.2E+07", "1.4E+07", "1.6E+07", "1.8E+07", "2E+07"}));
}

TEST(CurveScale, PositionsOutsideKeptRangesAreHeldInTheDeviceRange) {
  const std::vector<CurvePoint> points{{1E30, 0.5}, {-1E30, -1E300}, {0.5, 0.5}};
  const auto scale = ScaleCurve(points, NoCurve, true, {0, 1, 0, 1});
  ASSERT_EQ(scale.points.size(), 3u);
  EXPECT_EQ(scale.points[0], (PlotPosition{DeviceCoordinateMax, 280}));
  EXPECT_EQ(scale.points[1], (PlotPosition{DeviceCoordinateMin, DeviceCoordinateMax}));
  EXPECT_EQ(scale.points[2], (PlotPosition{249, 280}));
}

TEST(CurveScale, RangesThatAreNoNumbersPlaceNothing) {
  const std::vector<CurvePoint> points{{1, 1}, {2, 2}};
  const auto fit = FittedModel(CurveModelLine, {0, 1, 0});
  const double infinity = std::numeric_limits<double>::infinity();
  const CurveRanges cases[] = {
      {std::nan(""), 1, 0, 1},
      {0, infinity, 0, 1},
      {-1E308, 1E308, 0, 1},  // a span beyond double precision
      {0, 1E-310, 0, 1},      // a span too small to divide by
  };
  for (const auto& ranges : cases) {
    const auto scale = ScaleCurve(points, fit, true, ranges);
    EXPECT_FALSE(scale.placed);
    EXPECT_TRUE(scale.points.empty() && scale.xTicks.empty() && scale.yTicks.empty() && scale.curve.empty());
    EXPECT_EQ(scale.axisRanges.xMax, ranges.xMax);
  }
}

TEST(CurveScale, ReversedRangesAreOrdered) {
  CurveRanges ranges{5, 1, 2, 3};
  const auto swapped = OrderAxisRanges(ranges);
  EXPECT_TRUE(swapped.x);
  EXPECT_FALSE(swapped.y);
  EXPECT_EQ(ranges, (CurveRanges{1, 5, 2, 3}));
  const std::vector<CurvePoint> points{{3, 2.5}};
  EXPECT_EQ(ScaleCurve(points, NoCurve, true, {5, 1, 3, 2}).points, ScaleCurve(points, NoCurve, true, ranges).points);
}

TEST(CurveScale, AtMost201PointsArePlaced) {
  std::vector<CurvePoint> points;
  for (int i = 0; i < 202; ++i) points.push_back({static_cast<double>(i), static_cast<double>(i)});
  EXPECT_EQ(ScaleCurve(points, NoCurve, false, {}).points.size(), PlacedPointLimit);
}

TEST(CurveSampling, OneEntryPerColumnFromTheSecond) {
  // Y = 2 + 0.5X over X 0 to 10 (derived: -1.25 to 11.40625; Y 2 to 7 widened to 1.375 to 7.703125).
  const std::vector<CurvePoint> points{{0, 2}, {10, 7}};
  const auto scale = ScaleCurve(points, FittedModel(CurveModelLine, {2, 0.5, 0}), false, {});
  ASSERT_EQ(scale.curve.size(), 339u);
  EXPECT_EQ(scale.curve.front().x, 81);
  EXPECT_EQ(scale.curve.back().x, 419);
  // Column 100 samples X = -1.25 + 101 * 12.65625 / 340 and is plotted at 180.
  const double x = -1.25 + 101 * (12.65625 / 340);
  const double y = 380 - (2 + 0.5 * x - 1.375) * 200 / 6.328125;
  EXPECT_EQ(scale.curve[99].x, 180);
  EXPECT_NEAR(scale.curve[99].y, y, 1e-4);
  ExpectNothingDrawnAlongAnEdge(scale.curve);
}

TEST(CurveSampling, NoCurveWithoutASuccessfulFit) {
  const std::vector<CurvePoint> points{{0, 2}, {10, 7}};
  CurveFit failed = FittedModel(CurveModelLine, {2, 0.5, 0});
  failed.status = CurveFitStatus::NotFinite;
  EXPECT_TRUE(ScaleCurve(points, failed, false, {}).curve.empty());
  EXPECT_TRUE(ScaleCurve(points, FittedModel(CurveModelProportional, {0, 2, 0}), false, {}).curve.empty());
}

// Y = 3 + ln X with the Y range 1 to 6: left of X = 0 the curve is below the frame and is held on
// its bottom edge (twice Y min, 2, would have drawn a false flat line inside the frame).
TEST(CurveSampling, LogarithmLeavesTheFrameBelowZero) {
  const std::vector<CurvePoint> points{{1, 3}};
  const auto scale = ScaleCurve(points, FittedModel(CurveModelLogarithmic, {3, 1, 0}), true, {-2, 10, 1, 6});
  ASSERT_FALSE(scale.curve.empty());
  // X = 0 lies at 80 + 2 * 340 / 12 = 136.7; ln X is below Y min up to X = e^-2 = 0.135, which
  // column 59 (X = -2.0012 + 60 * 12.0024 / 340 = 0.117) still samples.
  for (const auto& entry : scale.curve) {
    if (entry.IsBreak() || entry.x > 80 + 59) continue;
    EXPECT_EQ(entry.y, PlotFrameBottom) << "at x " << entry.x;
  }
  ExpectNothingDrawnAlongAnEdge(scale.curve);
}

// Y = 2/X + 1 with data on both sides of X = 0: broken at 0, each end running off the frame.
TEST(CurveSampling, ReciprocalBreaksAtZero) {
  const std::vector<CurvePoint> points{{-5, 1}, {5, 1}};
  for (const CurveRanges& ranges : {CurveRanges{-5, 5, -10, 10}, CurveRanges{-5, 5, 1, 6}}) {
    const auto scale = ScaleCurve(points, FittedModel(CurveModelReciprocal, {1, 2, 0}), true, ranges);
    const auto at = JumpAcrossTheFrame(scale.curve);
    ASSERT_TRUE(at.found);
    EXPECT_EQ(at.before.y, PlotFrameBottom);  // 2/X falls without bound left of 0
    EXPECT_EQ(at.after.y, 180);               // and comes down from above right of it
    EXPECT_NEAR(at.before.x, 250, 2);         // X = 0 at 80 + 5 * 340 / 10
    ExpectNothingDrawnAlongAnEdge(scale.curve);
  }
  // A negative factor turns both ends over.
  const auto turned = ScaleCurve(points, FittedModel(CurveModelReciprocal, {1, -2, 0}), true, {-5, 5, 1, 6});
  const auto at = JumpAcrossTheFrame(turned.curve);
  ASSERT_TRUE(at.found);
  EXPECT_EQ(at.before.y, 180);
  EXPECT_EQ(at.after.y, PlotFrameBottom);
}

// Y = 1/(1 - X): rising to the pole at X = 1, back from below after it.
TEST(CurveSampling, RationalModelBreaksAtItsPole) {
  const std::vector<CurvePoint> points{{0, 1}};
  const auto scale = ScaleCurve(points, FittedModel(CurveModelRational, {1, 0, -1}), true, {0, 2, -5, 5});
  const auto at = JumpAcrossTheFrame(scale.curve);
  ASSERT_TRUE(at.found);
  EXPECT_EQ(at.before.y, 180);
  EXPECT_EQ(at.after.y, PlotFrameBottom);
  EXPECT_NEAR(at.before.x, 250, 2);  // X = 1 at the middle of the frame
  ExpectNothingDrawnAlongAnEdge(scale.curve);
  // Falling to the pole the other way round: Y = -1/(1 - X).
  const auto falling = ScaleCurve(points, FittedModel(CurveModelRational, {-1, 0, -1}), true, {0, 2, -5, 5});
  const auto fallingAt = JumpAcrossTheFrame(falling.curve);
  ASSERT_TRUE(fallingAt.found);
  EXPECT_EQ(fallingAt.before.y, PlotFrameBottom);
  EXPECT_EQ(fallingAt.after.y, 180);
}

TEST(CurveSampling, CurveAboveTheRangeIsNotDrawnAlongTheTop) {
  const std::vector<CurvePoint> points{{5, 5}};
  const auto scale = ScaleCurve(points, FittedModel(CurveModelLine, {100, 1, 0}), true, {0, 10, 0, 10});
  ASSERT_FALSE(scale.curve.empty());
  EXPECT_EQ(scale.curve.back().y, 180);
  for (const auto& entry : scale.curve) EXPECT_TRUE(entry.IsBreak() || entry.y == 180);
  EXPECT_TRUE(DrawnSegments(scale.curve).empty());
}

TEST(CurveSampling, PowerModelSkipsColumnsAtOrBelowZero) {
  const std::vector<CurvePoint> points{{1, 1}};
  const auto scale = ScaleCurve(points, FittedModel(CurveModelPower, {1, 2, 0}), true, {-1, 1, 0, 1});
  // Columns 0 to 168 sample X < 0 (X = -1.0002 + (i + 1) * 2.0004 / 340); column 169 samples
  // 0 to rounding.
  ASSERT_FALSE(scale.curve.empty());
  EXPECT_NEAR(scale.curve.front().x, 80 + 170, 1);
  for (const auto& entry : scale.curve) {
    EXPECT_FALSE(entry.IsBreak());
    EXPECT_GE(entry.y, 180);
    EXPECT_LE(entry.y, PlotFrameBottom);
  }
}

TEST(CurveSampling, ValuesThatAreNoNumbersBreakTheCurve) {
  // 0 * exp(B*X) is 0 until exp overflows, then no number.
  const std::vector<CurvePoint> points{{0, 0}};
  const auto scale = ScaleCurve(points, FittedModel(CurveModelExponential, {0, 1000, 0}), true, {0, 1, -1, 1});
  bool sawBreak = false;
  for (const auto& entry : scale.curve) {
    sawBreak = sawBreak || entry.IsBreak();
    if (!entry.IsBreak()) {
      EXPECT_TRUE(std::isfinite(entry.y));
    }
  }
  EXPECT_TRUE(sawBreak);
}

TEST(FitAndScaleCurve, FitsTextsAndScalesTogether) {
  const std::vector<CurvePoint> points{{1, 3}, {2, 5}, {3, 7}};
  const auto plot = FitAndScaleCurve(points, CurveModelBestFit, false, {});
  EXPECT_EQ(plot.fit.code, CurveModelLine);
  EXPECT_EQ(plot.texts.function, "Y = 1 + 2 * X");
  EXPECT_TRUE(plot.scale.placed);
  EXPECT_EQ(plot.scale.points.size(), 3u);
  EXPECT_FALSE(plot.scale.curve.empty());

  const auto nothing = FitAndScaleCurve({}, CurveModelLine, true, {1, 2, 3, 4});
  EXPECT_FALSE(nothing.fit.Succeeded());
  EXPECT_FALSE(nothing.scale.placed);
  EXPECT_EQ(nothing.scale.axisRanges, (CurveRanges{1, 2, 3, 4}));
  EXPECT_EQ(nothing.texts.function, "");
}

}  // namespace
