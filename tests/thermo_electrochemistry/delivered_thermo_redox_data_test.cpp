// The tables delivered for the thermochemistry and electrochemistry windows: thermody.dat,
// thermequ.dat and redox.dat, checked as the windows will use them, with the engine's
// thermochemical sums and half-reaction routines.

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <map>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "engine/formcalc.h"
#include "engine/formtext.h"
#include "engine/reaction.h"
#include "engine/records/record_file.h"
#include "engine/settings/settings.h"
#include "engine/textutil.h"
#include "tests/engine/test_support.h"

namespace {

const std::string AtomData = TAVRIN_SOURCE_DIR "/dats/datfiles/atomdata/";
const char* const RedoxTableName = "dats\\datfiles\\atomdata\\redox.dat";
const char* const EquationListName = "dats\\datfiles\\atomdata\\thermequ.dat";

constexpr std::size_t LinesPerRecord = 9;
constexpr double Temperature = 298.15;   // K
constexpr double Faraday = 96485.0;      // C/mol, as the electrochemistry window uses it
constexpr double GasConstant = 8.31451;  // J/(K mol), likewise

// thermody.dat: line 2 the key, 3 and 4 the names, 5 "1", 6 dfH, 7 dfG, 8 S, 9 Cp.
constexpr int ThermoKeyLine = 2, ThermoEnglishLine = 3, ThermoNorwegianLine = 4, ThermoOneLine = 5, EnthalpyLine = 6,
              GibbsLine = 7, EntropyLine = 8, HeatCapacityLine = 9;
constexpr std::size_t ThermoKeyLimit = 35;  // the editor's formula field
// redox.dat: line 1 the half reaction, 2 and 3 the comments, 4 to 7 empty, 8 E, 9 temperature.
constexpr int RedoxKeyLine = 1, RedoxEnglishLine = 2, RedoxNorwegianLine = 3, PotentialLine = 8,
              RedoxTemperatureLine = 9;
constexpr std::size_t RedoxKeyLimit = 219;  // what the editor stores of line 1

// A number line as the editors check it: the whole text through ParseNumberText.
bool ReadNumber(const std::string& text, double& value) {
  std::string copy = text, numberText;
  char nextChar = 0;
  std::int8_t intClass = 0;
  int position = 0;
  return !text.empty() && ParseNumberText(copy, DoublePrecisionLimits, numberText, WholeNumberMode, nextChar, intClass,
                                          position, value) == 0;
}

// Atoms per element (by atomic number) and charge of one formula unit, from the formula parser.
struct Composition {
  std::map<int, float> atoms;
  float charge = 0.0f;
  bool parsed = false;
};

Composition CompositionOf(const std::string& formula) {
  FormulaCounts counts{};
  IsotopeUsedFlags flags{};
  int kind = 0;
  float electrons = -1.0f, amount = 0.0f;
  std::string text = formula;
  Composition result;
  result.parsed = dcalk(counts, flags, 2, text, 1, 2, kind, electrons, amount) > 0.0f;
  float atomElectrons = 0.0f;
  for (int z = 1; z <= ElementCount; ++z) {
    float count = 0.0f;
    for (const auto& row : counts) count += row[z - 1];
    if (count != 0.0f) result.atoms[z] = count;
    atomElectrons += static_cast<float>(z) * count;
  }
  result.charge = atomElectrons - electrons;
  return result;
}

struct ThermoRecord {
  std::string key, formula;
  double enthalpy = 0.0, gibbs = 0.0, entropy = 0.0;
  Composition composition;
};

std::string SidesJoined(const std::string& equation) {
  std::string text = equation;
  RemoveBlanks(text);
  return text;
}

// The shipped settings and tables in a work folder, so the engine reads them as the windows do.
class DeliveredThermoRedoxTables : public WorkFolderTest {
 protected:
  void SetUp() override {
    WorkFolderTest::SetUp();
    WriteFile("dats/tavrpar.dat", ReadFile(TAVRIN_SOURCE_DIR "/dats/tavrpar.dat"));
    for (const char* name : {"thermody.dat", "thermequ.dat", "redox.dat"})
      WriteFile(std::string("dats/datfiles/atomdata/") + name, ReadFile(AtomData + name));
    LoadSettings();
  }

