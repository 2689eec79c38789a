#include "chemicals_database/formula_info_window.h"

#include "chemicals_database/database_group.h"
#include "engine/formula/formula_information.h"
#include "platform/controls/heading_spacing.h"
#include "resources/formula_info_ids.h"
#include "runtime/dialog_openers.h"
#include "runtime/generated_setup.h"

ModelessInstance<Cwm_FORMELINFODlg> FormulaInfoWindow;

void Cwm_FORMELINFOBaseDlg::ApplyTemplateSetup() {
  ApplyGeneratedSetup(*this, FormelinfoSetup, {m_resultLabel, m_result, m_heading, m_composition, m_close});
}

void Cwm_FORMELINFOBaseDlg::ArrangeTexts() {
  SpaceHeadingOverTabStops(m_hWnd, FormulaInfoHeadingId, FormulaInfoTableId, {0, 1, 3, 5});
}

BEGIN_MESSAGE_MAP(Cwm_FORMELINFODlg, Cwm_FORMELINFOBaseDlg)
ON_WM_ACTIVATE()
ON_WM_DESTROY()
END_MESSAGE_MAP()

void Cwm_FORMELINFODlg::UpdateFormulaInfo() {
  SetCursor(LoadCursor(nullptr, IDC_WAIT));
  FormulaInfoOpen = 1;
  const FormulaInformation information = DescribeFormula(CurrentFormulaText);
  SetDlgItemText(FormulaInfoResultId, information.resultLine.c_str());
  SetDlgItemText(FormulaInfoTableId, information.composition.c_str());
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
