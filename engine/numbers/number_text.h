#pragma once

#include <string>
#include <string_view>

// Numbers written and read as text with '.' as the decimal point, whatever the
// user's locale.

// "%G": six significant digits, trailing zeros dropped, "1.33041E-05".
std::string FormatNumberG(double value);

// "%f": six decimals, "1.100000".
std::string FormatNumberFixed(double value);

// The leading number of a text, as the standard integer conversion reads it:
// blanks skipped, an optional sign, the digits; 0 when there is none. Values
// beyond the int range are held at its ends.
int ReadLeadingInteger(std::string_view text);

// The leading number of a text, as the standard floating-point conversion reads
// it in the C locale; 0 when there is none.
double ReadLeadingReal(std::string_view text);
