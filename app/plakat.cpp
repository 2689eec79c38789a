#include "app/plakat.h"

#include "resources/client_ids.h"
#include "runtime/dialog_openers.h"
#include "runtime/generated_setup.h"
#include "engine/globals.h"
#include "runtime/window_openers.h"

BYTE StartupClickPending = 1;

namespace {

// The screen point the pointer is moved to when a start-up tool is set, over the launcher.
constexpr POINT StartupPointer{200, 200};
// Sent to itself by a form whose pointer could not be moved over it.
constexpr UINT StartupClickFallbackMessage = WM_USER + 0x200;

struct StartupButton {
  int tool;
  int button;
};
constexpr StartupButton StartupButtons[] = {
    {1, PeriodicTableButtonId},       {2, ChemicalsDatabaseButtonId}, {3, BalanceButtonId},
    {4, MolecularCalculatorButtonId}, {10, ThermochemistryButtonId},  {11, SolubilityProductButtonId},
    {12, WeakAcidBaseButtonId},       {13, DictionaryButtonId},
};

struct EnglishCaption {
  int id;
  const char* text;
};
constexpr EnglishCaption EnglishCaptions[] = {
    {PeriodicTableCaptionId, "   Periodic Table"},
    {MolecularCalculatorCaptionId, "Molecular Calculator"},
    {BalanceCaptionId, "       Balance"},
    {ThermochemistryCaptionId, "  Thermochemistry"},
    {ElectrochemistryCaptionId, "Electrochemistry"},
    {SolubilityProductCaptionId, "  Solubility Product"},
    {WeakAcidBaseCaptionId, "   Weak acid/base"},
    {SpectroscopyCaptionId, "Spectroscopy"},
    {CurveFitCaptionId, "      Curve Fit"},
    {DictionaryCaptionId, "    Dictionary"},
};

void UseCaptionLook(CUserStatic& caption) {
  UseDefaultColours(caption);
  UseFont(caption, -11, FW_NORMAL);
}

}  // namespace

Cwm_NONAMEClientBaseDlg::Cwm_NONAMEClientBaseDlg() : CSimClientDlg(ClientTemplateName) {}

BOOL Cwm_NONAMEClientBaseDlg::OnInitForm() {
  PrepareGeneratedWindow(Fields());
  AttachMembers(*this, {
                           {LogoId, m_logo},
                           {TitleId, m_title},
                           {PeriodicTableButtonId, m_periodicTableButton},
                           {ChemicalsDatabaseButtonId, m_chemicalsDatabaseButton},
                           {BalanceButtonId, m_balanceButton},
                           {MolecularCalculatorButtonId, m_molecularCalculatorButton},
                           {ThermochemistryButtonId, m_thermochemistryButton},
                           {PeriodicTableCaptionId, m_periodicTableCaption},
                           {ChemicalsDatabaseCaptionId, m_chemicalsDatabaseCaption},
                           {MolecularCalculatorCaptionId, m_molecularCalculatorCaption},
                           {BalanceCaptionId, m_balanceCaption},
                           {ThermochemistryCaptionId, m_thermochemistryCaption},
                           {SolubilityProductButtonId, m_solubilityProductButton},
                           {SolubilityProductCaptionId, m_solubilityProductCaption},
                           {WeakAcidBaseButtonId, m_weakAcidBaseButton},
                           {WeakAcidBaseCaptionId, m_weakAcidBaseCaption},
                           {DictionaryButtonId, m_dictionaryButton},
                           {DictionaryCaptionId, m_dictionaryCaption},
                           {ElectrochemistryButtonId, m_electrochemistryButton},
                           {ElectrochemistryCaptionId, m_electrochemistryCaption},
                           {SpectroscopyButtonId, m_spectroscopyButton},
                           {SpectroscopyCaptionId, m_spectroscopyCaption},
                           {CurveFitButtonId, m_curveFitButton},
                           {CurveFitCaptionId, m_curveFitCaption},
                       });
  m_logo.SetImage("TVRNLOGO", true, StretchDrawMode);
  UseDefaultColours(m_title);
  UseFont(m_title, -32, FW_BOLD);
  const std::pair<CUserGraphicButton*, const char*> pictures[] = {
      {&m_periodicTableButton, "PSYS"},        {&m_chemicalsDatabaseButton, "DBSYMB"},
      {&m_balanceButton, "BALSYMB"},           {&m_molecularCalculatorButton, "KALKSYMB"},
      {&m_thermochemistryButton, "TERMSYMB"},  {&m_solubilityProductButton, "SOLPROD"},
      {&m_weakAcidBaseButton, "PHSYMB"},       {&m_dictionaryButton, "ORDLISTE"},
      {&m_electrochemistryButton, "REOXSYMB"}, {&m_spectroscopyButton, "MSSYMB"},
      {&m_curveFitButton, "PLOTSYMB"},
  };
  for (const auto& [button, picture] : pictures) button->SetStateImages(picture, "", "", "", true, StretchDrawMode);
  for (CUserStatic* caption :
       {&m_periodicTableCaption, &m_chemicalsDatabaseCaption, &m_molecularCalculatorCaption, &m_balanceCaption,
        &m_thermochemistryCaption, &m_solubilityProductCaption, &m_weakAcidBaseCaption, &m_dictionaryCaption,
        &m_electrochemistryCaption, &m_spectroscopyCaption, &m_curveFitCaption}) {
    UseCaptionLook(*caption);
  }
  CSimClientDlg::OnInitForm();
  return OnUserInit(1);
}

