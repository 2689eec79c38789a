#pragma once
// The quick editor of standard phrases "HURTIGREDIGERING" (the same in both languages), template PLAKAT:
// nine lists of phrases for the sections of the safety data sheet, each in a file of its own. The user
// picks a category, chooses phrases, edits their joined text and transfers it to the category's
// section of the sheet; adding and removing phrases rewrites the category's file at once. It exists at
// most once, owned by the safety data sheet.
#include <string>
#include <vector>

#include "runtime/generated_dialog.h"
#include "runtime/sim_modeless_dlg.h"
#include "runtime/user_controls.h"

class Cwm_PLAKATBaseDlg : public GeneratedDialog<CSimModelessDlg> {
 protected:
  void ApplyTemplateSetup() override;

  CUserButton m_addPhraseGroup;
  CUserStatic m_newPhraseLabel;
};

class Cwm_PLAKATDlg : public Cwm_PLAKATBaseDlg {
 public:
  BOOL OnUserInit(int initialising) override;

 protected:
  afx_msg void LoadPhraseList();
  afx_msg void ComposePhraseText();
  afx_msg void TransferPhraseText();
  afx_msg void RemovePhrases();
  afx_msg void InsertPhraseBefore();
  afx_msg void InsertPhraseAfter();
  afx_msg void ShowSafetyDataSheet();

  DECLARE_MESSAGE_MAP()

 private:
  void InsertPhrase(bool before);
  // Writes the list into the checked category's file; a file that cannot be written is reported
  // and the list shows the file as it stands.
  // Writes the list in place of the phrase file when the file still holds `shown`, what the list
  // showed before the edit; otherwise says why and shows the file as it is.
  void SavePhraseList(const std::vector<std::string>& shown);
  std::vector<std::string> Phrases();
  std::vector<int> SelectedPhrases();
  void ShowMessage(const std::string& text);
};

// The open quick editor, or null.
extern ModelessInstance<Cwm_PLAKATDlg> QuickEditWindow;

// Makes the quick editor owned by `parent`, or shows and activates the open one.
void ShowQuickEditWindow(CWnd* parent);
