// The plot's lines, marks and texts as the screen and the page both draw them, worked out by hand.
#include "calculators/model/curve_plot_geometry.h"

#include <gtest/gtest.h>

namespace {

CurveScale PlacedScale() {
  CurveScale scale;
  scale.placed = true;
  // Inside, on the frame's corner, left of the frame, and above it.
  scale.points = {{100, 300}, {420, 180}, {79, 300}, {200, 179}};
  scale.xTicks = {{0, {100, PlotFrameBottom}, "0"}, {0.5, {150, PlotFrameBottom}, "-0.5"}};
  scale.yTicks = {{1E7, {PlotFrameLeft, 250}, "1E+7"}};
  // Four segments, one of them into a break; the list's last two are never drawn.
  scale.curve = {{81, 300}, {82, 290}, {CurveBreak, CurveBreak}, {84, 280}, {85, 270}, {86, 260}, {87, 250}};
  return scale;
}

TEST(CurvePlotGeometry, LinesMarksAndLabelsWhereTheWindowDrawsThem) {
  const CurvePlotGeometry geometry = PlotGeometry(PlacedScale(), {true, true, false});
  // A grid line from each tick across the frame; the frame's four edges.
  ASSERT_EQ(geometry.gridLines.size(), 3u);
  EXPECT_TRUE(geometry.gridLines[0].Vertical());
  EXPECT_EQ(geometry.gridLines[0].to.y, PlotFrameTop);
  EXPECT_FALSE(geometry.gridLines[2].Vertical());
  EXPECT_EQ(geometry.gridLines[2].to.x, PlotFrameRight);
  EXPECT_EQ(geometry.frameEdges.size(), 4u);
  // (81,300)-(82,290) and (84,280)-(85,270); the breaks' neighbours and the last two are left out.
  ASSERT_EQ(geometry.curveSegments.size(), 2u);
  EXPECT_EQ(geometry.curveSegments[1].from.x, 84);
  EXPECT_EQ(geometry.curveSegments[1].to.y, 270);
  ASSERT_EQ(geometry.marks.size(), 2u);
  EXPECT_EQ(geometry.marks[1].x, 420);
  // Labels centred by their length, the narrow '.' and '-' counted less: "-0.5" at 150 - 16 + 4.
  ASSERT_EQ(geometry.ticks.size(), 3u);
  EXPECT_EQ(geometry.ticks[0].label.at.x, 96);
  EXPECT_EQ(geometry.ticks[1].label.at.x, 138);
  EXPECT_EQ(geometry.ticks[1].label.at.y, PlotFrameBottom + 5);
  EXPECT_EQ(geometry.ticks[1].line.to.y, PlotFrameBottom + 5);
  // "1E+7" ends 5 pixels left of the Y axis, 8 above its tick: 80 - 32 - 5.
  EXPECT_EQ(geometry.ticks[2].label.at.x, 43);
  EXPECT_EQ(geometry.ticks[2].label.at.y, 242);
  EXPECT_EQ(geometry.leftmostYLabelX, 43);
  EXPECT_EQ(YAxisTextX(geometry.leftmostYLabelX), 15);
}

TEST(CurvePlotGeometry, OptionsOffAndNothingPlaced) {
  const CurvePlotGeometry bare = PlotGeometry(PlacedScale(), {false, false, true});
  EXPECT_TRUE(bare.gridLines.empty());
  EXPECT_TRUE(bare.frameEdges.empty());
  EXPECT_TRUE(bare.marks.empty());
  EXPECT_EQ(bare.ticks.size(), 3u);

  CurveScale unplaced = PlacedScale();
  unplaced.placed = false;
  const CurvePlotGeometry empty = PlotGeometry(unplaced, {true, true, false});
  EXPECT_TRUE(empty.gridLines.empty() && empty.curveSegments.empty() && empty.marks.empty() && empty.ticks.empty());
  EXPECT_EQ(empty.leftmostYLabelX, PlotFrameLeft);
}

// Leading blanks move a text by 10 pixels each; the Y-axis text never leaves the window.
TEST(CurvePlotGeometry, TextsMoveByTheirLeadingBlanks) {
  EXPECT_EQ(PlotTitle("   Calibration").at.x, 31);
  EXPECT_EQ(PlotTitle("Calibration").at.y, 135);
  EXPECT_EQ(PlotTitle("T").height, 34);
  EXPECT_EQ(PlotXAxisText("  c").at.x, 100);
  EXPECT_EQ(PlotXAxisText("c").at.y, 404);
  const DrawingText yText = PlotYAxisText(" A", 15);
  EXPECT_TRUE(yText.turned);
  EXPECT_EQ(yText.at.x, 15);
  EXPECT_EQ(yText.at.y, 370);
  EXPECT_EQ(PlotYAxisText("A", -12).at.x, 1);
  EXPECT_EQ(YAxisTextX(20), 1);
}

}  // namespace
