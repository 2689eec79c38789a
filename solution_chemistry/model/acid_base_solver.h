#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

#include "solution_chemistry/model/acid_base_equilibrium.h"

// The acid/base equilibrium on the texts of the weak acid/base window: an empty text is a value
// not given, a computed value is written as a "%G" text.

// The four value slots, in this order.
inline constexpr int IonSlot = 0;        // [H3O+] (base: [OH-]) at equilibrium
inline constexpr int ConjugateSlot = 1;  // [conjugate] at equilibrium
inline constexpr int InitialSlot = 2;    // on entry before dissociation, on return undissociated at equilibrium
inline constexpr int ConstantSlot = 3;   // K
inline constexpr int AcidBaseValueCount = 4;
using AcidBaseValues = std::array<std::string, AcidBaseValueCount>;

// The widest text a slot holds.
inline constexpr std::size_t AcidBaseSlotWidth = 40;

// Fills the slots not given from the ones given (the seventeen sets of SolveAcidBase). The slot
// of the concentration before dissociation returns the undissociated concentration at
// equilibrium; in sets 12 to 14 the conjugate (or the ion) slot holds the two-term text of the
// part the solution gives and the part to be added. base: the ion is OH- and the pH comes from
// the pOH. On AcidBaseSolved every slot and pH hold their values; on any other result nothing is
// written.
int SolveAcidBaseEquilibrium(AcidBaseValues& values, std::string& pH, const std::string& addedIon,
                             const std::string& addedConjugate, bool base);

// "%G" of -log10 K; empty when K is not above 0.
std::string PKText(std::string_view constantText);

// "%G" of 10 to the power -pK.
std::string ConstantFromPKText(std::string_view pKText);
