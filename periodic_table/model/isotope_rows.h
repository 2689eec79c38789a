#pragma once
// The isotope table of the element-properties window: one row per stable isotope of the
// compiled-in table, with its NMR data looked up in "dats\datfiles\atomdata\isotope.dat".
#include <array>
#include <string>
#include <vector>

inline constexpr const char* IsotopeFileName = "dats\\datfiles\\atomdata\\isotope.dat";
// A row of the window's text holds at most this many characters.
inline constexpr std::size_t PropertiesRowLimit = 66;
// A value of the isotope file keeps at most this many characters.
inline constexpr std::size_t IsotopeValueLimit = 252;

// Lines 2 to 9 of the first record whose key line equals `key` exactly; all empty when the file
// cannot be opened or has no such record.
using IsotopeValues = std::array<std::string, 8>;
IsotopeValues LookUpIsotopeValues(const std::string& key);

// The key of an isotope: its symbol and mass number (integer part of mass + 0.5), "Sn[120]".
std::string IsotopeKey(int Z, float mass);

// One row per listed isotope of element Z, tab-separated: key, abundance, mass with the spin
// after it, resonance frequency, receptivity, magnetic moment, quadrupole moment, magnetogyric
// ratio. A missing value shows as three blanks; each row is cut at PropertiesRowLimit.
std::vector<std::string> IsotopeTableRows(int Z);

// The rows, each followed by CR LF.
std::string JoinRows(const std::vector<std::string>& rows);
