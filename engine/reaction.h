#pragma once

#include <cstdint>
#include <string>
#include <string_view>

// The reaction engine: for now the number parser and the number check through
// which windows and the formula parser read typed numbers.

// Limits of ParseNumberText.
inline constexpr int SinglePrecisionLimits = 0;
inline constexpr int DoublePrecisionLimits = 1;
// Modes of ParseNumberText.
inline constexpr int WholeNumberMode = 0;
inline constexpr int NextNumberMode = 1;

// Reads a decimal number with an optional sign, one '.' and an optional
// exponent: in whole mode (0) the whole text, with its blanks removed in place;
// in next mode (1) the number that starts at position. Returns 0 for a valid
// number, else 6 (too long or too large), 10 (two '.'), 11 (underflow),
// 12 (no number or malformed) or 13 (whole mode: no number at all); the value is
// 0 on any code. numberText receives the characters accepted, nextChar the
// character after them, position the index one past the character that ended
// the number, and intClass the smallest integer class that holds an integral
// value (left unchanged otherwise).
int ParseNumberText(std::string& text, int limits, std::string& numberText, int mode, char& nextChar,
                    std::int8_t& intClass, int& position, double& value);

// Is text a whole number inside [low, high] (the range tested only when low and
// high differ)? 0 yes; 1 not whole; 2 not numeric; 3 out of range; 4 "?";
// 5 begins with a letter; 6 empty; 7 two or more '.'.
int CheckNumberText(std::string_view text, float low, float high);