  // The file as bytes: "\" first, records of nine lines each closed by "\", Windows-1252 text
  // (ASCII and the Norwegian letters), LF line ends.
  static void CheckFrame(const std::string& name) {
    const std::string text = ReadFile(AtomData + name);
    ASSERT_FALSE(text.empty()) << name;
    EXPECT_EQ(text.back(), '\n') << name;
    const std::string norwegian = "\xE6\xF8\xE5\xC6\xD8\xC5";
    std::size_t line = 1, lineStart = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
      const auto u = static_cast<unsigned char>(text[i]);
      EXPECT_TRUE(u == '\n' || (u >= 0x20 && u < 0x7F) || norwegian.find(text[i]) != std::string::npos)
          << name << ": byte " << int(u) << " on line " << line;
      if (u != '\n') continue;
      const bool separatorExpected = (line - 1) % (LinesPerRecord + 1) == 0;
      EXPECT_EQ(IsSeparatorLine(std::string_view(text).substr(lineStart, i - lineStart)), separatorExpected)
          << name << " line " << line;
      ++line;
      lineStart = i + 1;
    }
    EXPECT_EQ((line - 2) % (LinesPerRecord + 1), 0u) << name << ": a record without nine lines";
  }

  static std::vector<ThermoRecord> ThermoRecords() {
    std::vector<ThermoRecord> records;
    for (const auto& r : ReadRecordFile(ThermochemicalTableName)) {
      ThermoRecord record;
      record.key = RecordLine(r, ThermoKeyLine);
      record.formula = record.key;
      std::string phase;
      SplitPhaseSuffix(record.formula, phase);
      ReadNumber(RecordLine(r, EnthalpyLine), record.enthalpy);
      ReadNumber(RecordLine(r, GibbsLine), record.gibbs);
      ReadNumber(RecordLine(r, EntropyLine), record.entropy);
      record.composition = CompositionOf(record.formula);
      records.push_back(record);
    }
    return records;
  }

  SettingsSnapshot restore_;
};

TEST_F(DeliveredThermoRedoxTables, ThermochemicalTableRecords) {
  CheckFrame("thermody.dat");
  const auto records = ReadRecordFile(ThermochemicalTableName);
  EXPECT_GE(records.size(), 250u);
  std::set<std::string> keys;
  for (const auto& r : records) {
    ASSERT_EQ(r.size(), LinesPerRecord);
    const std::string& key = RecordLine(r, ThermoKeyLine);
    // The engine's look-up is case-sensitive: CO(g) and Co(s) are two species.
    EXPECT_TRUE(keys.insert(key).second) << "duplicate key " << key;
    EXPECT_LE(key.size(), ThermoKeyLimit) << key;
    std::string formula = key, phase;
    SplitPhaseSuffix(formula, phase);
    EXPECT_TRUE(phase == "(s)" || phase == "(l)" || phase == "(g)" || phase == "(aq)") << key;
    EXPECT_EQ(formula + phase, key) << "no blanks in a key";
    EXPECT_TRUE(CompositionOf(formula).parsed) << key;
    EXPECT_TRUE(RecordLine(r, 1).empty()) << key;
    EXPECT_FALSE(RecordLine(r, ThermoEnglishLine).empty()) << key;
    EXPECT_FALSE(RecordLine(r, ThermoNorwegianLine).empty()) << key;
    EXPECT_EQ(RecordLine(r, ThermoOneLine), "1") << key;
    double value = 0.0;
    for (int line : {EnthalpyLine, GibbsLine, EntropyLine})
      EXPECT_TRUE(ReadNumber(RecordLine(r, line), value)) << key << " line " << line;
    // The handbook gives no heat capacity for some ions; every other species has one.
    const std::string& heatCapacity = RecordLine(r, HeatCapacityLine);
    if (phase != "(aq)" || !heatCapacity.empty()) {
      EXPECT_TRUE(ReadNumber(heatCapacity, value)) << key << ": " << heatCapacity;
    }
  }
  EXPECT_TRUE(keys.count("CO(g)") && keys.count("Co(s)"));
}

