#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <regex>
#include <sstream>
#include <set>
#include <string>
#include <vector>

#include "spectroscopy/model/spectral_interpretation.h"
#include "spectroscopy/model/spectral_peaks.h"
#include "engine/formcalc.h"
#include "engine/records/record_file.h"
#include "tests/engine/test_support.h"

namespace {

const std::string AtomData = TAVRIN_SOURCE_DIR "/dats/datfiles/atomdata/";

struct ShippedTable {
  const char* name;
  int linesPerRecord;
  std::size_t leastRecords;
};

const ShippedTable Tables[] = {
    {"noirdata.dat", 19, 80}, {"enirdata.dat", 19, 80}, {"nohnmr.dat", 49, 60},  {"enhnmr.dat", 49, 60},
    {"nocnmr.dat", 49, 60},   {"encnmr.dat", 49, 60},   {"nomsfrag.dat", 9, 60}, {"enmsfrag.dat", 9, 60},
    {"spectral.dat", 19, 6},
};

using Records = std::vector<std::vector<std::string>>;

Records Shipped(const std::string& name) {
  const std::vector<std::string> lines = SplitLines(ReadBytes(AtomData + name));
  return RecordsOf(lines);
}

double Number(const std::string& text, bool& ok) {
  char* end = nullptr;
  const double value = std::strtod(text.c_str(), &end);
  ok = !text.empty() && *end == '\0';
  return value;
}

TEST(ShippedSpectralTables, AreWindows1252InTheirRecordFrames) {
  for (const ShippedTable& table : Tables) {
    const std::string bytes = ReadBytes(AtomData + table.name);
    std::string why;
    EXPECT_TRUE(IsWindows1252Text(bytes, why)) << table.name << ": " << why;
    const std::vector<std::string> lines = SplitLines(bytes);
    ASSERT_FALSE(lines.empty()) << table.name;
    ASSERT_EQ((lines.size() - 1) % (table.linesPerRecord + 1), 0u) << table.name;
    for (std::size_t i = 0; i < lines.size(); ++i) {
      const bool separator = i % (table.linesPerRecord + 1) == 0;
      EXPECT_EQ(IsSeparatorLine(lines[i]), separator) << table.name << " line " << i + 1;
      if (separator) {
        EXPECT_EQ(lines[i], "\\") << table.name << " line " << i + 1;
      }
    }
    const Records records = RecordsOf(lines);
    EXPECT_GE(records.size(), table.leastRecords) << table.name;
    std::set<std::string> keys;
    for (const auto& record : records) {
      EXPECT_FALSE(record[0].empty()) << table.name;
      EXPECT_TRUE(keys.insert(Folded(record[0])).second) << table.name << ": " << record[0] << " twice";
    }
  }
}

// The numbers of both languages' files are the same, record by record; only texts differ.
TEST(ShippedSpectralTables, BothLanguagesHoldTheSameNumbers) {
  const std::vector<std::pair<std::string, std::vector<int>>> pairs = {
      {"irdata.dat", {4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18, 19}},
      {"hnmr.dat", {3, 4, 5, 6, 7, 8}},
      {"cnmr.dat", {3, 4, 5, 6, 7, 8}},
      {"msfrag.dat", {1, 2}},
  };
  for (const auto& [name, numberLines] : pairs) {
    const Records norwegian = Shipped("no" + name);
    const Records english = Shipped("en" + name);
    ASSERT_EQ(norwegian.size(), english.size()) << name;
    for (std::size_t r = 0; r < english.size(); ++r)
      for (int line : numberLines)
        EXPECT_EQ(RecordLine(norwegian[r], line), RecordLine(english[r], line)) << name << " record " << r + 1;
  }
}

TEST(ShippedSpectralTables, IrRangesArePairsOfWaveNumbersInOrder) {
  for (const char* name : {"noirdata.dat", "enirdata.dat"}) {
    for (const auto& record : Shipped(name)) {
      int defined = 0;
      for (int k = 0; k < 8; ++k) {
        const std::string lowText = RecordLine(record, 4 + 2 * k);
        const std::string highText = RecordLine(record, 5 + 2 * k);
        ASSERT_EQ(lowText.empty(), highText.empty()) << record[0] << " range " << k + 1;
        if (lowText.empty()) continue;
        ++defined;
        bool lowOk = false;
        bool highOk = false;
        const double low = Number(lowText, lowOk);
        const double high = Number(highText, highOk);
        EXPECT_TRUE(lowOk && highOk) << record[0];
        EXPECT_LE(low, high) << record[0];
        EXPECT_GE(low, 400) << record[0];
        EXPECT_LE(high, 4000) << record[0];
      }
      EXPECT_GE(defined, 1) << record[0];
    }
  }
}

TEST(ShippedSpectralTables, NmrShiftsLieOnTheirScales) {
  const std::map<std::string, std::pair<double, double>> scales = {
      {"nohnmr.dat", {-1, 20}}, {"enhnmr.dat", {-1, 20}}, {"nocnmr.dat", {-10, 240}}, {"encnmr.dat", {-10, 240}}};
  for (const auto& [name, scale] : scales) {
    for (const auto& record : Shipped(name)) {
      bool ok = false;
      const double tolerance = Number(RecordLine(record, 3), ok);
      EXPECT_TRUE(ok && tolerance >= 0 && tolerance <= 35) << name << ": " << record[0];
      int shifts = 0;
      for (int line = 4; line <= 48; ++line) {
        const std::string text = RecordLine(record, line);
        if (text.empty()) continue;
        ++shifts;
        const double shift = Number(text, ok);
        EXPECT_TRUE(ok) << name << ": " << record[0];
        EXPECT_GE(shift, scale.first) << name << ": " << record[0];
        EXPECT_LE(shift, scale.second) << name << ": " << record[0];
      }
      EXPECT_GE(shifts, 1) << name << ": " << record[0];
      EXPECT_EQ(RecordLine(record, 49), "") << name;
    }
  }
}

TEST(ShippedSpectralTables, FragmentMassesAreTheFormulaParsersMasses) {
  for (const char* name : {"nomsfrag.dat", "enmsfrag.dat"}) {
    for (const auto& record : Shipped(name)) {
      FormulaCounts counts{};
      IsotopeUsedFlags flags{};
      int kind = 0;
      float electrons = 0;
      float amount = 0;
      std::string formula = record[0];
      const float mass = dcalk(counts, flags, 0, formula, 1, 3, kind, electrons, amount);
      ASSERT_GT(mass, 0) << record[0];
      char expected[40];
      std::snprintf(expected, sizeof expected, "%f", mass);
      EXPECT_EQ(RecordLine(record, 2), expected) << record[0];
      EXPECT_FALSE(RecordLine(record, 4).empty()) << record[0];
    }
  }
}

TEST(ShippedSpectralTables, ExperimentsHoldAParentFormulaAToleranceAndPeaks) {
  for (const auto& record : Shipped("spectral.dat")) {
    FormulaCounts counts{};
    IsotopeUsedFlags flags{};
    int kind = 0;
    float electrons = 0;
    float amount = 0;
    std::string formula = RecordLine(record, 2);
    EXPECT_GT(dcalk(counts, flags, 0, formula, 1, 3, kind, electrons, amount), 0) << record[0];
    EXPECT_GE(std::atoi(RecordLine(record, 3).c_str()), 1) << record[0];
    for (int line : {5, 6}) EXPECT_GE(ReadPeakList(RecordLine(record, line), true).size(), 3u) << record[0];
    for (int line : {8, 9}) EXPECT_GE(ReadPeakList(RecordLine(record, line), false).size(), 1u) << record[0];
  }
}

class ShippedExperiments : public WorkFolderTest {
 protected:
  void SetUp() override {
    WorkFolderTest::SetUp();
    for (const ShippedTable& table : Tables)
      WriteFile(std::string("dats/datfiles/atomdata/") + table.name, ReadBytes(AtomData + table.name));
    SpecIterate = 1;
    SpecShowIsoFormula = 1;
    SpecHitPercent = 50;
  }

