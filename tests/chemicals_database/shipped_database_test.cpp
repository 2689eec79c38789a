// The chemicals database delivered with the program: its frame, its encoding, its formulas and the
// masses a store computes from them, its CAS numbers, its numbers and its safety texts.

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <regex>
#include <set>

#include "chemicals_database/model/database_list.h"
#include "chemicals_database/model/database_engine.h"
#include "chemicals_database/model/record_prepare.h"
#include "engine/formtext.h"
#include "engine/reaction.h"
#include "engine/textutil.h"
#include "tests/chemicals_database/database_fixture.h"

namespace {

namespace fs = std::filesystem;

const fs::path Source = TAVRIN_SOURCE_DIR;

std::string ReadBytes(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

using Record = std::vector<std::string>;  // line n at index n - 1

struct ShippedFile {
  std::string entry;
  std::vector<Record> records;
};

// The files of the list in one language, each split into records of whole lines.
std::vector<ShippedFile> ShippedFiles(int language) {
  std::vector<ShippedFile> files;
  const auto list = TextLines(ReadBytes(Source / "dats/opendats.dat"));
  for (const auto& entry : DatabaseFileEntries(list, ThreeDigitLanguageCode(language))) {
    std::string path = entry;
    std::replace(path.begin(), path.end(), '\\', '/');
    const std::string text = ReadBytes(Source / path);
    EXPECT_FALSE(text.empty()) << entry;
    EXPECT_TRUE(text.ends_with("\n\\\n")) << entry << ": the closing backslash line";
    EXPECT_EQ(text.find('\r'), std::string::npos) << entry << ": line ends are LF";
    ShippedFile file{entry, {}};
    for (const auto& line : TextLines(text)) {
      if (line.starts_with('\\'))
        file.records.emplace_back();
      else
        file.records.back().push_back(line);
    }
    EXPECT_TRUE(file.records.back().empty()) << entry;
    file.records.pop_back();
    for (auto& record : file.records) record.insert(record.begin(), "\\");
    files.push_back(std::move(file));
  }
  return files;
}

bool CasCheckDigitValid(const std::string& cas) {
  static const std::regex shape(R"((\d{2,7})-(\d\d)-(\d))");
  std::smatch parts;
  if (!std::regex_match(cas, parts, shape)) return false;
  const std::string digits = parts[1].str() + parts[2].str();
  int sum = 0;
  for (std::size_t i = 0; i < digits.size(); ++i)
    sum += (digits[digits.size() - 1 - i] - '0') * static_cast<int>(i + 1);
  return sum % 10 == parts[3].str()[0] - '0';
}

std::optional<double> Number(const std::string& text) {
  if (text.empty()) return std::nullopt;
  const int check = CheckNumberText(text, 0.0f, 0.0f);
  EXPECT_TRUE(check == 0 || check == 1) << "'" << text << "' is no number the search can match";
  return std::strtod(text.c_str(), nullptr);
}

class ShippedDatabase : public ::testing::TestWithParam<int> {
 protected:
  void SetUp() override {
    LanguageCode = GetParam();
    MmMod = 3;
    MmStr = 0;
  }
  SettingsSnapshot settings_;
};

TEST(ShippedDatabaseCheck, TheCasCheckDigitRule) {
  EXPECT_TRUE(CasCheckDigitValid("7732-18-5"));
  EXPECT_TRUE(CasCheckDigitValid("64-17-5"));
  EXPECT_FALSE(CasCheckDigitValid("7732-18-6"));
  EXPECT_FALSE(CasCheckDigitValid("773218-5"));
}

TEST_P(ShippedDatabase, EveryRecordHasTheFrameAndItsComputedFormulaLines) {
  const auto files = ShippedFiles(GetParam());
  ASSERT_GE(files.size(), 2u);
  std::size_t records = 0;
  std::set<std::string> casNumbers;
  for (const auto& file : files) {
    for (const auto& record : file.records) {
      ++records;
      const std::string& name = record.size() > 2 ? record[2] : file.entry;
      ASSERT_EQ(record.size(), 200u) << name;
      for (int line = 2; line <= 198; ++line)
        EXPECT_LE(record[line - 1].size(), ChemDbFieldLimit) << name << " line " << line;
      EXPECT_EQ(record[199], "") << name;
      for (const int line : {3, 4, 7, 9}) {
        std::string upper = record[line - 1];
        ChangeCase(upper, 0);
        EXPECT_EQ(record[line - 1], upper) << name << " line " << line;
      }
      EXPECT_FALSE(record[2].empty());
      EXPECT_FALSE(record[6].empty()) << name;
      EXPECT_TRUE(CasCheckDigitValid(record[4])) << name << " " << record[4];
      EXPECT_TRUE(casNumbers.insert(record[4]).second) << name << " " << record[4] << " twice";

      FormulaCounts counts{};
      IsotopeUsedFlags flags{};
      int kind = 0;
      float electrons = 0.0f;
      float amount = 0.0f;
      std::string formula = record[7];
      const float mass = dcalk(counts, flags, 0, formula, 1, 3, kind, electrons, amount);
      ASSERT_GT(mass, 0.0f) << name << " " << record[7];
      char massText[32];
      std::snprintf(massText, sizeof massText, "%f", static_cast<double>(mass));
      EXPECT_EQ(record[9], massText) << name;
      std::string empirical;
      FormatCompositionReport(counts, 1, empirical, flags);
      EXPECT_EQ(record[10], empirical) << name;
      QualityFormula(empirical);
      EXPECT_EQ(record[38], empirical) << name;
    }
  }
  EXPECT_GE(records, 100u);
}

TEST_P(ShippedDatabase, NumbersArePlausible) {
  for (const auto& file : ShippedFiles(GetParam())) {
    for (const auto& record : file.records) {
      const std::string& name = record[2];
      const auto density = Number(record[40]);
      const auto airDensity = Number(record[44]);
      const auto melting = Number(record[53]);
      const auto boiling = Number(record[72]);
      const auto vapourPressure = Number(record[85]);
      const auto flashPoint = Number(record[87]);
      if (density) {
        EXPECT_TRUE(*density > 0.5 && *density < 23) << name;
      }
      if (airDensity) {
        EXPECT_TRUE(*airDensity > 0.05 && *airDensity < 5) << name;
      }
      if (melting) {
        EXPECT_TRUE(*melting > -273.15 && *melting < 3500) << name;
      }
      if (boiling) {
        EXPECT_TRUE(*boiling > -273.15 && *boiling < 3500) << name;
      }
      if (melting && boiling) {
        EXPECT_LT(*melting, *boiling) << name;
      }
      if (flashPoint && boiling) {
        EXPECT_LT(*flashPoint, *boiling) << name;
      }
      // Given at 20 degrees C, below the boiling point: less than one atmosphere.
      if (vapourPressure) {
        EXPECT_EQ(record[83], "20") << name;
        EXPECT_TRUE(*vapourPressure > 0 && *vapourPressure < 101.325) << name;
      }
      if (!record[188].empty()) {
        EXPECT_TRUE(std::regex_match(record[188], std::regex(R"((\d+(\.\d+)?)-(\d+(\.\d+)?))"))) << name;
      }
      EXPECT_EQ(airDensity.has_value(), record[21] == (GetParam() == EnglishLanguage ? "gas" : "gass")) << name;
    }
  }
}

TEST_P(ShippedDatabase, HazardCodesAndSafetyTexts) {
  const bool english = GetParam() == EnglishLanguage;
  const std::set<std::string> health = {"", "Tx", "T", "C", "Xn", "Xi"};
  const std::set<std::string> fire = {"", "Fx", "F", "O", "E"};
  const std::set<std::string> environment = {"", "N"};
  const std::vector<std::string> templates =
      english ? std::vector<std::string>{"GENERAL> ", "EYE> ", "WASTE GROUP> "}
              : std::vector<std::string>{"GENERELT> ", "\xd8YE> ", "AVFALLSGRUPPE> "};
  for (const auto& file : ShippedFiles(GetParam())) {
    for (const auto& record : file.records) {
      const std::string& name = record[2];
      EXPECT_TRUE(health.contains(record[169])) << name;
      EXPECT_TRUE(fire.contains(record[170])) << name;
      EXPECT_TRUE(environment.contains(record[168])) << name;
      const std::string& safety = record[198];
      EXPECT_LE(safety.size(), SafetyTextLimit) << name;
      EXPECT_EQ(std::count(safety.begin(), safety.end(), '|'), 10) << name;
      EXPECT_TRUE(safety.ends_with('|')) << name;
      for (const char c : safety) EXPECT_TRUE(static_cast<unsigned char>(c) >= 32 || c == '\a') << name;
      std::vector<std::string> sections;
      for (std::size_t start = 0, end; (end = safety.find('|', start)) != std::string::npos; start = end + 1)
        sections.push_back(safety.substr(start, end - start));
      ASSERT_EQ(sections.size(), 10u) << name;
      for (int section = 0; section < 9; ++section) EXPECT_FALSE(sections[section].empty()) << name << " " << section;
      EXPECT_TRUE(sections[3].starts_with(templates[0])) << name;
      EXPECT_TRUE(sections[5].starts_with(templates[1])) << name;
      EXPECT_TRUE(sections[8].starts_with(templates[2])) << name;
    }
  }
}

TEST_P(ShippedDatabase, TextIsWindows1252) {
  // Beyond ASCII only the Norwegian letters and the degree sign; UTF-8 would show as C3 xx.
  const std::string allowed = "\xe6\xf8\xe5\xc6\xd8\xc5\xb0";
  for (const auto& file : ShippedFiles(GetParam()))
    for (const auto& record : file.records)
      for (const auto& line : record)
        for (const char c : line)
          EXPECT_TRUE(static_cast<unsigned char>(c) < 0x80 || allowed.find(c) != std::string::npos)
              << record[2] << ": " << line;
}

INSTANTIATE_TEST_SUITE_P(BothLanguages, ShippedDatabase, ::testing::Values(NorwegianLanguage, EnglishLanguage));

TEST(ShippedDatabaseLanguages, TheTwoLanguagesHoldTheSameChemicalsInTheSameOrder) {
  const auto norwegian = ShippedFiles(NorwegianLanguage);
  const auto english = ShippedFiles(EnglishLanguage);
  ASSERT_EQ(norwegian.size(), english.size());
  for (std::size_t f = 0; f < norwegian.size(); ++f) {
    ASSERT_EQ(norwegian[f].records.size(), english[f].records.size());
    for (std::size_t r = 0; r < norwegian[f].records.size(); ++r) {
      const auto& no = norwegian[f].records[r];
      const auto& en = english[f].records[r];
      for (const int line : {5, 8, 10, 41, 54, 73, 86, 88, 169, 170, 171})
        EXPECT_EQ(no[line - 1], en[line - 1]) << no[2];
      EXPECT_EQ(no[6], en[2]);  // the English name
      EXPECT_EQ(en[8], no[2]);  // the Norwegian name as the English record's fourth name
    }
  }
}

// The engine finds the shipped chemicals by name, CAS number, empirical formula and boiling point.
class ShippedDatabaseSearch : public DatabaseTest {
 protected:
  void SetUp() override {
    DatabaseTest::SetUp();
    fs::create_directories("dats/datfiles");
    fs::copy_file(Source / "dats/opendats.dat", "dats/opendats.dat");
    fs::copy(Source / "dats/datfiles/kjemikal", "dats/datfiles/kjemikal");
  }
};

TEST_F(ShippedDatabaseSearch, ChemicalsAreFoundInBothLanguages) {
  LanguageCode = EnglishLanguage;
  ChemDbResetCursor();
  ASSERT_EQ(ChemDbRun("s na\\ethyl alcohol"), ChemDbDone);
  EXPECT_EQ(ChemDbRecord.slots[5], "64-17-5");
  EXPECT_EQ(ChemDbFileName, "org044");

  LanguageCode = NorwegianLanguage;
  ChemDbResetCursor();
  ASSERT_EQ(ChemDbRun("sk sf\\H2SO4"), ChemDbDone);
  EXPECT_EQ(Shown(), "SVOVELSYRE");
  EXPECT_EQ(ChemDbFileName, "uorg047");
  EXPECT_NE(SafetyDataText.find("\r\n"), std::string::npos);

  ChemDbResetCursor();
  ASSERT_EQ(ChemDbRun("s cas\\7732-18-5"), ChemDbDone);
  EXPECT_EQ(Shown(), "VANN");

  SkDev = 0.5f;
  ChemDbResetCursor();
  std::set<std::string> boilingNear100;
  while (ChemDbRun("s bp\\100") == ChemDbDone) boilingNear100.insert(Shown());
  EXPECT_EQ(boilingNear100, (std::set<std::string>{"VANN"}));
}

}  // namespace
