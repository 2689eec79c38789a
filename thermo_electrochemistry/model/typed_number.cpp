#include "thermo_electrochemistry/model/typed_number.h"

#include <cstdint>

#include "engine/reaction.h"

std::optional<double> TypedNumber(std::string text) {
  std::string numberText;
  char nextChar = 0;
  std::int8_t intClass = 0;
  int position = 0;
  double value = 0;
  if (ParseNumberText(text, DoublePrecisionLimits, numberText, WholeNumberMode, nextChar, intClass, position, value) !=
      ValidNumber)
    return std::nullopt;
  return value;
}
