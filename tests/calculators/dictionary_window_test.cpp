#include "calculators/dictionary_window.h"

#include <filesystem>
#include <string>
#include <utility>
#include <vector>

#include "engine/records/table_editor.h"
#include "platform/win/control_constants.h"
#include "resources/dictionary_ids.h"
#include "tests/support/failing_rename.h"
#include "engine/settings/settings.h"
#include "tests/support/tool_window_fixture.h"

namespace {

using Entries = std::vector<std::pair<std::string, std::string>>;

// A glossary as the program writes it: an opening separator line, then per word its nine lines
// (the word, an empty line, the explanation with BEL for each line break, six empty lines) and a
// separator line.
std::string Glossary(const Entries& entries) {
  std::string text = "\\\n";
  for (const auto& [word, explanation] : entries) text += word + "\n\n" + explanation + "\n\n\n\n\n\n\n\\\n";
  return text;
}

// One empty record: what a glossary holds once its last word is deleted.
const std::string EmptyGlossary = "\\\n\n\n\n\n\n\n\n\n\n\\\n";

const Entries ThreeWords{{"Atom", "The smallest part of an element.\aIt has a nucleus and electrons."},
                         {"Ion", "An atom or molecule with a charge."},
                         {"Mole", "Amount of substance:\t6.02214076E23 particles."}};
const std::pair<std::string, std::string> Acid{"Acid", "A proton donor."};

std::vector<std::string> WordsOf(const Entries& entries) {
  std::vector<std::string> words;
  for (const auto& entry : entries) words.push_back(entry.first);
  return words;
}

class DictionaryTest : public ToolWindowTest {
 protected:
  void InDictionary(const Steps& steps) { InWindow(OpenDictionaryDialog, steps); }
  void Choose(int index) { SendMessage(driver.FindControl(WordListId), LB_SETCURSEL, static_cast<WPARAM>(index), 0); }
  // A double click on the list's selected word.
  void DoubleClickList() {
    const HWND list = driver.FindControl(WordListId);
    SendMessage(GetParent(list), WM_COMMAND, MAKEWPARAM(WordListId, LBN_DBLCLK), reinterpret_cast<LPARAM>(list));
  }
  void SetField(int id, const std::string& text) { SetWindowText(driver.FindControl(id), text.c_str()); }
  std::vector<std::string> BoxesSince(std::size_t from) const {
    std::vector<std::string> texts;
    for (std::size_t i = from; i < driver.MessageBoxes().size(); ++i)
      texts.push_back(driver.MessageBoxes()[i].caption + ": " + driver.MessageBoxes()[i].text);
    return texts;
  }
};

// A single click only selects; a double click shows the word and its explanation, each BEL a line
// break, a tab kept.
TEST_F(DictionaryTest, ADoubleClickLooksTheSelectedWordUp) {
  WriteTable("enoliste.dat", Glossary(ThreeWords));
  std::vector<std::string> words;
  int selectedAtStart = -2;
  std::vector<std::string> afterSelection;
  std::vector<std::string> afterDoubleClick;
  std::vector<std::string> afterSecond;
  InDictionary({[&] {
                  words = Items(WordListId);
                  selectedAtStart = SelectedIndex(WordListId);
                  driver.Select(WordListId, 2);
                },
                [&] {
                  afterSelection = {Text(WordFieldId), Text(ExplanationFieldId)};
                  DoubleClickList();
                },
                [&] {
                  afterDoubleClick = {Text(WordFieldId), Text(ExplanationFieldId)};
                  driver.Select(WordListId, 0);
                },
                [&] { DoubleClickList(); },
                [&] {
                  afterSecond = {Text(WordFieldId), Text(ExplanationFieldId)};
                }});
  EXPECT_EQ(words, WordsOf(ThreeWords));
  EXPECT_EQ(selectedAtStart, 0);
  EXPECT_EQ(afterSelection, (std::vector<std::string>{"", ""}));
  EXPECT_EQ(afterDoubleClick, (std::vector<std::string>{"Mole", "Amount of substance:\t6.02214076E23 particles."}));
  EXPECT_EQ(afterSecond,
            (std::vector<std::string>{"Atom", "The smallest part of an element.\r\nIt has a nucleus and electrons."}));
  EXPECT_EQ(ReadTable("enoliste.dat"), Glossary(ThreeWords)) << "looking up changes nothing";
}

// Of two records with the same word the first is shown; the comparison counts letter case.
TEST_F(DictionaryTest, TheFirstRecordOfAWordIsShown) {
  WriteTable("enoliste.dat", Glossary({{"ion", "lower case"}, {"Ion", "first"}, {"Ion", "second"}}));
  std::string shown;
  InDictionary({[&] { Choose(2); }, [&] { DoubleClickList(); }, [&] { shown = Text(ExplanationFieldId); }});
  EXPECT_EQ(shown, "first");
}

// Before, After and Replace put the new word in front of, behind and in place of the selected one;
// Delete leaves it out; the file's bytes and the list agree afterwards.
TEST_F(DictionaryTest, ListOperationsRewriteTheGlossary) {
  struct Case {
    const char* what;
    const char* file;  // null: no file
    int selected;
    int button;
    std::string after;  // the file afterwards; "<missing>" for none
    std::vector<std::string> words;
    int selectedAfter;
  };
  const std::string three = Glossary(ThreeWords);
  const std::string one = Glossary({ThreeWords[1]});
  const Case cases[] = {
      {"Before the first",
       three.c_str(),
       0,
       WordBeforeId,
       Glossary({Acid, ThreeWords[0], ThreeWords[1], ThreeWords[2]}),
       {"Acid", "Atom", "Ion", "Mole"},
       0},
      {"After the first",
       three.c_str(),
       0,
       WordAfterId,
       Glossary({ThreeWords[0], Acid, ThreeWords[1], ThreeWords[2]}),
       {"Atom", "Acid", "Ion", "Mole"},
       1},
      {"Replace the first",
       three.c_str(),
       0,
       ReplaceWordId,
       Glossary({Acid, ThreeWords[1], ThreeWords[2]}),
       {"Acid", "Ion", "Mole"},
       0},
      {"Delete the first",
       three.c_str(),
       0,
       DeleteWordId,
       Glossary({ThreeWords[1], ThreeWords[2]}),
       {"Ion", "Mole"},
       0},
      {"Before the last",
       three.c_str(),
       2,
       WordBeforeId,
       Glossary({ThreeWords[0], ThreeWords[1], Acid, ThreeWords[2]}),
       {"Atom", "Ion", "Acid", "Mole"},
       2},
      {"After the last",
       three.c_str(),
       2,
       WordAfterId,
       Glossary({ThreeWords[0], ThreeWords[1], ThreeWords[2], Acid}),
       {"Atom", "Ion", "Mole", "Acid"},
       3},
      {"Replace the last",
       three.c_str(),
       2,
       ReplaceWordId,
       Glossary({ThreeWords[0], ThreeWords[1], Acid}),
       {"Atom", "Ion", "Acid"},
       2},
      {"Delete the last", three.c_str(), 2, DeleteWordId, Glossary({ThreeWords[0], ThreeWords[1]}), {"Atom", "Ion"}, 1},
      {"Before the only", one.c_str(), 0, WordBeforeId, Glossary({Acid, ThreeWords[1]}), {"Acid", "Ion"}, 0},
      {"After the only", one.c_str(), 0, WordAfterId, Glossary({ThreeWords[1], Acid}), {"Ion", "Acid"}, 1},
      {"Replace the only", one.c_str(), 0, ReplaceWordId, Glossary({Acid}), {"Acid"}, 0},
      // The last word deleted leaves one empty record, listed as an empty word, behind which the
      // next word goes.
      {"Delete the only", one.c_str(), 0, DeleteWordId, EmptyGlossary, {""}, 0},
      {"After the empty record",
       EmptyGlossary.c_str(),
       0,
       WordAfterId,
       EmptyGlossary + Glossary({Acid}).substr(2),
       {"", "Acid"},
       1},
      {"Delete the empty record", EmptyGlossary.c_str(), 0, DeleteWordId, EmptyGlossary, {""}, 0},
      // A missing, empty or separator-only file takes its first word with the opening separator.
      {"After in a missing file", nullptr, LB_ERR, WordAfterId, Glossary({Acid}), {"Acid"}, 0},
      {"Before in an empty file", "", LB_ERR, WordBeforeId, Glossary({Acid}), {"Acid"}, 0},
      {"Replace in a separator-only file", "\\\n", LB_ERR, ReplaceWordId, Glossary({Acid}), {"Acid"}, 0},
      {"Delete in a missing file", nullptr, LB_ERR, DeleteWordId, "<missing>", {}, LB_ERR},
      {"Delete in an empty file", "", LB_ERR, DeleteWordId, "", {}, LB_ERR},
  };
  for (const Case& example : cases) {
    std::filesystem::remove(TablePath("enoliste.dat"));
    if (example.file != nullptr) WriteTable("enoliste.dat", example.file);
    std::vector<std::string> words;
    int selected = -2;
    const std::size_t boxes = driver.MessageBoxes().size();
    InDictionary({[&] {
                    if (example.selected >= 0) Choose(example.selected);
                    driver.Type(WordFieldId, Acid.first);
                  },
                  [&] { driver.Type(ExplanationFieldId, Acid.second); }, [&] { driver.Click(example.button); },
                  [&] {
                    words = Items(WordListId);
                    selected = SelectedIndex(WordListId);
                  }});
    EXPECT_EQ(ReadTable("enoliste.dat"), example.after) << example.what;
    EXPECT_EQ(words, example.words) << example.what;
    EXPECT_EQ(selected, example.selectedAfter) << example.what;
    EXPECT_EQ(BoxesSince(boxes), std::vector<std::string>{}) << example.what;
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(TablePath("").parent_path()),
                            std::filesystem::directory_iterator()),
              example.file == nullptr && example.after == "<missing>" ? 0 : 1)
        << example.what << ": no temporary file is left";
  }
}

