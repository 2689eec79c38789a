#pragma once
// The dictionary "ORDLISTE" / "DICTIONARY", template ORDLISTE:
// a glossary of chemical terms in the chosen language. A double click on a word of the list shows its
// explanation; the list buttons add, replace and delete words, rewriting the glossary at every change.
#include <string>
#include <string_view>

#include "runtime/generated_dialog.h"
#include "runtime/sim_modal_dlg.h"
#include "runtime/user_controls.h"

class Cwm_ORDLISTEBaseDlg : public GeneratedDialog<CSimModalDlg> {
 public:
  using GeneratedDialog::GeneratedDialog;

 protected:
  void ApplyTemplateSetup() override;

  CUserButton m_editListGroup;
  CUserStatic m_wordLabel;
  CUserStatic m_contentsLabel;
  CUserStatic m_selectionListLabel;
  CUserButton m_addWordGroup;
};

class Cwm_ORDLISTEDlg : public Cwm_ORDLISTEBaseDlg {
 public:
  using Cwm_ORDLISTEBaseDlg::Cwm_ORDLISTEBaseDlg;
  BOOL OnUserInit(int initialising) override;

 protected:
  BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;

 private:
  CListBox& WordList();
  void ShowDictionaryEntry();
  void BlankLeadingBackslash(int fieldId);
};

// A stored explanation as the explanation field shows it: each BEL a line break.
std::string ShownExplanation(std::string_view stored);

int OpenDictionaryDialog(CWnd* parent);
