#pragma once
// A number typed into a field of the electrochemistry and thermochemistry windows and their editors.
#include <optional>
#include <string>

// The value of the whole text read as a number in double precision (blanks dropped); none when the
// text is no number.
std::optional<double> TypedNumber(std::string text);
