#include "runtime/list_editor_window.h"

#include <string>
#include <vector>

#include "engine/records/record_file.h"
#include "engine/records/record_rewrite.h"
#include "platform/services/text_file.h"
#include "platform/win/control_constants.h"
#include "resources/template_items.h"
#include "runtime/dialog_item_text.h"
#include "runtime/dialog_openers.h"
#include "runtime/sim_modal_dlg.h"
#include "tests/support/tool_window_fixture.h"

namespace {

enum TestIds { KeyId = 200, NumberId, ListId, BeforeId, AfterId, ReplaceId, DeleteId, OtherId };

const TableEditorConfig EquationsTable{"dats\\datfiles\\atomdata\\equations.dat",
                                       TableShape::ListFile,
                                       1,
                                       {},
                                       20,
                                       false,
                                       false,
                                       "equation",
                                       "en ligning",
                                       false,
                                       true};

// Records of two lines: the key, a number.
const TableEditorConfig CountsTable{"dats\\datfiles\\atomdata\\counts.dat",
                                    TableShape::RecordFile,
                                    1,
                                    {{RecordLineSource::Kind::Empty}, {RecordLineSource::Kind::Field, 0, 5}},
                                    20,
                                    false,
                                    false,
                                    "word",
                                    "et ord"};

std::vector<std::string> NumberField(CWnd& dialog) { return {DialogItemText(dialog, NumberId, 30)}; }

int preparations = 0;

// Puts the opening separator in front of what the table holds.
void OpenWithSeparator(const TableEditorConfig& table) {
  ++preparations;
  platform::FileLines file = platform::ReadFileLines(table.fileName);
  file.lines.insert(file.lines.begin(), RecordSeparatorLine);
  WriteTableLines(table.fileName, file.lines);
}

const TableEditorConfig& Equations() { return EquationsTable; }
const TableEditorConfig& Counts() { return CountsTable; }

ListEditorLayout EquationsLayout(bool showsStoredKey) {
  return {Equations, ListId, {BeforeId, AfterId, ReplaceId, DeleteId}, {KeyId, 30}, nullptr, nullptr, showsStoredKey};
}

const ListEditorLayout CountsLayout{
    Counts, ListId, {BeforeId, AfterId, ReplaceId, DeleteId}, {KeyId, 30}, NumberField, OpenWithSeparator, true};

// The layout the window of the running test uses.
ListEditorLayout Layout;

DialogTemplate ListTemplate() {
  DialogTemplate dialog = ModalDialog("LIST", 200, 160);
  dialog.items = {
      EditField(KeyId, 4, 4, 190, 12),
      EditField(NumberId, 4, 20, 190, 12),
      Item("LISTBOX", "", ListId, Shown | WS_BORDER | WS_VSCROLL | LBS_NOTIFY, 4, 36, 190, 60),
      PushButton("Before", BeforeId, 4, 130, 30, 12),
      PushButton("After", AfterId, 38, 130, 30, 12),
      PushButton("Replace", ReplaceId, 72, 130, 30, 12),
      PushButton("Delete", DeleteId, 106, 130, 30, 12),
      PushButton("Other", OtherId, 140, 130, 30, 12),
  };
  return dialog;
}

class ListDlg : public CSimModalDlg {
 public:
  using CSimModalDlg::CSimModalDlg;
  BOOL OnInitDialog() override {
    CSimModalDlg::OnInitDialog();
    ListEditorWindow(*this, Layout).LoadList();
    return TRUE;
  }

