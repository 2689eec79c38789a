#pragma once
// The window side of a table editor: the list of keys, the field controls of a record, and the
// buttons Before, After, Replace and Delete, driven by the table-editor engine. An editor window
// describes itself in one RecordEditorLayout and passes its commands to RecordEditorWindow.
#include <cstddef>
#include <string>
#include <vector>

#include "platform/controls/clistbox.h"
#include "engine/records/table_editor.h"

// An edit control that holds a field of the record; its text is read with at most readLimit
// characters.
struct EditorFieldControl {
  int id;
  std::size_t readLimit;
};

struct RecordEditorLayout {
  // The table in the current language.
  const TableEditorConfig& (*table)();
  // By the field indexes of the table's frame; fields[keyField] holds the key.
  std::vector<EditorFieldControl> fields;
  std::size_t keyField;
  int beforeId;
  int afterId;
  int replaceId;
  int deleteId;
  int eraseFieldsId;  // empties every field control; 0 for none
  int listId;
  // The editor's own check of the fields before an add: the messages that refuse them, in the
  // order they are shown, or none when they pass. It may put a field into its stored form (a key
  // without blanks, a number without blanks), which the window then shows. Null for none.
  std::vector<std::string> (*checkFields)(std::vector<std::string>& fields);
};

class RecordEditorWindow {
 public:
  RecordEditorWindow(CWnd& dialog, CListBox& list, const RecordEditorLayout& layout)
      : dialog_(dialog), list_(list), layout_(layout) {}

  // Fills the list with the keys of the table, the first selected.
  void LoadList();
  // Lets each field take no more characters than its line of the table stores, so that nothing
  // typed is stored cut and no two keys become one.
  void LimitFieldsToStoredWidths();
  // Runs the editor's command: a click on one of its buttons, a double click in its list. False
  // when the command is none of these.
  bool OnCommand(int id, int notification);

 private:
  void ShowSelectedRecord();
  void Add(EditOperation operation);
  void Delete();
  void EraseFields();
  std::vector<std::string> ReadFields() const;

  CWnd& dialog_;
  CListBox& list_;
  const RecordEditorLayout& layout_;
};
