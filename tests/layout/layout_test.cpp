// The include lines of every source in the layered folders keep the arrows of the layout.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <regex>
#include <set>
#include <string>

#include "tests/layout/layer_rules.h"

namespace {

namespace fs = std::filesystem;

const fs::path SourceRoot = TAVRIN_SOURCE_DIR;

struct IncludeCase {
  const char* file;
  const char* included;
  const char* fault;  // the start of the fault, or empty when the include keeps the layout
};

const IncludeCase IncludeCases[] = {
    {"engine/formula/dcalk.cpp", "engine/text/textutil.h", ""},
    {"engine/records/record_file.cpp", "platform/services/files.h", ""},
    {"engine/settings/settings_file.cpp", "platform/services/file_rewrite.h", ""},
    {"engine/globals.h", "engine/settings/settings.h", ""},
    {"engine/formula/dcalk.cpp", "engine/globals.h", "against the arrow engine ->"},
    {"engine/formula/dcalk.cpp", "platform/services/child_process.h", "against the arrow engine ->"},
    {"engine/formula/dcalk.cpp", "platform/services/files.hpp", "against the arrow engine ->"},
    {"engine/formula/dcalk.cpp", "runtime/sim_dialog.h", "against the arrow engine ->"},
    {"platform/win/cwnd.cpp", "platform/gdi/cdc.h", ""},
    {"platform/win/cwnd.cpp", "engine/reaction.h", "against the arrow platform ->"},
    {"platform/session/script_session.h", "resources/menu_commands.h", "against the arrow platform ->"},
    {"resources/main_menu.h", "platform/win/resources.h", ""},
    {"resources/main_menu.h", "runtime/resource_strings.h", "against the arrow resources ->"},
    {"runtime/editor_list_box.h", "engine/records/table_editor.h", ""},
    {"runtime/sim_dialog.h", "resources/dialog_templates.h", ""},
    {"runtime/sim_dialog.h", "engine/reaction.h", "against the arrow runtime ->"},
    {"runtime/sim_dialog.h", "engine/recordsextra/x.h", "against the arrow runtime ->"},
    {"runtime/sim_dialog.h", "calculators/balancing_window.h", "against the arrow runtime ->"},
    {"calculators/balancing_window.cpp", "engine/globals.h", ""},
    {"calculators/balancing_window.cpp", "platform/win/wait_cursor.h", ""},
    {"calculators/balancing_window.cpp", "platform/testing/test_driver.h", "against the arrow calculators ->"},
    {"calculators/balancing_window.cpp", "platform/session/script_session.h", "against the arrow calculators ->"},
    {"calculators/balancing_window.cpp", "periodic_table/periodic_table_window.h", "against the arrow calculators ->"},
    {"calculators/balancing_window.cpp", "app/launcher_form.h", "against the arrow calculators ->"},
    {"periodic_table/periodic_table_window.cpp", "calculators/names_formulas_editor.h", "against the arrow periodic_table ->"},
    {"solution_chemistry/x.cpp", "chemicals_database/y.h", "against the arrow solution_chemistry ->"},
    {"chemicals_database/x.cpp", "chemicals_database/y.h", ""},
    {"chemicals_database/x.cpp", "chemicals_database/model/y.h", ""},
    {"spectroscopy/model/spectral_peaks.cpp", "spectroscopy/model/y.h", ""},
    {"spectroscopy/model/spectral_peaks.cpp", "engine/formcalc.h", ""},
    {"spectroscopy/model/spectral_peaks.cpp", "platform/services/text_file.h", ""},
    {"calculators/model/curve_scale.cpp", "runtime/sim_dialog.h", "against the arrow calculators/model ->"},
    {"calculators/model/curve_scale.cpp", "platform/win/cwnd.h", "against the arrow calculators/model ->"},
    {"calculators/model/curve_scale.cpp", "resources/curve_fit_ids.h", "against the arrow calculators/model ->"},
    {"calculators/model/curve_scale.cpp", "calculators/curve_fit_window.h", "against the arrow calculators/model ->"},
    {"app/launcher_form.cpp", "calculators/balancing_window.h", ""},
    {"app/tavrin_app.cpp", "platform/session/program_entry.h", ""},
    {"app/launcher_form.cpp", "tests/app/app_fixture.h", "against the arrow app ->"},
    {"engine/formula/dcalk.cpp", "textutil.h", "a bare file name"},
    {"engine/formula/dcalk.cpp", "engine/../runtime/sim_dialog.h", "a relative path"},
    {"engine/formula/dcalk.cpp", "../text/textutil.h", "a relative path"},
    {"tests/engine/dcalk_test.cpp", "runtime/sim_dialog.h", ""},
};

TEST(LayerRules, JudgeEachIncludeByTheFoldersArrow) {
  for (const IncludeCase& c : IncludeCases) {
    SCOPED_TRACE(std::string(c.file) + " includes " + c.included);
    const auto fault = IncludeFault(c.file, c.included);
    if (*c.fault == '\0') {
      EXPECT_FALSE(fault) << *fault;
    } else {
      ASSERT_TRUE(fault);
      EXPECT_TRUE(fault->starts_with(c.fault)) << *fault;
    }
  }
}

bool IsSource(const fs::path& path) {
  static const std::set<std::string> extensions = {".h", ".hpp", ".cpp", ".cc", ".c", ".inc"};
  return extensions.contains(path.extension().string());
}

TEST(Layout, EveryIncludeKeepsTheArrows) {
  static const std::regex includeLine(R"(^\s*#\s*include\s*"([^"]*)\")");
  std::map<std::string, int> includesPerFolder;
  for (std::string_view folder : LayeredFolders) {
    if (!fs::is_directory(SourceRoot / folder)) continue;
    includesPerFolder[std::string(folder)] = 0;
    for (const auto& entry : fs::recursive_directory_iterator(SourceRoot / folder)) {
      if (!entry.is_regular_file() || !IsSource(entry.path())) continue;
      const std::string file = entry.path().lexically_relative(SourceRoot).generic_string();
      std::ifstream in(entry.path());
      std::string line;
      std::smatch match;
      for (int number = 1; std::getline(in, line); ++number) {
        if (!std::regex_search(line, match, includeLine)) continue;
        ++includesPerFolder[std::string(folder)];
        const std::string included = match[1];
        const auto where = file + ":" + std::to_string(number) + ": #include \"" + included + "\": ";
        if (const auto fault = IncludeFault(file, included)) {
          ADD_FAILURE() << where << *fault;
        } else if (!fs::is_regular_file(SourceRoot / included)) {
          ADD_FAILURE() << where << "names no file of the project";
        }
      }
    }
  }
  ASSERT_FALSE(includesPerFolder.empty()) << "no layered folder under " << SourceRoot;
  for (const auto& [folder, count] : includesPerFolder) EXPECT_GT(count, 0) << "no include read in " << folder;
}

}  // namespace
