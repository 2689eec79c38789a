#include "app/about_box.h"

#include "resources/about_texts.h"
#include "runtime/dialog_openers.h"
#include "runtime/generated_setup.h"
#include "engine/globals.h"
#include "resources/about_box_ids.h"
#include "runtime/resource_message.h"
#include "platform/services/shell_execute.h"

void Cwm_OMTAVRINBaseDlg::ApplyTemplateSetup() {
  ApplyGeneratedSetup(*this, OmtavrinSetup,
                      {m_logo, m_title, m_mailLabel, m_mirrorLabel, m_homePageLine, m_contactLine, m_mirrorLine,
                       m_secondContactLine, m_linkGroup});
}

BEGIN_MESSAGE_MAP(Cwm_OMTAVRINDlg, Cwm_OMTAVRINBaseDlg)
ON_BN_DOUBLECLICKED(AboutLogoId, ShowAboutCredits)
ON_BN_CLICKED(HomePageLinkId, OnHomePage)
ON_BN_CLICKED(ContactLinkId, OnContact)
ON_BN_CLICKED(MirrorLinkId, OnMirror)
ON_BN_CLICKED(SecondContactLinkId, OnSecondContact)
END_MESSAGE_MAP()

BOOL Cwm_OMTAVRINDlg::OnUserInit(int) {
  return TRUE;
}

void Cwm_OMTAVRINDlg::ShowAboutCredits() {
  MessageBox(LanguageCode == EnglishLanguage ? CreditsEnglish : CreditsNorwegian, MessageCaption, MB_OK);
}

void Cwm_OMTAVRINDlg::OnHomePage() { OpenAboutLink(HomePageAddress); }
void Cwm_OMTAVRINDlg::OnContact() { OpenAboutLink(ContactAddress); }
void Cwm_OMTAVRINDlg::OnMirror() { OpenAboutLink(MirrorAddress); }
void Cwm_OMTAVRINDlg::OnSecondContact() { OpenAboutLink(SecondContactAddress); }

void OpenAboutLink(LPCSTR target) { ::ShellExecute(nullptr, nullptr, target, nullptr, nullptr, SW_SHOW); }

int OpenAboutDialog(CWnd* parent) { return OpenModalDialog<Cwm_OMTAVRINDlg>(OmtavrinTemplateName, parent); }
