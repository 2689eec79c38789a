// The chemicals database engine on a generated database of 10,000 records in one file (and a
// small second file): a search that examines every record, steps, and the three writes.

#include <benchmark/benchmark.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "bench/chemicals_database/generated_record.h"
#include "chemicals_database/model/database_engine.h"
#include "engine/settings/settings.h"

namespace {

namespace fs = std::filesystem;

constexpr int RecordCount = 10000;
constexpr int MarkerEvery = 2500;

std::string MarkedRecord(int number) {
  return GeneratedRecord(
      number, "COMPOUND " + std::to_string(number) + (number % MarkerEvery == MarkerEvery - 1 ? " MARKER" : ""));
}

class GeneratedDatabase {
 public:
  GeneratedDatabase() {
    previous_ = fs::current_path();
    folder_ = fs::temp_directory_path() / ("tavrin-dbbench-" + std::to_string(getpid()));
    fs::create_directories(folder_ / "dats");
    fs::current_path(folder_);
    std::ofstream("dats/opendats.dat") << "dats\\big???.dat\ndats\\small???.dat\n*\n";
    Write();
    LanguageCode = NorwegianLanguage;
    SkDef = 2;
    SkDev = 1.1f;
  }
  ~GeneratedDatabase() {
    fs::current_path(previous_);
    fs::remove_all(folder_);
  }
  static void Write() {
    std::ofstream big("dats/big047.dat", std::ios::binary);
    for (int number = 0; number < RecordCount; ++number) big << MarkedRecord(number);
    big << "\\\n";
    std::ofstream("dats/small047.dat", std::ios::binary) << MarkedRecord(-1) << "\\\n";
  }

 private:
  fs::path previous_;
  fs::path folder_;
};

GeneratedDatabase& Database() {
  static GeneratedDatabase database;
  return database;
}

// Runs a command from the first record; the index is built once, before timing.
void SearchFromTheStart(benchmark::State& state, const char* command, int expected) {
  Database();
  ChemDbResetCursor();
  ChemDbRun(command);
  for (auto _ : state) {
    ChemDbResetCursor();
    if (ChemDbRun(command) != expected) state.SkipWithError("unexpected result");
  }
}

void BM_SearchFindingNothing(benchmark::State& state) {
  SearchFromTheStart(state, "s na\\NO SUCH NAME|cas\\0-0-0", ChemDbNothingFound);
}
BENCHMARK(BM_SearchFindingNothing)->Unit(benchmark::kMillisecond);

void BM_SearchNumericOverEveryRecord(benchmark::State& state) {
  SearchFromTheStart(state, "s mp\\5000", ChemDbNothingFound);
}
BENCHMARK(BM_SearchNumericOverEveryRecord)->Unit(benchmark::kMillisecond);

// From each marked record to the next one, 2,500 records on, and on past the last into the
// second file and to the end.
void BM_StepToTheNextHit(benchmark::State& state) {
  Database();
  ChemDbResetCursor();
  for (auto _ : state) {
    if (ChemDbRun("s na\\MARKER") != ChemDbDone) ChemDbResetCursor();
  }
}
BENCHMARK(BM_StepToTheNextHit)->Unit(benchmark::kMillisecond);

void BM_StepToTheNextRecord(benchmark::State& state) {
  Database();
  ChemDbResetCursor();
  ChemDbState.RecordIndex = RecordCount / 2;
  for (auto _ : state) ChemDbRun("s ");
}
BENCHMARK(BM_StepToTheNextRecord)->Unit(benchmark::kMicrosecond);

void BM_LastRecord(benchmark::State& state) {
  Database();
  for (auto _ : state) {
    ChemDbStep('l');
    ChemDbState.GlobalTarget += 1;
    ChemDbRun("s ");
    ChemDbState.GlobalTarget = NoGlobalTarget;
  }
}
BENCHMARK(BM_LastRecord)->Unit(benchmark::kMillisecond);

// A write on the middle record of the big file, with the step that shows the record afterwards
// (which builds the file's index anew).
void WriteInTheMiddle(benchmark::State& state, const char* operation) {
  Database();
  for (auto _ : state) {
    ChemDbResetCursor();
    ChemDbState.RecordIndex = RecordCount / 2;
    ChemDbRecord.Clear();
    ChemDbRecord.slots[3] = "BENCH RECORD";
    ChemDbRecord.slots[8] = "C2H5OH";
    SafetyDataText = "one\r\ntwo|";
    if (ChemDbRun("", operation) != ChemDbDone) state.SkipWithError("write failed");
    ChemDbRun("s ");
  }
  GeneratedDatabase::Write();
}

void BM_Store(benchmark::State& state) { WriteInTheMiddle(state, "i"); }
BENCHMARK(BM_Store)->Unit(benchmark::kMillisecond);

void BM_Overwrite(benchmark::State& state) { WriteInTheMiddle(state, "c"); }
BENCHMARK(BM_Overwrite)->Unit(benchmark::kMillisecond);

void BM_Delete(benchmark::State& state) { WriteInTheMiddle(state, "d"); }
BENCHMARK(BM_Delete)->Unit(benchmark::kMillisecond);

}  // namespace
