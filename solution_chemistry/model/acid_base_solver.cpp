#include "solution_chemistry/model/acid_base_solver.h"

#include <cmath>
#include <optional>

#include "engine/numbers/number_text.h"

namespace {

// Added to a negated logarithm so that log10(1) is shown as "0", not "-0".
constexpr double NoNegativeZero = 0.0;

bool IsGiven(const std::string& text) {
  for (char c : text)
    if (static_cast<unsigned char>(c) > ' ') return true;
  return false;
}

std::optional<double> Read(const std::string& text) {
  return IsGiven(text) ? std::optional<double>(ReadLeadingReal(text)) : std::nullopt;
}

// "own + added": the part the solution gives itself, then the part that must be added.
std::string TwoTermText(double own, double added) { return FormatNumberG(own) + " + " + FormatNumberG(added); }

void WriteComputed(std::string& slot, const std::optional<double>& given, double value) {
  if (!given) slot = FormatNumberG(value);
}

}  // namespace

int SolveAcidBaseEquilibrium(AcidBaseValues& values, std::string& pH, const std::string& addedIon,
                             const std::string& addedConjugate, bool base) {
  const AcidBaseGiven given{Read(values[IonSlot]), Read(values[ConjugateSlot]), Read(values[InitialSlot]),
                            Read(values[ConstantSlot]), Read(pH), Read(addedIon), Read(addedConjugate), base};
  AcidBaseEquilibrium e;
  if (const int failed = SolveAcidBase(given, e)) return failed;
  WriteComputed(values[IonSlot], given.ion, e.ion);
  WriteComputed(values[ConjugateSlot], given.conjugate, e.conjugate);
  values[InitialSlot] = FormatNumberG(e.undissociated);
  WriteComputed(values[ConstantSlot], given.constant, e.constant);
  WriteComputed(pH, given.pH, e.pH);
  // The two-term slot shows how its concentration is made up; the other one is written anew.
  if (e.twoTerm == TwoTermSlot::Conjugate) {
    values[ConjugateSlot] = TwoTermText(e.ownPart, e.addedPart);
    values[IonSlot] = FormatNumberG(e.ion);
  } else if (e.twoTerm == TwoTermSlot::Ion) {
    values[IonSlot] = TwoTermText(e.ownPart, e.addedPart);
    values[ConjugateSlot] = FormatNumberG(e.conjugate);
  }
  return AcidBaseSolved;
}

std::string PKText(std::string_view constantText) {
  const double constant = ReadLeadingReal(constantText);
  return constant > 0.0 ? FormatNumberG(-std::log10(constant) + NoNegativeZero) : std::string();
}

std::string ConstantFromPKText(std::string_view pKText) {
  return FormatNumberG(std::pow(10.0, -ReadLeadingReal(pKText)));
}
