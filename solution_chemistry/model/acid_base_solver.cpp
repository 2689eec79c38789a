#include "solution_chemistry/model/acid_base_solver.h"

#include <cmath>
#include <optional>

#include "engine/numbers/number_text.h"
#include "solution_chemistry/model/water_equilibrium.h"

namespace {

// The given values, one bit each; a set of given values is solved when it
// matches one of the combinations in SolveAcidBaseEquilibrium exactly.
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

// A two-term text is completed with its second term only below this length.
constexpr std::size_t TwoTermLimit = 36;

bool IsGiven(const std::string& text) {
  for (char c : text)
    if (static_cast<unsigned char>(c) > ' ') return true;
  return false;
}

// The values of a solved equilibrium. A text, when set, is written in place of
// its number: a two-term text, or a given value written anew.
struct Equilibrium {
  double ion = 0.0, conjugate = 0.0, undissociated = 0.0, constant = 0.0, pH = 0.0;
  std::optional<std::string> ionText, conjugateText;
};

// pH from [H3O+], or for a base from [OH-], and back.
struct PHScale {
  bool base;
  double PH(double concentration) const {
    return (base ? -std::log10(WaterIonProduct / concentration) : -std::log10(concentration)) + NoNegativeZero;
  }
  double Concentration(double pH) const { return base ? WaterIonProduct * std::pow(10.0, pH) : std::pow(10.0, -pH); }
};

// "given + y": the given part as it stands, then the part that must be added.
std::string TwoTermText(const std::string& given, double y) {
  std::string text = given + " + ";
  const std::string term = FormatNumberG(y);
  if (text.size() + term.size() < TwoTermLimit) text += term;
  if (text.size() > AcidBaseSlotWidth) text.resize(AcidBaseSlotWidth);
  return text;
}

// The acid and its conjugate at equilibrium from [H3O+], when total of both
// is present: K = x [A-] / [HA] and [HA] + [A-] = total.
void SplitByEquilibrium(Equilibrium& e, double total) {
  e.conjugate = e.constant * total / (e.ion + e.constant);
  e.undissociated = total * e.ion / (e.ion + e.constant);
}

bool AllFinite(const Equilibrium& e) {
  return std::isfinite(e.ion) && std::isfinite(e.conjugate) && std::isfinite(e.undissociated) &&
         std::isfinite(e.constant) && std::isfinite(e.pH);
}

void Write(std::string& slot, bool given, double value, const std::optional<std::string>& text) {
  if (text)
    slot = *text;
  else if (!given)
    slot = FormatNumberG(value);
}

}  // namespace

