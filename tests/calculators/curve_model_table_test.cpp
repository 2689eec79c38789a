// The table of models as the model list, the loading of a data set and the fit read it.
#include "calculators/model/curve_model_table.h"

#include <gtest/gtest.h>

#include <cmath>

#include "calculators/model/curve_fit_models.h"

namespace {

TEST(CurveModelTable, TheListHoldsBestFitNoFitAndTheFormulasInCodeOrder) {
  const std::vector<std::string> english = {"Best fit",    "No fit",  "Y=A+B*X",           "Y=A*exp(B*X)",
                                            "Y=A*X^B",     "Y=A+B*ln(X)", "Y=A/X+B",       "Y=(A+B*X)/(1+C*X)",
                                            "Y=A+B*X+C*X^2"};
  EXPECT_EQ(CurveModelListTexts(false), english);
  const auto norwegian = CurveModelListTexts(true);
  ASSERT_EQ(norwegian.size(), english.size());
  EXPECT_EQ(norwegian[0], "Beste tilpasning");
  EXPECT_EQ(norwegian[1], "Ingen tilpasning");
  // Entry and model agree both ways: codes 1, 2, then 4 to 10.
  const int models[] = {1, 2, 4, 5, 6, 7, 8, 9, 10};
  for (int index = 0; index < static_cast<int>(std::size(models)); ++index) {
    EXPECT_EQ(CurveModelOfListEntry(index), models[index]);
    EXPECT_EQ(CurveModelListEntry(models[index]), index);
  }
  EXPECT_EQ(CurveModelOfListEntry(-1), std::nullopt);
  EXPECT_EQ(CurveModelOfListEntry(9), std::nullopt);
}

// A stored Y = B*X shows as "No fit" when loaded; at set-up it selects nothing, like any code the
// list does not hold.
TEST(CurveModelTable, ModelsTheListDoesNotHold) {
  const struct {
    int model;
    int atSetUp;
    int loaded;
  } cases[] = {{3, -1, 1}, {0, -1, -1}, {11, -1, -1}, {-4, -1, -1}, {1, 0, 0}, {10, 8, 8}};
  for (const auto& c : cases) {
    EXPECT_EQ(CurveModelListEntry(c.model), c.atSetUp) << c.model;
    EXPECT_EQ(CurveModelListEntryOfDataSet(c.model), c.loaded) << c.model;
  }
}

// The value at X that the curve is sampled from is the one the SSE is summed from.
TEST(CurveModelTable, TheSseIsSummedFromTheModelsValues) {
  const std::vector<CurvePoint> points = {{0.5, 1.5}, {1, 2.5}, {2, 2.75}, {4, 4.5}};
  const CurveCoefficients coefficients = {1.25, 0.5, 0.125};
  for (const CurveModel& model : FittedCurveModels()) {
    double sum = 0;
    for (const auto& point : points) sum += std::pow(point.y - model.value(coefficients, point.x), 2);
    EXPECT_DOUBLE_EQ(*SumSquaredResiduals(model.code, points, coefficients), sum) << model.formula;
  }
  // Where a model has no value, neither has the SSE.
  const std::vector<CurvePoint> atZero = {{0, 1}, {1, 2}};
  for (int code : {CurveModelLogarithmic, CurveModelReciprocal}) {
    EXPECT_EQ(SumSquaredResiduals(code, atZero, coefficients), std::nullopt) << code;
  }
  EXPECT_EQ(SumSquaredResiduals(CurveModelRational, {{{-8, 1}}}, coefficients), std::nullopt);
  EXPECT_EQ(FindCurveModel(CurveModelProportional), nullptr);
}

}  // namespace
