#include <numeric>

#include "tests/engine/test_support.h"

namespace {

class ElementText : public WorkFolderTest {
 protected:
  // A text file of four lines per element, the history text on every fourth line.
  static void WriteTexts(const std::string& fileName, const std::vector<std::string>& histories,
                         const std::string& lineEnd = "\n") {
    std::string contents;
    for (std::size_t i = 0; i < histories.size(); ++i) {
      const std::string Z = std::to_string(i + 1);
      contents += "name " + Z + lineEnd + "symbol " + Z + lineEnd + "other " + Z + lineEnd + histories[i];
      if (i + 1 < histories.size()) contents += lineEnd;
    }
    WriteFile("dats/DatFiles/AtomData/" + fileName, contents + lineEnd);
  }

  static std::vector<std::string> Rows(int Z, int width, int* count = nullptr) {
    ElementTextRows rows;
    for (auto& row : rows) row = "stale";
    const int filled = ReadElementText(rows, Z, width);
    if (count) *count = filled;
    for (int row = filled; row < ElementTextRowCount; ++row) EXPECT_EQ(rows[row], "") << "row " << row;
    return {rows.begin(), rows.begin() + filled};
  }
};

TEST_F(ElementText, LanguageChoosesTheFile) {
  WriteTexts("NGRSTOFF.DAT", {"Norsk hydrogen", "Norsk helium"});
  WriteTexts("egrstoff.dat", {"English hydrogen", "English helium"});
  {
    LanguageScope norwegian(47);
    EXPECT_EQ(Rows(2, 65), std::vector<std::string>{"Norsk helium"});
  }
  for (int other : {44, 0}) {
    LanguageScope english(other);
    EXPECT_EQ(Rows(1, 65), std::vector<std::string>{"English hydrogen"});
  }
}

TEST_F(ElementText, RowsBreakAtBlanksBelowTheWidth) {
  LanguageScope english(44);
  WriteTexts("egrstoff.dat", {"aaa bbb ccc dddd", "aaaa bbbb", "aaaa bbbbb", "one  two"});
  EXPECT_EQ(Rows(1, 10), (std::vector<std::string>{"aaa bbb", "ccc dddd"}));
  EXPECT_EQ(Rows(2, 10), (std::vector<std::string>{"aaaa bbbb"}));
  EXPECT_EQ(Rows(3, 10), (std::vector<std::string>{"aaaa", "bbbbb"}));
  EXPECT_EQ(Rows(4, 10), (std::vector<std::string>{"one  two"}));  // blanks are not collapsed
}

TEST_F(ElementText, ParagraphAtTheWindowWidth) {
  LanguageScope english(44);
  std::string text;
  for (int word = 0; text.size() < 1500; ++word) text += (word ? " " : "") + std::string(1 + word % 9, 'a' + word % 26);
  WriteTexts("egrstoff.dat", {text});
  const auto rows = Rows(1, 65);
  ASSERT_GT(rows.size(), 20u);
  std::string joined;
  for (const auto& row : rows) {
    EXPECT_LE(row.size(), 64u);
    EXPECT_NE(row.back(), ' ');
    joined += (joined.empty() ? "" : " ") + row;
  }
  EXPECT_EQ(joined, text);  // broken only at blanks
}

TEST_F(ElementText, WordLongerThanARowIsBroken) {
  LanguageScope english(44);
  WriteTexts("egrstoff.dat", {"abcdefghijklmnopqrstuvwxyz", "ab abcdefghijklmnopqrstuvwxyz yz"});
  EXPECT_EQ(Rows(1, 10), (std::vector<std::string>{"abcdefghi", "jklmnopqr", "stuvwxyz"}));
  EXPECT_EQ(Rows(2, 10), (std::vector<std::string>{"ab", "abcdefghi", "jklmnopqr", "stuvwxyz", "yz"}));
}

TEST_F(ElementText, LongestParagraphStopsAtTheRowLimit) {
  LanguageScope english(44);
  std::string text;
  while (text.size() + 8 <= ElementTextLineLimit) text += "abcdefg ";
  WriteTexts("egrstoff.dat", {text, std::string(ElementTextLineLimit + 500, 'x')});
  int count = 0;
  const auto rows = Rows(1, 65, &count);
  EXPECT_EQ(count, 100);
  for (const auto& row : rows) EXPECT_LE(row.size(), 64u);
  EXPECT_EQ(Rows(2, 67).size(), 100u);
}

TEST_F(ElementText, MissingFileOrLineGivesOneEmptyRow) {
  LanguageScope english(44);
  int count = 0;
  EXPECT_EQ(Rows(1, 65, &count), std::vector<std::string>{""});
  EXPECT_EQ(count, 1);
  WriteTexts("egrstoff.dat", {"Hydrogen text", "Helium text"});
  EXPECT_EQ(Rows(3, 65, &count), std::vector<std::string>{""});
  EXPECT_EQ(Rows(0, 65), std::vector<std::string>{""});
  EXPECT_EQ(Rows(104, 65), std::vector<std::string>{""});
}

TEST_F(ElementText, LastLineWithoutLineFeedKeepsItsLastCharacter) {
  LanguageScope english(44);
  WriteFile("dats/datfiles/atomdata/egrstoff.dat", "a\nb\nc\nHydrogen text");
  EXPECT_EQ(Rows(1, 65), std::vector<std::string>{"Hydrogen text"});
}

TEST_F(ElementText, CrLfFileReadsLikeLf) {
  LanguageScope norwegian(47);
  WriteTexts("ngrstoff.dat", {"f\xF8rste linje", "andre"}, "\r\n");
  EXPECT_EQ(Rows(1, 65), std::vector<std::string>{"f\xF8rste linje"});
  EXPECT_EQ(Rows(2, 65), std::vector<std::string>{"andre"});
}

// History texts as other editors leave them: lone CR line ends, UTF-8, no write permission.
TEST_F(ElementText, EveryLineEndCharacterSetAndAReadOnlyFileReadAlike) {
  LanguageScope norwegian(47);
  for (const std::string end : {"\r", "\r\n", "\n"}) {
    WriteTexts("ngrstoff.dat", {"f\xF8rste linje", "andre"}, end);
    EXPECT_EQ(Rows(2, 65), std::vector<std::string>{"andre"}) << testing::PrintToString(end);
  }
  WriteTexts("ngrstoff.dat", {"f\xC3\xB8rste linje", "andre"});
  EXPECT_EQ(Rows(1, 65), std::vector<std::string>{"f\xF8rste linje"});
  std::filesystem::permissions("dats/DatFiles/AtomData/ngrstoff.dat", std::filesystem::perms::owner_read);
  EXPECT_EQ(Rows(2, 65), std::vector<std::string>{"andre"});
}

TEST(ElementTables, SymbolLookupTakesTheWholeSymbol) {
  EXPECT_EQ(FindElementBySymbol("Co"), 27);
  EXPECT_EQ(FindElementBySymbol("C"), 6);
  EXPECT_EQ(FindElementBySymbol("Lr"), 103);
  EXPECT_EQ(FindElementBySymbol("D"), 0);
  EXPECT_EQ(FindElementBySymbol("Xx"), 0);
  EXPECT_EQ(FindElementBySymbol("co"), 0);
  for (int Z = 1; Z <= ElementCount; ++Z) EXPECT_EQ(FindElementBySymbol(ElementTable[Z - 1].symbol), Z);
}

TEST(ElementTables, IsotopesAreFoundByTheirRoundedMass) {
  EXPECT_EQ(IsotopeMassNumber(13.0034f), 13);
  EXPECT_EQ(IsotopeMassNumber(2.014f), 2);
  EXPECT_EQ(IsotopeMassNumber(15.9949f), 16);
  EXPECT_EQ(FindIsotopeByMassNumber(6, 13), 1);
  EXPECT_EQ(FindIsotopeByMassNumber(6, 14), -1);
  EXPECT_EQ(FindIsotopeByMassNumber(1, 2), DeuteriumIsotopeIndex);
  EXPECT_EQ(FindIsotopeByMassNumber(8, 17), 2);
  EXPECT_EQ(FindIsotopeByMassNumber(43, 98), -1);  // technetium has no stable isotope
  EXPECT_EQ(FindIsotopeByMassNumber(0, 1), -1);
}

TEST_F(ElementText, DeliveredTextsOfEveryElementFitTheWindow) {
  for (const char* name : {"ngrstoff.dat", "egrstoff.dat"}) {
    WriteFile(std::string("dats/datfiles/atomdata/") + name,
              ReadFile(std::filesystem::path(TAVRIN_SOURCE_DIR) / "dats/datfiles/atomdata" / name));
  }
  for (int language : {47, 44}) {
    LanguageScope scope(language);
    for (int Z = 1; Z <= ElementCount; ++Z) {
      const auto rows = Rows(Z, 65);
      ASSERT_FALSE(rows.empty());
      EXPECT_FALSE(rows.front().empty()) << "language " << language << " Z " << Z;
      for (const auto& row : rows) EXPECT_LE(row.size(), 64u) << "Z " << Z;
    }
  }
}

}  // namespace
