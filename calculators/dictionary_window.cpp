#include "calculators/dictionary_window.h"

#include <vector>

#include "engine/records/record_file.h"
#include "engine/records/table_editor.h"
#include "engine/settings/settings.h"
#include "resources/dictionary_ids.h"
#include "runtime/dialog_item_text.h"
#include "runtime/dialog_openers.h"
#include "runtime/generated_setup.h"
#include "runtime/record_editor_window.h"

namespace {

using Kind = RecordLineSource::Kind;

// Characters of the word and of the explanation that are read and stored.
constexpr std::size_t WordLimit = 251;
constexpr std::size_t ExplanationLimit = 3996;
// A shown explanation stays below this length, so that the field reads it back whole.
constexpr std::size_t ShownExplanationLimit = 3997;
constexpr int ExplanationLine = 3;
constexpr char StoredLineBreak = '\a';

// Nine lines: the word on line 1, the explanation on line 3 with BEL for each line break.
std::vector<RecordLineSource> DictionaryFrame() {
  return {
      {Kind::Field, 0, WordLimit},
      {Kind::Empty},
      {Kind::Field, 1, ExplanationLimit, "", true},
      {Kind::Empty},
      {Kind::Empty},
      {Kind::Empty},
      {Kind::Empty},
      {Kind::Empty},
      {Kind::Empty},
  };
}

TableEditorConfig DictionaryEditor(const char* fileName) {
  return {fileName, TableShape::RecordFile, 1, DictionaryFrame(), WordLimit, false, true, "word", "et ord", true};
}

const TableEditorConfig NorwegianDictionary = DictionaryEditor("dats\\datfiles\\atomdata\\nooliste.dat");
const TableEditorConfig EnglishDictionary = DictionaryEditor("dats\\datfiles\\atomdata\\enoliste.dat");

const TableEditorConfig& Dictionary() {
  return LanguageCode == EnglishLanguage ? EnglishDictionary : NorwegianDictionary;
}

const RecordEditorLayout DictionaryLayout{
    Dictionary,
    {{WordFieldId, WordLimit}, {ExplanationFieldId, ExplanationLimit}},
    0,
    WordBeforeId,
    WordAfterId,
    ReplaceWordId,
    DeleteWordId,
    EraseDictionaryFieldsId,
    WordListId,
    nullptr,
};

bool ChangesGlossary(int id) {
  return id == WordBeforeId || id == WordAfterId || id == ReplaceWordId || id == DeleteWordId;
}

}  // namespace

std::string ShownExplanation(std::string_view stored) {
  std::string shown;
  std::size_t expanded = 0;
  for (char c : stored) {
    if (c != StoredLineBreak) {
      shown += c;
    } else if (stored.size() + expanded + 1 < ShownExplanationLimit) {
      shown += "\r\n";
      ++expanded;
    } else {
      // Past the limit a break is a line feed alone, which the field reads back as a break too.
      shown += '\n';
    }
  }
  return shown;
}

void Cwm_ORDLISTEBaseDlg::ApplyTemplateSetup() {
  ApplyGeneratedSetup(*this, OrdlisteSetup,
                      {m_editListGroup, m_wordLabel, m_contentsLabel, m_selectionListLabel, m_addWordGroup});
}

CListBox& Cwm_ORDLISTEDlg::WordList() { return *static_cast<CListBox*>(GetDlgItem(WordListId)); }

BOOL Cwm_ORDLISTEDlg::OnUserInit(int) {
  RecordEditorWindow(*this, WordList(), DictionaryLayout).LoadList();
  return TRUE;
}

BOOL Cwm_ORDLISTEDlg::OnCommand(WPARAM wParam, LPARAM lParam) {
  const int id = LOWORD(wParam);
  const UINT notification = HIWORD(wParam);
  if (id == WordListId && notification == LBN_DBLCLK) {
    ShowDictionaryEntry();
    return TRUE;
  }
  // The editor turns a leading backslash of the word into a blank and shows it; the same goes for
  // the explanation.
  if (notification == BN_CLICKED && ChangesGlossary(id)) BlankLeadingBackslash(ExplanationFieldId);
  if (RecordEditorWindow(*this, WordList(), DictionaryLayout).OnCommand(id, notification)) return TRUE;
  return Cwm_ORDLISTEBaseDlg::OnCommand(wParam, lParam);
}

void Cwm_ORDLISTEDlg::BlankLeadingBackslash(int fieldId) {
  std::string text = DialogItemText(*this, fieldId, std::string::npos);
  if (text.empty() || text.front() != RecordSeparatorMark) return;
  text.front() = ' ';
  SetDlgItemText(fieldId, text.c_str());
}

// The first record whose word is the selected entry, letter case counting, is shown.
void Cwm_ORDLISTEDlg::ShowDictionaryEntry() {
  CListBox& list = WordList();
  const int selected = list.GetCurSel();
  if (selected < 0) return;
  std::string word;
  list.GetText(selected, word);
  const std::vector<std::string> record = FindEditorRecord(Dictionary(), word);
  SetDlgItemText(WordFieldId, word.c_str());
  SetDlgItemText(ExplanationFieldId, ShownExplanation(RecordLine(record, ExplanationLine)).c_str());
}

int OpenDictionaryDialog(CWnd* parent) { return OpenModalDialog<Cwm_ORDLISTEDlg>(OrdlisteTemplateName, parent); }
