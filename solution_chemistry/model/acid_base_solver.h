#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

// The equilibrium of a weak acid HA in water, K = [conjugate][H3O+] / [HA], or
// of a weak base B, K = [conjugate][OH-] / [B], completed from whichever of
// its values were given. Values are texts as the weak acid/base window holds
// them: an empty text is a value not given, a computed value is written as a
// "%G" text. Everything is computed in double precision.

// The four value slots, in this order.
inline constexpr int IonSlot = 0;        // [H3O+] (base: [OH-]) at equilibrium
inline constexpr int ConjugateSlot = 1;  // [conjugate] at equilibrium
inline constexpr int InitialSlot = 2;    // on entry before dissociation, on return undissociated at equilibrium
inline constexpr int ConstantSlot = 3;   // K
inline constexpr int AcidBaseValueCount = 4;
using AcidBaseValues = std::array<std::string, AcidBaseValueCount>;

// The widest text a slot holds.
inline constexpr std::size_t AcidBaseSlotWidth = 40;

// Results of SolveAcidBaseEquilibrium.
inline constexpr int AcidBaseSolved = 0;
inline constexpr int AcidBaseUnknownCombination = 1;  // the given values are none of the sets solved
inline constexpr int AcidBaseImpossibleValue = 2;     // a division by zero or a value without meaning
inline constexpr int AcidBaseNegativeResult = 3;      // a concentration would come out 0 or below

// Fills the slots not given from the ones given: [H3O+] with K; the pH with
// K; [H3O+] or [conjugate] with the concentration before dissociation, with
// or without K; the concentration before dissociation with K, alone or with
// an added amount of H3O+ (addedIon) or of the conjugate (addedConjugate); and
// so on (seventeen sets). Where the given values leave [H3O+] open, water's own
// ionisation is part of the equilibrium, so a very dilute acid stays below
// pH 7 and a very dilute base above it. base: the ion is OH- and the pH comes
// from the pOH. On AcidBaseSolved every slot and pH hold their values; on
// any other result nothing is written.
int SolveAcidBaseEquilibrium(AcidBaseValues& values, std::string& pH, const std::string& addedIon,
                             const std::string& addedConjugate, bool base);

// "%G" of -log10 K; empty when K is not above 0.
std::string PKText(std::string_view constantText);

// "%G" of 10 to the power -pK.
std::string ConstantFromPKText(std::string_view pKText);
