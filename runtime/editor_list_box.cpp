#include "runtime/editor_list_box.h"

#include <string>

#include "platform/win/message_box.h"
#include "runtime/resource_message.h"

int ListBoxEditorList::Count() const { return listBox_.GetCount(); }

std::vector<int> ListBoxEditorList::SelectedIndexes() const {
  std::vector<int> selected;
  const int count = listBox_.GetCount();
  for (int index = 0; index < count; ++index) {
    if (listBox_.GetSel(index) > 0) selected.push_back(index);
  }
  return selected;
}

int ListBoxEditorList::FindExact(std::string_view text) const {
  const std::string key(text);
  const int found = listBox_.FindStringExact(-1, key.c_str());
  return found == LB_ERR ? -1 : found;
}

std::string ListBoxEditorList::Text(int index) const {
  std::string text;
  listBox_.GetText(index, text);
  return text;
}

bool ListBoxEditorList::Insert(int index, std::string_view text) {
  return listBox_.InsertString(index >= listBox_.GetCount() ? -1 : index, std::string(text).c_str()) >= 0;
}

// Unsorted, the list takes all the texts in one step and is repainted once.
bool ListBoxEditorList::Append(std::span<const std::string_view> texts) {
  if ((listBox_.GetStyle() & LBS_SORT) != 0) return EditorList::Append(texts);
  return listBox_.SendMessage(LB_ADDSTRINGS, 0, reinterpret_cast<LPARAM>(&texts)) >= 0;
}

void ListBoxEditorList::Remove(int index) { listBox_.DeleteString(index); }

void ListBoxEditorList::Select(int index) { listBox_.SetCurSel(index); }

void ListBoxEditorList::Clear() { listBox_.ResetContent(); }

void MessageBoxEditorMessages::Show(std::string_view text) {
  ::MessageBox(owner_.m_hWnd, std::string(text).c_str(), MessageCaption, MB_OK);
}
