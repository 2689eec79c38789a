// The tables delivered for the solubility-product and weak acid/base windows: solprod.dat and
// acconst.dat, checked record by record as the windows and their editors will use them.

#include <cctype>
#include <cmath>
#include <cstdlib>
#include <cstdint>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "engine/formcalc.h"
#include "engine/reaction.h"
#include "engine/records/record_file.h"
#include "engine/settings/settings.h"
#include "solution_chemistry/model/acid_base_solver.h"
#include "tests/engine/test_support.h"

namespace {

const std::string AtomData = TAVRIN_SOURCE_DIR "/dats/datfiles/atomdata/";

constexpr std::size_t LinesPerRecord = 9;
constexpr std::size_t KeyLimit = 35;    // the editors' key field
constexpr std::size_t FieldLimit = 35;  // the editors' short fields
constexpr int KeyLine = 1, EnglishLine = 2, NorwegianLine = 3, EmptyLine = 4, WaterLine = 5, IonLine = 6,
              PartnerLine = 7, ConstantLine = 8, TemperatureLine = 9;

// The names use ASCII and the Norwegian letters of Windows-1252; anything else (a UTF-8
// sequence, a CR, a tab) is a slip in the table.
bool IsTableText(const std::string& text, std::string& why) {
  const std::string norwegian = "\xE6\xF8\xE5\xC6\xD8\xC5";
  for (std::size_t i = 0; i < text.size(); ++i) {
    const auto u = static_cast<unsigned char>(text[i]);
    if (u == '\n' || (u >= 0x20 && u < 0x7F) || norwegian.find(text[i]) != std::string::npos) continue;
    why = "byte " + std::to_string(u) + " at offset " + std::to_string(i);
    return false;
  }
  return true;
}

// A table's records, with a failure for every fault of the frame: "\" first, then records of
// nine lines each followed by "\", a line feed at the end.
std::vector<std::vector<std::string>> ReadTable(const std::string& name) {
  const std::string text = ReadBytes(AtomData + name);
  EXPECT_FALSE(text.empty()) << name;
  EXPECT_EQ(text.back(), '\n') << name;
  std::string why;
  EXPECT_TRUE(IsTableText(text, why)) << name << ": " << why;
  const auto lines = SplitLines(text);
  EXPECT_EQ(lines.front(), RecordSeparatorLine) << name;
  for (std::size_t at = 0; at < lines.size(); at += LinesPerRecord + 1)
    EXPECT_TRUE(IsSeparatorLine(lines[at]) && lines[at].size() == 1) << name << " line " << at + 1;
  EXPECT_EQ((lines.size() - 1) % (LinesPerRecord + 1), 0u) << name << ": a record without nine lines";
  const auto records = RecordsOf(lines);
  for (const auto& record : records) EXPECT_EQ(record.size(), LinesPerRecord) << name << ": " << record.front();
  return records;
}

double ParsedNumber(const std::string& text, int& code) {
  std::string copy = text, numberText;
  char nextChar = 0;
  std::int8_t intClass = 0;
  int position = 0;
  double value = 0.0;
  code = ParseNumberText(copy, DoublePrecisionLimits, numberText, WholeNumberMode, nextChar, intClass, position, value);
  return value;
}

// The formula parser as the editors check a formula: mode 0, type 3, quiet.
float MolarMass(const std::string& formula) {
  FormulaCounts counts{};
  IsotopeUsedFlags flags{};
  int kind = 0;
  float electrons = 0.0f, amount = 0.0f;
  std::string text = formula;
  return dcalk(counts, flags, 0, text, 1, 3, kind, electrons, amount);
}

// The shipped settings, so balancing runs with the bounds the windows use.
class DeliveredSolutionTables : public WorkFolderTest {
 protected:
  void SetUp() override {
    WorkFolderTest::SetUp();
    WriteFile("dats/tavrpar.dat", ReadBytes(TAVRIN_SOURCE_DIR "/dats/tavrpar.dat"));
    LoadSettings();
  }

