#include "runtime/record_editor_window.h"

#include <string>
#include <vector>

#include "platform/win/control_constants.h"
#include "runtime/dialog_openers.h"
#include "runtime/sim_modal_dlg.h"
#include "resources/template_items.h"
#include "tests/support/tool_window_fixture.h"
#include "runtime/user_controls.h"

namespace {

// An editor of records of three lines: a note of several lines, the key, a number.
enum TestIds { NoteId = 200, KeyId, NumberId, ListId, BeforeId, AfterId, ReplaceId, DeleteId };

const TableEditorConfig NotesTable{"dats\\datfiles\\atomdata\\notes.dat",
                                   TableShape::RecordFile,
                                   2,
                                   {{RecordLineSource::Kind::Field, 0, 20, "", true},
                                    {RecordLineSource::Kind::Field, 1, 35},
                                    {RecordLineSource::Kind::Field, 2, 5}},
                                   35,
                                   false,
                                   true,
                                   "formula",
                                   "en formel"};

const TableEditorConfig& Notes() { return NotesTable; }

// The number field must hold digits only; blanks in it are dropped.
std::vector<std::string> DigitsOnly(std::vector<std::string>& fields) {
  std::erase(fields[2], ' ');
  if (fields[2].find_first_not_of("0123456789") == std::string::npos) return {};
  return {"DIGITS ONLY"};
}

const RecordEditorLayout NotesLayout{
    Notes,     {{NoteId, 100}, {KeyId, 100}, {NumberId, 100}}, 1, BeforeId, AfterId, ReplaceId, DeleteId, 0, ListId,
    DigitsOnly};

DialogTemplate NotesTemplate() {
  DialogTemplate dialog = ModalDialog("NOTES", 200, 160);
  dialog.items = {
      Item("EDIT", "", NoteId, Shown | WS_BORDER | ES_MULTILINE | ES_WANTRETURN, 4, 4, 190, 30),
      EditField(KeyId, 4, 38, 190, 12),
      EditField(NumberId, 4, 54, 190, 12),
      Item("LISTBOX", "", ListId, Shown | WS_BORDER | WS_VSCROLL | LBS_NOTIFY, 4, 70, 190, 50),
      PushButton("Before", BeforeId, 4, 130, 40, 12),
      PushButton("After", AfterId, 50, 130, 40, 12),
      PushButton("Replace", ReplaceId, 96, 130, 40, 12),
      PushButton("Delete", DeleteId, 142, 130, 40, 12),
  };
  return dialog;
}

class NotesDlg : public CSimModalDlg {
 public:
  using CSimModalDlg::CSimModalDlg;
  BOOL OnInitDialog() override {
    m_list.SubclassDlgItem(ListId, this);
    CSimModalDlg::OnInitDialog();
    RecordEditorWindow(*this, m_list, NotesLayout).LoadList();
    return TRUE;
  }

 protected:
  BOOL OnCommand(WPARAM wParam, LPARAM lParam) override {
    if (RecordEditorWindow(*this, m_list, NotesLayout).OnCommand(LOWORD(wParam), HIWORD(wParam))) return TRUE;
    return CSimModalDlg::OnCommand(wParam, lParam);
  }

 private:
  CUserListBox m_list;
};

class RecordEditorWindowTest : public ToolWindowTest {
 protected:
  RecordEditorWindowTest() { Resources().AddDialog("NOTES", NotesTemplate()); }
  void InNotes(const Steps& steps) {
    InWindow([](CWnd* parent) { return OpenModalDialog<NotesDlg>("NOTES", parent); }, steps);
  }
  void Put(int id, const char* text) { SetWindowText(driver.FindControl(id), text); }
};

// A field of several lines is stored on one line with BEL for each line break and shown again
// with its line breaks; the key is the list's entry; the editor's own check refuses first, and the
// field it puts into its stored form shows that form.
TEST_F(RecordEditorWindowTest, AnEditorIsItsLayoutTable) {
  WriteTable("notes.dat", "\\\nold\nKey A\n1\n\\\n");
  std::vector<std::string> shown;
  std::string cleanedNumber;
  InNotes({[&] {
             Put(NoteId, "first\r\nsecond");
             Put(KeyId, "Key B");
             Put(NumberId, "12x");
             driver.Click(AfterId);
           },
           [&] {
             Put(NumberId, "1 2");
             driver.Click(AfterId);
           },
           [&] {
             cleanedNumber = Text(NumberId);
             Put(NoteId, "");
             Put(KeyId, "");
             driver.Select(ListId, 1);
           },
           [&] {
             const HWND list = driver.FindControl(ListId);
             SendMessage(GetParent(list), WM_COMMAND, MAKEWPARAM(ListId, LBN_DBLCLK), reinterpret_cast<LPARAM>(list));
             shown = {Text(NoteId), Text(KeyId), Text(NumberId)};
             shown.push_back(Items(ListId).back());
             driver.Click(ReplaceId);
           },
           [&] { driver.Click(BeforeId); }});
  EXPECT_EQ(ReadTable("notes.dat"), "\\\nold\nKey A\n1\n\\\nfirst\asecond\nKey B\n12\n\\\n");
  EXPECT_EQ(cleanedNumber, "12");
  EXPECT_EQ(shown, (std::vector<std::string>{"first\r\nsecond", "Key B", "12", "Key B"}));
  ASSERT_EQ(driver.MessageBoxes().size(), 2u);
  EXPECT_EQ(driver.MessageBoxes()[0].text, "DIGITS ONLY");
  EXPECT_EQ(driver.MessageBoxes()[0].caption, "TAVRIN");
  EXPECT_EQ(driver.MessageBoxes()[1].text,
            "DUPLICATION WARNING\n\nIllegal attempt to duplicate existing\nlist box formula!\n\n");
}

}  // namespace
