#pragma once
// The state the chemicals database window shares with its companion windows: the formula
// information, the safety data sheet and the safety sheet's quick editor. One instance of each
// value for the whole program; a companion reads it when it is activated. The database window
// opens its companions as windows it owns, so they are destroyed with it, and after every change of
// record it refreshes the open ones by a click on its own button that opens each of them.
#include <cstddef>
#include <string>

class CWnd;

// SafetySheetState: whether the safety data sheet is open, and what its next activation does.
inline constexpr int SafetySheetClosed = 0;
inline constexpr int SafetySheetIdle = 1;
inline constexpr int SafetySheetFillFields = 2;   // fill its fields from SafetyDataText
inline constexpr int SafetySheetStoreFields = 3;  // write its fields into SafetyDataText
extern int SafetySheetState;

// SafetyTextWarning: what the safety data sheet's last write of its fields has to report before a
// store; 0 nothing.
inline constexpr int SafetyTextBarsReplaced = 1;    // a typed '|' became '#'
inline constexpr int SafetyTextSectionDropped = 2;  // a section was emptied: the text grew too long
inline constexpr int SafetyTextBothWarnings = 3;
extern int SafetyTextWarning;

// 1 while the formula information window exists.
extern int FormulaInfoOpen;

// 1 while QuickEditText waits to be appended to a section of the safety data sheet.
extern int QuickEditTransferPending;
inline constexpr std::size_t QuickEditTextLimit = 3997;
extern std::string QuickEditText;

// The current record's formula as the database window's formula field shows it.
inline constexpr std::size_t CurrentFormulaLimit = 49;
extern std::string CurrentFormulaText;

// The hazard class codes of the current record (record lines 170, 171, 169): one or two
// characters, "T+" and "F+" kept as "Tx" and "Fx".
inline constexpr std::size_t HazardCodeLimit = 4;
extern std::string HealthHazardCode;
extern std::string FireHazardCode;
extern std::string EnvironmentHazardCode;

// The state of a database window that has just opened: no companion open, nothing pending, no
// formula. The hazard codes stay until a record is shown.
void ResetDatabaseGroupState();

// The companions' openers: the window is made owned by `parent` (and so destroyed with it), or the
// open one is shown and activated.
void ShowFormulaInfoWindow(CWnd* parent);
void ShowSafetyDataSheetWindow(CWnd* parent);

// After a change of record: an open formula information window computes the new formula, and an
// idle safety data sheet fills its fields from the new record, each by a click on the database
// window's button that opens it.
void RefreshDatabaseCompanions(CWnd& databaseWindow);

struct ChemDbRecordBuffer;
// Writes the data sheet pages of the gathered record under the name stem (at most 7 characters).
void WriteHtmlDatasheet(const ChemDbRecordBuffer& record, const std::string& stem);
