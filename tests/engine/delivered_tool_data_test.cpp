// The tables delivered with the program for the molecular calculator and the balancing
// window: the names-and-formulas files (Norwegian and English) and the equation list.

#include <algorithm>
#include <cctype>
#include <cmath>
#include <map>
#include <numeric>
#include <regex>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "engine/formcalc.h"
#include "engine/reaction.h"
#include "engine/settings/settings.h"
#include "tests/engine/test_support.h"

namespace {

const std::string AtomData = TAVRIN_SOURCE_DIR "/dats/datfiles/atomdata/";

constexpr std::size_t LinesPerRecord = 9;
constexpr std::size_t NameLine = 2;
constexpr std::size_t FormulaLine = 6;
constexpr std::size_t NameLimit = 35;       // the editor's key field
constexpr std::size_t FormulaLimit = 219;   // the editor's formula field
constexpr std::size_t EquationLimit = 251;  // the balancing window's equation field

struct Named {
  std::string name;
  std::string formula;
};

struct NamesFile {
  std::vector<Named> records;
  std::vector<std::string> faults;  // frame faults, each with its line number
};

// Reads a names-and-formulas file: "\" first, then records of nine lines each followed by
// "\"; line 2 the name, line 6 the formula, every other line empty.
NamesFile ParseNamesFile(const std::string& text) {
  NamesFile file;
  auto fault = [&](std::size_t line, const std::string& what) {
    file.faults.push_back("line " + std::to_string(line + 1) + ": " + what);
  };
  if (text.empty() || text.back() != '\n') fault(0, "the file does not end in a line feed");
  const auto lines = SplitLines(text);
  if (lines.empty() || lines[0] != "\\") {
    fault(0, "the file does not begin with a separator line");
    return file;
  }
  std::size_t at = 1;
  while (at < lines.size()) {
    if (at + LinesPerRecord >= lines.size()) {
      fault(at, "a record of fewer than nine lines, or no separator line after it");
      break;
    }
    for (std::size_t k = 1; k <= LinesPerRecord; ++k) {
      const std::string& line = lines[at + k - 1];
      if (k == NameLine || k == FormulaLine) {
        if (line.empty()) fault(at + k - 1, "empty name or formula");
        if (!line.empty() && line[0] == '\\') fault(at + k - 1, "a field that begins with a backslash");
      } else if (!line.empty()) {
        fault(at + k - 1, "line " + std::to_string(k) + " of a record is not empty");
      }
    }
    if (lines[at + LinesPerRecord] != "\\") fault(at + LinesPerRecord, "not a separator line");
    file.records.push_back({lines[at + NameLine - 1], lines[at + FormulaLine - 1]});
    at += LinesPerRecord + 1;
  }
  return file;
}

const NamesFile& Norwegian() {
  static const NamesFile file = ParseNamesFile(ReadBytes(AtomData + "nomolclc.dat"));
  return file;
}

const NamesFile& English() {
  static const NamesFile file = ParseNamesFile(ReadBytes(AtomData + "enmolclc.dat"));
  return file;
}

struct FormulaResult {
  float result = 0.0f;
  int kind = -1;
  float charge = 0.0f;
  FormulaCounts counts{};
};

// As the editor checks a formula: mode 0, type 3; quiet, so no error line is needed.
FormulaResult Calculate(const std::string& formula, int mode = 0, int type = 3) {
  FormulaResult r;
  IsotopeUsedFlags flags{};
  float amount = 0.0f;
  std::string text = formula;
  r.result = dcalk(r.counts, flags, mode, text, 1, type, r.kind, r.charge, amount);
  return r;
}

// ---- The frame check itself finds broken frames ----

TEST(DeliveredNamesFiles, FrameCheckFindsBrokenFrames) {
  const std::string good = "\\\n\nWater\n\n\n\nH2O\n\n\n\n\\\n";
  ASSERT_TRUE(ParseNamesFile(good).faults.empty());
  ASSERT_EQ(ParseNamesFile(good).records.size(), 1u);
  const char* broken[] = {
      "",                                      // empty file
      "\nWater\n\n\n\nH2O\n\n\n\n\\\n",        // no opening separator line
      "\\\n\nWater\n\n\n\nH2O\n\n\n\\\n",      // eight lines
      "\\\n\nWater\n\n\n\nH2O\n\n\n\n",        // no closing separator line
      "\\\n\nWater\n\n\n\nH2O\n\n\n\n\\",      // no line feed at the end
      "\\\nx\nWater\n\n\n\nH2O\n\n\n\n\\\n",   // line 1 not empty
      "\\\n\nWater\n\n\n\nH2O\n\n1\n\n\\\n",   // line 8 not empty
      "\\\n\n\n\n\n\nH2O\n\n\n\n\\\n",         // no name
      "\\\n\nWater\n\n\n\n\n\n\n\n\\\n",       // no formula
      "\\\n\n\\Water\n\n\n\nH2O\n\n\n\n\\\n",  // leading backslash
      "\\\n\nWater\n\n\n\nH2O\n\n\n\n\\x\n",   // separator line with more than '\'
  };
  for (const char* text : broken) EXPECT_FALSE(ParseNamesFile(text).faults.empty()) << '"' << text << '"';
}

// ---- The names-and-formulas files ----

TEST(DeliveredNamesFiles, AreWindows1252WithLineFeeds) {
  for (const char* name : {"nomolclc.dat", "enmolclc.dat"}) {
    const std::string text = ReadBytes(AtomData + name);
    ASSERT_FALSE(text.empty()) << name;
    std::string why;
    EXPECT_TRUE(IsWindows1252Text(text, why)) << name << ": " << why;
  }
}

TEST(DeliveredNamesFiles, HaveTheRecordFrame) {
  for (const NamesFile* file : {&Norwegian(), &English()}) {
    for (const auto& fault : file->faults) ADD_FAILURE() << fault;
    EXPECT_GE(file->records.size(), 60u);
  }
}

TEST(DeliveredNamesFiles, NamesAreUniqueRegardlessOfCaseAndFitTheKeyField) {
  for (const NamesFile* file : {&Norwegian(), &English()}) {
    std::set<std::string> seen;
    for (const auto& r : file->records) {
      if (r.name.empty()) continue;  // a frame fault, reported above
      EXPECT_LE(r.name.size(), NameLimit) << r.name;
      EXPECT_NE(r.name.front(), ' ') << r.name;
      EXPECT_NE(r.name.back(), ' ') << r.name;
      EXPECT_TRUE(seen.insert(Folded(r.name)).second) << "duplicate name " << r.name;
    }
  }
}

TEST(DeliveredNamesFiles, BothLanguagesHoldTheSameFormulasInTheSameOrder) {
  const auto& no = Norwegian().records;
  const auto& en = English().records;
  ASSERT_EQ(no.size(), en.size());
  for (std::size_t i = 0; i < no.size(); ++i)
    EXPECT_EQ(no[i].formula, en[i].formula) << "record " << i << ": " << no[i].name << " / " << en[i].name;
}

TEST(DeliveredNamesFiles, EveryFormulaIsAcceptedByTheFormulaParser) {
  for (const NamesFile* file : {&Norwegian(), &English()}) {
    for (const auto& r : file->records) {
      EXPECT_LE(r.formula.size(), FormulaLimit) << r.name;
      EXPECT_EQ(r.formula.find_first_of(" \t"), std::string::npos) << r.name << ": " << r.formula;
      const auto result = Calculate(r.formula);
      EXPECT_GT(result.result, 0.0f) << r.name << ": " << r.formula;
      EXPECT_EQ(result.kind, PlainFormula) << r.name << ": " << r.formula;
    }
  }
}

TEST(DeliveredNamesFiles, CoverTheFormulaLanguage) {
  // At least one formula of each kind the calculator handles besides plain ones.
  const struct {
    const char* what;
    std::regex pattern;
  } kinds[] = {
      {"an adduct", std::regex(R"(\*)")},
      {"a bracketed group with a multiplier", std::regex(R"([\(\[][A-Z][^\)\]]*[\)\]][0-9])")},
      {"an isotope", std::regex(R"(D|[\(\[][0-9]+[\)\]])")},
      {"a charge", std::regex(R"([+-][0-9]*$)")},
  };
  for (const auto& kind : kinds) {
    const auto& records = English().records;
    EXPECT_TRUE(std::any_of(records.begin(), records.end(),
                            [&](const Named& r) { return std::regex_search(r.formula, kind.pattern); }))
        << "no formula with " << kind.what;
  }
}

TEST(DeliveredNamesFiles, NamedCompoundsHaveTheirMolarMasses) {
  // Expected masses are hand sums of the standard atomic weights, rounded as in school
  // tables: H 1.008, D 2.014, C 12.011, C-13 13.003, N 14.007, O 15.999, F 18.998,
  // Na 22.990, Al 26.982, P 30.974, S 32.06, Cl 35.45, K 39.098, Ca 40.078, Mn 54.938,
  // Fe 55.845, Cu 63.546, Ag 107.87. The tolerance (0.01 %) covers the rounding of those
  // weights and nothing more: one atom too many or too few is far outside it.
  const struct {
    const char* norwegian;
    const char* english;
    const char* formula;
    double molarMass;
  } expected[] = {
      // 2(1.008) + 32.06 + 4(15.999)
      {"Svovelsyre", "Sulfuric acid", "H2SO4", 98.072},
      // 22.990 + 35.45
      {"Natriumklorid", "Sodium chloride", "NaCl", 58.440},
      // 107.87 + 14.007 + 3(15.999)
      {"S\xF8lvnitrat", "Silver nitrate", "AgNO3", 169.874},
      // 3(40.078) + 2(30.974) + 8(15.999)
      {"Kalsiumfosfat", "Calcium phosphate", "Ca3(PO4)2", 310.174},
      // 4(39.098) + 55.845 + 6(12.011) + 6(14.007)
      {"Kaliumheksacyanoferrat(II)", "Potassium hexacyanoferrate(II)", "K4[Fe(CN)6]", 368.345},
      // 39.098 + 54.938 + 4(15.999)
      {"Kaliumpermanganat", "Potassium permanganate", "KMnO4", 158.032},
      // 2(63.546) + 12.011 + 3(15.999) + 2(15.999 + 1.008)
      {"Malakitt", "Malachite", "Cu2CO3(OH)2", 221.114},
      // 5(40.078) + 3(30.974 + 4(15.999)) + 18.998
      {"Fluorapatitt", "Fluorapatite", "Ca5(PO4)3F", 504.298},
      // 12.011 + 15.999 + 2(14.007 + 2(1.008))
      {"Urea (karbamid)", "Urea (carbamide)", "CO(NH2)2", 60.056},
      // 6(12.011) + 12(1.008) + 6(15.999)
      {"Glukose", "Glucose", "C6H12O6", 180.156},
      // 12(12.011) + 22(1.008) + 11(15.999)
      {"Sukrose (sukker)", "Sucrose (sugar)", "C12H22O11", 342.297},
      // 63.546 + 32.06 + 4(15.999) + 5(2(1.008) + 15.999)
      {"Kobbersulfat-pentahydrat", "Copper(II) sulfate pentahydrate", "CuSO4*5H2O", 249.677},
      // 39.098 + 26.982 + 2(32.06 + 4(15.999)) + 12(18.015)
      {"Kalialun", "Potassium alum", "KAl(SO4)2*12H2O", 474.372},
      // 2(2.014) + 15.999
      {"Tungtvann", "Heavy water", "D2O", 20.027},
      // 13.003 + 2(15.999)
      {"Karbon-13-merket karbondioksid", "Carbon-13-labelled carbon dioxide", "C(13)O2", 45.001},
      // 14.007 + 4(1.008), less one electron (0.0005)
      {"Ammoniumion", "Ammonium ion", "NH4+", 18.039},
  };
  const auto& no = Norwegian().records;
  const auto& en = English().records;
  ASSERT_EQ(no.size(), en.size());
  for (const auto& e : expected) {
    const auto at = std::find_if(no.begin(), no.end(), [&](const Named& r) { return r.name == e.norwegian; });
    ASSERT_NE(at, no.end()) << e.norwegian;
    const auto index = static_cast<std::size_t>(at - no.begin());
    EXPECT_EQ(en[index].name, e.english) << e.norwegian;
    EXPECT_EQ(at->formula, e.formula) << e.norwegian;
    const auto result = Calculate(at->formula);
    EXPECT_NEAR(result.result, e.molarMass, 1e-4 * e.molarMass) << e.english << ": " << at->formula;
  }
}

// ---- The equation list ----

std::vector<std::string> Equations() {
  const std::string text = ReadBytes(AtomData + "balequ.dat");
  return SplitLines(text);
}

// The shipped settings file, read as the program reads it at start.
class DeliveredEquationList : public WorkFolderTest {
 protected:
  void SetUp() override {
    WorkFolderTest::SetUp();
    WriteFile("dats/tavrpar.dat", ReadBytes(TAVRIN_SOURCE_DIR "/dats/tavrpar.dat"));
    LoadSettings();
  }

