#include "engine/reaction/balance_search.h"

#include <map>
#include <utility>

namespace balance {
namespace {

using exact::Int;
using Vector = std::vector<Int>;

struct Range {
  int low;
  int high;  // inclusive
};
using Box = std::vector<Range>;

// Column operation on two vectors so that the entry at index becomes the gcd in
// first and 0 in second; unimodular, so the lattice they span is unchanged.
void CombineAt(Vector& first, Vector& second, std::size_t index) {
  Int a = first[index], b = second[index];
  Int s0 = 1, s1 = 0, t0 = 0, t1 = 1;  // first = s0*a0 + t0*b0, second = s1*a0 + t1*b0
  while (b != 0) {
    const Int q = a / b;
    const Int r = exact::Sub(a, exact::Mul(q, b));
    a = b;
    b = r;
    const Int s2 = exact::Sub(s0, exact::Mul(q, s1));
    const Int t2 = exact::Sub(t0, exact::Mul(q, t1));
    s0 = s1;
    t0 = t1;
    s1 = s2;
    t1 = t2;
  }
  Vector newFirst(first.size()), newSecond(first.size());
  for (std::size_t i = 0; i < first.size(); ++i) {
    newFirst[i] = exact::Add(exact::Mul(s0, first[i]), exact::Mul(t0, second[i]));
    newSecond[i] = exact::Add(exact::Mul(s1, first[i]), exact::Mul(t1, second[i]));
  }
  first = std::move(newFirst);
  second = std::move(newSecond);
}

// Leaves at most one vector of vectors[from..] with a non-zero entry at index,
// moved to position from; returns whether there was one.
bool ClearIndex(std::vector<Vector>& vectors, std::size_t from, std::size_t index) {
  std::size_t pivot = vectors.size();
  for (std::size_t j = from; j < vectors.size(); ++j) {
    if (vectors[j][index] == 0) continue;
    if (pivot == vectors.size()) {
      pivot = j;
      continue;
    }
    CombineAt(vectors[pivot], vectors[j], index);
  }
  if (pivot == vectors.size()) return false;
  std::swap(vectors[from], vectors[pivot]);
  return true;
}

// A basis of the integer solutions, in echelon form over the positions: vector j
// is 0 before its pivot position, positive at it, and the pivots rise with j.
struct LatticeBasis {
  std::vector<Vector> vectors;
  std::vector<int> pivots;
};

LatticeBasis KernelBasis(const SearchProblem& problem) {
  const std::size_t n = static_cast<std::size_t>(problem.positions);
  const std::size_t rowCount = problem.rows.size();
  // Each column holds its row entries followed by its part of the unimodular transform.
  std::vector<Vector> columns(n, Vector(rowCount + n, 0));
  for (std::size_t j = 0; j < n; ++j) {
    for (std::size_t i = 0; i < rowCount; ++i) columns[j][i] = problem.rows[i][j];
    columns[j][rowCount + j] = 1;
  }
  std::size_t next = 0;
  for (std::size_t i = 0; i < rowCount && next < n; ++i)
    if (ClearIndex(columns, next, i)) ++next;

  LatticeBasis basis;
  for (std::size_t j = next; j < n; ++j)
    basis.vectors.emplace_back(columns[j].begin() + static_cast<std::ptrdiff_t>(rowCount), columns[j].end());

  std::size_t done = 0;
  for (std::size_t position = 0; position < n && done < basis.vectors.size(); ++position) {
    if (!ClearIndex(basis.vectors, done, position)) continue;
    Vector& pivotVector = basis.vectors[done];
    if (pivotVector[position] < 0)
      for (Int& entry : pivotVector) entry = exact::Sub(0, entry);
    // Keep the earlier vectors small: reduce their entry at this pivot.
    for (std::size_t j = 0; j < done; ++j) {
      const Int factor = exact::FloorDiv(basis.vectors[j][position], pivotVector[position]);
      if (factor == 0) continue;
      for (std::size_t i = 0; i < n; ++i)
        basis.vectors[j][i] = exact::Sub(basis.vectors[j][i], exact::Mul(factor, pivotVector[i]));
    }
    basis.pivots.push_back(static_cast<int>(position));
    ++done;
  }
  return basis;
}

// coefficients . c <= bound, over the lattice coordinates c.
struct Inequality {
  Vector coefficients;
  Int bound;
};

constexpr std::size_t ProjectionLimit = 4000;

// The inequalities of one level of the projection, deduplicated and rounded:
// coefficients divided by their gcd and the bound rounded down, which keeps
// every integer point. False when a constant inequality cannot hold.
class InequalitySet {
 public:
  bool Add(Vector coefficients, Int bound) {
    Int divisor = 0;
    for (Int value : coefficients) divisor = exact::Gcd(divisor, value);
    if (divisor == 0) return bound >= 0;
    if (divisor > 1) {
      for (Int& value : coefficients) value /= divisor;
      bound = exact::FloorDiv(bound, divisor);
    }
    auto [entry, inserted] = tightest_.try_emplace(std::move(coefficients), bound);
    if (!inserted && bound < entry->second) entry->second = bound;
    return true;
  }
  std::size_t size() const { return tightest_.size(); }
  std::vector<Inequality> List() const {
    std::vector<Inequality> list;
    list.reserve(tightest_.size());
    for (const auto& [coefficients, bound] : tightest_) list.push_back({coefficients, bound});
    return list;
  }

