// Reads one isotope formula a line and prints its mass as the MS fragment table stores it ("%f"
// of the formula parser's mass), so the spectral table generator writes what the editor would.

#include <cstdio>
#include <iostream>
#include <string>

#include "engine/formcalc.h"

int main() {
  std::string formula;
  while (std::getline(std::cin, formula)) {
    FormulaCounts counts{};
    IsotopeUsedFlags flags{};
    int kind = 0;
    float electrons = 0;
    float amount = 0;
    std::string text = formula;
    const float mass = dcalk(counts, flags, 0, text, 0, 3, kind, electrons, amount);
    std::printf("%f\n", mass);
  }
  return 0;
}
