#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "chemicals_database/model/record_layout.h"

// A record made ready for the database file: its fields cleaned and bounded, its names in upper
// case, its formula mass, empirical and qualitative formula computed from the formula line.

// Removes every digit and '.' of a formula except the digits of a mass number in brackets:
// C6H12O6 becomes CHO, C[13]O2 becomes C[13]O.
void QualityFormula(std::string& formula);

// Slots 2 to 198 cleaned and bounded, names upper-cased, lines 10, 11 and 39 computed from line 8
// (line 10 only with AutoFormulaMass 1), slot 200 emptied.
void PrepareRecordForWriting(ChemDbRecordBuffer& record);

// The safety text as line 199 on disk: control characters other than the tab dropped, each line
// break one BEL, a leading backslash behind a blank, at most 3997 characters.
std::string SafetyLineForDisk(std::string_view safetyText);

// Line 199 as read back into SafetyDataText: each BEL a line break (CR LF while the text is
// shorter than 3997 characters, a bare LF after that).
std::string SafetyTextFromDisk(std::string_view line);

// The record lines the database window edits (its fields and the hazard class codes) and the
// lines a store computes (10, 11, 39). An overwrite replaces only these lines and 199 and keeps
// every other line of the record as it stands in the file.
bool IsWindowFieldLine(int line);

// Lines 2 to 200 of a new record from the prepared buffer.
std::vector<std::string> NewRecordLines(const ChemDbRecordBuffer& record, const std::string& safetyLine);

// An existing record's lines (line 1, its backslash line, first) with the window's lines and
// line 199 laid over them; a slot of one blank is written as an empty line. The result has at
// least 200 lines and keeps any beyond.
std::vector<std::string> OverwrittenRecordLines(const std::vector<std::string_view>& existing,
                                                const ChemDbRecordBuffer& record, const std::string& safetyLine);
