// Every record of the two shipped tables as its window loads it: the window's calculation with the
// stored constant shows no message and finite results.

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <string>

#include "engine/records/record_file.h"
#include "solution_chemistry/acid_base_calculation.h"
#include "solution_chemistry/dissociation_tables.h"
#include "solution_chemistry/solubility_calculation.h"

namespace {

const std::string AtomData = TAVRIN_SOURCE_DIR "/dats/datfiles/atomdata/";

bool FinitePositive(const std::string& text) {
  const double value = std::strtod(text.c_str(), nullptr);
  return std::isfinite(value) && value > 0.0;
}

TEST(ShippedTablesInWindows, EverySaltDissolvesInOneKilogram) {
  const auto records = ReadRecordFile(AtomData + "solprod.dat");
  ASSERT_GE(records.size(), 50u);
  for (const auto& record : records) {
    SolubilityInput input;
    input.equation = {RecordLine(record, FormulaLine), RecordLine(record, CationLine), RecordLine(record, AnionLine),
                      RecordLine(record, CrystalWaterLine)};
    input.ksp = RecordLine(record, ConstantLine);
    input.solvent = "1";
    const SolubilityResult result = CalculateSolubility(input);
    const std::string& key = input.equation[0];
    EXPECT_EQ(result.message, SolubilityMessage::None) << key;
    ASSERT_TRUE(result.computed) << key;
    for (const std::string* shown : {&result.amounts[0], &result.masses[0], &result.totalCation, &result.totalAnion})
      EXPECT_TRUE(FinitePositive(*shown)) << key << ": " << *shown;
  }
}

TEST(ShippedTablesInWindows, EveryAcidAndBaseAtConcentrationOne) {
  const auto records = ReadRecordFile(AtomData + "acconst.dat");
  ASSERT_GE(records.size(), 40u);
  for (const auto& record : records) {
    AcidBaseInput input;
    input.formula = RecordLine(record, FormulaLine);
    input.ion = RecordLine(record, CationLine);
    input.conjugate = RecordLine(record, AnionLine);
    input.constant = RecordLine(record, ConstantLine);
    input.initial = "1";
    const AcidBaseResult result = CalculateWeakAcidBase(input);
    EXPECT_TRUE(result.messages.empty()) << input.formula;
    for (const std::string* shown : {&result.ionConcentration, &result.undissociated, &result.pH, &result.pK})
      EXPECT_TRUE(FinitePositive(*shown)) << input.formula << ": " << *shown;
  }
}

}  // namespace
