#include "platform/printing/printer_queue_destination.h"

#include <filesystem>

#include "platform/gdi/charset.h"
#include "platform/services/child_process.h"
#include "platform/printing/print_failure.h"
#include "platform/services/temporary_file.h"
#include "platform/win/wait_cursor.h"

namespace {

using namespace std::chrono_literals;

constexpr auto QueueWait = 60s;

}  // namespace

bool PrinterQueueDestination::Deliver(const std::string& pdf, const std::string& title) {
  std::error_code error;
  const std::filesystem::path folder = std::filesystem::temp_directory_path(error);
  TemporaryFile file(error ? std::string("/tmp") : folder.string(), "tavrin-print-", ".pdf");
  if (!file.Write(pdf)) {
    ReportPrintFailure("The page for the printer " + printer_ + " could not be written:\n" + file.Error() + ".");
    return false;
  }
  ProgramRun run;
  {
    const WaitCursor sending;
    run = RunProgram({"lp", "-d", printer_, "-t", Utf8FromCp1252(title), file.Path()}, QueueWait);
  }
  if (run.finished && run.exitCode == 0) return true;
  std::string why = "lp, which sends pages to printers, was not found.";
  if (run.started) {
    why = run.finished ? Cp1252ForDisplay(run.errors) : std::string("lp did not answer.");
    while (!why.empty() && (why.back() == '\n' || why.back() == ' ')) why.pop_back();
    if (why.empty()) why = "lp ended with code " + std::to_string(run.exitCode) + ".";
  }
  ReportPrintFailure("The page could not be sent to the printer " + printer_ + ":\n" + why);
  return false;
}
