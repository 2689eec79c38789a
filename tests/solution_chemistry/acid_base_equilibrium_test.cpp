// Every set of given values keeps water's ions in the charge balance, so the sets are each other's
// inverses: an equilibrium computed from the initial concentration and K, given back as any one of
// its values with the initial concentration, gives K again.
#include "solution_chemistry/model/acid_base_equilibrium.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

struct Solute {
  const char* name;
  double constant;
  bool base;
};

const Solute Solutes[] = {
    {"acetic acid", 1.75E-5, false},  {"hydrogen cyanide", 5.85E-10, false}, {"hydrofluoric acid", 6.8E-4, false},
    {"oxalic acid", 5.6E-2, false},   {"ammonia", 1.8E-5, true},             {"pyridine", 1.7E-9, true},
};

AcidBaseEquilibrium Solved(const AcidBaseGiven& given) {
  AcidBaseEquilibrium result;
  EXPECT_EQ(SolveAcidBase(given, result), AcidBaseSolved);
  return result;
}

TEST(AcidBaseWater, EveryValueGivenBackWithTheInitialConcentrationGivesKAgain) {
  for (const Solute& solute : Solutes) {
    for (int exponent = 1; exponent <= 8; ++exponent) {
      const double initial = std::pow(10.0, -exponent);
      SCOPED_TRACE(std::string(solute.name) + " at 1E-" + std::to_string(exponent));
      const AcidBaseEquilibrium e = Solved({.initial = initial, .constant = solute.constant, .base = solute.base});
      const AcidBaseGiven typedBack[] = {
          {.ion = e.ion, .initial = initial, .base = solute.base},
          {.conjugate = e.conjugate, .initial = initial, .base = solute.base},
          {.initial = initial, .pH = e.pH, .base = solute.base},
      };
      for (const AcidBaseGiven& given : typedBack) {
        const AcidBaseEquilibrium back = Solved(given);
        EXPECT_NEAR(back.constant / solute.constant, 1.0, 1E-6);
        EXPECT_NEAR(back.undissociated / e.undissociated, 1.0, 1E-6);
      }
    }
  }
}

// Given the ion, the conjugate or the pH with K, the solution is the one they came from; with
// the initial concentration and K and one of them, no buffer is needed.
TEST(AcidBaseWater, TheSetsWithKGiveTheSameSolutionBack) {
  for (const Solute& solute : Solutes) {
    for (int exponent = 1; exponent <= 8; ++exponent) {
      const double initial = std::pow(10.0, -exponent);
      const double k = solute.constant;
      const bool base = solute.base;
      SCOPED_TRACE(std::string(solute.name) + " at 1E-" + std::to_string(exponent));
      const AcidBaseEquilibrium e = Solved({.initial = initial, .constant = k, .base = base});
      const AcidBaseEquilibrium fromIon = Solved({.ion = e.ion, .constant = k, .base = base});
      const AcidBaseEquilibrium fromConjugate = Solved({.conjugate = e.conjugate, .constant = k, .base = base});
      const AcidBaseEquilibrium fromPH = Solved({.constant = k, .pH = e.pH, .base = base});
      for (const AcidBaseEquilibrium& back : {fromIon, fromConjugate, fromPH}) {
        EXPECT_NEAR(back.ion / e.ion, 1.0, 1E-6);
        EXPECT_NEAR(back.conjugate / e.conjugate, 1.0, 1E-6);
        EXPECT_NEAR(back.undissociated / e.undissociated, 1.0, 1E-6);
      }
      const AcidBaseEquilibrium withIon = Solved({.ion = e.ion, .initial = initial, .constant = k, .base = base});
      const AcidBaseEquilibrium withPH = Solved({.initial = initial, .constant = k, .pH = e.pH, .base = base});
      for (const AcidBaseEquilibrium& buffer : {withIon, withPH}) {
        EXPECT_NEAR(buffer.conjugate / e.conjugate, 1.0, 1E-6);
        EXPECT_LT(buffer.addedPart, 1E-6 * e.conjugate);
      }
    }
  }
}

}  // namespace
