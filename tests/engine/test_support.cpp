#include "tests/engine/test_support.h"

#include <unistd.h>

#include <fstream>
#include <iterator>

namespace fs = std::filesystem;

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
