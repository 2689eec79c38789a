#include "platform/gdi/display_scale.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <string>

namespace {

constexpr int LargestScale = 4;
constexpr double PlainDotsPerInch = 96.0;
int scale = 1;

std::string_view Trimmed(std::string_view text) {
  const size_t first = text.find_first_not_of(" \t\r");
  if (first == std::string_view::npos) return {};
  const size_t last = text.find_last_not_of(" \t\r");
  return text.substr(first, last - first + 1);
}

}  // namespace

int DisplayScale() { return scale; }

void SetDisplayScale(int value) { scale = std::clamp(value, 1, LargestScale); }

std::optional<int> ScaleFromEnvironment() {
  const char* text = std::getenv("TAVRIN_SCALE");
  if (text == nullptr) return std::nullopt;
  const std::string value(text);
  if (value.size() != 1 || value[0] < '1' || value[0] > '0' + LargestScale) return std::nullopt;
  return value[0] - '0';
}

int ScaleForDpi(double dotsPerInch) {
  if (!std::isfinite(dotsPerInch) || dotsPerInch <= 0) return 1;
  const double nearest = std::floor(dotsPerInch / PlainDotsPerInch + 0.5);
  return static_cast<int>(std::clamp(nearest, 1.0, static_cast<double>(LargestScale)));
}

std::optional<double> XftDpiFromResources(std::string_view resources) {
  constexpr std::string_view Name = "Xft.dpi";
  while (!resources.empty()) {
    const size_t end = std::min(resources.find('\n'), resources.size());
    const std::string_view line = resources.substr(0, end);
    resources.remove_prefix(std::min(end + 1, resources.size()));
    const size_t colon = line.find(':');
    if (colon == std::string_view::npos || Trimmed(line.substr(0, colon)) != Name) continue;
    const std::string_view value = Trimmed(line.substr(colon + 1));
    double dotsPerInch = 0;
    const auto [stop, error] = std::from_chars(value.data(), value.data() + value.size(), dotsPerInch);
    if (error != std::errc() || stop != value.data() + value.size() || !std::isfinite(dotsPerInch) ||
        dotsPerInch <= 0) {
      return std::nullopt;
    }
    return dotsPerInch;
  }
  return std::nullopt;
}