int SolveAcidBaseEquilibrium(AcidBaseValues& values, std::string& pH, const std::string& addedIon,
                             const std::string& addedConjugate, bool base) {
  unsigned given = 0;
  if (IsGiven(values[IonSlot])) given |= X;
  if (IsGiven(values[ConjugateSlot])) given |= A;
  if (IsGiven(values[InitialSlot])) given |= C0;
  if (IsGiven(values[ConstantSlot])) given |= K;
  if (IsGiven(pH)) given |= P;
  if (IsGiven(addedIon)) given |= XB;
  if (IsGiven(addedConjugate)) given |= AB;

  const double x = ReadLeadingReal(values[IonSlot]), a = ReadLeadingReal(values[ConjugateSlot]);
  const double c0 = ReadLeadingReal(values[InitialSlot]), k = ReadLeadingReal(values[ConstantSlot]);
  const double p = ReadLeadingReal(pH), xb = ReadLeadingReal(addedIon), ab = ReadLeadingReal(addedConjugate);
  const PHScale scale{base};

  Equilibrium e{x, a, c0, k, p, std::nullopt, std::nullopt};
  switch (given) {
    // [H3O+] or the pH given: it fixes the equilibrium without water's share.
    case X | K | AB:
      e.conjugate = ab + x;
      e.undissociated = x * e.conjugate / k;
      e.pH = scale.PH(x);
      break;
    case P | K | AB:
      e.ion = scale.Concentration(p);
      e.conjugate = ab + e.ion;
      e.undissociated = e.ion * e.conjugate / k;
      break;
    case X | K:
      e.conjugateText = values[IonSlot];
      e.undissociated = x * x / k;
      e.pH = scale.PH(x);
      break;
    case P | K:
      e.ion = e.conjugate = scale.Concentration(p);
      e.undissociated = e.ion * e.ion / k;
      break;
    case X | C0:
      if (c0 - x <= 0.0) return AcidBaseNegativeResult;
      e.conjugateText = values[IonSlot];
      e.undissociated = c0 - x;
      e.constant = x * x / e.undissociated;
      e.pH = scale.PH(x);
      break;
    case C0 | K | P: {
      e.ion = scale.Concentration(p);
      e.undissociated = c0 - e.ion;
      const double y = (e.undissociated * k - e.ion * e.ion) / e.ion;
      if (!std::isfinite(y)) return AcidBaseImpossibleValue;
      if (y < 0.0) return AcidBaseNegativeResult;
      e.conjugateText = TwoTermText(FormatNumberG(e.ion), y);
      break;
    }
    case X | C0 | K: {
      e.pH = scale.PH(x);
      e.undissociated = c0 - x;
      const double y = (e.undissociated * k - x * x) / x;
      if (!std::isfinite(y)) return AcidBaseImpossibleValue;
      if (y < 0.0) return AcidBaseNegativeResult;
      e.conjugateText = TwoTermText(values[IonSlot], y);
      e.ionText = FormatNumberG(x);
      break;
    }
    case A | C0 | K: {
      if (a == 0.0) return AcidBaseImpossibleValue;
      e.undissociated = c0 - a;
      const double y = (e.undissociated * k - a * a) / a;
      if (!std::isfinite(y)) return AcidBaseImpossibleValue;
      if (y < 0.0) return AcidBaseNegativeResult;
      e.pH = scale.PH(a + y);
      e.ionText = TwoTermText(values[ConjugateSlot], y);
      e.conjugateText = FormatNumberG(a);
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
      e.ion = e.conjugate = scale.Concentration(p);
      e.undissociated = c0 - e.ion;
      if (e.undissociated <= 0.0) return AcidBaseImpossibleValue;
      e.constant = e.ion * e.conjugate / e.undissociated;
      break;
    // [H3O+] left open: water's ions take part.
    case A | K | XB:
      e.ion = IonWithWater(xb + a);
      e.undissociated = a * e.ion / k;
      e.pH = scale.PH(e.ion);
      break;
    case A | K:
      e.ion = IonWithWater(a);
      e.undissociated = a * e.ion / k;
      e.pH = scale.PH(e.ion);
      break;
    case A | C0:
      e.undissociated = c0 - a;
      if (e.undissociated <= 0.0) return AcidBaseNegativeResult;
      e.ion = IonWithWater(a);
      e.constant = e.ion * a / e.undissociated;
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
    default: return AcidBaseUnknownCombination;
  }
  if (!AllFinite(e)) return AcidBaseImpossibleValue;

  Write(values[IonSlot], given & X, e.ion, e.ionText);
  Write(values[ConjugateSlot], given & A, e.conjugate, e.conjugateText);
  values[InitialSlot] = FormatNumberG(e.undissociated);
  Write(values[ConstantSlot], given & K, e.constant, std::nullopt);
  Write(pH, given & P, e.pH, std::nullopt);
  return AcidBaseSolved;
}

std::string PKText(std::string_view constantText) {
  const double constant = ReadLeadingReal(constantText);
  return constant > 0.0 ? FormatNumberG(-std::log10(constant) + NoNegativeZero) : std::string();
}

std::string ConstantFromPKText(std::string_view pKText) {
  return FormatNumberG(std::pow(10.0, -ReadLeadingReal(pKText)));
}
