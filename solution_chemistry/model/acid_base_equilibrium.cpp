#include "solution_chemistry/model/acid_base_equilibrium.h"

#include <cmath>
#include <limits>

#include "solution_chemistry/model/water_equilibrium.h"

namespace {

// The given values, one bit each; a set of given values is solved when it matches one of the
// combinations in SolveAcidBase exactly.
enum Given : unsigned {
  X = 1,    // [H3O+]
  A = 2,    // [conjugate]
  C0 = 4,   // before dissociation
  K = 8,    // the constant
  P = 16,   // the pH
  XB = 32,  // H3O+ added
  AB = 64,  // conjugate added
};

// Added to a negated logarithm so that log10(1) is shown as "0", not "-0".
constexpr double NoNegativeZero = 0.0;

// pH from [H3O+], or for a base from [OH-], and back.
struct PHScale {
  bool base;
  double PH(double concentration) const {
    return (base ? -std::log10(WaterIonProduct / concentration) : -std::log10(concentration)) + NoNegativeZero;
  }
  double Concentration(double pH) const { return base ? WaterIonProduct * std::pow(10.0, pH) : std::pow(10.0, -pH); }
};

// The conjugate that the ion's concentration x stands for when nothing else was added: the charge
// balance x = [conjugate] + Kw / x, the last term water's own counter-ion. At neutral water the
// difference is rounding and is taken as none.
double ConjugateOfIon(double x) {
  const double conjugate = x - WaterIonProduct / x;
  return std::fabs(conjugate) <= 4.0 * std::numeric_limits<double>::epsilon() * x ? 0.0 : conjugate;
}

// The acid and its conjugate at equilibrium from [H3O+], when total of both is present:
// K = x [A-] / [HA] and [HA] + [A-] = total.
void SplitByEquilibrium(AcidBaseEquilibrium& e, double total) {
  e.conjugate = e.constant * total / (e.ion + e.constant);
  e.undissociated = total * e.ion / (e.ion + e.constant);
}

// What must be added to the solution's own part to make up total; a shortfall within the rounding
// of the sums is none. scale: the largest term the two were computed from; the ion's
// concentration itself is known to about 1E-15 of it (the cubic's tolerance).
double AddedPart(double total, double own, double scale) {
  const double added = total - own;
  return std::fabs(added) <= 1E-12 * scale ? 0.0 : added;
}

// Sets 12 and 13: [H3O+] and the initial concentration fix the acid's own dissociation; K then
// asks for more conjugate than it gives, the rest to be added.
int ConjugateToAdd(AcidBaseEquilibrium& e, double initial) {
  const double own = ConjugateOfIon(e.ion);
  e.undissociated = initial - own;
  if (!(e.undissociated > 0.0)) return AcidBaseNegativeResult;
  e.conjugate = e.constant * e.undissociated / e.ion;
  // [HA] = initial - own loses what initial rounds off, and K / x carries that into [A-].
  const double added = AddedPart(e.conjugate, own, e.ion + e.constant * initial / e.ion);
  if (!std::isfinite(added)) return AcidBaseImpossibleValue;
  if (added < 0.0) return AcidBaseNegativeResult;
  e.twoTerm = TwoTermSlot::Conjugate;
  e.ownPart = own;
  e.addedPart = added;
  return AcidBaseSolved;
}

bool AllFinite(const AcidBaseEquilibrium& e) {
  return std::isfinite(e.ion) && std::isfinite(e.conjugate) && std::isfinite(e.undissociated) &&
         std::isfinite(e.constant) && std::isfinite(e.pH);
}

}  // namespace

