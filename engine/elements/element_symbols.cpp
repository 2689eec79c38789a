#include "engine/elements/element_symbols.h"

#include "engine/elements/element_tables.h"

int FindElementBySymbol(std::string_view symbol) {
  for (int index = 0; index < ElementCount; ++index) {
    if (symbol == ElementByNumber(index + 1).symbol) return index + 1;
  }
  return 0;
}

int IsotopeMassNumber(float mass) { return static_cast<int>(mass + 0.5); }

int FindIsotopeByMassNumber(int Z, long massNumber) {
  if (Z < 1 || Z > ElementCount) return -1;
  const IsotopeRecord& isotopes = IsotopesByNumber(Z);
  const int listed = isotopes.count & 0xFF;
  for (int index = 0; index < listed && index < MaxIsotopes; ++index) {
    if (IsotopeMassNumber(isotopes.mass[index]) == massNumber) return index;
  }
  return -1;
}
