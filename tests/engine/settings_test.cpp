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
  for (std::size_t i = 0; i < ints.size(); ++i) *ints[i] = 100 + static_cast<int>(i);
  *ints[4] = -250;  // BalMax may be negative
  for (std::size_t i = 0; i < bytes.size(); ++i) *bytes[i] = static_cast<std::uint8_t>(200 + i);
  SkDev = 2.3456789f;
  SpecParentFormula = "CH3CH2OH";
  SaveSettings();

  for (int* value : ints) *value = 0;
  for (std::uint8_t* value : bytes) *value = 0;
  SkDev = 0.0f;
  SpecParentFormula.clear();
  LoadSettings();

  for (std::size_t i = 0; i < ints.size(); ++i) EXPECT_EQ(*ints[i], i == 4 ? -250 : 100 + static_cast<int>(i)) << i;
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
  lines[11] = "abc";  // no number reads as 0
  lines[13] = "99999999999";
  lines[15] = "40000";  // BalMid stays below 32767
  lines[17] = "-99999999999";
  lines[19] = " 0.25xyz";
  WriteFile("dats/tavrpar.dat", SettingsFileText(lines));
  LoadSettings();
  EXPECT_EQ(LanguageCode, 44);
  EXPECT_EQ(MmMod, 44);
  EXPECT_EQ(MmStr, 255);
  EXPECT_EQ(SkDef, 0);
  EXPECT_EQ(BalMin, 2147483647);
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

TEST_F(Settings, ReadOnlyFileReadsAsMissing) {
  SettingsSnapshot restore;
  auto lines = DefaultLines;
  lines[3] = "44";
  WriteFile("dats/tavrpar.dat", SettingsFileText(lines));
  std::filesystem::permissions("dats/tavrpar.dat", std::filesystem::perms::owner_read);
  LoadSettings();
  EXPECT_EQ(LanguageCode, 47);
}

TEST_F(Settings, SaveWithoutTheDatsFolderWritesNothing) {
  SaveSettings();
  EXPECT_FALSE(std::filesystem::exists("dats"));
}

TEST_F(Settings, DeliveredFileHoldsTheDefaultsWithTheWideBalancingBound) {
  SettingsSnapshot restore;
  BalMid = 1000;
  std::filesystem::create_directories("dats");
  SaveSettings();
  EXPECT_EQ(ReadFile(std::filesystem::path(TAVRIN_SOURCE_DIR) / "dats/tavrpar.dat"), ReadFile("dats/tavrpar.dat"));
}

}  // namespace
