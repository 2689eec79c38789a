// What starting the program costs: the whole program from its start to its main window painted
// (and straight out again), with the peak memory of that process; and, inside one process, the
// application's start-up alone, from making the main frame to its first painting.
#include <benchmark/benchmark.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>

#include "resources/program_resources.h"
#include "platform/win/resources.h"
#include "app/tavrin_app.h"
#include "platform/testing/test_driver.h"

extern char** environ;

namespace {

namespace fs = std::filesystem;

// A working folder with the shipped settings file, and a script that leaves as soon as the program's
// loop runs, which is when the main window has been shown and painted.
class BenchFolder {
 public:
  BenchFolder() {
    std::random_device random;
    path_ = fs::temp_directory_path() / ("tavrin-bench-" + std::to_string(random()));
    fs::create_directories(path_ / "dats");
    fs::copy_file(fs::path(TAVRIN_SOURCE_DIR) / "dats" / "tavrpar.dat", path_ / "dats" / "tavrpar.dat");
    std::ofstream(path_ / "leave.script") << "exit\n";
  }
  ~BenchFolder() {
    std::error_code ignored;
    fs::remove_all(path_, ignored);
  }
  const fs::path& Path() const { return path_; }

 private:
  fs::path path_;
};

void ProgramStartToPaintedWindow(benchmark::State& state) {
  BenchFolder folder;
  const fs::path previous = fs::current_path();
  fs::current_path(folder.Path());
  const std::string script = "TAVRIN_SCRIPT=" + (folder.Path() / "leave.script").string();
  std::vector<char*> environment;
  for (char** each = environ; *each != nullptr; ++each) environment.push_back(*each);
  environment.push_back(const_cast<char*>(script.c_str()));
  environment.push_back(nullptr);
  char* arguments[] = {const_cast<char*>(TAVRIN_PROGRAM), nullptr};
  long peakKilobytes = 0;
  for (auto _ : state) {
    const auto start = std::chrono::steady_clock::now();
    pid_t child = 0;
    if (posix_spawn(&child, TAVRIN_PROGRAM, nullptr, nullptr, arguments, environment.data()) != 0) {
      state.SkipWithError("the program cannot be started");
      break;
    }
    int status = 0;
    rusage usage{};
    wait4(child, &status, 0, &usage);
    state.SetIterationTime(std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
      state.SkipWithError("the program failed");
      break;
    }
    peakKilobytes = std::max(peakKilobytes, usage.ru_maxrss);
  }
  state.counters["peak_MB"] = static_cast<double>(peakKilobytes) / 1024.0;
  fs::current_path(previous);
}
BENCHMARK(ProgramStartToPaintedWindow)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(50);

void ApplicationStartUpToFirstPainting(benchmark::State& state) {
  BenchFolder folder;
  const fs::path previous = fs::current_path();
  fs::current_path(folder.Path());
  RegisterProgramResources();
  TestDriver driver;
  for (auto _ : state) {
    Cwm_Application app;
    if (!app.InitInstance()) {
      state.SkipWithError("the main window was not made");
      break;
    }
    state.PauseTiming();
    app.m_pMainWnd->DestroyWindow();
    for (MSG message; PeekMessage(&message, nullptr, 0, 0, PM_REMOVE);) {}
    state.ResumeTiming();
  }
  Resources().Clear();
  fs::current_path(previous);
}
BENCHMARK(ApplicationStartUpToFirstPainting)->Unit(benchmark::kMillisecond);

}  // namespace
