#include "platform/printing/pdf_file_destination.h"

#include <filesystem>

#include "platform/gdi/charset.h"
#include "platform/printing/print_failure.h"
#include "platform/services/temporary_file.h"

bool PdfFileDestination::Deliver(const std::string& pdf, const std::string&) {
  const std::filesystem::path target(path_);
  const std::string folder = target.has_parent_path() ? target.parent_path().string() : std::string(".");
  TemporaryFile file(folder, "." + target.filename().string() + ".", ".part");
  if (file.Write(pdf) && file.MoveTo(path_)) return true;
  ReportPrintFailure("The page could not be written to " + Cp1252ForDisplay(path_) + ":\n" + file.Error() + ".");
  return false;
}
