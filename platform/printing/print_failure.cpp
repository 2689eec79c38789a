#include "platform/printing/print_failure.h"

#include "platform/win/message_box.h"

void ReportPrintFailure(const std::string& text) {
  MessageBox(GetActiveWindow(), text.c_str(), "Print", MB_OK | MB_ICONEXCLAMATION);
}
