#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "engine/formcalc.h"

// The first byte chooses mode, quiet, type and the electron request; the rest is the formula.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  const std::uint8_t options = data[0];
  std::string formula(reinterpret_cast<const char*>(data + 1), size - 1);
  FormulaCounts counts{};
  IsotopeUsedFlags flags{};
  int kind = 0;
  float electrons = (options & 0x40) ? -1.0f : 0.0f;
  float amount = 0.0f;
  const float result =
      dcalk(counts, flags, options % 3, formula, (options >> 2) & 1, (options >> 3) & 7, kind, electrons, amount);
  if (result != -1.0f && !std::isfinite(result)) std::abort();
  if (!std::isfinite(amount)) std::abort();
  return 0;
}
