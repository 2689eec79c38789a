#include "solution_chemistry/dissociation_check.h"

#include <cstdint>

#include "engine/textutil.h"
#include "solution_chemistry/dissociation_messages.h"

std::string SlotText(std::string text) {
  if (text.size() > SlotReadLimit) text.resize(SlotReadLimit);
  RemoveBlanks(text);
  return text;
}

std::string DissociationRefusal(const DissociationRows& rows) {
  FormulaTexts ions;
  CoefficientTexts coefficients;
  SplitCoefficientFormula(rows, ions, coefficients);
  switch (BalanceReactionRows(rows, coefficients)) {
    case RowsBalanceAsWritten:
      return {};
    case RowsBalanceOtherwise:
      return RefusedBalanceErrorMessage();
    default:
      return RefusedFormulaErrorMessage();
  }
}
