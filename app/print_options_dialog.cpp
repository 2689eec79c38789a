#include "app/print_options_dialog.h"

#include <string>

#include "runtime/dialog_openers.h"
#include "runtime/generated_setup.h"
#include "engine/globals.h"
#include "engine/numbers/number_text.h"
#include "resources/print_options_dialog_ids.h"
#include "runtime/dialog_item_text.h"
#include "runtime/shell_dialogs.h"

namespace {

constexpr const char* AutomaticText = "Automatisk";
// The field is read as a 48-character buffer holds it: 47 characters and the end.
constexpr std::size_t PrintPointsReadLimit = 47;

}  // namespace

void Cwm_PRINTOPTBaseDlg::ApplyTemplateSetup() { ApplyGeneratedSetup(*this, PrintoptSetup, {m_pointsGroup}); }

BEGIN_MESSAGE_MAP(Cwm_PRINTOPTDlg, Cwm_PRINTOPTBaseDlg)
ON_CONTROL(EN_KILLFOCUS, PrintPointsFieldId, ValidatePrintPoints)
END_MESSAGE_MAP()

BOOL Cwm_PRINTOPTDlg::OnUserInit(int) {
  ShowPrintPoints();
  return TRUE;
}

void Cwm_PRINTOPTDlg::ShowPrintPoints() {
  SetDlgItemText(PrintPointsFieldId, PrintPointsX >= 1 ? std::to_string(PrintPointsX).c_str() : AutomaticText);
}

void Cwm_PRINTOPTDlg::ValidatePrintPoints() {
  const int points = ReadLeadingInteger(DialogItemText(*this, PrintPointsFieldId, PrintPointsReadLimit));
  if (points >= 1) {
    PrintPointsX = points;
    ShowPrintPoints();
  } else {
    SetDlgItemText(PrintPointsFieldId, AutomaticText);
  }
}

int OpenPrintOptionsDialog(CWnd* parent) { return OpenModalDialog<Cwm_PRINTOPTDlg>(PrintoptTemplateName, parent); }
