// The shipped hazard class lists, phrase files and hazard symbols.
#include <gtest/gtest.h>

#include <cctype>
#include <filesystem>
#include <set>
#include <string>

#include "chemicals_database/datasheet_pages.h"
#include "tests/engine/test_support.h"

namespace {

namespace fs = std::filesystem;

const fs::path FastEdit = fs::path(TAVRIN_SOURCE_DIR) / "dats" / "datfiles" / "fastedit";
const fs::path Symbols = fs::path(TAVRIN_SOURCE_DIR) / "dats" / "htmfiles" / "htmutil";

constexpr std::size_t PhraseLimit = 251;  // what the quick editor's new-phrase field takes

TEST(DeliveredFastEdit, ClassListsHaveWellFormedUniqueCodesEachWithItsPicture) {
  const struct {
    const char* file;
    std::set<std::string> codes;
  } lists[] = {
      {"fsyhelse.dat", {"T+", "T", "C", "Xn", "Xi"}},
      {"fsybrann.dat", {"E", "O", "F+", "F"}},
      {"fsymiljo.dat", {"N"}},
  };
  for (const auto& list : lists) {
    const std::string text = ReadBytes(FastEdit / list.file);
    std::string why;
    EXPECT_TRUE(IsWindows1252Text(text, why)) << list.file << ": " << why;
    std::set<std::string> codes;
    for (const std::string& line : SplitLines(text)) {
      const size_t dash = line.find('-');
      if (dash != 1 && dash != 2) {
        EXPECT_EQ(line.find('-'), std::string::npos) << list.file << ": a line without a code has no '-': " << line;
        continue;
      }
      const std::string code = line.substr(0, dash);
      EXPECT_GT(line.size(), dash + 1) << list.file << ": no description: " << line;
      EXPECT_TRUE(codes.insert(code).second) << list.file << ": " << code << " twice";
      const std::string picture = HazardSymbolName(code) + ".png";
      EXPECT_TRUE(fs::is_regular_file(Symbols / picture)) << list.file << ": no picture " << picture;
    }
    EXPECT_EQ(codes, list.codes) << list.file;
  }
  EXPECT_TRUE(fs::is_regular_file(Symbols / "redcross.png"));
}

TEST(DeliveredFastEdit, PhraseFilesHoldShortWindows1252Phrases) {
  const struct {
    const char* file;
    std::size_t least;
  } files[] = {{"rsetn.dat", 1},   {"ssetn.dat", 1},    {"hfare.dat", 20},   {"bfare.dat", 20}, {"fhjelp.dat", 20},
               {"ftiltak.dat", 20}, {"lagring.dat", 20}, {"destruer.dat", 20}, {"fare.dat", 1}};
  for (const auto& phrases : files) {
    const std::string text = ReadBytes(FastEdit / phrases.file);
    std::string why;
    EXPECT_TRUE(IsWindows1252Text(text, why)) << phrases.file << ": " << why;
    const std::vector<std::string> lines = SplitLines(text);
    EXPECT_GE(lines.size(), phrases.least) << phrases.file;
    std::set<std::string> seen;
    for (const std::string& line : lines) {
      EXPECT_FALSE(line.empty()) << phrases.file;
      EXPECT_LE(line.size(), PhraseLimit) << phrases.file << ": " << line;
      EXPECT_EQ(line.find('|'), std::string::npos) << phrases.file << ": a section separator in " << line;
      EXPECT_TRUE(seen.insert(line).second) << phrases.file << ": twice: " << line;
    }
  }
}

TEST(DeliveredFastEdit, StatementsCarryTheirCode) {
  for (const auto& [file, letter] : {std::pair{"rsetn.dat", 'H'}, std::pair{"ssetn.dat", 'P'}}) {
    for (const std::string& line : SplitLines(ReadBytes(FastEdit / file))) {
      ASSERT_GE(line.size(), 5u) << file;
      EXPECT_EQ(line[0], letter) << file << ": " << line;
      EXPECT_TRUE(std::isdigit(static_cast<unsigned char>(line[1])) && std::isdigit(static_cast<unsigned char>(line[2])) &&
                  std::isdigit(static_cast<unsigned char>(line[3])) && line[4] == ' ')
          << file << ": " << line;
    }
  }
}

}  // namespace