int SolveAcidBase(const AcidBaseGiven& in, AcidBaseEquilibrium& e) {
  unsigned given = 0;
  if (in.ion) given |= X;
  if (in.conjugate) given |= A;
  if (in.initial) given |= C0;
  if (in.constant) given |= K;
  if (in.pH) given |= P;
  if (in.addedIon) given |= XB;
  if (in.addedConjugate) given |= AB;

  const double x = in.ion.value_or(0.0), a = in.conjugate.value_or(0.0), c0 = in.initial.value_or(0.0);
  const double k = in.constant.value_or(0.0), p = in.pH.value_or(0.0);
  const double xb = in.addedIon.value_or(0.0), ab = in.addedConjugate.value_or(0.0);
  const PHScale scale{in.base};

  e = AcidBaseEquilibrium{x, a, c0, k, p};
  switch (given) {
    case X | K | AB:
      e.conjugate = ab + ConjugateOfIon(x);
      e.undissociated = x * e.conjugate / k;
      e.pH = scale.PH(x);
      break;
    case P | K | AB:
      e.ion = scale.Concentration(p);
      e.conjugate = ab + ConjugateOfIon(e.ion);
      e.undissociated = e.ion * e.conjugate / k;
      break;
    case A | K | XB:
      e.ion = IonWithWater(xb + a);
      e.undissociated = a * e.ion / k;
      e.pH = scale.PH(e.ion);
      break;
    case C0 | K | XB:
    case C0 | K | AB:
    case C0 | K:
      if (!(k > 0.0) || c0 < 0.0 || xb < 0.0 || ab < 0.0) return AcidBaseImpossibleValue;
      e.ion = EquilibriumIon(k, c0, xb, ab);
      SplitByEquilibrium(e, c0 + ab);
      e.pH = scale.PH(e.ion);
      break;
    case A | K:
      e.ion = IonWithWater(a);
      e.undissociated = a * e.ion / k;
      e.pH = scale.PH(e.ion);
      break;
    case X | K:
      e.conjugate = ConjugateOfIon(x);
      e.undissociated = x * e.conjugate / k;
      e.pH = scale.PH(x);
      break;
    case P | K:
      e.ion = scale.Concentration(p);
      e.conjugate = ConjugateOfIon(e.ion);
      e.undissociated = e.ion * e.conjugate / k;
      break;
    case X | C0:
      e.conjugate = ConjugateOfIon(x);
      e.undissociated = c0 - e.conjugate;
      if (!(e.undissociated > 0.0)) return AcidBaseNegativeResult;
      e.constant = x * e.conjugate / e.undissociated;
      e.pH = scale.PH(x);
      break;
    case A | C0:
      e.undissociated = c0 - a;
      if (!(e.undissociated > 0.0)) return AcidBaseNegativeResult;
      e.ion = IonWithWater(a);
      e.constant = e.ion * a / e.undissociated;
      e.pH = scale.PH(e.ion);
      break;
    case C0 | K | P:
      e.ion = scale.Concentration(p);
      if (const int failed = ConjugateToAdd(e, c0)) return failed;
      break;
    case X | C0 | K:
      e.pH = scale.PH(x);
      if (const int failed = ConjugateToAdd(e, c0)) return failed;
      break;
    case A | C0 | K: {
      // The conjugate and the initial concentration fix [HA], and K then asks for more H3O+ than
      // the acid and water give, the rest to come from an added acid.
      if (a == 0.0) return AcidBaseImpossibleValue;
      e.undissociated = c0 - a;
      if (!(e.undissociated > 0.0)) return AcidBaseNegativeResult;
      e.ion = k * e.undissociated / a;
      const double own = a + WaterIonProduct / e.ion;
      const double added = AddedPart(e.ion, own, e.ion + k * c0 / a);
      if (!std::isfinite(added)) return AcidBaseImpossibleValue;
      if (added < 0.0) return AcidBaseNegativeResult;
      e.twoTerm = TwoTermSlot::Ion;
      e.ownPart = own;
      e.addedPart = added;
      e.pH = scale.PH(e.ion);
      break;
    }
    case X | A | K:
      if (k == 0.0) return AcidBaseImpossibleValue;
      e.undissociated = a * x / k;
      e.pH = scale.PH(x);
      break;
    case A | K | P:
      if (k == 0.0) return AcidBaseImpossibleValue;
      e.ion = scale.Concentration(p);
      e.undissociated = a * e.ion / k;
      break;
    case P | C0:
      e.ion = scale.Concentration(p);
      e.conjugate = ConjugateOfIon(e.ion);
      e.undissociated = c0 - e.conjugate;
      if (!(e.undissociated > 0.0)) return AcidBaseImpossibleValue;
      e.constant = e.ion * e.conjugate / e.undissociated;
      break;
    default: return AcidBaseUnknownCombination;
  }
  if (!AllFinite(e)) return AcidBaseImpossibleValue;
  // [H3O+] below water's own would need a negative conjugate; a constant of 0 has no pK.
  if (e.conjugate < 0.0 || e.undissociated < 0.0 || !(e.constant > 0.0)) return AcidBaseNegativeResult;
  return AcidBaseSolved;
}
