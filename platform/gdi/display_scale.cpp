#include "platform/gdi/display_scale.h"

#include <algorithm>
#include <cstdlib>
#include <string>

namespace {

constexpr int LargestScale = 4;
int scale = 1;

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
