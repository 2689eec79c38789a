#pragma once
// The interpretation of one experiment's peaks: MS fragment masses explained by sub-formulas of
// the parent formula or by the MS fragment table, IR wave numbers by the ranges of the IR table,
// 1H and 13C shifts by the shift lists of the NMR tables. The options come from the settings
// values SpecIterate, SpecShowIsoFormula and SpecHitPercent, the language from LanguageCode.
#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

enum SpectralSection { MsSection, IrSection, H1Section, C13Section, SpectralSectionCount };

// The four peak lines in the order MS, IR, 1H, 13C.
using SpectralPeakLines = std::array<std::string, SpectralSectionCount>;

struct SpectralMinimumCounts {
  int ir = 1;
  int h1 = 1;
  int c13 = 1;
};

// A reference table read for the report that holds values which are no number, and the records (by
// their first line) that hold them; the lookups counted those values as missing.
struct DamagedSpectralTable {
  std::string fileName;
  std::vector<std::string> records;
};

// The MS tolerance as typed, in electron masses: the whole text, blanks dropped, read as one finite
// number within the range of the whole number the settings keep of it; an empty or blank text is
// 0. None for anything else ("abc", "12,5", "1e999", "nan").
std::optional<double> MsToleranceValue(std::string_view text);

// The report, lines ending in CR LF, each section under its header; empty when all four peak
// lines are empty. A tolerance text that is no tolerance (MsToleranceValue) leaves the MS section
// its header alone. Tables that cannot be read give their section no lines. The damaged tables read
// are added to damagedTables when it is given.
std::string InterpretSpectra(std::string_view toleranceText, std::string_view parentFormula,
                             const SpectralPeakLines& peakLines, const SpectralMinimumCounts& minimumCounts,
                             std::vector<DamagedSpectralTable>* damagedTables = nullptr);
