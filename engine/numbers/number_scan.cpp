#include "engine/numbers/number_scan.h"

#include <locale.h>

#include <cmath>
#include <cstdlib>
#include <string>

#include "engine/reaction.h"

namespace {

constexpr std::size_t MaxExponentDigits = 4;

bool IsDigit(char c) { return c >= '0' && c <= '9'; }
bool IsSign(char c) { return c == '+' || c == '-'; }
bool IsExponentMark(char c) { return c == 'E' || c == 'e'; }

double ConvertNumber(std::string_view number) {
  static const locale_t cLocale = newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(nullptr));
  char buffer[64];
  if (number.size() < sizeof buffer) {
    number.copy(buffer, number.size());
    buffer[number.size()] = '\0';
    return strtod_l(buffer, nullptr, cLocale);
  }
  return strtod_l(std::string(number).c_str(), nullptr, cLocale);
}

// Code 6 when the number is longer or its exponent larger than the limits allow.
int CheckLimits(std::string_view number, int limits) {
  std::size_t digitsBeforeExponent = 0;
  std::size_t exponentValue = 0;
  const std::size_t mark = number.find_first_of("Ee");
  if (mark != std::string_view::npos) {
    digitsBeforeExponent = mark;
    std::string_view digits = number.substr(mark + 1);
    if (!digits.empty() && IsSign(digits.front())) digits.remove_prefix(1);
    if (digits.size() > MaxExponentDigits) return NumberBeyondLimits;
    for (char c : digits) exponentValue = exponentValue * 10 + static_cast<std::size_t>(c - '0');
  }
  const std::size_t scale = exponentValue + digitsBeforeExponent;
  if (limits == SinglePrecisionLimits && (scale > 37 || number.size() > 34)) return NumberBeyondLimits;
  if (limits == DoublePrecisionLimits && (scale > 307 || number.size() >= 35)) return NumberBeyondLimits;
  return ValidNumber;
}

}  // namespace

NumberScan ScanNumber(std::string_view text, int limits, bool wholeMode, std::size_t start) {
  const std::size_t size = text.size();
  auto at = [&](std::size_t index) { return index < size ? text[index] : '\0'; };
  NumberScan scan;
  bool exponent = false;
  bool nonZero = false;
  bool malformed = false;
  bool stoppedAtCharacter = false;
  int dots = 0;
  std::size_t i = start;
  while (i < size) {
    const char c = text[i];
    const char previous = i > start ? text[i - 1] : '\0';  // characters before the number do not count
    const char next = at(i + 1);
    if (!wholeMode && ((IsSign(c) && scan.length > 0 && !IsExponentMark(previous)) || (IsExponentMark(c) && exponent) ||
                       !(IsExponentMark(c) || IsSign(c) || IsDigit(c) || c == '.'))) {
      stoppedAtCharacter = true;
      break;
    }
    // Only the digits before the exponent decide whether the value may be 0.
    if (IsDigit(c) && c != '0' && !exponent) nonZero = true;
    if (c == '.') ++dots;
    // A digit followed by a sign is malformed past the number's first character; in whole
    // mode wherever it stands, so that "1+3" is no number rather than 1.
    const bool signAfterDigit = (IsDigit(c) || c == '.') && IsSign(next) && (wholeMode || i > start);
    if ((IsSign(c) && IsSign(next)) || signAfterDigit ||
        (scan.length == 0 && IsSign(c) && !(IsDigit(next) || next == '.'))) {
      malformed = true;
      stoppedAtCharacter = true;
      break;
    }
    bool accepted = false;
    if (IsSign(c)) {
      accepted = IsDigit(next) || (next == '.' && IsDigit(at(i + 2)));
    } else if (IsDigit(c)) {
      accepted = true;
    } else if (c == '.') {
      accepted = IsDigit(previous) || IsDigit(next);
    } else if (IsExponentMark(c) && !exponent) {
      const bool mantissaBefore = IsDigit(previous) || (previous == '.' && i >= start + 2 && IsDigit(text[i - 2]));
      const bool exponentAfter = IsDigit(next) || (IsSign(next) && IsDigit(at(i + 2)));
      accepted = mantissaBefore && exponentAfter;
      exponent = accepted;
    }
    if (!accepted) {
      stoppedAtCharacter = true;
      break;
    }
    ++scan.length;
    ++i;
    if (dots >= 2) break;
  }
  scan.end = stoppedAtCharacter ? i + 1 : i;
  if (malformed) scan.length = 0;

  const std::string_view number = text.substr(start < size ? start : size, scan.length);
  const std::size_t blankFreeSize = size - (start < size ? start : size);
  if (number.empty()) scan.code = MalformedNumber;
  if (wholeMode && number.size() < blankFreeSize) scan.code = MalformedNumber;
  if (dots >= 2) scan.code = NumberWithTwoPoints;
  if (!number.empty() && !IsDigit(number.back()) && number.back() != '.') scan.code = MalformedNumber;
  if (scan.code == ValidNumber) scan.code = CheckLimits(number, limits);
  if (scan.code == ValidNumber) {
    scan.value = ConvertNumber(number.front() == '+' ? number.substr(1) : number);
    if (nonZero && scan.value == 0.0)
      scan.code = NumberUnderflow;
    else if (!std::isfinite(scan.value))
      scan.code = NumberBeyondLimits;
  }
  if (wholeMode && blankFreeSize > 0 && number.empty()) scan.code = NoNumberInText;
  if (scan.code != ValidNumber) scan.value = 0.0;
  return scan;
}

void ClassifyInteger(double value, std::int8_t& intClass) {
  if (!std::isfinite(value) || std::floor(value) != value) return;
  struct IntegerClass {
    std::int8_t code;
    double low;
    double high;
  };
  static constexpr IntegerClass Classes[] = {
      {10, 0, 255},
      {9, -128, 127},
      {8, 0, 65535},
      {7, -32768, 32767},
      {6, 0, 4294967295.0},
      {5, -2147483648.0, 2147483647.0},
      {2, 1.175494351e-38, 3.4028234659999998e+38},
      {1, 2.225073858507202e-308, 1.797693134862315e+308},
  };
  for (const auto& integerClass : Classes) {
    if (value >= integerClass.low && value <= integerClass.high) {
      intClass = integerClass.code;
      return;
    }
  }
}