// An explanation typed over three lines with a tab is stored on one line, each break a BEL and the
// carriage returns dropped, and shown again as typed.
TEST_F(DictionaryTest, LineBreaksAndTabsSurviveStoringAndShowing) {
  WriteTable("enoliste.dat", Glossary({ThreeWords[0]}));
  std::string shown;
  InDictionary({[&] { driver.Type(WordFieldId, "Buffer"); },
                [&] { driver.Type(ExplanationFieldId, "Resists pH change.\rpH = pKa +\tlog(A/HA)\rSee: pKa"); },
                [&] { driver.Click(WordAfterId); }, [&] { driver.Click(EraseDictionaryFieldsId); },
                [&] { DoubleClickList(); }, [&] { shown = Text(ExplanationFieldId); }});
  EXPECT_EQ(ReadTable("enoliste.dat"),
            Glossary({ThreeWords[0], {"Buffer", "Resists pH change.\apH = pKa +\tlog(A/HA)\aSee: pKa"}}));
  EXPECT_EQ(shown, "Resists pH change.\r\npH = pKa +\tlog(A/HA)\r\nSee: pKa");
}

// An explanation of 3996 characters is stored whole; of one more, the last is cut off when the
// field is read.
TEST_F(DictionaryTest, ExplanationsKeepAtMost3996Characters) {
  for (const std::size_t length : {std::size_t{3996}, std::size_t{3997}}) {
    WriteTable("enoliste.dat", Glossary({ThreeWords[0]}));
    std::string explanation(length - 1, 'x');
    explanation += 'z';
    InDictionary({[&] {
                    driver.Type(WordFieldId, "Long");
                    SetField(ExplanationFieldId, explanation);
                  },
                  [&] { driver.Click(WordAfterId); }});
    EXPECT_EQ(ReadTable("enoliste.dat"), Glossary({ThreeWords[0], {"Long", explanation.substr(0, 3996)}})) << length;
  }
}

