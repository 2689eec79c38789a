#pragma once

#include <string>
#include <vector>

#include "engine/reaction/equation_species.h"

// What a balanced equation gives the windows: its text, the amounts table and,
// in thermochemical mode, the reaction sums.

struct ThermoSums {
  bool enthalpyMissing = false;
  bool entropyMissing = false;
  double enthalpy = 0.0;  // reactants minus products of formation enthalpy x moles
  double entropy = 0.0;   // products minus reactants of entropy x moles
};

// "3FeS2 + 8O2 = Fe3O4 + 6SO2"; spaced false writes "+" and "=" without blanks.
std::string BalancedEquationText(const PreparedEquation& prepared, const std::vector<long>& coefficients, bool spaced);

// The amounts table, or code 3 with its error line when a name is too long.
// With thermo the rows and sums come from the thermochemical table.
int AmountsTable(const PreparedEquation& prepared, const std::vector<long>& coefficients, bool thermo,
                 std::string& table, ThermoSums& sums);

// " + 1234kJ" or " - 56.7kJ" (the sign of the enthalpy sum), "?kJ" when a value is missing.
std::string HeatTerm(const ThermoSums& sums);
