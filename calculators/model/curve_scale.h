#pragma once
// What the curve-fit plot draws, computed from the points and their fit: the axis ranges (derived
// from the data with a margin, or kept as typed), the plot positions of the points, the ticks
// with their labels on both axes, and the fitted curve sampled once per column of the plot, with
// breaks where it leaves the frame or crosses a pole. Nothing here draws.
#include <span>
#include <string>
#include <vector>

#include "calculators/model/curve_fit_models.h"

// The plot frame in the window's pixels.
inline constexpr int PlotFrameLeft = 80;
inline constexpr int PlotFrameBottom = 380;
inline constexpr int PlotFrameWidth = 340;
inline constexpr int PlotFrameHeight = 200;

// Plot positions are held inside the 16-bit coordinate range of the device before they become
// integers, so that a point far outside typed ranges still has a position that can be drawn.
inline constexpr int DeviceCoordinateMin = -32768;
inline constexpr int DeviceCoordinateMax = 32767;

// At most this many points are placed (the 202nd pair is fitted but not placed), and this many
// ticks stored on each axis.
inline constexpr std::size_t PlacedPointLimit = 201;
inline constexpr std::size_t AxisTickLimit = 49;

struct CurveRanges {
  double xMin = 0;
  double xMax = 0;
  double yMin = 0;
  double yMax = 0;

  bool operator==(const CurveRanges&) const = default;
};

struct PlotPosition {
  int x = 0;
  int y = 0;

  bool operator==(const PlotPosition&) const = default;
};

struct AxisTick {
  double value = 0;
  PlotPosition foot;  // where the tick meets its axis
  std::string label;
};

// One sampled column of the curve, or a break: a break has both coordinates at CurveBreak.
inline constexpr float CurveBreak = -2147483648.0f;
struct CurveEntry {
  float x = 0;
  float y = 0;

  bool IsBreak() const { return x == CurveBreak && y == CurveBreak; }
};

struct CurveScale {
  // False when the ranges or their spans are not finite numbers (typed as "inf", or data too
  // large to scale): then nothing is placed and every list is empty.
  bool placed = false;
  CurveRanges axisRanges;   // the ranges to keep for the next fit: derived ones with their margins,
                            // or the given ones unchanged
  CurveRanges frameRanges;  // the ranges the frame shows, margins included
  std::vector<PlotPosition> points;
  std::vector<AxisTick> xTicks;
  std::vector<AxisTick> yTicks;
  std::vector<CurveEntry> curve;
};

// Puts each axis's two ends in order; true for an axis whose ends were swapped (the window shows
// the swapped values in its range fields).
struct SwappedAxes {
  bool x = false;
  bool y = false;
};
SwappedAxes OrderAxisRanges(CurveRanges& ranges);

// Ranges, points, ticks and (for a fit that succeeded) the curve. keepRanges: start from
// axisRanges; otherwise from the extent of the points. At least one point.
CurveScale ScaleCurve(std::span<const CurvePoint> points, const CurveFit& fit, bool keepRanges,
                      const CurveRanges& axisRanges);

struct CurvePlot {
  CurveFit fit;
  CurveFitTexts texts;
  CurveScale scale;  // empty, and not placed, without points
};

// The work of one full repaint: the fit the model setting asks for, its texts, and the scaling.
CurvePlot FitAndScaleCurve(std::span<const CurvePoint> points, int model, bool keepRanges,
                           const CurveRanges& axisRanges);