TEST_F(DeliveredThermoRedoxTables, ElementsInStandardStatesAndTheHydrogenIon) {
  std::map<int, std::string> standardStates;
  std::set<int> elementsUsed;
  for (const auto& record : ThermoRecords()) {
    for (const auto& [z, count] : record.composition.atoms) elementsUsed.insert(z);
    const bool element = record.composition.atoms.size() == 1 && record.composition.charge == 0.0f;
    if (element && record.enthalpy == 0.0 && record.gibbs == 0.0) {
      const int z = record.composition.atoms.begin()->first;
      EXPECT_TRUE(standardStates.emplace(z, record.key).second)
          << "two standard states: " << standardStates[z] << ", " << record.key;
    }
    if (record.key == "H+(aq)") {
      EXPECT_EQ(record.enthalpy, 0.0);
      EXPECT_EQ(record.gibbs, 0.0);
      EXPECT_EQ(record.entropy, 0.0);
    }
  }
  for (int z : elementsUsed) EXPECT_TRUE(standardStates.count(z)) << "no standard state for element " << z;
  const std::map<int, std::string> known = {{1, "H2(g)"}, {6, "C(s)"},    {8, "O2(g)"},  {15, "P(s)"},
                                            {16, "S(s)"}, {35, "Br2(l)"}, {53, "I2(s)"}, {80, "Hg(l)"}};
  for (const auto& [z, key] : known) EXPECT_EQ(standardStates[z], key);
}

// dfG = dfH - T dfS, with dfS = S - (S of the elements in their standard states, per atom). An
// ion is formed with the hydrogen-ion convention: elements + z H+(aq) = ion + z/2 H2(g), so
// dfS gains z/2 S(H2). A typing error in any of the three columns shows as a mismatch.
TEST_F(DeliveredThermoRedoxTables, GibbsEnergyAgreesWithEnthalpyAndEntropy) {
  const auto records = ThermoRecords();
  std::map<int, double> entropyPerAtom;
  for (const auto& record : records) {
    const auto& atoms = record.composition.atoms;
    if (atoms.size() == 1 && record.composition.charge == 0.0f && record.enthalpy == 0.0 && record.gibbs == 0.0)
      entropyPerAtom[atoms.begin()->first] = record.entropy / atoms.begin()->second;
  }
  ASSERT_TRUE(entropyPerAtom.count(1));
  int checked = 0;
  for (const auto& record : records) {
    double formationEntropy = record.entropy + record.composition.charge * entropyPerAtom[1];
    bool complete = true;
    for (const auto& [z, count] : record.composition.atoms) {
      complete = complete && entropyPerAtom.count(z);
      formationEntropy -= count * entropyPerAtom[z];
    }
    if (!complete) continue;  // reported by the standard-state test
    const double expected = record.enthalpy - Temperature * formationEntropy / 1000.0;
    EXPECT_NEAR(record.gibbs, expected, 1.0) << record.key;
    ++checked;
  }
  EXPECT_EQ(checked, static_cast<int>(records.size()));
}

// Every listed equation, as the thermochemistry window sends it: balanced with the shipped
// bounds, every species found with all its standard data, and the engine's sums equal to the
// sums of the table's values over the balanced amounts.
TEST_F(DeliveredThermoRedoxTables, EveryListedEquationBalancesWithAllItsData) {
  const auto entries = ReadListFile(EquationListName);
  EXPECT_GE(entries.size(), 20u);
  std::map<std::string, ThermoRecord> byKey;
  for (const auto& record : ThermoRecords()) byKey[record.key] = record;

  for (const auto& entry : entries) {
    std::string typed = entry;
    RemoveBlanks(typed);
    const std::size_t arrow = typed.find('>');
    ASSERT_NE(arrow, std::string::npos) << entry;
    std::vector<std::string> species;
    std::vector<int> startsUnused;
    std::vector<std::string> phases;
    int reactants = 0, products = 0;
    {
      std::string split = typed;
      ASSERT_EQ(ParseEquation(split, reactants, phases, startsUnused, products), 0) << entry;
      std::istringstream words(split);
      for (std::string word; words >> word;) species.push_back(word);
    }
    ASSERT_EQ(species.size(), static_cast<std::size_t>(reactants + products)) << entry;

    std::vector<std::string> rows;
    for (std::uint8_t column = 0; column <= 4; ++column) {
      ThermoColumnChoice = column;
      int enthalpyMissing = 0, entropyMissing = 0;
      double dH = 0.0, dS = 0.0;
      std::string equation = typed, table;
      ASSERT_EQ(BalanceEquation(2, enthalpyMissing, entropyMissing, 1, BalMin, BalMid, BalMax, dH, dS, equation, table),
                0)
          << entry << ": " << ErrorText;
      EXPECT_EQ(enthalpyMissing, 0) << entry;
      EXPECT_EQ(entropyMissing, 0) << entry;
      EXPECT_EQ(table.find('?'), std::string::npos) << entry << ", column " << int(column) << ":\n" << table;
      if (column != 0) continue;

      // Column 0 gives each species' moles in the balanced equation.
      double enthalpy = 0.0, entropy = 0.0;
      std::istringstream lines(table);
      std::size_t index = 0;
      for (std::string line; std::getline(lines, line); ++index) {
        ASSERT_LT(index, species.size()) << entry;
        std::istringstream cells(line);
        std::string name, enthalpyCell, moles;
        cells >> name >> enthalpyCell >> moles;
        const std::string key = species[index] + phases[index];
        ASSERT_TRUE(byKey.count(key)) << entry << ": " << key;
        const double n = std::strtod(moles.c_str(), nullptr) * (index < static_cast<std::size_t>(reactants) ? -1 : 1);
        enthalpy += n * byKey[key].enthalpy;
        entropy += n * byKey[key].entropy;
      }
      EXPECT_NEAR(dH, enthalpy, 0.01 + 1e-5 * std::abs(enthalpy)) << entry;
      EXPECT_NEAR(dS, entropy, 0.01 + 1e-5 * std::abs(entropy)) << entry;
    }
  }
}