 private:
  std::map<Vector, Int> tightest_;
};

// For every level t, the inequalities that bound coordinate t given the
// coordinates before it: the exact projection of the box onto c[0..t] where it
// could be computed, else the box inequalities that involve no later coordinate.
struct Projection {
  bool feasible = true;
  std::vector<std::vector<Inequality>> levels;
};

Projection Project(const LatticeBasis& basis, const Box& box) {
  const std::size_t k = basis.vectors.size();
  const std::size_t n = box.size();
  Projection projection;
  InequalitySet original;
  for (std::size_t i = 0; i < n && projection.feasible; ++i) {
    Vector row(k);
    for (std::size_t j = 0; j < k; ++j) row[j] = basis.vectors[j][i];
    Vector negated(k);
    for (std::size_t j = 0; j < k; ++j) negated[j] = exact::Sub(0, row[j]);
    projection.feasible =
        original.Add(std::move(row), box[i].high) && original.Add(std::move(negated), -Int{box[i].low});
  }
  if (!projection.feasible || k == 0) return projection;

  projection.levels.assign(k, {});
  std::vector<Inequality> current = original.List();
  projection.levels[k - 1] = current;
  std::size_t projectedDownTo = k - 1;
  try {
    for (std::size_t level = k - 1; level > 0; --level) {
      InequalitySet reduced;
      std::vector<const Inequality*> upper, lower;
      for (const auto& inequality : current) {
        const Int a = inequality.coefficients[level];
        if (a > 0)
          upper.push_back(&inequality);
        else if (a < 0)
          lower.push_back(&inequality);
        else if (!reduced.Add(inequality.coefficients, inequality.bound))
          projection.feasible = false;
      }
      if (upper.size() * lower.size() > ProjectionLimit * 4) break;
      for (const Inequality* up : upper) {
        for (const Inequality* down : lower) {
          const Int upFactor = exact::Sub(0, down->coefficients[level]);
          const Int downFactor = up->coefficients[level];
          Vector combined(k);
          for (std::size_t j = 0; j < k; ++j)
            combined[j] =
                exact::Add(exact::Mul(upFactor, up->coefficients[j]), exact::Mul(downFactor, down->coefficients[j]));
          const Int bound = exact::Add(exact::Mul(upFactor, up->bound), exact::Mul(downFactor, down->bound));
          if (!reduced.Add(std::move(combined), bound)) projection.feasible = false;
        }
      }
      if (!projection.feasible) return projection;
      if (reduced.size() > ProjectionLimit) break;
      current = reduced.List();
      projection.levels[level - 1] = current;
      projectedDownTo = level - 1;
    }
  } catch (const exact::Overflow&) {}
  // Levels the projection did not reach bound each coordinate by the box alone.
  for (std::size_t level = 0; level < projectedDownTo; ++level) {
    for (const auto& inequality : projection.levels[k - 1]) {
      bool laterFree = true;
      for (std::size_t j = level + 1; j < k; ++j) laterFree = laterFree && inequality.coefficients[j] == 0;
      if (laterFree) projection.levels[level].push_back(inequality);
    }
  }
  return projection;
}

// Thrown when the walk has taken SearchStepLimit steps over all passes.
struct StepLimitReached {};

class LexicographicSearch {
 public:
  LexicographicSearch(const LatticeBasis& basis, const Projection& projection, long& stepsLeft)
      : projection_(projection), coordinates_(basis.vectors.size(), 0), stepsLeft_(stepsLeft) {}

  bool Run() { return Descend(0); }
  const Vector& coordinates() const { return coordinates_; }

 private:
  bool Descend(std::size_t level) {
    Int low = 0, high = 0;
    if (!RangeAt(level, low, high)) return false;
    const bool last = level + 1 == coordinates_.size();
    for (Int value = low; value <= high; ++value) {
      if (--stepsLeft_ < 0) throw StepLimitReached{};
      coordinates_[level] = value;
      if (last || Descend(level + 1)) return true;
    }
    return false;
  }

