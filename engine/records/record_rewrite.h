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
  NotWritable,       // the table exists but may not be changed or cannot be read: left as it was
  Mismatch,          // the table's lines give no place for the edit: left as it was
  ChangedElsewhere,  // the table no longer holds the keys the list showed: left as it was
  WriteFailed,       // the new file could not be written or put in place: the old one stands
};

// The keys the editor's list showed when the edit was chosen, in list order (a
// list file's entries are its lines), and the record line they are read from.
// The table still holds what was shown when its keys are these; when the list
// took no more entries (partial), when its keys begin with these.
struct ShownKeys {
  int keyLine = 1;
  std::vector<std::string> keys;
  bool partial = false;
};

// Reads the table, checks that it holds the shown keys, applies the edit and
// writes it back through a temporary file beside it, all under the folder's
// rewrite lock, so that another program's edit between the read and the
// rename is never lost. A missing table counts as empty (a record file as one
// separator line); a record file cut short after its last record is written
// with that record's closing separator. newLines: the record's lines, or the
// one list line. A record file whose last record is deleted keeps one record
// of emptyRecordLines empty lines when that is not 0.
RewriteResult RewriteTable(std::string_view programPath, TableShape shape, const EditPlace& place,
                           const std::vector<std::string>& newLines, const ShownKeys& shown,
                           std::size_t emptyRecordLines = 0);

// Writes a table whole through a temporary file beside it: the lines, each
// followed by a line feed.
RewriteResult WriteTableLines(std::string_view programPath, const std::vector<std::string>& lines);
