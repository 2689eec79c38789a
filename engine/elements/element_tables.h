#pragma once

#include <cstdint>

// The compiled-in tables of the 103 elements, hydrogen to lawrencium.
// The record of element Z is entry Z-1 of each table.

inline constexpr int ElementCount = 103;
inline constexpr int MaxOxidationStates = 5;
inline constexpr int MaxIsotopes = 10;

// Sentinels stored where a table has no value.
inline constexpr float NoTemperature = -999.0f;  // melting and boiling point
inline constexpr float NoValue = -1.0f;          // every other float column
inline constexpr std::uint8_t NoCode = 255;      // acid-base character, crystal structure

struct ElementRecord {
  const char* name;  // Norwegian name, Windows-1252
  const char* symbol;
  std::int32_t atomicNumber;
  float atomicMass;                                 // u
  float meltingPoint;                               // degrees C
  float boilingPoint;                               // degrees C
  float density;                                    // g/cm3
  float electronegativity;                          // Pauling
  std::int8_t oxidationStates[MaxOxidationStates];  // a 0 ends the list
  float covalentRadius;                             // 10^-10 m
  float atomicRadius;                               // 10^-10 m
  float atomicVolume;                               // cm3/mol
  float ionisationPotential;                        // V, first ionisation
  float specificHeat;                               // J/(g K)
  float heatOfVaporisation;                         // kJ/mol
  float heatOfFusion;                               // kJ/mol
  float electricalConductivity;                     // 10^6 /(Ohm cm)
  float thermalConductivity;                        // W/(cm K)
  std::uint8_t acidBaseCharacter;                   // 3,4 acidic; 5 amphoteric; 6,7,8 basic
  std::uint8_t crystalStructure;                    // 1..8, see the crystal structure texts
};

struct IsotopeRecord {
  std::int32_t count;            // stable isotopes listed, 0 to 10
  float abundance[MaxIsotopes];  // %, falling
  float mass[MaxIsotopes];       // u
};

struct ElectronConfigRecord {
  const char* configuration;  // "[Ar]3d^6 4s^2"
  std::uint8_t codes[10];     // 255 = none
};

extern const ElementRecord ElementTable[ElementCount];

extern const IsotopeRecord IsotopeTable[ElementCount];
extern const ElectronConfigRecord ElectronConfigTable[ElementCount];

// The records of element Z in each table; they throw std::out_of_range unless Z is 1 to ElementCount.
const ElementRecord& ElementByNumber(int Z);
const IsotopeRecord& IsotopesByNumber(int Z);
const ElectronConfigRecord& ElectronConfigByNumber(int Z);
