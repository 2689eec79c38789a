#include "platform/gdi/bitmap_text.h"

#include <array>
#include <charconv>
#include <optional>

namespace {

constexpr int MaxColours = 16;
constexpr int MaxSide = 4096;

// The text's lines one after another, as views without their line ends ("\n" or "\r\n"); a last
// line may lack its end, and an end at the very end of the text starts no further line.
class LineCursor {
 public:
  explicit LineCursor(std::string_view text) : rest_(text) { Load(); }
  bool AtEnd() const { return atEnd_; }
  std::string_view Line() const { return line_; }
  // The current line's number counted from 1; at the end, the number a further line would have.
  size_t Number() const { return number_; }
  void Advance() {
    ++number_;
    Load();
  }

 private:
  void Load() {
    if (rest_.empty()) {
      atEnd_ = true;
      line_ = {};
      return;
    }
    const size_t end = rest_.find('\n');
    line_ = rest_.substr(0, end);
    rest_.remove_prefix(end == std::string_view::npos ? rest_.size() : end + 1);
    if (!line_.empty() && line_.back() == '\r') line_.remove_suffix(1);
  }

  std::string_view rest_;
  std::string_view line_;
  size_t number_ = 1;
  bool atEnd_ = false;
};

// The blank-separated words of a line, up to `Count`; false when it has another number of words.
template <size_t Count>
bool SplitWords(std::string_view line, std::array<std::string_view, Count>& words) {
  const auto isBlank = [](char c) { return c == ' ' || (c >= '\t' && c <= '\r'); };
  size_t found = 0;
  size_t at = 0;
  while (true) {
    while (at < line.size() && isBlank(line[at])) ++at;
    if (at == line.size()) return found == Count;
    if (found == Count) return false;
    const size_t start = at;
    while (at < line.size() && !isBlank(line[at])) ++at;
    words[found++] = line.substr(start, at - start);
  }
}

// A whole word as a decimal integer, with an optional sign.
std::optional<int> ParseInteger(std::string_view word) {
  if (word.size() > 1 && word[0] == '+' && word[1] != '-') word.remove_prefix(1);
  int value = 0;
  const auto [end, error] = std::from_chars(word.data(), word.data() + word.size(), value);
  if (error != std::errc() || end != word.data() + word.size()) return std::nullopt;
  return value;
}

std::optional<COLORREF> ParseColour(std::string_view text) {
  if (text.size() != 7 || text[0] != '#') return std::nullopt;
  unsigned value = 0;
  for (size_t index = 1; index < text.size(); ++index) {
    const char c = text[index];
    unsigned digit = 0;
    if (c >= '0' && c <= '9') {
      digit = static_cast<unsigned>(c - '0');
    } else if (c >= 'a' && c <= 'f') {
      digit = static_cast<unsigned>(c - 'a' + 10);
    } else if (c >= 'A' && c <= 'F') {
      digit = static_cast<unsigned>(c - 'A' + 10);
    } else {
      return std::nullopt;
    }
    value = value * 16 + digit;
  }
  return RGB((value >> 16) & 0xFF, (value >> 8) & 0xFF, value & 0xFF);
}

bool IsKey(char c) { return c > ' ' && c <= '~'; }

BitmapTextResult Failure(size_t line, const std::string& why) {
  BitmapTextResult result;
  result.error = "line " + std::to_string(line) + ": " + why;
  return result;
}

}  // namespace

BitmapTextResult ParseBitmapText(std::string_view text) {
  LineCursor lines(text);
  while (!lines.AtEnd() && lines.Line().starts_with('#')) lines.Advance();
  int width = 0;
  int height = 0;
  {
    std::array<std::string_view, 3> words;
    std::optional<int> parsedWidth;
    std::optional<int> parsedHeight;
    if (lines.AtEnd() || !SplitWords(lines.Line(), words) || words[0] != "size" ||
        !(parsedWidth = ParseInteger(words[1])) || !(parsedHeight = ParseInteger(words[2]))) {
      return Failure(lines.Number(), "expected `size W H`");
    }
    width = *parsedWidth;
    height = *parsedHeight;
    if (width < 1 || height < 1 || width > MaxSide || height > MaxSide) {
      return Failure(lines.Number(), "the size must be 1 to " + std::to_string(MaxSide) + " each way");
    }
    lines.Advance();
  }
  if (lines.AtEnd() || lines.Line() != "palette") return Failure(lines.Number(), "expected `palette`");
  lines.Advance();
  std::array<std::optional<COLORREF>, 256> palette{};
  int colours = 0;
  std::optional<unsigned char> transparent;
  while (true) {
    if (lines.AtEnd()) return Failure(lines.Number(), "expected `pixels`");
    const std::string_view line = lines.Line();
    if (line == "pixels") {
      lines.Advance();
      break;
    }
    if (line.starts_with("transparent ")) {
      if (transparent || line.size() != 13 || !palette[static_cast<unsigned char>(line[12])]) {
        return Failure(lines.Number(), "expected `transparent KEY` once, with a key of the palette");
      }
      transparent = static_cast<unsigned char>(line[12]);
      lines.Advance();
      continue;
    }
    const std::optional<COLORREF> colour =
        line.size() == 9 && line[1] == ' ' ? ParseColour(line.substr(2)) : std::nullopt;
    if (transparent || !colour || !IsKey(line[0])) {
      return Failure(lines.Number(), "expected `KEY #RRGGBB`, `transparent KEY` or `pixels`");
    }
    const unsigned char key = static_cast<unsigned char>(line[0]);
    if (palette[key]) return Failure(lines.Number(), std::string("the key '") + line[0] + "' is named twice");
    if (++colours > MaxColours) return Failure(lines.Number(), "more than 16 colours");
    palette[key] = colour;
    lines.Advance();
  }
  // The error names the line `pixels`, the one just read.
  if (colours == 0) return Failure(lines.Number() - 1, "the palette is empty");
  BitmapTextResult result;
  result.pixels = Surface(width, height);
  if (transparent) result.transparent.assign(static_cast<size_t>(width) * height, false);
  for (int y = 0; y < height; ++y, lines.Advance()) {
    if (lines.AtEnd()) return Failure(lines.Number(), "expected " + std::to_string(height) + " rows of pixels");
    const std::string_view row = lines.Line();
    if (static_cast<int>(row.size()) != width) {
      return Failure(lines.Number(), "a row must have " + std::to_string(width) + " characters");
    }
    COLORREF* pixels = result.pixels.Row(y);
    for (int x = 0; x < width; ++x) {
      const unsigned char key = static_cast<unsigned char>(row[x]);
      const std::optional<COLORREF>& colour = palette[key];
      if (!colour) return Failure(lines.Number(), std::string("the key '") + row[x] + "' is not in the palette");
      pixels[x] = *colour;
      if (transparent && key == *transparent) result.transparent[static_cast<size_t>(y) * width + x] = true;
    }
  }
  for (; !lines.AtEnd(); lines.Advance()) {
    if (!lines.Line().empty()) return Failure(lines.Number(), "text after the last row");
  }
  result.ok = true;
  return result;
}
