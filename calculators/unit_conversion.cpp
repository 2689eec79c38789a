#include "calculators/unit_conversion.h"

#include <cmath>

#include "engine/numbers/number_text.h"
#include "engine/numbers/typed_number.h"
#include "resources/unit_conversion_ids.h"

namespace {

constexpr double AbsoluteZeroRounding = 1e-9;  // K

// Every factor is built from the exact definitions of its units (NIST SP 811, 2008 edition,
// appendix B, and the SI Brochure); calculators/README.md lists them.
constexpr double Inch = 0.0254;                         // m
constexpr double Foot = 0.3048;                         // m
constexpr double Pound = 0.45359237;                    // kg, avoirdupois
constexpr double StandardGravity = 9.80665;             // m/s2
constexpr double PoundForce = Pound * StandardGravity;  // N
constexpr double LongTonForce = 2240 * PoundForce;      // N
constexpr double ConventionalMercury = 13595.1;         // kg/m3, of the conventional mercury column
constexpr double ConventionalWater = 1000;              // kg/m3, of the conventional water column
constexpr double Horsepower = 550 * Foot * PoundForce;  // W, 550 ft lbf/s
constexpr double Calorie = 4.1868;                      // J, international table
constexpr double BritishThermalUnit = 1055.05585262;    // J, international table
constexpr double Grain = Pound / 7000;                  // kg

constexpr UnitField TemperatureUnits[] = {
    {KelvinFieldId, 1},
    {CelsiusFieldId, 1},
    {FahrenheitFieldId, 1},
};

constexpr UnitField PressureUnits[] = {
    {PascalFieldId, 1},
    {PoundalPerSquareFootFieldId, Pound* Foot / (Foot * Foot)},
    {PoundForcePerSquareFootFieldId, PoundForce / (Foot * Foot)},
    {MillimetreOfMercuryFieldId, ConventionalMercury* StandardGravity * 0.001},
    {InchOfWaterFieldId, ConventionalWater* StandardGravity* Inch},
    {FootOfWaterFieldId, ConventionalWater* StandardGravity* Foot},
    {InchOfMercuryFieldId, ConventionalMercury* StandardGravity* Inch},
    {PoundForcePerSquareInchFieldId, PoundForce / (Inch * Inch)},
    {BarFieldId, 1e5},
    {StandardAtmosphereFieldId, 101325},
    {TonForcePerSquareFootFieldId, LongTonForce / (Foot * Foot)},
    {TonForcePerSquareInchFieldId, LongTonForce / (Inch * Inch)},
};

constexpr UnitField EnergyUnits[] = {
    {JouleFieldId, 1},
    {ErgFieldId, 1e-7},
    {HorsepowerHourFieldId, Horsepower * 3600},
    {ThermieFieldId, 1e6 * Calorie},
    {ThermFieldId, 1.05506e8},  // the therm of the EC directive 80/181/EEC, close to 10^5 Btu
    {CalorieFieldId, Calorie},
    {BtuFieldId, BritishThermalUnit},
    {KilowattHourFieldId, 3.6e6},
};

constexpr UnitField PowerUnits[] = {
    {WattFieldId, 1}, {HorsepowerFieldId, Horsepower}, {MetricHorsepowerFieldId, 75 * StandardGravity},  // 75 kgf m/s
};

// Ids 171 to 175 of the length group lie between the power and the force groups.
constexpr UnitField LengthUnits[] = {
    {MetreFieldId, 1}, {InchFieldId, Inch}, {FootFieldId, Foot}, {YardFieldId, 3 * Foot}, {MileFieldId, 5280 * Foot},
};

constexpr UnitField ForceUnits[] = {
    {NewtonFieldId, 1},
    {DyneFieldId, 1e-5},
    {PoundalFieldId, Pound* Foot},
    {OunceForceFieldId, PoundForce / 16},
    {PoundForceFieldId, PoundForce},
    {KilogramForceFieldId, StandardGravity},
    {TonForceFieldId, LongTonForce},
};

constexpr UnitField MassUnits[] = {
    {KilogramFieldId, 1},
    {GrainFieldId, Grain},
    {TroyOunceFieldId, 480 * Grain},
    {PoundFieldId, Pound},
};

constexpr std::span<const UnitField> UnitGroups[] = {
    TemperatureUnits, PressureUnits, EnergyUnits, PowerUnits, LengthUnits, ForceUnits, MassUnits,
};

constexpr double CelsiusZero = 273.15;
constexpr double FahrenheitZero = 32;

// Celsius, Kelvin and Fahrenheit of a temperature on the scale of the source field.
struct Temperature {
  double kelvin;
  double celsius;
  double fahrenheit;
};

Temperature TemperatureFrom(int sourceId, double value) {
  switch (sourceId) {
    case KelvinFieldId: return {value, value - CelsiusZero, (value - CelsiusZero) * 9 * 0.2 + FahrenheitZero};
    case CelsiusFieldId: return {value + CelsiusZero, value, value * 9 * 0.2 + FahrenheitZero};
    default: {
      const double celsius = (value - FahrenheitZero) * 0.5555555555555555;
      return {celsius + CelsiusZero, celsius, value};
    }
  }
}

double ValueIn(int fieldId, const Temperature& temperature) {
  switch (fieldId) {
    case KelvinFieldId: return temperature.kelvin;
    case CelsiusFieldId: return temperature.celsius;
    default: return temperature.fahrenheit;
  }
}

}  // namespace

std::span<const UnitField> UnitGroupOf(int fieldId) {
  for (std::span<const UnitField> group : UnitGroups) {
    for (const UnitField& unit : group) {
      if (unit.id == fieldId) return group;
    }
  }
  return {};
}

bool IsTemperatureField(int fieldId) { return UnitGroupOf(fieldId).data() == TemperatureUnits; }

std::optional<std::vector<ConvertedField>> ConvertUnitText(int sourceId, std::string text) {
  const std::span<const UnitField> group = UnitGroupOf(sourceId);
  if (group.empty()) return std::nullopt;
  const std::optional<double> typed = TypedNumber(std::move(text));
  if (!typed) return std::nullopt;
  const double value = *typed;

  const Temperature temperature = TemperatureFrom(sourceId, value);
  // No temperature lies below absolute zero; -459.67 F reaches it only to within rounding.
  if (IsTemperatureField(sourceId) && temperature.kelvin < -AbsoluteZeroRounding) return std::nullopt;
  double sourceFactor = 1;
  for (const UnitField& unit : group) {
    if (unit.id == sourceId) sourceFactor = unit.factor;
  }
  const double firstUnitValue = value * sourceFactor;
  std::vector<ConvertedField> converted;
  for (const UnitField& unit : group) {
    if (unit.id == sourceId) continue;
    const double result = IsTemperatureField(sourceId) ? ValueIn(unit.id, temperature) : firstUnitValue / unit.factor;
    if (!std::isfinite(result)) return std::nullopt;
    converted.push_back({unit.id, FormatNumberG(result)});
  }
  return converted;
}
