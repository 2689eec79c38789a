#include "bitmap_text.h"

#include <array>
#include <optional>
#include <sstream>
#include <vector>

namespace {

constexpr int kMaxColours = 16;
constexpr int kMaxSide = 4096;

std::optional<COLORREF> ParseColour(const std::string& text) {
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

BitmapTextResult Failure(size_t line, const std::string& why) {
  BitmapTextResult result;
  result.error = "line " + std::to_string(line) + ": " + why;
  return result;
}

}  // namespace

BitmapTextResult ParseBitmapText(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream stream(text);
  for (std::string line; std::getline(stream, line);) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    lines.push_back(line);
  }
  size_t index = 0;
  auto skipBlank = [&] {
    while (index < lines.size() && lines[index].find_first_not_of(' ') == std::string::npos) ++index;
  };
  skipBlank();
  int width = 0;
  int height = 0;
  {
    if (index >= lines.size()) return Failure(index + 1, "expected `size W H`");
    std::istringstream words(lines[index]);
    std::string keyword;
    std::string rest;
    if (!(words >> keyword >> width >> height) || keyword != "size" || (words >> rest)) {
      return Failure(index + 1, "expected `size W H`");
    }
    if (width < 1 || height < 1 || width > kMaxSide || height > kMaxSide) {
      return Failure(index + 1, "the size must be 1 to " + std::to_string(kMaxSide) + " each way");
    }
    ++index;
  }
  std::array<std::optional<COLORREF>, 256> palette{};
  int colours = 0;
  while (true) {
    skipBlank();
    if (index >= lines.size()) return Failure(index + 1, "expected `pixels`");
    const std::string& line = lines[index];
    if (line == "pixels") {
      ++index;
      break;
    }
    if (line.rfind("palette ", 0) != 0 || line.size() < 10 || line[9] != ' ') {
      return Failure(index + 1, "expected `palette C #RRGGBB` or `pixels`");
    }
    const unsigned char key = static_cast<unsigned char>(line[8]);
    const std::optional<COLORREF> colour = ParseColour(line.substr(10));
    if (key == ' ' || !colour) return Failure(index + 1, "expected `palette C #RRGGBB` or `pixels`");
    if (palette[key]) return Failure(index + 1, std::string("the character '") + line[8] + "' is named twice");
    if (++colours > kMaxColours) return Failure(index + 1, "more than 16 colours");
    palette[key] = colour;
    ++index;
  }
  BitmapTextResult result;
  result.pixels = Surface(width, height);
  for (int y = 0; y < height; ++y, ++index) {
    if (index >= lines.size()) return Failure(index + 1, "expected " + std::to_string(height) + " rows of pixels");
    const std::string& row = lines[index];
    if (static_cast<int>(row.size()) != width) {
      return Failure(index + 1, "a row must have " + std::to_string(width) + " characters");
    }
    for (int x = 0; x < width; ++x) {
      const std::optional<COLORREF>& colour = palette[static_cast<unsigned char>(row[x])];
      if (!colour) return Failure(index + 1, std::string("the character '") + row[x] + "' is not in the palette");
      result.pixels.SetPixel(x, y, *colour);
    }
  }
  while (index < lines.size()) {
    if (lines[index].find_first_not_of(' ') != std::string::npos) return Failure(index + 1, "text after the last row");
    ++index;
  }
  result.ok = true;
  return result;
}