 protected:
  afx_msg void EditList(UINT id) { ListEditorWindow(*this, Layout).OnButton(static_cast<int>(id)); }
  DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(ListDlg, CSimModalDlg)
ON_LIST_EDITOR_BUTTONS(Layout, EditList)
END_MESSAGE_MAP()

class ListEditorWindowTest : public ToolWindowTest {
 protected:
  ListEditorWindowTest() {
    Resources().AddDialog("LIST", ListTemplate());
    preparations = 0;
  }
  void InList(const ListEditorLayout& layout, const Steps& steps) {
    Layout = layout;
    InWindow([](CWnd* parent) { return OpenModalDialog<ListDlg>("LIST", parent); }, steps);
  }
  void Put(int id, const char* text) { SetWindowText(driver.FindControl(id), text); }
};

// Each button does its own operation on the selected entry, and the table is rewritten after each.
TEST_F(ListEditorWindowTest, TheFourButtonsEditTheListAndItsTable) {
  WriteTable("equations.dat", "H2+O2>H2O\n");
  std::vector<std::vector<std::string>> lists;
  const auto note = [&] { lists.push_back(Items(ListId)); };
  InList(EquationsLayout(false), {[&] {
                                    Put(KeyId, "C+O2>CO2");
                                    driver.Click(BeforeId);
                                  },
                                  [&] {
                                    note();
                                    Put(KeyId, "N2+H2>NH3");
                                    driver.Click(AfterId);
                                  },
                                  [&] {
                                    note();
                                    Put(KeyId, "Fe+O2>Fe2O3");
                                    driver.Click(ReplaceId);
                                  },
                                  [&] {
                                    note();
                                    driver.Select(ListId, 0);
                                    driver.Click(DeleteId);
                                  },
                                  [&] {
                                    note();
                                    Put(KeyId, "S+O2>SO2");
                                    driver.Click(OtherId);
                                  }});
  const std::vector<std::vector<std::string>> expected = {
      {"C+O2>CO2", "H2+O2>H2O"},
      {"C+O2>CO2", "N2+H2>NH3", "H2+O2>H2O"},
      {"C+O2>CO2", "Fe+O2>Fe2O3", "H2+O2>H2O"},
      {"Fe+O2>Fe2O3", "H2+O2>H2O"},
  };
  EXPECT_EQ(lists, expected);
  EXPECT_EQ(ReadTable("equations.dat"), "Fe+O2>Fe2O3\nH2+O2>H2O\n");
  EXPECT_TRUE(driver.MessageBoxes().empty());
}

// The key is read with the layout's limit and stored in one line; the field shows the stored form
// only where the layout asks for it.
TEST_F(ListEditorWindowTest, TheKeyFieldShowsTheStoredEntryWhereTheLayoutAsksForIt) {
  const struct {
    bool showsStoredKey;
    std::string shown;
  } examples[] = {{false, "A\r\nB"}, {true, "A  B"}};
  for (const auto& example : examples) {
    WriteTable("equations.dat", "");
    std::string shown;
    InList(EquationsLayout(example.showsStoredKey), {[&] {
                                                       Put(KeyId, "A\r\nB");
                                                       driver.Click(AfterId);
                                                     },
                                                     [&] { shown = Text(KeyId); }});
    EXPECT_EQ(ReadTable("equations.dat"), "A  B\n") << example.showsStoredKey;
    EXPECT_EQ(shown, example.shown) << example.showsStoredKey;
  }
}

// A record file whose lines lack their opening separator shows an empty list: the first add
// readies the table, and what it held is kept behind the new record; the next add needs nothing.
TEST_F(ListEditorWindowTest, TheFirstAddToAnEmptyListReadiesTheTableAndKeepsWhatItHeld) {
  WriteTable("counts.dat", "Old\n7\n");
  std::vector<std::string> opened;
  std::string shownKey;
  InList(CountsLayout, {[&] {
                          opened = Items(ListId);
                          Put(KeyId, "\\New");
                          Put(NumberId, "12");
                          driver.Click(AfterId);
                        },
                        [&] {
                          shownKey = Text(KeyId);
                          Put(KeyId, "Last");
                          Put(NumberId, "3");
                          driver.Click(AfterId);
                        }});
  EXPECT_TRUE(opened.empty());
  EXPECT_EQ(preparations, 1);
  EXPECT_EQ(shownKey, " New");
  EXPECT_EQ(ReadTable("counts.dat"), "\\\n New\n12\n\\\nLast\n3\n\\\nOld\n7\n\\\n");
}

}  // namespace
