// The chemicals database at 1,000, 10,000 and 100,000 generated records in one file of the
// program's own format: the window opening (its name list filled, the first record shown), a name
// search over every record, the peak memory of an opening, a store and a delete in the middle
// (each with the step that shows the record afterwards), beside the floors of the same run: the
// names and a LIKE search in SQLite, grep -i on the file, and a plain copy of the file.
#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <sqlite3.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <map>
#include <string>

#include "bench/chemicals_database/generated_record.h"
#include "chemicals_database/chemicals_database_window.h"
#include "chemicals_database/model/database_engine.h"
#include "chemicals_database/model/record_names.h"
#include "engine/settings/settings.h"
#include "platform/testing/test_driver.h"
#include "platform/win/resources.h"
#include "resources/program_resources.h"

namespace {

namespace fs = std::filesystem;

constexpr const char* DatabaseFile = "dats/big047.dat";

std::string Name(int number) { return "COMPOUND " + std::to_string(number); }

// A folder per size with the database file, its list and the same names in SQLite, made once.
class GeneratedDatabase {
 public:
  explicit GeneratedDatabase(int records) : records_(records) {
    folder_ =
        fs::temp_directory_path() / ("tavrin-dbscale-" + std::to_string(getpid()) + "-" + std::to_string(records));
    fs::create_directories(folder_ / "dats");
    std::ofstream(folder_ / "dats/opendats.dat") << "dats\\big???.dat\n*\n";
    std::ofstream file(folder_ / DatabaseFile, std::ios::binary);
    for (int number = 1; number <= records; ++number) file << GeneratedRecord(number, Name(number));
    file << "\\\n";
    file.close();
    WriteSqlite();
  }
  ~GeneratedDatabase() {
    sqlite3_close(sqlite_);
    fs::remove_all(folder_);
  }
  void Enter() const {
    fs::current_path(folder_);
    LanguageCode = NorwegianLanguage;
    SkDef = 2;
    SkDev = 1.1f;
  }
  int Records() const { return records_; }
  sqlite3* Sqlite() const { return sqlite_; }
  fs::path File() const { return folder_ / DatabaseFile; }

 private:
  void WriteSqlite() {
    sqlite3_open((folder_ / "names.sqlite").c_str(), &sqlite_);
    sqlite3_exec(sqlite_,
                 "CREATE TABLE records(name TEXT, alternative TEXT, cas TEXT, english TEXT, formula TEXT);"
                 "BEGIN;",
                 nullptr, nullptr, nullptr);
    sqlite3_stmt* insert = nullptr;
    sqlite3_prepare_v2(sqlite_, "INSERT INTO records VALUES(?,?,?,?,?)", -1, &insert, nullptr);
    for (int number = 1; number <= records_; ++number) {
      const std::string values[] = {Name(number), "ALTERNATIVE NAME " + std::to_string(number),
                                    std::to_string(100 + number) + "-00-0", "ENGLISH NAME " + std::to_string(number),
                                    "C2H6O"};
      for (int column = 0; column < 5; ++column)
        sqlite3_bind_text(insert, column + 1, values[column].c_str(), -1, SQLITE_TRANSIENT);
      sqlite3_step(insert);
      sqlite3_reset(insert);
    }
    sqlite3_finalize(insert);
    sqlite3_exec(sqlite_, "COMMIT;", nullptr, nullptr, nullptr);
  }

  int records_;
  fs::path folder_;
  sqlite3* sqlite_ = nullptr;
};

const GeneratedDatabase& Database(int records) {
  static std::map<int, std::unique_ptr<GeneratedDatabase>> made;
  auto& database = made[records];
  if (!database) database = std::make_unique<GeneratedDatabase>(records);
  database->Enter();
  return *database;
}

// A new time stamp, so that the next opening reads the file as a new process does.
void Touch(const fs::path& file) { utimensat(AT_FDCWD, file.c_str(), nullptr, 0); }

void WindowOpen(benchmark::State& state) {
  const auto& database = Database(static_cast<int>(state.range(0)));
  TestDriver driver;
  RegisterProgramResources();
  for (auto _ : state) {
    state.PauseTiming();
    Touch(database.File());
    state.ResumeTiming();
    Cwm_KjemikaliedatabaseDlg window(KjemikaliedatabaseTemplateName, nullptr);
    window.Create(KjemikaliedatabaseTemplateName);
    if (window.SendDlgItemMessage(NameSearchComboId, CB_GETCOUNT) != database.Records())
      state.SkipWithError("names missing");
    window.DestroyWindow();
  }
  Resources().Clear();
}
BENCHMARK(WindowOpen)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);

// The name of the last record, sought from the first: every record is examined.
void NameSearch(benchmark::State& state) {
  const auto& database = Database(static_cast<int>(state.range(0)));
  const std::string command = "s na\\" + Name(database.Records());
  ChemDbResetCursor();
  ChemDbRun(command);
  for (auto _ : state) {
    ChemDbResetCursor();
    if (ChemDbRun(command) != ChemDbDone || ChemDbRecord.slots[3] != Name(database.Records()))
      state.SkipWithError("not found");
  }
}
BENCHMARK(NameSearch)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);

