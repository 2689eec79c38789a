#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "chemicals_database/model/record_layout.h"

// The three writes of a database file. Each reads the file, changes one record, copies every other
// record byte for byte, makes sure the file ends with its closing backslash line, and puts the new
// file in place of the old one at once (nothing is left half-written). False when the file cannot
// be read or written, or holds no such record: the file is then as it was.

// Stores a new record (lines 2 and up) in front of record target; a target past the last record
// stores it after the last. target becomes the new record's number.
bool StoreRecord(std::string_view programPath, int& target, const std::vector<std::string>& lines);

// Lays the window's lines of the buffer and line 199 over record target.
bool OverwriteRecord(std::string_view programPath, int target, const ChemDbRecordBuffer& record,
                     const std::string& safetyLine);

// Deletes record target. A file left without a record holds one empty record of 200 lines.
bool DeleteRecord(std::string_view programPath, int target);
