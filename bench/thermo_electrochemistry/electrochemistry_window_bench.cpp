// The electrochemistry window opened and closed on the shipped redox table with one more record
// whose half reaction is 10 MB long, at the top of both of the window's lists; and the redox
// table's editor opened on a table of a million lines. One step opens the window, paints it and
// closes it with Escape.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "engine/settings/settings.h"
#include "platform/gdi/display_scale.h"
#include "platform/testing/test_driver.h"
#include "platform/win/control_constants.h"
#include "platform/win/resources.h"
#include "resources/program_resources.h"
#include "thermo_electrochemistry/electrochemistry_window.h"
#include "thermo_electrochemistry/redox_data_editor.h"

namespace {

namespace fs = std::filesystem;

constexpr size_t TenMegabytes = 10 * 1000 * 1000;

std::string ShippedRedoxTable() {
  std::ifstream file(std::string(TAVRIN_SOURCE_DIR) + "/dats/datfiles/atomdata/redox.dat", std::ios::binary);
  std::ostringstream text;
  text << file.rdbuf();
  return text.str();
}

// A record of redox.dat after its opening separator: the half reaction, two comments, four empty
// lines, the potential and the temperature, then the separator.
std::string RedoxRecord(const std::string& halfReaction, int number) {
  return halfReaction + "\nEnglish\nNorsk\n\n\n\n\n" + std::to_string(-1.0 + number * 1e-6) + "\n25\n\\\n";
}

// A working folder of its own holding the redox table, for the life of the object.
class RedoxFolder {
 public:
  explicit RedoxFolder(const std::string& table)
      : previous_(fs::current_path()),
        folder_(fs::temp_directory_path() / ("tavrin-redox-bench-" + std::to_string(getpid()))) {
    fs::create_directories(folder_ / "dats/datfiles/atomdata");
    fs::current_path(folder_);
    std::ofstream(folder_ / "dats/datfiles/atomdata/redox.dat", std::ios::binary) << table;
  }
  ~RedoxFolder() {
    fs::current_path(previous_);
    fs::remove_all(folder_);
  }
  RedoxFolder(const RedoxFolder&) = delete;
  RedoxFolder& operator=(const RedoxFolder&) = delete;

 private:
  fs::path previous_;
  fs::path folder_;
};

void OpenAndClose(benchmark::State& state, int (*open)(CWnd*)) {
  LanguageCode = EnglishLanguage;
  TestDriver driver;
  RegisterProgramResources();
  for (auto _ : state) {
    driver.Then([&driver] { driver.Key("Escape"); });
    if (open(nullptr) != IDCANCEL) state.SkipWithError("the window did not close with Escape");
  }
  Resources().Clear();
}

void OpenTheElectrochemistryWindowOnATenMegabyteName(benchmark::State& state) {
  SetDisplayScale(static_cast<int>(state.range(0)));
  const std::string shipped = ShippedRedoxTable();
  RedoxFolder folder("\\\n" + RedoxRecord(std::string(TenMegabytes, 'H') + "+ + e- > H", 0) + shipped.substr(2));
  OpenAndClose(state, OpenElectrochemistryDialog);
  SetDisplayScale(1);
}
BENCHMARK(OpenTheElectrochemistryWindowOnATenMegabyteName)->ArgName("scale")->Arg(1)->Arg(2)
    ->Unit(benchmark::kMillisecond);

void OpenTheRedoxEditorOnAMillionLineTable(benchmark::State& state) {
  std::string table = "\\\n";
  for (int record = 0; record < 100000; ++record) {
    table += RedoxRecord("Fe" + std::to_string(record) + "+ + e- > Fe", record);
  }
  RedoxFolder folder(table);
  OpenAndClose(state, OpenElectrochemicalDataDialog);
}
BENCHMARK(OpenTheRedoxEditorOnAMillionLineTable)->Unit(benchmark::kMillisecond);

}  // namespace
