#pragma once
// The number fields of the IR and NMR table editors: a field is judged with its blanks removed, and
// that text is what the table stores, so what was checked is what is read back.
#include <optional>
#include <string>

#include "platform/win/cwnd.h"

// The field's text without its blanks.
std::string BlankFreeFieldText(const CWnd& dialog, int id);

// The value of a blank-free number text; none when it is no number, or when it reads as 0 where
// its value is not 0.
std::optional<double> TableNumberValue(const std::string& blankFree);
