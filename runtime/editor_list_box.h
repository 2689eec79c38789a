#pragma once
// The table editors' list and messages in a window: the editor's list box, and message boxes with
// the caption "TAVRIN" and an OK button, owned by the editor's window.
#include "platform/controls/clistbox.h"
#include "engine/records/table_editor.h"

class ListBoxEditorList final : public EditorList {
 public:
  explicit ListBoxEditorList(CListBox& listBox) : listBox_(listBox) {}
  int Count() const override;
  std::vector<int> SelectedIndexes() const override;
  int FindExact(std::string_view text) const override;
  std::string Text(int index) const override;
  bool Insert(int index, std::string_view text) override;
  bool Append(std::span<const std::string_view> texts) override;
  void Remove(int index) override;
  void Select(int index) override;
  void Clear() override;

 private:
  CListBox& listBox_;
};

class MessageBoxEditorMessages final : public EditorMessages {
 public:
  explicit MessageBoxEditorMessages(CWnd& owner) : owner_(owner) {}
  void Show(std::string_view text) override;

 private:
  CWnd& owner_;
};
