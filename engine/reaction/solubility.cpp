#include <cmath>

#include "engine/reaction/dissociation.h"
#include "engine/numbers/number_text.h"
#include "engine/reaction.h"

using dissociation::Coefficient;
using dissociation::IsEmptyText;
using dissociation::LeadingNumber;

namespace {

constexpr int Salt = 0, Cation = 1, Anion = 2, CrystalWater = 3;
constexpr int Ksp = 0, CationConcentration = 1, CationCommonIon = 2, AnionConcentration = 3, AnionCommonIon = 4;
constexpr double KspTolerance = 1e-6;
constexpr int BisectionSteps = 200;

// Amounts of the salt, the two ions and the crystal water from the salt's
// dissolved amount per kg of solvent, then the masses.
void FillAmounts(const DissociationRows& rows, RowTexts& amounts, RowTexts& masses, double salt, double a, double b,
                 double w, double solvent) {
  amounts[Salt] = FormatNumberG(salt * solvent);
  amounts[Cation] = FormatNumberG(a * salt * solvent);
  amounts[Anion] = FormatNumberG(b * salt * solvent);
  if (!IsEmptyText(rows[CrystalWater])) amounts[CrystalWater] = FormatNumberG(w * salt * solvent);
  FillMolarMassColumns(rows, amounts, masses);
}

double SolubilityWithoutCommonIon(double K, double a, double b) {
  return std::pow(K / (std::pow(a, a) * std::pow(b, b)), 1.0 / (a + b));
}

}  // namespace

int SolubilityFromKsp(const DissociationRows& rows, RowTexts& amounts, RowTexts& masses,
                      ConcentrationTexts& concentrations, const std::string& solvent) {
  const double K = LeadingNumber(concentrations[Ksp]);
  if (!(K > 0.0)) return 0;
  const double a = Coefficient(rows[Cation], true), b = Coefficient(rows[Anion], true);
  const double S = SolubilityWithoutCommonIon(K, a, b);
  concentrations[CationConcentration] = FormatNumberG(a * S);
  concentrations[AnionConcentration] = FormatNumberG(b * S);
  FillAmounts(rows, amounts, masses, S, a, b, Coefficient(rows[CrystalWater], true), LeadingNumber(solvent));
  return 0;
}

int SolveKspFirstIon(const DissociationRows& rows, RowTexts& amounts, RowTexts& masses,
                     ConcentrationTexts& concentrations, const std::string& solvent) {
  const double a = Coefficient(rows[Cation], true), b = Coefficient(rows[Anion], true);
  double K = LeadingNumber(concentrations[Ksp]);
  double c1 = std::fabs(LeadingNumber(concentrations[CationConcentration]));
  double c2 = 0.0;
  if (K <= 0.0) {
    c2 = b * (c1 / a);
    K = std::pow(c1, a) * std::pow(c2, b);
    concentrations[Ksp] = FormatNumberG(K);
  } else {
    c1 += LeadingNumber(concentrations[CationCommonIon]);
    c2 = std::pow(K / std::pow(c1, a), 1.0 / b);
  }
  concentrations[AnionConcentration] = FormatNumberG(c2);
  // The salt dissolved follows the anion: the cation includes the common ion.
  FillAmounts(rows, amounts, masses, c2 / b, a, b, Coefficient(rows[CrystalWater], true), LeadingNumber(solvent));
  return 0;
}

int SolveKspSecondIon(const DissociationRows& rows, RowTexts& amounts, RowTexts& masses,
                      ConcentrationTexts& concentrations, const std::string& solvent) {
  const double a = Coefficient(rows[Cation], true), b = Coefficient(rows[Anion], true);
  double K = LeadingNumber(concentrations[Ksp]);
  double c2 = std::fabs(LeadingNumber(concentrations[AnionConcentration]));
  double c1 = 0.0;
  if (K <= 0.0) {
    c1 = a * (c2 / b);
    K = std::pow(c1, a) * std::pow(c2, b);
    concentrations[Ksp] = FormatNumberG(K);
  } else {
    c2 += LeadingNumber(concentrations[AnionCommonIon]);
    c1 = std::pow(K / std::pow(c2, b), 1.0 / a);
  }
  concentrations[CationConcentration] = FormatNumberG(c1);
  FillAmounts(rows, amounts, masses, c1 / a, a, b, Coefficient(rows[CrystalWater], true), LeadingNumber(solvent));
  return 0;
}

int SolubilityWithCommonIon(const DissociationRows& rows, RowTexts& amounts, RowTexts& masses,
                            ConcentrationTexts& concentrations, const std::string& solvent) {
  const double a = Coefficient(rows[Cation], false), b = Coefficient(rows[Anion], false);
  const bool onCation = !IsEmptyText(concentrations[CationCommonIon]);
  const double c = LeadingNumber(concentrations[onCation ? CationCommonIon : AnionCommonIon]);
  const double K = LeadingNumber(concentrations[Ksp]);
  if (!(K > 0.0) || !(a > 0.0) || !(b > 0.0) || !(c >= 0.0) || !std::isfinite(c)) return SolubilityNotFound;
  // The ion product grows with the dissolved amount x from 0 at x = 0 to at
  // least Ksp at the solubility without the common ion.
  auto product = [&](double x) {
    return onCation ? std::pow(a * x + c, a) * std::pow(b * x, b) : std::pow(b * x + c, b) * std::pow(a * x, a);
  };
  double low = 0.0, high = SolubilityWithoutCommonIon(K, a, b);
  if (!std::isfinite(high)) return SolubilityNotFound;
  double x = high;
  for (int step = 0; step < BisectionSteps && std::fabs(product(x) / K - 1.0) > KspTolerance; ++step) {
    x = 0.5 * (low + high);
    if (product(x) > K)
      high = x;
    else
      low = x;
  }
  if (std::fabs(product(x) / K - 1.0) > KspTolerance || !(x > 0.0)) return SolubilityNotFound;
  concentrations[CationConcentration] = FormatNumberG(a * x);
  concentrations[AnionConcentration] = FormatNumberG(b * x);
  FillAmounts(rows, amounts, masses, x, a, b, Coefficient(rows[CrystalWater], false), LeadingNumber(solvent));
  return 0;
}
