#include "platform/services/windows1252_case.h"

#include <gtest/gtest.h>

#include <string>

#include "platform/services/path_lookup.h"

namespace {

TEST(Windows1252Case, EveryCapitalHasItsSmallLetterAndNothingElseChanges) {
  struct Pair {
    unsigned char capital;
    unsigned char small;
  };
  const Pair letters[] = {{'A', 'a'}, {'Z', 'z'}, {0xC0, 0xE0}, {0xC5, 0xE5}, {0xD6, 0xF6}, {0xD8, 0xF8},
                          {0xDE, 0xFE}, {0x8A, 0x9A}, {0x8C, 0x9C}, {0x8E, 0x9E}, {0x9F, 0xFF}};
  int folded = 0;
  for (const Pair& pair : letters) {
    SCOPED_TRACE(static_cast<int>(pair.capital));
    EXPECT_EQ(platform::LowerCase1252(pair.capital), pair.small);
    EXPECT_EQ(platform::LowerCase1252(pair.small), pair.small);
  }
  for (int c = 0; c < 256; ++c) {
    const auto byte = static_cast<unsigned char>(c);
    EXPECT_EQ(platform::LowerCase1252Table[c], platform::LowerCase1252(byte)) << c;
    if (platform::LowerCase1252(byte) != byte) ++folded;
  }
  EXPECT_EQ(folded, 26 + 30 + 4);  // A to Z, À to Þ without ×, Š Œ Ž Ÿ
  // @ [ ` { × ÷ ß µ € ª º ÿ
  for (const int same : {0x40, 0x5B, 0x60, 0x7B, 0xD7, 0xF7, 0xDF, 0xB5, 0x80, 0xAA, 0xBA, 0xFF})
    EXPECT_EQ(platform::LowerCase1252(static_cast<unsigned char>(same)), same) << same;
}

TEST(Windows1252Case, FileNamesMatchInEitherCaseButNoTwoUtf8CharactersMatch) {
  struct Case {
    std::string first;
    std::string second;
    bool match;
  };
  const Case cases[] = {
      {"\x8A" "koda.dat", "\x9A" "KODA.DAT", true},  // Škoda, škoda
      {"\x8C" "uvre", "\x9C" "UVRE", true},
      {"\x8E" "ar", "\x9E" "AR", true},
      {"\x9F", "\xFF", true},
      {"BL\xC5", "bl\xE5", true},
      {"\xD7", "\xF7", false},
      {"Ab\xC3\xA9.dat", "aB\xC3\xA9.DAT", true},  // UTF-8 é, ASCII in either case
      {"\xC3\x8A", "\xC3\x9A", false},              // UTF-8 Ê and Ú
      {"x\xC5\xA0", "X\xC5\xA0", true},             // UTF-8 Š as it stands
      {"abc", "abcd", false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.first + " / " + c.second);
    EXPECT_EQ(platform::NamesMatchIgnoringCase(c.first, c.second), c.match);
    EXPECT_EQ(platform::NamesMatchIgnoringCase(c.second, c.first), c.match);
  }
}

}  // namespace
