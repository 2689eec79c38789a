#include "calculators/model/curve_model_table.h"

#include <algorithm>
#include <cmath>

#include "engine/numbers/number_text.h"

namespace {

using UV = std::optional<std::array<double, 2>>;

std::string SignedTerm(double value, const char* plus, const char* minus) {
  return (value < 0 ? minus : plus) + CurveNumberText(std::fabs(value));
}

std::string PlusUnlessNegative(double value) { return (value >= 0 ? "+" : "") + CurveNumberText(value); }

double One(double) { return 1; }
double Itself(double x) { return x; }
double Square(double x) { return x * x; }
double Logarithm(double x) { return std::log(x); }
double Reciprocal(double x) { return 1 / x; }

const CurveModel Models[] = {
    {CurveModelLine, "Y=A+B*X", [](const CurveCoefficients& k, double x) { return k[0] + k[1] * x; },
     [](double x, double y) -> UV { return std::array{x, y}; }, false, CurveGap::None, {{One, Itself, nullptr}, {0, 0, 0}},
     [](const CurveCoefficients& k) {
       return "Y = " + CurveNumberText(k[0]) + SignedTerm(k[1], " + ", " - ") + " * X";
     }},
    {CurveModelExponential, "Y=A*exp(B*X)", [](const CurveCoefficients& k, double x) { return k[0] * std::exp(k[1] * x); },
     [](double x, double y) -> UV {
       if (y <= 0) return std::nullopt;
       return std::array{x, std::log(y)};
     },
     true, CurveGap::None, {},
     [](const CurveCoefficients& k) {
       return "Y = " + CurveNumberText(k[0]) + " * exp(" + CurveNumberText(k[1]) + "*X)";
     }},
    {CurveModelPower, "Y=A*X^B", [](const CurveCoefficients& k, double x) { return k[0] * std::pow(x, k[1]); },
     [](double x, double y) -> UV {
       if (x <= 0 || y <= 0) return std::nullopt;
       return std::array{std::log(x), std::log(y)};
     },
     true, CurveGap::NotDrawn, {},
     [](const CurveCoefficients& k) { return "Y = " + CurveNumberText(k[0]) + " * X^" + CurveNumberText(k[1]); }},
    {CurveModelLogarithmic, "Y=A+B*ln(X)", [](const CurveCoefficients& k, double x) { return k[0] + k[1] * std::log(x); },
     [](double x, double y) -> UV {
       if (x <= 0) return std::nullopt;
       return std::array{std::log(x), y};
     },
     false, CurveGap::Logarithm, {{One, Logarithm, nullptr}, {0, 0, 0}},
     [](const CurveCoefficients& k) {
       return "Y = " + CurveNumberText(k[0]) + SignedTerm(k[1], " + ", " - ") + "*lnX";
     }},
    {CurveModelReciprocal, "Y=A/X+B", [](const CurveCoefficients& k, double x) { return k[1] / x + k[0]; },
     [](double x, double y) -> UV {
       if (x == 0) return std::nullopt;
       return std::array{1 / x, y};
     },
     false, CurveGap::Reciprocal, {{One, Reciprocal, nullptr}, {0, 0, 0}},
     [](const CurveCoefficients& k) { return "Y = " + CurveNumberText(k[1]) + SignedTerm(k[0], "/X + ", "/X - "); }},
    {CurveModelRational, "Y=(A+B*X)/(1+C*X)",
     [](const CurveCoefficients& k, double x) { return (k[0] + k[1] * x) / (1 + k[2] * x); }, nullptr, false,
     CurveGap::Rational, {{One, Itself, Itself}, {0, 0, 1}},
     [](const CurveCoefficients& k) {
       return "Y=(" + CurveNumberText(k[0]) + PlusUnlessNegative(k[1]) + (k[2] >= 0 ? "*X)/(1+" : "*X)/(1") +
              CurveNumberText(k[2]) + "*X)";
     }},
    {CurveModelQuadratic, "Y=A+B*X+C*X^2",
     [](const CurveCoefficients& k, double x) { return k[0] + x * (k[1] + k[2] * x); }, nullptr, false,
     CurveGap::None, {{One, Itself, Square}, {0, 0, 0}},
     [](const CurveCoefficients& k) {
       return "Y=" + CurveNumberText(k[0]) + PlusUnlessNegative(k[1]) + "*X" + PlusUnlessNegative(k[2]) + "*X^2";
     }},
};

// The two entries above the formulas.
constexpr int ListModelsBeforeFormulas[] = {CurveModelBestFit, CurveModelNoFit};

}  // namespace

std::span<const CurveModel> FittedCurveModels() { return Models; }

const CurveModel* FindCurveModel(int code) {
  const auto found = std::ranges::find(Models, code, &CurveModel::code);
  return found == std::end(Models) ? nullptr : &*found;
}

std::string CurveNumberText(double value) { return FormatNumberG(value + 0.0); }

std::vector<std::string> CurveModelListTexts(bool norwegian) {
  std::vector<std::string> texts = {norwegian ? "Beste tilpasning" : "Best fit",
                                    norwegian ? "Ingen tilpasning" : "No fit"};
  for (const CurveModel& model : Models) texts.emplace_back(model.formula);
  return texts;
}

std::optional<int> CurveModelOfListEntry(int index) {
  const int before = static_cast<int>(std::size(ListModelsBeforeFormulas));
  if (index < 0 || index >= before + static_cast<int>(std::size(Models))) return std::nullopt;
  return index < before ? ListModelsBeforeFormulas[index] : Models[index - before].code;
}

int CurveModelListEntry(int model) {
  const int before = static_cast<int>(std::size(ListModelsBeforeFormulas));
  const auto early = std::ranges::find(ListModelsBeforeFormulas, model);
  if (early != std::end(ListModelsBeforeFormulas)) return static_cast<int>(early - std::begin(ListModelsBeforeFormulas));
  const auto found = std::ranges::find(Models, model, &CurveModel::code);
  return found == std::end(Models) ? -1 : before + static_cast<int>(found - std::begin(Models));
}

int CurveModelListEntryOfDataSet(int model) {
  return CurveModelListEntry(model == CurveModelProportional ? CurveModelNoFit : model);
}
