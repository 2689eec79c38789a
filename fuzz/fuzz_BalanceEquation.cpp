#include <cstdint>
#include <cstdlib>
#include <string>

#include "engine/reaction.h"

// The first byte chooses the bounds and the twin; the rest is the equation.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  const std::uint8_t options = data[0];
  const std::string input(reinterpret_cast<const char*>(data + 1), size - 1);
  std::string parsed = input;
  int reactants = 0, products = 0;
  std::vector<std::string> phases;
  std::vector<int> starts;
  ParseEquation(parsed, reactants, phases, starts, products);
  if (starts.size() != phases.size()) std::abort();

  std::string equation = input, table;
  int enthalpyMissing = 0, entropyMissing = 0;
  float dH = 0.0f, dS = 0.0f;
  const int balMin = (options & 3) - 1;
  const int balMid = 2 + ((options >> 2) & 7);
  const int balMax = (options & 0x20) ? -50 : 20;
  auto balance = (options & 0x40) ? BalanceEquationSix : BalanceEquation;
  const int code = balance(2, enthalpyMissing, entropyMissing, 0, balMin, balMid, balMax, dH, dS, equation, table);
  switch (code) {
    case 0:
      if (equation.size() > EquationTextLimit || table.empty()) std::abort();
      break;
    case 1:
    case 2:
    case 3:
    case 4:
    case 5:
    case 6:
    case 8:
    case 9:
    case 22:
    case 23:
      if (equation != input || !table.empty()) std::abort();
      break;
    default: std::abort();
  }
  return 0;
}
