#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

// The walk of ParseNumberText over a text that is not changed, shared with the
// formula parser so that it reads numbers without copying them.
struct NumberScan {
  int code = 0;
  std::size_t length = 0;  // characters accepted as the number, from the start
  std::size_t end = 0;     // index one past the character that ended the number
  double value = 0.0;
};

NumberScan ScanNumber(std::string_view text, int limits, bool wholeMode, std::size_t start);

// Sets intClass to the smallest integer class that holds value, when it is integral.
void ClassifyInteger(double value, std::int8_t& intClass);
