#include "chemicals_database/quick_edit_window.h"

#include <algorithm>

#include "chemicals_database/database_group.h"
#include "chemicals_database/model/database_engine.h"
#include "chemicals_database/phrase_text.h"
#include "chemicals_database/model/safety_sections.h"
#include "engine/settings/settings.h"
#include "platform/services/files.h"
#include "platform/win/control_constants.h"
#include "resources/quick_edit_ids.h"
#include "runtime/dialog_item_text.h"
#include "runtime/dialog_openers.h"
#include "runtime/generated_setup.h"
#include "runtime/resource_message.h"

ModelessInstance<Cwm_PLAKATDlg> QuickEditWindow;

namespace {

constexpr const char* TooMuchTextMessage = "TEKSTOVERSKRIDELSE\n\nOverskridelse av lovlig tekstmengde!";
constexpr const char* SectionTooLongMessage = "TEKSTFELTINNOLD FOR STORT\n\nReduser tekstmengden f\xF8r overf\xF8ring!";
constexpr const char* SelectOneMessage =
    "LISTETILF\xD8RINGSFEIL\n\nEtt listeelement m\xE5 v\xE6re merket\nved listetilf\xF8yning!";

std::string WriteFailedMessage(const char* file) {
  return std::string("FILSKRIVINGSFEIL\n\nListen kunne ikke lagres i\n") + file + "!";
}

std::string ReadFailedMessage(const char* file) {
  return std::string("FILLESEFEIL\n\nListen kunne ikke leses fra\n") + file + "!";
}

constexpr const char* ChangedElsewhereMessage =
    "LISTEN ER ENDRET\n\nListen er endret et annet sted og\ner lest p\xE5 nytt. Ingenting ble endret!";

enum class PhraseSave { Written, Unreadable, ChangedElsewhere, WriteFailed };

// Under the folder's rewrite lock, so that another program's edit between the read and the write
// is never lost; the lock is let go before any message waits for the user.
PhraseSave SavePhrases(const char* file, const std::vector<std::string>& shown,
                       const std::vector<std::string>& phrases) {
  const platform::RewriteLock lock(file);
  const platform::FileLines current = platform::ReadFileLines(file);
  if (current.status == platform::FileReadStatus::Unreadable) return PhraseSave::Unreadable;
  if (current.lines != shown) return PhraseSave::ChangedElsewhere;
  return platform::WriteFileLines(file, phrases) ? PhraseSave::Written : PhraseSave::WriteFailed;
}

// The list scrolls sideways across its widest phrase, and the list's text margin on both sides, so
// that a phrase wider than the list can be read whole before it is chosen.
void FitPhraseListExtent(CWnd& window, const std::vector<std::string>& phrases) {
  const HWND list = ::GetDlgItem(window.m_hWnd, PhraseListId);
  const HDC dc = GetDC(list);
  const HGDIOBJ previous = SelectObject(dc, reinterpret_cast<HGDIOBJ>(SendMessage(list, WM_GETFONT, 0, 0)));
  int widest = 0;
  for (const std::string& phrase : phrases) {
    SIZE size{};
    GetTextExtentPoint32(dc, phrase.c_str(), static_cast<int>(phrase.size()), &size);
    widest = std::max(widest, static_cast<int>(size.cx));
  }
  SelectObject(dc, previous);
  ReleaseDC(list, dc);
  SendMessage(list, LB_SETHORIZONTALEXTENT, static_cast<WPARAM>(widest + 4), 0);
}

// A left-button press and release sent to the button, as a user's click.
void ClickButton(CWnd& window, int buttonId) {
  window.SendDlgItemMessage(buttonId, WM_LBUTTONDOWN, MK_LBUTTON, 0);
  window.SendDlgItemMessage(buttonId, WM_LBUTTONUP, MK_LBUTTON, 0);
}

}  // namespace

void Cwm_PLAKATBaseDlg::ApplyTemplateSetup() {
  ApplyGeneratedSetup(*this, PlakatSetup, {m_addPhraseGroup, m_newPhraseLabel});
}

BEGIN_MESSAGE_MAP(Cwm_PLAKATDlg, Cwm_PLAKATBaseDlg)
ON_BN_CLICKED(RiskCategoryId, LoadPhraseList)
ON_BN_CLICKED(SafetyCategoryId, LoadPhraseList)
ON_BN_CLICKED(HealthHazardCategoryId, LoadPhraseList)
ON_BN_CLICKED(FireHazardCategoryId, LoadPhraseList)
ON_BN_CLICKED(FirstAidCategoryId, LoadPhraseList)
ON_BN_CLICKED(PreventiveCategoryId, LoadPhraseList)
ON_BN_CLICKED(StorageCategoryId, LoadPhraseList)
ON_BN_CLICKED(DisposalCategoryId, LoadPhraseList)
ON_CONTROL(LBN_SELCHANGE, PhraseListId, ComposePhraseText)
ON_BN_CLICKED(TransferPhrasesId, TransferPhraseText)
ON_BN_CLICKED(RemovePhrasesId, RemovePhrases)
ON_BN_CLICKED(InsertBeforeId, InsertPhraseBefore)
ON_BN_CLICKED(InsertAfterId, InsertPhraseAfter)
ON_BN_CLICKED(ShowSheetId, ShowSafetyDataSheet)
END_MESSAGE_MAP()

BOOL Cwm_PLAKATDlg::OnUserInit(int) {
  QuickEditTransferPending = 0;
  const PhraseCategory& category = PhraseCategoryOf(QuickEditCategory);
  QuickEditCategory = category.number;
  SendDlgItemMessage(category.radioId, BM_SETCHECK, 1, 0);
  LoadPhraseList();
  return TRUE;
}