// A stored explanation near the limit, with line breaks, is shown so that the field reads it back
// whole: Replace with what is shown leaves the file as it was.
TEST_F(DictionaryTest, AnExplanationShownNearTheLimitIsStoredBackWhole) {
  std::string stored;
  while (stored.size() < 3990) stored += "0123456789\a";
  stored.resize(3990);
  const std::string shown = ShownExplanation(stored);
  EXPECT_LE(shown.size(), 3996u);
  EXPECT_EQ(StoredFieldText(shown), stored);
  EXPECT_EQ(ShownExplanation("a\ab"), "a\r\nb");

  const std::string original = Glossary({{"Long", stored}});
  WriteTable("enoliste.dat", original);
  InDictionary({[&] { DoubleClickList(); }, [&] { driver.Click(ReplaceWordId); }});
  EXPECT_EQ(ReadTable("enoliste.dat"), original);
}

// A leading backslash would open a record: in the word and in the explanation it becomes a blank,
// in the file and in the field.
TEST_F(DictionaryTest, ALeadingBackslashBecomesABlank) {
  WriteTable("enoliste.dat", Glossary({ThreeWords[0]}));
  std::vector<std::string> fields;
  InDictionary({[&] { driver.Type(WordFieldId, "\\Salt"); }, [&] { driver.Type(ExplanationFieldId, "\\NaCl"); },
                [&] { driver.Click(WordAfterId); },
                [&] {
                  fields = {Text(WordFieldId), Text(ExplanationFieldId)};
                }});
  EXPECT_EQ(ReadTable("enoliste.dat"), Glossary({ThreeWords[0], {" Salt", " NaCl"}}));
  EXPECT_EQ(fields, (std::vector<std::string>{" Salt", " NaCl"}));
}

