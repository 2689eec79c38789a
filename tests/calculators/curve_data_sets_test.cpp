#include "calculators/model/curve_data_sets.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "engine/settings/settings.h"

namespace {

TEST(CurveDataSetsTest, TheDataIsKeptOnOneLineWithBelForEachLineBreak) {
  const struct {
    const char* shown;
    const char* stored;
  } cases[] = {
      {"1 2\r\n3 4", "1 2\a3 4"},    // the carriage return is dropped, the line feed becomes BEL
      {"1 2\n3 4\n", "1 2\a3 4\a"},  // a lone line feed too
      {"1\t2\\3\a4", "1\t2 3 4"},    // tabs stay; a backslash or BEL becomes a blank
      {"1\x01 2\x1b", "1 2"},        // other control characters are dropped
      {"\xB5g 1,5", "\xB5g 1,5"},    // Windows-1252 letters stay
  };
  for (const auto& c : cases) EXPECT_EQ(StoredCurveData(c.shown), c.stored) << c.shown;
}

TEST(CurveDataSetsTest, OptionFlagsAreFiveCharacters) {
  EXPECT_EQ(CurveOptionFlags(0, 0, 0), "00000");
  EXPECT_EQ(CurveOptionFlags(1, 0, 1), "10100");
  EXPECT_EQ(CurveOptionFlags(0, 1, 2), "01000") << "only 1 sets a flag";
}

// A typed range is its whole text as one finite number, blanks dropped; an empty field is 0.
TEST(CurveDataSetsTest, ATypedRangeIsOneFiniteNumberOrNone) {
  const struct {
    const char* typed;
    std::optional<double> value;
  } cases[] = {
      {"abc", std::nullopt},   {"1e999", std::nullopt},        {"-1e999", std::nullopt}, {"nan", std::nullopt},
      {"inf", std::nullopt},   {"12,5", std::nullopt},         {"max 4", std::nullopt},  {"2.5E3 units", std::nullopt},
      {"1.2.3", std::nullopt}, {" 12 5", 125.0},               {"", 0.0},                {"   ", 0.0},
      {"-4", -4.0},            {"  2.5E3 ", 2500.0},           {"1.5E-07", 1.5E-07},     {"0", 0.0},
  };
  for (const auto& c : cases) EXPECT_EQ(TypedRangeValue(c.typed), c.value) << '"' << c.typed << '"';
}

// A stored range or model code that is no number counts as missing and marks the data set damaged;
// an empty line is 0, as ever.
TEST(CurveDataSetsTest, StoredNumbersThatAreNoNumbersCountAsMissing) {
  const auto record = [](const std::string& xMax, const std::string& model) {
    return std::vector<std::string>{"Set", "", "Title", "X", "Y", "0", xMax, "-1.5", "1E3", "00000", "", model, "1 2"};
  };
  const StoredCurveNumbers whole = ReadStoredCurveNumbers(record(" 6 ", "4"));
  ASSERT_TRUE(whole.ranges);
  EXPECT_EQ(*whole.ranges, (CurveRanges{0, 6, -1.5, 1000}));
  EXPECT_EQ(whole.model, 4);
  EXPECT_FALSE(whole.damaged);
  const StoredCurveNumbers empty = ReadStoredCurveNumbers(record("", ""));
  EXPECT_EQ(empty.ranges, (CurveRanges{0, 0, -1.5, 1000}));
  EXPECT_EQ(empty.model, 0);
  EXPECT_FALSE(empty.damaged);
  for (const char* damaged : {"NaN", "1e999", "abc", "12,5", "inf", "6 units"}) {
    const StoredCurveNumbers range = ReadStoredCurveNumbers(record(damaged, "4"));
    EXPECT_FALSE(range.ranges) << damaged;
    EXPECT_EQ(range.model, 4) << damaged;
    EXPECT_TRUE(range.damaged) << damaged;
    const StoredCurveNumbers model = ReadStoredCurveNumbers(record("6", damaged));
    EXPECT_TRUE(model.ranges) << damaged;
    EXPECT_FALSE(model.model) << damaged;
    EXPECT_TRUE(model.damaged) << damaged;
  }
  for (const char* notAModel : {"4.5", "1E10"})
    EXPECT_FALSE(ReadStoredCurveNumbers(record("6", notAModel)).model) << notAModel;
}

TEST(CurveDataSetsTest, EachLanguageHasItsOwnFile) {
  const int previous = LanguageCode;
  LanguageCode = NorwegianLanguage;
  EXPECT_STREQ(CurveDataSetEditor().fileName, "dats\\datfiles\\atomdata\\noplot.dat");
  LanguageCode = EnglishLanguage;
  EXPECT_STREQ(CurveDataSetEditor().fileName, "dats\\datfiles\\atomdata\\enplot.dat");
  EXPECT_EQ(CurveDataSetEditor().frame.size(), 19u);
  LanguageCode = previous;
}

}  // namespace
