#include <gtest/gtest.h>

#include <cctype>
#include <fstream>
#include <iterator>
#include <ostream>
#include <sstream>
#include <string>
#include <vector>

#include "engine/globals.h"

namespace {

constexpr std::size_t LinesPerElement = 4;
// The reader takes lines of at most 6697 characters, line break included.
constexpr std::size_t MaxParagraphLength = 6696;
constexpr int MinWords = 80;
constexpr int MaxWords = 200;

struct HistoryFile {
  const char* name;
  bool norwegian;
};

constexpr HistoryFile HistoryFiles[] = {{"egrstoff.dat", false}, {"ngrstoff.dat", true}};

void PrintTo(const HistoryFile& file, std::ostream* out) { *out << file.name; }

std::string ReadWholeFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::vector<std::string> SplitLines(const std::string& content) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  for (std::size_t end; (end = content.find('\n', start)) != std::string::npos; start = end + 1)
    lines.push_back(content.substr(start, end - start));
  return lines;
}

// Lower case for ASCII and the Windows-1252 capitals A-grave to Thorn.
std::string Folded(const std::string& text) {
  std::string out = text;
  for (char& c : out) {
    const auto byte = static_cast<unsigned char>(c);
    if ((byte >= 'A' && byte <= 'Z') || (byte >= 0xC0 && byte <= 0xDE && byte != 0xD7))
      c = static_cast<char>(byte + 0x20);
  }
  return out;
}

std::string WithoutTrailingBlanks(std::string text) {
  while (!text.empty() && text.back() == ' ') text.pop_back();
  return text;
}

// The part before a parenthesis: running text calls grey arsenic just "arsen".
std::string NameStem(const std::string& name) { return WithoutTrailingBlanks(name.substr(0, name.find('('))); }

bool HasWord(const std::string& text, const std::string& word) {
  const auto isLetter = [](char c) { return std::isalnum(static_cast<unsigned char>(c)) != 0; };
  for (std::size_t at = text.find(word); at != std::string::npos; at = text.find(word, at + 1)) {
    const bool startsWord = at == 0 || !isLetter(text[at - 1]);
    const bool endsWord = at + word.size() == text.size() || !isLetter(text[at + word.size()]);
    if (startsWord && endsWord) return true;
  }
  return false;
}

// Spellings the paragraphs may use besides the program's names.
bool NamesAlternativeSpelling(int z, const std::string& foldedText) {
  const struct {
    int z;
    const char* spelling;
  } spellings[] = {{13, "aluminum"}, {16, "sulphur"}, {55, "caesium"}};
  for (const auto& s : spellings)
    if (s.z == z && foldedText.find(s.spelling) != std::string::npos) return true;
  return false;
}

int WordCount(const std::string& text) {
  std::istringstream words(text);
  return static_cast<int>(
      std::distance(std::istream_iterator<std::string>(words), std::istream_iterator<std::string>()));
}

class ElementHistoryFile : public testing::TestWithParam<HistoryFile> {
 protected:
  void SetUp() override {
    content = ReadWholeFile(std::string(TAVRIN_SOURCE_DIR) + "/dats/datfiles/atomdata/" + GetParam().name);
    lines = SplitLines(content);
  }
  std::string content;
  std::vector<std::string> lines;
};

TEST_P(ElementHistoryFile, HasFourLfLinesPerElementAndNoControlBytes) {
  ASSERT_FALSE(content.empty()) << GetParam().name << " is missing: run engine/data/generate_element_texts.py";
  EXPECT_EQ(content.back(), '\n');
  EXPECT_EQ(lines.size(), LinesPerElement * ElementCount);
  for (std::size_t i = 0; i < lines.size(); ++i) {
    for (char c : lines[i]) {
      EXPECT_GE(static_cast<unsigned char>(c), 32) << "line " << i + 1;
    }
  }
}

TEST_P(ElementHistoryFile, EachElementHasItsHeadingNameAndOneParagraph) {
  ASSERT_EQ(lines.size(), LinesPerElement * ElementCount);
  for (int z = 1; z <= ElementCount; ++z) {
    const ElementRecord& element = ElementTable[z - 1];
    SCOPED_TRACE(std::string(GetParam().name) + " " + element.symbol);
    const std::string& heading = lines[4 * z - 4];
    const std::string& name = lines[4 * z - 3];
    const std::string& paragraph = lines[4 * z - 1];
    EXPECT_EQ(heading, std::to_string(z) + " " + element.symbol);
    EXPECT_FALSE(name.empty());
    if (GetParam().norwegian) {
      EXPECT_EQ(name, WithoutTrailingBlanks(element.name));
    }
    EXPECT_TRUE(lines[4 * z - 2].empty());
    EXPECT_FALSE(paragraph.empty());
    EXPECT_LE(paragraph.size(), MaxParagraphLength);
    EXPECT_GE(WordCount(paragraph), MinWords);
    EXPECT_LE(WordCount(paragraph), MaxWords);
    const std::string folded = Folded(paragraph);
    const bool namesItsElement = folded.find(Folded(NameStem(name))) != std::string::npos ||
                                 folded.find(Folded(NameStem(element.name))) != std::string::npos ||
                                 HasWord(paragraph, element.symbol) || NamesAlternativeSpelling(z, folded);
    EXPECT_TRUE(namesItsElement) << "the paragraph does not name its element";
  }
}

INSTANTIATE_TEST_SUITE_P(EnglishAndNorwegian, ElementHistoryFile, testing::ValuesIn(HistoryFiles),
                         [](const testing::TestParamInfo<HistoryFile>& info) {
                           return info.param.norwegian ? std::string("Norwegian") : std::string("English");
                         });

}  // namespace
