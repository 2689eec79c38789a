#include "spectroscopy/ms_table_editor.h"

#include <sys/stat.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "engine/settings/settings.h"
#include "platform/win/control_constants.h"
#include "resources/ms_table_editor_ids.h"
#include "tests/spectroscopy/table_editors/spectral_editor_fixture.h"
#include "tests/support/failing_rename.h"

namespace {

constexpr const char* Table = "enmsfrag.dat";

const std::vector<std::string> Methyl = MsRecord("CH3", "15.034500", "methyl");
const std::vector<std::string> Ethyl = MsRecord("C2H5", "29.061400", "ethyl");
const std::vector<std::string> Carbonyl = MsRecord("CO", "28.010400", "carbonyl");
const std::vector<std::vector<std::string>> Three{Methyl, Ethyl, Carbonyl};

class MsFragmentEditorTest : public SpectralEditorTest {
 protected:
  void InEditor(const Steps& steps) { InWindow(OpenMsFragmentDataDialog, steps); }
  // Types a fragment's formula and assignment.
  Steps Fragment(const std::string& formula, const std::string& assignment) {
    return Enter({{IsoFormulaFieldId, formula}, {MsAssignmentFieldId, assignment}});
  }
};

double MassOf(const std::string& line) { return std::atof(line.c_str()); }

// Before, After and Replace put the new fragment in front of, behind and in place of the selected
// one, with the mass the editor calculated; Delete leaves the selected one out. The list follows.
TEST_F(MsFragmentEditorTest, ListOperationsRewriteTheTable) {
  struct Case {
    const char* what;
    const char* table;  // null: no file
    int selected;
    int button;
    std::vector<int> order;  // indexes into Three; -1 the new fragment
    int selectedAfter;
  };
  const std::string three = RecordTable(Three);
  const Case cases[] = {
      {"Before the first", three.c_str(), 0, MsFragmentBeforeId, {-1, 0, 1, 2}, 0},
      {"After the middle", three.c_str(), 1, MsFragmentAfterId, {0, 1, -1, 2}, 2},
      {"Replace the last", three.c_str(), 2, ReplaceMsFragmentId, {0, 1, -1}, 2},
      {"Delete the first", three.c_str(), 0, DeleteMsFragmentId, {1, 2}, 0},
      {"Delete the last", three.c_str(), 2, DeleteMsFragmentId, {0, 1}, 1},
      {"After in a separator-only table", "\\\n", LB_ERR, MsFragmentAfterId, {-1}, 0},
      {"Before in an empty file", "", LB_ERR, MsFragmentBeforeId, {-1}, 0},
      {"Replace in a missing file", nullptr, LB_ERR, ReplaceMsFragmentId, {-1}, 0},
  };
  for (const Case& example : cases) {
    std::filesystem::remove(TablePath(Table));
    if (example.table != nullptr) WriteTable(Table, example.table);
    std::vector<std::string> formulas;
    int selected = -2;
    std::string mass;
    InEditor(Join({example.selected >= 0 ? Choose(MsFragmentListId, example.selected) : Steps{},
                   Fragment("H2O", "water"),
                   Clicks({example.button}),
                   {[&] {
                     formulas = Items(MsFragmentListId);
                     selected = SelectedIndex(MsFragmentListId);
                     mass = Text(CalculatedMassFieldId);
                   }}}));
    std::vector<std::vector<std::string>> expected;
    std::vector<std::string> expectedFormulas;
    for (int index : example.order) {
      expected.push_back(index < 0 ? MsRecord("H2O", mass, "water") : Three[static_cast<std::size_t>(index)]);
      expectedFormulas.push_back(expected.back().front());
    }
    EXPECT_EQ(ReadTable(Table), RecordTable(expected)) << example.what;
    EXPECT_EQ(formulas, expectedFormulas) << example.what;
    EXPECT_EQ(selected, example.selectedAfter) << example.what;
    EXPECT_TRUE(driver.MessageBoxes().empty()) << example.what;
  }
}

// A table whose first line opens no record holds nothing the list can show: an add leaves it as it
// was and says so.
TEST_F(MsFragmentEditorTest, ATableWithoutItsOpeningSeparatorReceivesNoRecord) {
  WriteTable(Table, "stray line\n");
  const std::size_t before = driver.MessageBoxes().size();
  std::vector<std::string> formulas{"<unread>"};
  InEditor(
      Join({Fragment("H2O", "water"), Clicks({MsFragmentBeforeId}), {[&] { formulas = Items(MsFragmentListId); }}}));
  EXPECT_EQ(ReadTable(Table), "stray line\n");
  EXPECT_TRUE(formulas.empty());
  EXPECT_EQ(BoxesFrom(before),
            std::vector<std::string>{"TAVRIN: FILE ERROR\n\nThe table could not be written\nand is unchanged!"});
}

// The mass is the formula parser's, with six decimals; an isotope counts with its own mass.
TEST_F(MsFragmentEditorTest, TheCalculatedMassIsStoredWithSixDecimals) {
  WriteTable(Table, RecordTable({Methyl}));
  std::string plain;
  std::string isotope;
  InEditor(Join({Fragment("CO2", "carbon dioxide"),
                 Clicks({MsFragmentAfterId}),
                 {[&] { plain = Text(CalculatedMassFieldId); }},
                 Fragment("C[13]O2", "13C carbon dioxide"),
                 Clicks({MsFragmentAfterId}),
                 {[&] { isotope = Text(CalculatedMassFieldId); }}}));
  EXPECT_NEAR(MassOf(plain), 44.0095, 0.002);
  EXPECT_NEAR(MassOf(isotope) - MassOf(plain), 13.003355 - 12.0107, 0.002);
  ASSERT_EQ(isotope.size(), isotope.find('.') + 7) << isotope;
  EXPECT_EQ(ReadTable(Table), RecordTable({Methyl, MsRecord("CO2", plain, "carbon dioxide"),
                                           MsRecord("C[13]O2", isotope, "13C carbon dioxide")}));
}

// A formula the parser refuses gives FORMULA ERROR and no mass; the list checks come after the mass,
// so a refused duplicate or a missing highlight still shows the new mass. Nothing is written.
TEST_F(MsFragmentEditorTest, RefusalsWriteNothingAndSayWhyInTheirLanguage) {
  const std::string formulaEnglish = "TAVRIN: FORMULA ERROR\n\n";
  const std::string formulaNorwegian = "TAVRIN: FORMELFEIL\n\n";
  const std::string duplicateEnglish =
      "TAVRIN: DUPLICATION WARNING\n\nIllegal attempt to duplicate existing\nlist box formula!\n\n";
  const std::string duplicateNorwegian =
      "TAVRIN: DUPLIKASJONSADVARSEL\n\nFors\xF8k p\xE5 \xE5 tilf\xF8re listen en formel\nsom fra f\xF8r befinner seg "
      "i listen!\n\n";
  const std::string highlightEnglish =
      "TAVRIN: MISSING HIGHLIGHT\n\nOne of the list box elements must be\nhighlighted during add/delete!";
  const std::string highlightNorwegian =
      "TAVRIN: LISTETILF\xD8RINGSFEIL\n\nEtt listeelement m\xE5 v\xE6re merket\nved listetilf\xF8yning!";
  struct Case {
    int language;
    const char* table;
    std::string formulaBox;
    std::string duplicateBox;
    std::string highlightBox;
  };
  const Case cases[] = {
      {44, "enmsfrag.dat", formulaEnglish, duplicateEnglish, highlightEnglish},
      {47, "nomsfrag.dat", formulaNorwegian, duplicateNorwegian, highlightNorwegian},
      {45, "enmsfrag.dat", formulaEnglish, duplicateNorwegian, highlightNorwegian},
  };
  const std::string longFormula(78, 'H');
  for (const Case& example : cases) {
    Language language(example.language);
    WriteTable(example.table, RecordTable(Three));
    const std::size_t before = driver.MessageBoxes().size();
    std::vector<std::string> masses;
    auto mass = [&] { return Steps{[&] { masses.push_back(Text(CalculatedMassFieldId)); }}; };
    InEditor(Join({Choose(MsFragmentListId, 0), Fragment("Xx2", "nothing"), Clicks({MsFragmentAfterId}), mass(),
                   Fragment(longFormula, "too long"), Clicks({MsFragmentBeforeId}), mass(),
                   // "Co" is "CO" in another letter case; Replace of another entry is refused too.
                   Fragment("Co", "cobalt"), Clicks({MsFragmentAfterId, ReplaceMsFragmentId}), mass(),
                   Choose(MsFragmentListId, -1), Fragment("H2O", "water"),
                   Clicks({MsFragmentAfterId, DeleteMsFragmentId}), mass()}));
    EXPECT_EQ(BoxesFrom(before),
              (std::vector<std::string>{example.formulaBox, example.formulaBox, example.duplicateBox,
                                        example.duplicateBox, example.highlightBox, example.highlightBox}))
        << example.language;
    ASSERT_EQ(masses.size(), 4u);
    EXPECT_EQ(masses[0], "") << "no mass for a refused formula";
    EXPECT_EQ(masses[1], "");
    EXPECT_NEAR(MassOf(masses[2]), 58.9332, 0.002);
    EXPECT_NEAR(MassOf(masses[3]), 18.0153, 0.002);
    EXPECT_EQ(ReadTable(example.table), RecordTable(Three)) << example.language;
  }
}

// Replace may keep the selected entry's own formula in another letter case; a leading backslash of
// the formula becomes a blank in the field, the list and the file.
TEST_F(MsFragmentEditorTest, WhatIsStoredOfTheFields) {
  WriteTable(Table, RecordTable(Three));
  std::string formulaField;
  std::vector<std::string> formulas;
  InEditor(Join({Choose(MsFragmentListId, 2),
                 Fragment("Co", "carbon monoxide"),
                 Clicks({ReplaceMsFragmentId}),
                 Fragment("\\OH", "hydroxyl"),
                 Clicks({MsFragmentBeforeId}),
                 {[&] {
                   formulaField = Text(IsoFormulaFieldId);
                   formulas = Items(MsFragmentListId);
                 }}}));
  EXPECT_EQ(formulaField, " OH");
  EXPECT_EQ(formulas, (std::vector<std::string>{"CH3", "C2H5", " OH", "Co"}));
  const std::string table = ReadTable(Table);
  EXPECT_NE(table.find("\\\n OH\n"), std::string::npos) << table;
  EXPECT_NE(table.find("\\\nCo\n"), std::string::npos) << table;
  EXPECT_EQ(table.find("\\\nCO\n"), std::string::npos) << table;
}

// A double click shows the first record of the entry's formula; "Erase text" empties all three.
TEST_F(MsFragmentEditorTest, DoubleClickShowsTheRecordAndEraseEmptiesTheFields) {
  WriteTable(Table, RecordTable({Methyl, Ethyl, MsRecord("CH3", "15.000000", "second methyl")}));
  std::vector<std::vector<std::string>> shown;
  auto look = [&] {
    return Steps{[&] {
      shown.push_back({Text(IsoFormulaFieldId), Text(CalculatedMassFieldId), Text(MsAssignmentFieldId)});
    }};
  };
  InEditor(Join({Show(MsFragmentListId, 1), look(), Show(MsFragmentListId, 2), look(),
                 Clicks({EraseMsFragmentFieldsId}), look()}));
  EXPECT_EQ(shown, (std::vector<std::vector<std::string>>{
                       {"C2H5", "29.061400", "ethyl"}, {"CH3", "15.034500", "methyl"}, {"", "", ""}}));
}

// The editor works on the table of the language: Norwegian only for 47.
TEST_F(MsFragmentEditorTest, TheTableAndTheTextsFollowTheLanguage) {
  WriteTable("nomsfrag.dat", RecordTable({MsRecord("CH3", "15.034500", "metyl")}));
  WriteTable("enmsfrag.dat", RecordTable({Ethyl}));
  struct Case {
    int language;
    const char* caption;
    const char* close;
    const char* formula;
  };
  for (const Case& example :
       {Case{44, "SPECTROSCOPY - MS DATA", "Close", "C2H5"}, Case{47, "SPEKTROSKOPI - MS DATA", "Lukk", "CH3"},
        Case{45, "SPEKTROSKOPI - MS DATA", "Lukk", "C2H5"}}) {
    Language language(example.language);
    std::optional<std::string> caption;
    std::string close;
    std::vector<std::string> formulas;
    InEditor({[&] {
      caption = driver.WindowCaption();
      close = Text(MsFragmentCloseId);
      formulas = Items(MsFragmentListId);
    }});
    EXPECT_EQ(caption, example.caption);
    EXPECT_EQ(close, example.close);
    EXPECT_EQ(formulas, std::vector<std::string>{example.formula});
  }
}

// A table that cannot be put in place, or is marked read-only, stays as it was, the list too, and a
// message says so.
TEST_F(MsFragmentEditorTest, ATableThatCannotBeWrittenIsNeverHarmed) {
  const std::string original = RecordTable(Three);
  for (const bool readOnly : {false, true}) {
    WriteTable(Table, original);
    if (readOnly) std::filesystem::permissions(TablePath(Table), std::filesystem::perms::owner_read);
    const std::size_t before = driver.MessageBoxes().size();
    std::vector<std::vector<std::string>> lists;
    Steps steps = Join({Choose(MsFragmentListId, 1), Fragment("H2O", "water"), {[&] { FailRenames = !readOnly; }}});
    for (int button : {MsFragmentBeforeId, MsFragmentAfterId, ReplaceMsFragmentId, DeleteMsFragmentId}) {
      steps.push_back([&, button] { driver.Click(button); });
      steps.push_back([&] { lists.push_back(Items(MsFragmentListId)); });
    }
    steps.push_back([&] { FailRenames = false; });
    InEditor(steps);
    EXPECT_EQ(ReadTable(Table), original) << readOnly;
    for (const auto& list : lists) EXPECT_EQ(list, (std::vector<std::string>{"CH3", "C2H5", "CO"})) << readOnly;
    EXPECT_EQ(BoxesFrom(before),
              std::vector<std::string>(4, "TAVRIN: FILE ERROR\n\nThe table could not be written\nand is unchanged!"))
        << readOnly;
    std::filesystem::permissions(TablePath(Table), std::filesystem::perms::owner_all);
  }
}

}  // namespace
