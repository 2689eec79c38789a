#pragma once
// Window "TERMOKJEMI - TERMODATA" / "THERMOCHEMISTRY - THERMOCHEMICAL DATA", template TERMODATA:
// The thermochemical data editor: the table of standard enthalpies and Gibbs energies of formation,
// entropies and heat capacities per species and phase, from which the thermochemistry window sums its
// reactions; edited record by record, every change rewriting the table at once.
#include <string>
#include <optional>
#include <string_view>

#include "runtime/generated_dialog.h"
#include "runtime/sim_modal_dlg.h"
#include "runtime/user_controls.h"

class Cwm_TERMODATABaseDlg : public GeneratedDialog<CSimModalDlg> {
 public:
  using GeneratedDialog::GeneratedDialog;

 protected:
  void ApplyTemplateSetup() override;

  CUserStatic m_englishNameLabel;
  CUserEdit m_englishName;
  CUserStatic m_norwegianNameLabel;
  CUserEdit m_norwegianName;
  CUserStatic m_formulaLabel;
  CUserEdit m_formula;
  CUserGraphicButton m_enthalpyDelta;
  CUserStatic m_enthalpyF;
  CUserStatic m_enthalpyH;
  CUserStatic m_enthalpyO;
  CUserEdit m_enthalpy;
  CUserStatic m_enthalpyUnit;
  CUserGraphicButton m_gibbsDelta;
  CUserStatic m_gibbsF;
  CUserStatic m_gibbsG;
  CUserStatic m_gibbsO;
  CUserEdit m_gibbs;
  CUserStatic m_gibbsUnit;
  CUserStatic m_entropyS;
  CUserStatic m_entropyO;
  CUserEdit m_entropy;
  CUserStatic m_entropyUnit;
  CUserStatic m_heatCapacityC;
  CUserStatic m_heatCapacityP;
  CUserEdit m_heatCapacity;
  CUserStatic m_heatCapacityUnit;
  CUserStatic m_temperature;
  CUserStatic m_temperatureC;
  CUserStatic m_temperatureO;
  CUserButton m_caloriesToJoules;
  CUserButton m_eraseFields;
  CUserListBox m_formulas;
  CUserButton m_editListGroup;
  CUserButton m_addGroup;
  CUserButton m_before;
  CUserButton m_after;
  CUserButton m_replace;
  CUserButton m_delete;
};

class Cwm_TERMODATADlg : public Cwm_TERMODATABaseDlg {
 public:
  using Cwm_TERMODATABaseDlg::Cwm_TERMODATABaseDlg;
  BOOL OnUserInit(int initialising) override;

 protected:
  BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
  afx_msg void ConvertCalToJoule();

  DECLARE_MESSAGE_MAP()
};

// A number of calories as joules, with as many decimals as the number has (cut, not rounded): "1.5"
// gives "6.2", "100" gives "418"; a number without a point keeps its whole integer part. An empty
// text stays empty; a number written with an exponent is converted to six significant digits.
// None for a text that is no number, or whose joules are beyond every number.
std::optional<std::string> CaloriesToJoules(std::string_view calories);

int OpenThermochemicalDataDialog(CWnd* parent);
