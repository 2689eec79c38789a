#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "engine/reaction.h"

// The first byte chooses limits, mode and start position; the rest is the text.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  const std::uint8_t options = data[0];
  std::string text(reinterpret_cast<const char*>(data + 1), size - 1);
  const std::size_t originalSize = text.size();
  std::string numberText;
  char nextChar = 0;
  std::int8_t intClass = 0;
  int position = (options >> 3) - 4;
  double value = 0;
  const int mode = (options >> 2) & 1;
  const int code = ParseNumberText(text, options & 3, numberText, mode, nextChar, intClass, position, value);
  if (code != 0 && value != 0) std::abort();
  if (code == 0 && !std::isfinite(value)) std::abort();
  if (position < 0 || static_cast<std::size_t>(position) > text.size()) std::abort();
  if (mode == NextNumberMode && text.size() != originalSize) std::abort();
  if (numberText.size() > text.size()) std::abort();
  return 0;
}
