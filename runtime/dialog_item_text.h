#pragma once
// The text of one control of a dialog, as its reader takes it.
#include <cstddef>
#include <string>

#include "platform/win/cwnd.h"

// At most limit characters of the control's text; empty when the dialog has no control of that id.
std::string DialogItemText(const CWnd& dialog, int id, std::size_t limit);
