#include "engine/reaction/balance_output.h"

#include <algorithm>
#include <cmath>
#include <map>
#include <optional>

#include "engine/formtext.h"
#include "engine/elements/element_tables.h"
#include "engine/numbers/number_text.h"
#include "engine/reaction.h"
#include "engine/records/record_file.h"
#include "engine/settings/settings.h"

std::vector<std::string> DamagedThermochemicalRecords;

namespace {

// Record lines of the thermochemical table.
constexpr int KeyLine = 2;
constexpr int EnthalpyLine = 6;
constexpr int EntropyLine = 8;
constexpr int FirstChoiceLine = 5;  // column choice k from 2 reads line 5 + k
constexpr int ChoiceMoles = 0;
constexpr int ChoiceMass = 1;

class ThermoTable {
 public:
  explicit ThermoTable(bool read) {
    if (!read) return;
    for (auto& record : ReadRecordFile(ThermochemicalTableName))
      records_.try_emplace(RecordLine(record, KeyLine), std::move(record));
  }
  // The value of a line of the species' record; empty when there is no record or the line holds
  // no number, and a line that holds something else names the species as damaged.
  std::optional<double> Value(const std::string& key, int line) const {
    const auto found = records_.find(key);
    if (found == records_.end()) return std::nullopt;
    const std::string text = RecordLine(found->second, line);
    if (text.empty()) return std::nullopt;
    const std::optional<double> value = ReadTableNumber(text);
    if (!value && std::ranges::find(DamagedThermochemicalRecords, key) == DamagedThermochemicalRecords.end())
      DamagedThermochemicalRecords.push_back(key);
    return value;
  }

 private:
  std::map<std::string, std::vector<std::string>> records_;  // the first record of each key
};

std::string NumberOrUnknown(const std::optional<double>& value) {
  return value ? FormatNumberG(*value) : std::string("?");
}

std::string Tabs(std::size_t count) { return std::string(count, '\t'); }

// Name, column 2 and column 3, with the tabs that line the columns up.
std::string TableRow(const std::string& name, const std::string& second, const std::string& third) {
  const std::size_t nameTabs = 5 - std::min<std::size_t>(name.size() / 8, 4);
  return name + Tabs(nameTabs) + second + Tabs(second.size() >= 8 ? 1 : 2) + third + " \n";
}

}  // namespace

std::string BalancedEquationText(const PreparedEquation& prepared, const std::vector<long>& coefficients, bool spaced) {
  const std::string plus = spaced ? " + " : "+";
  const std::string equals = spaced ? " = " : "=";
  std::string text;
  for (std::size_t i = 0; i < prepared.species.size(); ++i) {
    const EquationSpecies& species = prepared.species[i];
    if (i > 0) text += static_cast<int>(i) == prepared.reactants ? equals : plus;
    if (coefficients[i] != 1) text += std::to_string(coefficients[i]);
    text += species.displayName + species.phase;
  }
  return text;
}

int AmountsTable(const PreparedEquation& prepared, const std::vector<long>& coefficients, bool thermo,
                 std::string& table, ThermoSums& sums) {
  const auto& species = prepared.species;
  const std::size_t count = species.size();
  const std::size_t r = static_cast<std::size_t>(prepared.reference);
  const double referenceMoles = species[r].availableMoles;
  const double referenceCoefficient = static_cast<double>(coefficients[r]);

  std::vector<double> needed(count), neededMass(count);
  double scale = 1.0;
  double limitingCoefficient = 0.0;
  for (std::size_t i = 0; i < count; ++i) {
    needed[i] = i == r ? referenceMoles : static_cast<double>(coefficients[i]) * referenceMoles / referenceCoefficient;
    neededMass[i] = i == r ? species[i].availableMass : species[i].molarMass * needed[i];
    if (needed[i] >= species[i].availableMoles) {
      const double k = species[i].availableMoles / needed[i];
      if (k <= scale) {
        scale = k;
        limitingCoefficient = static_cast<double>(coefficients[i]);
      }
    }
  }
  if (prepared.anyAmountPrefix || limitingCoefficient == 0.0) limitingCoefficient = 1.0;

  if (thermo) DamagedThermochemicalRecords.clear();
  const ThermoTable thermoTable(thermo);
  std::string rows;
  for (std::size_t i = 0; i < count; ++i) {
    const std::string name = species[i].displayName + species[i].phase;
    if (name.size() >= SpeciesTextLimit) {
      FormatErrorText(FormulaCharactersLimitError, std::to_string(SpeciesTextLimit));
      return EquationTextTooLong;
    }
    const double moles = needed[i] * scale * limitingCoefficient;
    const double mass = neededMass[i] * scale * limitingCoefficient;
    if (!thermo) {
      rows += TableRow(name, FormatNumberG(moles), FormatNumberG(mass));
      continue;
    }
    const auto enthalpy = thermoTable.Value(name, EnthalpyLine);
    const auto entropy = thermoTable.Value(name, EntropyLine);
    const double side = species[i].product ? -1.0 : 1.0;
    if (enthalpy)
      sums.enthalpy += side * *enthalpy * moles;
    else
      sums.enthalpyMissing = true;
    if (entropy)
      sums.entropy -= side * *entropy * moles;
    else
      sums.entropyMissing = true;
    std::optional<double> third;
    const int choice = ThermoColumnChoice;
    if (choice == ChoiceMoles) {
      third = moles;
    } else if (choice == ChoiceMass) {
      third = mass;
    } else if (auto value = thermoTable.Value(name, FirstChoiceLine + choice)) {
      third = *value * moles;
    }
    const std::optional<double> second = enthalpy ? std::optional<double>(*enthalpy * moles) : std::nullopt;
    rows += TableRow(name, NumberOrUnknown(second), NumberOrUnknown(third));
  }
  table = std::move(rows);
  return 0;
}

std::string HeatTerm(const ThermoSums& sums) {
  std::string term = sums.enthalpy < 0.0 ? " - " : " + ";
  term += sums.enthalpyMissing ? std::string("?") : FormatNumberG(std::fabs(sums.enthalpy));
  return term + "kJ";
}
