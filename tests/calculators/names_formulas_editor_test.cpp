#include "calculators/names_formulas_editor.h"

#include <string>
#include <utility>
#include <vector>

#include "platform/win/control_constants.h"
#include "tests/support/failing_rename.h"
#include "resources/names_formulas_editor_ids.h"
#include "engine/records/record_file.h"
#include "engine/settings/settings.h"
#include "tests/support/tool_window_fixture.h"
#include "tests/support/png_picture.h"

namespace {

using Records = std::vector<std::pair<std::string, std::string>>;

Steps Join(std::initializer_list<Steps> parts) {
  Steps joined;
  for (const Steps& part : parts) joined.insert(joined.end(), part.begin(), part.end());
  return joined;
}

constexpr const char* Table = "enmolclc.dat";

const Records ThreeRecords{{"Water", "H2O"}, {"Ozone", "O3"}, {"Salt", "NaCl"}};

std::vector<std::string> NamesOf(const Records& records) {
  std::vector<std::string> names;
  for (const auto& record : records) names.push_back(record.first);
  return names;
}

class NamesEditorTest : public ToolWindowTest {
 protected:
  void InEditor(const Steps& steps) { InWindow(OpenMoleculeNamesDialog, steps); }
  void Choose(int index) { SendMessage(driver.FindControl(NamesListId), LB_SETCURSEL, static_cast<WPARAM>(index), 0); }
  // The steps that type a name and a formula.
  Steps Enter(const std::string& name, const std::string& formula) {
    return {[this, name] { driver.Type(NameFieldId, name); }, [this, formula] { driver.Type(NameFormulaId, formula); }};
  }
  // Steps that each click one button.
  Steps Clicks(std::initializer_list<int> buttons) {
    Steps steps;
    for (int button : buttons) steps.push_back([this, button] { driver.Click(button); });
    return steps;
  }
  std::vector<std::string> Boxes() const {
    std::vector<std::string> texts;
    for (const MessageBoxRecord& box : driver.MessageBoxes()) texts.push_back(box.caption + ": " + box.text);
    return texts;
  }
};

// Before, After and Replace put the new record (name "Acid", formula "HCl") in front of, behind and
// in place of the selected one; Delete leaves it out. The file and the list agree afterwards.
TEST_F(NamesEditorTest, ListOperationsRewriteTheTable) {
  struct Case {
    const char* what;
    const char* table;  // null: no file
    int selected;
    int button;
    Records after;
    int selectedAfter;
  };
  const std::string three = NamesTable(ThreeRecords);
  const std::string one = NamesTable({{"Water", "H2O"}});
  const std::pair<std::string, std::string> acid{"Acid", "HCl"};
  const Case cases[] = {
      {"Before the first",
       three.c_str(),
       0,
       NameBeforeId,
       {acid, ThreeRecords[0], ThreeRecords[1], ThreeRecords[2]},
       0},
      {"After the first", three.c_str(), 0, NameAfterId, {ThreeRecords[0], acid, ThreeRecords[1], ThreeRecords[2]}, 1},
      {"Before the last", three.c_str(), 2, NameBeforeId, {ThreeRecords[0], ThreeRecords[1], acid, ThreeRecords[2]}, 2},
      {"After the last", three.c_str(), 2, NameAfterId, {ThreeRecords[0], ThreeRecords[1], ThreeRecords[2], acid}, 3},
      {"Replace the first", three.c_str(), 0, ReplaceNameId, {acid, ThreeRecords[1], ThreeRecords[2]}, 0},
      {"Replace the last", three.c_str(), 2, ReplaceNameId, {ThreeRecords[0], ThreeRecords[1], acid}, 2},
      {"Delete the first", three.c_str(), 0, DeleteNameId, {ThreeRecords[1], ThreeRecords[2]}, 0},
      {"Delete the last", three.c_str(), 2, DeleteNameId, {ThreeRecords[0], ThreeRecords[1]}, 1},
      {"Before the only", one.c_str(), 0, NameBeforeId, {acid, {"Water", "H2O"}}, 0},
      {"After the only", one.c_str(), 0, NameAfterId, {{"Water", "H2O"}, acid}, 1},
      {"Replace the only", one.c_str(), 0, ReplaceNameId, {acid}, 0},
      {"Delete the only", one.c_str(), 0, DeleteNameId, {}, LB_ERR},
      {"After in a separator-only table", "\\\n", LB_ERR, NameAfterId, {acid}, 0},
      {"Before in an empty file", "", LB_ERR, NameBeforeId, {acid}, 0},
      {"Replace in a missing file", nullptr, LB_ERR, ReplaceNameId, {acid}, 0},
  };
  for (const Case& example : cases) {
    std::filesystem::remove(TablePath(Table));
    if (example.table != nullptr) WriteTable(Table, example.table);
    std::vector<std::string> names;
    int selected = -2;
    InEditor(Join({{[&] {
                     if (example.selected >= 0) Choose(example.selected);
                   }},
                   Enter(acid.first, acid.second),
                   Clicks({example.button}),
                   {[&] {
                     names = Items(NamesListId);
                     selected = SelectedIndex(NamesListId);
                   }}}));
    EXPECT_EQ(ReadTable(Table), NamesTable(example.after)) << example.what;
    EXPECT_EQ(names, NamesOf(example.after)) << example.what;
    EXPECT_EQ(selected, example.selectedAfter) << example.what;
    EXPECT_TRUE(driver.MessageBoxes().empty()) << example.what;
    EXPECT_EQ(ListFileChanged, 1) << example.what;
    ListFileChanged = 0;
  }
}

TEST_F(NamesEditorTest, DeleteInAnEmptyListChangesNothing) {
  WriteTable(Table, "\\\n");
  InEditor({[&] { driver.Click(DeleteNameId); }});
  EXPECT_EQ(ReadTable(Table), "\\\n");
  EXPECT_TRUE(driver.MessageBoxes().empty());
  ListFileChanged = 0;
}

// The name is the key: a name that differs from another only in letter case is a duplicate,
// except on Replace of that very entry. The formula check comes first and names no error line.
TEST_F(NamesEditorTest, RefusalsWriteNothingAndSayWhyInTheirLanguage) {
  const std::string formulaEnglish = "TAVRIN: FORMULA ERROR\n\n";
  const std::string formulaNorwegian = "TAVRIN: FORMELFEIL\n\n";
  const std::string duplicateEnglish =
      "TAVRIN: DUPLICATION WARNING\n\nIllegal attempt to duplicate existing\nlist box equation!\n\n";
  const std::string duplicateNorwegian =
      "TAVRIN: DUPLIKASJONSADVARSEL\n\nFors\xF8k p\xE5 \xE5 tilf\xF8re listen en ligning\nsom fra f\xF8r befinner seg "
      "i "
      "listen!\n\n";
  const std::string highlightEnglish =
      "TAVRIN: MISSING HIGHLIGHT\n\nOne of the list box elements must be\nhighlighted during add/delete!";
  const std::string highlightNorwegian =
      "TAVRIN: LISTETILF\xD8RINGSFEIL\n\nEtt listeelement m\xE5 v\xE6re merket\nved listetilf\xF8yning!";
  struct Case {
    int language;
    std::string formulaBox;
    std::string duplicateBox;
    std::string highlightBox;
  };
  const Case cases[] = {
      {44, formulaEnglish, duplicateEnglish, highlightEnglish},
      {47, formulaNorwegian, duplicateNorwegian, highlightNorwegian},
      {45, formulaEnglish, duplicateNorwegian, highlightNorwegian},
  };
  for (const Case& example : cases) {
    Language language(example.language);
    const char* table = example.language == 47 ? "nomolclc.dat" : Table;
    WriteTable(table, NamesTable(ThreeRecords));
    std::vector<std::string> names;
    std::string nameField;
    std::string formulaField;
    const std::size_t boxesBefore = driver.MessageBoxes().size();
    // Replace is refused too: "Salt" is not the selected entry.
    InEditor(Join({{[&] { Choose(1); }},
                   Enter("Acid", "HCl)"),
                   Clicks({NameAfterId}),
                   Enter("salt", "NaCl"),
                   Clicks({NameBeforeId, NameAfterId, ReplaceNameId}),
                   {[&] { Choose(-1); }},
                   Enter("Acid", "HCl"),
                   Clicks({NameAfterId, DeleteNameId}),
                   {[&] {
                     names = Items(NamesListId);
                     nameField = Text(NameFieldId);
                     formulaField = Text(NameFormulaId);
                   }}}));
    const std::vector<std::string> all = Boxes();
    const std::vector<std::string> boxes(all.begin() + static_cast<long>(boxesBefore), all.end());
    EXPECT_EQ(boxes, (std::vector<std::string>{example.formulaBox, example.duplicateBox, example.duplicateBox,
                                               example.duplicateBox, example.highlightBox, example.highlightBox}))
        << example.language;
    EXPECT_EQ(ReadTable(table), NamesTable(ThreeRecords)) << example.language;
    EXPECT_EQ(names, NamesOf(ThreeRecords)) << example.language;
    EXPECT_EQ(nameField, "Acid");
    EXPECT_EQ(formulaField, "HCl");
  }
  ListFileChanged = 0;
}

// Replace may store the selected entry under its own name in another letter case; a leading
// backslash of the name becomes a blank, in the file and in the field; a formula keeps its blanks.
TEST_F(NamesEditorTest, WhatIsStoredOfTheFields) {
  WriteTable(Table, NamesTable(ThreeRecords));
  std::string nameField;
  InEditor(Join({{[&] { Choose(2); }},
                 Enter("SALT", "Na Cl"),
                 Clicks({ReplaceNameId}),
                 Enter("\\Acid", "H2 SO4"),
                 Clicks({NameBeforeId}),
                 {[&] { nameField = Text(NameFieldId); }}}));
  EXPECT_EQ(nameField, " Acid");
  EXPECT_EQ(ReadTable(Table), NamesTable({ThreeRecords[0], ThreeRecords[1], {" Acid", "H2 SO4"}, {"SALT", "Na Cl"}}));
  ListFileChanged = 0;
}

// A double click shows the first record of the entry's name; "Erase text" empties both fields.
TEST_F(NamesEditorTest, DoubleClickShowsTheRecordAndEraseEmptiesTheFields) {
  WriteTable(Table, NamesTable({{"Water", "H2O"}, {"Ozone", "O3"}, {"Water", "D2O"}}));
  std::vector<std::pair<std::string, std::string>> shown;
  Steps steps;
  for (int index : {1, 2}) {
    steps.push_back([&, index] { driver.Select(NamesListId, index); });
    steps.push_back([&] {
      shown.emplace_back(Text(NameFieldId), Text(NameFormulaId));
      const HWND list = driver.FindControl(NamesListId);
      SendMessage(GetParent(list), WM_COMMAND, MAKEWPARAM(NamesListId, LBN_DBLCLK), reinterpret_cast<LPARAM>(list));
      shown.emplace_back(Text(NameFieldId), Text(NameFormulaId));
    });
  }
  steps.push_back([&] { driver.Click(EraseNameFieldsId); });
  steps.push_back([&] { shown.emplace_back(Text(NameFieldId), Text(NameFormulaId)); });
  InEditor(steps);
  EXPECT_EQ(shown, (std::vector<std::pair<std::string, std::string>>{
                       {"", ""}, {"Ozone", "O3"}, {"Ozone", "O3"}, {"Water", "H2O"}, {"", ""}}));
}

int EntriesIn(const std::filesystem::path& folder) {
  int entries = 0;
  for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator(folder)) ++entries;
  return entries;
}

