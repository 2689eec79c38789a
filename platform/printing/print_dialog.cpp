#include "platform/printing/print_dialog.h"

#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <sstream>

#include "platform/gdi/charset.h"
#include "platform/services/child_process.h"
#include "platform/win/message_box.h"
#include "platform/printing/pdf_file_destination.h"
#include "platform/printing/printer_queue_destination.h"
#include "platform/win/resources.h"
#include "platform/win/wait_cursor.h"

namespace {

using namespace std::chrono_literals;

constexpr auto PrintSystemWait = 5s;
constexpr const char* DefaultFileName = "tavrin-print.pdf";

std::string HomeFolder() {
  const char* home = std::getenv("HOME");
  if (home != nullptr && *home != '\0') return home;
  std::error_code error;
  const std::filesystem::path here = std::filesystem::current_path(error);
  return error ? std::string(".") : here.string();
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
  const ProgramRun names = RunProgram({"lpstat", "-e"}, PrintSystemWait);
  if (!names.finished || names.exitCode != 0) return {};
  std::vector<std::string> printers;
  for (const std::string& name : Lines(names.output)) {
    // Printer names are plain words; anything else is not a list of printers.
    if (name.find_first_of(" \t/#") == std::string::npos && Cp1252FromUtf8(name)) printers.push_back(name);
  }
  const ProgramRun chosen = RunProgram({"env", "LC_ALL=C", "lpstat", "-d"}, PrintSystemWait);
  const std::string marker = "system default destination: ";
  if (chosen.finished && chosen.exitCode == 0 && chosen.output.starts_with(marker)) {
    const std::vector<std::string> line = Lines(chosen.output.substr(marker.size()));
    const auto found = line.empty() ? printers.end() : std::find(printers.begin(), printers.end(), line.front());
    if (found != printers.end()) defaultIndex = static_cast<int>(found - printers.begin());
  }
  return printers;
}

DialogItemTemplate Control(const char* className, const char* text, int id, DWORD style, short x, short y, short width,
                           short height) {
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

std::string Trimmed(const std::string& text) {
  const size_t first = text.find_first_not_of(' ');
  if (first == std::string::npos) return {};
  return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

}  // namespace

BEGIN_MESSAGE_MAP(CPrintDialog, CDialog)
ON_CONTROL(CBN_SELCHANGE, PrintDestinationId, OnDestinationChange)
END_MESSAGE_MAP()

CPrintDialog::CPrintDialog(BOOL printSetupOnly, DWORD flags, CWnd* parent)
    : CDialog(PrintDialogTemplate, parent), setupOnly_(printSetupOnly != FALSE) {
  m_pd.Flags = flags;
}

DialogTemplate CPrintDialog::Layout() const {
  DialogTemplate layout;
  layout.style = WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_CENTER;
  layout.caption = setupOnly_ ? "Print Setup" : "Print";
  layout.cx = 250;
  layout.cy = 46;
  layout.items = {
      Control("STATIC", "Printer:", -1, SS_LEFT, 7, 9, 40, 8),
      Control("COMBOBOX", "", PrintDestinationId, CBS_DROPDOWNLIST | WS_VSCROLL | WS_TABSTOP | WS_GROUP, 50, 7, 136,
              100),
      Control("STATIC", "File name:", -1, SS_LEFT, 7, 27, 40, 8),
      Control("EDIT", "", PdfFileNameId, ES_AUTOHSCROLL | WS_BORDER | WS_TABSTOP | WS_GROUP, 50, 25, 136, 12),
      Control("BUTTON", "OK", IDOK, BS_DEFPUSHBUTTON | WS_TABSTOP | WS_GROUP, 193, 7, 50, 14),
      Control("BUTTON", "Cancel", IDCANCEL, WS_TABSTOP, 193, 24, 50, 14),
  };
  return layout;
}

int CPrintDialog::DoModal() {
  {
    const WaitCursor asking;
    printers_ = PrintSystemPrinters(defaultPrinter_);
  }
  home_ = HomeFolder();
  chosen_.reset();
  m_pd.hDC = nullptr;
  Resources().AddDialog(PrintDialogTemplate, Layout());
  if (m_pd.hwndOwner != nullptr) m_pParentWnd = CWnd::FromHandle(m_pd.hwndOwner);
  if (CDialog::DoModal() != IDOK || !chosen_) return IDCANCEL;
  if ((m_pd.Flags & PD_RETURNDC) != 0) m_pd.hDC = AddDC(std::make_unique<PrinterDevice>(std::move(chosen_)));
  return IDOK;
}

BOOL CPrintDialog::OnInitDialog() {
  SendDlgItemMessage(PrintDestinationId, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>("PDF file"));
  for (const std::string& printer : printers_) {
    SendDlgItemMessage(PrintDestinationId, CB_ADDSTRING, 0,
                       reinterpret_cast<LPARAM>(Cp1252FromUtf8(printer)->c_str()));
  }
  SendDlgItemMessage(PrintDestinationId, CB_SETCURSEL, static_cast<WPARAM>(defaultPrinter_ + 1), 0);
  const std::string file = (std::filesystem::path(home_) / DefaultFileName).string();
  SetDlgItemText(PdfFileNameId, Cp1252FromUtf8(file).value_or(std::string("~/") + DefaultFileName).c_str());
  OnDestinationChange();
  CDialog::OnInitDialog();
  GotoDlgCtrl(GetDlgItem(PrintDestinationId));
  return FALSE;
}

void CPrintDialog::OnDestinationChange() {
  // The file name matters only for the PDF file.
  const LRESULT choice = SendDlgItemMessage(PrintDestinationId, CB_GETCURSEL, 0, 0);
  GetDlgItem(PdfFileNameId)->EnableWindow(choice == 0 ? TRUE : FALSE);
}

std::string CPrintDialog::ChosenPdfFile() {
  auto refuse = [&](const std::string& why) {
    MessageBox(why.c_str(), "Print", MB_OK | MB_ICONEXCLAMATION);
    GotoDlgCtrl(GetDlgItem(PdfFileNameId));
    return std::string();
  };
  std::string typed;
  GetDlgItem(PdfFileNameId)->GetWindowText(typed);
  typed = Trimmed(typed);
  if (typed.empty()) return refuse("Type the name of the PDF file to print to.");
  // A name without a folder, or starting with "~/", is in the home folder.
  std::string name = Utf8FromCp1252(typed);
  if (name.starts_with("~/")) name = name.substr(2);
  std::filesystem::path file(name);
  if (file.is_relative()) file = std::filesystem::path(home_) / file;
  const std::string shown = Cp1252ForDisplay(file.string());
  std::error_code error;
  if (std::filesystem::is_directory(file, error)) return refuse(shown + " is a folder; type the name of a file.");
  const std::filesystem::path folder = file.parent_path();
  if (access(folder.c_str(), W_OK) != 0) {
    return refuse("The PDF file cannot be written: the folder " + Cp1252ForDisplay(folder.string()) +
                  " does not exist or is not writable.");
  }
  if (std::filesystem::exists(file, error) &&
      MessageBox((shown + " exists already.\nReplace it?").c_str(), "Print", MB_YESNO | MB_ICONQUESTION) != IDYES) {
    GotoDlgCtrl(GetDlgItem(PdfFileNameId));
    return {};
  }
  return file.string();
}

void CPrintDialog::OnOK() {
  const LRESULT choice = SendDlgItemMessage(PrintDestinationId, CB_GETCURSEL, 0, 0);
  if (choice > 0 && static_cast<size_t>(choice) <= printers_.size()) {
    chosen_ = std::make_unique<PrinterQueueDestination>(printers_[static_cast<size_t>(choice) - 1]);
  } else {
    const std::string file = ChosenPdfFile();
    if (file.empty()) return;
    chosen_ = std::make_unique<PdfFileDestination>(file);
  }
  CDialog::OnOK();
}