  SettingsSnapshot restore_;
};

struct Balanced {
  int code = 0;
  std::string equation;
  std::string table;
};

// As the balancing window calls the engine: mode 2, no thermochemistry.
Balanced Balance(const std::string& equation) {
  Balanced b;
  b.equation = equation;
  int enthalpyMissing = 0, entropyMissing = 0;
  double dH = 0.0, dS = 0.0;
  b.code = BalanceEquation(2, enthalpyMissing, entropyMissing, 0, BalMin, BalMid, BalMax, dH, dS, b.equation, b.table);
  return b;
}

std::vector<std::string> Split(const std::string& text, const std::string& separator) {
  std::vector<std::string> parts;
  std::size_t start = 0;
  for (std::size_t end; (end = text.find(separator, start)) != std::string::npos; start = end + separator.size())
    parts.push_back(text.substr(start, end - start));
  parts.push_back(text.substr(start));
  return parts;
}

struct Term {
  long coefficient;
  std::string species;
};

// "2KMnO4 + 16HCl = ..." into its terms; phases are cut off the species.
std::vector<std::vector<Term>> Terms(const std::string& balanced) {
  std::vector<std::vector<Term>> sides;
  for (const auto& side : Split(balanced, " = ")) {
    std::vector<Term> terms;
    for (const auto& term : Split(side, " + ")) {
      std::size_t digits = 0;
      while (digits < term.size() && std::isdigit(static_cast<unsigned char>(term[digits]))) ++digits;
      Term t{digits ? std::stol(term.substr(0, digits)) : 1, term.substr(digits)};
      for (const char* phase : {"(aq)", "(s)", "(l)", "(g)"}) {
        const std::string p = phase;
        if (t.species.size() > p.size() && t.species.compare(t.species.size() - p.size(), p.size(), p) == 0)
          t.species.resize(t.species.size() - p.size());
      }
      terms.push_back(t);
    }
    sides.push_back(terms);
  }
  return sides;
}

TEST_F(DeliveredEquationList, TheShippedSettingsHoldTheBalancingBounds) {
  EXPECT_EQ(BalMin, 1);
  EXPECT_EQ(BalMid, 1000);
  EXPECT_EQ(BalMax, 20);
}

// The shipped bound of 1000 changes no answer that a bound of 300 gives: the
// delivered list and the equations the engine's tests balance.
TEST_F(DeliveredEquationList, TheWideBoundGivesTheSameCoefficientsWhereANarrowerOneSolves) {
  std::vector<std::string> corpus = Equations();
  for (const char* equation : {
           "FeS2+O2>Fe3O4+SO2",
           "2gC3H8+O2>CO2+H2O",
           "C3H8+2mO2>CO2+H2O",
           "5gC3H8+3gO2>CO2+H2O",
           "2gH,C3H8+0.5mO,O2>CO2+H2O",
           "As2S3+NaNO3+Na2CO3>Na3AsO4+Na2SO4+NaNO2+10gC,CO2",
           "H2+O2>H2O",
           "Fe+2+MnO4-+H+>Fe+3+Mn+2+H2O",
           "NaCl(s)>Na+(aq)+Cl-(aq)",
           "2H2O>H2+O2",
           "K4Fe(CN)6+KMnO4+H2SO4>KHSO4+Fe2(SO4)3+MnSO4+HNO3+CO2+H2O",
           "Zn+HNO3>Zn(NO3)2+NH4NO3+H2O",
           "P4+NaOH+H2O>PH3+NaH2PO2",
           "C2H6+CH4+O2>CO2+H2O",
           "NaHCO3+S>H2SO4+CO+Na2CO3+H2O",
           "C2H5OH>H2O+CH4+CO",
           "C8H18+O2>CO2+H2O",
           "Fe0.95O+O2>Fe2O3",
           "C3.7H8.1+O2>CO2+H2O",
           "Fe0.95O+H+>Fe+2+Fe+3+H2O",
           "CaF2>Ca+2+F-",
           "CH4+O2>CO2+H2O+CO",
           "CH4+C2H6+O2>CO2+H2O",
           "MnO4-+H++e->Mn+2+H2O",
           "Cr2O7-2+Fe+2+H+>Cr+3+Fe+3+H2O",
       })
    corpus.emplace_back(equation);
  auto balance = [](const std::string& equation, int balMid) {
    Balanced b;
    b.equation = equation;
    int enthalpyMissing = 0, entropyMissing = 0;
    double dH = 0.0, dS = 0.0;
    b.code = BalanceEquation(2, enthalpyMissing, entropyMissing, 0, 1, balMid, 20, dH, dS, b.equation, b.table);
    return b;
  };
  int bothSolve = 0;
  for (const auto& equation : corpus) {
    const Balanced narrow = balance(equation, 300);
    const Balanced wide = balance(equation, 1000);
    if (narrow.code != 0) continue;
    EXPECT_EQ(wide.code, 0) << equation;
    EXPECT_EQ(wide.equation, narrow.equation) << equation;
    ++bothSolve;
  }
  EXPECT_GE(bothSolve, 70);
  // The textbook equation whose coefficients reach 299: beyond the former bound of 100.
  EXPECT_EQ(balance("K4Fe(CN)6+KMnO4+H2SO4>KHSO4+Fe2(SO4)3+MnSO4+HNO3+CO2+H2O", 100).code, 5);
  EXPECT_EQ(Balance("K4Fe(CN)6+KMnO4+H2SO4>KHSO4+Fe2(SO4)3+MnSO4+HNO3+CO2+H2O").code, 0);
}

TEST_F(DeliveredEquationList, IsAListOfEquationsAsTyped) {
  const std::string text = ReadBytes(AtomData + "balequ.dat");
  ASSERT_FALSE(text.empty());
  EXPECT_EQ(text.back(), '\n');
  std::string why;
  EXPECT_TRUE(IsWindows1252Text(text, why)) << why;
  const auto equations = Equations();
  EXPECT_GE(equations.size(), 20u);
  std::set<std::string> seen;
  for (const auto& e : equations) {
    EXPECT_FALSE(e.empty());
    EXPECT_LE(e.size(), EquationLimit) << e;
    // The window drops blanks and control characters before balancing; the list holds none.
    EXPECT_TRUE(std::all_of(e.begin(), e.end(), [](char c) { return static_cast<unsigned char>(c) > ' '; })) << e;
    EXPECT_EQ(std::count(e.begin(), e.end(), '>'), 1) << e;
    EXPECT_TRUE(seen.insert(Folded(e)).second) << "duplicate equation " << e;
  }
}

TEST_F(DeliveredEquationList, EveryEquationBalancesWithTheDeliveredSettings) {
  for (const auto& e : Equations()) {
    const auto b = Balance(e);
    EXPECT_EQ(b.code, 0) << e << ": " << b.equation;
  }
}

TEST_F(DeliveredEquationList, EveryBalancedEquationConservesAtomsAndCharge) {
  // Independent of the search: each species' atoms counted per formula unit, times its
  // coefficient, summed per side; the coefficients in lowest terms.
  for (const auto& e : Equations()) {
    const auto b = Balance(e);
    if (b.code != 0) continue;  // reported by the test above
    const auto sides = Terms(b.equation);
    ASSERT_EQ(sides.size(), 2u) << b.equation;
    std::map<int, double> atoms;  // element column, reactants positive
    double charge = 0.0;
    long divisor = 0;
    for (std::size_t side = 0; side < 2; ++side) {
      const double sign = side == 0 ? 1.0 : -1.0;
      for (const auto& t : sides[side]) {
        divisor = std::gcd(divisor, t.coefficient);
        const auto r = Calculate(t.species, 2, 2);
        ASSERT_GT(r.result, 0.0f) << b.equation << ": " << t.species;
        charge += sign * t.coefficient * r.charge;
        for (const auto& row : r.counts)
          for (int z = 0; z < ElementCount; ++z)
            if (row[z] != 0.0f) atoms[z] += sign * t.coefficient * row[z];
      }
    }
    for (const auto& [z, net] : atoms) EXPECT_NEAR(net, 0.0, 1e-3) << b.equation << ": element " << z + 1;
    EXPECT_NEAR(charge, 0.0, 1e-3) << b.equation;
    EXPECT_EQ(divisor, 1) << b.equation;
  }
}

TEST_F(DeliveredEquationList, ChosenEquationsGiveTheirBalancedForms) {
  // Coefficients checked by hand (atoms, and for the ionic ones the charge).
  const struct {
    const char* equation;
    const char* balanced;
  } expected[] = {
      {"C8H18+O2>CO2+H2O", "2C8H18 + 25O2 = 16CO2 + 18H2O"},
      {"2gC3H8+O2>CO2+H2O", "C3H8 + 5O2 = 3CO2 + 4H2O"},
      {"CaCO3(s)>CaO(s)+CO2(g)", "CaCO3(s) = CaO(s) + CO2(g)"},
      {"CuSO4*5H2O>CuSO4+H2O", "CuSO4*5H2O = CuSO4 + 5H2O"},
      {"H3PO4+Ca(OH)2>Ca3(PO4)2+H2O", "2H3PO4 + 3Ca(OH)2 = Ca3(PO4)2 + 6H2O"},
      {"Pb+2(aq)+I-(aq)>PbI2(s)", "Pb+2(aq) + 2I-(aq) = PbI2(s)"},
      {"10gFe,Fe2O3+CO>Fe+CO2", "Fe2O3 + 3CO = 2Fe + 3CO2"},
      {"FeS2+O2>Fe2O3+SO2", "4FeS2 + 11O2 = 2Fe2O3 + 8SO2"},
      {"Cu+HNO3>Cu(NO3)2+NO+H2O", "3Cu + 8HNO3 = 3Cu(NO3)2 + 2NO + 4H2O"},
      {"KMnO4+HCl>KCl+MnCl2+Cl2+H2O", "2KMnO4 + 16HCl = 2KCl + 2MnCl2 + 5Cl2 + 8H2O"},
      {"Cl2+NaOH>NaCl+NaClO3+H2O", "3Cl2 + 6NaOH = 5NaCl + NaClO3 + 3H2O"},
      {"Fe+2+MnO4-+H+>Fe+3+Mn+2+H2O", "5Fe+2 + MnO4- + 8H+ = 5Fe+3 + Mn+2 + 4H2O"},
      {"Cr2O7-2+Fe+2+H+>Cr+3+Fe+3+H2O", "Cr2O7-2 + 6Fe+2 + 14H+ = 2Cr+3 + 6Fe+3 + 7H2O"},
      {"Zn+NO3-+H+>Zn+2+NH4++H2O", "4Zn + NO3- + 10H+ = 4Zn+2 + NH4+ + 3H2O"},
      {"MnO4-+H++e->Mn+2+H2O", "MnO4- + 8H+ + 5e- = Mn+2 + 4H2O"},
      {"KMnO4+H2SO4+FeSO4>K2SO4+MnSO4+Fe2(SO4)3+H2O", "2KMnO4 + 8H2SO4 + 10FeSO4 = K2SO4 + 2MnSO4 + 5Fe2(SO4)3 + 8H2O"},
      {"As2S3+HNO3+H2O>H3AsO4+H2SO4+NO", "3As2S3 + 28HNO3 + 4H2O = 6H3AsO4 + 9H2SO4 + 28NO"},
      {"Ca3(PO4)2+SiO2+C>CaSiO3+P4+CO", "2Ca3(PO4)2 + 6SiO2 + 10C = 6CaSiO3 + P4 + 10CO"},
  };
  const auto equations = Equations();
  for (const auto& e : expected) {
    EXPECT_NE(std::find(equations.begin(), equations.end(), e.equation), equations.end())
        << e.equation << " is not in the list";
    const auto b = Balance(e.equation);
    EXPECT_EQ(b.code, 0) << e.equation;
    EXPECT_EQ(b.equation, e.balanced);
  }
}

TEST_F(DeliveredEquationList, AmountsTypedInTheListScaleTheTable) {
  // The species with the amount keeps it in the table's mass column.
  const struct {
    const char* equation;
    const char* species;  // the table's name of the species given the amount
    double grams;
  } expected[] = {
      {"2gC3H8+O2>CO2+H2O", "C3H8", 2.0},
      {"10gNaOH+H2SO4>Na2SO4+H2O", "NaOH", 10.0},
      {"5gZn+HCl>ZnCl2+H2", "Zn", 5.0},
      {"10gFe,Fe2O3+CO>Fe+CO2", "Fe", 10.0},  // 10 g of iron in the ore: 10 g of iron made
  };
  const auto equations = Equations();
  for (const auto& e : expected) {
    EXPECT_NE(std::find(equations.begin(), equations.end(), e.equation), equations.end())
        << e.equation << " is not in the list";
    const auto b = Balance(e.equation);
    ASSERT_EQ(b.code, 0) << e.equation;
    bool found = false;
    std::istringstream rows(b.table);
    for (std::string row; std::getline(rows, row);) {
      std::vector<std::string> cells;
      for (const auto& cell : Split(row, "\t"))
        if (!cell.empty()) cells.push_back(cell);
      if (cells.size() != 3 || cells[0] != e.species) continue;
      found = true;
      EXPECT_NEAR(std::stod(cells[2]), e.grams, 1e-4 * e.grams) << e.equation << ": " << row;
    }
    EXPECT_TRUE(found) << e.equation << ": no row of " << e.species << " in\n" << b.table;
  }
}

}  // namespace
