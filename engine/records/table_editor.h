#pragma once

#include <cstddef>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "engine/records/record_rewrite.h"

// The common part of the table editors: the list of keys, the add with its
// checks against the list, the rewrite of the table and the list brought up to
// date. Each editor is one TableEditorConfig; the window supplies the list box
// and the message boxes through the two interfaces below, and runs its own
// field checks (formulas, numbers) before it calls AddToTable.

// The editor's list box, as a list box of single selection answers it.
class EditorList {
 public:
  virtual ~EditorList() = default;
  virtual int Count() const = 0;
  virtual std::vector<int> SelectedIndexes() const = 0;
  // The first entry equal to text without regard to case, searched from the start; -1 when none.
  virtual int FindExact(std::string_view text) const = 0;
  virtual std::string Text(int index) const = 0;
  // Inserts before index; index Count() appends. False when the list has no room for it.
  virtual bool Insert(int index, std::string_view text) = 0;
  // Appends the texts in their order, as Insert at Count() does each; false when the list has no
  // room for all of them.
  virtual bool Append(std::span<const std::string_view> texts);
  virtual void Remove(int index) = 0;
  virtual void Select(int index) = 0;
  virtual void Clear() = 0;
};

// Shows one message box (caption "TAVRIN", an OK button) with this text.
class EditorMessages {
 public:
  virtual ~EditorMessages() = default;
  virtual void Show(std::string_view text) = 0;
};

enum class EditorMessage {
  MissingHighlight,
  DuplicationWarning,
  IllegalNumber,
  RewriteFailed,
  ListFull,
  ChangedElsewhere,
  ReadFailed,
};

// Where a line of a new record comes from: a field of the window (cut to its
// limit; a field of several lines is stored with BEL for each line break), a
// fixed text, or nothing.
struct RecordLineSource {
  enum class Kind { Field, Fixed, Empty };
  Kind kind = Kind::Empty;
  int field = 0;
  std::size_t limit = 0;
  const char* text = "";
  bool multiLine = false;
};

struct TableEditorConfig {
  const char* fileName;
  TableShape shape;
  int keyLine;                          // record files: the line the list shows, from 1
  std::vector<RecordLineSource> frame;  // record files: one per line of a record
  std::size_t keyLimit;                 // characters of the key field that are kept
  bool setsListFileChanged;
  bool highlightBeforeOptions;              // MISSING HIGHLIGHT ends "before using add/delete options!"
  const char* duplicateNounEnglish;         // "formula", "word", "equation"
  const char* duplicateNounNorwegian;       // "en formel", "en ligning"
  bool emptyRecordAfterLastDelete = false;  // deleting the only record leaves one empty record
  // Keys that differ only in letter case are different keys: formulas (CO and Co) and equations.
  bool keysMatchCase = false;
};

// The text of a common message in the current language.
std::string EditorMessageText(const TableEditorConfig& config, EditorMessage message);

// The message of a table whose records named by keys hold a value that is no number (the values
// counted as missing), naming the file by its last component.
std::string DamagedRecordsMessage(std::string_view fileName, const std::vector<std::string>& keys);

// Fills the list with the keys of the table in file order and selects the first.
// A table with more entries than the list takes shows those that fit, and the
// LIST FULL message says so; a table that exists but cannot be read (a folder
// in its place, no read permission) leaves the list empty and a message names it.
void LoadEditorList(const TableEditorConfig& config, EditorList& list, EditorMessages& messages);

// The lines of the record at a list index (without its separator), empty when there is none.
std::vector<std::string> ReadEditorRecord(const TableEditorConfig& config, int index);

// The lines of the first record whose key line is exactly key (letter case counts); empty when none.
std::vector<std::string> FindEditorRecord(const TableEditorConfig& config, std::string_view key);

// A stored field shown in an edit field of several lines, and back.
std::string ShownFieldText(std::string_view stored);
std::string StoredFieldText(std::string_view shown);

enum class EditResult {
  Done,
  Refused,  // a message said why; nothing changed
  Failed,   // the table could not be written, or the list took no more; the list and the table are as
            // they were and a message said so
  ChangedElsewhere,  // the table no longer held what the list showed: it is unchanged, a message said
                     // so and the list shows the table as it is now
};

// Before, After or Replace: key is the key field's text, cut to the limit,
// with each line end turned into a blank and NULs dropped (a record file's key
// also has a leading '\' turned into a blank; the caller shows the changed
// text); fields are the window's field texts by index, written by the same
// rules (a list file's line is the key itself). When the list takes no more
// entries the add is refused with the file-error message.
EditResult AddToTable(const TableEditorConfig& config, EditorList& list, EditorMessages& messages,
                      EditOperation operation, std::string& key, const std::vector<std::string>& fields);

// Deletes the selected record or entry.
EditResult DeleteFromTable(const TableEditorConfig& config, EditorList& list, EditorMessages& messages);

// The editors whose frames this engine knows.
extern const TableEditorConfig BalancingListEditor;
extern const TableEditorConfig ThermochemistryListEditor;
extern const TableEditorConfig ThermochemicalDataEditor;
extern const TableEditorConfig RedoxDataEditor;
extern const TableEditorConfig NorwegianMoleculeNamesEditor;
extern const TableEditorConfig EnglishMoleculeNamesEditor;

// The names-and-formulas table of the language: Norwegian when LanguageCode is 47, else English.
// Fields: 0 the name (the key), 1 the formula.
const TableEditorConfig& MoleculeNamesEditor();
