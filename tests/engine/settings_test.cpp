#include <cfloat>
#include <cmath>
#include <map>
#include <vector>

#include "tests/engine/test_support.h"

namespace {

using Settings = WorkFolderTest;

// A settings file of 100 lines: "0" except where lines says otherwise.
std::string SettingsFileText(const std::map<int, std::string>& lines) {
  std::string text;
  for (int line = 1; line <= 100; ++line) {
    auto found = lines.find(line);
    text += (found != lines.end() ? found->second : "0") + "\n";
  }
  return text;
}

const std::map<int, std::string> DefaultLines = {
    {1, "XXXXXXXXXX"}, {2, "iLANGTAVRIN="},
    {3, "47"},         {4, "cMMMODTAVRIN="},
    {5, "3"},          {6, "cMMSTRTAVRIN="},
    {7, "0"},          {8, "cSKMULTITAVRIN="},
    {9, "0"},          {10, "iSKDEFTAVRIN="},
    {11, "8"},         {12, "iBALMINTAVRIN="},
    {13, "1"},         {14, "iBALMIDTAVRIN="},
    {15, "10"},        {16, "iBALMAXTAVRIN="},
    {17, "20"},        {18, "dSKDEVTAVRIN="},
    {19, "1.100000"},  {34, "1"},
    {36, "1"},         {62, ""},
};

TEST_F(Settings, CompiledInDefaults) {
  EXPECT_EQ(LanguageCode, 47);
  EXPECT_EQ(MmMod, 3);
  EXPECT_EQ(MmStr, 0);
  EXPECT_EQ(SkMulti, 0);
  EXPECT_EQ(SkDef, 8);
  EXPECT_EQ(BalMin, 1);
  EXPECT_EQ(BalMid, 10);
  EXPECT_EQ(BalMax, 20);
  EXPECT_FLOAT_EQ(SkDev, 1.1f);
  EXPECT_EQ(StoreAfterRecord, 1);
  EXPECT_EQ(AutoFormulaMass, 1);
  EXPECT_EQ(StartupTool, 0);
  EXPECT_EQ(ThermoColumnChoice, 0);
  EXPECT_EQ(PrintPointsX, 0);
  EXPECT_TRUE(SpecParentFormula.empty());
}

TEST_F(Settings, MissingFileLeavesEveryValueAsItIs) {
  SettingsSnapshot restore;
  LanguageCode = 44;
  BalMid = 99;
  SpecParentFormula = "C6H6";
  LoadSettings();
  EXPECT_EQ(LanguageCode, 44);
  EXPECT_EQ(BalMid, 99);
  EXPECT_EQ(SpecParentFormula, "C6H6");
}

TEST_F(Settings, SaveWritesTheHundredLinesOfTheDefaults) {
  std::filesystem::create_directories("dats");
  SaveSettings();
  EXPECT_EQ(ReadFile("dats/tavrpar.dat"), SettingsFileText(DefaultLines));
}

TEST_F(Settings, SaveThenLoadRestoresEveryValue) {
  SettingsSnapshot restore;
  std::filesystem::create_directories("Dats");  // matched without regard to case
  const std::vector<int*> ints = {&LanguageCode,
                                  &SkDef,
                                  &BalMin,
                                  &BalMid,
                                  &BalMax,
                                  &StartupTool,
                                  &ChemDbFormulaSearchMode,
                                  &ChemDbNoDeleteWarning,
                                  &ChemDbWholeWordSearch,
                                  &QuickEditCategory,
                                  &ChemDbNumericField1,
                                  &ChemDbNumericField2,
                                  &PropertiesViewMode,
                                  &PeriodicTableProperty,
                                  &GraphProperty,
                                  &GraphMainGroupsOnly,
                                  &SpareSetting,
                                  &RedoxTurnOnSelection,
                                  &RedoxBalanceOptions,
                                  &SpecIterate,
                                  &SpecShowIsoFormula,
                                  &SpecHitPercent,
                                  &SpecMinCountIr,
                                  &SpecMinCountH1,
                                  &SpecMinCountC13,
                                  &SpecMsTolerance,
                                  &CurveFitModel,
                                  &CurveFitHidePoints,
                                  &CurveFitGrid,
                                  &CurveFitFrame,
                                  &PrintPointsX};
  const std::vector<std::uint8_t*> bytes = {
      &MmMod, &MmStr, &SkMulti, &StoreAfterRecord, &AutoFormulaMass, &ThermoColumnChoice};
  std::vector<int> expected;
  for (std::size_t i = 0; i < ints.size(); ++i) expected.push_back(100 + static_cast<int>(i));
  expected[0] = EnglishLanguage;
  expected[4] = -250;  // BalMax may be negative
  expected[17] = 2;    // the redox options are 0 to 3
  expected[18] = 3;
  for (std::size_t i = 0; i < ints.size(); ++i) *ints[i] = expected[i];
  for (std::size_t i = 0; i < bytes.size(); ++i) *bytes[i] = static_cast<std::uint8_t>(200 + i);
  SkDev = 2.3456789f;
  SpecParentFormula = "CH3CH2OH";
  SaveSettings();

  for (int* value : ints) *value = 0;
  for (std::uint8_t* value : bytes) *value = 0;
  SkDev = 0.0f;
  SpecParentFormula.clear();
  LoadSettings();

  for (std::size_t i = 0; i < ints.size(); ++i) EXPECT_EQ(*ints[i], expected[i]) << i;
  for (std::size_t i = 0; i < bytes.size(); ++i) EXPECT_EQ(*bytes[i], 200 + i) << i;
  EXPECT_FLOAT_EQ(SkDev, 2.345679f);  // six decimals
  EXPECT_EQ(SpecParentFormula, "CH3CH2OH");
  EXPECT_NE(ReadFile("Dats/tavrpar.dat").find("\n2.345679\n"), std::string::npos);
}

TEST_F(Settings, EachValueLineSetsOnlyItsOwnValue) {
  SettingsSnapshot restore;
  auto lines = DefaultLines;
  lines[3] = "44";
  lines[5] = "";  // an empty line is skipped
  WriteFile("dats/tavrpar.dat", SettingsFileText(lines));
  LoadSettings();
  EXPECT_EQ(LanguageCode, 44);
  EXPECT_EQ(MmMod, 3);
}

TEST_F(Settings, FileEndingAfterLineThreeSetsTheLanguageOnly) {
  SettingsSnapshot restore;
  WriteFile("dats/tavrpar.dat", "XXXXXXXXXX\niLANGTAVRIN=\n44\n");
  LoadSettings();
  EXPECT_EQ(LanguageCode, 44);
  EXPECT_EQ(MmMod, 3);
  EXPECT_EQ(BalMid, 10);
}

TEST_F(Settings, LastLineWithoutLineFeedKeepsItsLastCharacter) {
  SettingsSnapshot restore;
  WriteFile("dats/tavrpar.dat", "XXXXXXXXXX\niLANGTAVRIN=\n44");
  LoadSettings();
  EXPECT_EQ(LanguageCode, 44);
}

TEST_F(Settings, ValuesAreReadAsTheirLeadingNumber) {
  SettingsSnapshot restore;
  auto lines = DefaultLines;
  lines[3] = "  44 Norwegian";
  lines[5] = "300";  // a byte keeps its low 8 bits
  lines[7] = "-1";
  lines[11] = "abc";          // no number reads as 0
  lines[13] = "99999999999";  // held at the int's end, above BalMid: the default
  lines[15] = "40000";        // BalMid stays below 32767
  lines[17] = "-99999999999";
  lines[19] = " 0.25xyz";
  lines[30] = "99999999999";
  WriteFile("dats/tavrpar.dat", SettingsFileText(lines));
  LoadSettings();
  EXPECT_EQ(LanguageCode, 44);
  EXPECT_EQ(MmMod, 44);
  EXPECT_EQ(MmStr, 255);
  EXPECT_EQ(SkDef, 0);
  EXPECT_EQ(BalMin, 1);
  EXPECT_EQ(StartupTool, 2147483647);
  EXPECT_EQ(BalMid, 32766);
  EXPECT_EQ(BalMax, -2147483648);
  EXPECT_FLOAT_EQ(SkDev, 0.25f);
}

TEST_F(Settings, CrLfFileReadsLikeLf) {
  SettingsSnapshot restore;
  auto lines = DefaultLines;
  lines[15] = "100";
  lines[62] = "C6H12O6";
  std::string text;
  for (char c : SettingsFileText(lines)) text += c == '\n' ? std::string("\r\n") : std::string(1, c);
  WriteFile("DATS/TAVRPAR.DAT", text);
  LoadSettings();
  EXPECT_EQ(BalMid, 100);
  EXPECT_EQ(SpecParentFormula, "C6H12O6");
}

TEST_F(Settings, OverlongParentFormulaIsCutAndShiftsNoLaterLine) {
  SettingsSnapshot restore;
  auto lines = DefaultLines;
  lines[62] = std::string(120, 'C');
  lines[65] = "4";
  WriteFile("dats/tavrpar.dat", SettingsFileText(lines));
  LoadSettings();
  EXPECT_EQ(SpecParentFormula, std::string(73, 'C'));
  EXPECT_EQ(CurveFitModel, 4);
}

TEST_F(Settings, AReadOnlyFileIsReadAndSavingOverItFailsAndChangesNothing) {
  SettingsSnapshot restore;
  auto lines = DefaultLines;
  lines[3] = "44";
  const std::string text = SettingsFileText(lines);
  WriteFile("dats/tavrpar.dat", text);
  std::filesystem::permissions("dats/tavrpar.dat", std::filesystem::perms::owner_read);
  LoadSettings();
  EXPECT_EQ(LanguageCode, 44);
  StartupTool = 3;
  EXPECT_FALSE(SaveSettings());
  EXPECT_EQ(ReadFile("dats/tavrpar.dat"), text);
}

TEST_F(Settings, SaveWithoutTheDatsFolderWritesNothing) {
  EXPECT_FALSE(SaveSettings());
  EXPECT_FALSE(std::filesystem::exists("dats"));
}

// Values the program cannot work with (a third language mixes the two, bounds that reach no
// positive multiplier balance nothing) fall back to their defaults as they are read.
TEST_F(Settings, ValuesOutsideTheirSetFallBackToTheirDefaults) {
  struct Case {
    std::map<int, std::string> lines;
    int* value;
    int expected;
  };
  const std::vector<Case> cases = {
      {{{3, "45"}}, &LanguageCode, NorwegianLanguage},
      {{{3, "0"}}, &LanguageCode, NorwegianLanguage},
      {{{3, "44"}}, &LanguageCode, EnglishLanguage},
      {{{15, "-5"}}, &BalMid, DefaultBalMid},
      {{{15, "0"}}, &BalMid, DefaultBalMid},
      {{{15, "1"}}, &BalMid, 1},
      {{{15, "1000"}}, &BalMid, 1000},
      {{{13, "50"}, {15, "20"}}, &BalMin, DefaultBalMin},
      {{{13, "20"}, {15, "20"}}, &BalMin, 20},
      {{{13, "0"}}, &BalMin, DefaultBalMin},
      {{{13, "-3"}}, &BalMin, DefaultBalMin},
      {{{13, "5"}, {15, "-5"}}, &BalMin, 5},  // checked against the default BalMid it falls back to
      {{{17, "-99"}}, &BalMax, -99},
      {{{50, "4"}}, &RedoxTurnOnSelection, 0},
      {{{50, "3"}}, &RedoxTurnOnSelection, 3},
      {{{51, "-1"}}, &RedoxBalanceOptions, 0},
      {{{51, "2"}}, &RedoxBalanceOptions, 2},
  };
  for (const auto& c : cases) {
    SettingsSnapshot restore;
    auto lines = DefaultLines;
    for (const auto& [line, text] : c.lines) lines[line] = text;
    WriteFile("dats/tavrpar.dat", SettingsFileText(lines));
    LoadSettings();
    EXPECT_EQ(*c.value, c.expected) << testing::PrintToString(c.lines);
  }
}

// A NaN or an infinity, written or overflowing, falls back to the default; a finite number beyond
// the float range is held at its end; the line's leading number is read as ever.
TEST_F(Settings, SkDevIsAFiniteNumber) {
  const std::vector<std::pair<std::string, float>> cases = {
      {"nan", DefaultSkDev},   {"-nan", DefaultSkDev},   {"inf", DefaultSkDev}, {"-inf", DefaultSkDev},
      {"infinity", DefaultSkDev}, {"1e999", DefaultSkDev}, {"-1e999", DefaultSkDev}, {"-1e300", -FLT_MAX},
      {"1e300", FLT_MAX},      {"0.5", 0.5f},            {"2.25 ", 2.25f}};
  for (const auto& [text, expected] : cases) {
    SettingsSnapshot restore;
    auto lines = DefaultLines;
    lines[19] = text;
    WriteFile("dats/tavrpar.dat", SettingsFileText(lines));
    LoadSettings();
    EXPECT_EQ(SkDev, expected) << text;
  }
}

// The save writes the checked values, whatever a window left in them.
TEST_F(Settings, SaveWritesCheckedValues) {
  SettingsSnapshot restore;
  std::filesystem::create_directories("dats");
  LanguageCode = 45;
  BalMid = -5;
  BalMin = 40;
  RedoxBalanceOptions = 9;
  ASSERT_TRUE(SaveSettings());
  EXPECT_EQ(ReadFile("dats/tavrpar.dat"), SettingsFileText(DefaultLines));
}

TEST_F(Settings, EveryLineEndAndUtf8ReadAlike) {
  auto lines = DefaultLines;
  lines[3] = "44";
  lines[15] = "100";
  lines[62] = "C6H5\xC3\x85";  // UTF-8 of A with ring
  for (const std::string end : {"\r", "\r\n"}) {
    SettingsSnapshot restore;
    std::string text;
    for (char c : SettingsFileText(lines)) text += c == '\n' ? end : std::string(1, c);
    WriteFile("dats/tavrpar.dat", text);
    LoadSettings();
    EXPECT_EQ(LanguageCode, 44);
    EXPECT_EQ(BalMid, 100);
    EXPECT_EQ(SpecParentFormula, "C6H5\xC5");
  }
}

TEST_F(Settings, DeliveredFileHoldsTheDefaultsWithTheWideBalancingBoundAndTheBestFit) {
  SettingsSnapshot restore;
  BalMid = 1000;
  CurveFitModel = 1;  // the curve fit's "Best fit"
  std::filesystem::create_directories("dats");
  SaveSettings();
  EXPECT_EQ(ReadFile(std::filesystem::path(TAVRIN_SOURCE_DIR) / "dats/tavrpar.dat"), ReadFile("dats/tavrpar.dat"));
}

}  // namespace