  static std::string Interpret(const std::vector<std::string>& record) {
    const SpectralPeakLines lines = {RecordLine(record, 5), RecordLine(record, 6), RecordLine(record, 8),
                                     RecordLine(record, 9)};
    return InterpretSpectra(RecordLine(record, 3), RecordLine(record, 2), lines, {1, 1, 1});
  }

  static std::map<std::string, std::vector<std::string>> ByName() {
    std::map<std::string, std::vector<std::string>> experiments;
    for (const auto& record : Shipped("spectral.dat")) experiments[record[0]] = record;
    return experiments;
  }

  SettingsSnapshot settings_;
};

TEST_F(ShippedExperiments, EachIsInterpretedWithItsMainGroups) {
  LanguageScope english(EnglishLanguage);
  const std::map<std::string, std::vector<std::string>> expected = {
      {"Etanol",
       {"CH2=OH+ (primary alcohols)", "(2/2)Primary alcohol (O-H, C-O)", "Alcohol O-H, hydrogen bonded",
        "(2/2)Ethoxy or ethanol (CH3-CH2-O)", "(2/2)Ethanol (CH3-CH2-OH)"}},
      {"Aceton",
       {"acetyl CH3CO+", "acetone M+", "(2/2)Ketone C=O, saturated", "Dimethyl ketone (acetone)",
        "Methyl ketone CH3 (CH3-C(=O)R)"}},
      {"Etylacetat",
       {"ethyl acetate or butanoic acid M+", "(3/3)Ester, saturated (C=O, C-O)", "(2/2)Acetate ester (C=O, C-O)",
        "(2/2)Ethyl ester (-COO-CH2-CH3)", "Ester C=O"}},
      {"Toluen",
       {"tropylium or benzyl C7H7+", "toluene M+", "Monosubstituted benzene", "Aromatic ring (C-H, C=C)",
        "Aromatic H (Ar-H)", "Aryl methyl (Ar-CH3)", "Alkylbenzene ring (ipso, o, m, p)"}},
      {"Benzosyre",
       {"benzoyl C6H5CO+", "benzoic acid M+", "(4/4)Carboxylic acid (O-H, C=O, C-O)", "Carboxylic acid COOH",
        "(3/3)Benzoyl group C6H5-C(=O)", "Aromatic carboxylic acid C=O"}},
      {"1-Brompropan",
       {"C3H7Br[79]", "bromopropane M+ (79Br)", "C3H7Br[81]", "bromopropane M+ (81Br)", "propyl or isopropyl C3H7+",
        "(3/3)Primary alkyl bromide (CH2-Br)", "(3/3)n-Propyl on halogen (X-CH2-CH2-CH3)",
        "(2/2)n-Propyl chain (CH3-CH2-CH2-X)"}},
  };
  const auto experiments = ByName();
  ASSERT_EQ(experiments.size(), expected.size());
  for (const auto& [name, groups] : expected) {
    ASSERT_TRUE(experiments.contains(name)) << name;
    const std::string report = Interpret(experiments.at(name));
    for (const std::string& group : groups) EXPECT_NE(report.find(group), std::string::npos) << name << ": " << group;
  }
}

// The groups an experiment's spectra fill completely: every range or shift of the record taken by a
// peak. The expected groups of each compound get there; so may groups it also holds (accepted);
// of the others, a multi-band or multi-shift group at 100 % is a false lead, and at most three may
// be, none of those named forbidden (groups the tables once gave these spectra wrongly).
struct ExperimentGroups {
  std::vector<std::string> expected, accepted, forbidden;
};

struct FullHit {
  std::string group;
  int bands = 0;
};

std::vector<FullHit> FullHits(const std::string& report) {
  std::vector<FullHit> hits;
  static const std::regex line(R"(\((\d+)/(\d+)\)(.*\S) ?\r?$)");
  std::istringstream lines(report);
  for (std::string text; std::getline(lines, text);) {
    std::smatch parts;
    if (!std::regex_search(text, parts, line) || parts[1] != parts[2]) continue;
    hits.push_back({parts[3].str(), std::stoi(parts[2].str())});
  }
  return hits;
}

TEST_F(ShippedExperiments, TheirGroupsReachAllTheirBandsAndFewOthersDo) {
  LanguageScope english(EnglishLanguage);
  SpecHitPercent = 100;
  const std::map<std::string, ExperimentGroups> table = {
      {"Etanol",
       {{"Primary alcohol (O-H, C-O)", "Alcohol O-H, hydrogen bonded", "Ethoxy or ethanol (CH3-CH2-O)",
         "Alcohol H-C-OH", "Ethanol (CH3-CH2-OH)", "Primary alcohol CH2-OH"},
        {"Methyl group CH3"},
        {"Carboxylic acid (O-H, C=O, C-O)", "Ethyl ester (-COO-CH2-CH3)"}}},
      {"Aceton",
       {{"Ketone C=O, saturated", "Dimethyl ketone (acetone)", "Methyl ketone (CH3-C(=O)R)",
         "Methyl ketone CH3 (CH3-C(=O)R)"},
        {},
        {"Carboxylic acid (O-H, C=O, C-O)", "Primary alkyl bromide (CH2-Br)"}}},
      {"Etylacetat",
       {{"Ester, saturated (C=O, C-O)", "Acetate ester (C=O, C-O)", "Ethyl ester (-COO-CH2-CH3)",
         "Acetate CH3 (CH3-C(=O)O-)", "Ester C=O", "Acetate CH3 (CH3-C(=O)O)"},
        {"Methyl group CH3"},
        {"Isopropoxy ((CH3)2CH-O)", "Epoxide ring", "Carboxylic acid (O-H, C=O, C-O)"}}},
      {"Toluen",
       {{"Aromatic ring (C-H, C=C)", "Monosubstituted benzene", "Aromatic H (Ar-H)", "Aryl methyl (Ar-CH3)",
         "Alkylbenzene ring (ipso, o, m, p)"},
        {"Methyl group CH3"},
        {"Amine salt N-H+", "Carboxylate ion", "Benzoyl group C6H5-C(=O)"}}},
      {"Benzosyre",
       {{"Carboxylic acid (O-H, C=O, C-O)", "Aromatic ring (C-H, C=C)", "Carboxylic acid COOH",
         "Aromatic H ortho to C=O", "Benzoyl group C6H5-C(=O)", "Aromatic carboxylic acid C=O"},
        {"Carboxylic acid dimer C=O", "Monosubstituted benzene"},
        {"Primary alkyl bromide (CH2-Br)", "Amine salt N-H+", "Carboxylate ion", "Alkylbenzene ring (ipso, o, m, p)"}}},
      {"1-Brompropan",
       {{"Primary alkyl bromide (CH2-Br)", "Bromoalkane C-Br", "n-Propyl on halogen (X-CH2-CH2-CH3)",
         "n-Propyl chain (CH3-CH2-CH2-X)", "Primary bromide CH2-Br"},
        {"Methyl group CH3", "Methylene group CH2"},
        {"Carboxylic acid (O-H, C=O, C-O)"}}},
  };
  const auto experiments = ByName();
  ASSERT_EQ(experiments.size(), table.size());
  for (const auto& [name, groups] : table) {
    ASSERT_TRUE(experiments.contains(name)) << name;
    const std::vector<FullHit> hits = FullHits(Interpret(experiments.at(name)));
    const auto full = [&](const std::string& group) {
      return std::ranges::any_of(hits, [&](const FullHit& hit) { return hit.group == group; });
    };
    for (const std::string& group : groups.expected) EXPECT_TRUE(full(group)) << name << ": " << group;
    for (const std::string& group : groups.forbidden) EXPECT_FALSE(full(group)) << name << ": " << group;
    std::vector<std::string> unrelated;
    for (const FullHit& hit : hits) {
      if (hit.bands < 2) continue;
      const auto listed = [&](const std::vector<std::string>& list) {
        return std::ranges::find(list, hit.group) != list.end();
      };
      if (!listed(groups.expected) && !listed(groups.accepted)) unrelated.push_back(hit.group);
    }
    std::string shown;
    for (const std::string& group : unrelated) shown += "\n  " + group;
    EXPECT_LE(unrelated.size(), 3u) << name << ", unrelated groups at 100 %:" << shown;
  }
}

TEST_F(ShippedExperiments, NorwegianTablesAndTheIterationFindTheSameGroups) {
  LanguageScope norwegian(NorwegianLanguage);
  const auto experiments = ByName();
  const std::string ethanol = Interpret(experiments.at("Etanol"));
  EXPECT_NE(ethanol.find("(2/2)Prim\xE6r alkohol (O-H, C-O)"), std::string::npos);
  EXPECT_NE(ethanol.find("(2/2)Etanol (CH3-CH2-OH)"), std::string::npos);

  SpecIterate = 0;
  const std::string iterated = Interpret(experiments.at("Etanol"));
  EXPECT_EQ(iterated.substr(0, 16), "MASSE*****FORMEL");
  EXPECT_NE(iterated.find("CH3O\t"), std::string::npos);   // 31: CH2=OH+
  EXPECT_NE(iterated.find("C2H5O\t"), std::string::npos);  // 45
  EXPECT_NE(iterated.find("C2H6O\t"), std::string::npos);  // 46: the molecular ion
}

}  // namespace
