#include "runtime/list_editor_window.h"

#include "runtime/dialog_item_text.h"
#include "runtime/editor_list_box.h"

CListBox& ListEditorWindow::List() const { return *static_cast<CListBox*>(dialog_.GetDlgItem(layout_.listId)); }

void ListEditorWindow::LoadList() {
  ListBoxEditorList list(List());
  MessageBoxEditorMessages messages(dialog_);
  LoadEditorList(layout_.table(), list, messages);
}

bool ListEditorWindow::OnButton(int id) {
  const std::optional<EditOperation> operation = layout_.buttons.Operation(id);
  if (!operation) return false;
  if (*operation == EditOperation::Delete)
    Delete();
  else
    Add(*operation);
  return true;
}

void ListEditorWindow::Add(EditOperation operation) {
  const TableEditorConfig& table = layout_.table();
  ListBoxEditorList list(List());
  MessageBoxEditorMessages messages(dialog_);
  const std::string typed = DialogItemText(dialog_, layout_.keyField.id, layout_.keyField.readLimit);
  std::string key = typed;
  const std::vector<std::string> fields =
      layout_.readFields != nullptr ? layout_.readFields(dialog_) : std::vector<std::string>{};
  if (layout_.prepareEmptyTable != nullptr && list.Count() == 0) {
    layout_.prepareEmptyTable(table);
    LoadEditorList(table, list, messages);
    if (list.Count() > 0) operation = EditOperation::Before;
  }
  AddToTable(table, list, messages, operation, key, fields);
  if (layout_.showsStoredKey && key != typed) dialog_.SetDlgItemText(layout_.keyField.id, key.c_str());
}

void ListEditorWindow::Delete() {
  ListBoxEditorList list(List());
  MessageBoxEditorMessages messages(dialog_);
  DeleteFromTable(layout_.table(), list, messages);
}
