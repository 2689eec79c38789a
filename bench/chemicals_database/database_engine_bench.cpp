// The chemicals database engine on a generated database of 10,000 records in one file (and a
// small second file): a search that examines every record, steps, and the three writes.

#include <benchmark/benchmark.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "chemicals_database/model/database_engine.h"
#include "engine/settings/settings.h"

namespace {

namespace fs = std::filesystem;

constexpr int RecordCount = 10000;
constexpr int MarkerEvery = 2500;

// A record of the shape the shipped database has: names, numbers, a safety text of ten sections.
std::string GeneratedRecord(int number) {
  std::string lines[201];
  lines[3] = "COMPOUND " + std::to_string(number) + (number % MarkerEvery == MarkerEvery - 1 ? " MARKER" : "");
  lines[4] = "ALTERNATIVE NAME " + std::to_string(number);
  lines[5] = std::to_string(100 + number) + "-00-" + std::to_string(number % 10);
  lines[7] = "ENGLISH NAME " + std::to_string(number);
  lines[8] = "C" + std::to_string(1 + number % 20) + "H" + std::to_string(2 + number % 30) + "O2";
  lines[10] = std::to_string(50.0 + number % 400) + "000";
  lines[14] = "colourless";
  lines[22] = "liquid";
  lines[41] = "0.9" + std::to_string(number % 10);
  lines[54] = std::to_string(-100 + number % 200);
  lines[73] = std::to_string(50 + number % 300);
  lines[169] = "N";
  lines[170] = "Xn";
  lines[171] = "F";
  std::string safety;
  for (int section = 0; section < 10; ++section)
    safety += "Section " + std::to_string(section) + " text of a safety data sheet, about a hundred characters long\a|";
  lines[199] = safety;
  std::string text = "\\\n";
  for (int line = 2; line <= 200; ++line) text += lines[line] + '\n';
  return text;
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
    for (int number = 0; number < RecordCount; ++number) big << GeneratedRecord(number);
    big << "\\\n";
    std::ofstream("dats/small047.dat", std::ios::binary) << GeneratedRecord(-1) << "\\\n";
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