  bool RangeAt(std::size_t level, Int& low, Int& high) const {
    bool haveLow = false, haveHigh = false;
    for (const auto& inequality : projection_.levels[level]) {
      Int rest = inequality.bound;
      for (std::size_t j = 0; j < level; ++j)
        rest = exact::Sub(rest, exact::Mul(inequality.coefficients[j], coordinates_[j]));
      const Int a = inequality.coefficients[level];
      if (a == 0) {
        if (rest < 0) return false;
      } else if (a > 0) {
        const Int limit = exact::FloorDiv(rest, a);
        if (!haveHigh || limit < high) high = limit;
        haveHigh = true;
      } else {
        const Int limit = exact::CeilDiv(rest, a);
        if (!haveLow || limit > low) low = limit;
        haveLow = true;
      }
    }
    // The pivot's box inequalities always bound the coordinate from both sides.
    return haveLow && haveHigh && low <= high;
  }

  const Projection& projection_;
  Vector coordinates_;
  long& stepsLeft_;
};

std::optional<std::vector<int>> FirstInBox(const LatticeBasis& basis, const Box& box, long& stepsLeft) {
  for (const Range& range : box)
    if (range.low > range.high) return std::nullopt;
  const Projection projection = Project(basis, box);
  if (!projection.feasible) return std::nullopt;
  const std::size_t n = box.size();
  if (basis.vectors.empty()) return std::vector<int>(n, 0);  // only the zero point, and it lies in the box
  LexicographicSearch search(basis, projection, stepsLeft);
  if (!search.Run()) return std::nullopt;
  std::vector<int> point(n, 0);
  for (std::size_t i = 0; i < n; ++i) {
    Int value = 0;
    for (std::size_t j = 0; j < basis.vectors.size(); ++j)
      value = exact::Add(value, exact::Mul(basis.vectors[j][i], search.coordinates()[j]));
    point[i] = static_cast<int>(value);
  }
  return point;
}

// Passes are numbered from 0 here; the last has number 2^(positions - 1).
int LastPass(int positions) { return 1 << (positions - 1); }

Box PassBox(const SearchProblem& problem, int pass) {
  const int n = problem.positions;
  Box box(static_cast<std::size_t>(n));
  for (int g = 0; g < n; ++g) {
    if (pass == LastPass(n)) {
      box[g] = g == 0 ? Range{problem.highest, problem.highest} : Range{problem.lowest, problem.highest};
    } else if ((pass >> (n - 1 - g)) & 1) {
      box[g] = {problem.highest - 1, problem.highest};
    } else {
      box[g] = {problem.lowest, problem.highest - 1};
    }
  }
  return box;
}

// The pass in which a point of the whole box is visited first.
int FirstPassOf(const SearchProblem& problem, const std::vector<int>& point) {
  const int n = problem.positions;
  if (point[0] == problem.highest) return LastPass(n);
  int pass = 0;
  for (int g = 1; g < n; ++g)
    if (point[g] == problem.highest) pass |= 1 << (n - 1 - g);
  return pass;
}

// The points of the whole box, counted up to just past the odometer's limit.
long double BoxPoints(const SearchProblem& problem) {
  long double points = 1;
  for (int g = 0; g < problem.positions && points <= OdometerPointLimit; ++g)
    points *= static_cast<long double>(problem.highest) - problem.lowest + 1;
  return points;
}

}  // namespace

std::optional<std::vector<int>> FirstSolutionInBox(const SearchProblem& problem) {
  if (problem.positions <= 0 || problem.lowest > problem.highest) return std::nullopt;
  try {
    const LatticeBasis basis = KernelBasis(problem);
    const Box whole(static_cast<std::size_t>(problem.positions), Range{problem.lowest, problem.highest});
    long stepsLeft = SearchStepLimit;
    const auto best = FirstInBox(basis, whole, stepsLeft);
    if (!best) return std::nullopt;
    const int bestPass = FirstPassOf(problem, *best);
    // An earlier pass may still hold a solution that is later in the plain order.
    for (int pass = 0; pass < bestPass; ++pass)
      if (auto found = FirstInBox(basis, PassBox(problem, pass), stepsLeft)) return found;
    return best;
  } catch (const StepLimitReached&) {
    return std::nullopt;
  } catch (const exact::Overflow&) {
    if (BoxPoints(problem) > OdometerPointLimit) return std::nullopt;
    return FirstSolutionByOdometer(problem);
  }
}

std::optional<std::vector<int>> FirstSolutionByOdometer(const SearchProblem& problem) {
  const int n = problem.positions;
  if (n <= 0) return std::nullopt;
  for (int pass = 0; pass <= LastPass(n); ++pass) {
    const Box box = PassBox(problem, pass);
    bool empty = false;
    for (const Range& range : box) empty = empty || range.low > range.high;
    if (empty) continue;
    std::vector<int> point(static_cast<std::size_t>(n));
    for (int g = 0; g < n; ++g) point[g] = box[g].low;
    while (true) {
      if (RowsBalance(problem.rows, point)) return point;
      int g = n - 1;
      while (g >= 0 && point[g] == box[g].high) {
        point[g] = box[g].low;
        --g;
      }
      if (g < 0) break;
      ++point[g];
    }
  }
  return std::nullopt;
}

}  // namespace balance
