#include "database/formelin.h"

#include "database/database_group.h"
#include "engine/formcalc.h"
#include "engine/formtext.h"
#include "resources/formelinfo_ids.h"
#include "runtime/dialog_openers.h"
#include "runtime/generated_setup.h"

ModelessInstance<Cwm_FORMELINFODlg> FormulaInfoWindow;

namespace {

// The report ends every line with a blank and a line feed; the edit control breaks lines at CR LF.
void EndLinesWithCrLf(std::string& report) {
  for (std::size_t i = 1; i < report.size(); ++i) {
    if (report[i] == '\n') report[i - 1] = '\r';
  }
}

}  // namespace

BOOL Cwm_FORMELINFOBaseDlg::OnInitDialog() {
  ApplyGeneratedSetup(*this, FormelinfoSetup, {m_resultLabel, m_result, m_heading, m_composition, m_close});
  CSimModelessDlg::OnInitDialog();
  return OnUserInit(1);
}

BOOL Cwm_FORMELINFOBaseDlg::OnUserInit(int) { return TRUE; }

BEGIN_MESSAGE_MAP(Cwm_FORMELINFODlg, Cwm_FORMELINFOBaseDlg)
ON_WM_ACTIVATE()
ON_WM_DESTROY()
END_MESSAGE_MAP()

void Cwm_FORMELINFODlg::UpdateFormulaInfo() {
  SetCursor(LoadCursor(nullptr, IDC_WAIT));
  FormulaInfoOpen = 1;
  std::string formula = CurrentFormulaText;
  SetDlgItemText(FormulaInfoResultId, "");
  SetDlgItemText(FormulaInfoTableId, "");
  FormulaCounts counts{};
  IsotopeUsedFlags isotopeFlags{};
  int kind = 0;
  float electrons = 0.0f;
  float amount = 0.0f;
  const float result = dcalk(counts, isotopeFlags, 0, formula, 0, 3, kind, electrons, amount);
  if (result > -1.0f) {
    std::string line;
    FormatFormulaResult(kind, line, amount, result);
    SetDlgItemText(FormulaInfoResultId, line.c_str());
    std::string composition;
    FormatCompositionReport(counts, 0, composition, isotopeFlags);
    EndLinesWithCrLf(composition);
    SetDlgItemText(FormulaInfoTableId, composition.c_str());
  } else {
    SetDlgItemText(FormulaInfoResultId, ErrorText.c_str());
  }
  FormatErrorText(UnspecifiedError, "");
  SetCursor(LoadCursor(nullptr, IDC_ARROW));
}

void Cwm_FORMELINFODlg::OnActivate(UINT state, CWnd* other, BOOL minimized) {
  UpdateFormulaInfo();
  Cwm_FORMELINFOBaseDlg::OnActivate(state, other, minimized);
}

void Cwm_FORMELINFODlg::OnDestroy() {
  FormulaInfoOpen = 0;
  Cwm_FORMELINFOBaseDlg::OnDestroy();
}

void ShowFormulaInfoWindow(CWnd* parent) { ShowModelessWindow(FormulaInfoWindow, FormelinfoTemplateName, parent); }
