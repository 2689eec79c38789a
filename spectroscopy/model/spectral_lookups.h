#pragma once
// The lookups of one peak in the reference tables: the MS fragment table by calculated mass, the
// IR table by absorption ranges, the 1H and 13C tables by shifts. Each reports a table record at
// most once a section: reported holds one flag per record, by its index in the table.
#include <string>
#include <vector>

using SpectralTableRecords = std::vector<std::vector<std::string>>;
using ReportedRecords = std::vector<bool>;

// A value line that holds no number counts as missing: a fragment whose mass is no number, an IR
// range with an end that is no number and an NMR record whose tolerance is no number take no peak,
// and an NMR shift that is no number is no shift.

// Records whose mass (line 2) lies within peak +/- tolerance, both ends included: the mass as
// "%G" padded to 10, the isotope formula (line 1) when showIsoFormula, the assignment (line 4).
std::string LookupMsFragments(const SpectralTableRecords& table, ReportedRecords& reported, float peak,
                              float tolerance, bool showIsoFormula);

// Records whose ranges (lines 4 to 19, low and high in pairs) take peaks of the list, P among them,
// with at least minimumCount defined ranges and a hit percentage of at least hitPercent.
std::string LookupIrRanges(const SpectralTableRecords& table, ReportedRecords& reported, int minimumCount,
                           int hitPercent, float peak, const std::vector<float>& peaks);

// Records with a shift (lines 4 to 48) within the record's tolerance (line 3) of P, at least
// minimumCount shifts, and a hit percentage of at least hitPercent.
std::string LookupNmrShifts(const SpectralTableRecords& table, ReportedRecords& reported, int minimumCount,
                            int hitPercent, float peak, const std::vector<float>& peaks);

enum class SpectralTableKind { MsFragments, IrRanges, NmrShifts };

// The first lines of the records, in table order, that hold a value the lookups read which is no
// number (the MS mass; the IR ranges; the NMR tolerance and shifts).
std::vector<std::string> DamagedSpectralRecords(const SpectralTableRecords& table, SpectralTableKind kind);
