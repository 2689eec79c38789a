#pragma once
// The MS iteration: every sub-formula of the parent formula whose mass lies strictly within a
// peak's tolerance, found by counting each element of the parent from 0 to its count.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

inline constexpr float ElectronMassU = 0.0005485720024288501f;
// Steps of the iteration one interpretation may take over all its peaks. The number of
// sub-formulas is the product of the element counts plus one, which a large parent formula drives
// far beyond what a window can wait for; the steps are counted and end here.
inline constexpr std::uint64_t IterationStepLimit = 4'000'000;

struct FragmentToken {
  std::string symbol;  // "C", "Cl", or with a mass number "C[13]"
  int count = 1;       // atoms of it in the parent formula
  float mass = 0;      // of one atom
};

// The parent formula read once for all peaks: one token per element and per isotope, in the order
// they first appear in the formula, counted by the formula parser (so groups and adducts count).
struct FragmentParent {
  std::vector<FragmentToken> tokens;
  float base = 0;  // mass of the parent's charge: a cation's fragments are lighter by its electrons
};

// Empty when the formula has no mass (the parser fails), a mass of 1e8 or more, or 20 or more
// elements and isotopes.
std::optional<FragmentParent> ReadFragmentParent(std::string_view parentFormula);

struct IterationBudget {
  std::uint64_t stepsLeft = IterationStepLimit;
};

// The lines of the matches for one peak, in the order of an odometer whose first token turns
// fastest: the sum as "%G" padded to 10 characters, the formula, tabs to a column, " \n". Past
// 944 characters the result ends with "....... \n". When the budget runs out, a line says that the
// iteration stopped.
std::string IterateFragmentFormulas(const FragmentParent& parent, bool showIsoFormula, float tolerance, float peak,
                                    IterationBudget& budget);
