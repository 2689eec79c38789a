#pragma once
// The one rule for a number of the chemicals database: a numeric record line, a numeric search
// value and a number typed into the database window are read alike, so whatever a field accepts
// can be found.
#include <optional>
#include <string_view>

// The number a text holds: blanks around it, then an optional sign, digits with at most one
// decimal point (one digit at least), and an optional exponent (e or E, an optional sign, digits).
// Empty for anything else ("12,5", "1 2", "abc", an empty text) and for a value beyond single
// precision.
std::optional<double> DatabaseNumber(std::string_view text);
