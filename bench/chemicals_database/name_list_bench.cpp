// The database window opening on a generated database of 10,000 records: its name list filled
// with every record's name, and the first record shown.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "chemicals_database/chemicals_database_window.h"
#include "engine/settings/settings.h"
#include "platform/testing/test_driver.h"
#include "platform/win/resources.h"
#include "resources/program_resources.h"

namespace {

namespace fs = std::filesystem;

constexpr int RecordCount = 10000;

std::string NamedRecord(int number) {
  std::string text =
      "\\\n\nCOMPOUND " + std::to_string(number) + "\nALTERNATIVE NAME\n100-00-0\n\nENGLISH NAME\nC2H6O\n";
  for (int line = 9; line <= 200; ++line) text += '\n';
  return text;
}

void OpenTheDatabaseWindowOnTenThousandRecords(benchmark::State& state) {
  const fs::path previous = fs::current_path();
  const fs::path folder = fs::temp_directory_path() / ("tavrin-namelist-bench-" + std::to_string(getpid()));
  fs::create_directories(folder / "dats");
  fs::current_path(folder);
  std::ofstream("dats/opendats.dat") << "dats\\big???.dat\n*\n";
  {
    std::ofstream file("dats/big047.dat", std::ios::binary);
    for (int number = 1; number <= RecordCount; ++number) file << NamedRecord(number);
    file << "\\\n";
  }
  LanguageCode = NorwegianLanguage;
  TestDriver driver;
  RegisterProgramResources();
  for (auto _ : state) {
    Cwm_KjemikaliedatabaseDlg window(KjemikaliedatabaseTemplateName, nullptr);
    window.Create(KjemikaliedatabaseTemplateName);
    benchmark::DoNotOptimize(window.SendDlgItemMessage(NameSearchComboId, CB_GETCOUNT));
    window.DestroyWindow();
  }
  Resources().Clear();
  fs::current_path(previous);
  fs::remove_all(folder);
}
BENCHMARK(OpenTheDatabaseWindowOnTenThousandRecords)->Unit(benchmark::kMillisecond);

}  // namespace
