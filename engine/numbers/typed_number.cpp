#include "engine/numbers/typed_number.h"

#include <cstdint>
#include <utility>

std::optional<double> TypedNumber(std::string text, int limits) {
  std::string numberText;
  char nextChar = 0;
  std::int8_t intClass = 0;
  int position = 0;
  double value = 0;
  if (ParseNumberText(text, limits, numberText, WholeNumberMode, nextChar, intClass, position, value) != ValidNumber)
    return std::nullopt;
  return value;
}

std::optional<double> TypedNumberOrZero(std::string text, int limits) {
  if (text.find_first_not_of(' ') == std::string::npos) return 0.0;
  return TypedNumber(std::move(text), limits);
}
