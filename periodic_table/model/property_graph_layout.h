#pragma once
// Where the property graph puts everything, in pixels of the window's client area (y grows
// downwards): the scale of the chosen property, the place of every symbol, and the columns of the
// main groups. The painting only draws what this computes.
#include <array>
#include <vector>

#include "engine/globals.h"

inline constexpr int FirstGraphPropertyId = 101;  // the radio of the atomic mass
inline constexpr int LastGraphPropertyId = 115;   // the radio of the stable isotope count

inline constexpr int GraphBaselineY = 399;
inline constexpr int GraphPlotHeight = 250;  // pixels of the whole value range
inline constexpr int GraphLabelLift = 20;    // the label line above the axis top
inline constexpr int GraphAxisLeft = 16;
inline constexpr int GraphAxisRight = 610;
inline constexpr int GraphFirstSymbolX = 20;
inline constexpr int GraphSymbolLimitX = 620;  // symbols from here on are not drawn
inline constexpr int GraphColumnSpacing = 13;
inline constexpr int GraphSymbolLift = 6;  // half the symbol font's height

struct MainGroupColumn {
  int baseX;
  std::vector<int> members;  // atomic numbers, ascending
  const char* heading;
  int headingX;
};
const std::array<MainGroupColumn, 8>& MainGroupColumns();
// The vertical lines between the columns, and the last one at the axis end.
inline constexpr std::array<int, 8> ColumnSeparatorXs = {115, 200, 270, 336, 401, 466, 531, 610};

// The chosen property of each element, entry Z-1; -1 and -999 stand where it has no value. An id
// outside 101 to 115 names no property, and no element has a value.
std::array<float, ElementCount> GraphPropertyValues(int propertyId);
bool HasGraphValue(float value);

struct PlacedSymbol {
  int atomicNumber;
  int x;  // the symbol's top-left corner
  int y;
};

struct PropertyGraphLayout {
  float max = 0;  // the range of the scale, which always holds 0
  float min = 0;
  int axisTop = GraphBaselineY;
  int labelY = GraphBaselineY - GraphLabelLift;  // the max label and the column headings
  std::vector<PlacedSymbol> symbols;             // the symbols drawn, in order of atomic number
};

// Pixels above the baseline of a value: its share of the plot height, truncated towards zero;
// 0 when the range is empty (no element has a value other than 0).
int ScaledHeight(float value, float max, float min);

// The graph of the values with the property's horizontal step; in the main-groups mode only the
// members of the eight columns count and are drawn, each in its column.
PropertyGraphLayout LayOutPropertyGraph(const std::array<float, ElementCount>& values, int propertyId,
                                        bool mainGroupsOnly);
