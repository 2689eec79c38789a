#pragma once

#include <cstdint>
#include <optional>

// Checked 128-bit integer arithmetic for the exact balancing search. Every
// operation that would leave the range reports it instead of wrapping, so a
// caller can fall back to a slower method rather than give a wrong answer.

namespace exact {

using Int = __int128;

// Thrown by the checked operations; caught where the search chooses its method.
struct Overflow {};

inline Int Add(Int a, Int b) {
  Int sum;
  if (__builtin_add_overflow(a, b, &sum)) throw Overflow{};
  return sum;
}

inline Int Sub(Int a, Int b) {
  Int difference;
  if (__builtin_sub_overflow(a, b, &difference)) throw Overflow{};
  return difference;
}

inline Int Mul(Int a, Int b) {
  Int product;
  if (__builtin_mul_overflow(a, b, &product)) throw Overflow{};
  return product;
}

inline Int Abs(Int a) {
  if (a < 0) return Sub(0, a);
  return a;
}

inline Int Gcd(Int a, Int b) {
  a = Abs(a);
  b = Abs(b);
  while (b != 0) {
    const Int rest = a % b;
    a = b;
    b = rest;
  }
  return a;
}

// Largest integer not above a / b, and smallest not below it (b != 0).
inline Int FloorDiv(Int a, Int b) {
  Int quotient = a / b;
  if ((a % b != 0) && ((a < 0) != (b < 0))) quotient = Sub(quotient, 1);
  return quotient;
}

inline Int CeilDiv(Int a, Int b) {
  Int quotient = a / b;
  if ((a % b != 0) && ((a < 0) == (b < 0))) quotient = Add(quotient, 1);
  return quotient;
}

// A fraction p / q with q > 0, in lowest terms.
struct Fraction {
  Int numerator = 0;
  Int denominator = 1;
};

Fraction Reduced(Int numerator, Int denominator);
Fraction Plus(const Fraction& a, const Fraction& b);
Fraction Times(const Fraction& a, const Fraction& b);
Fraction Quotient(const Fraction& a, const Fraction& b);

// The fraction a single-precision count stands for: the simplest fraction with a
// denominator of at most 10^6 that rounds to the same float (the formula's
// decimal numbers, such as 0.95, come back as written). Empty when the value is
// not finite.
std::optional<Fraction> FractionOfCount(float value);

// The fraction with the smallest denominator (at most 10^6) in [low, high];
// empty when there is none.
std::optional<Fraction> SimplestFractionBetween(long double low, long double high);

}  // namespace exact
