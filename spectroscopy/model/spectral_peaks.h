#pragma once
// The numbers of a peak line as the interpretation reads them.
#include <string_view>
#include <vector>

inline constexpr std::size_t PeakLineScanLimit = 252;
inline constexpr std::size_t PeakNumberTextLimit = 36;
inline constexpr std::size_t PeakListLimit = 99;

// Digits, '.' and '-' build a number, a blank or the line's end closes it, any other character
// is skipped without closing it (so "1,715" reads as 1715). A line feed ends the scan and drops
// the number in progress; so does a number text of 36 characters, with the rest of the line. At
// most 99 values. positiveOnly (MS and IR) keeps only values above 0; otherwise every closed
// number counts, a lone '-' or '.' as 0.
std::vector<float> ReadPeakList(std::string_view line, bool positiveOnly);