TEST_F(DeliveredThermoRedoxTables, MethaneCombustionWithTheHandbookData) {
  // dH = dfH(CO2) + 2 dfH(H2O,l) - dfH(CH4) - 2 dfH(O2)
  //    = -393.51 + 2(-285.83) - (-74.6) - 0 = -890.57 kJ;
  // dS = S(CO2) + 2 S(H2O,l) - S(CH4) - 2 S(O2)
  //    = 213.785 + 2(69.95) - 186.3 - 2(205.152) = -242.919 J/K.
  ThermoColumnChoice = 2;
  int enthalpyMissing = 0, entropyMissing = 0;
  double dH = 0.0, dS = 0.0;
  std::string equation = "CH4(g)+O2(g)>CO2(g)+H2O(l)", table;
  ASSERT_EQ(BalanceEquation(2, enthalpyMissing, entropyMissing, 1, BalMin, BalMid, BalMax, dH, dS, equation, table), 0)
      << ErrorText;
  EXPECT_EQ(equation, "CH4(g) + 2O2(g) = CO2(g) + 2H2O(l) + 890.57kJ");
  EXPECT_NEAR(dH, -890.57, 0.005);
  EXPECT_NEAR(dS, -242.919, 0.005);
  // Column dfG: -50.5, 0, -394.37 and 2 x -237.14 = -474.28.
  EXPECT_EQ(table,
            "CH4(g)\t\t\t\t\t-74.6\t\t-50.5 \nO2(g)\t\t\t\t\t0\t\t0 \nCO2(g)\t\t\t\t\t-393.51\t\t-394.37 \n"
            "H2O(l)\t\t\t\t\t-571.66\t\t-474.28 \n");
}

TEST_F(DeliveredThermoRedoxTables, RedoxTableRecords) {
  CheckFrame("redox.dat");
  const auto records = ReadRecordFile(RedoxTableName);
  EXPECT_GE(records.size(), 60u);
  std::set<std::string> keys;
  double previous = -10.0;
  for (const auto& r : records) {
    ASSERT_EQ(r.size(), LinesPerRecord);
    const std::string& key = RecordLine(r, RedoxKeyLine);
    EXPECT_TRUE(keys.insert(key).second) << "duplicate half reaction " << key;
    EXPECT_LE(key.size(), RedoxKeyLimit) << key;
    EXPECT_FALSE(RecordLine(r, RedoxEnglishLine).empty()) << key;
    EXPECT_FALSE(RecordLine(r, RedoxNorwegianLine).empty()) << key;
    for (int line = 4; line <= 7; ++line) EXPECT_TRUE(RecordLine(r, line).empty()) << key << " line " << line;
    double potential = 0.0;
    EXPECT_TRUE(ReadNumber(RecordLine(r, PotentialLine), potential)) << key;
    // The electrochemical series runs from lithium to fluorine, and the table in its order.
    EXPECT_GE(potential, -3.05) << key;
    EXPECT_LE(potential, 2.92) << key;
    EXPECT_GE(potential, previous) << key;
    previous = potential;
    EXPECT_EQ(RecordLine(r, RedoxTemperatureLine), "25") << key;
  }
}

// A half reaction as the electrochemistry window balances one alone: blanks and phases out,
// electrons kept, coefficients stripped, then BalanceEquation. A reduction balanced in atoms and
// charge comes back with the coefficients it is written with.
std::string BalancedHalfReaction(const std::string& halfReaction, int& code) {
  std::string text = halfReaction;
  RemoveBlanks(text);
  BlankPhaseSuffixes(text);
  RemoveBlanks(text);
  EquationSpeciesOnly(text);
  RemoveBlanks(text);
  int enthalpyMissing = 0, entropyMissing = 0;
  double dH = 0.0, dS = 0.0;
  std::string table;
  code = BalanceEquation(2, enthalpyMissing, entropyMissing, 0, BalMin, BalMid, BalMax, dH, dS, text, table);
  return text;
}

