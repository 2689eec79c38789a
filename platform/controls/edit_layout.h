#pragma once
// The lines an edit field shows: its text broken at CR LF and, where the field wraps, between
// words at its width (inside a word longer than the width); and the way between text offsets and
// pixel positions. Widths come from a table of the font's 256 character advances.
#include <array>
#include <cstddef>
#include <string>
#include <vector>

struct EditLine {
  size_t start = 0;
  size_t end = 0;  // the line's last character and one; a CR LF after it is not part of the line
};

struct EditMetrics {
  std::array<int, 256> widths{};
  int lineHeight = 1;
  int averageWidth = 1;
  int tabWidth = 8;  // tabs stop at every multiple of it
};

class EditLayout {
 public:
  // Breaks the text into lines: one line when not multi-line; wrapped at wrapWidth when above 0.
  void Build(const std::string& text, bool multiLine, int wrapWidth, const EditMetrics& metrics);
  const std::vector<EditLine>& Lines() const { return lines_; }
  size_t LineCount() const { return lines_.size(); }
  // The line that shows the offset: at a wrap, the line the offset starts.
  size_t LineOf(size_t offset) const;
  // Pixels from the line's start to the offset, tabs expanded.
  int XOf(const std::string& text, size_t offset, const EditMetrics& metrics) const;
  // The offset on the line nearest to x pixels from its start; a wrapped line's end is its last
  // character's place, so that the caret stays on the line.
  size_t OffsetAt(const std::string& text, size_t line, int x, const EditMetrics& metrics) const;
  int LineWidth(const std::string& text, size_t line, const EditMetrics& metrics) const;
  int Widest() const { return widest_; }

 private:
  std::vector<EditLine> lines_{EditLine{}};
  int widest_ = 0;
};

// The advance of a character at x pixels from the line's start.
int CharacterAdvance(char character, int x, const EditMetrics& metrics);
