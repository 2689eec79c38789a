#pragma once
// The texts that both element windows show for an element's name and its coded and listed
// properties, in the language of LanguageCode (English at 44, else Norwegian).
#include <cstdint>
#include <string>

#include "engine/globals.h"

// The English name where LanguageCode is 44 and the element has one of its own, else the table's name.
std::string ElementDisplayName(int Z);
// The character of the element's oxide: codes 3 and 4 acidic, 5 amphoteric, 6 to 8 basic; empty otherwise.
std::string AcidBaseText(std::uint8_t code);
// Codes 1 to 8; empty otherwise.
std::string CrystalStructureText(std::uint8_t code);
// The states joined by "," without blanks, up to the first 0; empty when there are none.
std::string OxidationStatesText(const ElementRecord& element);
// The number of stable isotopes; the table's readers use the low byte of the count.
int StableIsotopeCount(int Z);
