#pragma once
// Tells the user that a page could not be printed, in a message box over the active window.
#include <string>

void ReportPrintFailure(const std::string& text);
