#pragma once
// The print dialog: a choice between "PDF file", written under a name the user can type, and the
// printers the desktop's print system (CUPS) names; with PD_RETURNDC, the printer DC of the choice.
#include <memory>
#include <string>
#include <vector>

#include "platform/win/cdialog.h"
#include "platform/services/global_memory.h"
#include "platform/win/message_map.h"
#include "platform/gdi/printer_device.h"

constexpr DWORD PD_ALLPAGES = 0x00000000;
constexpr DWORD PD_NOSELECTION = 0x00000004;
constexpr DWORD PD_NOPAGENUMS = 0x00000008;
constexpr DWORD PD_RETURNDC = 0x00000100;
constexpr DWORD PD_USEDEVMODECOPIES = 0x00040000;
constexpr DWORD PD_HIDEPRINTTOFILE = 0x00100000;

struct PRINTDLG {
  DWORD lStructSize = sizeof(PRINTDLG);
  HWND hwndOwner = nullptr;
  HGLOBAL hDevMode = nullptr;
  HGLOBAL hDevNames = nullptr;
  HDC hDC = nullptr;
  DWORD Flags = 0;
  WORD nFromPage = 0;
  WORD nToPage = 0;
  WORD nMinPage = 0;
  WORD nMaxPage = 0;
  WORD nCopies = 0;
};

// The dialog's controls, for tests and scripted sessions: the drop-down list of destinations
// ("PDF file" first, then the printers in the print system's order) and the PDF file's name.
constexpr int PrintDestinationId = 1100;
constexpr int PdfFileNameId = 1090;
constexpr const char* PrintDialogTemplate = "PRINTDLG";

class CPrintDialog : public CDialog {
 public:
  explicit CPrintDialog(BOOL printSetupOnly,
                        DWORD flags = PD_ALLPAGES | PD_USEDEVMODECOPIES | PD_NOPAGENUMS | PD_HIDEPRINTTOFILE |
                                      PD_NOSELECTION,
                        CWnd* parent = nullptr);

  // IDOK when a destination was chosen (with PD_RETURNDC, m_pd.hDC is then its printer DC, which
  // the caller deletes), IDCANCEL when the user cancelled or the dialog could not be shown.
  int DoModal() override;

  PRINTDLG m_pd;

 protected:
  BOOL OnInitDialog() override;
  void OnOK() override;
  afx_msg void OnDestinationChange();

 private:
  DialogTemplate Layout() const;
  // The PDF file the name field names, UTF-8; empty, after telling the user why, when it cannot
  // be written there.
  std::string ChosenPdfFile();

  bool setupOnly_;
  std::vector<std::string> printers_;  // as the print system names them
  int defaultPrinter_ = -1;
  std::string home_;  // UTF-8: where the PDF file goes by default
  std::unique_ptr<PrintDestination> chosen_;

  DECLARE_MESSAGE_MAP()
};
