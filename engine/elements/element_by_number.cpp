#include <stdexcept>
#include <string>

#include "engine/elements/element_tables.h"

namespace {

int TableIndex(int Z) {
  if (Z < 1 || Z > ElementCount) throw std::out_of_range("no element with atomic number " + std::to_string(Z));
  return Z - 1;
}

}  // namespace

const ElementRecord& ElementByNumber(int Z) { return ElementTable[TableIndex(Z)]; }

const IsotopeRecord& IsotopesByNumber(int Z) { return IsotopeTable[TableIndex(Z)]; }

const ElectronConfigRecord& ElectronConfigByNumber(int Z) { return ElectronConfigTable[TableIndex(Z)]; }
