// One rule for the database's numbers: what a number field accepts is what a search can match.
#include "chemicals_database/model/record_number.h"

#include <gtest/gtest.h>

#include "chemicals_database/model/record_match.h"

namespace {

TEST(DatabaseNumber, DecimalNumbersWithAnExponentAndBlanksAroundThem) {
  const std::pair<const char*, std::optional<double>> cases[] = {
      {"18", 18.0},          {"-3.5", -3.5},         {"+.5", 0.5},           {"12.", 12.0},
      {"1e2", 100.0},        {"2.5E-3", 0.0025},     {"  7 ", 7.0},          {" 12 5", std::nullopt},
      {"1 2", std::nullopt}, {"12,5", std::nullopt}, {"abc", std::nullopt},  {"", std::nullopt},
      {".", std::nullopt},   {"1e", std::nullopt},   {"e5", std::nullopt},   {"1e999", std::nullopt},
      {"nan", std::nullopt}, {"inf", std::nullopt},  {"0x10", std::nullopt}, {"--1", std::nullopt},
  };
  for (const auto& [text, value] : cases) EXPECT_EQ(DatabaseNumber(text), value) << '"' << text << '"';
}

// A value the window accepts matches the record line holding that number, in any spelling.
TEST(DatabaseNumber, AnAcceptedValueIsFoundInTheNumericLine) {
  SearchCommand command;
  command.hasCriteria = true;
  command.criteria.push_back({{10}, "1e2", false});
  std::vector<std::string_view> lines(10);
  lines[9] = "100.000000";
  EXPECT_TRUE(MatchRecord(lines, command, 1.1f, 2));
  command.criteria.front().value = " 12 5";
  lines[9] = "125";
  EXPECT_FALSE(MatchRecord(lines, command, 1.1f, 2));
}

}  // namespace
