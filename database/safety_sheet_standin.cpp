#include "database/database_group.h"
#include "runtime/dialog_openers.h"
#include "runtime/sim_modal_dlg.h"

// The safety data sheet and its pages have no window yet: both get the stand-in of a missing window.
void ShowSafetyDataSheetWindow(CWnd* parent) { OpenModalDialog<CSimModalDlg>("DATABLAD", parent); }

void WriteHtmlDatasheet(const ChemDbRecordBuffer&, const std::string&) { ReportDialogNotCreated("DATABLAD"); }
