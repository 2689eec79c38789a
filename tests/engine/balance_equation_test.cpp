#include <cstdlib>
#include <sstream>
#include <vector>

#include "engine/formtext.h"
#include "engine/reaction.h"
#include "tests/engine/test_support.h"

namespace {

struct Balanced {
  int code = 0;
  std::string equation;
  std::string table;
  int enthalpyMissing = 0;
  int entropyMissing = 0;
  double dH = 0.0;
  double dS = 0.0;
};

Balanced Balance(const std::string& equation, int balMin = 1, int balMid = 10, int thermo = 0, bool six = false) {
  Balanced result;
  result.equation = equation;
  auto balance = six ? BalanceEquationSix : BalanceEquation;
  result.code = balance(2, result.enthalpyMissing, result.entropyMissing, thermo, balMin, balMid, 20, result.dH,
                        result.dS, result.equation, result.table);
  return result;
}

// The rows of an amounts table, each split at its tabs.
std::vector<std::vector<std::string>> Rows(const std::string& table) {
  std::vector<std::vector<std::string>> rows;
  std::istringstream lines(table);
  std::string line;
  while (std::getline(lines, line)) {
    std::vector<std::string> cells;
    std::string cell;
    for (char c : line) {
      if (c != '\t') {
        cell += c;
      } else if (!cell.empty()) {
        cells.push_back(cell);
        cell.clear();
      }
    }
    cells.push_back(cell);
    rows.push_back(cells);
  }
  return rows;
}

double Number(const std::string& text) { return std::strtod(text.c_str(), nullptr); }

TEST(BalanceEquation, BalancesTheExamples) {
  const struct {
    const char* equation;
    int balMid;
    const char* balanced;
  } cases[] = {
      {"FeS2+O2>Fe3O4+SO2", 10, "3FeS2 + 8O2 = Fe3O4 + 6SO2"},
      {"2gC3H8+O2>CO2+H2O", 10, "C3H8 + 5O2 = 3CO2 + 4H2O"},
      {"C3H8+2mO2>CO2+H2O", 10, "C3H8 + 5O2 = 3CO2 + 4H2O"},
      {"5gC3H8+3gO2>CO2+H2O", 10, "C3H8 + 5O2 = 3CO2 + 4H2O"},
      {"2gH,C3H8+0.5mO,O2>CO2+H2O", 10, "C3H8 + 5O2 = 3CO2 + 4H2O"},
      {"As2S3+NaNO3+Na2CO3>Na3AsO4+Na2SO4+NaNO2+10gC,CO2", 100,
       "As2S3 + 14NaNO3 + 6Na2CO3 = 2Na3AsO4 + 3Na2SO4 + 14NaNO2 + 6CO2"},
      {"H2+O2>H2O", 10, "2H2 + O2 = 2H2O"},
      {"Fe+2+MnO4-+H+>Fe+3+Mn+2+H2O", 10, "5Fe+2 + MnO4- + 8H+ = 5Fe+3 + Mn+2 + 4H2O"},
      {"NaCl(s)>Na+(aq)+Cl-(aq)", 10, "NaCl(s) = Na+(aq) + Cl-(aq)"},
      {"2H2O>H2+O2", 10, "(2H2O) = 2H2 + O2"},
      {"K4Fe(CN)6+KMnO4+H2SO4>KHSO4+Fe2(SO4)3+MnSO4+HNO3+CO2+H2O", 300,
       "10K4Fe(CN)6 + 122KMnO4 + 299H2SO4 = 162KHSO4 + 5Fe2(SO4)3 + 122MnSO4 + 60HNO3 + 60CO2 + 188H2O"},
      // An element held by exactly two species links them, whatever their order.
      {"Zn+HNO3>Zn(NO3)2+NH4NO3+H2O", 10, "4Zn + 10HNO3 = 4Zn(NO3)2 + NH4NO3 + 3H2O"},
      {"P4+NaOH+H2O>PH3+NaH2PO2", 10, "P4 + 3NaOH + 3H2O = PH3 + 3NaH2PO2"},
      {"C2H6+CH4+O2>CO2+H2O", 10, "2C2H6 + CH4 + 9O2 = 5CO2 + 8H2O"},
      // No solution of the box is skipped, so the smallest coefficients come first.
      {"NaHCO3+S>H2SO4+CO+Na2CO3+H2O", 10, "6NaHCO3 + S = H2SO4 + 3CO + 3Na2CO3 + 2H2O"},
      {"C2H5OH>H2O+CH4+CO", 10, "3C2H5OH = H2O + 4CH4 + 2CO"},
      // One group only.
      {"H2O>H2O", 10, "H2O = H2O"},
      {"C8H18+O2>CO2+H2O", 30, "2C8H18 + 25O2 = 16CO2 + 18H2O"},
      // Decimal counts: Fe 80 x 0.95 = 38 x 2, O 80 + 17 x 2 = 38 x 3.
      {"Fe0.95O+O2>Fe2O3", 100, "80Fe0.95O + 17O2 = 38Fe2O3"},
      // C 40 x 3.7 = 148, H 40 x 8.1 = 162 x 2, O 229 x 2 = 148 x 2 + 162.
      {"C3.7H8.1+O2>CO2+H2O", 1000, "40C3.7H8.1 + 229O2 = 148CO2 + 162H2O"},
      // With charges: Fe 20 x 0.95 = 17 + 2, charge 40 = 17 x 2 + 2 x 3.
      {"Fe0.95O+H+>Fe+2+Fe+3+H2O", 100, "20Fe0.95O + 40H+ = 17Fe+2 + 2Fe+3 + 20H2O"},
  };
  for (const auto& c : cases) {
    const Balanced result = Balance(c.equation, 1, c.balMid);
    EXPECT_EQ(result.code, 0) << c.equation << ": " << ErrorText;
    EXPECT_EQ(result.equation, c.balanced) << c.equation;
  }
}

TEST(BalanceEquation, LowerBoundAboveOneScalesTheFirstSolution) {
  EXPECT_EQ(Balance("H2+O2>H2O", 2).equation, "4H2 + 2O2 = 4H2O");
  EXPECT_EQ(Balance("FeS2+O2>Fe3O4+SO2", 3, 30).equation, "9FeS2 + 24O2 = 3Fe3O4 + 18SO2");
}

TEST(BalanceEquation, NegativeBalMaxAndHugeBalMid) {
  auto balance = [](int balMid, int balMax, std::string equation) {
    int enthalpyMissing = 0, entropyMissing = 0;
    double dH = 0.0, dS = 0.0;
    std::string table;
    const int code = BalanceEquation(2, enthalpyMissing, entropyMissing, 0, 1, balMid, balMax, dH, dS, equation, table);
    return code == 0 ? equation : std::to_string(code);
  };
  // Two groups, BalMax -1000: the bound is trunc(1000^(1/2) + 1) = 32 unless that is above
  // -BalMid, when it becomes BalMin - BalMid.
  EXPECT_EQ(balance(-100, -1000, "H2+O2>H2O"), "2H2 + O2 = 2H2O");
  EXPECT_EQ(balance(10, -1000, "H2+O2>H2O"), "5");
  EXPECT_EQ(balance(-40, -1000, "C8H18+O2>CO2+H2O"), "2C8H18 + 25O2 = 16CO2 + 18H2O");
  EXPECT_EQ(balance(-20, -1000, "C8H18+O2>CO2+H2O"), "5");  // bound 21: 25 is out of reach
  // An upper bound beyond the search's range is held below 32767.
  EXPECT_EQ(balance(2000000000, 20, "H2+O2>H2O"), "2H2 + O2 = 2H2O");
}

TEST(BalanceEquation, CountsBeyondExactArithmeticInAVastBoxEndAtTheIterationLimit) {
  // 3.3E18 carbon atoms overflow the exact search; the box of 32766^4 points is never walked.
  EXPECT_EQ(Balance("C3D1+C2HH8+O6(s)>3333333333333333333CO4+H2O", 1, 32766).code, 5);
  // Here the projection stops short and the walk over the lattice is bounded instead.
  EXPECT_EQ(Balance("3D1+C2HH8+O6(s)>3333333333333333333CO4+H+H2O", 1, 32766).code, 5);
}

TEST(BalanceEquation, FailuresGiveTheirCodeAndLine) {
  LanguageScope english(EnglishLanguage);
  const std::string thirteen = "H2+H2+H2+H2+H2+H2+H2>H2+H2+H2+H2+H2+H2";
  std::string eighty = "H";
  for (int i = 1; i < 80; ++i) eighty += i == 40 ? ">H" : "+H";
  const std::string fortyCharacters = "H2+" + std::string(40, 'C') + ">H2";
  const std::string thirtyOne = "CH3CH2CH2CH2CH2CH2CH2CH2CH2CH2O+O2>CO2+H2O";
  // Six pairs of 20-character species: the spaced result outgrows the equation text.
  const std::string wide =
      "KKKKKKKKKKKKKKKKKKKK+BBBBBBBBBBBBBBBBBBBB+NNNNNNNNNNNNNNNNNNNN+"
      "PPPPPPPPPPPPPPPPPPPP+SSSSSSSSSSSSSSSSSSSS+IIIIIIIIIIIIIIIIIIII>"
      "KKKKKKKKKKKKKKKKKKKK+BBBBBBBBBBBBBBBBBBBB+NNNNNNNNNNNNNNNNNNNN+"
      "PPPPPPPPPPPPPPPPPPPP+SSSSSSSSSSSSSSSSSSSS+IIIIIIIIIIIIIIIIIIII";
  ASSERT_LE(wide.size(), EquationTextLimit);
  const struct {
    std::string equation;
    int code;
    std::string line;
  } cases[] = {
      {"", 4, "Error 11 :Missing balance expr. !"},
      {"H2+O2", 4, "Error 14 :Error in balance expr. !"},
      {"Xx+H2>H2Xx", 4, "Error 15 :Error in formula: Xx !"},
      {"H2+Xx>H2Xx", 4, "Error 15 :Error in formula: H2+Xx !"},
      {"H2>", 4, "Error 14 :Error in balance expr. !"},
      {thirteen, 6, "Error 31 :Number of species exeed solvable limit !"},
      {eighty, 6, "Error 31 :Number of species exeed solvable limit !"},
      {fortyCharacters, 3, "Error 17 :Max number of characters in formula = 40 !"},
      {thirtyOne, 4, "Error 16 :To many characters in formula: CH3CH2CH2CH2CH2..... !"},
      {"H2+Cl2>H2", 1, "Error 26 :Missing 'Cl' in one side of expr. !"},
      // N only among the reactants, O only among the products: the higher Z is reported.
      {"H2+N2>H2O", 2, "Error 26 :Missing 'O' in one side of expr. !"},
      {"C8H18+O2>CO2+H2O", 5, "Error 27 :Problem caused by:Iterative limit, real numbers or unsolvable problem !"},
      {"CO2>CO2+O2", 5, "Error 27 :Problem caused by:Iterative limit, real numbers or unsolvable problem !"},
      {wide, 3, "Error 17 :Max number of characters in formula = 254 !"},
  };
  for (const auto& c : cases) {
    const Balanced result = Balance(c.equation);
    EXPECT_EQ(result.code, c.code) << c.equation;
    EXPECT_EQ(ErrorText, c.line) << c.equation;
    EXPECT_EQ(result.equation, c.equation) << "left unchanged on failure";
    EXPECT_TRUE(result.table.empty());
  }
}

TEST(BalanceEquation, MoreThanEightGroupsAndTheSmallTwin) {
  LanguageScope english(EnglishLanguage);
  // No element links two species here: nine groups.
  EXPECT_EQ(Balance("CH4+C2H6+C3H8+C4H10+C5H12+O2>CO2+H2O+CO+H2").code, 8);
  EXPECT_EQ(ErrorText, "Error 32 :Number of groups exeed solvable limit !");

  const Balanced twin = Balance("CaF2>Ca+2+F-", 1, 10, 0, true);
  EXPECT_EQ(twin.code, 0);
  EXPECT_EQ(twin.equation, "CaF2=Ca+2+2F-");
  EXPECT_EQ(Balance("H2+H2+H2+H2>H2+H2+H2", 1, 10, 0, true).code, 6);
  EXPECT_EQ(Balance("CH4+C2H6+O2>CO2+H2O+CO", 1, 10, 0, true).code, 8);
  // The twin takes four groups and refuses five: CH4 and H2O share the only link of the first,
  // no element links two species in the second.
  EXPECT_EQ(Balance("CH4+O2>CO2+H2O+CO", 1, 10, 0, true).code, 0) << ErrorText;
  EXPECT_EQ(Balance("CH4+C2H6+O2>CO2+H2O", 1, 10, 0, true).code, 8);
  EXPECT_EQ(ErrorText, "Error 32 :Number of groups exeed solvable limit !");
  EXPECT_EQ(Balance("CH4+C2H6+O2>CO2+H2O").code, 0) << ErrorText;
}

TEST(BalanceEquation, AmountsTableRowsByNameLength) {
  // Names under 8, 16, 24, 32 and 40 characters are followed by 5 to 1 tabs;
  // a number of 8 characters or more by one tab, a shorter one by two.
  // H2O is 2 x 1.00794 + 15.9994 = 18.0153 g/mol; 2 g of it are 0.111017 mol.
  EXPECT_EQ(Balance("H2O>H2O").table, "H2O\t\t\t\t\t1\t\t18.0153 \nH2O\t\t\t\t\t1\t\t18.0153 \n");
  EXPECT_EQ(Balance("2gH2O>H2O").table, "H2O\t\t\t\t\t0.111017\t2 \nH2O\t\t\t\t\t0.111017\t2 \n");
  // Without amounts each species has its coefficient in moles and the mass of that many moles.
  // Glucose 6 x 12.011 + 12 x 1.00794 + 6 x 15.9994 = 180.158; pentanol C5H12O 88.1497;
  // octanol C8H18O 130.23; two nonanol units C18H40O2 288.514 g/mol.
  const struct {
    const char* equation;
    const char* table;
  } bands[] = {
      {"C6H12O6(aq)>C6H12O6(s)", "C6H12O6(aq)\t\t\t\t1\t\t180.158 \nC6H12O6(s)\t\t\t\t1\t\t180.158 \n"},
      {"CH3CH2CH2CH2CH2OH(l)>C5H12O(g)", "CH3CH2CH2CH2CH2OH(l)\t\t\t1\t\t88.1497 \nC5H12O(g)\t\t\t\t1\t\t88.1497 \n"},
      {"CH3CH2CH2CH2CH2CH2CH2CH2OH(l)>C8H18O(g)",
       "CH3CH2CH2CH2CH2CH2CH2CH2OH(l)\t\t1\t\t130.23 \nC8H18O(g)\t\t\t\t1\t\t130.23 \n"},
      {"2CH3CH2CH2CH2CH2CH2CH2CH2CH2OH(aq)>C18H40O2",
       "(2CH3CH2CH2CH2CH2CH2CH2CH2CH2OH)(aq)\t1\t\t288.514 \nC18H40O2\t\t\t\t1\t\t288.514 \n"},
  };
  for (const auto& band : bands) {
    const Balanced result = Balance(band.equation);
    ASSERT_EQ(result.code, 0) << band.equation << ErrorText;
    EXPECT_EQ(result.table, band.table) << band.equation;
  }
}

TEST(BalanceEquation, AmountsFollowTheLimitingReagent) {
  // 5 g of propane would need 18.1 g of oxygen; the 3 g of oxygen limit.
  auto rows = Rows(Balance("5gC3H8+3gO2>CO2+H2O").table);
  ASSERT_EQ(rows.size(), 4u);
  EXPECT_EQ(rows[1][2], "3 ");
  EXPECT_NEAR(Number(rows[1][1]), 3 / 31.9988, 1e-6);
  EXPECT_NEAR(Number(rows[0][1]) * 5, Number(rows[1][1]), 1e-6);
  EXPECT_NEAR(Number(rows[2][1]) * 5, Number(rows[1][1]) * 3, 1e-6);

  // The fewest moles (1 mol N2) is not what limits: 1.5 mol H2 is half of the 3 mol needed.
  rows = Rows(Balance("1mN2+1.5mH2>NH3").table);
  ASSERT_EQ(rows.size(), 3u);
  EXPECT_EQ(rows[0][1], "0.5");
  EXPECT_EQ(rows[1][1], "1.5");
  EXPECT_EQ(rows[2][1], "1");

  // Without amounts every species has its coefficient in moles.
  rows = Rows(Balance("FeS2+O2>Fe3O4+SO2").table);
  ASSERT_EQ(rows.size(), 4u);
  EXPECT_EQ(rows[0][1], "3");
  EXPECT_EQ(rows[1][1], "8");
  EXPECT_EQ(rows[1][2], "255.99 ");  // 8 x 31.9988
}

class ThermochemicalMode : public WorkFolderTest {
 protected:
  // Records of nine lines: empty, key, English and Norwegian name, "1", dfH, dfG, S, Cp.
  static std::string Record(const std::string& key, const std::string& enthalpy, const std::string& gibbs,
                            const std::string& entropy, const std::string& heatCapacity) {
    return "\n" + key + "\nname\nnavn\n1\n" + enthalpy + "\n" + gibbs + "\n" + entropy + "\n" + heatCapacity + "\n\\\n";
  }
  static void WriteTable(const std::string& records, bool crLf) {
    std::string text = "\\\n" + records;
    if (crLf) {
      std::string converted;
      for (char c : text) converted += c == '\n' ? std::string("\r\n") : std::string(1, c);
      text = converted;
    }
    WriteFile("dats/datfiles/atomdata/thermody.dat", text);
  }
  static std::string Water() {
    return Record("H2(g)", "0", "0", "130.68", "28.84") + Record("O2(g)", "0", "0", "205.15", "29.38") +
           Record("H2O(l)", "-285.83", "-237.13", "69.95", "75.29");
  }
};

TEST_F(ThermochemicalMode, SumsEnthalpyAndEntropyFromACrLfTable) {
  SettingsSnapshot restore;
  for (bool crLf : {false, true}) {
    WriteTable(Water(), crLf);
    ThermoColumnChoice = 2;
    const Balanced result = Balance("H2(g)+O2(g)>H2O(l)", 1, 10, 1);
    ASSERT_EQ(result.code, 0) << ErrorText;
    // 2 x -285.83 = -571.66 kJ; 2 x 69.95 - (2 x 130.68 + 205.15) = -326.61 J/K.
    EXPECT_EQ(result.equation, "2H2(g) + O2(g) = 2H2O(l) + 571.66kJ");
    EXPECT_FLOAT_EQ(result.dH, -571.66f);
    EXPECT_FLOAT_EQ(result.dS, -326.61f);
    EXPECT_EQ(result.enthalpyMissing, 0);
    EXPECT_EQ(result.entropyMissing, 0);
    EXPECT_EQ(result.table, "H2(g)\t\t\t\t\t0\t\t0 \nO2(g)\t\t\t\t\t0\t\t0 \nH2O(l)\t\t\t\t\t-571.66\t\t-474.26 \n");
  }
}

TEST_F(ThermochemicalMode, LongLinesOfTheTableAreReadWhole) {
  // The editor writes lines of up to 251 characters; read in pieces, a long name line would
  // shift every later line of its record and of the records after it.
  const std::string longName(251, 'n');
  auto record = [&](const std::string& key, const std::string& enthalpy, const std::string& entropy) {
    return "\n" + key + "\n" + longName + "\n" + longName + "\n1\n" + enthalpy + "\n0\n" + entropy + "\n0\n\\\n";
  };
  WriteTable(record("H2(g)", "0", "130.68") + record("O2(g)", "0", "205.15") + record("H2O(l)", "-285.83", "69.95"),
             true);
  const Balanced result = Balance("H2(g)+O2(g)>H2O(l)", 1, 10, 1);
  ASSERT_EQ(result.code, 0) << ErrorText;
  EXPECT_EQ(result.equation, "2H2(g) + O2(g) = 2H2O(l) + 571.66kJ");
  EXPECT_FLOAT_EQ(result.dS, -326.61f);
  EXPECT_EQ(result.enthalpyMissing, 0);
  EXPECT_EQ(result.entropyMissing, 0);
}

TEST_F(ThermochemicalMode, MissingRecordShowsQuestionMarks) {
  SettingsSnapshot restore;
  WriteTable(Water(), false);
  ThermoColumnChoice = 4;
  const Balanced result = Balance("H2(g)+O2(g)>H2O(g)", 1, 10, 1);
  ASSERT_EQ(result.code, 0) << ErrorText;
  EXPECT_EQ(result.equation, "2H2(g) + O2(g) = 2H2O(g) + ?kJ");
  EXPECT_EQ(result.enthalpyMissing, 1);
  EXPECT_EQ(result.entropyMissing, 1);
  EXPECT_EQ(result.table, "H2(g)\t\t\t\t\t0\t\t57.68 \nO2(g)\t\t\t\t\t0\t\t29.38 \nH2O(g)\t\t\t\t\t?\t\t? \n");
}

TEST_F(ThermochemicalMode, EmptyValueLinesAndAMissingTable) {
  SettingsSnapshot restore;
  WriteTable(Record("H2(g)", "0", "0", "", "") + Record("O2(g)", "0", "0", "205.15", "") +
                 Record("H2O(l)", "-285.83", "", "69.95", ""),
             false);
  ThermoColumnChoice = 1;
  Balanced result = Balance("H2(g)+O2(g)>H2O(l)", 1, 10, 1);
  EXPECT_EQ(result.equation, "2H2(g) + O2(g) = 2H2O(l) + 571.66kJ");
  EXPECT_EQ(result.enthalpyMissing, 0);
  EXPECT_EQ(result.entropyMissing, 1);
  EXPECT_EQ(Rows(result.table)[2][2], "36.0306 ");  // the mass column

  std::filesystem::remove("dats/datfiles/atomdata/thermody.dat");
  result = Balance("H2(g)+O2(g)>H2O(l)", 1, 10, 1);
  EXPECT_EQ(result.equation, "2H2(g) + O2(g) = 2H2O(l) + ?kJ");
  EXPECT_EQ(result.enthalpyMissing, 1);
}

// A value the table cannot hold counts as missing, as an empty line does, and names its species;
// it never enters the sums as 0, a NaN or an infinity.
TEST_F(ThermochemicalMode, AValueThatIsNoNumberCountsAsMissingAndNamesItsSpecies) {
  SettingsSnapshot restore;
  ThermoColumnChoice = 0;
  for (const std::string damaged : {"NaN", "1e999", "-1e999", "abc", "12,5", "inf", "0x10", "-285.83kJ", "1.2.3"}) {
    WriteTable(Record("H2(g)", "0", "0", "130.68", "28.84") + Record("O2(g)", "0", "0", "205.15", "29.38") +
                   Record("H2O(l)", damaged, "-237.13", "69.95", "75.29"),
               false);
    const Balanced result = Balance("H2(g)+O2(g)>H2O(l)", 1, 10, 1);
    ASSERT_EQ(result.code, 0) << damaged << ": " << ErrorText;
    EXPECT_EQ(result.equation, "2H2(g) + O2(g) = 2H2O(l) + ?kJ") << damaged;
    EXPECT_EQ(result.enthalpyMissing, 1) << damaged;
    EXPECT_EQ(result.entropyMissing, 0) << damaged;
    EXPECT_FLOAT_EQ(result.dS, -326.61f) << damaged;
    EXPECT_EQ(Rows(result.table)[2][1], "?") << damaged;
    EXPECT_EQ(DamagedThermochemicalRecords, std::vector<std::string>{"H2O(l)"}) << damaged;
  }
  // Blanks around a number, an exponent and a leading sign are numbers as written.
  WriteTable(Record("H2(g)", " 0 ", "0", "+130.68", "28.84") + Record("O2(g)", "0", "0", "2.0515E+02", "29.38") +
                 Record("H2O(l)", "-285.83", "-237.13", "69.95", "75.29"),
             false);
  const Balanced result = Balance("H2(g)+O2(g)>H2O(l)", 1, 10, 1);
  EXPECT_EQ(result.equation, "2H2(g) + O2(g) = 2H2O(l) + 571.66kJ");
  EXPECT_FLOAT_EQ(result.dS, -326.61f);
  EXPECT_TRUE(DamagedThermochemicalRecords.empty());
}

}  // namespace
