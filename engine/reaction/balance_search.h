#pragma once

#include <optional>
#include <vector>

#include "engine/reaction/exact_int.h"

// The search for group multipliers of a reaction equation: integer multipliers
// m, one per search position, with every balance row summing to exactly 0,
// each multiplier inside [lowest, highest].
//
// The answer is the first solution in the visiting order of the bounded search
// that the balancing has always used: passes first, then within a pass an
// odometer over the positions with the last position turning fastest. Pass p
// (from 1) gives position g the range [lowest, highest - 1] when bit
// (positions - 1 - g) of p - 1 is clear, [highest - 1, highest] when it is set;
// the pass in which position 0 first has its bit set is the last one, with
// position 0 at highest and every other position in [lowest, highest].
//
// The search does not walk the box. The integer solutions form a lattice (the
// kernel of the balance rows), found by integer column operations; in echelon
// form over the positions, the lexicographic order of the points is the order
// of their lattice coordinates, so the first point of a pass is found by a
// depth-first walk over those coordinates whose ranges come from a
// Fourier-Motzkin projection of the pass's box. All arithmetic is 128-bit and
// checked; where it would overflow, the odometer itself is run instead, over a
// box of at most OdometerPointLimit points. Where the projection could not be
// completed (counts near the ends of the arithmetic) the walk is bounded by
// SearchStepLimit steps. Past either limit the box counts as holding no
// solution: the search's iteration limit.

namespace balance {

inline constexpr long double OdometerPointLimit = 1 << 22;
inline constexpr long SearchStepLimit = 1L << 20;

struct SearchProblem {
  std::vector<std::vector<exact::Int>> rows;  // one per element and one for the electrons; a column per position
  int positions = 0;
  int lowest = 1;
  int highest = 10;
};

// Whether every row sums to exactly 0 at point, one value per column; false
// also when a sum leaves exact arithmetic.
template <typename Integer>
bool RowsBalance(const std::vector<std::vector<exact::Int>>& rows, const std::vector<Integer>& point) {
  try {
    for (const auto& row : rows) {
      exact::Int sum = 0;
      for (std::size_t column = 0; column < point.size(); ++column)
        sum = exact::Add(sum, exact::Mul(row[column], point[column]));
      if (sum != 0) return false;
    }
    return true;
  } catch (const exact::Overflow&) {
    return false;
  }
}

// The multipliers by search position, or empty when the box holds no solution.
std::optional<std::vector<int>> FirstSolutionInBox(const SearchProblem& problem);

// The same answer found by running the odometer over every pass, point by point.
std::optional<std::vector<int>> FirstSolutionByOdometer(const SearchProblem& problem);

}  // namespace balance
