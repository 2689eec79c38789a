#pragma once
// What the database window asks of the engine and how the engine's cursor says where it is: the
// window's pending operation, the operation letters of a write, the steps between files, the
// formula search modes and the codes of the last write.

// PendingOp: what the window's next command step does before it shows a record.
inline constexpr int PendingNone = 0;
inline constexpr int PendingStore = 1;
inline constexpr int PendingOverwrite = 2;
inline constexpr int PendingDelete = 3;
inline constexpr int PendingGather = 8;  // gather the fields only, for the data sheet pages

// The operation letters of ChemDbRun.
inline constexpr char StoreAfterLetter = 'i';
inline constexpr char StoreBeforeLetter = 'b';
inline constexpr char OverwriteLetter = 'c';
inline constexpr char DeleteLetter = 'd';

// FileStepMode: the step to the next file leaves the current file (1), then takes the first record
// of the next (2); the step to the previous file (3).
inline constexpr int FileStepNone = 0;
inline constexpr int FileStepLeaving = 1;
inline constexpr int FileStepNext = 2;
inline constexpr int FileStepPrevious = 3;

// ChemDbFormulaSearchMode: the formula field sought as typed ("mf"), as empirical formula ("sf")
// or as qualitative formula ("qu").
inline constexpr int FormulaSearchAsTyped = 0;
inline constexpr int FormulaSearchEmpirical = 1;
inline constexpr int FormulaSearchQualitative = 2;

// Write operations: the codes RecordIndex and LastOp take.
inline constexpr int ChemDbDeleteOp = -1;
inline constexpr int ChemDbStoreAfterOp = -2;
inline constexpr int ChemDbStoreBeforeOp = -3;
inline constexpr int ChemDbOverwriteOp = -4;

// GlobalTarget: no target, or the counting run of the step to the last record or the next file.
inline constexpr int NoGlobalTarget = -1;
inline constexpr int CountingRun = -2;
