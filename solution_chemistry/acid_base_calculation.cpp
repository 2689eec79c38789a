#include "solution_chemistry/acid_base_calculation.h"

#include <optional>
#include <utility>

#include "engine/numbers/number_text.h"
#include "engine/numbers/typed_number.h"
#include "engine/reaction.h"
#include "solution_chemistry/model/acid_base_solver.h"
#include "solution_chemistry/dissociation_check.h"
#include "solution_chemistry/dissociation_tables.h"

namespace {

// The least [H3O+] or [OH-] the window takes: the double just below 1E-7.
constexpr double LeastIonConcentration = 9.999999999999998e-08;
constexpr double NeutralPH = 7.0;

bool IsWaterIon(const std::string& text) { return text == "H3O+" || text == "OH-"; }

std::string Cut(std::string text) {
  if (text.size() > SlotReadLimit) text.resize(SlotReadLimit);
  return text;
}

}  // namespace

AcidBaseResult CalculateWeakAcidBase(const AcidBaseInput& input) {
  AcidBaseResult result;
  result.ion = input.ion;
  result.conjugate = input.conjugate;
  if (const std::string typed = SlotText(input.conjugate); IsWaterIon(typed)) {
    result.conjugate = input.ion;
    result.ion = typed;
  }
  const bool base = SlotText(result.ion) == "OH-";

  // Later checks override earlier ones: a coefficient, then a missing ion, then the pH, then a number.
  std::optional<AcidBaseMessage> state;
  std::string addedIon, addedConjugate, pH;
  AcidBaseValues values;
  const std::pair<const std::string*, std::string*> fields[] = {
      {&input.addedIon, &addedIon},
      {&input.addedConjugate, &addedConjugate},
      {&input.pH, &pH},
      {&input.ionConcentration, &values[IonSlot]},
      {&input.conjugateConcentration, &values[ConjugateSlot]},
      {&input.initial, &values[InitialSlot]},
      {&input.constant, &values[ConstantSlot]},
  };
  for (const auto& [typed, slot] : fields) {
    *slot = SlotText(*typed);
    if (slot->empty()) continue;
    if ((slot != &pH && !(ReadLeadingReal(*slot) > 0.0)) || !TypedNumber(*slot)) {
      state = AcidBaseMessage::BadNumber;
      break;
    }
  }
  if (!pH.empty() && (base ? ReadLeadingReal(pH) < NeutralPH : ReadLeadingReal(pH) > NeutralPH))
    state = AcidBaseMessage::BadPHOrConcentration;
  if (!values[IonSlot].empty() && ReadLeadingReal(values[IonSlot]) < LeastIonConcentration)
    state = AcidBaseMessage::BadPHOrConcentration;
  if (!IsWaterIon(Cut(result.ion))) state = AcidBaseMessage::MissingIon;
  for (const std::string* typed : {&input.formula, &std::as_const(result.ion), &std::as_const(result.conjugate)})
    if (ReadLeadingReal(Cut(*typed)) != 0.0) state = AcidBaseMessage::Coefficient;

  int solved = AcidBaseSolved;
  if (state) {
    result.messages.push_back(*state);
  } else {
    solved = SolveAcidBaseEquilibrium(values, pH, addedIon, addedConjugate, base);
    if (solved != AcidBaseSolved) state = AcidBaseMessage::IllegalValue;
  }

  std::string formula = SlotText(input.formula);
  if (formula.size() < DissociationLineWidth) formula += "+H2O";
  const DissociationRows rows{formula, SlotText(result.ion), SlotText(result.conjugate), ""};
  FormulaTexts ions;
  CoefficientTexts coefficients;
  SplitCoefficientFormula(rows, ions, coefficients);
  const int balance = BalanceReactionRows(rows, coefficients);
  if (balance == RowsBalanceOtherwise)
    result.messages.push_back(AcidBaseMessage::BalanceError);
  else if (balance != RowsBalanceAsWritten)
    result.messages.push_back(AcidBaseMessage::FormulaError);
  else if (solved == AcidBaseUnknownCombination)
    result.messages.push_back(AcidBaseMessage::UnknownCombination);
  else if (solved != AcidBaseSolved)
    result.messages.push_back(AcidBaseMessage::IllegalValue);

  if (balance == RowsBalanceAsWritten) {
    result.symbolicIon = rows[1];
    result.symbolicConjugate = rows[2];
    result.symbolicFormula = Cut(input.formula);
  }
  if (!state) {
    result.ionConcentration = values[IonSlot];
    result.conjugateConcentration = values[ConjugateSlot];
    result.undissociated = values[InitialSlot];
    result.constant = values[ConstantSlot];
    if (!result.constant.empty()) result.pK = PKText(result.constant);
    result.pH = pH;
  }
  return result;
}
