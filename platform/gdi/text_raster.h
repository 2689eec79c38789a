#pragma once
// The coverage of a run of text, rastered only over the cells a target can show. A run's cells are
// (u, v) in device pixels: u along the text from the start of its first character's advance, v down
// from the top of its line. Cost and memory follow the window of cells asked for, whatever the
// length of the text.
#include <cstdint>
#include <string_view>
#include <vector>

#include "platform/gdi/font_engine.h"

// The cells first <= c < end along one axis of a run.
struct CellSpan {
  std::int64_t first = 0;
  std::int64_t end = 0;
  bool IsEmpty() const { return end <= first; }
};

// The cells c whose device coordinate base + step * c (step 1 or -1) lies in [low, high).
CellSpan CellsLandingIn(int step, std::int64_t base, std::int64_t low, std::int64_t high);

struct TextMask {
  // The columns and rows held: the window asked for, cut to the run's advances and its line.
  CellSpan columns;
  CellSpan rows;
  std::int64_t stride = 0;     // values a row, at least the columns held
  std::vector<BYTE> coverage;  // row by row, 0 to 255

  BYTE At(std::int64_t u, std::int64_t v) const {
    return coverage[static_cast<size_t>((v - rows.first) * stride + (u - columns.first))];
  }
};

struct TextRunStyle {
  int scale = 1;  // device pixels a pixel
  bool underline = false;
  bool strikeOut = false;
};

// `layout` places the characters (the font at the program's size); `glyphs` gives their shapes (the
// same face `scale` times the size).
TextMask RasterTextRun(SizedFont& layout, SizedFont& glyphs, std::string_view text, const TextRunStyle& style,
                       CellSpan columns, CellSpan rows);
