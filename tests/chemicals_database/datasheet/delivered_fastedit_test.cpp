// The shipped hazard class lists, phrase files and hazard symbols.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <optional>
#include <regex>
#include <set>
#include <string>
#include <tuple>
#include <vector>

#include "chemicals_database/datasheet_pages.h"
#include "chemicals_database/model/safety_sections.h"
#include "chemicals_database/phrase_text.h"
#include "platform/gdi/charset.h"
#include "tests/engine/test_support.h"

namespace {

namespace fs = std::filesystem;

const fs::path FastEdit = fs::path(TAVRIN_SOURCE_DIR) / "dats" / "datfiles" / "fastedit";
const fs::path Symbols = fs::path(TAVRIN_SOURCE_DIR) / "dats" / "htmfiles" / "htmutil";
const fs::path StatementTable = fs::path(TAVRIN_SOURCE_DIR) / "chemicals_database" / "data" / "clp_statements.tsv";

// A phrase has to fit the quick editor's new-phrase field (so that it can be entered again) and
// the safety sheet's text, which takes every transfer whole or not at all.
constexpr std::size_t PhraseLimit = std::min(NewPhraseLimit, SafetySheetTextLimit);

// Where a code stands in the regulation's order: H before EUH before P, then the number, then
// the letters after it in the order the regulation gives them (H360, H360F, H360D, H360FD,
// H360Fd, H360Df), then the further members of a combined statement (P301 before P301+P310
// before P302).
using CodeOrder = std::tuple<int, int, int, std::vector<int>>;

std::optional<CodeOrder> OrderOfCode(const std::string& code) {
  static const std::regex form(R"(^(H|EUH|P)(\d{3})([A-Za-z]*)((?:\+(?:H|P)\d{3})*)(?:\[\+P(\d{3})\])?$)");
  static const std::vector<std::string> suffixes = {"", "i", "F", "D", "FD", "Fd", "Df", "f", "d", "fd", "A"};
  std::smatch parts;
  if (!std::regex_match(code, parts, form)) return std::nullopt;
  const auto suffix = std::ranges::find(suffixes, parts[3].str());
  if (suffix == suffixes.end()) return std::nullopt;
  const int prefix = parts[1] == "H" ? 0 : parts[1] == "EUH" ? 1 : 2;
  std::vector<int> members;
  const std::string combined = parts[4].str();
  for (std::size_t plus = combined.find('+'); plus != std::string::npos; plus = combined.find('+', plus + 1)) {
    members.push_back(std::stoi(combined.substr(plus + 2, 3)));
  }
  if (parts[5].matched) members.push_back(std::stoi(parts[5].str()));
  return CodeOrder{prefix, std::stoi(parts[2].str()), static_cast<int>(suffix - suffixes.begin()), members};
}

struct TableStatement {
  std::string code;
  std::string line;  // as the generator writes it: code, blank, Norwegian text, blank
};

// The statements of the regulation's lists, from the generator's table (code, English text,
// Norwegian text, tab-separated, after a heading line), in the table's order: the hazard
// statements (H, EUH) or the precautionary ones (P).
std::vector<TableStatement> RegulationStatements(char letter) {
  std::vector<TableStatement> statements;
  const std::vector<std::string> rows = SplitLines(ReadBytes(StatementTable));
  for (std::size_t row = 1; row < rows.size(); ++row) {
    const std::string code = rows[row].substr(0, rows[row].find('\t'));
    if ((letter == 'P') != code.starts_with('P')) continue;
    const std::string norwegian = rows[row].substr(rows[row].rfind('\t') + 1);
    statements.push_back({code, code + " " + Cp1252BytesFromUtf8(norwegian).value_or("<not Windows-1252>") + " "});
  }
  return statements;
}

std::vector<std::string> RegulationCodes(char letter) {
  std::vector<std::string> codes;
  for (const TableStatement& statement : RegulationStatements(letter)) codes.push_back(statement.code);
  return codes;
}

std::vector<std::string> CodesOfFile(const char* file) {
  std::vector<std::string> codes;
  for (const std::string& line : SplitLines(ReadBytes(FastEdit / file))) codes.push_back(line.substr(0, line.find(' ')));
  return codes;
}

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

TEST(DeliveredFastEdit, StatementTableListsWellFormedCodesInTheRegulationsOrder) {
  const std::vector<std::string> rows = SplitLines(ReadBytes(StatementTable));
  ASSERT_FALSE(rows.empty()) << StatementTable;
  EXPECT_EQ(rows.front(), "code\tenglish\tnorwegian");
  std::optional<CodeOrder> previous;
  std::string previousCode;
  for (std::size_t row = 1; row < rows.size(); ++row) {
    const std::string& line = rows[row];
    ASSERT_EQ(std::ranges::count(line, '\t'), 2) << "row " << row << ": " << line;
    const std::size_t first = line.find('\t');
    const std::size_t second = line.find('\t', first + 1);
    const std::string code = line.substr(0, first);
    EXPECT_GT(second, first + 1) << code << ": no English text";
    EXPECT_GT(line.size(), second + 1) << code << ": no Norwegian text";
    const std::optional<CodeOrder> order = OrderOfCode(code);
    ASSERT_TRUE(order) << "not a statement code: " << code;
    if (previous) {
      EXPECT_LT(*previous, *order) << previousCode << " is not before " << code;
    }
    previous = order;
    previousCode = code;
  }
  // The ends of each list and the sub-codes of reproductive toxicity, so that a cut table shows.
  const std::vector<std::string> hazard = RegulationCodes('H');
  const std::vector<std::string> precautionary = RegulationCodes('P');
  ASSERT_FALSE(hazard.empty());
  ASSERT_FALSE(precautionary.empty());
  EXPECT_EQ(hazard.front(), "H200");
  EXPECT_EQ(hazard.back(), "EUH451");
  EXPECT_EQ(precautionary.front(), "P101");
  EXPECT_EQ(precautionary.back(), "P503");
  for (const char* code : {"H350i", "H360F", "H360D", "H360FD", "H360Fd", "H360Df", "H361f", "H361d", "H361fd", "H420",
                           "H300+H310+H330", "EUH014", "EUH209A", "EUH401", "P301+P310", "P305+P351+P338",
                           "P370+P380+P375[+P378]", "P502"}) {
    EXPECT_EQ(std::ranges::count(hazard, code) + std::ranges::count(precautionary, code), 1) << code;
  }
}

TEST(DeliveredFastEdit, StatementFilesHoldEveryCodeOfTheRegulationOnceInItsOrder) {
  for (const auto& [file, letter] : {std::pair{"rsetn.dat", 'H'}, std::pair{"ssetn.dat", 'P'}}) {
    EXPECT_EQ(CodesOfFile(file), RegulationCodes(letter)) << file;
  }
}

TEST(DeliveredFastEdit, StatementFilesAreWrittenFromTheTable) {
  for (const auto& [file, letter] : {std::pair{"rsetn.dat", 'H'}, std::pair{"ssetn.dat", 'P'}}) {
    const std::vector<std::string> lines = SplitLines(ReadBytes(FastEdit / file));
    const std::vector<TableStatement> statements = RegulationStatements(letter);
    ASSERT_EQ(lines.size(), statements.size()) << file;
    for (std::size_t index = 0; index < lines.size(); ++index) {
      EXPECT_EQ(lines[index], statements[index].line) << file << ": run write_fastedit.py again";
    }
  }
}

TEST(DeliveredFastEdit, StatementsFitTheQuickEditorAndTheSafetySheetWhole) {
  for (const char* file : {"rsetn.dat", "ssetn.dat"}) {
    for (const std::string& line : SplitLines(ReadBytes(FastEdit / file))) {
      EXPECT_LE(line.size(), PhraseLimit) << file << ": " << line;
      const std::size_t blank = line.find(' ');
      EXPECT_TRUE(blank != std::string::npos && line.size() > blank + 2) << file << ": no text after the code: " << line;
      EXPECT_TRUE(line.ends_with(". ") || line.ends_with(": ") || line.ends_with("\x85 "))
          << file << ": a statement ends with its full stop, colon or ellipsis and a blank: " << line;
    }
  }
}

}  // namespace
