#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

// Adding, replacing and deleting a record of a record file or an entry of a
// list file: the new lines, and the rewrite of the file on disk.

enum class EditOperation { Before, After, Replace, Delete };
enum class TableShape { RecordFile, ListFile };

// Where the edit goes. selected is the list's selected index after the new key
// went into the list (on Before the selection has moved down with its entry);
// filledEmptyList is set when the new key is the list's first entry, so the
// new record or line goes first.
struct EditPlace {
  EditOperation operation = EditOperation::After;
  int selected = 0;
  bool filledEmptyList = false;
};

// The lines of a record file after the edit: Before puts the new record in
// front of the selected one, After behind it, Replace in its place, Delete
// leaves it out. newRecord holds the record's lines without separators. Empty
// when the file does not hold the records the list shows (the selected record
// or the place of the new one is missing), so nothing is written.
std::optional<std::vector<std::string>> EditedRecordLines(const std::vector<std::string>& lines, const EditPlace& place,
                                                          const std::vector<std::string>& newRecord);

// The same for a list file, one entry a line.
std::optional<std::vector<std::string>> EditedListLines(const std::vector<std::string>& lines, const EditPlace& place,
                                                        const std::string& newLine);

enum class RewriteResult {
  Written,
  NotWritable,  // the table exists but may not be changed or cannot be read: left as it was
  Mismatch,     // the table does not hold what the list shows: left as it was
  WriteFailed,  // the new file could not be written or put in place: the old one stands
};

// Reads the table, applies the edit and writes it back through a temporary
// file beside it. A missing table counts as empty (a record file as one
// separator line); a record file cut short after its last record is written
// with that record's closing separator. newLines: the record's lines, or the
// one list line.
RewriteResult RewriteTable(std::string_view programPath, TableShape shape, const EditPlace& place,
                           const std::vector<std::string>& newLines);

// Writes a table whole through a temporary file beside it: the lines, each
// followed by a line feed.
RewriteResult WriteTableLines(std::string_view programPath, const std::vector<std::string>& lines);
