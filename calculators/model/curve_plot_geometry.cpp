#include "calculators/model/curve_plot_geometry.h"

#include <algorithm>

namespace {

constexpr int TickLength = 5;
constexpr int BlankWidth = 10;
constexpr int YAxisTextGap = 28;  // trunc(16 * 1.8): the width of a turned tick label's line

DrawingLine Line(double fromX, double fromY, double toX, double toY) { return {{fromX, fromY}, {toX, toY}}; }

int LeadingBlanks(const std::string& text) {
  const std::size_t first = text.find_first_not_of(' ');
  return static_cast<int>(first == std::string::npos ? text.size() : first);
}

// A label is placed by its length: 16/4 pixels for half of each character, less for the narrow
// '.' and '-'.
int NarrowOffset(const std::string& label, int forPoint, int forMinus) {
  return (label.find('.') != std::string::npos ? forPoint : 0) + (label.find('-') != std::string::npos ? forMinus : 0);
}

int LabelLength(const std::string& label) { return static_cast<int>(label.size()); }

bool InsideFrame(const PlotPosition& point) {
  return point.x >= PlotFrameLeft && point.x <= PlotFrameRight && point.y >= PlotFrameTop &&
         point.y <= PlotFrameBottom && point.y > 0;
}

void AddFrame(CurvePlotGeometry& geometry) {
  geometry.frameEdges = {Line(PlotFrameLeft, PlotFrameTop, PlotFrameRight, PlotFrameTop),
                         Line(PlotFrameLeft, PlotFrameBottom, PlotFrameRight, PlotFrameBottom),
                         Line(PlotFrameLeft, PlotFrameTop, PlotFrameLeft, PlotFrameBottom),
                         Line(PlotFrameRight, PlotFrameTop, PlotFrameRight, PlotFrameBottom)};
}

// The last two segments of the list are not drawn, nor any that starts above the window or
// touches a break.
void AddCurve(CurvePlotGeometry& geometry, const std::vector<CurveEntry>& curve) {
  for (std::size_t i = 0; i + 3 < curve.size(); ++i) {
    const CurveEntry& from = curve[i];
    const CurveEntry& to = curve[i + 1];
    if (from.y > 0 && !from.IsBreak() && !to.IsBreak()) geometry.curveSegments.push_back(Line(from.x, from.y, to.x, to.y));
  }
}

void AddTicks(CurvePlotGeometry& geometry, const CurveScale& scale) {
  for (const AxisTick& tick : scale.xTicks) {
    const int x = tick.foot.x;
    const int labelX = x - 4 * LabelLength(tick.label) + NarrowOffset(tick.label, 2, 2);
    geometry.ticks.push_back({Line(x, PlotFrameBottom, x, PlotFrameBottom + TickLength),
                              {{static_cast<double>(labelX), PlotFrameBottom + TickLength}, tick.label}});
  }
  for (const AxisTick& tick : scale.yTicks) {
    const int y = tick.foot.y;
    const int labelX = PlotFrameLeft - 8 * LabelLength(tick.label) - TickLength + NarrowOffset(tick.label, 4, 2);
    geometry.ticks.push_back({Line(PlotFrameLeft, y, PlotFrameLeft - TickLength, y),
                              {{static_cast<double>(labelX), static_cast<double>(y - 8)}, tick.label}});
    geometry.leftmostYLabelX = std::min(geometry.leftmostYLabelX, labelX);
  }
}

}  // namespace

CurvePlotGeometry PlotGeometry(const CurveScale& scale, const CurvePlotOptions& options) {
  CurvePlotGeometry geometry;
  if (!scale.placed) return geometry;
  if (options.grid) {
    for (const AxisTick& tick : scale.xTicks)
      geometry.gridLines.push_back(Line(tick.foot.x, PlotFrameBottom, tick.foot.x, PlotFrameTop));
    for (const AxisTick& tick : scale.yTicks)
      geometry.gridLines.push_back(Line(PlotFrameLeft, tick.foot.y, PlotFrameRight, tick.foot.y));
  }
  if (options.frame) AddFrame(geometry);
  AddCurve(geometry, scale.curve);
  if (!options.hidePoints) {
    for (const PlotPosition& point : scale.points) {
      if (InsideFrame(point)) geometry.marks.push_back({static_cast<double>(point.x), static_cast<double>(point.y)});
    }
  }
  AddTicks(geometry, scale);
  return geometry;
}

int YAxisTextX(int leftmostYLabelX) { return std::max(leftmostYLabelX - YAxisTextGap, 1); }

DrawingText PlotTitle(const std::string& title) {
  return {{static_cast<double>(1 + BlankWidth * LeadingBlanks(title)), TitleY}, title, TitleHeight};
}

DrawingText PlotXAxisText(const std::string& text) {
  return {{static_cast<double>(PlotFrameLeft + BlankWidth * LeadingBlanks(text)), XAxisTextY}, text, AxisTextHeight};
}

DrawingText PlotYAxisText(const std::string& text, int x) {
  return {{static_cast<double>(std::max(x, 1)), static_cast<double>(PlotFrameBottom - BlankWidth * LeadingBlanks(text))},
          text,
          AxisTextHeight,
          true};
}
