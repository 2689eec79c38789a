#include "engine/reaction/dissociation.h"
#include "engine/formcalc.h"
#include "engine/formula/formula_mass.h"
#include "engine/elements/element_tables.h"
#include "engine/numbers/number_text.h"
#include "engine/reaction.h"
#include "engine/textutil.h"
#include "engine/settings/settings.h"

using dissociation::Coefficient;
using dissociation::Compacted;
using dissociation::IsEmptyText;
using dissociation::LeadingNumber;

namespace {

constexpr int Salt = 0, Cation = 1, Anion = 2, CrystalWater = 3;
constexpr int CationConcentration = 1;

// The row without the number it begins with, when that number is above 0.
std::string WithoutLeadingNumber(const std::string& row) {
  std::string text = Compacted(row);
  std::string numberText;
  char nextChar = 0;
  std::int8_t intClass = 0;
  int position = 0;
  double value = 0.0;
  ParseNumberText(text, DoublePrecisionLimits, numberText, NextNumberMode, nextChar, intClass, position, value);
  if (value > 0.0) text.erase(0, numberText.size());
  return text;
}

std::string WithoutPrefix(const std::string& row, const std::string& prefix) {
  std::string text = Compacted(row);
  if (!prefix.empty() && text.starts_with(prefix)) text.erase(0, prefix.size());
  return text;
}

}  // namespace

int FillMolarMassColumns(const DissociationRows& rows, RowTexts& amounts, RowTexts& masses) {
  for (int i = 0; i < DissociationRowCount; ++i) {
    // The molar mass of the row's formula unit, times the amount in double precision: an amount
    // too small or too large for the formula parser's numbers still gets its mass.
    const float molarMass = IsEmptyText(amounts[i]) ? -1.0f : FormulaMass(Compacted("1m" + rows[i]));
    if (molarMass > -1.0f) {
      const double units = LeadingNumber(rows[i]);
      const double mass = LeadingNumber(amounts[i]) * molarMass;
      masses[i] = FormatNumberG(units > 0.0 ? mass / units : mass);
    } else {
      masses[i].clear();
      amounts[i].clear();
    }
  }
  return 0;
}

int FormulaMassText(const DissociationRows& rows, RowTexts& amounts, RowTexts& masses) {
  const float result = FormulaMass(Compacted(masses[Salt] + "g" + rows[Salt]));
  if (result <= -1.0f)
    amounts[Salt].clear();
  else
    amounts[Salt] = FormatNumberG(result);
  return 0;
}

int ConvertAmountMass(const DissociationRows& rows, RowTexts& amounts, RowTexts& masses,
                      ConcentrationTexts& concentrations, const std::string& solvent) {
  for (const auto& concentration : concentrations)
    if (!IsEmptyText(concentration)) return 0;
  const double m = LeadingNumber(solvent);
  if (!(m > 0.0)) return 0;
  if (IsEmptyText(amounts[Salt])) {
    if (IsEmptyText(masses[Salt])) return 0;
    FormulaMassText(rows, amounts, masses);
  }
  const double concentration = LeadingNumber(amounts[Salt]) * Coefficient(rows[Cation], false) / m;
  if (concentration > 0.0) concentrations[CationConcentration] = FormatNumberG(concentration);
  return 0;
}

int SplitCoefficientFormula(const DissociationRows& rows, FormulaTexts& formulas, CoefficientTexts& coefficients) {
  for (int ion = 0; ion < 2; ++ion) {
    std::string text = rows[Cation + ion];
    RemoveBlanks(text);
    std::string numberText;
    char nextChar = 0;
    std::int8_t intClass = 0;
    int position = 0;
    double value = 0.0;
    const int code =
        ParseNumberText(text, DoublePrecisionLimits, numberText, NextNumberMode, nextChar, intClass, position, value);
    const std::size_t numberLength = code == 0 ? numberText.size() : 0;
    formulas[ion] = text.substr(numberLength);
    const bool shown = code == 0 && value > 0.0 && value != 1.0;
    coefficients[ion] = shown ? numberText : std::string();
  }
  return 0;
}

int BalanceReactionRows(const DissociationRows& rows, const CoefficientTexts& coefficients) {
  const bool water = !IsEmptyText(rows[CrystalWater]);
  std::string equation = Compacted(rows[Salt]) + ">" + WithoutPrefix(rows[Cation], coefficients[0]) + "+" +
                         WithoutPrefix(rows[Anion], coefficients[1]);
  if (water) equation += "+" + WithoutLeadingNumber(rows[CrystalWater]);
  int enthalpyMissing = 0, entropyMissing = 0;
  double dH = 0.0, dS = 0.0;
  std::string table;
  if (BalanceEquationSix(2, enthalpyMissing, entropyMissing, 0, BalMin, BalMid, BalMax, dH, dS, equation, table) !=
      EquationBalanced)
    return RowsCannotBalance;
  std::string written = Compacted(rows[Salt]) + "=" + Compacted(rows[Cation]) + "+" + Compacted(rows[Anion]);
  if (water) written += "+" + Compacted(rows[CrystalWater]);
  return equation == written ? RowsBalanceAsWritten : RowsBalanceOtherwise;
}
