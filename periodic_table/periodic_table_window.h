#pragma once
// The periodic table window "PERIODESYSTEMET" / "PERIODIC TABLE", template PERIODESYSTEMET:
// an element button per element with a value box above it showing the property chosen by the radio
// buttons. A click on an element brings the element-properties window forward for it; "Grafikk" opens
// the property graph.
#include <array>

#include "periodic_table/selected_element.h"
#include "runtime/generated_dialog.h"
#include "runtime/sim_modal_dlg.h"
#include "runtime/user_controls.h"

inline constexpr int PeriodicTableElements = 103;
inline constexpr int PropertyRadioCount = 22;
inline constexpr int PeriodicStaticCount = 22;

class Cwm_PeriodesystemetBaseDlg : public GeneratedDialog<CSimModalDlg> {
 public:
  using GeneratedDialog::GeneratedDialog;

 protected:
  void ApplyTemplateSetup() override;
  void ArrangeTexts() override;

  std::array<CUserEdit, PeriodicTableElements> m_valueBoxes;
  std::array<CUserButton, PropertyRadioCount> m_propertyRadios;
  std::array<CUserStatic, PeriodicStaticCount> m_statics;
};

class Cwm_PeriodesystemetDlg : public Cwm_PeriodesystemetBaseDlg {
 public:
  using Cwm_PeriodesystemetBaseDlg::Cwm_PeriodesystemetBaseDlg;
  BOOL OnUserInit(int initialising) override;

 protected:
  afx_msg void OnElementButton();
  afx_msg void OnGraph();
  afx_msg void ShowPropertyInAllCells();
  afx_msg BOOL OnNcActivate(BOOL active);

  DECLARE_MESSAGE_MAP()

 private:
  int ChosenProperty() const;
  void TrackSelectedElement();
};

int OpenPeriodicTableDialog(CWnd* parent);