void Cwm_PLAKATDlg::LoadPhraseList() {
  QuickEditText.clear();
  SetDlgItemText(ComposedTextId, "");
  const auto& categories = PhraseCategories();
  const auto checked = std::ranges::find_if(categories, [this](const PhraseCategory& category) {
    return SendDlgItemMessage(category.radioId, BM_GETCHECK, 0, 0) != 0;
  });
  const PhraseCategory& category = checked != categories.end() ? *checked : categories.front();
  QuickEditCategory = category.number;
  SendDlgItemMessage(PhraseListId, LB_RESETCONTENT, 0, 0);
  const platform::FileLines file = platform::ReadFileLines(category.file);
  for (const std::string& phrase : file.lines) {
    SendDlgItemMessage(PhraseListId, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(phrase.c_str()));
  }
  FitPhraseListExtent(*this, file.lines);
  if (file.status == platform::FileReadStatus::Unreadable) ShowMessage(ReadFailedMessage(category.file));
}

std::vector<std::string> Cwm_PLAKATDlg::Phrases() {
  std::vector<std::string> phrases;
  const auto count = SendDlgItemMessage(PhraseListId, LB_GETCOUNT, 0, 0);
  for (int index = 0; index < count; ++index) {
    const auto length = SendDlgItemMessage(PhraseListId, LB_GETTEXTLEN, static_cast<WPARAM>(index), 0);
    std::string phrase(static_cast<std::size_t>(std::max<LRESULT>(length, 0)) + 1, '\0');
    SendDlgItemMessage(PhraseListId, LB_GETTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(phrase.data()));
    phrase.resize(static_cast<std::size_t>(std::max<LRESULT>(length, 0)));
    phrases.push_back(std::move(phrase));
  }
  return phrases;
}

std::vector<int> Cwm_PLAKATDlg::SelectedPhrases() {
  std::vector<int> selected;
  const auto count = SendDlgItemMessage(PhraseListId, LB_GETCOUNT, 0, 0);
  for (int index = 0; index < count; ++index) {
    if (SendDlgItemMessage(PhraseListId, LB_GETSEL, static_cast<WPARAM>(index), 0) > 0) selected.push_back(index);
  }
  return selected;
}

void Cwm_PLAKATDlg::ShowMessage(const std::string& text) { MessageBox(text.c_str(), MessageCaption, MB_OK); }

void Cwm_PLAKATDlg::ComposePhraseText() {
  const std::vector<std::string> phrases = Phrases();
  std::vector<std::string> chosen;
  for (int index : SelectedPhrases()) chosen.push_back(phrases[static_cast<std::size_t>(index)]);
  const ComposedPhrases composed = ::ComposePhraseText(chosen);
  QuickEditText = composed.text;
  if (composed.overflow) ShowMessage(TooMuchTextMessage);
  SetDlgItemText(ComposedTextId, QuickEditText.c_str());
}

void Cwm_PLAKATDlg::TransferPhraseText() {
  QuickEditText = DialogItemText(*this, ComposedTextId, SafetySheetTextLimit);
  if (QuickEditText.size() + SafetyDataText.size() > SafetySheetTextLimit) {
    ShowMessage(SectionTooLongMessage);
    return;
  }
  QuickEditTransferPending = 1;
  ClickButton(*this, ShowSheetId);
}

void Cwm_PLAKATDlg::RemovePhrases() {
  QuickEditText.clear();
  std::vector<int> selected = SelectedPhrases();
  SetDlgItemText(ComposedTextId, "");
  if (selected.empty()) return;
  const std::vector<std::string> shown = Phrases();
  std::ranges::reverse(selected);
  for (int index : selected) SendDlgItemMessage(PhraseListId, LB_DELETESTRING, static_cast<WPARAM>(index), 0);
  SavePhraseList(shown);
}

void Cwm_PLAKATDlg::InsertPhraseBefore() { InsertPhrase(true); }
void Cwm_PLAKATDlg::InsertPhraseAfter() { InsertPhrase(false); }

void Cwm_PLAKATDlg::InsertPhrase(bool before) {
  QuickEditText.clear();
  const std::string phrase = DialogItemText(*this, NewPhraseFieldId, NewPhraseLimit);
  const auto count = SendDlgItemMessage(PhraseListId, LB_GETCOUNT, 0, 0);
  const std::optional<int> place = NewPhrasePlace(static_cast<int>(count), SelectedPhrases(), before);
  if (!place) {
    ShowMessage(SelectOneMessage);
    return;
  }
  const std::vector<std::string> shown = Phrases();
  SendDlgItemMessage(PhraseListId, LB_INSERTSTRING, static_cast<WPARAM>(*place), reinterpret_cast<LPARAM>(phrase.c_str()));
  SendDlgItemMessage(PhraseListId, LB_SETSEL, 0, -1);
  SavePhraseList(shown);
}

void Cwm_PLAKATDlg::SavePhraseList(const std::vector<std::string>& shown) {
  const PhraseCategory& category = PhraseCategoryOf(QuickEditCategory);
  const std::vector<std::string> phrases = Phrases();
  FitPhraseListExtent(*this, phrases);
  switch (SavePhrases(category.file, shown, phrases)) {
    case PhraseSave::Written:
      return;
    case PhraseSave::Unreadable:  // reading the list again says so
      break;
    case PhraseSave::ChangedElsewhere:
      ShowMessage(ChangedElsewhereMessage);
      break;
    case PhraseSave::WriteFailed:
      ShowMessage(WriteFailedMessage(category.file));
      break;
  }
  LoadPhraseList();
}

void Cwm_PLAKATDlg::ShowSafetyDataSheet() { ShowSafetyDataSheetWindow(this); }

void ShowQuickEditWindow(CWnd* parent) { ShowModelessWindow(QuickEditWindow, PlakatTemplateName, parent); }
