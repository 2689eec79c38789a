#include <stdexcept>
#include <string>

#include "engine/elements/element_tables.h"

const ElementRecord& ElementByNumber(int Z) {
  if (Z < 1 || Z > ElementCount) throw std::out_of_range("no element with atomic number " + std::to_string(Z));
  return ElementTable[Z - 1];
}
