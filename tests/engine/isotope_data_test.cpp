#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <regex>
#include <string>
#include <vector>

#include "engine/globals.h"

namespace {

// Lines of a record after its separator line, counted from 1.
enum Line { Key = 1, Spin, Abundance, Gamma, Receptivity, Moment, Quadrupole, Frequency, Sources };
constexpr std::size_t LinesPerRecord = 9;
constexpr std::size_t MaxLineLength = 252;
constexpr std::size_t RowWidth = 66;

using Record = std::array<std::string, LinesPerRecord + 1>;  // index 0 unused

struct IsotopeFile {
  std::string content;
  std::vector<std::string> lines;
};

const IsotopeFile& File() {
  static const IsotopeFile file = [] {
    std::ifstream in(TAVRIN_SOURCE_DIR "/dats/datfiles/atomdata/isotope.dat", std::ios::binary);
    IsotopeFile f{{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()}, {}};
    std::size_t start = 0;
    for (std::size_t end; (end = f.content.find('\n', start)) != std::string::npos; start = end + 1)
      f.lines.push_back(f.content.substr(start, end - start));
    return f;
  }();
  return file;
}

std::vector<Record> Records() {
  std::vector<Record> records;
  const auto& lines = File().lines;
  for (std::size_t at = 1; at + LinesPerRecord < lines.size(); at += LinesPerRecord + 1) {
    Record r;
    for (std::size_t k = 1; k <= LinesPerRecord; ++k) r[k] = lines[at + k - 1];
    records.push_back(r);
  }
  return records;
}

struct TableIsotope {
  std::string key;
  int massNumber;
  float abundance;
  float mass;
};

std::vector<TableIsotope> TableIsotopes() {
  std::vector<TableIsotope> isotopes;
  for (int z = 1; z <= ElementCount; ++z) {
    const IsotopeRecord& r = IsotopeTable[z - 1];
    for (int k = 0; k < r.count && k < MaxIsotopes && r.mass[k] != 0; ++k) {
      const int massNumber = static_cast<int>(r.mass[k] + 0.5);
      char key[16];
      std::snprintf(key, sizeof key, "%s[%d]", ElementTable[z - 1].symbol, massNumber);
      isotopes.push_back({key, massNumber, r.abundance[k], r.mass[k]});
    }
  }
  return isotopes;
}

const Record* Find(const std::vector<Record>& records, const std::string& key) {
  for (const auto& r : records)
    if (r[Key] == key) return &r;
  return nullptr;
}

double SpinValue(const std::string& spin) {
  const auto slash = spin.find('/');
  return slash == std::string::npos ? std::stod(spin) : std::stod(spin.substr(0, slash)) / 2.0;
}

// The row of the element-properties window: key, abundance, mass padded to 11 and directly
// followed by the spin, then frequency, receptivity, moment, quadrupole moment and gamma.
std::string WindowRow(const TableIsotope& isotope, const Record& r) {
  const auto value = [&](Line line) { return r[line].empty() ? std::string("   ") : r[line]; };
  char mass[32];
  std::snprintf(mass, sizeof mass, "%.6f", static_cast<double>(isotope.mass));
  char head[64];
  std::snprintf(head, sizeof head, "%s\t%.3f\t%-11s", isotope.key.c_str(), static_cast<double>(isotope.abundance),
                mass);
  return head + value(Spin) + "\t" + value(Frequency) + "\t" + value(Receptivity) + "\t" + value(Moment) + "\t" +
         value(Quadrupole) + "\t" + value(Gamma);
}

TEST(IsotopeData, IsAsciiWithLineFeedsAndSeparatorLines) {
  const auto& file = File();
  ASSERT_FALSE(file.content.empty());
  EXPECT_EQ(file.content.back(), '\n');
  for (const char c : file.content) {
    EXPECT_NE(c, '\r');
    EXPECT_LT(static_cast<unsigned char>(c), 0x80);
  }
  ASSERT_EQ(file.lines.size() % (LinesPerRecord + 1), 1u);
  for (std::size_t i = 0; i < file.lines.size(); ++i) {
    EXPECT_LE(file.lines[i].size(), MaxLineLength) << "line " << i + 1;
    const bool separator = i % (LinesPerRecord + 1) == 0;
    const bool opensRecord = !file.lines[i].empty() && file.lines[i][0] == '\\';
    EXPECT_EQ(opensRecord, separator) << "line " << i + 1;
    if (separator) {
      EXPECT_EQ(file.lines[i], "\\") << "line " << i + 1;
    }
  }
}

TEST(IsotopeData, HoldsOneRecordPerTableIsotopeInTableOrder) {
  const auto records = Records();
  const auto isotopes = TableIsotopes();
  ASSERT_EQ(records.size(), isotopes.size());
  for (std::size_t i = 0; i < records.size(); ++i) EXPECT_EQ(records[i][Key], isotopes[i].key);
}

TEST(IsotopeData, SpinsAreIntegerOrHalfIntegerAsTheMassNumberRequires) {
  const auto records = Records();
  const auto isotopes = TableIsotopes();
  ASSERT_EQ(records.size(), isotopes.size());
  const std::regex spin(R"((0|[1-9][0-9]*)(/2)?)");
  for (std::size_t i = 0; i < records.size(); ++i) {
    const std::string& s = records[i][Spin];
    ASSERT_TRUE(std::regex_match(s, spin)) << records[i][Key] << " spin '" << s << "'";
    const bool halfInteger = s.find('/') != std::string::npos;
    EXPECT_EQ(halfInteger, isotopes[i].massNumber % 2 == 1) << records[i][Key];
    if (halfInteger) {
      EXPECT_EQ(std::stoi(s) % 2, 1) << records[i][Key];
    }
  }
}

TEST(IsotopeData, SpinZeroRecordsHaveNoNmrValues) {
  int spinZero = 0;
  for (const auto& r : Records()) {
    if (r[Spin] != "0") continue;
    ++spinZero;
    for (const Line line : {Gamma, Receptivity, Moment, Quadrupole, Frequency})
      EXPECT_TRUE(r[line].empty()) << r[Key] << " line " << line;
  }
  EXPECT_GT(spinZero, 100);
}

TEST(IsotopeData, WellKnownNmrNucleiHaveTheirValues) {
  const auto records = Records();
  for (const char* key : {"H[1]",    "H[2]",    "Li[7]",  "B[11]",   "C[13]",   "N[14]",   "N[15]",   "O[17]",
                          "F[19]",   "Na[23]",  "Al[27]", "Si[29]",  "P[31]",   "Cl[35]",  "V[51]",   "Co[59]",
                          "Cu[63]",  "Se[77]",  "Y[89]",  "Rh[103]", "Ag[109]", "Cd[113]", "Sn[119]", "Te[125]",
                          "Xe[129]", "Cs[133]", "W[183]", "Pt[195]", "Hg[199]", "Tl[205]", "Pb[207]"}) {
    const Record* r = Find(records, key);
    ASSERT_NE(r, nullptr) << key;
    for (const Line line : {Gamma, Receptivity, Moment, Frequency})
      EXPECT_FALSE((*r)[line].empty()) << key << " line " << line;
    EXPECT_EQ((*r)[Quadrupole].empty(), (*r)[Spin] == "1/2") << key;
  }
}

TEST(IsotopeData, AgreesWithReferenceValues) {
  // As printed in the IUPAC table of nuclear spin properties (R. K. Harris et al., Pure Appl.
  // Chem. 73, 1795-1818 (2001)), rounded to the file's digits; 1H's moment is the proton's.
  const struct {
    const char* key;
    Line line;
    const char* value;
  } expected[] = {
      {"H[1]", Spin, "1/2"},
      {"H[1]", Gamma, "26.7522"},
      {"H[1]", Frequency, "100.000"},
      {"H[1]", Receptivity, "1.00"},
      {"H[1]", Moment, "2.7928"},
      {"H[2]", Spin, "1"},
      {"H[2]", Gamma, "4.1066"},
      {"H[2]", Quadrupole, "0.2860"},
      {"H[2]", Frequency, "15.351"},
      {"C[12]", Spin, "0"},
      {"C[13]", Gamma, "6.7283"},
      {"C[13]", Frequency, "25.145"},
      {"C[13]", Receptivity, "1.70E-4"},
      {"N[15]", Gamma, "-2.7126"},
      {"N[15]", Frequency, "10.137"},
      {"O[17]", Spin, "5/2"},
      {"O[17]", Quadrupole, "-2.558"},
      {"F[19]", Gamma, "25.1815"},
      {"F[19]", Frequency, "94.094"},
      {"P[31]", Frequency, "40.481"},
      {"Sn[119]", Gamma, "-10.0317"},
  };
  const auto records = Records();
  for (const auto& e : expected) {
    const Record* r = Find(records, e.key);
    ASSERT_NE(r, nullptr) << e.key;
    EXPECT_EQ((*r)[e.line], e.value) << e.key << " line " << e.line;
  }
}

TEST(IsotopeData, MomentAndFrequencyFollowFromGamma) {
  constexpr double MomentPerGammaAndSpin = 0.2087938;  // 1e7 hbar / mu_N
  const auto records = Records();
  const Record* proton = Find(records, "H[1]");
  ASSERT_NE(proton, nullptr);
  const double protonGamma = std::stod((*proton)[Gamma]);
  for (const auto& r : records) {
    if (r[Gamma].empty()) continue;
    const double gamma = std::stod(r[Gamma]);
    const double moment = gamma * MomentPerGammaAndSpin * SpinValue(r[Spin]);
    EXPECT_NEAR(std::stod(r[Moment]), moment, 0.01 * std::fabs(moment)) << r[Key];
    const double frequency = 100.0 * std::fabs(gamma) / protonGamma;
    EXPECT_NEAR(std::stod(r[Frequency]), frequency, 0.02 * frequency) << r[Key];
  }
}

TEST(IsotopeData, WindowRowsFitTheRowWidth) {
  const auto records = Records();
  const auto isotopes = TableIsotopes();
  ASSERT_EQ(records.size(), isotopes.size());
  for (std::size_t i = 0; i < records.size(); ++i) {
    const std::string row = WindowRow(isotopes[i], records[i]);
    EXPECT_LE(row.size(), RowWidth) << row;
  }
}

}  // namespace
