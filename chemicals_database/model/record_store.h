#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "chemicals_database/model/record_index.h"
#include "chemicals_database/model/record_layout.h"

// The three writes of a database file. Each changes one record, copies every other record byte
// for byte, makes sure the file ends with its closing backslash line, and puts the new file in
// place of the old one at once (nothing is left half-written). A file in UTF-8, or with line ends
// other than LF, is written anew whole, in the program's character set with LF line ends.
//
// Each write first checks, while no other instance of the program can rewrite the file, that the
// file still holds the record the window shows: unchanged since it was read, or with the same
// record at the same place. When it does not, nothing is written.

// The record the window shows, as it was read: its file, the file's identity then, its number and
// its bytes. An empty path: no record is shown.
struct ShownRecord {
  std::string path;
  FileIdentity identity;
  int record = 0;
  std::string bytes;
};

enum class WriteResult {
  Written,
  Failed,            // the file cannot be read or written, or holds no such record: it is as it was
  ChangedElsewhere,  // the file no longer holds the record shown: it is as it was
};

// Stores a new record (lines 2 and up) in front of record target; a target past the last record
// stores it after the last. target becomes the new record's number.
WriteResult StoreRecord(std::string_view programPath, int& target, const std::vector<std::string>& lines,
                        const ShownRecord& shown);

// Lays the window's lines of the buffer and line 199 over record target.
WriteResult OverwriteRecord(std::string_view programPath, int target, const ChemDbRecordBuffer& record,
                            const std::string& safetyLine, const ShownRecord& shown);

// Deletes record target. A file left without a record holds one empty record of 200 lines.
WriteResult DeleteRecord(std::string_view programPath, int target, const ShownRecord& shown);
