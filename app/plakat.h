#pragma once
// The launcher form that fills the main frame: the logo with the title beneath it, framed by the
// picture buttons of the tools with their captions. Its set-up reads the settings file, sets the
// English captions, and arms the start-up tool, which it opens with a simulated click.
#include "runtime/sim_client_dlg.h"
#include "runtime/user_controls.h"

// 1 until the start-up click has been handled.
extern BYTE StartupClickPending;

class Cwm_NONAMEClientBaseDlg : public CSimClientDlg {
 public:
  Cwm_NONAMEClientBaseDlg();
  BOOL OnInitForm() override;
  virtual BOOL OnUserInit(int initialising);

 protected:
  CUserGraphicButton m_logo;
  CUserStatic m_title;
  CUserGraphicButton m_periodicTableButton;
  CUserGraphicButton m_chemicalsDatabaseButton;
  CUserGraphicButton m_balanceButton;
  CUserGraphicButton m_molecularCalculatorButton;
  CUserGraphicButton m_thermochemistryButton;
  CUserStatic m_periodicTableCaption;
  CUserStatic m_chemicalsDatabaseCaption;
  CUserStatic m_molecularCalculatorCaption;
  CUserStatic m_balanceCaption;
  CUserStatic m_thermochemistryCaption;
  CUserGraphicButton m_solubilityProductButton;
  CUserStatic m_solubilityProductCaption;
  CUserGraphicButton m_weakAcidBaseButton;
  CUserStatic m_weakAcidBaseCaption;
  CUserGraphicButton m_dictionaryButton;
  CUserStatic m_dictionaryCaption;
  CUserGraphicButton m_electrochemistryButton;
  CUserStatic m_electrochemistryCaption;
  CUserGraphicButton m_spectroscopyButton;
  CUserStatic m_spectroscopyCaption;
  CUserGraphicButton m_curveFitButton;
  CUserStatic m_curveFitCaption;
};

class Cwm_NONAMEClientDlg : public Cwm_NONAMEClientBaseDlg {
 public:
  BOOL OnUserInit(int initialising) override;

 protected:
  afx_msg BOOL OnSetCursor(CWnd* window, UINT hitTest, UINT message);
  afx_msg LRESULT OnStartupClickFallback(WPARAM wParam, LPARAM lParam);
  afx_msg void OnPeriodicTable();
  afx_msg void OnChemicalsDatabase();
  afx_msg void OnBalance();
  afx_msg void OnMolecularCalculator();
  afx_msg void OnThermochemistry();
  afx_msg void OnElectrochemistry();
  afx_msg void OnSolubilityProduct();
  afx_msg void OnWeakAcidBase();
  afx_msg void OnSpectroscopy();
  afx_msg void OnCurveFit();
  afx_msg void OnDictionary();

  DECLARE_MESSAGE_MAP()

 private:
  void DeliverStartupClick();
};

// Makes the launcher form inside the frame; null after the failure message.
Cwm_NONAMEClientDlg* CreateClientForm(CWnd* frame);
