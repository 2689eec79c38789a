#include "platform/controls/edit_layout.h"

#include <algorithm>

namespace {

bool IsBlank(char character) { return character == ' ' || character == '\t'; }

// One paragraph, the text between two line breaks, as wrapped lines. Blanks stay at the end of the
// line they follow, also where they reach past the width.
void WrapParagraph(const std::string& text, size_t start, size_t end, int wrapWidth, const EditMetrics& metrics,
                   std::vector<EditLine>& lines) {
  size_t lineStart = start;
  size_t breakAfter = std::string::npos;
  int x = 0;
  for (size_t index = start; index < end; ++index) {
    const int advance = CharacterAdvance(text[index], x, metrics);
    if (IsBlank(text[index])) {
      x += advance;
      breakAfter = index + 1;
      continue;
    }
    if (wrapWidth > 0 && x + advance > wrapWidth && index > lineStart) {
      const size_t lineEnd = breakAfter != std::string::npos ? breakAfter : index;
      lines.push_back(EditLine{lineStart, lineEnd});
      lineStart = lineEnd;
      breakAfter = std::string::npos;
      x = 0;
      for (size_t carried = lineStart; carried < index; ++carried) x += CharacterAdvance(text[carried], x, metrics);
    }
    x += CharacterAdvance(text[index], x, metrics);
  }
  lines.push_back(EditLine{lineStart, end});
}

}  // namespace

int CharacterAdvance(char character, int x, const EditMetrics& metrics) {
  if (character == '\t') {
    const int stop = std::max(1, metrics.tabWidth);
    return (x / stop + 1) * stop - x;
  }
  return metrics.widths[static_cast<unsigned char>(character)];
}

void EditLayout::Build(const std::string& text, bool multiLine, int wrapWidth, const EditMetrics& metrics) {
  lines_.clear();
  if (!multiLine) {
    lines_.push_back(EditLine{0, text.size()});
  } else {
    size_t start = 0;
    while (true) {
      const size_t breakAt = text.find("\r\n", start);
      const size_t end = breakAt == std::string::npos ? text.size() : breakAt;
      WrapParagraph(text, start, end, wrapWidth, metrics, lines_);
      if (breakAt == std::string::npos) break;
      start = breakAt + 2;
    }
  }
  widest_ = 0;
  for (size_t line = 0; line < lines_.size(); ++line) widest_ = std::max(widest_, LineWidth(text, line, metrics));
}

size_t EditLayout::LineOf(size_t offset) const {
  const auto after = std::upper_bound(lines_.begin(), lines_.end(), offset,
                                      [](size_t value, const EditLine& line) { return value < line.start; });
  return after == lines_.begin() ? 0 : static_cast<size_t>(after - lines_.begin()) - 1;
}

int EditLayout::XOf(const std::string& text, size_t offset, const EditMetrics& metrics) const {
  const EditLine& line = lines_[LineOf(offset)];
  int x = 0;
  for (size_t index = line.start; index < std::min(offset, line.end); ++index) {
    x += CharacterAdvance(text[index], x, metrics);
  }
  return x;
}

size_t EditLayout::OffsetAt(const std::string& text, size_t line, int x, const EditMetrics& metrics) const {
  line = std::min(line, lines_.size() - 1);
  const EditLine& shown = lines_[line];
  // The end of a wrapped line is the start of the next one, where the caret would show; its last
  // place on this line is before the character that ends it.
  const bool wrapped = line + 1 < lines_.size() && lines_[line + 1].start == shown.end && shown.end > shown.start;
  const size_t last = wrapped ? shown.end - 1 : shown.end;
  int at = 0;
  for (size_t index = shown.start; index < last; ++index) {
    const int advance = CharacterAdvance(text[index], at, metrics);
    if (x < at + (advance + 1) / 2) return index;
    at += advance;
  }
  return last;
}

int EditLayout::LineWidth(const std::string& text, size_t line, const EditMetrics& metrics) const {
  const EditLine& shown = lines_[line];
  int x = 0;
  for (size_t index = shown.start; index < shown.end; ++index) x += CharacterAdvance(text[index], x, metrics);
  return x;
}
