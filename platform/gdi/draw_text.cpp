#include <algorithm>
#include <climits>
#include <cstdint>
#include <cstring>
#include <limits>
#include <memory>
#include <string>
#include <vector>

#include "platform/gdi/gdi_api.h"

namespace {

LONG ClampToLong(std::int64_t value) {
  return static_cast<LONG>(
      std::clamp<std::int64_t>(value, std::numeric_limits<LONG>::min(), std::numeric_limits<LONG>::max()));
}

struct TextLine {
  std::string text;
  int underlined = -1;  // index of the character marked with '&', or -1
};

// Removes the '&' markers: "&x" underlines x, "&&" is one '&'.
TextLine StripPrefixes(const std::string& raw, bool keep) {
  TextLine line;
  if (keep) {
    line.text = raw;
    return line;
  }
  for (size_t index = 0; index < raw.size(); ++index) {
    if (raw[index] == '&' && index + 1 < raw.size()) {
      ++index;
      if (raw[index] != '&' && line.underlined < 0) line.underlined = static_cast<int>(line.text.size());
    }
    line.text += raw[index];
  }
  return line;
}

class Measurer {
 public:
  Measurer(DeviceContext& context, bool expandTabs)
      : context_(context), font_(context.CurrentFont()), expandTabs_(expandTabs) {
    tabWidth_ = 8 * std::max<std::int64_t>(1, context.TextMetrics().tmAveCharWidth);
  }
  // The width of a text after one more character, for measuring a text as it is walked.
  std::int64_t WidthAfter(std::int64_t width, char character) const {
    if (expandTabs_ && character == '\t') return (width / tabWidth_ + 1) * tabWidth_;
    return width + (font_ ? font_->GlyphOf(static_cast<unsigned char>(character)).advance : 0);
  }
  std::int64_t Width(const std::string& text) const {
    std::int64_t width = 0;
    size_t start = 0;
    while (start <= text.size()) {
      const size_t tab = expandTabs_ ? text.find('\t', start) : std::string::npos;
      const size_t end = tab == std::string::npos ? text.size() : tab;
      width += context_.TextWidth(text.data() + start, end - start);
      if (tab == std::string::npos) break;
      width = (width / tabWidth_ + 1) * tabWidth_;
      start = tab + 1;
    }
    return width;
  }
  void Draw(std::int64_t x, int y, const std::string& text) const {
    std::int64_t offset = 0;
    size_t start = 0;
    while (start <= text.size()) {
      const size_t tab = expandTabs_ ? text.find('\t', start) : std::string::npos;
      const size_t end = tab == std::string::npos ? text.size() : tab;
      context_.TextRun(x + offset, y, text.data() + start, end - start);
      offset += context_.TextWidth(text.data() + start, end - start);
      if (tab == std::string::npos) break;
      offset = (offset / tabWidth_ + 1) * tabWidth_;
      start = tab + 1;
    }
  }

 private:
  DeviceContext& context_;
  std::shared_ptr<SizedFont> font_;
  bool expandTabs_;
  std::int64_t tabWidth_ = 64;
};

std::vector<std::string> SplitLines(const std::string& text, bool single) {
  std::vector<std::string> lines;
  std::string current;
  for (size_t index = 0; index < text.size(); ++index) {
    const char c = text[index];
    if (c == '\r' || c == '\n') {
      if (single) continue;
      if (c == '\r' && index + 1 < text.size() && text[index + 1] == '\n') ++index;
      lines.push_back(current);
      current.clear();
    } else {
      current += c;
    }
  }
  lines.push_back(current);
  return lines;
}

// Greedy breaking between words; the blank at a break is dropped, leading blanks of a paragraph stay.
std::vector<TextLine> WrapLine(const TextLine& line, std::int64_t width, const Measurer& measure) {
  std::vector<TextLine> out;
  const std::string& text = line.text;
  size_t start = 0;
  while (true) {
    const size_t firstWord = text.find_first_not_of(' ', start);
    // One walk from the line's start to where it stops fitting finds the last blank after its first
    // word that the text before it fits to, so that a long text is wrapped in time linear in it.
    size_t fit = std::string::npos;
    std::int64_t used = 0;
    size_t at = start;
    for (; at < text.size(); ++at) {
      if (text[at] == ' ' && firstWord != std::string::npos && at > firstWord) fit = at;
      used = measure.WidthAfter(used, text[at]);
      if (used > width) break;
    }
    if (at == text.size()) {
      out.push_back(TextLine{text.substr(start), -1});
      break;
    }
    if (fit == std::string::npos) {
      // A word wider than the rectangle is not broken; it ends at the next blank.
      const size_t next = firstWord == std::string::npos ? std::string::npos : text.find(' ', firstWord);
      if (next == std::string::npos) {
        out.push_back(TextLine{text.substr(start), -1});
        break;
      }
      fit = next;
    }
    out.push_back(TextLine{text.substr(start, fit - start), -1});
    start = fit + 1;
    while (start < text.size() && text[start] == ' ') ++start;
    if (start >= text.size()) break;
  }
  // Keep the '&' marker on the line that holds its character.
  if (line.underlined >= 0) {
    size_t consumed = 0;
    for (TextLine& piece : out) {
      const size_t at = text.find(piece.text, consumed);
      if (at != std::string::npos && static_cast<size_t>(line.underlined) >= at &&
          static_cast<size_t>(line.underlined) < at + piece.text.size()) {
        piece.underlined = line.underlined - static_cast<int>(at);
        break;
      }
      if (at != std::string::npos) consumed = at + piece.text.size();
    }
  }
  return out;
}

}  // namespace

