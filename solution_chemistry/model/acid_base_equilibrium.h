#pragma once
// The equilibrium of a weak acid HA in water, K = [conjugate][H3O+] / [HA], or of a weak base B,
// K = [conjugate][OH-] / [B], completed in double precision from whichever values were given.
// Every set of given values keeps the charge balance with water's own ions: without an added
// amount [conjugate] = [H3O+] - Kw / [H3O+] (for a base the same with OH-), so that any value the
// solver gives, given back with the others it came from, gives the same equilibrium again.
#include <optional>

// The values of one calculation; an empty one is not given.
struct AcidBaseGiven {
  std::optional<double> ion;             // [H3O+] (base: [OH-]) at equilibrium
  std::optional<double> conjugate;       // [conjugate] at equilibrium
  std::optional<double> initial;         // the acid (base) before dissociation
  std::optional<double> constant;        // K
  std::optional<double> pH;
  std::optional<double> addedIon;        // H3O+ (base: OH-) added to the solution
  std::optional<double> addedConjugate;  // conjugate added to the solution
  bool base = false;
};

// Where a concentration is shown as the part the solution gives itself and the part that must be
// added to it for the given values to hold (a buffer).
enum class TwoTermSlot { None, Conjugate, Ion };

struct AcidBaseEquilibrium {
  double ion = 0.0, conjugate = 0.0, undissociated = 0.0, constant = 0.0, pH = 0.0;
  TwoTermSlot twoTerm = TwoTermSlot::None;
  double ownPart = 0.0, addedPart = 0.0;  // of the two-term slot: ownPart + addedPart
};

// Results of SolveAcidBase.
inline constexpr int AcidBaseSolved = 0;
inline constexpr int AcidBaseUnknownCombination = 1;  // the given values are none of the sets solved
inline constexpr int AcidBaseImpossibleValue = 2;     // a division by zero or a value without meaning
inline constexpr int AcidBaseNegativeResult = 3;      // a concentration would come out 0 or below

// Solves one of the seventeen sets: x, K, ab; p, K, ab; a, K, xb; C0, K, xb; C0, K, ab; C0, K;
// a, K; x, K; p, K; x, C0; a, C0; C0, K, p; x, C0, K; a, C0, K; x, a, K; a, K, p; p, C0.
// Sets 12 to 14 (C0, K with x, p or a) name in the result how much conjugate (or H3O+) must be
// added. On anything but AcidBaseSolved the result is not to be shown.
int SolveAcidBase(const AcidBaseGiven& given, AcidBaseEquilibrium& result);
