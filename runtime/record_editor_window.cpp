#include "runtime/record_editor_window.h"

#include "runtime/dialog_item_text.h"
#include "runtime/editor_list_box.h"
#include "runtime/list_buttons.h"
#include "engine/records/record_file.h"

void RecordEditorWindow::LoadList() {
  ListBoxEditorList list(list_);
  MessageBoxEditorMessages messages(dialog_);
  LoadEditorList(layout_.table(), list, messages);
}

void RecordEditorWindow::LimitFieldsToStoredWidths() {
  const TableEditorConfig& table = layout_.table();
  for (std::size_t i = 0; i < table.frame.size(); ++i) {
    const RecordLineSource& source = table.frame[i];
    const bool keyLine = static_cast<int>(i) + 1 == table.keyLine;
    // A field of several lines shows each stored line break as two characters.
    if (!keyLine && (source.kind != RecordLineSource::Kind::Field || source.multiLine)) continue;
    const std::size_t field = keyLine ? layout_.keyField : static_cast<std::size_t>(source.field);
    if (field >= layout_.fields.size()) continue;
    const std::size_t width = keyLine ? table.keyLimit : source.limit;
    dialog_.SendDlgItemMessage(layout_.fields[field].id, EM_LIMITTEXT, static_cast<WPARAM>(width), 0);
  }
}

bool RecordEditorWindow::OnCommand(int id, int notification) {
  if (id == layout_.listId) {
    if (notification != LBN_DBLCLK) return false;
    ShowSelectedRecord();
    return true;
  }
  if (notification != BN_CLICKED) return false;
  if (layout_.eraseFieldsId != 0 && id == layout_.eraseFieldsId) {
    EraseFields();
    return true;
  }
  const ListButtons buttons{layout_.beforeId, layout_.afterId, layout_.replaceId, layout_.deleteId};
  const std::optional<EditOperation> operation = buttons.Operation(id);
  if (!operation) return false;
  if (*operation == EditOperation::Delete)
    Delete();
  else
    Add(*operation);
  return true;
}

void RecordEditorWindow::ShowSelectedRecord() {
  const int selected = list_.GetCurSel();
  if (selected < 0) return;
  std::string key;
  list_.GetText(selected, key);
  const TableEditorConfig& table = layout_.table();
  const std::vector<std::string> record = FindEditorRecord(table, key);
  if (record.empty()) return;
  for (std::size_t i = 0; i < table.frame.size(); ++i) {
    const int lineNumber = static_cast<int>(i) + 1;
    const RecordLineSource& source = table.frame[i];
    const bool keyLine = lineNumber == table.keyLine;
    if (!keyLine && source.kind != RecordLineSource::Kind::Field) continue;
    const std::size_t field = keyLine ? layout_.keyField : static_cast<std::size_t>(source.field);
    if (field >= layout_.fields.size()) continue;
    const std::string stored = RecordLine(record, lineNumber);
    const std::string shown = source.multiLine ? ShownFieldText(stored) : stored;
    dialog_.SetDlgItemText(layout_.fields[field].id, shown.c_str());
  }
}

std::vector<std::string> RecordEditorWindow::ReadFields() const {
  std::vector<std::string> fields;
  for (const EditorFieldControl& field : layout_.fields)
    fields.push_back(DialogItemText(dialog_, field.id, field.readLimit));
  return fields;
}

void RecordEditorWindow::Add(EditOperation operation) {
  const std::vector<std::string> typed = ReadFields();
  std::vector<std::string> fields = typed;
  ListBoxEditorList list(list_);
  MessageBoxEditorMessages messages(dialog_);
  if (layout_.checkFields != nullptr) {
    const std::vector<std::string> refusals = layout_.checkFields(fields);
    for (const std::string& refusal : refusals) messages.Show(refusal);
    if (!refusals.empty()) return;
    for (std::size_t i = 0; i < fields.size(); ++i)
      if (fields[i] != typed[i]) dialog_.SetDlgItemText(layout_.fields[i].id, fields[i].c_str());
  }
  std::string key = fields[layout_.keyField];
  AddToTable(layout_.table(), list, messages, operation, key, fields);
  if (key != fields[layout_.keyField]) dialog_.SetDlgItemText(layout_.fields[layout_.keyField].id, key.c_str());
}

void RecordEditorWindow::Delete() {
  ListBoxEditorList list(list_);
  MessageBoxEditorMessages messages(dialog_);
  DeleteFromTable(layout_.table(), list, messages);
}

void RecordEditorWindow::EraseFields() {
  for (const EditorFieldControl& field : layout_.fields) dialog_.SetDlgItemText(field.id, "");
}
