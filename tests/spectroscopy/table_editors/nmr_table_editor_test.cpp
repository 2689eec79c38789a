#include "spectroscopy/nmr_table_editor.h"

#include <optional>
#include <string>
#include <vector>

#include "engine/settings/settings.h"
#include "platform/win/control_constants.h"
#include "resources/nmr_table_editor_ids.h"
#include "tests/spectroscopy/table_editors/spectral_editor_fixture.h"

namespace {

const std::vector<std::string> MethylH = NmrRecord("CH3-C", "alkyl methyl", "0.1", {"0.9", "1.0"});
const std::vector<std::string> Aromatic = NmrRecord("Ar-H", "benzene ring", "0.3", {"7.3"});

// The editor runs on the table that SpectralKind names when it opens.
class NmrEditorTest : public SpectralEditorTest {
 protected:
  NmrEditorTest() { SpectralKind = H1SpectralKind; }
  ~NmrEditorTest() override { SpectralKind = 0; }
  void InEditor(const Steps& steps) { InWindow(OpenNmrDataDialog, steps); }
  Steps Shift(int index, const std::string& text) { return Enter({{FirstShiftFieldId + index, text}}); }
};

// The kind chooses the 1H or the 13C table, the language its Norwegian or English file, and the
// caption names the table.
TEST_F(NmrEditorTest, TheKindAndTheLanguageChooseTableAndCaption) {
  WriteTable("nohnmr.dat", RecordTable({NmrRecord("no-H", "", "0.1", {"1"})}));
  WriteTable("enhnmr.dat", RecordTable({NmrRecord("en-H", "", "0.1", {"1"})}));
  WriteTable("nocnmr.dat", RecordTable({NmrRecord("no-C", "", "1", {"20"})}));
  WriteTable("encnmr.dat", RecordTable({NmrRecord("en-C", "", "1", {"20"})}));
  struct Case {
    int kind;
    int language;
    const char* entry;
    const char* caption;
  };
  const Case cases[] = {
      {H1SpectralKind, 47, "no-H", "SPEKTROSKOPI - H[1] DATA"},
      {H1SpectralKind, 44, "en-H", "SPECTROSCOPY - H[1] DATA"},
      {C13SpectralKind, 47, "no-C", "SPEKTROSKOPI - C[13] DATA"},
      {C13SpectralKind, 44, "en-C", "SPECTROSCOPY - C[13] DATA"},
      {C13SpectralKind, 45, "en-C", "SPECTROSCOPY - C[13] DATA"},
  };
  for (const Case& example : cases) {
    Language language(example.language);
    SpectralKind = example.kind;
    std::optional<std::string> caption;
    std::vector<std::string> entries;
    InEditor({[&] {
      caption = driver.WindowCaption();
      entries = Items(NmrListId);
    }});
    EXPECT_EQ(caption, example.caption) << example.kind << " " << example.language;
    EXPECT_EQ(entries, std::vector<std::string>{example.entry}) << example.kind << " " << example.language;
    EXPECT_EQ(SpectralKind, example.kind);
  }
}

// Most English texts go with every language but Norwegian; the assignment label and the frame of
// the shifts only with English.
TEST_F(NmrEditorTest, EnglishTextsByLanguageCode) {
  struct Case {
    int language;
    const char* close;
    const char* assignment;
    const char* resonance;
  };
  for (const Case& example : {Case{44, "Close", "Assignment :", "Resonance area (ppm)"},
                              Case{47, "Lukk", "Tilordning :", "Resonansomr\345der (ppm)"},
                              Case{45, "Close", "Tilordning :", "Resonansomr\345der (ppm)"}}) {
    Language language(example.language);
    std::vector<std::string> texts;
    InEditor({[&] { texts = {Text(NmrCloseId), Text(NmrAssignmentLabelId), Text(ResonanceAreaGroupId)}; }});
    EXPECT_EQ(texts, (std::vector<std::string>{example.close, example.assignment, example.resonance}))
        << example.language;
  }
}

// Every number field is judged, the tolerance first; the last finding is the message. Nothing is
// written on a finding.
TEST_F(NmrEditorTest, NumberFindingsRefuseTheRecord) {
  struct Case {
    const char* what;
    std::string tolerance;
    std::vector<std::pair<int, std::string>> shifts;
    const char* english;  // null: accepted
    const char* norwegian;
  };
  const char* numberError = "NUMBER ERROR\n\n";
  const char* tooHighLow = "NUMBER TO HIGH/LOW \n\n";
  const char* negative = "THE +/- FIELD CAN'T CONTAIN A NEGATIVE NUMBER\n\n";
  const Case cases[] = {
      {"negative tolerance", "-0.5", {}, negative, "+/- FELTET SKAL INNEHOLDE ET POSITIVT TALL\n\n"},
      {"sign judged after range", "-2000", {}, negative, "+/- FELTET SKAL INNEHOLDE ET POSITIVT TALL\n\n"},
      {"limits are inclusive", "0", {{0, "1000"}, {44, "-1000"}}, nullptr, nullptr},
      {"above the limit", "0.1", {{0, "1000.5"}}, tooHighLow, "FOR H\xD8Y/LAV TALLVERDI\n\n"},
      {"later range finding wins", "0.1", {{0, "1.2.3"}, {42, "5000"}}, tooHighLow, "FOR H\xD8Y/LAV TALLVERDI\n\n"},
      {"later number error wins", "0.1", {{0, "5000"}, {42, "1.2.3"}}, numberError, "TALLFEIL\n\n"},
      {"letters", "0.1", {{7, "abc"}}, numberError, "TALLFEIL\n\n"},
      {"tolerance error, later shift fine", "x", {{0, "2"}}, numberError, "TALLFEIL\n\n"},
      {"no shift at all", "", {}, nullptr, nullptr},
  };
  for (const int code : {44, 47}) {
    Language language(code);
    const char* table = code == 47 ? "nohnmr.dat" : "enhnmr.dat";
    for (const Case& example : cases) {
      WriteTable(table, RecordTable({MethylH}));
      const std::size_t before = driver.MessageBoxes().size();
      Steps steps = Join({Enter({{NmrAssignmentFieldId, "new"}, {NmrToleranceFieldId, example.tolerance}})});
      for (const auto& [index, text] : example.shifts) steps = Join({steps, Shift(index, text)});
      InEditor(Join({steps, Clicks({NmrAfterId})}));
      const char* message = code == 47 ? example.norwegian : example.english;
      if (message == nullptr) {
        EXPECT_TRUE(BoxesFrom(before).empty()) << example.what;
        EXPECT_NE(ReadTable(table).find("\\\nnew\n"), std::string::npos) << example.what;
      } else {
        EXPECT_EQ(BoxesFrom(before), std::vector<std::string>{std::string("TAVRIN: ") + message}) << example.what;
        EXPECT_EQ(ReadTable(table), RecordTable({MethylH})) << example.what;
      }
    }
  }
}

// The fields are stored as they were judged, without blanks: "12 5" is the number 125, and is read
// back as such, not as 12. The fields show what was stored.
TEST_F(NmrEditorTest, NumbersAreStoredWithoutTheirBlanks) {
  WriteTable("enhnmr.dat", RecordTable({MethylH}));
  std::vector<std::string> fields;
  const std::size_t before = driver.MessageBoxes().size();
  InEditor(Join({Enter({{NmrAssignmentFieldId, "O-CH2 ester"},
                        {NmrCommentFieldId, "ethyl ester, CH2"},
                        {NmrToleranceFieldId, " 0. 2"}}),
                 Shift(0, "4 .1"),
                 Shift(15, " 4.15 "),
                 Shift(44, "12 5"),
                 Clicks({NmrAfterId}),
                 {[&] {
                   fields = {Text(NmrToleranceFieldId), Text(FirstShiftFieldId), Text(FirstShiftFieldId + 44),
                             Text(NmrCommentFieldId)};
                 }}}));
  std::vector<std::string> shifts(45);
  shifts[0] = "4.1";
  shifts[15] = "4.15";
  shifts[44] = "125";
  EXPECT_EQ(ReadTable("enhnmr.dat"),
            RecordTable({MethylH, NmrRecord("O-CH2 ester", "ethyl ester, CH2", "0.2", shifts)}));
  EXPECT_EQ(fields, (std::vector<std::string>{"0.2", "4.1", "125", "ethyl ester, CH2"}));
  EXPECT_TRUE(BoxesFrom(before).empty());
}

// Assignments are keys without regard to letter case; Replace may keep its own.
TEST_F(NmrEditorTest, DuplicatesAndReplace) {
  WriteTable("enhnmr.dat", RecordTable({MethylH, Aromatic}));
  const std::size_t before = driver.MessageBoxes().size();
  std::vector<std::string> entries;
  InEditor(Join({Choose(NmrListId, 0),
                 Enter({{NmrAssignmentFieldId, "ar-h"}, {NmrToleranceFieldId, "0.2"}}),
                 Clicks({NmrBeforeId, ReplaceNmrRecordId}),
                 Choose(NmrListId, 1),
                 Clicks({ReplaceNmrRecordId}),
                 {[&] { entries = Items(NmrListId); }}}));
  EXPECT_EQ(BoxesFrom(before),
            std::vector<std::string>(
                2, "TAVRIN: DUPLICATION WARNING\n\nIllegal attempt to duplicate existing\nlist box element!\n\n"));
  EXPECT_EQ(entries, (std::vector<std::string>{"CH3-C", "ar-h"}));
  EXPECT_EQ(ReadTable("enhnmr.dat"), RecordTable({MethylH, NmrRecord("ar-h", "", "0.2", {})}));
}

// A double click fills all 48 fields from the first record of its assignment; erase empties them.
TEST_F(NmrEditorTest, DoubleClickShowsEveryFieldAndEraseEmptiesThem) {
  std::vector<std::string> shifts;
  for (int i = 0; i < 45; ++i) shifts.push_back(std::to_string(i) + ".5");
  WriteTable("encnmr.dat", RecordTable({MethylH, NmrRecord("C=O", "carbonyl", "5", shifts)}));
  SpectralKind = C13SpectralKind;
  std::vector<std::string> shown;
  std::vector<std::string> erased;
  auto read = [&](std::vector<std::string>& into) {
    return Steps{[&] {
      into = {Text(NmrAssignmentFieldId), Text(NmrCommentFieldId), Text(NmrToleranceFieldId)};
      for (int i = 0; i < 45; ++i) into.push_back(Text(FirstShiftFieldId + i));
    }};
  };
  InEditor(Join({Show(NmrListId, 1), read(shown), Clicks({EraseNmrFieldsId}), read(erased)}));
  std::vector<std::string> expected{"C=O", "carbonyl", "5"};
  expected.insert(expected.end(), shifts.begin(), shifts.end());
  EXPECT_EQ(shown, expected);
  EXPECT_EQ(erased, std::vector<std::string>(48, ""));
}

}  // namespace