BOOL Cwm_NONAMEClientBaseDlg::OnUserInit(int) { return TRUE; }

BEGIN_MESSAGE_MAP(Cwm_NONAMEClientDlg, Cwm_NONAMEClientBaseDlg)
ON_WM_SETCURSOR()
ON_MESSAGE(StartupClickFallbackMessage, OnStartupClickFallback)
ON_BN_CLICKED(PeriodicTableButtonId, OnPeriodicTable)
ON_BN_CLICKED(ChemicalsDatabaseButtonId, OnChemicalsDatabase)
ON_BN_CLICKED(BalanceButtonId, OnBalance)
ON_BN_CLICKED(MolecularCalculatorButtonId, OnMolecularCalculator)
ON_BN_CLICKED(ThermochemistryButtonId, OnThermochemistry)
ON_BN_CLICKED(ElectrochemistryButtonId, OnElectrochemistry)
ON_BN_CLICKED(SolubilityProductButtonId, OnSolubilityProduct)
ON_BN_CLICKED(WeakAcidBaseButtonId, OnWeakAcidBase)
ON_BN_CLICKED(SpectroscopyButtonId, OnSpectroscopy)
ON_BN_CLICKED(CurveFitButtonId, OnCurveFit)
ON_BN_CLICKED(DictionaryButtonId, OnDictionary)
END_MESSAGE_MAP()

BOOL Cwm_NONAMEClientDlg::OnUserInit(int) {
  StartupTool = 0;
  LoadSettings();
  // The click waits for the first cursor message over the form; where the pointer cannot be moved
  // there, it comes once the main window is up and the message loop runs.
  if (StartupTool != 0 && !::SetCursorPos(StartupPointer.x, StartupPointer.y)) {
    PostMessage(StartupClickFallbackMessage);
  }
  if (LanguageCode == EnglishLanguage) {
    for (const EnglishCaption& caption : EnglishCaptions) SetDlgItemText(caption.id, caption.text);
  }
  return TRUE;
}

void Cwm_NONAMEClientDlg::DeliverStartupClick() {
  if (StartupClickPending != 1) return;
  StartupClickPending = 0;
  for (const StartupButton& entry : StartupButtons) {
    if (entry.tool != StartupTool) continue;
    // Sent straight to the button, so that the hidden, disabled database button reports it too.
    SendDlgItemMessage(entry.button, WM_LBUTTONDOWN, MK_LBUTTON, 0);
    SendDlgItemMessage(entry.button, WM_LBUTTONUP, MK_LBUTTON, 0);
  }
}

BOOL Cwm_NONAMEClientDlg::OnSetCursor(CWnd* window, UINT hitTest, UINT message) {
  DeliverStartupClick();
  return Cwm_NONAMEClientBaseDlg::OnSetCursor(window, hitTest, message);
}

LRESULT Cwm_NONAMEClientDlg::OnStartupClickFallback(WPARAM, LPARAM) {
  DeliverStartupClick();
  return 0;
}

void Cwm_NONAMEClientDlg::OnPeriodicTable() { OpenPeriodicTableDialog(this); }
void Cwm_NONAMEClientDlg::OnChemicalsDatabase() { OpenChemicalsDatabaseDialog(this); }
void Cwm_NONAMEClientDlg::OnBalance() { OpenBalanceDialog(this); }
void Cwm_NONAMEClientDlg::OnMolecularCalculator() { OpenMolecularCalculatorDialog(this); }
void Cwm_NONAMEClientDlg::OnThermochemistry() { OpenThermochemistryDialog(this); }
void Cwm_NONAMEClientDlg::OnElectrochemistry() { OpenElectrochemistryDialog(this); }
void Cwm_NONAMEClientDlg::OnSolubilityProduct() { OpenSolubilityProductDialog(this); }
void Cwm_NONAMEClientDlg::OnWeakAcidBase() { OpenWeakAcidBaseDialog(this); }
void Cwm_NONAMEClientDlg::OnSpectroscopy() { OpenSpectroscopyDialog(this); }
void Cwm_NONAMEClientDlg::OnCurveFit() { OpenCurveFitDialog(this); }
void Cwm_NONAMEClientDlg::OnDictionary() { OpenDictionaryDialog(this); }

Cwm_NONAMEClientDlg* CreateClientForm(CWnd* frame) {
  // Deleted by the window layer with its window; a form whose window could not be made is deleted here.
  auto* form = new Cwm_NONAMEClientDlg;
  if (form->Create(frame)) return form;
  delete form;
  ReportDialogNotCreated(ClientTemplateName);
  return nullptr;
}
