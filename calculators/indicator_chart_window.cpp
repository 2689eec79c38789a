#include "calculators/indicator_chart_window.h"

#include "engine/settings/settings.h"
#include "runtime/dialog_openers.h"
#include "runtime/generated_setup.h"

namespace {

constexpr const char* EnglishNames[IndicatorCount] = {
    "Alizarin Yellow R", "Ethyl Orange", "Litmus", "Phenolphthalein", "Bromothymol Blue", "Methyl Red", "Methyl Orange",
};

}  // namespace

Cwm_INDIKATORERBaseDlg::Cwm_INDIKATORERBaseDlg(LPCSTR templateName, CWnd* parent)
    : CSimModalDlg(templateName, parent) {}

BOOL Cwm_INDIKATORERBaseDlg::OnInitDialog() {
  ApplyGeneratedSetup(*this, IndikatorerSetup, {m_title, m_phScale, m_chart, m_names, m_ranges});
  CSimModalDlg::OnInitDialog();
  return OnUserInit(1);
}

BOOL Cwm_INDIKATORERBaseDlg::OnUserInit(int) { return TRUE; }

// The ranges and the pH scale read the same in both languages.
BOOL Cwm_INDIKATORERDlg::OnUserInit(int) {
  if (LanguageCode == EnglishLanguage) {
    SetWindowText("INDICATORS");
    SetDlgItemText(IndicatorsTitleId, "Acid-base indicators");
    for (int row = 0; row < IndicatorCount; ++row) SetDlgItemText(FirstIndicatorNameId + row, EnglishNames[row]);
    SetDlgItemText(IndicatorsCloseId, "Close");
  }
  return TRUE;
}

int OpenIndicatorsDialog(CWnd* parent) { return OpenModalDialog<Cwm_INDIKATORERDlg>(IndikatorerTemplateName, parent); }
