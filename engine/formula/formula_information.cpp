#include "engine/formula/formula_information.h"

#include "engine/formcalc.h"
#include "engine/formtext.h"
#include "engine/textutil.h"

FormulaInformation DescribeFormula(std::string formula) {
  FormulaCounts counts{};
  IsotopeUsedFlags isotopeFlags{};
  int kind = 0;
  float electrons = 0.0f;
  float amount = 0.0f;
  FormulaInformation information;
  const float result = dcalk(counts, isotopeFlags, 0, formula, 0, 3, kind, electrons, amount);
  if (result > -1.0f) {
    FormatFormulaResult(kind, information.resultLine, amount, result);
    std::string report;
    FormatCompositionReport(counts, 0, report, isotopeFlags);
    information.composition = WithCrLfLineEnds(std::move(report));
  } else {
    information.resultLine = ErrorText;
  }
  FormatErrorText(UnspecifiedError, "");
  return information;
}