TEST_F(DeliveredThermoRedoxTables, EveryHalfReactionBalancesInAtomsAndCharge) {
  for (const auto& r : ReadRecordFile(RedoxTableName)) {
    const std::string& key = RecordLine(r, RedoxKeyLine);
    ASSERT_EQ(std::count(key.begin(), key.end(), '>'), 1) << key;
    EXPECT_NE(key.substr(0, key.find('>')).find("e-"), std::string::npos) << "a reduction: " << key;
    int code = 0;
    const std::string balanced = BalancedHalfReaction(key, code);
    ASSERT_EQ(code, 0) << key << ": " << ErrorText;
    std::string written = key;
    BlankPhaseSuffixes(written);
    written = SidesJoined(written);
    written[written.find('>')] = '=';
    EXPECT_EQ(SidesJoined(balanced), written) << key;
  }
}

// The Daniell cell from the table's two half reactions: zinc turned to its oxidation, joined
// with the copper reduction through the half-reaction routines, electrons removed, balanced.
TEST_F(DeliveredThermoRedoxTables, DaniellCell) {
  std::map<std::string, double> potentials;
  for (const auto& r : ReadRecordFile(RedoxTableName)) {
    double potential = 0.0;
    ReadNumber(RecordLine(r, PotentialLine), potential);
    potentials[RecordLine(r, RedoxKeyLine)] = potential;
  }
  ASSERT_TRUE(potentials.count("Zn+2 + 2e- > Zn") && potentials.count("Cu+2 + 2e- > Cu"));

  int code = 0;
  const std::string zincReduction = BalancedHalfReaction("Zn+2 + 2e- > Zn", code);
  ASSERT_EQ(code, 0) << ErrorText;
  ASSERT_EQ(zincReduction, "Zn+2 + 2e- = Zn");
  const int electrons = 2;  // the coefficient of e- in the balanced half reaction above

  std::string cell = "Zn > Zn+2 + 2e-";
  AddHalfReactions(cell, "Cu+2 + 2e- > Cu");
  BlankPhaseSuffixes(cell);
  RemoveBlanks(cell);
  RemoveElectrons(cell);
  RemoveBlanks(cell);
  EquationSpeciesOnly(cell);
  int enthalpyMissing = 0, entropyMissing = 0;
  double dH = 0.0, dS = 0.0;
  std::string table;
  ASSERT_EQ(BalanceEquation(2, enthalpyMissing, entropyMissing, 0, BalMin, BalMid, BalMax, dH, dS, cell, table), 0)
      << ErrorText;
  EXPECT_EQ(cell, "Zn + Cu+2 = Zn+2 + Cu");

  // E = E(Cu+2/Cu) - E(Zn+2/Zn) = 0.3419 - (-0.7618) = 1.1037 V, 1.10 V to two decimals.
  const double cellPotential = potentials["Cu+2 + 2e- > Cu"] - potentials["Zn+2 + 2e- > Zn"];
  EXPECT_NEAR(cellPotential, 1.1037, 1e-9);
  const double rounded = std::round(cellPotential * 100.0) / 100.0;
  EXPECT_DOUBLE_EQ(rounded, 1.10);
  // dG = -n F E = -2 x 96485 x 1.10 = -212267 J;
  // ln K = -dG / (R T) = 212267 / (8.31451 x 298.15) = 212267 / 2478.97 = 85.6275, K = 1.54E+37.
  const double gibbs = -electrons * Faraday * rounded;
  EXPECT_NEAR(gibbs, -212267.0, 0.5);
  EXPECT_NEAR(std::exp(-gibbs / (GasConstant * Temperature)) / 1.54e37, 1.0, 0.01);
  // With the table's four decimals: -2 x 96485 x 1.1037 = -212981 J, K = e^85.915 = 2.05E+37.
  const double tableGibbs = -electrons * Faraday * cellPotential;
  EXPECT_NEAR(tableGibbs, -212981.0, 0.5);
  EXPECT_NEAR(std::exp(-tableGibbs / (GasConstant * Temperature)) / 2.05e37, 1.0, 0.01);
}

}  // namespace
