#include "solution_chemistry/model/acid_base_solver.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <string>

namespace {

constexpr double Kw = 1.0E-14;

double Value(const std::string& text) { return std::strtod(text.c_str(), nullptr); }

// The seven slots of one calculation, as the window hands them over.
struct Slots {
  std::string ion{}, conjugate{}, initial{}, constant{}, pH{}, addedIon{}, addedConjugate{};
  bool base = false;

  int Solve() {
    AcidBaseValues values{ion, conjugate, initial, constant};
    const int result = SolveAcidBaseEquilibrium(values, pH, addedIon, addedConjugate, base);
    ion = values[IonSlot];
    conjugate = values[ConjugateSlot];
    initial = values[InitialSlot];
    constant = values[ConstantSlot];
    return result;
  }

  bool operator==(const Slots&) const = default;
};

std::ostream& operator<<(std::ostream& out, const Slots& s) {
  return out << "x '" << s.ion << "' a '" << s.conjugate << "' C0 '" << s.initial << "' K '" << s.constant << "' pH '"
             << s.pH << "' xb '" << s.addedIon << "' ab '" << s.addedConjugate << "' base " << s.base;
}

TEST(AcidBaseEquilibrium, WeakAcidAndBaseFromTheirInitialConcentration) {
  // 0.1 M acetic acid, Ka 1.75E-5: x^2 / (0.1 - x) = Ka, x = 2 Ka C0 / (Ka + sqrt(Ka^2 + 4 Ka C0))
  // = 3.5E-6 / (1.75E-5 + 2.645809E-3) = 1.31415E-03; water adds Kw / x = 8E-12, below the sixth digit.
  // [HA] = 0.1 - 0.00131415 = 0.0986858; pH = -log10(1.31415E-3) = 2.88135; pK = -log10(1.75E-5) = 4.75696.
  Slots acetic{.initial = "0.1", .constant = "1.75E-5"};
  ASSERT_EQ(acetic.Solve(), AcidBaseSolved);
  EXPECT_EQ(acetic.ion, "0.00131415");
  EXPECT_EQ(acetic.conjugate, "0.00131415");
  EXPECT_EQ(acetic.initial, "0.0986858");
  EXPECT_EQ(acetic.constant, "1.75E-5");  // as typed
  EXPECT_EQ(acetic.pH, "2.88135");
  EXPECT_EQ(PKText(acetic.constant), "4.75696");

  // 0.1 M ammonia, Kb 1.8E-5: [OH-] = 3.6E-6 / (1.8E-5 + 2.683342E-3) = 1.33267E-03,
  // pOH = 2.87530, pH = 14 - 2.87530 = 11.1247.
  Slots ammonia{.initial = "0.1", .constant = "1.8E-5", .base = true};
  ASSERT_EQ(ammonia.Solve(), AcidBaseSolved);
  EXPECT_EQ(ammonia.ion, "0.00133267");
  EXPECT_EQ(ammonia.pH, "11.1247");
}

TEST(AcidBaseEquilibrium, VeryDiluteSolutionsApproachNeutralFromTheirOwnSide) {
  // 1E-8 M acetic acid: nearly all of it dissociates ([A-] = Ka C0 / (Ka + x) = 9.94E-09), and
  // the charge balance x = [A-] + Kw / x gives x = (9.94E-9 + sqrt(9.94E-9^2 + 4E-14)) / 2
  // = 1.05094E-07, pH 6.97842: below 7, where the acid alone would give pH 8.
  const struct {
    const char* initial;
    const char* constant;
    bool base;
    double pH;
  } cases[] = {
      {"1E-8", "1.75E-5", false, 6.97842},
      {"1E-9", "1.75E-5", false, 6.99784},  // x = (1E-9 + sqrt(1E-18 + 4E-14)) / 2 = 1.00501E-07
      {"1E-9", "1", false, 6.99783},        // fully dissociated: the same x
      {"1E-8", "1.8E-5", true, 7.02158},    // ammonia, the mirror image: pOH 6.97842
  };
  for (const auto& c : cases) {
    Slots s{.initial = c.initial, .constant = c.constant, .base = c.base};
    ASSERT_EQ(s.Solve(), AcidBaseSolved) << s;
    const double pH = Value(s.pH);
    EXPECT_NEAR(pH, c.pH, 1e-5) << s;
    EXPECT_TRUE(c.base ? pH > 7.0 : pH < 7.0) << s;
    // The results satisfy both the equilibrium and the charge balance x = [A-] + Kw / x.
    const double x = Value(s.ion), a = Value(s.conjugate), undissociated = Value(s.initial);
    EXPECT_NEAR(x, a + Kw / x, 1e-5 * x) << s;
    EXPECT_NEAR(a + undissociated, Value(c.initial), 1e-5 * Value(c.initial)) << s;
    EXPECT_NEAR(x * a / undissociated / Value(c.constant), 1.0, 1e-4) << s;
  }
}

TEST(AcidBaseEquilibrium, BuffersWithAnAddedIonOrConjugate) {
  // 0.1 M acetic acid with 0.1 M acetate: x (0.1 + x) / (0.1 - x) = Ka gives
  // x = 2 Ka C0 / (b + sqrt(b^2 + 4 Ka C0)) with b = Ka + 0.1: 3.5E-6 / 0.2000700 = 1.74939E-05;
  // [A-] = 0.100017, [HA] = 0.0999825, pH 4.75711.
  Slots buffer{.initial = "0.1", .constant = "1.75E-5", .addedConjugate = "0.1"};
  ASSERT_EQ(buffer.Solve(), AcidBaseSolved);
  EXPECT_EQ(buffer.ion, "1.74939E-05");
  EXPECT_EQ(buffer.conjugate, "0.100017");
  EXPECT_EQ(buffer.initial, "0.0999825");
  EXPECT_EQ(buffer.pH, "4.75711");

  // 0.1 M acetic acid in 0.01 M of a strong acid: a (0.01 + a) / (0.1 - a) = Ka,
  // a = 3.5E-6 / (0.0100175 + 0.0103610) = 1.71750E-04, x = 0.01 + a = 0.0101717, pH 1.99260.
  Slots acidified{.initial = "0.1", .constant = "1.75E-5", .addedIon = "0.01"};
  ASSERT_EQ(acidified.Solve(), AcidBaseSolved);
  EXPECT_EQ(acidified.ion, "0.0101717");
  EXPECT_EQ(acidified.conjugate, "0.00017175");
  EXPECT_EQ(acidified.initial, "0.0998283");
  EXPECT_EQ(acidified.pH, "1.9926");

  // 0.001 M of an acid with Ka 1E-10 beside 1 M of its salt: the conjugate base takes protons from
  // water, A- + H2O = HA + OH- with Kb = Kw / Ka = 1E-4. With y of OH- formed,
  // y (0.001 + y) = 1E-4 (1 - y), y = (-0.0011 + sqrt(0.0011^2 + 4E-4)) / 2 = 0.00946511,
  // pH = 14 + log10(y) = 11.9761, where x = Ka C0 / ab without water would give pH 13.
  Slots salt{.initial = "0.001", .constant = "1E-10", .addedConjugate = "1"};
  ASSERT_EQ(salt.Solve(), AcidBaseSolved);
  EXPECT_NEAR(Value(salt.pH), 11.9761, 1e-4);
  EXPECT_GT(Value(salt.initial), 0.001);  // acid formed from its salt
}

TEST(AcidBaseEquilibrium, TheSeventeenSetsOfGivenValues) {
  // Ka 1.75E-5 throughout unless the row says otherwise; expected values by hand.
  const struct {
    int set;
    Slots given;
    Slots expected;
  } rows[] = {
      // x, K, ab: a = 0.05 + 0.001, [HA] = 0.001 x 0.051 / Ka = 2.91429, pH 3.
      {1,
       {.ion = "0.001", .constant = "1.75E-5", .addedConjugate = "0.05"},
       {"0.001", "0.051", "2.91429", "1.75E-5", "3", "", "0.05"}},
      // p, K, ab: x = 10^-4.5 = 3.16228E-05, a = 0.0500316, [HA] = x a / Ka = 0.0904079.
      {2,
       {.constant = "1.75E-5", .pH = "4.5", .addedConjugate = "0.05"},
       {"3.16228E-05", "0.0500316", "0.0904079", "1.75E-5", "4.5", "", "0.05"}},
      // a, K, xb: x = 0.01 + 0.002 (water adds 8E-13), [HA] = 0.002 x 0.012 / Ka = 1.37143, pH 1.92082.
      {3,
       {.conjugate = "0.002", .constant = "1.75E-5", .addedIon = "0.01"},
       {"0.012", "0.002", "1.37143", "1.75E-5", "1.92082", "0.01", ""}},
      // C0, K, xb and C0, K, ab and C0, K: see the buffer and initial-concentration tests.
      {4,
       {.initial = "0.1", .constant = "1.75E-5", .addedIon = "0.01"},
       {"0.0101717", "0.00017175", "0.0998283", "1.75E-5", "1.9926", "0.01", ""}},
      {5,
       {.initial = "0.1", .constant = "1.75E-5", .addedConjugate = "0.1"},
       {"1.74939E-05", "0.100017", "0.0999825", "1.75E-5", "4.75711", "", "0.1"}},
      {6,
       {.initial = "0.1", .constant = "1.75E-5"},
       {"0.00131415", "0.00131415", "0.0986858", "1.75E-5", "2.88135", "", ""}},
      // a, K: x = a = 0.002, [HA] = 0.002^2 / Ka = 0.228571, pH 2.69897.
      {7, {.conjugate = "0.002", .constant = "1.75E-5"}, {"0.002", "0.002", "0.228571", "1.75E-5", "2.69897", "", ""}},
      // x, K: the same from the other side; a = x - Kw / x = 0.002 - 5E-12.
      {8, {.ion = "2E-3", .constant = "1.75E-5"}, {"2E-3", "0.002", "0.228571", "1.75E-5", "2.69897", "", ""}},
      // p, K: x = 1E-4, a = 1E-4 - 1E-10 = 9.99999E-05, [HA] = x a / Ka = 5.71428E-04.
      {9, {.constant = "1.75E-5", .pH = "4"}, {"0.0001", "9.99999E-05", "0.000571428", "1.75E-5", "4", "", ""}},
      // x, C0: a = 0.002 - 5E-12, [HA] = 0.1 - a = 0.098, K = 0.002 a / 0.098 = 4.08163E-05.
      {10, {.ion = "0.002", .initial = "0.1"}, {"0.002", "0.002", "0.098", "4.08163E-05", "2.69897", "", ""}},
      // a, C0: the same with x = a.
      {11, {.conjugate = "0.002", .initial = "0.1"}, {"0.002", "0.002", "0.098", "4.08163E-05", "2.69897", "", ""}},
      // C0, K, p: at pH 7 the acid has given no conjugate of its own (x - Kw / x = 0), [HA] = 0.001,
      // and K asks for [A-] = 0.001 Ka / 1E-7 = 0.175, all of it to be added.
      {12,
       {.initial = "0.001", .constant = "1.75E-5", .pH = "7"},
       {"1E-07", "0 + 0.175", "0.001", "1.75E-5", "7", "", ""}},
      // x, C0, K (hydrogen cyanide): pH 6, its own conjugate 1E-6 - 1E-8 = 9.9E-07,
      // [HA] = 0.2 - 9.9E-7 = 0.199999, [A-] = 0.19999901 x 5.85E-10 / 1E-6 = 1.169994E-04, of which
      // 1.160094E-04 is to be added; x rewritten as "%G".
      {13,
       {.ion = "1E-6", .initial = "0.2", .constant = "5.85E-10"},
       {"1E-06", "9.9E-07 + 0.000116009", "0.199999", "5.85E-10", "6", "", ""}},
      // a, C0, K: [HA] = 0.1 - 0.001 = 0.099, x = 0.099 Ka / 0.001 = 1.7325E-03, of which the acid and
      // water give 0.001 + Kw / x and 7.325E-04 is to come from an added acid; pH = 2.76133.
      {14,
       {.conjugate = "1E-3", .initial = "0.1", .constant = "1.75E-5"},
       {"0.001 + 0.0007325", "0.001", "0.099", "1.75E-5", "2.76133", "", ""}},
      // x, a, K: [HA] = 0.003 x 0.002 / Ka = 0.342857.
      {15,
       {.ion = "0.002", .conjugate = "0.003", .constant = "1.75E-5"},
       {"0.002", "0.003", "0.342857", "1.75E-5", "2.69897", "", ""}},
      // a, K, p: x = 0.001, [HA] = 0.003 x 0.001 / Ka = 0.171429.
      {16,
       {.conjugate = "0.003", .constant = "1.75E-5", .pH = "3"},
       {"0.001", "0.003", "0.171429", "1.75E-5", "3", "", ""}},
      // p, C0: x = a = 0.001, [HA] = 0.099, K = 1E-6 / 0.099 = 1.0101E-05.
      {17, {.initial = "0.1", .pH = "3"}, {"0.001", "0.001", "0.099", "1.0101E-05", "3", "", ""}},
  };
  for (const auto& row : rows) {
    Slots s = row.given;
    EXPECT_EQ(s.Solve(), AcidBaseSolved) << "set " << row.set;
    EXPECT_EQ(s, row.expected) << "set " << row.set;
  }
}

TEST(AcidBaseEquilibrium, ABaseReadsTheIonAsHydroxide) {
  // [OH-] = 0.002: pH = 14 + log10(0.002) = 11.30103.
  Slots fromIon{.ion = "0.002", .constant = "1.8E-5", .base = true};
  ASSERT_EQ(fromIon.Solve(), AcidBaseSolved);
  EXPECT_EQ(fromIon.pH, "11.301");
  // pH 10: [OH-] = 10^-(14 - 10) = 1E-4, [BH+] = 1E-4 - 1E-10, [B] = 1E-4 [BH+] / 1.8E-5 = 5.55555E-04.
  Slots fromPH{.constant = "1.8E-5", .pH = "10", .base = true};
  ASSERT_EQ(fromPH.Solve(), AcidBaseSolved);
  EXPECT_EQ(fromPH.ion, "0.0001");
  EXPECT_EQ(fromPH.initial, "0.000555555");
}

TEST(AcidBaseEquilibrium, FailuresWriteNothing) {
  const struct {
    const char* why;
    Slots given;
    int expected;
  } rows[] = {
      {"x, a and C0 without K", {.ion = "0.001", .conjugate = "0.001", .initial = "0.1"}, AcidBaseUnknownCombination},
      {"K alone", {.constant = "1.75E-5"}, AcidBaseUnknownCombination},
      {"nothing", {}, AcidBaseUnknownCombination},
      {"x with a alone", {.ion = "0.001", .conjugate = "0.001"}, AcidBaseUnknownCombination},
      {"both added values",
       {.initial = "0.1", .constant = "1.75E-5", .addedIon = "0.1", .addedConjugate = "0.1"},
       AcidBaseUnknownCombination},
      {"an added value beside x and K",
       {.ion = "0.001", .constant = "1.75E-5", .addedIon = "0.1"},
       AcidBaseUnknownCombination},
      {"four values",
       {.ion = "0.001", .conjugate = "0.001", .initial = "0.1", .constant = "1.75E-5"},
       AcidBaseUnknownCombination},
      {"blanks are no value", {.ion = " ", .constant = "1.75E-5"}, AcidBaseUnknownCombination},
      // Set 14 with no conjugate, sets 15 and 16 with K = 0, set 17 with more H3O+ than acid.
      {"a = 0", {.conjugate = "0", .initial = "0.1", .constant = "1.75E-5"}, AcidBaseImpossibleValue},
      {"K = 0 with x and a", {.ion = "0.001", .conjugate = "0.001", .constant = "0"}, AcidBaseImpossibleValue},
      {"K = 0 with a and p", {.conjugate = "0.001", .constant = "0", .pH = "3"}, AcidBaseImpossibleValue},
      {"10^-p above C0", {.initial = "0.0001", .pH = "3"}, AcidBaseImpossibleValue},
      {"K = 0 with C0", {.initial = "0.1", .constant = "0"}, AcidBaseImpossibleValue},
      {"x = 0 with K", {.ion = "0", .constant = "1.75E-5"}, AcidBaseImpossibleValue},  // pH of nothing
      // More dissociated than there was, or a buffer that would need a negative addition.
      {"x above C0", {.ion = "0.2", .initial = "0.1"}, AcidBaseNegativeResult},
      {"a above C0", {.conjugate = "0.2", .initial = "0.1"}, AcidBaseNegativeResult},
      {"set 12, y < 0", {.initial = "0.001", .constant = "1.75E-5", .pH = "2"}, AcidBaseNegativeResult},
      {"set 13, y < 0", {.ion = "0.01", .initial = "0.001", .constant = "1.75E-5"}, AcidBaseNegativeResult},
      {"set 14, y < 0", {.conjugate = "0.01", .initial = "0.001", .constant = "1.75E-5"}, AcidBaseNegativeResult},
  };
  for (const auto& row : rows) {
    Slots s = row.given;
    EXPECT_EQ(s.Solve(), row.expected) << row.why;
    EXPECT_EQ(s, row.given) << row.why;
  }
}

// The second term of a two-term text is the amount a buffer must be given: typed in as that
// added amount with the initial concentration and K, it gives back the [H3O+] (or [conjugate])
// the text was computed from.
TEST(AcidBaseEquilibrium, TheAddedPartOfATwoTermTextMakesTheBuffer) {
  auto addedPart = [](const std::string& text) { return text.substr(text.find(" + ") + 3); };
  Slots fromIon{.ion = "1E-6", .initial = "0.2", .constant = "5.85E-10"};
  ASSERT_EQ(fromIon.Solve(), AcidBaseSolved);
  Slots buffer{.initial = "0.2", .constant = "5.85E-10", .addedConjugate = addedPart(fromIon.conjugate)};
  ASSERT_EQ(buffer.Solve(), AcidBaseSolved);
  EXPECT_NEAR(Value(buffer.ion), 1E-6, 1E-11);

  Slots fromConjugate{.conjugate = "1E-3", .initial = "0.1", .constant = "1.75E-5"};
  ASSERT_EQ(fromConjugate.Solve(), AcidBaseSolved);
  Slots acidified{.initial = "0.1", .constant = "1.75E-5", .addedIon = addedPart(fromConjugate.ion)};
  ASSERT_EQ(acidified.Solve(), AcidBaseSolved);
  EXPECT_NEAR(Value(acidified.conjugate), 1E-3, 1E-8);
  EXPECT_EQ(acidified.pH, fromConjugate.pH);
}

// 1E-6 M acetic acid: [H3O+] as shown, typed back with the initial concentration, gives the K it
// came from to the digits the texts carry, and so do the conjugate and the pH.
TEST(AcidBaseEquilibrium, AResultTypedBackGivesTheConstantItCameFrom) {
  Slots dilute{.initial = "1E-6", .constant = "1.75E-5"};
  ASSERT_EQ(dilute.Solve(), AcidBaseSolved);
  EXPECT_EQ(dilute.ion, "9.58505E-07");
  const Slots typedBack[] = {
      {.ion = dilute.ion, .initial = "1E-6"},
      {.conjugate = dilute.conjugate, .initial = "1E-6"},
      {.initial = "1E-6", .pH = dilute.pH},
  };
  for (Slots back : typedBack) {
    ASSERT_EQ(back.Solve(), AcidBaseSolved) << back;
    EXPECT_NEAR(Value(back.constant), 1.75E-5, 1.75E-5 * 1E-3) << back;
  }
}

TEST(AcidBaseEquilibrium, PKAndKConvertBothWays) {
  EXPECT_EQ(PKText("1.75E-5"), "4.75696");  // -log10(1.75E-5)
  EXPECT_EQ(PKText("1"), "0");
  EXPECT_EQ(PKText("0"), "");
  EXPECT_EQ(PKText("-1E-5"), "");
  EXPECT_EQ(ConstantFromPKText("4.75696"), "1.75001E-05");  // 10^-4.75696
  EXPECT_EQ(ConstantFromPKText("9.25"), "5.62341E-10");
}

}  // namespace
