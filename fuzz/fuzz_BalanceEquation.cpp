#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <map>
#include <string>
#include <vector>

#include "engine/formcalc.h"
#include "engine/reaction.h"
#include "engine/settings/settings.h"

// Input: one byte of options (0x40 the six-species twin), BalMin, BalMid and
// BalMax as three 32-bit little-endian numbers from the settings' whole range,
// then the equation. Every balanced result is checked: positive coefficients,
// and each element and the charge conserve.

namespace {

constexpr std::size_t HeaderSize = 13;

int ReadInt(const std::uint8_t* bytes) {
  std::uint32_t value = 0;
  for (int i = 3; i >= 0; --i) value = (value << 8) | bytes[i];
  int result = 0;
  std::memcpy(&result, &value, sizeof result);
  return result;
}

struct SpeciesSums {
  std::map<int, double> atoms;  // by Z, per formula unit
  double charge = 0.0;
  double magnitude = 0.0;  // the electrons of the atoms, a scale for the rounding of single precision
};

// Counts and charge of one species as the engine reads it: the formula parser
// in mode 2, per formula unit.
bool ReadSpecies(const std::string& text, SpeciesSums& sums) {
  FormulaCounts counts;
  IsotopeUsedFlags isotopeFlags;
  int kind = 0;
  float electrons = -1.0f, amount = 0.0f;
  std::string formula = text;
  if (dcalk(counts, isotopeFlags, 2, formula, 1, 2, kind, electrons, amount) <= 0.0f) return false;
  double atomElectrons = 0.0;
  for (int Z = 1; Z <= ElementCount; ++Z) {
    double atoms = counts[PlainElementRow][Z - 1];
    for (int row = 0; row < IsotopeRowCount; ++row) atoms += counts[row][Z - 1];
    if (atoms != 0.0) sums.atoms[Z] = atoms;
    atomElectrons += Z * std::fabs(atoms);
  }
  double signedElectrons = 0.0;
  for (const auto& [Z, atoms] : sums.atoms) signedElectrons += Z * atoms;
  sums.charge = signedElectrons - electrons;
  sums.magnitude = atomElectrons + std::fabs(electrons);
  return true;
}

std::vector<std::string> Split(const std::string& text, const std::string& separator) {
  std::vector<std::string> parts;
  std::size_t start = 0;
  for (std::size_t end; (end = text.find(separator, start)) != std::string::npos; start = end + separator.size())
    parts.push_back(text.substr(start, end - start));
  parts.push_back(text.substr(start));
  return parts;
}

// The coefficients of "3FeS2 + 8O2 = Fe3O4 + 6SO2", in written order, with the
// number of reactants; false when the text is not of that shape.
bool Coefficients(const std::string& balanced, std::vector<double>& coefficients, std::size_t& reactants) {
  const auto sides = Split(balanced, " = ");
  if (sides.size() != 2) return false;
  for (std::size_t side = 0; side < 2; ++side) {
    for (const auto& term : Split(sides[side], " + ")) {
      std::size_t digits = 0;
      while (digits < term.size() && term[digits] >= '0' && term[digits] <= '9') ++digits;
      if (digits == term.size()) return false;
      coefficients.push_back(digits == 0 ? 1.0 : std::strtod(term.substr(0, digits).c_str(), nullptr));
    }
    if (side == 0) reactants = coefficients.size();
  }
  return true;
}

// The species texts as the engine splits them.
std::vector<std::string> SpeciesTexts(const std::string& input) {
  std::string text = input;
  int reactants = 0, products = 0;
  std::vector<std::string> phases;
  std::vector<int> starts;
  ParseEquation(text, reactants, phases, starts, products);
  std::vector<std::string> species;
  for (std::size_t i = 0; i < starts.size(); ++i) {
    const std::size_t begin = static_cast<std::size_t>(starts[i]);
    const std::size_t end = i + 1 < starts.size() ? static_cast<std::size_t>(starts[i + 1]) - 1 : text.size();
    species.push_back(text.substr(begin, end - begin));
  }
  return species;
}

void CheckConserves(const std::string& input, const std::string& balanced) {
  std::vector<double> coefficients;
  std::size_t reactants = 0;
  if (!Coefficients(balanced, coefficients, reactants)) std::abort();
  const auto species = SpeciesTexts(input);
  if (species.size() != coefficients.size()) std::abort();
  std::map<int, double> net, scale;
  double netCharge = 0.0, chargeScale = 0.0;
  for (std::size_t i = 0; i < species.size(); ++i) {
    if (!(coefficients[i] >= 1.0)) std::abort();
    SpeciesSums sums;
    if (!ReadSpecies(species[i], sums)) std::abort();
    const double sign = i < reactants ? 1.0 : -1.0;
    for (const auto& [Z, atoms] : sums.atoms) {
      net[Z] += sign * coefficients[i] * atoms;
      scale[Z] += coefficients[i] * std::fabs(atoms);
    }
    netCharge += sign * coefficients[i] * sums.charge;
    chargeScale += coefficients[i] * sums.magnitude;
  }
  // Single-precision counts are within 2^-24 of their decimals; the electron
  // sums gather that rounding once per term.
  for (const auto& [Z, sum] : net)
    if (std::fabs(sum) > scale[Z] * 0x1p-21) std::abort();
  if (std::fabs(netCharge) > chargeScale * 0x1p-19 + 1e-6) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size < HeaderSize) return 0;
  const std::uint8_t options = data[0];
  const int balMin = ReadInt(data + 1);
  const int balMid = std::min(ReadInt(data + 5), BalMidLimit);
  const int balMax = ReadInt(data + 9);
  const std::string input(reinterpret_cast<const char*>(data + HeaderSize), size - HeaderSize);
  std::string parsed = input;
  int reactants = 0, products = 0;
  std::vector<std::string> phases;
  std::vector<int> starts;
  ParseEquation(parsed, reactants, phases, starts, products);
  if (starts.size() != phases.size()) std::abort();

  const bool twin = (options & 0x40) != 0;
  auto balance = [&](auto function, std::string& equation, std::string& table) {
    int enthalpyMissing = 0, entropyMissing = 0;
    double dH = 0.0, dS = 0.0;
    return function(2, enthalpyMissing, entropyMissing, 0, balMin, balMid, balMax, dH, dS, equation, table);
  };
  std::string equation = input, table;
  const int code = twin ? balance(BalanceEquationSix, equation, table) : balance(BalanceEquation, equation, table);
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
      return 0;
    default: std::abort();
  }
  if (!twin) {
    CheckConserves(input, equation);
    return 0;
  }
  // The twin writes the full engine's equation without blanks.
  // Its spaced result may outgrow the equation text.
  std::string full = input, fullTable;
  const int fullCode = balance(BalanceEquation, full, fullTable);
  if (fullCode == 3) return 0;
  if (fullCode != 0) std::abort();
  std::string joined = full;
  std::erase(joined, ' ');
  if (joined != equation) std::abort();
  CheckConserves(input, full);
  return 0;
}
