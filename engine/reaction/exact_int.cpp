#include "engine/reaction/exact_int.h"

#include <cmath>

namespace exact {

Fraction Reduced(Int numerator, Int denominator) {
  if (denominator < 0) {
    numerator = Sub(0, numerator);
    denominator = Sub(0, denominator);
  }
  const Int divisor = Gcd(numerator, denominator);
  if (divisor > 1) {
    numerator /= divisor;
    denominator /= divisor;
  }
  return {numerator, denominator};
}

Fraction Plus(const Fraction& a, const Fraction& b) {
  return Reduced(Add(Mul(a.numerator, b.denominator), Mul(b.numerator, a.denominator)),
                 Mul(a.denominator, b.denominator));
}

Fraction Times(const Fraction& a, const Fraction& b) {
  return Reduced(Mul(a.numerator, b.numerator), Mul(a.denominator, b.denominator));
}

Fraction Quotient(const Fraction& a, const Fraction& b) {
  return Reduced(Mul(a.numerator, b.denominator), Mul(a.denominator, b.numerator));
}

std::optional<Fraction> FractionOfCount(float value) {
  if (!std::isfinite(value)) return std::nullopt;
  constexpr long double MaxDenominator = 1e6L;
  const long double target = value;
  if (std::fabs(target) >= 0x1p100L) return std::nullopt;
  // Whole numbers, and every float beyond 2^24, are integers already.
  if (std::floor(target) == target) return Fraction{static_cast<Int>(target), 1};
  // Continued-fraction convergents of the value, until one rounds back to it.
  long double rest = target;
  Int previousNumerator = 1, previousDenominator = 0;
  Int numerator = static_cast<Int>(std::floor(rest)), denominator = 1;
  while (true) {
    if (static_cast<float>(static_cast<long double>(numerator) / static_cast<long double>(denominator)) == value)
      return Reduced(numerator, denominator);
    const long double fractional = rest - std::floor(rest);
    if (fractional == 0.0L) break;
    rest = 1.0L / fractional;
    if (rest > MaxDenominator) break;
    const Int term = static_cast<Int>(std::floor(rest));
    const Int nextNumerator = Add(Mul(term, numerator), previousNumerator);
    const Int nextDenominator = Add(Mul(term, denominator), previousDenominator);
    if (static_cast<long double>(nextDenominator) > MaxDenominator) break;
    previousNumerator = numerator;
    previousDenominator = denominator;
    numerator = nextNumerator;
    denominator = nextDenominator;
  }
  // No short fraction gives the float back: take its exact binary value.
  int exponent = 0;
  const long double mantissa = std::frexp(target, &exponent);
  const Int scaled = static_cast<Int>(std::ldexp(mantissa, 24));
  exponent -= 24;
  if (exponent >= 0) return Fraction{Mul(scaled, static_cast<Int>(1) << exponent), 1};
  if (-exponent > 100) return std::nullopt;
  return Reduced(scaled, static_cast<Int>(1) << -exponent);
}

std::optional<Fraction> SimplestFractionBetween(long double low, long double high) {
  if (!(low <= high) || !std::isfinite(low) || !std::isfinite(high)) return std::nullopt;
  if (low <= 0.0L && high >= 0.0L) return Fraction{0, 1};
  if (high < 0.0L) {
    auto positive = SimplestFractionBetween(-high, -low);
    if (positive) positive->numerator = -positive->numerator;
    return positive;
  }
  if (high >= 0x1p100L) return std::nullopt;
  // Continued fraction of the interval: while both ends share their integer
  // part, take it and go on with the reciprocals of the fractional parts.
  constexpr Int MaxDenominator = 1000000;
  Int previousNumerator = 0, previousDenominator = 1;
  Int numerator = 1, denominator = 0;
  while (true) {
    if (denominator > 0 && low > static_cast<long double>(MaxDenominator)) return std::nullopt;
    const long double whole = std::floor(low);
    const Int term = whole == low ? static_cast<Int>(whole) : static_cast<Int>(whole) + 1;
    const bool done = whole == low || static_cast<long double>(term) <= high;
    const Int lastTerm = done ? term : static_cast<Int>(whole);
    const Int nextNumerator = Add(Mul(lastTerm, numerator), previousNumerator);
    const Int nextDenominator = Add(Mul(lastTerm, denominator), previousDenominator);
    if (nextDenominator > MaxDenominator) return std::nullopt;
    previousNumerator = numerator;
    previousDenominator = denominator;
    numerator = nextNumerator;
    denominator = nextDenominator;
    if (done) return Reduced(numerator, denominator);
    const long double nextLow = 1.0L / (high - whole);
    high = 1.0L / (low - whole);
    low = nextLow;
  }
}

}  // namespace exact
