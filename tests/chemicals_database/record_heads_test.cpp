// The heads of records gathered from their bytes as the index reads them: the same heads however
// the bytes are cut into pieces, whatever the line ends, and long lines cut whole characters.

#include "chemicals_database/model/record_heads.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// The heads of the records, each record's bytes given in two pieces cut at `cut` bytes into the
// whole text (no cut when it is past the end), with an empty piece between them.
std::vector<std::string> HeadsOf(const std::vector<std::string>& records, std::size_t cut, bool utf8 = false) {
  RecordHeads heads;
  heads.Take("bytes before the first record\n");
  std::size_t at = 0;
  for (const std::string& record : records) {
    heads.Begin();
    const std::size_t inside = cut > at ? std::min(cut - at, record.size()) : 0;
    heads.Take(std::string_view(record).substr(0, inside));
    heads.Take({});
    heads.Take(std::string_view(record).substr(inside));
    at += record.size();
  }
  heads.End();
  if (utf8) heads.ConvertFromUtf8();
  std::vector<std::string> result;
  for (std::size_t n = 0; n < heads.Count(); ++n) result.emplace_back(heads.Head(n));
  return result;
}

TEST(RecordHeads, TheFirstNineLinesEndedByLfHoweverTheBytesArePieced) {
  const std::vector<std::string> records = {
      "\\\r\nline 2\r\nNAME\r\n\r\n",
      "\\\rA\rB\rC\rD\rE\rF\rG\rH\rI\rJ\r",
      "\\\nx\n" + std::string(50, 's') + "\n",
      "\\\nlast line without an end",
  };
  const std::vector<std::string> expected = {
      "\\\nline 2\nNAME\n\n",
      "\\\nA\nB\nC\nD\nE\nF\nG\nH\n",
      "\\\nx\n" + std::string(50, 's') + "\n",
      "\\\nlast line without an end\n",
  };
  std::size_t size = 0;
  for (const auto& record : records) size += record.size();
  for (std::size_t cut = 0; cut <= size; ++cut) EXPECT_EQ(HeadsOf(records, cut), expected) << cut;
}

TEST(RecordHeads, ALongLineIsKeptToItsLimitWithoutHalfACharacter) {
  std::string line = "x";
  for (int i = 0; i < 3000; ++i) line += "\xC3\xA9";  // é in UTF-8: the limit falls inside one
  const std::vector<std::string> records = {"\\\n" + line + "\nNAME\n"};
  const std::string kept = "x" + std::string(511, '\xE9');
  for (const std::size_t cut : {std::size_t{0}, std::size_t{700}, std::size_t{1030}, std::size_t{5000}})
    EXPECT_EQ(HeadsOf(records, cut, true), std::vector<std::string>{"\\\n" + kept + "\nNAME\n"}) << cut;
  const std::vector<std::string> plain = {"\\\n" + std::string(5000, 'L') + "\nNAME\n"};
  EXPECT_EQ(HeadsOf(plain, 2000), std::vector<std::string>{"\\\n" + std::string(RecordHeads::LineKept, 'L') + "\nNAME\n"});
}

}  // namespace
