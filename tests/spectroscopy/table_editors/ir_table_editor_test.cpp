#include "spectroscopy/ir_table_editor.h"

#include <optional>
#include <string>
#include <vector>

#include "engine/settings/settings.h"
#include "platform/win/control_constants.h"
#include "resources/ir_table_editor_ids.h"
#include "tests/spectroscopy/table_editors/spectral_editor_fixture.h"

namespace {

constexpr const char* Table = "enirdata.dat";

const std::vector<std::string> Hydroxyl = IrRecord("O-H alcohol", "broad", {"3200", "3550", "1000", "1260"});
const std::vector<std::string> Carbonyl = IrRecord("C=O ketone", "strong", {"1705", "1725"});

int Low(int range) { return FirstRangeFieldId + 2 * (range - 1); }
int High(int range) { return Low(range) + 1; }

class IrEditorTest : public SpectralEditorTest {
 protected:
  IrEditorTest() { SpectralKind = IrSpectralKind; }
  ~IrEditorTest() override { SpectralKind = 0; }
  void InEditor(const Steps& steps) { InWindow(OpenIrDataDialog, steps); }
  Steps Range(int range, const std::string& low, const std::string& high) {
    return Enter({{Low(range), low}, {High(range), high}});
  }
};

// The ranges are judged in order and the first with a finding refuses the record; within a range the
// high end's finding replaces the low end's.
TEST_F(IrEditorTest, RangeFindingsRefuseTheRecord) {
  struct Case {
    const char* what;
    std::vector<std::tuple<int, std::string, std::string>> ranges;
    const char* english;  // null: accepted
    const char* norwegian;
  };
  const char* missing = "MISSING WAVE NUMBER(S)\n\n";
  const char* missingNo = "MANGLENDE B\xD8LGETALL\n\n";
  const Case cases[] = {
      {"low end alone", {{1, "1700", ""}}, missing, missingNo},
      {"high end alone", {{3, "", "1700"}}, missing, missingNo},
      {"negative", {{1, "-5", "100"}}, "NUMBER TO LOW \n\n", "FOR LAV TALLVERDI\n\n"},
      {"zero to zero", {{1, "0", "0"}}, nullptr, nullptr},
      {"bad number before a missing end", {{2, "1.2.3", "1700"}, {5, "1700", ""}}, "NUMBER ERROR\n\n", "TALLFEIL\n\n"},
      {"missing end before a bad number", {{2, "1700", ""}, {5, "x", "1700"}}, missing, missingNo},
      {"high end's finding wins", {{1, "abc", "-3"}}, "NUMBER TO LOW \n\n", "FOR LAV TALLVERDI\n\n"},
      {"longer than the table keeps", {{1, std::string(36, '1'), "1"}}, "NUMBER ERROR\n\n", "TALLFEIL\n\n"},
      {"no range at all", {}, nullptr, nullptr},
  };
  for (const int code : {44, 47}) {
    Language language(code);
    const char* table = code == 47 ? "noirdata.dat" : Table;
    for (const Case& example : cases) {
      WriteTable(table, RecordTable({Hydroxyl}));
      const std::size_t before = driver.MessageBoxes().size();
      Steps steps = Enter({{IrAssignmentFieldId, "new"}});
      for (const auto& [range, low, high] : example.ranges) steps = Join({steps, Range(range, low, high)});
      InEditor(Join({steps, Clicks({IrAfterId})}));
      const char* message = code == 47 ? example.norwegian : example.english;
      if (message == nullptr) {
        EXPECT_TRUE(BoxesFrom(before).empty()) << example.what;
        EXPECT_NE(ReadTable(table).find("\\\nnew\n"), std::string::npos) << example.what;
      } else {
        EXPECT_EQ(BoxesFrom(before), std::vector<std::string>{std::string("TAVRIN: ") + message}) << example.what;
        EXPECT_EQ(ReadTable(table), RecordTable({Hydroxyl})) << example.what;
      }
    }
  }
}

// A range typed high end first is stored low end first, and the fields show it so; every end is
// stored as it was judged, without blanks ("17 50" is 1750, not 17).
TEST_F(IrEditorTest, RangesAreStoredInOrderAndWithoutBlanks) {
  WriteTable(Table, RecordTable({Hydroxyl}));
  std::vector<std::string> fields;
  InEditor(Join({Choose(IrListId, 0),
                 Enter({{IrAssignmentFieldId, "C=O ester"}, {IrCommentFieldId, "strong, sharp"}}),
                 Range(1, "1750", "1700"),
                 Range(2, "17 50", "18 00"),
                 Range(4, "1 300", " 1000"),
                 Clicks({IrBeforeId}),
                 {[&] {
                   for (int range : {1, 2, 3, 4}) {
                     fields.push_back(Text(Low(range)));
                     fields.push_back(Text(High(range)));
                   }
                 }}}));
  EXPECT_EQ(fields, (std::vector<std::string>{"1700", "1750", "1750", "1800", "", "", "1000", "1300"}));
  EXPECT_EQ(
      ReadTable(Table),
      RecordTable({IrRecord("C=O ester", "strong, sharp", {"1700", "1750", "1750", "1800", "", "", "1000", "1300"}),
                   Hydroxyl}));
}

// The list operations on the table, and the kind: UV edits the UV table of the language.
TEST_F(IrEditorTest, ListOperationsOnTheTableOfTheKind) {
  struct Case {
    const char* what;
    int kind;
    int language;
    const char* table;
    int selected;
    int button;
    std::vector<std::vector<std::string>> after;
  };
  const std::vector<std::string> added = IrRecord("N-H amine", "", {"3300", "3500"});
  const Case cases[] = {
      {"IR after", IrSpectralKind, 44, "enirdata.dat", 0, IrAfterId, {Hydroxyl, added, Carbonyl}},
      {"IR replace", IrSpectralKind, 47, "noirdata.dat", 1, ReplaceIrRecordId, {Hydroxyl, added}},
      {"IR delete", IrSpectralKind, 44, "enirdata.dat", 0, DeleteIrRecordId, {Carbonyl}},
      {"UV before", UvSpectralKind, 44, "enuvdata.dat", 1, IrBeforeId, {Hydroxyl, added, Carbonyl}},
      {"UV delete", UvSpectralKind, 47, "nouvdata.dat", 1, DeleteIrRecordId, {Hydroxyl}},
  };
  for (const Case& example : cases) {
    Language language(example.language);
    SpectralKind = example.kind;
    WriteTable(example.table, RecordTable({Hydroxyl, Carbonyl}));
    std::vector<std::string> entries;
    InEditor(Join({Choose(IrListId, example.selected),
                   Enter({{IrAssignmentFieldId, "N-H amine"}}),
                   Range(1, "3300", "3500"),
                   Clicks({example.button}),
                   {[&] { entries = Items(IrListId); }}}));
    EXPECT_EQ(ReadTable(example.table), RecordTable(example.after)) << example.what;
    std::vector<std::string> keys;
    for (const auto& record : example.after) keys.push_back(record.front());
    EXPECT_EQ(entries, keys) << example.what;
  }
}

// A double click shows the record's assignment, comment and all sixteen ends.
TEST_F(IrEditorTest, DoubleClickShowsTheRecord) {
  const std::vector<std::string> ends{"1", "2",  "3",  "4",  "5",  "6",  "7",  "8",
                                      "9", "10", "11", "12", "13", "14", "15", "16"};
  WriteTable(Table, RecordTable({Hydroxyl, IrRecord("all", "eight ranges", ends)}));
  std::vector<std::string> shown;
  InEditor(Join({Show(IrListId, 1), {[&] {
                   shown = {Text(IrAssignmentFieldId), Text(IrCommentFieldId)};
                   for (int i = 0; i < 16; ++i) shown.push_back(Text(FirstRangeFieldId + i));
                 }}}));
  std::vector<std::string> expected{"all", "eight ranges"};
  expected.insert(expected.end(), ends.begin(), ends.end());
  EXPECT_EQ(shown, expected);
}

TEST_F(IrEditorTest, CaptionAndTextsAreEnglishOnlyWithLanguageCode44) {
  for (const auto& [code, caption, frame] :
       {std::tuple{44, "SPECTROSCOPY - IR DATA", "Absorb.area (wave numbers)"},
        std::tuple{47, "SPEKTROSKOPI - IR DATA", "Absorbsjonsomr\345de  (cm-1)"},
        std::tuple{45, "SPEKTROSKOPI - IR DATA", "Absorbsjonsomr\345de  (cm-1)"}}) {
    Language language(code);
    std::optional<std::string> shown;
    std::string group;
    InEditor({[&] {
      shown = driver.WindowCaption();
      group = Text(AbsorptionAreaGroupId);
    }});
    EXPECT_EQ(shown, caption);
    EXPECT_EQ(group, frame);
  }
}

}  // namespace