int DrawText(HDC dc, LPCSTR text, int length, RECT* rect, UINT format) {
  DeviceContext* context = LookupDC(dc);
  if (context == nullptr || rect == nullptr || text == nullptr) return 0;
  const std::string whole(text, length < 0 ? std::strlen(text) : static_cast<size_t>(length));
  const bool single = (format & DT_SINGLELINE) != 0;
  const Measurer measure(*context, (format & DT_EXPANDTABS) != 0);
  const std::int64_t width = std::int64_t{rect->right} - rect->left;
  std::vector<TextLine> lines;
  for (const std::string& raw : SplitLines(whole, single)) {
    TextLine line = StripPrefixes(raw, (format & DT_NOPREFIX) != 0);
    if ((format & DT_WORDBREAK) != 0 && !single) {
      for (TextLine& piece : WrapLine(line, width, measure)) lines.push_back(std::move(piece));
    } else {
      lines.push_back(std::move(line));
    }
  }
  const TEXTMETRIC metrics = context->TextMetrics();
  const int lineHeight = metrics.tmHeight;
  const int totalHeight = static_cast<int>(
      std::min<std::int64_t>(std::int64_t{lineHeight} * static_cast<std::int64_t>(lines.size()), INT_MAX));
  if ((format & DT_CALCRECT) != 0) {
    std::int64_t widest = 0;
    for (const TextLine& line : lines) widest = std::max(widest, measure.Width(line.text));
    rect->right = ClampToLong(rect->left + widest);
    rect->bottom = ClampToLong(std::int64_t{rect->top} + totalHeight);
    return totalHeight;
  }
  int y = rect->top;
  if (single && (format & DT_VCENTER) != 0) y = rect->top + (rect->bottom - rect->top - lineHeight) / 2;
  if (single && (format & DT_BOTTOM) != 0) y = rect->bottom - lineHeight;
  const std::optional<Region> savedClip = context->ClipRegion();
  const bool clipped = (format & DT_NOCLIP) == 0;
  if (clipped) context->IntersectClip(*rect);
  for (const TextLine& line : lines) {
    if (clipped && y >= rect->bottom) break;
    const std::int64_t lineWidth = measure.Width(line.text);
    std::int64_t x = rect->left;
    if ((format & DT_CENTER) != 0) x = rect->left + (width - lineWidth) / 2;
    if ((format & DT_RIGHT) != 0) x = rect->right - lineWidth;
    measure.Draw(x, y, line.text);
    if (line.underlined >= 0) {
      const std::int64_t from = x + measure.Width(line.text.substr(0, static_cast<size_t>(line.underlined)));
      const std::int64_t to = x + measure.Width(line.text.substr(0, static_cast<size_t>(line.underlined) + 1));
      const HPEN pen = CreatePen(PS_SOLID, 1, context->textColour);
      const HGDIOBJ previous = context->Select(pen);
      const int baseline = y + metrics.tmAscent + 1;
      context->Line(POINT{ClampToLong(from), baseline}, POINT{ClampToLong(to), baseline});
      context->Select(previous);
      DeleteObject(pen);
    }
    y += lineHeight;
  }
  context->RestoreClip(savedClip);
  return totalHeight;
}
