#pragma once
// The unit conversion window "KONVERTERE" / "CONVERSION", template CONVERT:
// a value typed into the field of one unit is shown, on Enter, in every other unit of its group. It
// keeps no data and writes no file.
#include <array>

#include "runtime/generated_dialog.h"
#include "runtime/sim_modal_dlg.h"
#include "runtime/user_controls.h"

// The unit field that last took the keyboard focus; 0 before any. Kept from one opening to the next.
extern int ConversionSourceField;

class Cwm_CONVERTBaseDlg : public GeneratedDialog<CSimModalDlg> {
 public:
  using GeneratedDialog::GeneratedDialog;

 protected:
  void ApplyTemplateSetup() override;

  CUserButton m_temperatureGroup;
  std::array<CUserStatic, 5> m_temperatureLabels;
  std::array<CUserStatic, 20> m_pressureLabels;
  CUserButton m_pressureGroup;
  std::array<CUserStatic, 8> m_energyLabels;
  CUserButton m_energyGroup;
  std::array<CUserStatic, 8> m_powerAndForceLabels;
  CUserButton m_powerGroup;
  CUserStatic m_kilogramForceLabel;
  CUserButton m_forceGroup;
  CUserStatic m_tonForceLabel;
  std::array<CUserStatic, 5> m_lengthLabels;
  CUserButton m_lengthGroup;
  std::array<CUserStatic, 4> m_massLabels;
  CUserButton m_massGroup;
};

class Cwm_CONVERTDlg : public Cwm_CONVERTBaseDlg {
 public:
  using Cwm_CONVERTBaseDlg::Cwm_CONVERTBaseDlg;
  BOOL OnUserInit(int initialising) override;

 protected:
  BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;

 private:
  void TakeSourceField(int fieldId);
  void ConvertUnits();
};

int OpenConversionDialog(CWnd* parent);
