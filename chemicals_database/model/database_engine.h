#pragma once

#include <string>
#include <string_view>

#include "chemicals_database/model/database_protocol.h"
#include "chemicals_database/model/record_layout.h"

// The chemicals database: the record buffer and cursor shared by the database window and the
// engine, and the engine's run of one command (search, step, store, overwrite, delete) over the
// database files that the list file names.

// The engine's cursor and the window's command state.
struct ChemDbCursor {
  int FileIndex = 0;                  // list position (from 1) of the current file; 0: past the end, start over
  int RecordIndex = 0;                // number of the current record in its file, counting backslash lines from 1
  int TargetRecord = 0;               // where the pending operation acts, or after which a search starts
  int LastOp = 0;                     // the last write operation's code, 0 when none
  int RecordBase = 0;                 // records in the files before the current one
  int GlobalTarget = NoGlobalTarget;  // running number of the one record the next run loads
  int FileStepMode = FileStepNone;    // the step to the next or the previous file
  int NavigationStep = 0;             // 1: the window runs a plain step
  int PendingOp = PendingNone;        // the window's pending operation
  int NumericFieldId = 0;             // the numeric field the window is checking
};

extern ChemDbRecordBuffer ChemDbRecord;
// The safety text of the current record: ten sections joined by '|', line breaks as CR LF in
// memory and as BEL on disk.
extern std::string SafetyDataText;
extern ChemDbCursor ChemDbState;
// The name stem of the file that holds the current record (at most 79 characters).
extern std::string ChemDbFileName;

// FileIndex 1, and RecordIndex, TargetRecord, LastOp and RecordBase 0: the next run starts at the
// first record of the database.
void ChemDbResetCursor();

// What a run did, besides the search language's error codes (1, 9, 20, 40 to 47, with ErrorText).
inline constexpr int ChemDbDone = 0;           // a record was loaded, or the write was done
inline constexpr int ChemDbNothingFound = -1;  // no record after the cursor qualified; FileIndex is 0
inline constexpr int ChemDbFileMissing = -2;   // the list file, or a listed file to its end, could not be read
inline constexpr int ChemDbWriteFailed = -3;   // the write was not done; the file is as it was
// The write was not done: since the current record was read, the file was changed elsewhere (by
// another instance of the program, or another program) and no longer holds it there.
inline constexpr int ChemDbChangedElsewhere = -4;

// Runs one command. command: the command word ("s" search, "sk" whole-line search, or empty) and
// the criteria (key\value|key\value...), blanks inside values kept. operation: empty for a search
// or step, or "i" store after the current record, "b" store before it, "c" overwrite it, "d" delete
// it; a store or overwrite writes the record buffer and SafetyDataText. After a search or step the
// buffer, SafetyDataText, ChemDbFileName and ChemDbState describe the record found; after a write
// the cursor is set so that the next plain step shows the record the write left current (the new
// or overwritten record, the one after a deleted record; the same record when the write failed).
int ChemDbRun(std::string_view command, std::string_view operation = {});

// Prepares a navigation step, which the caller then runs as the plain step "s ":
// '>' the next record: nothing to prepare.
// '<' the previous record: from record 2 on, RecordIndex drops by 2; at the first record of the
//     first file it becomes 0, so the step shows that record again; at the first record of a later
//     file FileIndex becomes 0 and GlobalTarget the running number at which the caller restarts
//     the walk before it steps once more: one before the previous file's last record, or, with
//     FileStepMode 3, the previous file's first record (NoGlobalTarget: the first record of all).
// 'f' the first record: the cursor is reset.
// 'l' the last record: GlobalTarget becomes one less than the running number of the last record
//     outside the end files, and the cursor is reset (the caller adds 1 and runs).
void ChemDbStep(char step);
