#pragma once
// The mass of a formula, for callers that want nothing else of the formula parser.
#include <string>

// The molar mass of a plain formula, the mass of a mole amount or the amount of a gram amount, as
// dcalk gives it (mode 0, type 3, not quiet): -1.0 for a formula it refuses, with ErrorText holding
// the error line.
float FormulaMass(std::string formula);
