#pragma once
// The record of a chemicals database file: which line holds what, how long a line may be, which
// lines are numbers, and the search keys that name them. Line 1 is the record's backslash line; a
// record written by this system has lines 2 to 199 and an empty line 200.
#include <array>
#include <cstddef>
#include <string>
#include <string_view>

#include "engine/formcalc.h"

inline constexpr int ChemDbSlotCount = 201;  // slots 0 to 200: slot n holds record line n
inline constexpr std::size_t ChemDbSlotLimit = 51;
inline constexpr std::size_t ChemDbFieldLimit = 48;  // the longest field a line 2 to 198 holds
inline constexpr int ChemDbFirstFieldLine = 2;
inline constexpr int ChemDbLastFieldLine = 198;
inline constexpr int ChemDbSafetyLine = 199;
inline constexpr int ChemDbLastRecordLine = 200;
inline constexpr std::size_t SafetyTextLimit = 3997;  // line 199 on disk

inline constexpr int FreeSearchLine = 2;
inline constexpr int NameLine = 3;
inline constexpr int AlternativeNameLine = 4;
inline constexpr int CasNumberLine = 5;
inline constexpr int EnglishNameLine = 7;
inline constexpr int FormulaLine = 8;
inline constexpr int FourthNameLine = 9;
inline constexpr int FormulaMassLine = 10;
inline constexpr int EmpiricalFormulaLine = 11;    // computed from line 8 on store
inline constexpr int QualitativeFormulaLine = 39;  // computed from line 8 on store
inline constexpr int EnvironmentHazardLine = 169;
inline constexpr int HealthHazardLine = 170;
inline constexpr int FireHazardLine = 171;
inline constexpr int LabelLine = 181;

// The name lines, stored and searched in upper case.
inline constexpr std::array NameLines = {NameLine, AlternativeNameLine, EnglishNameLine, FourthNameLine};
// The lines matched as numbers within the tolerance.
inline constexpr std::array NumericLines = {FormulaMassLine, 35, 36, 37, 41, 45, 54, 73, 86, 88, 191};

// The search keys that name record lines (besides "?" and the line numbers 1 to 199). A group key
// names several lines; "sf" and "qu" compare whole lines.
struct RecordKey {
  std::string_view key;
  std::array<int, 4> lines;
  int lineCount;
  bool wholeLine = false;
};
inline constexpr std::array<RecordKey, 13> RecordKeys = {{
    {"in", {FreeSearchLine}, 1},
    {"na", {EnglishNameLine, FourthNameLine, NameLine, AlternativeNameLine}, 4},
    {"cas", {CasNumberLine}, 1},
    {"mf", {FormulaLine}, 1},
    {"fm", {FormulaMassLine}, 1},
    {"sf", {EmpiricalFormulaLine}, 1, true},
    {"co", {14}, 1},
    {"ir", {35, 36, 37}, 3},
    {"qu", {QualitativeFormulaLine}, 1, true},
    {"de", {41}, 1},
    {"mp", {54}, 1},
    {"bp", {73}, 1},
    {"ip", {88}, 1},
}};
inline constexpr std::string_view NameKey = "na";
inline constexpr std::string_view CasNumberKey = "cas";
inline constexpr std::string_view LabelKey = "181";

// The record of the current compound: slot n holds record line n without its line end (at most
// 51 characters); line 199 lives in SafetyDataText. The window uses slots 0 to 5 and 100 to 105 as
// scratch while it builds a search. counts is the formula parser's scratch for the engine.
struct ChemDbRecordBuffer {
  std::array<std::string, ChemDbSlotCount> slots;
  FormulaCounts counts{};
  IsotopeUsedFlags isotopeFlags{};

  void Clear() {
    for (auto& slot : slots) slot.clear();
  }
};
