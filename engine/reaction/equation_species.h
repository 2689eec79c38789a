#pragma once

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

// The species of an equation as the balancing needs them, prepared from the
// equation text: the checks, the formula parser's results and the names.

struct EquationSpecies {
  std::string text;         // as typed, without its phase
  std::string displayName;  // without its amount prefix; "(2H2O)" when it begins with a number
  std::string phase;
  bool product = false;
  std::vector<std::pair<int, float>> elementCounts;  // Z and atoms per formula unit
  float electrons = 0.0f;                            // per formula unit, negated for products
  float molarMass = 0.0f;
  float availableMoles = 0.0f;
  float availableMass = 0.0f;  // the mass of the available amount
};

struct PreparedEquation {
  std::vector<EquationSpecies> species;  // in written order
  int reactants = 0;
  bool reversed = false;  // the engine takes the species last first
  bool anyAmountPrefix = false;
  int reference = 0;  // the species with the fewest available moles
};

// Steps up to the balancing: parse, check lengths, call the formula parser for
// each species and check that every element stands on both sides. Returns 0
// or the code of BalanceEquation, with its error line written.
int PrepareEquation(std::int8_t mode, const std::string& equation, int maxSpecies, PreparedEquation& prepared);
