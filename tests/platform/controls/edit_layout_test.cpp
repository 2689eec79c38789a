#include <gtest/gtest.h>

#include "platform/controls/edit_layout.h"

namespace {

// Every character 10 pixels wide, tab stops every 80: line widths can be counted by hand.
EditMetrics TenPixels() {
  EditMetrics metrics;
  metrics.widths.fill(10);
  metrics.lineHeight = 12;
  metrics.averageWidth = 10;
  metrics.tabWidth = 80;
  return metrics;
}

std::vector<std::string> LinesOf(const std::string& text, bool multiLine, int wrapWidth) {
  EditLayout layout;
  layout.Build(text, multiLine, wrapWidth, TenPixels());
  std::vector<std::string> lines;
  for (const EditLine& line : layout.Lines()) lines.push_back(text.substr(line.start, line.end - line.start));
  return lines;
}

TEST(EditLayout, BreaksAtCrLfAndWrapsBetweenWordsWithinTheWidth) {
  struct Case {
    const char* text;
    bool multiLine;
    int wrapWidth;
    std::vector<std::string> lines;
  };
  const Case cases[] = {
      {"one\r\ntwo\r\n", true, 0, {"one", "two", ""}},
      {"a lone\nfeed", true, 0, {"a lone\nfeed"}},
      {"one\r\ntwo", false, 0, {"one\r\ntwo"}},
      // "aaa bbb" is 70 pixels: more than 55, so "bbb" starts the next line; the blank stays behind.
      {"aaa bbb ccc", true, 55, {"aaa ", "bbb ", "ccc"}},
      {"aaa bbb ccc", true, 75, {"aaa bbb ", "ccc"}},
      // A word wider than the field is broken where it reaches the edge.
      {"abcdefgh", true, 35, {"abc", "def", "gh"}},
      // Blanks never start a line: they reach past the edge.
      {"aa        bb", true, 50, {"aa        ", "bb"}},
      {"no wrap at all here", true, 0, {"no wrap at all here"}},
  };
  for (const Case& test : cases) {
    EXPECT_EQ(LinesOf(test.text, test.multiLine, test.wrapWidth), test.lines) << test.text;
  }
}

TEST(EditLayout, TabsStopAtEveryEightyPixels) {
  const EditMetrics metrics = TenPixels();
  EditLayout layout;
  const std::string text = "a\tb\r\nabcdefgh\tx";
  layout.Build(text, true, 0, metrics);
  EXPECT_EQ(layout.XOf(text, 2, metrics), 80);
  EXPECT_EQ(layout.XOf(text, 3, metrics), 90);
  // A tab at a stop goes on to the next one.
  EXPECT_EQ(layout.XOf(text, 14, metrics), 160);
  EXPECT_EQ(layout.Widest(), 170);
}

TEST(EditLayout, PointsAndOffsetsMeetAtTheNearestCharacterBoundary) {
  const EditMetrics metrics = TenPixels();
  EditLayout layout;
  const std::string text = "aaa bbb ccc";
  layout.Build(text, true, 55, metrics);
  ASSERT_EQ(layout.LineCount(), 3u);
  EXPECT_EQ(layout.OffsetAt(text, 1, 14, metrics), 5u);
  EXPECT_EQ(layout.OffsetAt(text, 1, 16, metrics), 6u);
  EXPECT_EQ(layout.OffsetAt(text, 2, -5, metrics), 8u);
  EXPECT_EQ(layout.OffsetAt(text, 2, 500, metrics), 11u);
  // The end of a wrapped line is the next line's start; on the line itself the caret stops before it.
  EXPECT_EQ(layout.OffsetAt(text, 0, 500, metrics), 3u);
  EXPECT_EQ(layout.LineOf(4), 1u);
  EXPECT_EQ(layout.LineOf(3), 0u);
  EXPECT_EQ(layout.XOf(text, 4, metrics), 0);
}

}  // namespace