// A word that differs from a listed one only in letter case is a duplicate, except on Replace of
// that very entry; without a selection nothing is added. Refusals write nothing and keep the fields.
TEST_F(DictionaryTest, RefusalsWriteNothingAndSayWhyInTheirLanguage) {
  struct Case {
    int language;
    const char* file;
    std::string duplicate;
    std::string highlight;
  };
  const Case cases[] = {
      {EnglishLanguage, "enoliste.dat",
       "TAVRIN: DUPLICATION WARNING\n\nIllegal attempt to duplicate existing\nlist box word!\n\n",
       "TAVRIN: MISSING HIGHLIGHT\n\nOne of the list box elements must be\nhighlighted before using add/delete "
       "options!"},
      {NorwegianLanguage, "nooliste.dat",
       "TAVRIN: DUPLIKASJONSADVARSEL\n\nFors\xF8k p\xE5 \xE5 tilf\xF8re listen et ord\nsom fra f\xF8r befinner seg i "
       "listen!\n\n",
       "TAVRIN: LISTETILF\xD8RINGSFEIL\n\nEtt listeelement m\xE5 v\xE6re merket\nved listetilf\xF8yning!"},
  };
  for (const Case& example : cases) {
    Language scope(example.language);
    const std::string original = Glossary(ThreeWords);
    WriteTable(example.file, original);
    const std::size_t boxes = driver.MessageBoxes().size();
    std::vector<std::string> fields;
    InDictionary({[&] {
                    Choose(0);
                    driver.Type(WordFieldId, "iON");
                  },
                  [&] { driver.Type(ExplanationFieldId, "kept"); }, [&] { driver.Click(WordBeforeId); },
                  [&] { driver.Click(WordAfterId); }, [&] { driver.Click(ReplaceWordId); }, [&] { Choose(-1); },
                  [&] { driver.Click(WordAfterId); }, [&] { driver.Click(DeleteWordId); },
                  [&] {
                    fields = {Text(WordFieldId), Text(ExplanationFieldId)};
                  }});
    EXPECT_EQ(ReadTable(example.file), original);
    EXPECT_EQ(fields, (std::vector<std::string>{"iON", "kept"}));
    EXPECT_EQ(BoxesSince(boxes), (std::vector<std::string>{example.duplicate, example.duplicate, example.duplicate,
                                                           example.highlight, example.highlight}));
  }
}

TEST_F(DictionaryTest, ReplaceMayKeepItsOwnWordInAnotherCase) {
  WriteTable("enoliste.dat", Glossary(ThreeWords));
  InDictionary({[&] {
                  Choose(1);
                  driver.Type(WordFieldId, "ION");
                },
                [&] { driver.Type(ExplanationFieldId, "A charged particle."); }, [&] { driver.Click(ReplaceWordId); }});
  EXPECT_EQ(ReadTable("enoliste.dat"), Glossary({ThreeWords[0], {"ION", "A charged particle."}, ThreeWords[2]}));
  EXPECT_TRUE(driver.MessageBoxes().empty());
}

