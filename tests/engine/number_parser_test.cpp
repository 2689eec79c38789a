#include <cmath>

#include "engine/reaction.h"
#include "tests/engine/test_support.h"

namespace {

struct Parsed {
  int code;
  double value;
  std::string numberText;
  char nextChar;
  int position;
  std::int8_t intClass;
  std::string text;
};

constexpr std::int8_t UnsetClass = -1;

Parsed Parse(std::string text, int limits, int mode, int position = 0) {
  Parsed parsed{};
  parsed.intClass = UnsetClass;
  parsed.position = position;
  parsed.value = -99.0;
  parsed.code = ParseNumberText(text, limits, parsed.numberText, mode, parsed.nextChar, parsed.intClass,
                                parsed.position, parsed.value);
  parsed.text = text;
  return parsed;
}

struct WholeCase {
  std::string text;
  int limits;
  int code;
  double value;
};

TEST(ParseNumberText, WholeMode) {
  const std::string digits35(35, '7');
  const WholeCase cases[] = {
      {"12.5", 1, 0, 12.5}, {"-12.5", 1, 0, -12.5}, {"+.5", 1, 0, 0.5},    {".5", 0, 0, 0.5},
      {"5.", 0, 0, 5},      {"1.5E+3", 1, 0, 1500}, {"2e-3", 1, 0, 0.002}, {"1E5", 0, 0, 1e5},
      {"12a", 1, 12, 0},    {"abc", 1, 13, 0},      {"", 1, 12, 0},        {"1.2.3", 1, 10, 0},
      {"--5", 1, 13, 0},    {"-", 1, 13, 0},        {"12+3", 1, 13, 0},    {"1+3", 1, 13, 0},
      {"5-2", 1, 13, 0},    {"1.5-2", 0, 13, 0},    {"1e", 1, 12, 0},      {"1E5E5", 1, 12, 0},
      {"E5", 1, 13, 0},     {"1E38", 0, 6, 0},      {"1E30", 0, 0, 1e30},  {"1E300", 1, 0, 1e300},
      {"1E300", 0, 6, 0},   {digits35, 0, 6, 0},    {digits35, 1, 6, 0},   {"0.000", 1, 0, 0},
      {"0E5", 1, 0, 0},     {"1E-50", 1, 0, 1e-50}, {"1E-400", 1, 6, 0},   {"1E-40", 0, 6, 0},
      {"1E12345", 2, 6, 0}, {"1E-999", 2, 11, 0},   {"1E999", 2, 6, 0},
  };
  for (const auto& c : cases) {
    const Parsed parsed = Parse(c.text, c.limits, WholeNumberMode);
    EXPECT_EQ(parsed.code, c.code) << '"' << c.text << "\" limits " << c.limits;
    EXPECT_DOUBLE_EQ(parsed.value, c.value) << c.text;
  }
}

TEST(ParseNumberText, WholeModeRemovesTheBlanksFromTheCallersText) {
  const Parsed parsed = Parse(" 1 2 ", DoublePrecisionLimits, WholeNumberMode);
  EXPECT_EQ(parsed.code, 0);
  EXPECT_EQ(parsed.value, 12.0);
  EXPECT_EQ(parsed.text, "12");
  EXPECT_EQ(parsed.numberText, "12");
  EXPECT_EQ(parsed.nextChar, '\0');
}

TEST(ParseNumberText, NextModeReadsTheNumberAtThePosition) {
  struct Case {
    std::string text;
    int start;
    int code;
    double value;
    std::string numberText;
    char nextChar;
    int position;
  };
  const Case cases[] = {
      {"2mH2O", 0, 0, 2, "2", 'm', 2},    {"(H2O)", 2, 0, 2, "2", 'O', 4},         {"3)", 0, 0, 3, "3", ')', 2},
      {"2.5", 0, 0, 2.5, "2.5", '\0', 3}, {"Fe1E-2O", 2, 0, 0.01, "1E-2", 'O', 7}, {"H2Es", 1, 0, 2, "2", 'E', 3},
      {"-5x", 0, 0, -5, "-5", 'x', 3},    {"--5", 0, 12, 0, "", '-', 1},           {"-", 0, 12, 0, "", '-', 1},
      {"12+3", 0, 12, 0, "", '1', 2},     {"1+3", 0, 0, 1, "1", '+', 2},           {"1.2.3", 0, 10, 0, "1.2.", '3', 4},
      {"H2", 5, 12, 0, "", '\0', 2},
  };
  for (const auto& c : cases) {
    const Parsed parsed = Parse(c.text, SinglePrecisionLimits, NextNumberMode, c.start);
    EXPECT_EQ(parsed.code, c.code) << c.text;
    EXPECT_DOUBLE_EQ(parsed.value, c.value) << c.text;
    EXPECT_EQ(parsed.numberText, c.numberText) << c.text;
    EXPECT_EQ(parsed.nextChar, c.nextChar) << c.text;
    EXPECT_EQ(parsed.position, c.position) << c.text;
    EXPECT_EQ(parsed.text, c.text);
  }
}

TEST(ParseNumberText, IntegerClassOfIntegralValues) {
  const std::pair<std::string, std::int8_t> cases[] = {
      {"0", 10},         {"255", 10},   {"300", 8}, {"-5", 9},   {"-200", 7},         {"70000", 6},
      {"4294967295", 6}, {"-40000", 5}, {"5E9", 2}, {"1E39", 1}, {"2.5", UnsetClass}, {"-3E9", UnsetClass},
  };
  for (const auto& [text, intClass] : cases) {
    EXPECT_EQ(Parse(text, DoublePrecisionLimits, WholeNumberMode).intClass, intClass) << text;
  }
  EXPECT_EQ(Parse("abc", DoublePrecisionLimits, WholeNumberMode).intClass, UnsetClass);
}

TEST(CheckNumberText, ClassifiesTheText) {
  struct Case {
    std::string text;
    float low;
    float high;
    int code;
  };
  const Case cases[] = {
      {"12", 10, 20, 0}, {"25", 10, 20, 3},  {"25", 0, 0, 0},  {"2.5", 0, 0, 1},
      {"2.5", 0, 1, 3},  {"1.2.3", 0, 0, 7}, {"?", 0, 0, 4},   {"abc", 0, 0, 5},
      {"-3", 0, 0, 0},   {"-3", 0, 5, 3},    {"+3", 0, 0, 2},  {"1e5", 0, 0, 2},
      {"", 0, 0, 6},     {"-", 0, 0, 2},     {"12x", 0, 0, 2}, {std::string(400, '9'), 0, 10, 3},
  };
  for (const auto& c : cases) EXPECT_EQ(CheckNumberText(c.text, c.low, c.high), c.code) << c.text;
}

}  // namespace