  // Common to both tables: key, two names, empty line 4, short fields, 25 degrees C, a
  // positive constant in range, keys unique whatever their letter case.
  static void CheckCommonFields(const std::vector<std::vector<std::string>>& records, double lowest, double highest) {
    std::set<std::string> keys;
    for (const auto& r : records) {
      if (r.size() != LinesPerRecord) continue;  // reported by the frame check
      const std::string& key = RecordLine(r, KeyLine);
      EXPECT_FALSE(key.empty());
      EXPECT_LE(key.size(), KeyLimit) << key;
      EXPECT_EQ(key.find(' '), std::string::npos) << key;
      std::string folded = key;
      for (char& c : folded) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
      EXPECT_TRUE(keys.insert(folded).second) << "duplicate key " << key;
      EXPECT_FALSE(RecordLine(r, EnglishLine).empty()) << key;
      EXPECT_FALSE(RecordLine(r, NorwegianLine).empty()) << key;
      EXPECT_TRUE(RecordLine(r, EmptyLine).empty()) << key;
      for (int line : {WaterLine, IonLine, PartnerLine, ConstantLine, TemperatureLine})
        EXPECT_LE(RecordLine(r, line).size(), FieldLimit) << key << " line " << line;
      int code = 0;
      const double constant = ParsedNumber(RecordLine(r, ConstantLine), code);
      EXPECT_EQ(code, 0) << key << ": " << RecordLine(r, ConstantLine);
      EXPECT_GE(constant, lowest) << key;
      EXPECT_LE(constant, highest) << key;
      EXPECT_EQ(RecordLine(r, TemperatureLine), "25") << key;
    }
  }