// LanguageCode 44 reads and writes only enoliste.dat; any other code only nooliste.dat.
TEST_F(DictionaryTest, TheGlossaryOfTheLanguage) {
  const std::string english = Glossary({{"Acid", "A proton donor."}});
  const std::string norwegian = Glossary({{"Syre", "En protondonor."}});
  struct Case {
    int language;
    const char* written;
    const char* untouched;
    std::string caption;
    std::string before;
  };
  const Case cases[] = {
      {EnglishLanguage, "enoliste.dat", "nooliste.dat", "DICTIONARY", "Before"},
      {NorwegianLanguage, "nooliste.dat", "enoliste.dat", "ORDLISTE", "F\xF8r"},
      {45, "nooliste.dat", "enoliste.dat", "ORDLISTE", "F\xF8r"},
  };
  for (const Case& example : cases) {
    Language scope(example.language);
    WriteTable("enoliste.dat", english);
    WriteTable("nooliste.dat", norwegian);
    const std::string untouched = ReadTable(example.untouched);
    const std::string written = ReadTable(example.written);
    std::vector<std::string> words;
    std::string caption;
    std::string before;
    InDictionary({[&] {
                    words = Items(WordListId);
                    caption = driver.WindowCaption().value_or("");
                    before = Text(WordBeforeId);
                    driver.Type(WordFieldId, "Base");
                  },
                  [&] { driver.Click(WordAfterId); }});
    EXPECT_EQ(words, std::vector<std::string>{written == english ? "Acid" : "Syre"}) << example.language;
    EXPECT_EQ(ReadTable(example.untouched), untouched) << example.language;
    EXPECT_EQ(ReadTable(example.written), written + Glossary({{"Base", ""}}).substr(2)) << example.language;
    EXPECT_EQ(caption, example.caption);
    EXPECT_EQ(before, example.before);
  }
}

// A glossary that cannot be put in place stays as it was, also when its last word is deleted, and
// the list is kept; a message says so.
TEST_F(DictionaryTest, AFailedRewriteLeavesTheGlossaryAsItWas) {
  const std::string original = Glossary({ThreeWords[1]});
  WriteTable("enoliste.dat", original);
  std::vector<std::vector<std::string>> lists;
  const std::size_t boxes = driver.MessageBoxes().size();
  Steps steps{[&] {
    driver.Type(WordFieldId, "Acid");
    FailRenames = true;
  }};
  for (int button : {WordAfterId, ReplaceWordId, DeleteWordId}) {
    steps.push_back([&, button] { driver.Click(button); });
    steps.push_back([&] { lists.push_back(Items(WordListId)); });
  }
  steps.push_back([&] { FailRenames = false; });
  InDictionary(steps);
  EXPECT_EQ(ReadTable("enoliste.dat"), original);
  for (const auto& list : lists) EXPECT_EQ(list, std::vector<std::string>{"Ion"});
  const std::string failed = "TAVRIN: FILE ERROR\n\nThe table could not be written\nand is unchanged!";
  EXPECT_EQ(BoxesSince(boxes), (std::vector<std::string>{failed, failed, failed}));
}

TEST_F(DictionaryTest, Snapshots) {
  WriteTable("enoliste.dat", Glossary(ThreeWords));
  WriteTable("nooliste.dat", Glossary({{"Atom",
                                        "Den minste delen av et grunnstoff.\aDen har en kjerne og "
                                        "elektroner."},
                                       {"Ion", "Et atom eller molekyl med ladning."},
                                       {"Mol", "Stoffmengde:\t6,02214076E23 partikler."}}));
  for (const auto& [code, file] : {std::pair{44, "ordliste-en.png"}, std::pair{47, "ordliste-no.png"}}) {
    Language language(code);
    bool written = false;
    InDictionary(
        {[&] { DoubleClickList(); }, [&] { written = driver.Snapshot(std::string(TAVRIN_OUTPUT_DIR) + "/" + file); }});
    EXPECT_TRUE(written) << driver.LastError();
  }
}

}  // namespace