// The peak memory of a process that opens the database as the window does (names and the first
// record), less that of one that does nothing, in MiB.
long PeakKibibytesOfChild(bool open) {
  const pid_t child = fork();
  if (child == 0) {
    if (open) {
      const DatabaseNames names = ReadRecordNames(LanguageCode);
      ChemDbResetCursor();
      ChemDbRun("s ");
      benchmark::DoNotOptimize(names.names.size());
    }
    _exit(0);
  }
  struct rusage usage {};
  int status = 0;
  wait4(child, &status, 0, &usage);
  return usage.ru_maxrss;
}

void PeakMemory(benchmark::State& state) {
  const auto& database = Database(static_cast<int>(state.range(0)));
  long peak = 0;
  long idle = 0;
  for (auto _ : state) {
    Touch(database.File());
    peak = PeakKibibytesOfChild(true);
    idle = PeakKibibytesOfChild(false);
  }
  state.counters["peak_MiB"] = static_cast<double>(peak - idle) / 1024.0;
  state.counters["file_MiB"] = static_cast<double>(fs::file_size(database.File())) / (1024.0 * 1024.0);
}
BENCHMARK(PeakMemory)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond)->Iterations(1);

// A store after the middle record and the delete of the stored record, each with the step that
// shows the record afterwards; the file ends as it began.
void StoreAndDelete(benchmark::State& state) {
  const auto& database = Database(static_cast<int>(state.range(0)));
  for (auto _ : state) {
    ChemDbResetCursor();
    ChemDbState.RecordIndex = database.Records() / 2;
    ChemDbRun("s ");
    ChemDbRecord.Clear();
    ChemDbRecord.slots[3] = "BENCH RECORD";
    SafetyDataText = "one\r\ntwo|";
    if (ChemDbRun("", "i") != ChemDbDone) state.SkipWithError("store failed");
    ChemDbRun("s ");
    if (ChemDbRun("", "d") != ChemDbDone) state.SkipWithError("delete failed");
    ChemDbRun("s ");
  }
  state.counters["writes"] = benchmark::Counter(2.0 * static_cast<double>(state.iterations()));
}
BENCHMARK(StoreAndDelete)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);

// Floor of a rewrite: the file copied to a new file beside it, flushed to disk and renamed away.
void CopyFileFloor(benchmark::State& state) {
  const auto& database = Database(static_cast<int>(state.range(0)));
  const fs::path copy = database.File().string() + ".copy";
  for (auto _ : state) {
    fs::copy_file(database.File(), copy, fs::copy_options::overwrite_existing);
    std::FILE* file = std::fopen(copy.c_str(), "r+");
    fsync(fileno(file));
    std::fclose(file);
  }
  fs::remove(copy);
}
BENCHMARK(CopyFileFloor)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);

void SqliteAllNames(benchmark::State& state) {
  const auto& database = Database(static_cast<int>(state.range(0)));
  sqlite3_stmt* select = nullptr;
  sqlite3_prepare_v2(database.Sqlite(), "SELECT name FROM records", -1, &select, nullptr);
  for (auto _ : state) {
    std::vector<std::string> names;
    while (sqlite3_step(select) == SQLITE_ROW)
      names.emplace_back(reinterpret_cast<const char*>(sqlite3_column_text(select, 0)));
    sqlite3_reset(select);
    if (static_cast<int>(names.size()) != database.Records()) state.SkipWithError("names missing");
  }
  sqlite3_finalize(select);
}
BENCHMARK(SqliteAllNames)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);

void SqliteLikeSearch(benchmark::State& state) {
  const auto& database = Database(static_cast<int>(state.range(0)));
  sqlite3_stmt* select = nullptr;
  sqlite3_prepare_v2(database.Sqlite(), "SELECT rowid FROM records WHERE name LIKE ? LIMIT 1", -1, &select, nullptr);
  const std::string pattern = "%" + Name(database.Records()) + "%";
  for (auto _ : state) {
    sqlite3_bind_text(select, 1, pattern.c_str(), -1, SQLITE_TRANSIENT);
    if (sqlite3_step(select) != SQLITE_ROW) state.SkipWithError("not found");
    sqlite3_reset(select);
  }
  sqlite3_finalize(select);
}
BENCHMARK(SqliteLikeSearch)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);

// grep -i for the last record's name in the whole file, as a process of its own.
void GrepFloor(benchmark::State& state) {
  const auto& database = Database(static_cast<int>(state.range(0)));
  const std::string command =
      "grep -i -c -F -x '" + Name(database.Records()) + "' '" + database.File().string() + "' > /dev/null";
  for (auto _ : state) {
    if (std::system(command.c_str()) != 0) state.SkipWithError("grep found nothing");
  }
}
BENCHMARK(GrepFloor)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);

}  // namespace
