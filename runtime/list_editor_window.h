#pragma once
// The window side of a list that four buttons extend, edit and shorten, rewriting its table at
// every change: Before, After and Replace add what the window's fields hold before, after or in
// place of the selected entry, Delete takes the selected entry away, through the table-editor
// engine. A window describes its list in one ListEditorLayout, routes the four buttons to
// ListEditorWindow with ON_LIST_EDITOR_BUTTONS and has it fill the list when it opens.
#include <string>
#include <vector>

#include "engine/records/table_editor.h"
#include "platform/controls/clistbox.h"
#include "platform/win/message_map.h"
#include "runtime/list_buttons.h"
#include "runtime/record_editor_window.h"

struct ListEditorLayout {
  // The table in the current language.
  const TableEditorConfig& (*table)();
  int listId;
  ListButtons buttons;
  // The field whose text an add stores as the entry.
  EditorFieldControl keyField;
  // The record's other fields by the table's field indexes, as an add stores them; null for a
  // list file, whose line is the entry alone.
  std::vector<std::string> (*readFields)(CWnd& dialog);
  // Readies the table for an add while its list is empty; what the list then shows stays behind
  // the new entry. Null for none.
  void (*prepareEmptyTable)(const TableEditorConfig& table);
  // The key field shows the entry as it was stored where that differs from what it held.
  bool showsStoredKey;
};

// The message-map entries that send a click on one of the layout's four buttons to handler(id).
#define ON_LIST_EDITOR_BUTTONS(layout, handler)                                                 \
  ON_CONTROL_RANGE(BN_CLICKED, (layout).buttons.beforeId, (layout).buttons.beforeId, handler)   \
  ON_CONTROL_RANGE(BN_CLICKED, (layout).buttons.afterId, (layout).buttons.afterId, handler)     \
  ON_CONTROL_RANGE(BN_CLICKED, (layout).buttons.replaceId, (layout).buttons.replaceId, handler) \
  ON_CONTROL_RANGE(BN_CLICKED, (layout).buttons.deleteId, (layout).buttons.deleteId, handler)

class ListEditorWindow {
 public:
  ListEditorWindow(CWnd& dialog, const ListEditorLayout& layout) : dialog_(dialog), layout_(layout) {}

  // Fills the list with the keys of the table, the first selected.
  void LoadList();
  // Runs the command of one of the four buttons; false for another id.
  bool OnButton(int id);
  void Delete();

 private:
  void Add(EditOperation operation);
  CListBox& List() const;

  CWnd& dialog_;
  const ListEditorLayout& layout_;
};
