#pragma once
// Printing to a PDF file the user named: the page is written beside it and renamed over it, so the
// file is never half-written.
#include "platform/gdi/printer_device.h"

class PdfFileDestination : public PrintDestination {
 public:
  explicit PdfFileDestination(std::string path) : path_(std::move(path)) {}
  bool Deliver(const std::string& pdf, const std::string& title) override;
  const std::string& Path() const { return path_; }

 private:
  std::string path_;  // UTF-8, as the file system names it
};
