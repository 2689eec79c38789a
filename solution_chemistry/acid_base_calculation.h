#pragma once
// One calculation of the weak acid/base window, from the texts of its fields to what it shows: the
// fields are checked, the equilibrium is completed by the solver, and the dissociation in water
// must balance as typed.
#include <string>
#include <vector>

struct AcidBaseInput {
  std::string formula, ion, conjugate;  // the equation as typed; ion holds H3O+ or OH-
  std::string addedIon, addedConjugate, pH, ionConcentration, conjugateConcentration, initial, constant;
};

enum class AcidBaseMessage {
  Coefficient,
  MissingIon,
  BadPHOrConcentration,
  BadNumber,
  BalanceError,
  FormulaError,
  UnknownCombination,
  IllegalValue,
};

struct AcidBaseResult {
  // The two ion fields after H3O+ or OH- typed as the conjugate was moved to the ion field.
  std::string ion, conjugate;
  // In the order shown: at most one from the checks and the solver, then one from the balance test
  // or the solver.
  std::vector<AcidBaseMessage> messages;
  // The symbolic row: empty texts when the equation does not balance as typed.
  std::string symbolicIon, symbolicConjugate, symbolicFormula;
  // The results: empty texts when a check or the solver failed.
  std::string ionConcentration, conjugateConcentration, undissociated, constant, pK, pH;
};

AcidBaseResult CalculateWeakAcidBase(const AcidBaseInput& input);