// A table that cannot be put in place stays as it was, the list too, and a message says so.
TEST_F(NamesEditorTest, AFailedRewriteKeepsTableAndListAndTellsTheUser) {
  const std::string original = NamesTable(ThreeRecords);
  for (const auto& [code, message] : {std::pair{44, "FILE ERROR\n\nThe table could not be written\nand is unchanged!"},
                                      std::pair{47, "FILFEIL\n\nTabellen kunne ikke skrives\nog er uendret!"}}) {
    Language language(code);
    const char* table = code == 47 ? "nomolclc.dat" : Table;
    WriteTable(table, original);
    const std::size_t boxesBefore = driver.MessageBoxes().size();
    std::vector<std::vector<std::string>> lists;
    std::vector<int> selections;
    Steps steps = Join({{[&] { Choose(1); }}, Enter("Acid", "HCl"), {[&] { FailRenames = true; }}});
    for (int button : {NameBeforeId, NameAfterId, ReplaceNameId, DeleteNameId}) {
      steps.push_back([&, button] { driver.Click(button); });
      steps.push_back([&] {
        lists.push_back(Items(NamesListId));
        selections.push_back(SelectedIndex(NamesListId));
      });
    }
    steps.push_back([&] { FailRenames = false; });
    InEditor(steps);
    EXPECT_EQ(ReadTable(table), original) << code;
    EXPECT_EQ(EntriesIn(TablePath(table).parent_path()), 1) << "no temporary file is left";
    for (std::size_t i = 0; i < lists.size(); ++i) {
      EXPECT_EQ(lists[i], NamesOf(ThreeRecords)) << code << " button " << i;
      EXPECT_EQ(selections[i], 1) << code << " button " << i;
    }
    ASSERT_EQ(driver.MessageBoxes().size(), boxesBefore + 4) << code;
    for (std::size_t i = boxesBefore; i < driver.MessageBoxes().size(); ++i) {
      EXPECT_EQ(driver.MessageBoxes()[i].caption, "TAVRIN");
      EXPECT_EQ(driver.MessageBoxes()[i].text, message);
    }
    std::filesystem::remove(TablePath(table));
  }
  ListFileChanged = 0;
}

