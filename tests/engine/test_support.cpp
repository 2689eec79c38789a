#include "tests/engine/test_support.h"

#include <unistd.h>

#include <fstream>
#include <iterator>

namespace fs = std::filesystem;

std::string ReadBytes(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

std::vector<std::string> SplitLines(const std::string& text) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  for (std::size_t end; (end = text.find('\n', start)) != std::string::npos; start = end + 1)
    lines.push_back(text.substr(start, end - start));
  if (start < text.size()) lines.push_back(text.substr(start));
  return lines;
}

std::string Folded(const std::string& text) {
  std::string folded = text;
  for (char& c : folded) {
    const auto u = static_cast<unsigned char>(c);
    if ((u >= 'A' && u <= 'Z') || (u >= 0xC0 && u <= 0xDE && u != 0xD7))
      c = static_cast<char>(u + 0x20);
    else if (u == 0x8A || u == 0x8C || u == 0x8E)
      c = static_cast<char>(u + 0x10);
    else if (u == 0x9F)
      c = static_cast<char>(0xFF);
  }
  return folded;
}

bool IsWindows1252Text(const std::string& text, std::string& why, std::string_view alsoAllowed) {
  for (std::size_t i = 0; i < text.size(); ++i) {
    const auto u = static_cast<unsigned char>(text[i]);
    // 0x81, 0x8D, 0x8F, 0x90 and 0x9D are unassigned in the code page.
    const bool printable = u >= 0x20 && u != 0x7F && u != 0x81 && u != 0x8D && u != 0x8F && u != 0x90 && u != 0x9D;
    if (!printable && u != '\n' && alsoAllowed.find(text[i]) == std::string_view::npos) {
      why = "byte " + std::to_string(u) + " at offset " + std::to_string(i);
      return false;
    }
    // A two-byte UTF-8 letter (lead byte 0xC2 to 0xDF, then 0x80 to 0xBF) reads as "Ã" and a
    // symbol in Windows-1252: an encoding slip, not a letter.
    if (u >= 0xC2 && u <= 0xDF && i + 1 < text.size()) {
      const auto next = static_cast<unsigned char>(text[i + 1]);
      if (next >= 0x80 && next <= 0xBF) {
        why = "UTF-8 sequence at offset " + std::to_string(i);
        return false;
      }
    }
  }
  return true;
}

void WorkFolderTest::SetUp() {
  previous_ = fs::current_path();
  const auto* test = ::testing::UnitTest::GetInstance()->current_test_info();
  std::string name = std::string(test->test_suite_name()) + "-" + test->name();
  for (char& c : name)
    if (c == '/') c = '_';
  folder_ = fs::temp_directory_path() / ("tavrin-engine-" + std::to_string(::getpid()) + "-" + name);
  fs::remove_all(folder_);
  fs::create_directories(folder_);
  fs::current_path(folder_);
}

void WorkFolderTest::TearDown() {
  fs::current_path(previous_);
  fs::remove_all(folder_);
}

void WorkFolderTest::WriteFile(const fs::path& path, const std::string& contents) {
  if (path.has_parent_path()) fs::create_directories(path.parent_path());
  std::ofstream(path, std::ios::binary) << contents;
}

std::string WorkFolderTest::ReadFile(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

struct SettingsSnapshot::Values {
  int languageCode;
  std::uint8_t mmMod, mmStr, skMulti;
  int skDef, balMin, balMid, balMax;
  float skDev;
  int startupTool, formulaSearchMode, noDeleteWarning;
  std::uint8_t storeAfterRecord;
  int wholeWordSearch;
  std::uint8_t autoFormulaMass;
  int quickEditCategory, numericField1, numericField2, propertiesViewMode, periodicTableProperty, graphProperty,
      graphMainGroupsOnly, spareSetting;
  std::uint8_t thermoColumnChoice;
  int redoxTurnOnSelection, redoxBalanceOptions, specIterate, specShowIsoFormula, specHitPercent, specMinCountIr,
      specMinCountH1, specMinCountC13, specMsTolerance;
  std::string specParentFormula;
  int curveFitModel, curveFitHidePoints, curveFitGrid, curveFitFrame, printPointsX;
};

void SettingsSnapshot::Copy(Values& v, bool take) {
  auto sync = [take](auto& saved, auto& global) {
    if (take)
      saved = global;
    else
      global = saved;
  };
  sync(v.languageCode, LanguageCode);
  sync(v.mmMod, MmMod);
  sync(v.mmStr, MmStr);
  sync(v.skMulti, SkMulti);
  sync(v.skDef, SkDef);
  sync(v.balMin, BalMin);
  sync(v.balMid, BalMid);
  sync(v.balMax, BalMax);
  sync(v.skDev, SkDev);
  sync(v.startupTool, StartupTool);
  sync(v.formulaSearchMode, ChemDbFormulaSearchMode);
  sync(v.noDeleteWarning, ChemDbNoDeleteWarning);
  sync(v.storeAfterRecord, StoreAfterRecord);
  sync(v.wholeWordSearch, ChemDbWholeWordSearch);
  sync(v.autoFormulaMass, AutoFormulaMass);
  sync(v.quickEditCategory, QuickEditCategory);
  sync(v.numericField1, ChemDbNumericField1);
  sync(v.numericField2, ChemDbNumericField2);
  sync(v.propertiesViewMode, PropertiesViewMode);
  sync(v.periodicTableProperty, PeriodicTableProperty);
  sync(v.graphProperty, GraphProperty);
  sync(v.graphMainGroupsOnly, GraphMainGroupsOnly);
  sync(v.spareSetting, SpareSetting);
  sync(v.thermoColumnChoice, ThermoColumnChoice);
  sync(v.redoxTurnOnSelection, RedoxTurnOnSelection);
  sync(v.redoxBalanceOptions, RedoxBalanceOptions);
  sync(v.specIterate, SpecIterate);
  sync(v.specShowIsoFormula, SpecShowIsoFormula);
  sync(v.specHitPercent, SpecHitPercent);
  sync(v.specMinCountIr, SpecMinCountIr);
  sync(v.specMinCountH1, SpecMinCountH1);
  sync(v.specMinCountC13, SpecMinCountC13);
  sync(v.specMsTolerance, SpecMsTolerance);
  sync(v.specParentFormula, SpecParentFormula);
  sync(v.curveFitModel, CurveFitModel);
  sync(v.curveFitHidePoints, CurveFitHidePoints);
  sync(v.curveFitGrid, CurveFitGrid);
  sync(v.curveFitFrame, CurveFitFrame);
  sync(v.printPointsX, PrintPointsX);
}

SettingsSnapshot::SettingsSnapshot() : values_(std::make_unique<Values>()) { Copy(*values_, true); }
SettingsSnapshot::~SettingsSnapshot() { Copy(*values_, false); }
