// The physical constants of the shipped chemicals database against the handbook's values
// (chemicals_database/data/crc_physical_constants.csv, its source named there): every record the
// reference holds, in both languages, melting and boiling points within 2 K, densities within 1 %.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "chemicals_database/model/database_list.h"
#include "tests/chemicals_database/database_fixture.h"

namespace {

namespace fs = std::filesystem;

const fs::path Source = TAVRIN_SOURCE_DIR;

constexpr double TemperatureTolerance = 2.0;   // K
constexpr double DensityRelativeTolerance = 0.01;

// Record lines (1 the separator): 5 CAS number, 41 density, 54 melting point, 73 boiling point.
constexpr std::size_t CasLine = 5, DensityLine = 41, MeltingLine = 54, BoilingLine = 73;

std::string ShippedBytes(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

struct Reference {
  std::string substance, melting, boiling, density;
};

std::map<std::string, Reference> ReferenceByCas() {
  std::map<std::string, Reference> references;
  std::istringstream lines(ShippedBytes(Source / "chemicals_database/data/crc_physical_constants.csv"));
  bool header = true;
  for (std::string line; std::getline(lines, line);) {
    if (line.empty() || line.front() == '#') continue;
    if (header) {
      header = false;
      continue;
    }
    std::vector<std::string> fields;
    std::istringstream cells(line);
    for (std::string cell; std::getline(cells, cell, ';');) fields.push_back(cell);
    fields.resize(5);
    references[fields[0]] = {fields[1], fields[2], fields[3], fields[4]};
  }
  return references;
}

// Every record of the database files of one language, each as its lines (index 0 the separator).
std::vector<std::vector<std::string>> ShippedRecords(int language) {
  std::vector<std::vector<std::string>> records;
  const auto list = TextLines(ShippedBytes(Source / "dats/opendats.dat"));
  for (const auto& entry : DatabaseFileEntries(list, ThreeDigitLanguageCode(language))) {
    std::string path = entry;
    std::replace(path.begin(), path.end(), '\\', '/');
    for (const auto& line : TextLines(ShippedBytes(Source / path))) {
      if (line.starts_with('\\'))
        records.emplace_back(1, line);
      else if (!records.empty())
        records.back().push_back(line);
    }
  }
  return records;
}

class ShippedPhysicalConstants : public ::testing::TestWithParam<int> {};

TEST_P(ShippedPhysicalConstants, AgreeWithTheHandbook) {
  const auto references = ReferenceByCas();
  ASSERT_GE(references.size(), 100u);
  std::map<std::string, int> found;
  int compared = 0;
  for (const auto& record : ShippedRecords(GetParam())) {
    if (record.size() <= BoilingLine) continue;  // the closing separator
    const auto reference = references.find(record[CasLine - 1]);
    if (reference == references.end()) continue;
    ++found[reference->first];
    const Reference& handbook = reference->second;
    const auto check = [&](std::size_t line, const std::string& expectedText, bool relative, const char* what) {
      const std::string& shipped = record[line - 1];
      if (shipped.empty() || expectedText.empty()) return;
      const double value = std::strtod(shipped.c_str(), nullptr);
      const double expected = std::strtod(expectedText.c_str(), nullptr);
      const double tolerance = relative ? DensityRelativeTolerance * expected : TemperatureTolerance;
      EXPECT_NEAR(value, expected, tolerance) << handbook.substance << ": " << what;
      ++compared;
    };
    check(MeltingLine, handbook.melting, false, "melting point, degrees C");
    check(BoilingLine, handbook.boiling, false, "boiling point, degrees C");
    check(DensityLine, handbook.density, true, "density, g/cm3");
  }
  for (const auto& [cas, reference] : references)
    EXPECT_EQ(found[cas], 1) << reference.substance << " (" << cas << ") in the database once";
  EXPECT_GE(compared, 250);
}

INSTANTIATE_TEST_SUITE_P(BothLanguages, ShippedPhysicalConstants, ::testing::Values(47, 44));

}  // namespace
