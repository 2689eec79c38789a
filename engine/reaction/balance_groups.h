#pragma once

#include <vector>

#include "engine/reaction/balance_search.h"
#include "engine/reaction/equation_species.h"
#include "engine/settings/settings.h"

// The groups of an equation's species, whose coefficients stand in a fixed
// whole-number ratio because an element links them, and the search problem
// over the groups' multipliers.

struct BalanceGroups {
  std::vector<int> groupOf;                          // per species, in written order
  std::vector<exact::Int> ratioOf;                   // the species' whole ratio within its group
  std::vector<int> groupAtPosition;                  // the search order
  balance::SearchProblem problem;                    // columns by search position
  std::vector<std::vector<exact::Int>> speciesRows;  // per element and the electrons; a column per species
};

// Returns 0; 8 with code 32 for more than maxGroups groups; 5 with code 27 when
// a count is beyond exact arithmetic.
int FormGroups(const PreparedEquation& prepared, int maxGroups, int balMin, int balMid, int balMax,
               BalanceGroups& groups);
