#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "resources/indikatorer_ids.h"
#include "resources/menu_commands.h"
#include "resources/ordliste_ids.h"
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

// Search, Dictionary: the word chosen and double-clicked shows its explanation; a new word goes
// behind it into the glossary of the language.
TEST_F(ReferenceSessionTest, DictionaryLooksUpAndAddsWords) {
  struct Case {
    const char* language;
    const char* file;
    const char* caption;
  };
  for (const Case& example : {Case{"44", "enoliste.dat", "DICTIONARY"}, Case{"47", "nooliste.dat", "ORDLISTE"}}) {
    std::ofstream(Glossary(example.file), std::ios::binary)
        << "\\\nAtom\n\nThe smallest part of an element.\aIt has a nucleus.\n\n\n\n\n\n\n\\\n"
           "Ion\n\nA charged particle.\n\n\n\n\n\n\n\\\n";
    const SessionResult result =
        Run(example.language, Step("menu", DictionaryCommand) + "window\n" + Step("items", WordListId) +
                                  Step("select", WordListId, "0") + Step("dblclick", WordListId) +
                                  Step("text", WordFieldId) + Step("text", ExplanationFieldId) +
                                  Step("type", WordFieldId, "Mole") + Step("type", ExplanationFieldId, "6.022E23") +
                                  Step("click", WordAfterId) + Step("items", WordListId) + "key Escape\n");
    EXPECT_EQ(result.exitCode, 0) << example.language;
    const std::string list = "items " + std::to_string(WordListId) + ": ";
    EXPECT_EQ(result.lines,
              (std::vector<std::string>{std::string("window: ") + example.caption + ": ORDLISTE", list + "Atom\\tIon",
                                        "text " + std::to_string(WordFieldId) + ": Atom",
                                        "text " + std::to_string(ExplanationFieldId) +
                                            ": The smallest part of an element.\\nIt has a nucleus.",
                                        list + "Atom\\tMole\\tIon"}))
        << example.language;
    EXPECT_EQ(Read(example.file),
              "\\\nAtom\n\nThe smallest part of an element.\aIt has a nucleus.\n\n\n\n\n\n\n\\\n"
              "Mole\n\n6.022E23\n\n\n\n\n\n\n\\\nIon\n\nA charged particle.\n\n\n\n\n\n\n\\\n")
        << example.language;
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
