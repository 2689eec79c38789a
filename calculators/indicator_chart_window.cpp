#include "calculators/indicator_chart_window.h"

#include "engine/settings/settings.h"
#include "runtime/dialog_openers.h"
#include "runtime/generated_setup.h"

Cwm_INDIKATORERBaseDlg::Cwm_INDIKATORERBaseDlg(LPCSTR templateName, CWnd* parent)
    : CSimModalDlg(templateName, parent) {}

BOOL Cwm_INDIKATORERBaseDlg::OnInitDialog() {
  ApplyGeneratedSetup(*this, IndikatorerSetup, {m_title, m_phScale, m_chart, m_names, m_ranges});
  CSimModalDlg::OnInitDialog();
  return OnUserInit(1);
}

BOOL Cwm_INDIKATORERBaseDlg::OnUserInit(int) { return TRUE; }

BOOL Cwm_INDIKATORERDlg::OnUserInit(int) { return TRUE; }

int OpenIndicatorsDialog(CWnd* parent) { return OpenModalDialog<Cwm_INDIKATORERDlg>(IndikatorerTemplateName, parent); }
