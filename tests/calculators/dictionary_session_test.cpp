#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "resources/indicator_chart_ids.h"
#include "resources/menu_commands.h"
#include "resources/dictionary_ids.h"
#include "tests/app/session_runner.h"
#include "tests/app/settings_fixture.h"

namespace {

namespace fs = std::filesystem;

std::string Step(const std::string& verb, int id, const std::string& rest = "") {
  return verb + " " + std::to_string(id) + (rest.empty() ? "" : " " + rest) + "\n";
}

class ReferenceSessionTest : public ::testing::Test {
 protected:
  ReferenceSessionTest() { fs::create_directories(Glossary("").parent_path()); }
  fs::path Glossary(const std::string& name) const { return folder.Path() / "dats" / "datfiles" / "atomdata" / name; }
  std::string Read(const std::string& name) const {
    std::ifstream file(Glossary(name), std::ios::binary);
    std::ostringstream text;
    text << file.rdbuf();
    return text.str();
  }
  SessionResult Run(const std::string& language, const std::string& script) {
    folder.WriteSettings(SettingsText(language, "0"));
    return RunSession(folder.Path(), script);
  }
  WorkingFolder folder;
};

const std::vector<std::string> Words = {"Acid",      "Atom",      "Base", "Buffer",   "Catalyst",   "Electrolysis",
                                        "Enthalpy",  "Entropy",   "Ion",  "Isotope",  "Molar mass", "Mole",
                                        "Oxidation", "Reduction", "Salt", "Titration"};

std::string Explanation(const std::string& word) { return "What " + word + " means.\aSee also: Atom"; }

std::string GlossaryText(const std::vector<std::string>& words) {
  std::string text = "\\\n";
  for (const std::string& word : words) text += word + "\n\n" + Explanation(word) + "\n\n\n\n\n\n\n\\\n";
  return text;
}

// Search, Dictionary: a double click on a word of the list shows its explanation, each BEL a line
// break; a new word added "After" goes behind it, with the explanation the field shows, into the
// glossary of the language.
TEST_F(ReferenceSessionTest, DictionaryLooksUpAndAddsWords) {
  struct Case {
    const char* language;
    const char* file;
    const char* caption;
  };
  for (const Case& example : {Case{"44", "enoliste.dat", "DICTIONARY"}, Case{"47", "nooliste.dat", "ORDLISTE"}}) {
    std::ofstream(Glossary(example.file), std::ios::binary) << GlossaryText(Words);
    const SessionResult result = Run(
        example.language, Step("menu", DictionaryCommand) + "window\n" + Step("dblclick", WordListId) +
                              Step("text", WordFieldId) + Step("text", ExplanationFieldId) +
                              Step("type", WordFieldId, "Zwitterion") + Step("click", WordAfterId) + "key Escape\n");
    EXPECT_EQ(result.exitCode, 0) << example.language;
    ASSERT_EQ(result.lines.size(), 3u) << example.language;
    EXPECT_EQ(result.lines[0], std::string("window: ") + example.caption + ": ORDLISTE");
    const std::string wordLine = "text " + std::to_string(WordFieldId) + ": ";
    ASSERT_TRUE(result.lines[1].starts_with(wordLine));
    const std::string word = result.lines[1].substr(wordLine.size());
    const auto found = std::find(Words.begin(), Words.end(), word);
    ASSERT_NE(found, Words.end()) << "the double click hit the word " << word;
    EXPECT_EQ(result.lines[2],
              "text " + std::to_string(ExplanationFieldId) + ": What " + word + " means.\\nSee also: Atom");
    std::vector<std::string> after(Words.begin(), found + 1);
    after.push_back("Zwitterion");
    after.insert(after.end(), found + 1, Words.end());
    std::string expected = GlossaryText(after);
    // The new word takes the explanation shown in the field, stored back with its BEL.
    expected.replace(expected.find(Explanation("Zwitterion")), Explanation("Zwitterion").size(), Explanation(word));
    EXPECT_EQ(Read(example.file), expected) << example.language;
  }
}

// Table, Indicators: the chart in both languages, and a picture of it.
TEST_F(ReferenceSessionTest, IndicatorChartThroughTheMenu) {
  for (const auto& [language, caption, litmus] :
       {std::tuple{"44", "INDICATORS", "Litmus"}, std::tuple{"47", "INDIKATORER", "Lakmus          "}}) {
    const fs::path picture = fs::path(TAVRIN_OUTPUT_DIR) / (std::string("indikatorer-session-") + language + ".png");
    fs::remove(picture);
    const SessionResult result =
        Run(language, Step("menu", IndicatorsCommand) + "window\n" + Step("text", FirstIndicatorNameId + 2) +
                          "snapshot " + picture.string() + "\n" + Step("click", IndicatorsCloseId) + "window\n");
    EXPECT_EQ(result.exitCode, 0);
    EXPECT_EQ(result.lines,
              (std::vector<std::string>{std::string("window: ") + caption + ": INDIKATORER",
                                        "text " + std::to_string(FirstIndicatorNameId + 2) + ": " + litmus,
                                        "window: TAVRIN: CLIENT"}));
    EXPECT_TRUE(fs::exists(picture)) << language;
  }
}

}  // namespace