TEST_F(NamesEditorTest, CaptionAndTextsAreEnglishOnlyWithLanguageCode44) {
  for (const auto& [code, caption, before] : {std::tuple{44, "MOLECULAR CALCULATOR - NAME AND FORMULA", "Before"},
                                              std::tuple{47, "MOLEKYLKALKULATOR - NAVN OG FORMLER", "F\xF8r"},
                                              std::tuple{45, "MOLEKYLKALKULATOR - NAVN OG FORMLER", "F\xF8r"}}) {
    Language language(code);
    std::optional<std::string> shown;
    std::string button;
    InEditor({[&] {
      shown = driver.WindowCaption();
      button = Text(NameBeforeId);
    }});
    EXPECT_EQ(shown, caption);
    EXPECT_EQ(button, before);
  }
}

TEST_F(NamesEditorTest, SnapshotsWithARecordShown) {
  WriteTable("enmolclc.dat", NamesTable(ThreeRecords));
  WriteTable("nomolclc.dat", NamesTable({{"Vann", "H2O"}, {"Ozon", "O3"}, {"Koksalt", "NaCl"}}));
  for (const auto& [code, file] : {std::pair{44, "molclc2-en.png"}, std::pair{47, "molclc2-no.png"}}) {
    Language language(code);
    bool written = false;
    InEditor({[&] { driver.Select(NamesListId, 2); },
              [&] {
                const HWND list = driver.FindControl(NamesListId);
                SendMessage(GetParent(list), WM_COMMAND, MAKEWPARAM(NamesListId, LBN_DBLCLK),
                            reinterpret_cast<LPARAM>(list));
              },
              [&] { written = driver.Snapshot(std::string(TAVRIN_OUTPUT_DIR) + "/" + file); }});
    ASSERT_TRUE(written) << driver.LastError();
    const std::optional<PngPicture> png = PngPicture::Read(std::string(TAVRIN_OUTPUT_DIR) + "/" + file);
    ASSERT_TRUE(png) << file;
    ExpectModalFrameAndCaption(*png);
    // "Lukk" at 244, 1, 36 x 12 dialog units; the record's name and formula in their fields at
    // 4, 17 and 4, 43, 276 x 12.
    ExpectRaisedButton(*png, DialogItemBox({}, 244, 1, 36, 12), false);
    EXPECT_GT(InkInside(*png, DialogItemBox({}, 4, 17, 276, 12)), 20) << file;
    EXPECT_GT(InkInside(*png, DialogItemBox({}, 4, 43, 276, 12)), 20) << file;
  }
}

}  // namespace
