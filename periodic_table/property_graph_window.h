#pragma once
// The property graph "PERIODESYSTEMET - GRAFIKK" / "PERIODIC TABLE - GRAPHICS", template PERSYSGRAF:
// one of fifteen element properties plotted against atomic number, each element with a value drawn as
// its symbol at the height of its value; a check box restricts the plot to the main groups in eight
// columns. The chosen property and the check box are kept in the settings values GraphProperty and
// GraphMainGroupsOnly.
#include <array>

#include "runtime/generated_dialog.h"
#include "runtime/sim_modal_dlg.h"
#include "runtime/user_controls.h"

class CDC;
struct PropertyGraphLayout;

class Cwm_PERSYSGRAFBaseDlg : public GeneratedDialog<CSimModalDlg> {
 public:
  using GeneratedDialog::GeneratedDialog;

 protected:
  void ApplyTemplateSetup() override;

  std::array<CUserButton, 16> m_propertyRadios;  // 101 to 116
  CUserButton m_mainGroupsOnly;
  CUserStatic m_band;
  std::array<CUserStatic, 13> m_superscripts;  // 117 to 129
};

class Cwm_PERSYSGRAFDlg : public Cwm_PERSYSGRAFBaseDlg {
 public:
  using Cwm_PERSYSGRAFBaseDlg::Cwm_PERSYSGRAFBaseDlg;
  BOOL OnUserInit(int initialising) override;

 protected:
  afx_msg void PaintPropertyGraph();
  afx_msg void RefreshPropertyGraph();
  afx_msg void ToggleMainGroupsOnly();

  DECLARE_MESSAGE_MAP()

 private:
  void ReadChosenProperty();
  void DrawAxes(CDC& dc, const PropertyGraphLayout& layout);
  void DrawMainGroupDecoration(CDC& dc, const PropertyGraphLayout& layout);
  void DrawAllElementsDecoration(CDC& dc);
  void DrawSymbols(CDC& dc, const PropertyGraphLayout& layout);
};

int OpenPeriodicGraphDialog(CWnd* parent);
