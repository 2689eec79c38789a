#include "solution_chemistry/dissociation_check.h"

#include <cstdint>

#include "engine/textutil.h"
#include "solution_chemistry/dissociation_messages.h"

std::string SlotText(std::string text) {
  if (text.size() > SlotReadLimit) text.resize(SlotReadLimit);
  RemoveBlanks(text);
  return text;
}

bool IsNumberText(std::string text) {
  std::string numberText;
  char nextChar = 0;
  std::int8_t intClass = 0;
  int position = 0;
  double value = 0.0;
  return ParseNumberText(text, DoublePrecisionLimits, numberText, WholeNumberMode, nextChar, intClass, position,
                         value) == ValidNumber;
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
