// Where two shipped tables hold one fact they must give one answer: every standard potential in
// redox.dat and every solubility product in solprod.dat whose species are all in thermody.dat is
// compared with the value the Gibbs energies of formation imply.

#include <algorithm>
#include <cctype>
#include <cmath>
#include <map>
#include <set>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "tests/engine/test_support.h"

namespace {

const std::string AtomData = TAVRIN_SOURCE_DIR "/dats/datfiles/atomdata/";

constexpr double Temperature = 298.15;   // K
constexpr double Faraday = 96485.0;      // C/mol, as the electrochemistry window uses it
constexpr double GasConstant = 8.31451;  // J/(K mol), likewise
constexpr double PotentialBound = 0.02;  // V
constexpr double KspFactorBound = 3.0;

// Rows whose tabled value is kept although the thermochemical data imply another, each with the
// reason. Empty: every row that could be checked agrees.
const std::map<std::string, std::string> AcceptedDifferences = {};

using Record = std::vector<std::string>;

// The records of a shipped record file: lines between the "\" separators.
std::vector<Record> RecordsOf(const std::string& name) {
  std::vector<Record> records;
  Record current;
  bool opened = false;
  for (const std::string& line : SplitLines(ReadBytes(AtomData + name))) {
    if (line == "\\") {
      if (opened) records.push_back(current);
      current.clear();
      opened = true;
    } else if (opened) {
      current.push_back(line);
    }
  }
  return records;
}

// dfG per key of thermody.dat (line 2 the key, line 7 dfG).
std::map<std::string, double> GibbsEnergies() {
  std::map<std::string, double> gibbs;
  for (const Record& r : RecordsOf("thermody.dat")) {
    if (r.size() >= 7) gibbs[r[1]] = std::stod(r[6]);
  }
  return gibbs;
}

struct Term {
  int count = 1;
  std::string species;
};

// "2Ag+" -> 2, "Ag+"; "H2O" -> 1, "H2O".
Term TermOf(const std::string& text) {
  Term term;
  std::size_t digits = 0;
  while (digits < text.size() && std::isdigit(static_cast<unsigned char>(text[digits]))) ++digits;
  if (digits > 0) term.count = std::stoi(text.substr(0, digits));
  term.species = text.substr(digits);
  return term;
}

std::vector<Term> SideOf(const std::string& side) {
  std::vector<Term> terms;
  std::size_t start = 0;
  for (;;) {
    const std::size_t plus = side.find(" + ", start);
    std::string text = side.substr(start, plus == std::string::npos ? std::string::npos : plus - start);
    while (!text.empty() && text.front() == ' ') text.erase(text.begin());
    while (!text.empty() && text.back() == ' ') text.pop_back();
    terms.push_back(TermOf(text));
    if (plus == std::string::npos) break;
    start = plus + 3;
  }
  return terms;
}

bool IsIon(const std::string& species) {
  const std::size_t sign = species.find_last_of("+-");
  if (sign == std::string::npos || sign == 0) return false;
  for (std::size_t i = sign + 1; i < species.size(); ++i)
    if (!std::isdigit(static_cast<unsigned char>(species[i]))) return false;
  return true;
}

// The thermody.dat key a species of the series stands for: a written phase as written, an ion in
// water, a neutral species dissolved when the table has it so (H2S, H2O2: the series gives their
// potentials for the solution), else the solid, the liquid or the gas, whichever the table holds.
std::string KeyOf(const std::string& species, const std::map<std::string, double>& gibbs) {
  if (species.back() == ')') return gibbs.count(species) ? species : std::string();
  if (IsIon(species)) return gibbs.count(species + "(aq)") ? species + "(aq)" : std::string();
  for (const char* phase : {"(aq)", "(s)", "(l)", "(g)"})
    if (gibbs.count(species + phase)) return species + phase;
  return {};
}

TEST(ShippedTablesAgree, StandardPotentialsMatchTheGibbsEnergiesOfFormation) {
  const auto gibbs = GibbsEnergies();
  ASSERT_GT(gibbs.size(), 250u);
  int checked = 0;
  for (const Record& r : RecordsOf("redox.dat")) {
    ASSERT_GE(r.size(), 8u);
    const std::string& halfReaction = r[0];
    const std::size_t arrow = halfReaction.find(" > ");
    ASSERT_NE(arrow, std::string::npos) << halfReaction;
    int electrons = 0;
    double reactionGibbs = 0.0;  // kJ/mol, on the hydrogen scale (H+ and H2 are 0)
    bool complete = true;
    for (int sideIndex = 0; sideIndex < 2; ++sideIndex) {
      const std::string side = sideIndex == 0 ? halfReaction.substr(0, arrow) : halfReaction.substr(arrow + 3);
      for (const Term& term : SideOf(side)) {
        if (term.species == "e-") {
          electrons += term.count;
          continue;
        }
        const std::string key = KeyOf(term.species, gibbs);
        if (key.empty()) {
          complete = false;
          break;
        }
        reactionGibbs += (sideIndex == 0 ? -1 : 1) * term.count * gibbs.at(key);
      }
    }
    if (!complete) continue;
    ASSERT_GT(electrons, 0) << halfReaction;
    ++checked;
    const double implied = -reactionGibbs * 1000.0 / (electrons * Faraday);
    const double tabled = std::stod(r[7]);
    if (AcceptedDifferences.count(halfReaction)) continue;
    EXPECT_NEAR(tabled, implied, PotentialBound)
        << halfReaction << ": redox.dat " << tabled << " V, thermody.dat implies " << implied << " V";
  }
  // Most of the series is made of species the thermochemical table holds.
  EXPECT_GE(checked, 30);
}

TEST(ShippedTablesAgree, SolubilityProductsMatchTheGibbsEnergiesOfFormation) {
  const auto gibbs = GibbsEnergies();
  int checked = 0;
  // solprod.dat: line 1 the formula, 5 crystal water, 6 cation, 7 anion, 8 Ksp.
  for (const Record& r : RecordsOf("solprod.dat")) {
    ASSERT_GE(r.size(), 8u);
    const std::string solid = r[0] + "(s)";
    if (!gibbs.count(solid)) continue;
    double reactionGibbs = -gibbs.at(solid);
    bool complete = true;
    for (int line : {5, 6}) {
      const Term ion = TermOf(r[line]);
      const std::string key = ion.species + "(aq)";
      if (!gibbs.count(key)) {
        complete = false;
        break;
      }
      reactionGibbs += ion.count * gibbs.at(key);
    }
    if (!r[4].empty()) {
      const Term water = TermOf(r[4]);
      ASSERT_EQ(water.species, "H2O") << r[0];
      reactionGibbs += water.count * gibbs.at("H2O(l)");
    }
    if (!complete) continue;
    ++checked;
    const double implied = std::exp(-reactionGibbs * 1000.0 / (GasConstant * Temperature));
    const double tabled = std::stod(r[7]);
    if (AcceptedDifferences.count(r[0])) continue;
    const double factor = std::max(tabled / implied, implied / tabled);
    EXPECT_LE(factor, KspFactorBound) << r[0] << ": solprod.dat " << tabled << ", thermody.dat implies " << implied;
  }
  EXPECT_GE(checked, 10);
}

// The examples of the electrochemistry window use these half reactions (written there as
// reductions or as oxidations); each is in the table, so that the user finds its potential.
TEST(ShippedTablesAgree, TheElectrochemistryExamplesHalfReactionsAreInTheTable) {
  const auto withoutBlanksAndPhases = [](std::string text) {
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
      if (text[i] == ' ') continue;
      if (text[i] == '(' && text.find(')', i) != std::string::npos) {
        const std::string phase = text.substr(i, text.find(')', i) - i + 1);
        if (phase == "(s)" || phase == "(l)" || phase == "(g)" || phase == "(aq)") {
          i += phase.size() - 1;
          continue;
        }
      }
      out += text[i];
    }
    return out;
  };
  std::set<std::string> table;
  for (const Record& r : RecordsOf("redox.dat")) table.insert(withoutBlanksAndPhases(r[0]));
  for (const char* reduction : {"Fe+3 + e- > Fe+2", "MnO4- + 8H+ + 5e- > Mn+2 + 4H2O", "2CO2 + 2H+ + 2e- > H2C2O4",
                                "Cr2O7-2 + 14H+ + 6e- > 2Cr+3 + 7H2O", "Br2 + 2e- > 2Br-", "Cu+2 + 2e- > Cu",
                                "O2 + 4H+ + 4e- > 2H2O"})
    EXPECT_TRUE(table.count(withoutBlanksAndPhases(reduction))) << reduction;
}

}  // namespace
