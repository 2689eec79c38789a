#pragma once

#include <string>
#include <string_view>

#include "engine/reaction.h"

// Helpers shared by the solubility routines.

namespace dissociation {

// The number a text begins with, 0 when there is none.
double LeadingNumber(const std::string& text);

// A row's coefficient: its leading number, 1 when there is none (or it is 0);
// its magnitude when asked for.
double Coefficient(const std::string& row, bool magnitude);

// The text without the characters below '!' (blanks and control characters).
std::string Compacted(std::string_view text);

bool IsEmptyText(std::string_view text);

}  // namespace dissociation
