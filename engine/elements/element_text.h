#pragma once

#include <array>
#include <string>

// The history text of an element, broken into rows for the element-properties window.

inline constexpr int ElementTextRowCount = 100;
inline constexpr int ElementTextRowSize = 67;  // a row holds at most 66 characters
inline constexpr std::size_t ElementTextLineLimit = 6697;

using ElementTextRows = std::array<std::string, ElementTextRowCount>;

// Reads the text of element Z from "DATS\datfiles\atomdata\ngrstoff.dat"
// (LanguageCode 47) or "...\egrstoff.dat" (any other code), four lines per
// element with the text on line 4·Z, and breaks it at blanks into rows of at
// most width-1 characters. Returns the number of rows filled, at least 1 (one
// empty row when the file or the line is missing).
int ReadElementText(ElementTextRows& rows, int Z, int width);
