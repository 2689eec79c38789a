#include "print_failure.h"

#include "message_box.h"

void ReportPrintFailure(const std::string& text) {
  MessageBox(GetActiveWindow(), text.c_str(), "Print", MB_OK | MB_ICONEXCLAMATION);
}
