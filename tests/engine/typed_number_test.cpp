#include "engine/numbers/typed_number.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

namespace {

struct TypedCase {
  std::string text;
  int limits;
  std::optional<double> value;
};

TEST(TypedNumber, ReadsTheWholeTextOrNothing) {
  const TypedCase cases[] = {
      {"1.5", DoublePrecisionLimits, 1.5},
      {" - 2 . 5E3 ", DoublePrecisionLimits, -2500.0},
      {"0", DoublePrecisionLimits, 0.0},
      {"", DoublePrecisionLimits, std::nullopt},
      {"   ", DoublePrecisionLimits, std::nullopt},
      {"1.2.3", DoublePrecisionLimits, std::nullopt},
      {"12,5", DoublePrecisionLimits, std::nullopt},
      {"3 mol", DoublePrecisionLimits, std::nullopt},
      {"abc", DoublePrecisionLimits, std::nullopt},
      {"1E300", DoublePrecisionLimits, 1E300},
      {"1E300", SinglePrecisionLimits, std::nullopt},
      {"1E999", DoublePrecisionLimits, std::nullopt},
  };
  for (const TypedCase& c : cases) {
    SCOPED_TRACE("text \"" + c.text + "\"");
    EXPECT_EQ(TypedNumber(c.text, c.limits), c.value);
  }
}

// A field that may be left empty: blank is 0, anything else as TypedNumber reads it.
TEST(TypedNumber, AnEmptyFieldCountsAsZeroWhereItMayBeLeftEmpty) {
  const TypedCase cases[] = {
      {"", DoublePrecisionLimits, 0.0},
      {"   ", DoublePrecisionLimits, 0.0},
      {" 1 2 ", DoublePrecisionLimits, 12.0},
      {"abc", DoublePrecisionLimits, std::nullopt},
      {"1E300", SinglePrecisionLimits, std::nullopt},
  };
  for (const TypedCase& c : cases) {
    SCOPED_TRACE("text \"" + c.text + "\"");
    EXPECT_EQ(TypedNumberOrZero(c.text, c.limits), c.value);
  }
}

}  // namespace
