#pragma once

#include <cstdint>
#include <string>

// Every remembered choice of the program, one global per choice, holding its
// compiled-in default until LoadSettings reads the settings file.

inline constexpr int NorwegianLanguage = 47;
inline constexpr int EnglishLanguage = 44;
inline constexpr const char* SettingsFileName = "dats\\tavrpar.dat";
inline constexpr std::size_t SpecParentFormulaLimit = 73;
// The balancing search once marked a finished position with 32767; its upper
// bound BalMid stays below that value.
inline constexpr int BalMidLimit = 32766;
inline constexpr int DefaultBalMin = 1;
inline constexpr int DefaultBalMid = 10;
inline constexpr float DefaultSkDev = 1.1f;

extern int LanguageCode;
extern std::uint8_t MmMod;
extern std::uint8_t MmStr;
extern std::uint8_t SkMulti;
extern int SkDef;
extern int BalMin;
extern int BalMid;
extern int BalMax;
extern float SkDev;
extern int StartupTool;
extern int ChemDbFormulaSearchMode;
extern int ChemDbNoDeleteWarning;
extern std::uint8_t StoreAfterRecord;
extern int ChemDbWholeWordSearch;
extern std::uint8_t AutoFormulaMass;
extern int QuickEditCategory;
extern int ChemDbNumericField1;
extern int ChemDbNumericField2;
extern int PropertiesViewMode;
extern int PeriodicTableProperty;
extern int GraphProperty;
extern int GraphMainGroupsOnly;
extern int SpareSetting;
extern std::uint8_t ThermoColumnChoice;
extern int RedoxTurnOnSelection;
extern int RedoxBalanceOptions;
extern int SpecIterate;
extern int SpecShowIsoFormula;
extern int SpecHitPercent;
extern int SpecMinCountIr;
extern int SpecMinCountH1;
extern int SpecMinCountC13;
extern int SpecMsTolerance;
extern std::string SpecParentFormula;  // at most SpecParentFormulaLimit characters
extern int CurveFitModel;
extern int CurveFitHidePoints;
extern int CurveFitGrid;
extern int CurveFitFrame;
extern int PrintPointsX;

// Reads "dats\tavrpar.dat" into the values, also when the file is marked
// read-only; a missing file leaves them all as they are. Numbers beyond a
// value's type are held at its ends (a NaN or an infinity, "1e999" too, is
// none), then CheckSettingValues.
void LoadSettings();

// Puts back the default of every value the program cannot work with: a
// LanguageCode other than 44 and 47, a BalMid below 1 (above BalMidLimit it is
// held there), a BalMin below 1 or above BalMid, a RedoxTurnOnSelection or
// RedoxBalanceOptions outside 0 to 3, an SkDev that is no finite number.
void CheckSettingValues();

// Writes every value, checked as above, to "dats\tavrpar.dat", replacing the
// file whole. False when the file could not be written; it is then unchanged.
bool SaveSettings();
