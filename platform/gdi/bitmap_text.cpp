#include "platform/gdi/bitmap_text.h"

#include <array>
#include <optional>
#include <sstream>

namespace {

constexpr int MaxColours = 16;
constexpr int MaxSide = 4096;

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

bool IsKey(char c) { return c > ' ' && c <= '~'; }

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
  while (index < lines.size() && !lines[index].empty() && lines[index][0] == '#') ++index;
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
    if (width < 1 || height < 1 || width > MaxSide || height > MaxSide) {
      return Failure(index + 1, "the size must be 1 to " + std::to_string(MaxSide) + " each way");
    }
    ++index;
  }
  if (index >= lines.size() || lines[index] != "palette") return Failure(index + 1, "expected `palette`");
  ++index;
  std::array<std::optional<COLORREF>, 256> palette{};
  int colours = 0;
  std::optional<unsigned char> transparent;
  while (true) {
    if (index >= lines.size()) return Failure(index + 1, "expected `pixels`");
    const std::string& line = lines[index];
    if (line == "pixels") {
      ++index;
      break;
    }
    if (line.rfind("transparent ", 0) == 0) {
      if (transparent || line.size() != 13 || !palette[static_cast<unsigned char>(line[12])]) {
        return Failure(index + 1, "expected `transparent KEY` once, with a key of the palette");
      }
      transparent = static_cast<unsigned char>(line[12]);
      ++index;
      continue;
    }
    const std::optional<COLORREF> colour =
        line.size() == 9 && line[1] == ' ' ? ParseColour(line.substr(2)) : std::nullopt;
    if (transparent || !IsKey(line[0]) || !colour) {
      return Failure(index + 1, "expected `KEY #RRGGBB`, `transparent KEY` or `pixels`");
    }
    const unsigned char key = static_cast<unsigned char>(line[0]);
    if (palette[key]) return Failure(index + 1, std::string("the key '") + line[0] + "' is named twice");
    if (++colours > MaxColours) return Failure(index + 1, "more than 16 colours");
    palette[key] = colour;
    ++index;
  }
  if (colours == 0) return Failure(index, "the palette is empty");
  BitmapTextResult result;
  result.pixels = Surface(width, height);
  if (transparent) result.transparent.assign(static_cast<size_t>(width) * height, false);
  for (int y = 0; y < height; ++y, ++index) {
    if (index >= lines.size()) return Failure(index + 1, "expected " + std::to_string(height) + " rows of pixels");
    const std::string& row = lines[index];
    if (static_cast<int>(row.size()) != width) {
      return Failure(index + 1, "a row must have " + std::to_string(width) + " characters");
    }
    for (int x = 0; x < width; ++x) {
      const unsigned char key = static_cast<unsigned char>(row[x]);
      const std::optional<COLORREF>& colour = palette[key];
      if (!colour) return Failure(index + 1, std::string("the key '") + row[x] + "' is not in the palette");
      result.pixels.SetPixel(x, y, *colour);
      if (transparent && key == *transparent) result.transparent[static_cast<size_t>(y) * width + x] = true;
    }
  }
  while (index < lines.size()) {
    if (!lines[index].empty()) return Failure(index + 1, "text after the last row");
    ++index;
  }
  result.ok = true;
  return result;
}
