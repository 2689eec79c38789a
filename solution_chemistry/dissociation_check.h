#pragma once
// Reading the number fields of the dissociation windows, and the check the editors make of an
// equation before a record is stored.
#include <string>

#include "engine/reaction.h"

// A field of these windows is read with at most this many characters.
inline constexpr std::size_t SlotReadLimit = 37;

// The text cut to the read limit, its blanks removed.
std::string SlotText(std::string text);

// The refusal message of a dissociation that does not balance as typed; empty when it does.
std::string DissociationRefusal(const DissociationRows& rows);
