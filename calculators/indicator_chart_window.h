#pragma once
// The indicator chart "INDIKATORER" / "INDICATORS", template INDIKATORER:
// seven acid-base indicators, each with its name, the pH range of its colour change and a band of its
// colours across a pH scale from 0 to 14. It only shows.
#include <array>

#include "resources/indicator_chart_ids.h"
#include "runtime/generated_dialog.h"
#include "runtime/sim_modal_dlg.h"
#include "runtime/user_controls.h"

class Cwm_INDIKATORERBaseDlg : public GeneratedDialog<CSimModalDlg> {
 public:
  using GeneratedDialog::GeneratedDialog;

 protected:
  void ApplyTemplateSetup() override;
  void ArrangeTexts() override;

  CUserStatic m_title;
  CUserStatic m_phScale;
  CUserGraphicButton m_chart;
  std::array<CUserStatic, IndicatorCount> m_names;
  std::array<CUserStatic, IndicatorCount> m_ranges;
};

class Cwm_INDIKATORERDlg : public Cwm_INDIKATORERBaseDlg {
 public:
  using Cwm_INDIKATORERBaseDlg::Cwm_INDIKATORERBaseDlg;
  BOOL OnUserInit(int initialising) override;
};

int OpenIndicatorsDialog(CWnd* parent);
