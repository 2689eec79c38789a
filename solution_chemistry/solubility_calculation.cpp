#include "solution_chemistry/solubility_calculation.h"

#include <utility>

#include "engine/numbers/number_text.h"
#include "engine/numbers/typed_number.h"
#include "solution_chemistry/dissociation_check.h"

namespace {

enum Concentration { Ksp, Cation, CationCommon, Anion, AnionCommon };

bool Given(const ConcentrationTexts& slots, Concentration which) { return !slots[which].empty(); }

// The first rule of the combination check that the given concentrations break.
SolubilityMessage CombinationFault(const ConcentrationTexts& slots) {
  const bool k = Given(slots, Ksp), a = Given(slots, Cation), b = Given(slots, Anion);
  const bool ca = Given(slots, CationCommon), cb = Given(slots, AnionCommon);
  if (k && (a || b) && (ca || cb)) return SolubilityMessage::KspWithCommonIonOnly;
  if ((k && (a || b)) || (a && b)) return SolubilityMessage::OneNumberFieldOnly;
  if (((a || b) && (ca || cb)) || (ca && cb)) return SolubilityMessage::OneCommonIonOnly;
  if ((ca || cb) && !k) return SolubilityMessage::MissingKsp;
  return SolubilityMessage::None;
}

double Total(const std::string& dissolved, const std::string& common) {
  return ReadLeadingReal(dissolved) + ReadLeadingReal(common);
}

}  // namespace

SolubilityResult CalculateSolubility(const SolubilityInput& input) {
  SolubilityResult result;
  ConcentrationTexts& slots = result.concentrations;
  slots = {SlotText(input.ksp), SlotText(input.cationConcentration), SlotText(input.cationCommonIon),
           SlotText(input.anionConcentration), SlotText(input.anionCommonIon)};
  const std::string solvent = SlotText(input.solvent);
  result.amounts[0] = SlotText(input.amount);
  result.masses[0] = SlotText(input.mass);

  const std::pair<SolubilityNumberField, const std::string*> numberFields[] = {
      {SolubilityNumberField::Ksp, &slots[Ksp]},
      {SolubilityNumberField::CationConcentration, &slots[Cation]},
      {SolubilityNumberField::AnionConcentration, &slots[Anion]},
      {SolubilityNumberField::AnionCommonIon, &slots[AnionCommon]},
      {SolubilityNumberField::CationCommonIon, &slots[CationCommon]},
      {SolubilityNumberField::Solvent, &solvent},
      {SolubilityNumberField::Amount, &result.amounts[0]},
      {SolubilityNumberField::Mass, &result.masses[0]},
  };
  for (const auto& [field, text] : numberFields) {
    if (text->empty()) continue;
    const bool solventField = field == SolubilityNumberField::Solvent;
    if (!solventField) result.numberGiven = true;
    if ((!solventField && !(ReadLeadingReal(*text) > 0.0)) || !TypedNumber(*text)) {
      result.message = SolubilityMessage::IllegalNumber;
      result.badField = field;
      return result;
    }
  }

  DissociationRows rows;
  for (std::size_t i = 0; i < rows.size(); ++i) rows[i] = SlotText(input.equation[i]);
  if (!result.numberGiven) result.amounts[0] = "1";
  ConvertAmountMass(rows, result.amounts, result.masses, slots, solvent);

  if (!(ReadLeadingReal(solvent) > 0.0)) {
    result.message = SolubilityMessage::MissingSolvent;
    return result;
  }
  if (ReadLeadingReal(rows[0]) != 0.0) {
    result.message = SolubilityMessage::IllegalCompound;
    return result;
  }
  if (const SolubilityMessage fault = CombinationFault(slots); fault != SolubilityMessage::None) {
    result.message = fault;
    return result;
  }

  const bool k = Given(slots, Ksp), a = Given(slots, Cation), b = Given(slots, Anion);
  const bool common = Given(slots, CationCommon) || Given(slots, AnionCommon);
  bool solved = true;
  if (k && common)
    solved = SolubilityWithCommonIon(rows, result.amounts, result.masses, slots, solvent) == 0;
  else if (k)
    SolubilityFromKsp(rows, result.amounts, result.masses, slots, solvent);
  else if (a)
    SolveKspFirstIon(rows, result.amounts, result.masses, slots, solvent);
  else if (b)
    SolveKspSecondIon(rows, result.amounts, result.masses, slots, solvent);
  else
    return result;

  SplitCoefficientFormula(rows, result.ions, result.coefficients);
  switch (BalanceReactionRows(rows, result.coefficients)) {
    case RowsBalanceAsWritten:
      break;
    case RowsBalanceOtherwise:
      result.message = SolubilityMessage::BalanceError;
      return result;
    default:
      result.message = SolubilityMessage::FormulaError;
      return result;
  }
  result.balanced = true;
  if (!solved) {
    // The search for the dissolved amount beside the common ion found none: nothing to show.
    result.message = SolubilityMessage::CommonIonNotFound;
    return result;
  }
  result.computed = true;
  result.totalCation = FormatNumberG(Total(slots[Cation], slots[CationCommon]));
  result.totalAnion = FormatNumberG(Total(slots[Anion], slots[AnionCommon]));
  return result;
}
