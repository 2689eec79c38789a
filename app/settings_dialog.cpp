#include "app/settings_dialog.h"

#include <climits>

#include "runtime/dialog_openers.h"
#include "runtime/generated_setup.h"
#include "engine/globals.h"
#include "resources/settings_dialog_ids.h"

namespace {

// The radio button of start-up tool N has the id N + 100.
constexpr int StartupRadioBase = 100;
// What is saved when no radio button of a tool is checked: the launcher opens nothing for it.
constexpr int NoRadioCandidate = 105;

}  // namespace

void Cwm_TAVRPARABaseDlg::ApplyTemplateSetup() {
  ApplyGeneratedSetup(
      *this, TavrparaSetup,
      {m_periodicTableRadio, m_chemicalsDatabaseRadio, m_balanceRadio, m_molecularCalculatorRadio, m_noneRadio,
       m_startupGroup, m_thermochemistryRadio, m_solubilityProductRadio, m_weakAcidBaseRadio, m_dictionaryRadio});
}

BEGIN_MESSAGE_MAP(Cwm_TAVRPARADlg, Cwm_TAVRPARABaseDlg)
ON_BN_CLICKED(SaveSettingsId, SaveSetupChoice)
END_MESSAGE_MAP()

BOOL Cwm_TAVRPARADlg::OnUserInit(int) {
  // A value too large for a control id has no radio button, as every value without one.
  const long long radio = StartupTool < 1 ? StartupNoneId : static_cast<long long>(StartupTool) + StartupRadioBase;
  if (radio <= INT_MAX) SendDlgItemMessage(static_cast<int>(radio), BM_SETCHECK, 1, 0);
  return TRUE;
}

bool Cwm_TAVRPARADlg::IsChecked(int id) const { return SendDlgItemMessage(id, BM_GETCHECK) == BST_CHECKED; }

void Cwm_TAVRPARADlg::SaveSetupChoice() {
  int candidate = NoRadioCandidate;
  for (int id : {StartupPeriodicTableId, StartupChemicalsDatabaseId, StartupBalanceId, StartupMolecularCalculatorId}) {
    if (IsChecked(id)) {
      candidate = id;
      break;
    }
  }
  if (IsChecked(StartupThermochemistryId)) {
    candidate = StartupThermochemistryId;
  } else if (IsChecked(StartupNoneId)) {
    candidate = StartupRadioBase;
  }
  for (int id : {StartupSolubilityProductId, StartupWeakAcidBaseId, StartupDictionaryId}) {
    if (IsChecked(id)) candidate = id;
  }
  StartupTool = candidate - StartupRadioBase;
  if (SaveSettings()) return;
  const char* failed = LanguageCode == EnglishLanguage
                           ? "FILE ERROR\n\nThe settings file could not be written\nand is unchanged!"
                           : "FILFEIL\n\nInnstillingsfilen kunne ikke skrives\nog er uendret!";
  MessageBox(failed, MessageCaption, MB_OK);
}

int OpenSetupDialog(CWnd* parent) { return OpenModalDialog<Cwm_TAVRPARADlg>(TavrparaTemplateName, parent); }
