#include <gtest/gtest.h>

#include <filesystem>
#include <optional>

#include "tests/calculators/balancing_fixture.h"
#include "tests/support/file_size_limit.h"
#include "resources/balancing_ids.h"
#include "engine/records/record_file.h"

namespace {

const std::string A = "H2+O2>H2O";
const std::string B = "N2+H2>NH3";
const std::string C = "C+O2>CO2";
const std::string X = "CH4+O2>CO2+H2O";
const std::vector<std::string> ThreeEntries = {A, B, C};

const std::string MissingHighlightEnglish =
    "MISSING HIGHLIGHT\n\nOne of the list box elements must be\nhighlighted during add/delete!";
const std::string MissingHighlightNorwegian =
    "LISTETILF\xD8RINGSFEIL\n\nEtt listeelement m\xE5 v\xE6re merket\nved listetilf\xF8yning!";
const std::string DuplicateEnglish =
    "DUPLICATION WARNING\n\nIllegal attempt to duplicate existing\nlist box equation!\n\n";
const std::string DuplicateNorwegian =
    "DUPLIKASJONSADVARSEL\n\nFors\xF8k p\xE5 \xE5 tilf\xF8re listen en ligning\nsom fra f\xF8r befinner seg i "
    "listen!\n\n";

enum class ListStart { Missing, EmptyFile, Lines };

struct EditCase {
  const char* what;
  ListStart start;
  std::vector<std::string> initial;
  int select;  // -1: the list is empty, nothing to click
  int button;
  std::string typed;
  std::vector<std::string> items;  // the list, and the file's lines, afterwards
  int selected;
};

// Every operation on the first, middle, last and only entry and on an empty list: the list shows
// what the file holds, line for line, and the selection follows the changed entry.
TEST_F(BalanceWindowTest, EachOperationRewritesTheFileAsTheListShowsIt) {
  const EditCase cases[] = {
      {"before the first", ListStart::Lines, ThreeEntries, 0, AddBeforeId, X, {X, A, B, C}, 0},
      {"before the last", ListStart::Lines, ThreeEntries, 2, AddBeforeId, X, {A, B, X, C}, 2},
      {"after the first", ListStart::Lines, ThreeEntries, 0, AddAfterId, X, {A, X, B, C}, 1},
      {"after the last", ListStart::Lines, ThreeEntries, 2, AddAfterId, X, {A, B, C, X}, 3},
      {"replace the first", ListStart::Lines, ThreeEntries, 0, ReplaceEquationId, X, {X, B, C}, 0},
      {"replace the middle", ListStart::Lines, ThreeEntries, 1, ReplaceEquationId, X, {A, X, C}, 1},
      {"replace the last", ListStart::Lines, ThreeEntries, 2, ReplaceEquationId, X, {A, B, X}, 2},
      {"delete the first", ListStart::Lines, ThreeEntries, 0, DeleteEquationId, A, {B, C}, 0},
      {"delete the middle", ListStart::Lines, ThreeEntries, 1, DeleteEquationId, B, {A, C}, 1},
      {"delete the last", ListStart::Lines, ThreeEntries, 2, DeleteEquationId, C, {A, B}, 1},
      {"before the only", ListStart::Lines, {A}, 0, AddBeforeId, X, {X, A}, 0},
      {"after the only", ListStart::Lines, {A}, 0, AddAfterId, X, {A, X}, 1},
      {"replace the only", ListStart::Lines, {A}, 0, ReplaceEquationId, X, {X}, 0},
      {"delete the only", ListStart::Lines, {A}, 0, DeleteEquationId, A, {}, -1},
      {"before, no file", ListStart::Missing, {}, -1, AddBeforeId, X, {X}, 0},
      {"after, empty file", ListStart::EmptyFile, {}, -1, AddAfterId, X, {X}, 0},
      {"replace, empty file", ListStart::EmptyFile, {}, -1, ReplaceEquationId, X, {X}, 0},
      {"replace, no file", ListStart::Missing, {}, -1, ReplaceEquationId, X, {X}, 0},
  };
  for (const EditCase& example : cases) {
    SCOPED_TRACE(example.what);
    std::filesystem::remove_all(folder.Path() / "dats" / "datfiles");
    if (example.start == ListStart::Missing) {
      std::filesystem::create_directories(ListPath().parent_path());
    } else {
      WriteList(example.initial);
    }
    ListFileChanged = 0;
    std::vector<ListState> states;
    if (example.select >= 0) {
      SelectAndType(example.select, example.typed);
    } else {
      Step([&] { driver.Type(EquationFieldId, example.typed); });
    }
    Step([&] { EXPECT_TRUE(driver.Click(example.button)) << driver.LastError(); });
    Record(states);
    RunWindow(47);

    ASSERT_EQ(states.size(), 1u);
    EXPECT_EQ(states[0].items, example.items);
    EXPECT_EQ(states[0].selected, example.selected);
    EXPECT_EQ(ReadList(), Lines(example.items));
    EXPECT_EQ(ListFileChanged, 1);
    EXPECT_TRUE(driver.MessageBoxes().empty());
  }
}

// Nothing to delete: no file is made or changed, and still the list counts as rewritten.
TEST_F(BalanceWindowTest, DeleteOnAnEmptyListChangesNothingButSetsTheFlag) {
  for (ListStart start : {ListStart::Missing, ListStart::EmptyFile}) {
    std::filesystem::remove_all(folder.Path() / "dats" / "datfiles");
    std::filesystem::create_directories(ListPath().parent_path());
    if (start == ListStart::EmptyFile) WriteList({});
    const auto before = ReadList();
    ListFileChanged = 0;
    std::vector<ListState> states;
    Step([&] { driver.Click(DeleteEquationId); });
    Record(states);
    RunWindow(47);
    ASSERT_EQ(states.size(), 1u);
    EXPECT_TRUE(states[0].items.empty());
    EXPECT_EQ(ReadList(), before);
    EXPECT_EQ(ListFileChanged, 1);
  }
  EXPECT_TRUE(driver.MessageBoxes().empty());
}

// An entry is stored and shown exactly as typed: blanks and a leading backslash stay.
TEST_F(BalanceWindowTest, AnEntryKeepsItsBlanksAndALeadingBackslash) {
  WriteList({A});
  std::vector<ListState> states;
  SelectAndType(0, "2H2 + O2  >  2H2O");
  Step([&] { driver.Click(AddAfterId); });
  Step([&] { driver.Type(EquationFieldId, "\\N2+H2>NH3"); });
  Step([&] { driver.Click(AddAfterId); });
  Record(states);
  RunWindow(47);
  ASSERT_EQ(states.size(), 1u);
  EXPECT_EQ(states[0].items, (std::vector<std::string>{A, "2H2 + O2  >  2H2O", "\\N2+H2>NH3"}));
  EXPECT_EQ(ReadList(), Lines({A, "2H2 + O2  >  2H2O", "\\N2+H2>NH3"}));
}

struct RefusalCase {
  const char* what;
  int select;
  int button;
  std::string typed;
};

// A text already in the list, letter case ignored, is refused on Before and After, and on Replace
// when it is another entry's; the list, the file and the flag stay as they were.
TEST_F(BalanceWindowTest, ADuplicateIsRefusedInEitherLanguage) {
  const RefusalCase cases[] = {
      {"before, other case", 2, AddBeforeId, "h2+o2>h2o"},
      {"after, same text", 0, AddAfterId, C},
      {"after its own entry", 1, AddAfterId, B},
      {"replace by another entry's text", 1, ReplaceEquationId, "C+o2>co2"},
  };
  for (const auto& [language, message] : {std::pair{44, DuplicateEnglish}, std::pair{47, DuplicateNorwegian}}) {
    for (const RefusalCase& example : cases) {
      SCOPED_TRACE(std::string(example.what) + " " + std::to_string(language));
      WriteList(ThreeEntries);
      ListFileChanged = 0;
      const std::size_t boxesBefore = driver.MessageBoxes().size();
      std::vector<ListState> states;
      SelectAndType(example.select, example.typed);
      Step([&] { driver.Click(example.button); });
      Record(states);
      RunWindow(language);
      ASSERT_EQ(driver.MessageBoxes().size(), boxesBefore + 1);
      EXPECT_EQ(driver.MessageBoxes().back().caption, "TAVRIN");
      EXPECT_EQ(driver.MessageBoxes().back().text, message);
      ASSERT_EQ(states.size(), 1u);
      EXPECT_EQ(states[0].items, ThreeEntries);
      EXPECT_EQ(states[0].selected, example.select);
      EXPECT_EQ(ReadList(), Lines(ThreeEntries));
      EXPECT_EQ(ListFileChanged, 0);
    }
  }
}

// Replace with the selected entry's own text in another letter case rewrites that line in place.
TEST_F(BalanceWindowTest, ReplaceMayChangeTheLetterCaseOfTheSelectedEntry) {
  WriteList(ThreeEntries);
  std::vector<ListState> states;
  SelectAndType(2, "c+o2>co2");
  Step([&] { driver.Click(ReplaceEquationId); });
  Record(states);
  RunWindow(44);
  ASSERT_EQ(states.size(), 1u);
  EXPECT_EQ(states[0].items, (std::vector<std::string>{A, B, "c+o2>co2"}));
  EXPECT_EQ(states[0].selected, 2);
  EXPECT_EQ(ReadList(), Lines({A, B, "c+o2>co2"}));
  EXPECT_TRUE(driver.MessageBoxes().empty());
}

// A list with entries but none selected refuses every operation with a message in the language.
TEST_F(BalanceWindowTest, WithoutASelectedEntryEveryOperationIsRefused) {
  for (const auto& [language, message] :
       {std::pair{44, MissingHighlightEnglish}, std::pair{47, MissingHighlightNorwegian}}) {
    for (int button : {AddBeforeId, AddAfterId, ReplaceEquationId, DeleteEquationId}) {
      SCOPED_TRACE(std::to_string(language) + " " + std::to_string(button));
      WriteList(ThreeEntries);
      ListFileChanged = 0;
      const std::size_t boxesBefore = driver.MessageBoxes().size();
      std::vector<ListState> states;
      Step([&] { driver.Type(EquationFieldId, X); });
      Step([&] { ::SendMessage(driver.FindControl(EquationListId), LB_SETCURSEL, static_cast<WPARAM>(-1), 0); });
      Step([&] { driver.Click(button); });
      Record(states);
      RunWindow(language);
      ASSERT_EQ(driver.MessageBoxes().size(), boxesBefore + 1);
      EXPECT_EQ(driver.MessageBoxes().back().text, message);
      ASSERT_EQ(states.size(), 1u);
      EXPECT_EQ(states[0].items, ThreeEntries);
      EXPECT_EQ(states[0].selected, -1);
      EXPECT_EQ(ReadList(), Lines(ThreeEntries));
    }
  }
}

// Selecting an entry puts it into the equation field and calculates nothing.
TEST_F(BalanceWindowTest, SelectingAnEntryOnlyFillsTheEquationField) {
  WriteList(ThreeEntries);
  std::vector<ListState> states;
  std::vector<std::string> results;
  Step([&] { driver.Select(EquationListId, 1); });
  Record(states);
  Step([&] { results.push_back(driver.Text(BalancedEquationId).value_or("?")); });
  RunWindow(47);
  ASSERT_EQ(states.size(), 1u);
  EXPECT_EQ(states[0].field, B);
  EXPECT_EQ(states[0].selected, 1);
  EXPECT_EQ(results, std::vector<std::string>{""});
}

// A rewrite that cannot be written leaves the old file and the list as they were and says so.
TEST_F(BalanceWindowTest, ARewriteThatCannotWriteLeavesFileAndListAsTheyWere) {
  const std::string message = "FILE ERROR\n\nThe table could not be written\nand is unchanged!";
  // Forty entries make a file well past the limit below; any rewrite of it must fail.
  std::vector<std::string> many;
  for (int i = 1; i <= 40; ++i)
    many.push_back("C" + std::to_string(i) + "H" + std::to_string(2 * i + 2) + "+O2>CO2+H2O");
  const std::string manyFile = Lines(many);
  ASSERT_GT(manyFile.size(), 600u);
  for (int button : {AddBeforeId, AddAfterId, ReplaceEquationId, DeleteEquationId}) {
    SCOPED_TRACE(button);
    WriteList(many);
    ListFileChanged = 0;
    const std::size_t boxesBefore = driver.MessageBoxes().size();
    std::vector<ListState> states;
    SelectAndType(3, X);
    Record(states);
    // The click is taken by the window's loop after its step, so the limit spans three steps.
    std::optional<FileSizeLimit> limit;
    Step([&] { limit.emplace(512); });
    Step([&] { driver.Click(button); });
    Step([&] { limit.reset(); });
    Record(states);
    RunWindow(44);
    ASSERT_EQ(driver.MessageBoxes().size(), boxesBefore + 1);
    EXPECT_EQ(driver.MessageBoxes().back().text, message);
    ASSERT_EQ(states.size(), 2u);
    EXPECT_EQ(states[1].items, many);
    EXPECT_EQ(states[1], states[0]);
    EXPECT_EQ(ReadList(), manyFile);
    EXPECT_EQ(ListFileChanged, 1);
    for (const auto& entry : std::filesystem::directory_iterator(ListPath().parent_path())) {
      EXPECT_EQ(entry.path().filename(), "balequ.dat");
    }
  }
}

// A list file marked read-only reads as no list, and an add neither changes it nor shows the entry.
TEST_F(BalanceWindowTest, AReadOnlyListFileIsShownButNotChanged) {
  WriteList(ThreeEntries);
  std::filesystem::permissions(ListPath(), std::filesystem::perms::owner_read | std::filesystem::perms::group_read);
  std::vector<ListState> states;
  Record(states);
  Step([&] { driver.Type(EquationFieldId, X); });
  Step([&] { driver.Click(AddAfterId); });
  Record(states);
  RunWindow(47);
  ASSERT_EQ(states.size(), 2u);
  EXPECT_EQ(states[0].items, ThreeEntries);
  EXPECT_EQ(states[1].items, ThreeEntries);
  EXPECT_EQ(states[1].selected, 0);
  ASSERT_EQ(driver.MessageBoxes().size(), 1u);
  EXPECT_EQ(driver.MessageBoxes().back().text, "FILFEIL\n\nTabellen kunne ikke skrives\nog er uendret!");
  EXPECT_EQ(ReadList(), Lines(ThreeEntries));
}

}  // namespace
