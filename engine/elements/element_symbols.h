#pragma once

#include <string_view>

// Lookups in the element tables by symbol and by mass number.

inline constexpr const char* DeuteriumSymbol = "D";
inline constexpr int DeuteriumIsotopeIndex = 1;  // hydrogen's isotope of mass 2.014

// Atomic number of the element with exactly this symbol (entries scanned from
// Z 1 upward), 0 when no element has it. "D" is no table symbol.
int FindElementBySymbol(std::string_view symbol);

// The mass number of an isotope: its mass rounded to the nearest integer.
int IsotopeMassNumber(float mass);

// Index in element Z's isotope list of the isotope with this mass number, -1 when none.
int FindIsotopeByMassNumber(int Z, long massNumber);
