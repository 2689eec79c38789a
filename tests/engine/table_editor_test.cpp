#include <fcntl.h>
#include <linux/fs.h>
#include <sys/ioctl.h>
#include <unistd.h>

#include <string>
#include <vector>

#include "tests/support/failing_rename.h"
#include "engine/records/record_file.h"
#include "engine/records/table_editor.h"
#include "tests/engine/test_support.h"
#include "tests/support/fake_editor_list.h"

namespace fs = std::filesystem;

namespace {

using FakeList = FakeEditorList;

class RecordingMessages : public EditorMessages {
 public:
  std::vector<std::string> shown;
  void Show(std::string_view text) override { shown.emplace_back(text); }
};

// Records of two lines: the key, and a note that may hold several lines.
const TableEditorConfig TestRecordEditor{
    "dats\\Table.dat",
    TableShape::RecordFile,
    1,
    {{RecordLineSource::Kind::Field, 0, 35}, {RecordLineSource::Kind::Field, 1, 12, "", true}},
    35,
    false,
    false,
    "formula",
    "en formel"};

const TableEditorConfig TestListEditor{"dats\\list.dat", TableShape::ListFile, 1, {}, 251, true, false,
                                       "equation",       "en ligning"};

std::string RecordFileText(const std::vector<std::string>& keys) {
  std::string text = "\\\n";
  for (const auto& key : keys) text += key + "\nnote " + key + "\n\\\n";
  return text;
}

std::string ListFileText(const std::vector<std::string>& keys) {
  std::string text;
  for (const auto& key : keys) text += key + "\n";
  return text;
}

class TableEditor : public WorkFolderTest {
 protected:
  void SetUp() override {
    WorkFolderTest::SetUp();
    fs::create_directories("dats");
  }
  FakeList Loaded(const TableEditorConfig& config) {
    FakeList list;
    LoadEditorList(config, list, messages);
    return list;
  }
  RecordingMessages messages;
};

struct EditCase {
  EditOperation operation;
  int selected;
  std::vector<std::string> before;
  std::vector<std::string> after;
  int selectedAfter;
};

std::vector<EditCase> EditCases() {
  using Op = EditOperation;
  const std::vector<std::string> three{"A", "B", "C"};
  return {
      {Op::Before, 0, three, {"N", "A", "B", "C"}, 0},
      {Op::Before, 1, three, {"A", "N", "B", "C"}, 1},
      {Op::Before, 2, three, {"A", "B", "N", "C"}, 2},
      {Op::After, 0, three, {"A", "N", "B", "C"}, 1},
      {Op::After, 1, three, {"A", "B", "N", "C"}, 2},
      {Op::After, 2, three, {"A", "B", "C", "N"}, 3},
      {Op::Replace, 0, three, {"N", "B", "C"}, 0},
      {Op::Replace, 1, three, {"A", "N", "C"}, 1},
      {Op::Replace, 2, three, {"A", "B", "N"}, 2},
      {Op::Delete, 0, three, {"B", "C"}, 0},
      {Op::Delete, 1, three, {"A", "C"}, 1},
      {Op::Delete, 2, three, {"A", "B"}, 1},
      {Op::Before, 0, {"A"}, {"N", "A"}, 0},
      {Op::After, 0, {"A"}, {"A", "N"}, 1},
      {Op::Replace, 0, {"A"}, {"N"}, 0},
      {Op::Delete, 0, {"A"}, {}, -1},
      {Op::After, 0, {}, {"N"}, 0},
      {Op::Before, 0, {}, {"N"}, 0},
  };
}

TEST_F(TableEditor, RecordFileEditsAtEveryPosition) {
  for (const auto& c : EditCases()) {
    WriteFile("dats/table.dat", RecordFileText(c.before));
    FakeList list = Loaded(TestRecordEditor);
    ASSERT_EQ(list.entries, c.before);
    list.selected = c.before.empty() ? -1 : c.selected;
    std::string key = "N";
    const EditResult result = c.operation == EditOperation::Delete
                                  ? DeleteFromTable(TestRecordEditor, list, messages)
                                  : AddToTable(TestRecordEditor, list, messages, c.operation, key, {"N", "note N"});
    EXPECT_EQ(result, EditResult::Done);
    EXPECT_EQ(ReadFile("dats/table.dat"), RecordFileText(c.after))
        << static_cast<int>(c.operation) << " at " << c.selected << " of " << c.before.size();
    EXPECT_EQ(list.entries, c.after);
    EXPECT_EQ(list.selected, c.selectedAfter);
  }
  EXPECT_TRUE(messages.shown.empty());
}

TEST_F(TableEditor, ListFileEditsAtEveryPosition) {
  SettingsSnapshot restore;
  for (const auto& c : EditCases()) {
    WriteFile("dats/list.dat", ListFileText(c.before));
    FakeList list = Loaded(TestListEditor);
    ASSERT_EQ(list.entries, c.before);
    list.selected = c.before.empty() ? -1 : c.selected;
    ListFileChanged = 0;
    std::string key = "N";
    const EditResult result = c.operation == EditOperation::Delete
                                  ? DeleteFromTable(TestListEditor, list, messages)
                                  : AddToTable(TestListEditor, list, messages, c.operation, key, {});
    EXPECT_EQ(result, EditResult::Done);
    EXPECT_EQ(ReadFile("dats/list.dat"), ListFileText(c.after))
        << static_cast<int>(c.operation) << " at " << c.selected << " of " << c.before.size();
    EXPECT_EQ(list.entries, c.after);
    EXPECT_EQ(list.selected, c.selectedAfter);
    EXPECT_EQ(ListFileChanged, 1);
  }
  ListFileChanged = 0;
}

TEST_F(TableEditor, FirstAddToAMissingOrSeparatorOnlyTable) {
  FakeList list = Loaded(TestRecordEditor);
  std::string key = "First";
  EXPECT_EQ(AddToTable(TestRecordEditor, list, messages, EditOperation::After, key, {"", "one\r\ntwo"}),
            EditResult::Done);
  EXPECT_EQ(ReadFile("dats/Table.dat"), "\\\nFirst\none\atwo\n\\\n");  // created as the program names it
  EXPECT_EQ(ShownFieldText(ReadEditorRecord(TestRecordEditor, 0)[1]), "one\r\ntwo");

  WriteFile("dats/list.dat", "");
  list = Loaded(TestListEditor);
  key = "\\H2+O2>H2O";  // a list line keeps its backslash
  EXPECT_EQ(AddToTable(TestListEditor, list, messages, EditOperation::Before, key, {}), EditResult::Done);
  EXPECT_EQ(ReadFile("dats/list.dat"), "\\H2+O2>H2O\n");
  ListFileChanged = 0;
}

TEST_F(TableEditor, KeysAreCheckedAgainstTheList) {
  LanguageScope english(EnglishLanguage);
  WriteFile("dats/table.dat", RecordFileText({"NaCl(s)", "H2O(l)"}));
  const std::string original = ReadFile("dats/table.dat");
  FakeList list = Loaded(TestRecordEditor);

  std::string key = "nacl(S)";
  list.selected = 1;
  EXPECT_EQ(AddToTable(TestRecordEditor, list, messages, EditOperation::After, key, {}), EditResult::Refused);
  key = "NaCl(s)";
  EXPECT_EQ(AddToTable(TestRecordEditor, list, messages, EditOperation::Replace, key, {}), EditResult::Refused);
  list.selected = -1;
  key = "KCl(s)";
  EXPECT_EQ(AddToTable(TestRecordEditor, list, messages, EditOperation::Before, key, {}), EditResult::Refused);
  ASSERT_EQ(messages.shown.size(), 3u);
  EXPECT_EQ(messages.shown[0], "DUPLICATION WARNING\n\nIllegal attempt to duplicate existing\nlist box formula!\n\n");
  EXPECT_EQ(messages.shown[1], messages.shown[0]);
  EXPECT_EQ(messages.shown[2],
            "MISSING HIGHLIGHT\n\nOne of the list box elements must be\nhighlighted during add/delete!");
  EXPECT_EQ(ReadFile("dats/table.dat"), original);
  EXPECT_EQ(list.entries, (std::vector<std::string>{"NaCl(s)", "H2O(l)"}));

  // Replace with the selected record's own key stores it again; a leading backslash becomes a blank.
  list.selected = 0;
  key = "NACL(s)";
  EXPECT_EQ(AddToTable(TestRecordEditor, list, messages, EditOperation::Replace, key, {"", "\\salt"}),
            EditResult::Done);
  key = "\\KCl(s)";
  EXPECT_EQ(AddToTable(TestRecordEditor, list, messages, EditOperation::After, key, {}), EditResult::Done);
  EXPECT_EQ(key, " KCl(s)");
  EXPECT_EQ(ReadFile("dats/table.dat"), "\\\nNACL(s)\n salt\n\\\n KCl(s)\n\n\\\nH2O(l)\nnote H2O(l)\n\\\n");
}

// Formula keys of the thermochemical table match the engine's case-sensitive look-up: CO and Co,
// NO and No, HF and Hf are different species. Only the very same key is a duplicate, and Replace
// may still store the selected record under its own key.
TEST_F(TableEditor, KeysThatMatchCaseTellCarbonMonoxideFromCobalt) {
  LanguageScope english(EnglishLanguage);
  TableEditorConfig caseTable = TestRecordEditor;
  caseTable.keysMatchCase = true;
  WriteFile("dats/table.dat", RecordFileText({"CO(g)", "NO(g)", "HF(g)"}));
  FakeList list = Loaded(caseTable);
  list.selected = 2;
  for (const char* cobaltAndFriends : {"Co(g)", "No(g)", "Hf(g)"}) {
    std::string key = cobaltAndFriends;
    EXPECT_EQ(AddToTable(caseTable, list, messages, EditOperation::After, key, {}), EditResult::Done) << key;
  }
  std::string key = "NO(g)";
  EXPECT_EQ(AddToTable(caseTable, list, messages, EditOperation::Before, key, {}), EditResult::Refused);
  list.selected = 0;
  key = "CO(g)";
  EXPECT_EQ(AddToTable(caseTable, list, messages, EditOperation::Replace, key, {"", "again"}), EditResult::Done);
  ASSERT_EQ(messages.shown.size(), 1u);
  EXPECT_EQ(messages.shown[0], "DUPLICATION WARNING\n\nIllegal attempt to duplicate existing\nlist box formula!\n\n");
  EXPECT_EQ(list.entries, (std::vector<std::string>{"CO(g)", "NO(g)", "HF(g)", "Co(g)", "No(g)", "Hf(g)"}));
  EXPECT_EQ(ReadFile("dats/table.dat"),
            "\\\nCO(g)\nagain\n\\\nNO(g)\nnote NO(g)\n\\\nHF(g)\nnote HF(g)\n\\\n"
            "Co(g)\n\n\\\nNo(g)\n\n\\\nHf(g)\n\n\\\n");
}

TEST_F(TableEditor, CrLfTableReadsExactKeysAndIsWrittenWithLf) {
  WriteFile("dats/table.dat", "\\\r\nA\r\nnote A\r\n\\\r\nB\r\nnote B\r\n\\\r\n");
  FakeList list = Loaded(TestRecordEditor);
  EXPECT_EQ(list.entries, (std::vector<std::string>{"A", "B"}));
  EXPECT_EQ(list.selected, 0);
  EXPECT_EQ(DeleteFromTable(TestRecordEditor, list, messages), EditResult::Done);
  EXPECT_EQ(ReadFile("dats/table.dat"), RecordFileText({"B"}));
}

TEST_F(TableEditor, ATableThatDoesNotMatchTheListIsNotWritten) {
  WriteFile("dats/table.dat", RecordFileText({"A"}));
  FakeList list;
  list.entries = {"A", "B"};
  list.selected = 1;
  EXPECT_EQ(DeleteFromTable(TestRecordEditor, list, messages), EditResult::ChangedElsewhere);
  EXPECT_EQ(ReadFile("dats/table.dat"), RecordFileText({"A"}));
  EXPECT_EQ(list.entries, std::vector<std::string>{"A"});

  WriteFile("dats/table.dat", "no separator here\n");
  list = FakeList{};
  std::string key = "N";
  EXPECT_EQ(AddToTable(TestRecordEditor, list, messages, EditOperation::After, key, {}), EditResult::Failed);
  EXPECT_EQ(ReadFile("dats/table.dat"), "no separator here\n");
  EXPECT_TRUE(list.entries.empty());
}

// A table cut short after its last record (no closing separator) edits as the whole one does, and
// the rewrite closes it.
TEST_F(TableEditor, ATableCutShortAfterItsLastRecordEditsAsAWholeOne) {
  for (const auto& c : EditCases()) {
    if (c.before.empty()) continue;
    std::string cut = RecordFileText(c.before);
    cut.resize(cut.size() - 2);
    WriteFile("dats/table.dat", cut);
    FakeList list = Loaded(TestRecordEditor);
    ASSERT_EQ(list.entries, c.before);
    list.selected = c.selected;
    std::string key = "N";
    const EditResult result = c.operation == EditOperation::Delete
                                  ? DeleteFromTable(TestRecordEditor, list, messages)
                                  : AddToTable(TestRecordEditor, list, messages, c.operation, key, {"N", "note N"});
    EXPECT_EQ(result, EditResult::Done);
    EXPECT_EQ(ReadFile("dats/table.dat"), RecordFileText(c.after))
        << static_cast<int>(c.operation) << " at " << c.selected << " of " << c.before.size();
    EXPECT_EQ(list.entries, c.after);
  }
  EXPECT_TRUE(messages.shown.empty());
}

// Lone CR line ends, as an old editor writes them, each end one line; the rewrite writes LF.
TEST_F(TableEditor, ATableWithLoneCarriageReturnsKeepsEveryRecord) {
  WriteFile("dats/table.dat", "\\\rA\rnote A\r\\\rB\rnote B\r\\\r");
  FakeList list = Loaded(TestRecordEditor);
  EXPECT_EQ(list.entries, (std::vector<std::string>{"A", "B"}));
  std::string key = "N";
  EXPECT_EQ(AddToTable(TestRecordEditor, list, messages, EditOperation::After, key, {"N", "note N"}), EditResult::Done);
  EXPECT_EQ(DeleteFromTable(TestRecordEditor, list, messages), EditResult::Done);
  EXPECT_EQ(ReadFile("dats/table.dat"), RecordFileText({"A", "B"}));
  EXPECT_EQ(list.entries, (std::vector<std::string>{"A", "B"}));
}

// A read-only table lists its records; every edit is refused with the file-error message.
TEST_F(TableEditor, AReadOnlyTableIsListedAndEveryEditRefused) {
  LanguageScope norwegian(NorwegianLanguage);
  const std::string original = RecordFileText({"A", "B"});
  WriteFile("dats/table.dat", original);
  fs::permissions("dats/table.dat", fs::perms::owner_read);
  FakeList list = Loaded(TestRecordEditor);
  EXPECT_EQ(list.entries, (std::vector<std::string>{"A", "B"}));
  EXPECT_EQ(ReadEditorRecord(TestRecordEditor, 1), (std::vector<std::string>{"B", "note B"}));
  for (EditOperation operation : {EditOperation::Before, EditOperation::After, EditOperation::Replace}) {
    std::string key = "N";
    EXPECT_EQ(AddToTable(TestRecordEditor, list, messages, operation, key, {}), EditResult::Failed);
  }
  EXPECT_EQ(DeleteFromTable(TestRecordEditor, list, messages), EditResult::Failed);
  EXPECT_EQ(messages.shown, std::vector<std::string>(4, "FILFEIL\n\nTabellen kunne ikke skrives\nog er uendret!"));
  EXPECT_EQ(list.entries, (std::vector<std::string>{"A", "B"}));
  EXPECT_EQ(ReadFile("dats/table.dat"), original);
}

// A list that takes no more entries: the add is refused with the file-error message and the table
// stays byte for byte; a table longer than the list shows what fits and says so.
TEST_F(TableEditor, AFullListRefusesTheAddAndALongerTableIsShownWithAMessage) {
  LanguageScope english(EnglishLanguage);
  WriteFile("dats/list.dat", ListFileText({"A", "B", "C"}));
  FakeList list;
  list.capacity = 3;
  LoadEditorList(TestListEditor, list, messages);
  EXPECT_TRUE(messages.shown.empty());
  std::string key = "N";
  for (EditOperation operation : {EditOperation::Before, EditOperation::After, EditOperation::Replace})
    EXPECT_EQ(AddToTable(TestListEditor, list, messages, operation, key, {}), EditResult::Failed);
  EXPECT_EQ(messages.shown,
            std::vector<std::string>(3, "FILE ERROR\n\nThe table could not be written\nand is unchanged!"));
  EXPECT_EQ(ReadFile("dats/list.dat"), ListFileText({"A", "B", "C"}));
  EXPECT_EQ(list.entries, (std::vector<std::string>{"A", "B", "C"}));
  EXPECT_EQ(list.selected, 0);

  messages.shown.clear();
  FakeList shorter;
  shorter.capacity = 2;
  LoadEditorList(TestListEditor, shorter, messages);
  EXPECT_EQ(shorter.entries, (std::vector<std::string>{"A", "B"}));
  EXPECT_EQ(shorter.selected, 0);
  EXPECT_EQ(messages.shown,
            std::vector<std::string>{"LIST FULL\n\nThe table holds more entries than\nthe list can show!"});
  ListFileChanged = 0;
}

// Deleting the only entry a list shows leaves one empty record only when it is the table's only
// record too: a list showing part of a longer table deletes one record.
TEST_F(TableEditor, TheEmptyRecordAfterTheLastDeleteOnlyWhenTheTableHeldOneRecord) {
  TableEditorConfig dictionary = TestRecordEditor;
  dictionary.emptyRecordAfterLastDelete = true;
  WriteFile("dats/table.dat", RecordFileText({"A", "B"}));
  FakeList list;
  list.capacity = 1;
  LoadEditorList(dictionary, list, messages);
  ASSERT_EQ(list.entries, std::vector<std::string>{"A"});
  EXPECT_EQ(DeleteFromTable(dictionary, list, messages), EditResult::Done);
  EXPECT_EQ(ReadFile("dats/table.dat"), RecordFileText({"B"}));

  list = Loaded(dictionary);
  EXPECT_EQ(DeleteFromTable(dictionary, list, messages), EditResult::Done);
  EXPECT_EQ(ReadFile("dats/table.dat"), "\\\n\n\n\\\n");
  // The list shows the empty record that new entries go behind, so list and file stay aligned.
  EXPECT_EQ(list.entries, std::vector<std::string>{""});
}

// A typed text written into a table never splits its line: a line end becomes a blank in a field
// of one line and a line break (BEL) in a field of several; a NUL is dropped.
TEST_F(TableEditor, TypedLineEndsAndNulsNeverSplitOrCutALine) {
  FakeList list = Loaded(TestRecordEditor);
  std::string key = std::string("K\re\ny\0", 5);
  EXPECT_EQ(AddToTable(TestRecordEditor, list, messages, EditOperation::After, key, {"", "a\rb\r\nc\n"}),
            EditResult::Done);
  EXPECT_EQ(key, "K e y");
  EXPECT_EQ(ReadFile("dats/Table.dat"), "\\\nK e y\na\ab\ac\a\n\\\n");
  EXPECT_EQ(list.entries, (std::vector<std::string>{"K e y"}));

  WriteFile("dats/list.dat", "");
  list = Loaded(TestListEditor);
  key = "H2+O2\r\n>H2O";
  EXPECT_EQ(AddToTable(TestListEditor, list, messages, EditOperation::After, key, {}), EditResult::Done);
  EXPECT_EQ(ReadFile("dats/list.dat"), "H2+O2  >H2O\n");
  ListFileChanged = 0;
}

// Sets or clears the immutable attribute; false where the file system or the user may not.
bool SetImmutable(const fs::path& path, bool immutable) {
  const int descriptor = open(path.c_str(), O_RDONLY | O_NONBLOCK);
  if (descriptor < 0) return false;
  int flags = 0;
  bool done = ioctl(descriptor, FS_IOC_GETFLAGS, &flags) == 0;
  if (done) {
    flags = immutable ? (flags | FS_IMMUTABLE_FL) : (flags & ~FS_IMMUTABLE_FL);
    done = ioctl(descriptor, FS_IOC_SETFLAGS, &flags) == 0;
  }
  close(descriptor);
  return done;
}

// The table changed after the list was read (another program's edit): every edit the list chose
// leaves the table as the other program left it, says so and shows the table again; the user's
// next edit acts on what is there now.
TEST_F(TableEditor, AnEditOfATableChangedElsewhereChangesNothingAndShowsItAgain) {
  LanguageScope english(EnglishLanguage);
  struct Change {
    const TableEditorConfig* editor;
    std::string shown;
    std::string changed;
  };
  const std::vector<Change> changes{
      {&TestRecordEditor, RecordFileText({"A", "B", "C"}), RecordFileText({"B", "C"})},
      {&TestRecordEditor, RecordFileText({"A", "B", "C"}), RecordFileText({"A", "X", "B", "C"})},
      {&TestRecordEditor, RecordFileText({"A", "B"}), RecordFileText({"A", "C"})},
      {&TestRecordEditor, RecordFileText({}), RecordFileText({"A"})},
      {&TestListEditor, ListFileText({"A", "B", "C"}), ListFileText({"B", "C"})},
      {&TestListEditor, ListFileText({"A", "B", "C"}), ListFileText({"A", "B", "C", "D"})},
      {&TestListEditor, ListFileText({"A", "B"}), ListFileText({"B", "A"})},
  };
  const std::string file = "dats/Table.dat";
  for (const Change& change : changes) {
    const std::string path = change.editor == &TestListEditor ? "dats/list.dat" : file;
    for (EditOperation operation :
         {EditOperation::Before, EditOperation::After, EditOperation::Replace, EditOperation::Delete}) {
      WriteFile(path, change.shown);
      FakeList list = Loaded(*change.editor);
      if (list.Count() > 1) list.selected = 1;
      const std::vector<std::string> reloaded = [&] {
        WriteFile(path, change.changed);
        FakeList fresh = Loaded(*change.editor);
        return fresh.entries;
      }();
      messages.shown.clear();
      std::string key = "N";
      const EditResult result = operation == EditOperation::Delete
                                    ? DeleteFromTable(*change.editor, list, messages)
                                    : AddToTable(*change.editor, list, messages, operation, key, {});
      if (operation == EditOperation::Delete && change.shown == RecordFileText({})) continue;
      EXPECT_EQ(result, EditResult::ChangedElsewhere) << change.changed;
      EXPECT_EQ(ReadFile(path), change.changed) << change.changed;
      EXPECT_EQ(messages.shown,
                std::vector<std::string>{
                    "TABLE CHANGED\n\nThe table was changed elsewhere and\nhas been read again. Nothing was changed!"});
      EXPECT_EQ(list.entries, reloaded) << change.changed;
      EXPECT_EQ(list.selected, 0);
    }
  }
  ListFileChanged = 0;

  // Acting again on what the list now shows is an edit like any other.
  WriteFile(file, RecordFileText({"B", "C"}));
  FakeList list = Loaded(TestRecordEditor);
  EXPECT_EQ(DeleteFromTable(TestRecordEditor, list, messages), EditResult::Done);
  EXPECT_EQ(ReadFile(file), RecordFileText({"C"}));
}

// A table that exists but cannot be read: the list says which file, and no edit writes it.
TEST_F(TableEditor, ATableThatCannotBeReadIsNamedAndNeverWritten) {
  LanguageScope english(EnglishLanguage);
  for (const TableEditorConfig* editor : {&TestRecordEditor, &TestListEditor}) {
    const fs::path path = editor == &TestListEditor ? "dats/list.dat" : "dats/Table.dat";
    fs::create_directories(path / "inside");
    messages.shown.clear();
    FakeList list = Loaded(*editor);
    EXPECT_TRUE(list.entries.empty());
    const std::string name = path.filename().string();
    EXPECT_EQ(messages.shown, std::vector<std::string>{"FILE ERROR\n\nThe table " + name + "\ncould not be read!"});
    std::string key = "N";
    EXPECT_EQ(AddToTable(*editor, list, messages, EditOperation::After, key, {}), EditResult::Failed);
    EXPECT_TRUE(fs::is_directory(path / "inside"));
    fs::remove_all(path);
  }
  ListFileChanged = 0;
}

int EntriesIn(const fs::path& folder) {
  int entries = 0;
  for ([[maybe_unused]] const auto& entry : fs::directory_iterator(folder)) ++entries;
  return entries;
}

TEST_F(TableEditor, FailedRewritesLoseNothingAndTellTheCaller) {
  LanguageScope english(EnglishLanguage);
  const std::string original = RecordFileText({"A", "B"});
  auto attempt = [&](const char* what) {
    FakeList list = Loaded(TestRecordEditor);
    list.entries = {"A", "B"};
    list.selected = 1;
    std::string key = "N";
    messages.shown.clear();
    EXPECT_EQ(AddToTable(TestRecordEditor, list, messages, EditOperation::Before, key, {}), EditResult::Failed) << what;
    EXPECT_EQ(DeleteFromTable(TestRecordEditor, list, messages), EditResult::Failed) << what;
    EXPECT_EQ(list.entries, (std::vector<std::string>{"A", "B"})) << what;
    EXPECT_EQ(list.selected, 1) << what;
    ASSERT_EQ(messages.shown.size(), 2u) << what;
    EXPECT_EQ(messages.shown[0], "FILE ERROR\n\nThe table could not be written\nand is unchanged!");
    EXPECT_EQ(ReadFile("dats/table.dat"), original) << what;
    EXPECT_EQ(EntriesIn("dats"), 1) << what << ": no temporary file left";
  };

  WriteFile("dats/table.dat", original);
  fs::permissions("dats/table.dat", fs::perms::owner_read | fs::perms::group_read);
  attempt("read-only table");
  fs::permissions("dats/table.dat", fs::perms::owner_read | fs::perms::owner_write);

  FailRenames = true;
  attempt("failed rename");
  FailRenames = false;

  // A folder in which no file can be made: immutable for the administrator, without write permission otherwise.
  const bool immutable = SetImmutable("dats", true);
  if (!immutable) fs::permissions("dats", fs::perms::owner_read | fs::perms::owner_exec);
  const int probe = open("dats/probe", O_WRONLY | O_CREAT | O_EXCL, 0600);
  if (probe < 0) attempt("folder without room for the temporary file");
  if (immutable)
    SetImmutable("dats", false);
  else
    fs::permissions("dats", fs::perms::owner_all);
  if (probe >= 0) {
    close(probe);
    fs::remove("dats/probe");
    GTEST_SKIP() << "no way to keep this user from making files in a folder";
  }
}

}  // namespace
