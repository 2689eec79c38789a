// Reads one isotope formula a line and prints its mass as the MS fragment table stores it ("%f"
// of the formula parser's mass), so the spectral table generator writes what the editor would.

#include <cstdio>
#include <iostream>
#include <string>

#include "engine/formula/formula_mass.h"
#include "engine/numbers/number_text.h"

int main() {
  std::string formula;
  while (std::getline(std::cin, formula)) {
    std::printf("%s\n", FormatNumberFixed(FormulaMass(formula)).c_str());
  }
  return 0;
}
