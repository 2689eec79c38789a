#pragma once
// Printing to a printer of the desktop's print system (CUPS): the page goes to the printer's queue
// with lp, from a temporary file that is removed once lp has taken it.
#include "platform/gdi/printer_device.h"

class PrinterQueueDestination : public PrintDestination {
 public:
  explicit PrinterQueueDestination(std::string printer) : printer_(std::move(printer)) {}
  bool Deliver(const std::string& pdf, const std::string& title) override;
  const std::string& Printer() const { return printer_; }

 private:
  std::string printer_;  // as lpstat names it
};
