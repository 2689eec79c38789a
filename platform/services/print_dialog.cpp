#include "print_dialog.h"

#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <sstream>

#include "charset.h"
#include "child_process.h"
#include "dialog_manager.h"
#include "message_box.h"
#include "pdf_file_destination.h"
#include "printer_queue_destination.h"
#include "resources.h"
#include "wait_cursor.h"

namespace {

using namespace std::chrono_literals;

constexpr auto kPrintSystemWait = 5s;
// As many printers as fit one column of choices on the screen.
constexpr size_t kMostPrinters = 24;
constexpr short kChoiceTop = 19;
constexpr short kChoiceStep = 12;

std::string DefaultPdfPath() {
  const char* home = std::getenv("HOME");
  const std::filesystem::path folder = home != nullptr && *home != '\0' ? std::filesystem::path(home)
                                                                          : std::filesystem::current_path();
  return (folder / "tavrin-print.pdf").string();
}

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) {
    while (!line.empty() && (line.back() == '\r' || line.back() == ' ')) line.pop_back();
    if (!line.empty()) lines.push_back(line);
  }
  return lines;
}

// The printers CUPS knows, and the position of its default one (-1 when none).
std::vector<std::string> PrintSystemPrinters(int& defaultIndex) {
  defaultIndex = -1;
  const ProgramRun names = RunProgram({"lpstat", "-e"}, kPrintSystemWait);
  if (!names.finished || names.exitCode != 0) return {};
  std::vector<std::string> printers;
  for (const std::string& name : Lines(names.output)) {
    if (printers.size() == kMostPrinters) break;
    // Printer names are plain words; anything else is not a list of printers.
    if (name.find_first_of(" \t/#") == std::string::npos && Cp1252FromUtf8(name)) printers.push_back(name);
  }
  const ProgramRun chosen = RunProgram({"env", "LC_ALL=C", "lpstat", "-d"}, kPrintSystemWait);
  const std::string marker = "system default destination: ";
  if (chosen.finished && chosen.exitCode == 0 && chosen.output.starts_with(marker)) {
    const std::vector<std::string> line = Lines(chosen.output.substr(marker.size()));
    const auto found = line.empty() ? printers.end() : std::find(printers.begin(), printers.end(), line.front());
    if (found != printers.end()) defaultIndex = static_cast<int>(found - printers.begin());
  }
  return printers;
}

DialogItemTemplate Control(const char* className, const std::string& text, int id, DWORD style, short x, short y,
                           short width, short height) {
  DialogItemTemplate item;
  item.className = className;
  item.text = text;
  item.id = id;
  item.style = WS_CHILD | WS_VISIBLE | style;
  item.x = x;
  item.y = y;
  item.cx = width;
  item.cy = height;
  return item;
}

}  // namespace

CPrintDialog::CPrintDialog(BOOL printSetupOnly, DWORD flags, CWnd* parent)
    : CDialog(kPrintDialogTemplate, parent), setupOnly_(printSetupOnly != FALSE) {
  m_pd.Flags = flags;
}

DialogTemplate CPrintDialog::Layout() const {
  DialogTemplate layout;
  layout.style = WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_CENTER;
  layout.caption = setupOnly_ ? "Print Setup" : "Print";
  const short listBottom = static_cast<short>(kChoiceTop + kChoiceStep * (printers_.size() + 1));
  layout.cx = 250;
  layout.cy = static_cast<short>(std::max<int>(48, listBottom + 20));
  layout.items.push_back(Control("STATIC", "Print to:", -1, SS_LEFT, 7, 7, 100, 8));
  layout.items.push_back(Control("BUTTON", "PDF file", kPdfFileChoiceId,
                                 BS_AUTORADIOBUTTON | WS_GROUP | WS_TABSTOP, 14, kChoiceTop, 160, 10));
  for (size_t index = 0; index < printers_.size(); ++index) {
    layout.items.push_back(Control("BUTTON", *Cp1252FromUtf8(printers_[index]), kFirstPrinterId + static_cast<int>(index),
                                   BS_AUTORADIOBUTTON, 14, static_cast<short>(kChoiceTop + kChoiceStep * (index + 1)),
                                   160, 10));
  }
  layout.items.push_back(Control("STATIC", "PDF file: " + Cp1252ForDisplay(pdfPath_), kPdfFileNameId,
                                 SS_LEFT | SS_NOPREFIX | WS_GROUP, 7, static_cast<short>(listBottom + 4), 236, 8));
  layout.items.push_back(Control("BUTTON", "OK", IDOK, BS_DEFPUSHBUTTON | WS_GROUP | WS_TABSTOP, 193, 7, 50, 14));
  layout.items.push_back(Control("BUTTON", "Cancel", IDCANCEL, WS_TABSTOP, 193, 24, 50, 14));
  return layout;
}

int CPrintDialog::DoModal() {
  {
    const WaitCursor asking;
    printers_ = PrintSystemPrinters(defaultPrinter_);
  }
  pdfPath_ = DefaultPdfPath();
  chosen_.reset();
  m_pd.hDC = nullptr;
  Resources().AddDialog(kPrintDialogTemplate, Layout());
  if (m_pd.hwndOwner != nullptr) m_pParentWnd = CWnd::FromHandle(m_pd.hwndOwner);
  if (CDialog::DoModal() != IDOK || !chosen_) return IDCANCEL;
  if ((m_pd.Flags & PD_RETURNDC) != 0) m_pd.hDC = AddDC(std::make_unique<PrinterDevice>(std::move(chosen_)));
  return IDOK;
}

BOOL CPrintDialog::OnInitDialog() {
  const int choice = defaultPrinter_ < 0 ? kPdfFileChoiceId : kFirstPrinterId + defaultPrinter_;
  SendDlgItemMessage(choice, BM_SETCHECK, BST_CHECKED, 0);
  CDialog::OnInitDialog();
  GotoDlgCtrl(GetDlgItem(choice));
  return FALSE;
}

void CPrintDialog::OnOK() {
  for (size_t index = 0; index < printers_.size(); ++index) {
    if (SendDlgItemMessage(kFirstPrinterId + static_cast<int>(index), BM_GETCHECK, 0, 0) == BST_CHECKED) {
      chosen_ = std::make_unique<PrinterQueueDestination>(printers_[index]);
      CDialog::OnOK();
      return;
    }
  }
  const std::filesystem::path folder = std::filesystem::path(pdfPath_).parent_path();
  if (access(folder.empty() ? "." : folder.c_str(), W_OK) != 0) {
    const std::string text = "The PDF file cannot be written: the folder " + Cp1252ForDisplay(folder.string()) +
                             " does not exist or is not writable.";
    MessageBox(text.c_str(), "Print", MB_OK | MB_ICONEXCLAMATION);
    return;
  }
  chosen_ = std::make_unique<PdfFileDestination>(pdfPath_);
  CDialog::OnOK();
}
