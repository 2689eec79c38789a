#pragma once
// One calculation of the solubility-product window, from the texts of its fields to what it shows:
// the number fields are checked, the routine is chosen by the concentrations given, and the
// dissociation equation must balance as typed.
#include <string>

#include "engine/reaction.h"

// The fields as typed.
struct SolubilityInput {
  DissociationRows equation;  // formula, cation, anion, crystal water
  std::string ksp, cationConcentration, anionConcentration, cationCommonIon, anionCommonIon;
  std::string solvent, amount, mass;
};

// The number fields in the order they are read.
enum class SolubilityNumberField {
  None,
  Ksp,
  CationConcentration,
  AnionConcentration,
  AnionCommonIon,
  CationCommonIon,
  Solvent,
  Amount,
  Mass,
};

enum class SolubilityMessage {
  None,
  IllegalNumber,
  MissingSolvent,
  IllegalCompound,
  KspWithCommonIonOnly,
  OneNumberFieldOnly,
  OneCommonIonOnly,
  MissingKsp,
  BalanceError,
  FormulaError,
  CommonIonNotFound,
};

struct SolubilityResult {
  SolubilityMessage message = SolubilityMessage::None;
  SolubilityNumberField badField = SolubilityNumberField::None;
  bool numberGiven = false;
  // The equation balances as typed: the ion formulas and their coefficients are shown.
  bool balanced = false;
  // The amounts, masses and concentrations were computed and are shown.
  bool computed = false;
  RowTexts amounts, masses;
  ConcentrationTexts concentrations;
  FormulaTexts ions;
  CoefficientTexts coefficients;
  std::string totalCation, totalAnion;
};

SolubilityResult CalculateSolubility(const SolubilityInput& input);
