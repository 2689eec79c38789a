#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <climits>
#include <cmath>
#include <set>
#include <stdexcept>
#include <string>
#include <string_view>

#include "engine/globals.h"

namespace {

const ElementRecord& Element(int z) { return ElementTable[z - 1]; }
bool IsNobleGas(int z) { return z == 2 || z == 10 || z == 18 || z == 36 || z == 54 || z == 86; }

struct ElementIdentity {
  const char* symbol;
  const char* name;
  float atomicMass;
};

// The element table: symbol, Norwegian name (Windows-1252) and atomic mass of Z 1 to 103.
constexpr ElementIdentity ExpectedElements[ElementCount] = {
    {"H", "Hydrogen", 1.00794f},
    {"He", "Helium", 4.002602f},
    {"Li", "Litium", 6.941f},
    {"Be", "Beryllium", 9.012182f},
    {"B", "Bor  ", 10.811f},
    {"C", "Karbon", 12.011f},
    {"N", "Nitrogen", 14.00674f},
    {"O", "Oksygen", 15.9994f},
    {"F", "Fluor", 18.998404f},
    {"Ne", "Neon", 20.1797f},
    {"Na", "Natrium", 22.989767f},
    {"Mg", "Magnesium", 24.305f},
    {"Al", "Aluminium", 26.981539f},
    {"Si", "Silisium", 28.0855f},
    {"P", "Fosfor", 30.973763f},
    {"S", "Svovel", 32.066f},
    {"Cl", "Klor", 35.4527f},
    {"Ar", "Argon", 39.948f},
    {"K", "Kalium", 39.0983f},
    {"Ca", "Kalsium", 40.078f},
    {"Sc", "Scandium", 44.95591f},
    {"Ti", "Titan", 47.867f},
    {"V", "Vanadium", 50.9415f},
    {"Cr", "Krom", 51.9961f},
    {"Mn", "Mangan", 54.93805f},  // the standard atomic weight; 54.93085 would have two digits swapped
    {"Fe", "Jern", 55.845f},
    {"Co", "Kobolt", 58.9332f},
    {"Ni", "Nikkel", 58.6934f},
    {"Cu", "Kobber", 63.546f},
    {"Zn", "Sink", 65.39f},
    {"Ga", "Gallium", 69.723f},
    {"Ge", "Germanium", 72.61f},
    {"As",
     "Arsen(gr\xE5"
     ")",
     74.92159f},
    {"Se", "Selen", 78.96f},
    {"Br", "Brom", 79.904f},
    {"Kr", "Krypton", 83.8f},
    {"Rb", "Rubidium", 85.4678f},
    {"Sr", "Strontium", 87.62f},
    {"Y", "Yttrium", 88.90585f},
    {"Zr", "Zirkonium", 91.224f},
    {"Nb", "Niob", 92.90638f},
    {"Mo", "Molybden", 95.94f},
    {"Tc", "Technetium", 98.0f},
    {"Ru", "Ruthenium", 101.07f},
    {"Rh", "Rhodium", 102.9055f},
    {"Pd", "Palladium", 106.42f},
    {"Ag",
     "S\xF8"
     "lv",
     107.8682f},
    {"Cd", "Kadmium", 112.411f},
    {"In", "Indium", 114.818f},
    {"Sn", "Tinn", 118.71f},
    {"Sb", "Antimon", 121.76f},
    {"Te", "Tellur", 127.6f},
    {"I", "Jod", 126.90447f},
    {"Xe", "Xenon", 131.29f},
    {"Cs", "Cesium", 132.90543f},
    {"Ba", "Barium", 137.327f},
    {"La", "Lantan", 138.9055f},
    {"Ce", "Cerium", 140.115f},
    {"Pr", "Praseodym", 140.90765f},
    {"Nd", "Neodym", 144.24f},
    {"Pm", "Promethium", 145.0f},
    {"Sm", "Samarium", 150.36f},
    {"Eu", "Europium", 151.965f},
    {"Gd", "Gadolinium", 157.25f},
    {"Tb", "Terbium", 158.92534f},
    {"Dy", "Dysprosium", 162.5f},
    {"Ho", "Holmium", 164.93031f},
    {"Er", "Erbium", 167.26f},
    {"Tm", "Thulium", 168.9342f},
    {"Yb", "Ytterbium", 173.04f},
    {"Lu", "Lutetium", 174.967f},
    {"Hf", "Hafnium", 178.49f},
    {"Ta", "Tantal", 180.9479f},
    {"W", "Wolfram", 183.84f},
    {"Re", "Rhenium", 186.207f},
    {"Os", "Osmium", 190.23f},
    {"Ir", "Iridium", 192.217f},
    {"Pt", "Platina", 195.08f},
    {"Au", "Gull", 196.96654f},
    {"Hg",
     "Kvikks\xF8"
     "lv",
     200.59f},
    {"Tl", "Thallium", 204.3833f},
    {"Pb", "Bly", 207.2f},
    {"Bi", "Vismut", 208.98038f},
    {"Po", "Polonium", 209.0f},
    {"At", "Astat", 210.0f},
    {"Rn", "Radon", 222.0f},
    {"Fr", "Francium", 223.0f},
    {"Ra", "Radium", 226.0254f},
    {"Ac", "Actinium", 227.028f},
    {"Th", "Thorium", 232.0381f},
    {"Pa", "Protactinium", 231.03587f},
    {"U", "Uran", 238.0289f},
    {"Np", "Neptunium", 237.0482f},
    {"Pu", "Plutonium", 244.0f},
    {"Am", "Americium", 243.0f},
    {"Cm", "Curium", 247.0f},
    {"Bk", "Berkelium", 247.0f},
    {"Cf", "Californium", 251.0f},
    {"Es", "Einsteinium", 252.0f},
    {"Fm", "Fermium", 257.0f},
    {"Md", "Mendelevium", 258.0f},
    {"No", "Nobelium", 259.0f},
    {"Lr", "Lawrencium", 260.0f},
};

TEST(ElementTable, SymbolsNamesAndMassesAreThoseOfTheElementTable) {
  for (int z = 1; z <= ElementCount; ++z) {
    SCOPED_TRACE(z);
    const ElementIdentity& expected = ExpectedElements[z - 1];
    EXPECT_STREQ(Element(z).symbol, expected.symbol);
    EXPECT_STREQ(Element(z).name, expected.name);
    EXPECT_EQ(Element(z).atomicMass, expected.atomicMass);
    EXPECT_EQ(Element(z).atomicNumber, z);
  }
}

struct FixedRow {
  int z;
  float meltingPoint, boilingPoint, density, electronegativity;
  std::int8_t oxidationStates[MaxOxidationStates];
  float covalentRadius, atomicRadius, atomicVolume, ionisationPotential, specificHeat;
  float heatOfVaporisation, heatOfFusion, electricalConductivity, thermalConductivity;
  int acidBaseCharacter, crystalStructure;
};

// Rows the program's reference behaviour rests on; they must come through unchanged.
constexpr FixedRow FixedRows[] = {
    {1,
     -259.14f,
     -252.87f,
     0.071f,
     2.2f,
     {1, -1, 0, 0, 0},
     0.32f,
     0.79f,
     14.4f,
     13.598f,
     14.304f,
     0.44936f,
     0.05868f,
     -1.0f,
     0.001815f,
     5,
     4},
    {6,
     3550.0f,
     4827.0f,
     2.26f,
     2.55f,
     {4, -4, 2, 0, 0},
     0.77f,
     0.91f,
     4.58f,
     11.26f,
     0.71f,
     355.8f,
     -1.0f,
     0.00061f,
     1.29f,
     4,
     4},
    {26,
     1535.0f,
     2750.0f,
     7.86f,
     1.83f,
     {2, 3, 0, 0, 0},
     1.17f,
     1.72f,
     7.1f,
     7.87f,
     0.44f,
     349.6f,
     13.8f,
     0.0933f,
     0.802f,
     5,
     2},
    {80,
     -38.87f,
     356.58f,
     13.6f,
     2.0f,
     {2, 1, 0, 0, 0},
     1.49f,
     1.76f,
     14.82f,
     10.437f,
     0.139f,
     59.229f,
     2.295f,
     0.0104f,
     0.0834f,
     6,
     5},
    {97,
     -999.0f,
     -999.0f,
     -1.0f,
     1.3f,
     {3, 4, 0, 0, 0},
     -1.0f,
     -1.0f,
     -1.0f,
     6.23f,
     -1.0f,
     -1.0f,
     -1.0f,
     -1.0f,
     0.1f,
     255,
     255},
};

TEST(ElementTable, FixedRowsComeThroughUnchanged) {
  for (const FixedRow& row : FixedRows) {
    SCOPED_TRACE(row.z);
    const ElementRecord& e = Element(row.z);
    EXPECT_EQ(e.meltingPoint, row.meltingPoint);
    EXPECT_EQ(e.boilingPoint, row.boilingPoint);
    EXPECT_EQ(e.density, row.density);
    EXPECT_EQ(e.electronegativity, row.electronegativity);
    for (int i = 0; i < MaxOxidationStates; ++i) EXPECT_EQ(e.oxidationStates[i], row.oxidationStates[i]);
    EXPECT_EQ(e.covalentRadius, row.covalentRadius);
    EXPECT_EQ(e.atomicRadius, row.atomicRadius);
    EXPECT_EQ(e.atomicVolume, row.atomicVolume);
    EXPECT_EQ(e.ionisationPotential, row.ionisationPotential);
    EXPECT_EQ(e.specificHeat, row.specificHeat);
    EXPECT_EQ(e.heatOfVaporisation, row.heatOfVaporisation);
    EXPECT_EQ(e.heatOfFusion, row.heatOfFusion);
    EXPECT_EQ(e.electricalConductivity, row.electricalConductivity);
    EXPECT_EQ(e.thermalConductivity, row.thermalConductivity);
    EXPECT_EQ(e.acidBaseCharacter, row.acidBaseCharacter);
    EXPECT_EQ(e.crystalStructure, row.crystalStructure);
  }
}

TEST(ElementTable, MeltingPointLiesBelowBoilingPoint) {
  for (int z = 1; z <= ElementCount; ++z) {
    const ElementRecord& e = Element(z);
    if (e.meltingPoint != NoTemperature && e.boilingPoint != NoTemperature) {
      EXPECT_LT(e.meltingPoint, e.boilingPoint) << e.symbol;
    }
  }
}

struct PlausibleRange {
  const char* column;
  float ElementRecord::*field;
  float sentinel;
  float low, high;
};

// Bounds wide enough for every element, tight enough to catch a unit slip by a factor of 10 or more.
constexpr PlausibleRange PlausibleRanges[] = {
    {"atomic mass", &ElementRecord::atomicMass, 0.0f, 1.0f, 262.0f},
    {"melting point", &ElementRecord::meltingPoint, NoTemperature, -273.15f, 3600.0f},
    {"boiling point", &ElementRecord::boilingPoint, NoTemperature, -273.15f, 6000.0f},
    {"density", &ElementRecord::density, NoValue, 0.05f, 23.0f},
    {"electronegativity", &ElementRecord::electronegativity, NoValue, 0.7f, 4.0f},
    {"covalent radius", &ElementRecord::covalentRadius, NoValue, 0.2f, 2.7f},
    {"atomic radius", &ElementRecord::atomicRadius, NoValue, 0.4f, 3.5f},
    {"atomic volume", &ElementRecord::atomicVolume, NoValue, 4.0f, 75.0f},
    {"first ionisation potential", &ElementRecord::ionisationPotential, NoValue, 3.8f, 24.6f},
    {"specific heat capacity", &ElementRecord::specificHeat, NoValue, 0.09f, 14.5f},
    {"heat of vaporisation", &ElementRecord::heatOfVaporisation, NoValue, 0.08f, 850.0f},
    {"heat of fusion", &ElementRecord::heatOfFusion, NoValue, 0.05f, 65.0f},
    {"electrical conductivity", &ElementRecord::electricalConductivity, NoValue, 1e-13f, 0.7f},
    {"thermal conductivity", &ElementRecord::thermalConductivity, NoValue, 3e-5f, 4.5f},
};

TEST(ElementTable, EveryValueIsPlausibleForItsUnitOrTheSentinel) {
  for (const PlausibleRange& range : PlausibleRanges) {
    for (int z = 1; z <= ElementCount; ++z) {
      const float value = Element(z).*range.field;
      if (value == range.sentinel) continue;
      EXPECT_GE(value, range.low) << range.column << " of " << Element(z).symbol;
      EXPECT_LE(value, range.high) << range.column << " of " << Element(z).symbol;
    }
  }
  for (int z = 1; z <= ElementCount; ++z) {
    const int acidBase = Element(z).acidBaseCharacter;
    const int crystal = Element(z).crystalStructure;
    EXPECT_TRUE(acidBase == NoCode || (acidBase >= 3 && acidBase <= 8)) << Element(z).symbol;
    EXPECT_TRUE(crystal == NoCode || (crystal >= 1 && crystal <= 8)) << Element(z).symbol;
  }
}

struct HandbookValues {
  int z;
  float meltingPoint, boilingPoint, density, electronegativity;
};

// Melting and boiling points (degrees C, 101.325 kPa), densities (g/cm3, about 20 degrees C) and
// Pauling electronegativities as printed in the CRC Handbook of Chemistry and Physics
// (physical constants of the elements; electronegativity table), rounded as there.
constexpr HandbookValues HandbookReference[] = {
    {3, 180.5f, 1342.0f, 0.534f, 0.98f},   // Li
    {11, 97.8f, 883.0f, 0.97f, 0.93f},     // Na
    {12, 650.0f, 1090.0f, 1.74f, 1.31f},   // Mg
    {13, 660.3f, 2519.0f, 2.70f, 1.61f},   // Al
    {14, 1414.0f, 3265.0f, 2.33f, 1.90f},  // Si
    {15, 44.2f, 280.5f, 1.82f, 2.19f},     // P (white)
    {19, 63.5f, 759.0f, 0.89f, 0.82f},     // K
    {22, 1668.0f, 3287.0f, 4.51f, 1.54f},  // Ti
    {24, 1907.0f, 2671.0f, 7.15f, 1.66f},  // Cr
    {29, 1084.6f, 2562.0f, 8.96f, 1.90f},  // Cu
    {30, 419.5f, 907.0f, 7.14f, 1.65f},    // Zn
    {35, -7.2f, 58.8f, 3.10f, 2.96f},      // Br
    {47, 961.8f, 2162.0f, 10.5f, 1.93f},   // Ag
    {50, 231.9f, 2602.0f, 7.29f, 1.96f},   // Sn (white)
    {53, 113.7f, 184.4f, 4.93f, 2.66f},    // I
    {55, 28.5f, 671.0f, 1.93f, 0.79f},     // Cs
    {74, 3422.0f, 5555.0f, 19.3f, 2.36f},  // W
    {78, 1768.3f, 3825.0f, 21.5f, 2.28f},  // Pt
    {79, 1064.2f, 2856.0f, 19.3f, 2.54f},  // Au
    {82, 327.5f, 1749.0f, 11.3f, 2.33f},   // Pb
    {92, 1135.0f, 4131.0f, 19.1f, 1.38f},  // U
};

// Tolerances cover the spread between handbook editions: 1 % of the absolute melting point,
// 2 % of the absolute boiling point, 1.5 % of the density, 0.02 on the Pauling scale.
TEST(ElementTable, AgreesWithHandbookValues) {
  constexpr float Kelvin = 273.15f;
  for (const HandbookValues& reference : HandbookReference) {
    const ElementRecord& e = Element(reference.z);
    SCOPED_TRACE(e.symbol);
    EXPECT_NEAR(e.meltingPoint, reference.meltingPoint, 0.01f * (reference.meltingPoint + Kelvin));
    EXPECT_NEAR(e.boilingPoint, reference.boilingPoint, 0.02f * (reference.boilingPoint + Kelvin));
    EXPECT_NEAR(e.density, reference.density, 0.015f * reference.density);
    EXPECT_NEAR(e.electronegativity, reference.electronegativity, 0.02f);
  }
}

TEST(ElementTable, OxidationStatesAreShortZeroTerminatedLists) {
  for (int z = 1; z <= ElementCount; ++z) {
    const ElementRecord& e = Element(z);
    SCOPED_TRACE(e.symbol);
    const auto* end = std::find(std::begin(e.oxidationStates), std::end(e.oxidationStates), 0);
    EXPECT_TRUE(std::all_of(end, std::end(e.oxidationStates), [](std::int8_t s) { return s == 0; }));
    const std::set<int> distinct(std::begin(e.oxidationStates), end);
    EXPECT_EQ(static_cast<long>(distinct.size()), end - std::begin(e.oxidationStates));
    for (const auto* state = std::begin(e.oxidationStates); state != end; ++state) {
      EXPECT_GE(*state, -4);
      EXPECT_LE(*state, 8);
    }
    const bool hasNone = end == std::begin(e.oxidationStates);
    EXPECT_EQ(hasNone, IsNobleGas(z) || z >= 99);
  }
}

// Absent values the windows rely on: helium has no electronegativity, atomic volume or heat of
// fusion; no noble gas and not lawrencium has an electronegativity; Bk to Lr have no melting or
// boiling point.
TEST(ElementTable, ValuesAreAbsentWhereNoneIsKnown) {
  EXPECT_EQ(Element(2).atomicVolume, NoValue);
  EXPECT_EQ(Element(2).heatOfFusion, NoValue);
  for (int z = 1; z <= ElementCount; ++z) {
    const bool noElectronegativity = IsNobleGas(z) || z == 103;
    EXPECT_EQ(Element(z).electronegativity == NoValue, noElectronegativity) << Element(z).symbol;
    const bool noTemperatures = z >= 97;
    EXPECT_EQ(Element(z).meltingPoint == NoTemperature, noTemperatures) << Element(z).symbol;
  }
  for (int z = 97; z <= ElementCount; ++z) EXPECT_EQ(Element(z).boilingPoint, NoTemperature);
}

enum class Phase { Gas, Liquid, Solid, Unknown };

Phase PhaseAt20C(const ElementRecord& e) {
  if (e.boilingPoint < 20.0f && e.boilingPoint > -273.15f) return Phase::Gas;
  if (e.meltingPoint <= 20.0f && e.meltingPoint > -273.15f) return Phase::Liquid;
  if (e.meltingPoint > 20.0f) return Phase::Solid;
  return Phase::Unknown;
}

TEST(ElementTable, PhaseAtRoomTemperatureFollowsFromTheTemperatures) {
  const struct {
    int z;
    Phase phase;
  } cases[] = {
      {1, Phase::Gas},    {2, Phase::Gas},     {7, Phase::Gas},      {8, Phase::Gas},       {9, Phase::Gas},
      {10, Phase::Gas},   {17, Phase::Gas},    {18, Phase::Gas},     {36, Phase::Gas},      {54, Phase::Gas},
      {86, Phase::Gas},   {35, Phase::Liquid}, {80, Phase::Liquid},  {31, Phase::Solid},    {55, Phase::Solid},
      {33, Phase::Solid}, {6, Phase::Solid},   {97, Phase::Unknown}, {103, Phase::Unknown},
  };
  for (const auto& c : cases) EXPECT_EQ(PhaseAt20C(Element(c.z)), c.phase) << Element(c.z).symbol;
  int gases = 0, liquids = 0;
  for (int z = 1; z <= ElementCount; ++z) {
    gases += PhaseAt20C(Element(z)) == Phase::Gas;
    liquids += PhaseAt20C(Element(z)) == Phase::Liquid;
  }
  EXPECT_EQ(gases, 11);
  EXPECT_EQ(liquids, 2);
}

float IsotopeCount(int z) { return static_cast<float>(IsotopeTable[z - 1].count); }

// The fifteen properties the property graph plots, read as the graph reads them.
TEST(ElementTable, EveryGraphedPropertyVariesAcrossTheTable) {
  const struct {
    const char* column;
    float (*value)(int z);
  } properties[] = {
      {"atomic mass", [](int z) { return Element(z).atomicMass; }},
      {"melting point", [](int z) { return Element(z).meltingPoint; }},
      {"boiling point", [](int z) { return Element(z).boilingPoint; }},
      {"density", [](int z) { return Element(z).density; }},
      {"covalent radius", [](int z) { return Element(z).covalentRadius; }},
      {"atomic radius", [](int z) { return Element(z).atomicRadius; }},
      {"atomic volume", [](int z) { return Element(z).atomicVolume; }},
      {"first ionisation potential", [](int z) { return Element(z).ionisationPotential; }},
      {"specific heat capacity", [](int z) { return Element(z).specificHeat; }},
      {"electrical conductivity", [](int z) { return Element(z).electricalConductivity; }},
      {"thermal conductivity", [](int z) { return Element(z).thermalConductivity; }},
      {"electronegativity", [](int z) { return Element(z).electronegativity; }},
      {"heat of fusion", [](int z) { return Element(z).heatOfFusion; }},
      {"heat of vaporisation", [](int z) { return Element(z).heatOfVaporisation; }},
      {"stable isotope count", IsotopeCount},
  };
  for (const auto& property : properties) {
    std::set<float> values;
    for (int z = 1; z <= ElementCount; ++z) {
      const float v = property.value(z);
      if (v != NoValue && v != NoTemperature) values.insert(v);
    }
    EXPECT_GE(values.size(), 2u) << property.column;
  }
}

int MassNumber(float mass) { return static_cast<int>(mass + 0.5f); }

bool ListsNoIsotopes(int z) { return z == 43 || z == 61 || (z >= 84 && z != 92); }

TEST(IsotopeTable, CountsAreThoseOfTheElementTable) {
  const struct { int z, count; } counts[] = {{1, 2}, {6, 2}, {8, 3}, {50, 10}, {54, 9}, {92, 3}, {83, 1}};
  for (const auto& c : counts) EXPECT_EQ(IsotopeTable[c.z - 1].count, c.count) << Element(c.z).symbol;
  for (int z = 1; z <= ElementCount; ++z) {
    const int count = IsotopeTable[z - 1].count;
    if (ListsNoIsotopes(z)) {
      EXPECT_EQ(count, 0) << Element(z).symbol;
    } else {
      EXPECT_GE(count, 1) << Element(z).symbol;
    }
    EXPECT_LE(count, IsotopeTable[49].count) << Element(z).symbol << ": tin lists the most";
  }
}

TEST(IsotopeTable, ListsFallInAbundanceWithDistinctMassNumbersAndEmptySlotsZero) {
  for (int z = 1; z <= ElementCount; ++z) {
    const IsotopeRecord& r = IsotopeTable[z - 1];
    SCOPED_TRACE(Element(z).symbol);
    std::set<int> massNumbers;
    for (int i = 0; i < r.count; ++i) {
      EXPECT_GT(r.abundance[i], 0.0f);
      if (i > 0) {
        EXPECT_LE(r.abundance[i], r.abundance[i - 1]);
      }
      EXPECT_TRUE(massNumbers.insert(MassNumber(r.mass[i])).second) << "mass number " << MassNumber(r.mass[i]);
    }
    for (int i = r.count; i < MaxIsotopes; ++i) {
      EXPECT_EQ(r.abundance[i], 0.0f);
      EXPECT_EQ(r.mass[i], 0.0f);
    }
  }
}

TEST(IsotopeTable, AbundancesAddUpTo100) {
  for (int z = 1; z <= ElementCount; ++z) {
    const IsotopeRecord& r = IsotopeTable[z - 1];
    if (r.count == 0) continue;
    double sum = 0;
    for (int i = 0; i < r.count; ++i) sum += r.abundance[i];
    EXPECT_NEAR(sum, 100.0, 0.01) << Element(z).symbol;
  }
}

// A swapped mass or abundance shows as a mean isotope mass away from the atomic mass.
TEST(IsotopeTable, MeanIsotopeMassIsTheAtomicMass) {
  for (int z = 1; z <= ElementCount; ++z) {
    const IsotopeRecord& r = IsotopeTable[z - 1];
    if (r.count == 0) continue;
    double weighted = 0, total = 0;
    for (int i = 0; i < r.count; ++i) {
      weighted += static_cast<double>(r.abundance[i]) * r.mass[i];
      total += r.abundance[i];
    }
    EXPECT_NEAR(weighted / total, Element(z).atomicMass, 5e-4 * Element(z).atomicMass) << Element(z).symbol;
  }
}

TEST(IsotopeTable, HydrogenCarbonAndOxygenHoldTheirReferenceIsotopes) {
  const struct {
    int z;
    float abundance[3], mass[3];
    int massNumber[3];
  } cases[] = {
      {1, {99.985f, 0.015f, 0.0f}, {1.00783f, 2.014f, 0.0f}, {1, 2, 0}},
      {6, {98.9f, 1.1f, 0.0f}, {12.0f, 13.0034f, 0.0f}, {12, 13, 0}},
      {8, {99.757f, 0.205f, 0.038f}, {15.9949f, 17.9992f, 16.9991f}, {16, 18, 17}},
  };
  for (const auto& c : cases) {
    const IsotopeRecord& r = IsotopeTable[c.z - 1];
    for (int i = 0; i < 3; ++i) {
      EXPECT_EQ(r.abundance[i], c.abundance[i]) << Element(c.z).symbol << " " << i;
      EXPECT_EQ(r.mass[i], c.mass[i]) << Element(c.z).symbol << " " << i;
      if (c.massNumber[i] != 0) {
        EXPECT_EQ(MassNumber(r.mass[i]), c.massNumber[i]);
      }
    }
  }
}

// Counts the electrons of a configuration such as "[Ar]3d^6 4s^2" or "1s^2 2s^2p^1", checking its
// form on the way; returns -1 for a malformed text.
int ElectronsOf(std::string_view text) {
  int electrons = 0;
  if (!text.empty() && text.front() == '[') {
    const std::size_t close = text.find(']');
    if (close == std::string_view::npos) return -1;
    const std::string_view core = text.substr(1, close - 1);
    const struct {
      std::string_view symbol;
      int z;
    } cores[] = {{"He", 2}, {"Ne", 10}, {"Ar", 18}, {"Kr", 36}, {"Xe", 54}, {"Rn", 86}};
    const auto found =
        std::find_if(std::begin(cores), std::end(cores), [&](const auto& c) { return c.symbol == core; });
    if (found == std::end(cores)) return -1;
    electrons = found->z;
    text.remove_prefix(close + 1);
  }
  bool shellGiven = false;
  while (!text.empty()) {
    if (std::isdigit(static_cast<unsigned char>(text.front()))) {
      text.remove_prefix(1);
      shellGiven = true;
    }
    if (!shellGiven || text.size() < 3 || std::string_view("spdf").find(text[0]) == std::string_view::npos ||
        text[1] != '^')
      return -1;
    text.remove_prefix(2);
    int count = 0;
    if (text.empty() || !std::isdigit(static_cast<unsigned char>(text.front()))) return -1;
    while (!text.empty() && std::isdigit(static_cast<unsigned char>(text.front()))) {
      count = count * 10 + (text.front() - '0');
      text.remove_prefix(1);
    }
    electrons += count;
    if (!text.empty() && text.front() == ' ') {
      text.remove_prefix(1);
      shellGiven = false;
      if (text.empty() || !std::isdigit(static_cast<unsigned char>(text.front()))) return -1;
    }
  }
  return electrons;
}

TEST(ElectronConfigTable, ConfigurationsAreWellFormedAndHoldZElectrons) {
  for (int z = 1; z <= ElementCount; ++z) {
    const ElectronConfigRecord& r = ElectronConfigTable[z - 1];
    EXPECT_EQ(ElectronsOf(r.configuration), z) << Element(z).symbol << " " << r.configuration;
    for (std::uint8_t code : r.codes) EXPECT_EQ(code, 255);
  }
}

TEST(ElectronConfigTable, ShowsTheFamiliarForms) {
  const struct {
    int z;
    const char* configuration;
  } cases[] = {
      {1, "1s^1"},
      {5, "1s^2 2s^2p^1"},
      {26, "[Ar]3d^6 4s^2"},
      {103, "[Rn]5f^14 6d^1 7s^2"},
      {24, "[Ar]3d^5 4s^1"},
      {29, "[Ar]3d^10 4s^1"},
      {41, "[Kr]4d^4 5s^1"},
      {43, "[Kr]4d^5 5s^2"},
      {64, "[Xe]4f^7 5d^1 6s^2"},
      {31, "[Ar]3d^10 4s^2p^1"},
  };
  for (const auto& c : cases) EXPECT_STREQ(ElectronConfigTable[c.z - 1].configuration, c.configuration);
}

TEST(ElectronConfigTable, MalformedConfigurationsAreRejectedByTheCounter) {
  for (const char* text : {"1s2", "[Zz]4s^2", "s^2", "1s^2  2s^1", "1s^", "[Ar 4s^2"})
    EXPECT_EQ(ElectronsOf(text), -1) << text;
}

TEST(ElementByNumber, GivesTheRecordOfEachAtomicNumberAndRefusesTheRest) {
  EXPECT_STREQ(ElementByNumber(1).symbol, "H");
  EXPECT_STREQ(ElementByNumber(26).symbol, "Fe");
  EXPECT_STREQ(ElementByNumber(103).symbol, "Lr");
  for (int Z = 1; Z <= ElementCount; ++Z) EXPECT_EQ(ElementByNumber(Z).atomicNumber, Z);
  for (int Z : {0, -1, 104, INT_MIN}) EXPECT_THROW(ElementByNumber(Z), std::out_of_range) << Z;
}

TEST(ElementByNumber, IsotopesAndElectronConfigurationsAreLookedUpByTheSameNumber) {
  EXPECT_EQ(IsotopesByNumber(1).count, 2);
  EXPECT_FLOAT_EQ(IsotopesByNumber(6).mass[1], 13.0034f);
  EXPECT_STREQ(ElectronConfigByNumber(26).configuration, "[Ar]3d^6 4s^2");
  for (int Z = 1; Z <= ElementCount; ++Z) {
    EXPECT_EQ(&IsotopesByNumber(Z), &IsotopeTable[Z - 1]) << Z;
    EXPECT_EQ(&ElectronConfigByNumber(Z), &ElectronConfigTable[Z - 1]) << Z;
  }
  for (int Z : {0, -1, 104, INT_MIN}) {
    EXPECT_THROW(IsotopesByNumber(Z), std::out_of_range) << Z;
    EXPECT_THROW(ElectronConfigByNumber(Z), std::out_of_range) << Z;
  }
}

}  // namespace
