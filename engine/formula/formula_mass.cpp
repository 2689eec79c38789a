#include "engine/formula/formula_mass.h"

#include "engine/formcalc.h"

float FormulaMass(std::string formula) {
  FormulaCounts counts{};
  IsotopeUsedFlags isotopeFlags{};
  int kind = 0;
  float electrons = 0.0f;
  float amount = 0.0f;
  return dcalk(counts, isotopeFlags, 0, formula, 0, 3, kind, electrons, amount);
}
