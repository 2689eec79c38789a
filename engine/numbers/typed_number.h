#pragma once
// A number typed into a field: the whole text read by ParseNumberText.
#include <optional>
#include <string>

#include "engine/reaction.h"

// The value of the whole text read as one number within the given limits (blanks dropped); none when
// the text is no number or lies beyond the limits.
std::optional<double> TypedNumber(std::string text, int limits = DoublePrecisionLimits);
// The same for a field that may be left empty: an empty or blank text is 0.
std::optional<double> TypedNumberOrZero(std::string text, int limits = DoublePrecisionLimits);