  SettingsSnapshot restore_;
};

TEST_F(DeliveredSolutionTables, SolubilityProducts) {
  const auto records = ReadTable("solprod.dat");
  EXPECT_GE(records.size(), 50u);
  // Sparingly soluble: from the least soluble sulfides to gypsum and barium hydroxide.
  CheckCommonFields(records, 1e-60, 1e-3);
  std::set<std::string> anions;
  for (const auto& r : records) {
    if (r.size() != LinesPerRecord) continue;
    const DissociationRows rows{RecordLine(r, KeyLine), RecordLine(r, IonLine), RecordLine(r, PartnerLine),
                                RecordLine(r, WaterLine)};
    const std::string& key = rows[0];
    for (const auto& row : rows)
      if (!row.empty()) {
        EXPECT_GT(MolarMass(row), 0.0f) << key << ": " << row;
      }
    // A hydrate's key names its crystal water, which the water line holds.
    const bool hydrate = key.find('*') != std::string::npos;
    EXPECT_EQ(hydrate, !rows[3].empty()) << key;
    if (hydrate) {
      EXPECT_TRUE(key.ends_with("*" + rows[3])) << key;
    }

    FormulaTexts formulas;
    CoefficientTexts coefficients;
    SplitCoefficientFormula(rows, formulas, coefficients);
    EXPECT_EQ(BalanceReactionRows(rows, coefficients), 0) << key;
    anions.insert(formulas[1]);

    // The window's first calculation with the stored Ksp: one kilogram of water.
    RowTexts amounts, masses;
    ConcentrationTexts concentrations{RecordLine(r, ConstantLine), "", "", "", ""};
    SolubilityFromKsp(rows, amounts, masses, concentrations, "1");
    const double solubility = std::strtod(amounts[0].c_str(), nullptr);
    EXPECT_TRUE(std::isfinite(solubility) && solubility > 0.0 && solubility < 0.1) << key << ": " << amounts[0];
    EXPECT_FALSE(masses[0].empty()) << key;
  }
  // Every family of sparingly soluble salts is there.
  for (const char* anion : {"Cl-", "Br-", "I-", "F-", "OH-", "CO3-2", "SO4-2", "S-2", "PO4-3", "CrO4-2", "C2O4-2"})
    EXPECT_TRUE(anions.count(anion)) << anion;
}

TEST_F(DeliveredSolutionTables, AcidAndBaseConstants) {
  const auto records = ReadTable("acconst.dat");
  EXPECT_GE(records.size(), 40u);
  // Weak: from the second step of hydrogen sulfide to iodic acid.
  CheckCommonFields(records, 1e-20, 1.0);
  int bases = 0;
  for (const auto& r : records) {
    if (r.size() != LinesPerRecord) continue;
    const std::string& key = RecordLine(r, KeyLine);
    const std::string& ion = RecordLine(r, IonLine);
    EXPECT_TRUE(RecordLine(r, WaterLine).empty()) << key;
    EXPECT_TRUE(ion == "H3O+" || ion == "OH-") << key << ": " << ion;
    const bool base = ion == "OH-";
    bases += base;
    EXPECT_GT(MolarMass(key), 0.0f) << key;
    EXPECT_GT(MolarMass(RecordLine(r, PartnerLine)), 0.0f) << key;

    // formula + H2O = H3O+/OH- + conjugate, as the window and the editor build it.
    const DissociationRows rows{key + "+H2O", ion, RecordLine(r, PartnerLine), ""};
    FormulaTexts formulas;
    CoefficientTexts coefficients;
    SplitCoefficientFormula(rows, formulas, coefficients);
    EXPECT_EQ(BalanceReactionRows(rows, coefficients), 0) << key;

    // The window's first calculation with the stored K: concentration 1 before dissociation.
    AcidBaseValues values{"", "", "1", RecordLine(r, ConstantLine)};
    std::string pH;
    ASSERT_EQ(SolveAcidBaseEquilibrium(values, pH, "", "", base), AcidBaseSolved) << key;
    const double p = std::strtod(pH.c_str(), nullptr);
    // An acid as weak as the hydrogen sulfide ion leaves the pH at 7 to six digits.
    EXPECT_TRUE(base ? p >= 7.0 && p < 14.0 : p > 0.0 && p <= 7.0) << key << ": pH " << pH;
    for (const auto& value : values) {
      const double v = std::strtod(value.c_str(), nullptr);
      EXPECT_TRUE(std::isfinite(v) && v > 0.0) << key << ": " << value;
    }
  }
  EXPECT_GE(bases, 5);
}

// A sample of the constants against a second printing: D. C. Harris, Quantitative Chemical
// Analysis, Appendix G (25 degrees C, ionic strength 0). A base is compared through its
// conjugate acid, pKa = 14.00 - pKb. Within 0.03 pK units, a factor 1.07 in K.
TEST_F(DeliveredSolutionTables, AcidConstantsAgreeWithASecondTableAt25Degrees) {
  const std::map<std::string, double> conjugateAcidPKa = {
      {"HCOOH", 3.745}, {"CH3COOH", 4.756}, {"C6H5COOH", 4.202}, {"NH4+", 9.245}, {"NH3", 9.245},
      {"H3BO3", 9.237}, {"H2CO3", 6.351},   {"HCO3-", 10.329},   {"C6H5NH2", 4.601}};
  std::map<std::string, double> found;
  for (const auto& r : ReadTable("acconst.dat")) {
    if (r.size() != LinesPerRecord) continue;
    const std::string& key = RecordLine(r, KeyLine);
    if (!conjugateAcidPKa.count(key)) continue;
    int code = 0;
    const double pK = -std::log10(ParsedNumber(RecordLine(r, ConstantLine), code));
    found[key] = RecordLine(r, IonLine) == "OH-" ? 14.0 - pK : pK;
  }
  for (const auto& [key, expected] : conjugateAcidPKa) {
    ASSERT_TRUE(found.count(key)) << key;
    EXPECT_NEAR(found[key], expected, 0.03) << key;
  }
}

}  // namespace
