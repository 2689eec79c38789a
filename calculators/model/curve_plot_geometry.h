#pragma once
// The curve-fit plot as lines, marked points and texts in the window's pixels, worked out once
// from the scaling and the plot's options. The screen draws it with its pens and fonts; the
// printout draws the same picture scaled to the page.
#include <string>
#include <vector>

#include "calculators/model/curve_scale.h"

inline constexpr int PlotFrameTop = PlotFrameBottom - PlotFrameHeight;
inline constexpr int PlotFrameRight = PlotFrameLeft + PlotFrameWidth;

// Font heights, all "Times New Roman" of weight 400.
inline constexpr int TickLabelHeight = 16;
inline constexpr int AxisTextHeight = 20;
inline constexpr int TitleHeight = 34;

inline constexpr int TitleY = 135;
inline constexpr int XAxisTextY = PlotFrameBottom + 24;

// Window pixels; the curve's positions keep their fractions.
struct DrawingPosition {
  double x = 0;
  double y = 0;
};

struct DrawingLine {
  DrawingPosition from;
  DrawingPosition to;

  bool Vertical() const { return from.x == to.x; }
};

struct DrawingText {
  DrawingPosition at;  // where the text starts; a turned text runs upward from there
  std::string text;
  int height = TickLabelHeight;
  bool turned = false;
};

struct CurveTick {
  DrawingLine line;
  DrawingText label;
};

struct CurvePlotOptions {
  bool grid = false;
  bool frame = false;
  bool hidePoints = false;
};

// Thin lines are the grid and the ticks; the frame, the curve and the marks' outlines are wide.
struct CurvePlotGeometry {
  std::vector<DrawingLine> gridLines;
  std::vector<DrawingLine> frameEdges;
  std::vector<DrawingLine> curveSegments;
  std::vector<DrawingPosition> marks;  // the points inside the frame, each drawn as a circle
  std::vector<CurveTick> ticks;        // the X axis's, then the Y axis's
  int leftmostYLabelX = PlotFrameLeft;
};

// Empty, but for the leftmost label at the frame, when the scaling placed nothing.
CurvePlotGeometry PlotGeometry(const CurveScale& scale, const CurvePlotOptions& options);

// Where the turned Y-axis text stands: a label's line to the left of the leftmost Y tick label,
// or at 1 when that is not inside the window.
int YAxisTextX(int leftmostYLabelX);

// The three texts; each leading blank moves its text 10 pixels along it, and the blanks are drawn too.
DrawingText PlotTitle(const std::string& title);
DrawingText PlotXAxisText(const std::string& text);
DrawingText PlotYAxisText(const std::string& text, int x);
