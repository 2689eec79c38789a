#include <algorithm>
#include <array>
#include <cfloat>
#include <cmath>
#include <string>
#include <variant>
#include <vector>

#include "engine/numbers/number_text.h"
#include "platform/services/files.h"
#include "engine/settings/settings.h"

namespace {

constexpr int SettingsLineCount = 100;
constexpr int LastValueLine = 70;
// A line holds at most 76 characters and its line feed.
constexpr std::size_t SettingsLineLimit = 76;

struct KeyLine {
  int line;
  const char* text;
};

constexpr std::array<KeyLine, 9> KeyLines = {{
    {2, "iLANGTAVRIN="},
    {4, "cMMMODTAVRIN="},
    {6, "cMMSTRTAVRIN="},
    {8, "cSKMULTITAVRIN="},
    {10, "iSKDEFTAVRIN="},
    {12, "iBALMINTAVRIN="},
    {14, "iBALMIDTAVRIN="},
    {16, "iBALMAXTAVRIN="},
    {18, "dSKDEVTAVRIN="},
}};

using SettingValue = std::variant<int*, std::uint8_t*, float*, std::string*>;

struct ValueLine {
  int line;
  SettingValue value;
};

const std::array<ValueLine, 39> ValueLines = {{
    {3, &LanguageCode},
    {5, &MmMod},
    {7, &MmStr},
    {9, &SkMulti},
    {11, &SkDef},
    {13, &BalMin},
    {15, &BalMid},
    {17, &BalMax},
    {19, &SkDev},
    {30, &StartupTool},
    {32, &ChemDbFormulaSearchMode},
    {33, &ChemDbNoDeleteWarning},
    {34, &StoreAfterRecord},
    {35, &ChemDbWholeWordSearch},
    {36, &AutoFormulaMass},
    {37, &QuickEditCategory},
    {38, &ChemDbNumericField1},
    {39, &ChemDbNumericField2},
    {40, &PropertiesViewMode},
    {41, &PeriodicTableProperty},
    {42, &GraphProperty},
    {43, &GraphMainGroupsOnly},
    {44, &SpareSetting},
    {46, &ThermoColumnChoice},
    {50, &RedoxTurnOnSelection},
    {51, &RedoxBalanceOptions},
    {55, &SpecIterate},
    {56, &SpecShowIsoFormula},
    {57, &SpecHitPercent},
    {58, &SpecMinCountIr},
    {59, &SpecMinCountH1},
    {60, &SpecMinCountC13},
    {61, &SpecMsTolerance},
    {62, &SpecParentFormula},
    {65, &CurveFitModel},
    {66, &CurveFitHidePoints},
    {68, &CurveFitGrid},
    {69, &CurveFitFrame},
    {70, &PrintPointsX},
}};

// A finite number beyond the float range is held at its ends; NaN and the infinities stay what they
// are, for CheckSettingValues to put the default back.
float ToFloatRange(double value) {
  if (!std::isfinite(value)) return static_cast<float>(value);
  return static_cast<float>(std::clamp(value, -static_cast<double>(FLT_MAX), static_cast<double>(FLT_MAX)));
}

void SetFromLine(const SettingValue& value, const std::string& text) {
  struct Reader {
    const std::string& text;
    void operator()(int* target) const { *target = ReadLeadingInteger(text); }
    void operator()(std::uint8_t* target) const {
      *target = static_cast<std::uint8_t>(static_cast<unsigned>(ReadLeadingInteger(text)) & 0xFFu);
    }
    void operator()(float* target) const { *target = ToFloatRange(ReadLeadingReal(text)); }
    void operator()(std::string* target) const { *target = text.substr(0, SpecParentFormulaLimit); }
  };
  std::visit(Reader{text}, value);
}

std::string TextOf(const SettingValue& value) {
  struct Writer {
    std::string operator()(const int* source) const { return std::to_string(*source); }
    std::string operator()(const std::uint8_t* source) const { return std::to_string(unsigned{*source}); }
    std::string operator()(const float* source) const { return FormatNumberFixed(*source); }
    std::string operator()(const std::string* source) const { return source->substr(0, SpecParentFormulaLimit); }
  };
  return std::visit(Writer{}, value);
}

// The two redox options are two bits each: 0 to 3.
constexpr int MostRedoxOption = 3;

}  // namespace

void LoadSettings() {
  auto file = platform::ReadFileLines(SettingsFileName);
  const std::size_t lineCount = std::min<std::size_t>(file.lines.size(), LastValueLine);
  for (std::size_t index = 0; index < lineCount; ++index) {
    const std::string text = file.lines[index].substr(0, SettingsLineLimit);
    if (text.empty()) continue;
    for (const auto& valueLine : ValueLines) {
      if (valueLine.line == static_cast<int>(index) + 1) SetFromLine(valueLine.value, text);
    }
  }
  CheckSettingValues();
}

void CheckSettingValues() {
  if (LanguageCode != NorwegianLanguage && LanguageCode != EnglishLanguage) LanguageCode = NorwegianLanguage;
  // A search whose multipliers reach no positive value balances nothing.
  if (BalMid < 1) BalMid = DefaultBalMid;
  BalMid = std::min(BalMid, BalMidLimit);
  if (BalMin < 1 || BalMin > BalMid) BalMin = DefaultBalMin;
  for (int* option : {&RedoxTurnOnSelection, &RedoxBalanceOptions}) {
    if (*option < 0 || *option > MostRedoxOption) *option = 0;
  }
  if (!std::isfinite(SkDev)) SkDev = DefaultSkDev;
}

bool SaveSettings() {
  CheckSettingValues();
  std::vector<std::string> lines(SettingsLineCount, "0");
  lines[0] = "XXXXXXXXXX";
  for (const auto& key : KeyLines) lines[key.line - 1] = key.text;
  for (const auto& valueLine : ValueLines) lines[valueLine.line - 1] = TextOf(valueLine.value);
  return platform::WriteFileLines(SettingsFileName, lines);
}
