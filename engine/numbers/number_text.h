#pragma once

#include <optional>
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

// A number stored in a table: the whole text, blanks around it aside, is a
// finite decimal number with '.' as its point ("-74.87", "1.8E-05"). Empty for
// anything else ("NaN", "1e999", "abc", "12,5", ""): the table cannot hold it,
// and its readers count it as missing.
std::optional<double> ReadTableNumber(std::string_view text);

// A value line of a table in which an empty or blank line reads as 0: that 0 or the line's number;
// empty when the line holds something else.
std::optional<double> ReadStoredNumber(std::string_view text);

// A value line of a table that holds more than blanks but no number the table can hold: the value
// is damaged, and its readers count it as missing and name its record.
bool IsDamagedTableNumber(std::string_view text);
