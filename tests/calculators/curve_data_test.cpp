// The curve-fit window's data field read into points.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "calculators/model/curve_data.h"

namespace {

std::vector<std::pair<double, double>> Pairs(const CurveData& data) {
  std::vector<std::pair<double, double>> pairs;
  for (const auto& point : data.points) pairs.emplace_back(point.x, point.y);
  return pairs;
}

std::string PairsText(int count) {
  std::string text;
  for (int i = 0; i < count; ++i) text += std::to_string(i) + " " + std::to_string(2 * i) + "\r\n";
  return text;
}

TEST(CurveData, AnyOtherCharacterSeparatesNumbers) {
  const std::vector<std::pair<double, double>> expected{{1, 2}, {3, 4}};
  for (const char* text :
       {"1 2 3 4", "1, 2;3;4", "1\r\n2\r\n3\r\n4", "1\t2 3\t4", " X Y\n1 2\n3 4\n", "1+2+3+4", "1\xB0 2\xB5\n3 (4)"}) {
    SCOPED_TRACE(text);
    const auto data = ReadCurveData(text);
    EXPECT_TRUE(data.valid);
    EXPECT_EQ(Pairs(data), expected);
  }
}

TEST(CurveData, NumbersInEveryWrittenForm) {
  const auto data = ReadCurveData("-1.5 .5\n2e3 -4E-2\n1E39 1E-300");
  ASSERT_TRUE(data.valid);
  EXPECT_EQ(Pairs(data), (std::vector<std::pair<double, double>>{{-1.5, 0.5}, {2000, -0.04}, {1E39, 1E-300}}));
}

TEST(CurveData, OneTextThatIsNoNumberMakesTheDataInvalid) {
  for (const char* text : {"1 2\n3 x4e", "Tid Verdi\n1 2", "1E+5 2", "1 2 3.4.5 6", "1E400 2", "1 - 2 3"}) {
    SCOPED_TRACE(text);
    const auto data = ReadCurveData(text);
    EXPECT_FALSE(data.valid);
    EXPECT_TRUE(data.points.empty());
  }
}

// A refusal names the pair, X or Y, and the text as typed; a comma between two digits is a decimal
// comma, and a '+' after an exponent's letter its sign, neither of which the field takes.
TEST(CurveData, ARefusalSaysWhichNumberAndWhy) {
  const struct {
    const char* text;
    CurveDataFault fault;
    std::size_t pair;
    bool y;
    const char* shown;
  } cases[] = {
      {"1,5 2 3 4", CurveDataFault::DecimalComma, 1, false, "1,5"},
      {"1 2\n3 0,25", CurveDataFault::DecimalComma, 2, true, "0,25"},
      {"1 2E+1 3 4", CurveDataFault::PlusInExponent, 1, true, "2E+1"},
      {"1 2\n3 x4e", CurveDataFault::NotANumber, 2, true, "4e"},
      {"Tid Verdi\n1 2", CurveDataFault::NotANumber, 1, false, "e"},
      {"1 2 3.4.5 6", CurveDataFault::NotANumber, 2, false, "3.4.5"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.text);
    const auto data = ReadCurveData(c.text);
    EXPECT_FALSE(data.valid);
    EXPECT_TRUE(data.points.empty());
    ASSERT_TRUE(data.refusal.has_value());
    EXPECT_EQ(data.refusal->fault, c.fault);
    EXPECT_EQ(data.refusal->pair, c.pair);
    EXPECT_EQ(data.refusal->y, c.y);
    EXPECT_EQ(data.refusal->text, c.shown);
  }
  // A comma beside a blank or a letter, and a '+' between numbers, still separate.
  for (const char* text : {"1, 2 3 ,4", "1E5+2 3+4", "x,1 2 3 4"}) {
    EXPECT_TRUE(ReadCurveData(text).valid) << text;
    EXPECT_FALSE(ReadCurveData(text).refusal.has_value()) << text;
  }
}

TEST(CurveData, ALastXWithoutItsYIsLeftOut) {
  EXPECT_EQ(Pairs(ReadCurveData("1 2 3")), (std::vector<std::pair<double, double>>{{1, 2}}));
  EXPECT_TRUE(ReadCurveData("").points.empty());
}

TEST(CurveData, PairLimits) {
  const auto twoHundred = ReadCurveData(PairsText(200));
  EXPECT_EQ(twoHundred.points.size(), 200u);
  EXPECT_FALSE(twoHundred.tooManyPairs);
  const auto twoHundredOne = ReadCurveData(PairsText(201));
  EXPECT_EQ(twoHundredOne.points.size(), 201u);
  EXPECT_TRUE(twoHundredOne.tooManyPairs);
  // Reading stops after the 202nd pair, so a bad number after it does no harm.
  const auto more = ReadCurveData(PairsText(210) + "x.x.");
  EXPECT_TRUE(more.valid);
  EXPECT_EQ(more.points.size(), CurveDataPairLimit);
  EXPECT_EQ(more.points.back().x, 201);
}

TEST(CurveData, ANumberTextOf36CharactersEndsTheReading) {
  const std::string digits35(35, '1');
  EXPECT_FALSE(ReadCurveData("1 2 3 4 5 " + digits35).valid);  // too long for the number check
  const auto data = ReadCurveData("1 2 3 4 5 " + digits35 + "1 7 8");
  EXPECT_TRUE(data.valid);
  EXPECT_EQ(Pairs(data), (std::vector<std::pair<double, double>>{{1, 2}, {3, 4}}));
}

TEST(CurveData, TooManyCharacters) {
  std::string text = "1 2 3 4";
  text.resize(CurveDataTextLimit - 1, ' ');
  EXPECT_FALSE(ReadCurveData(text).tooManyCharacters);
  text += ' ';
  EXPECT_TRUE(ReadCurveData(text).tooManyCharacters);
  // What lies beyond the limit is not read.
  const auto data = ReadCurveData(text + "5 6");
  EXPECT_TRUE(data.tooManyCharacters);
  EXPECT_EQ(data.points.size(), 2u);
}

}  // namespace
