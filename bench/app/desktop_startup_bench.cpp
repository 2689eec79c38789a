// The program on an X server of the benchmark's own, through the SDL2 backend: from its start to
// its main window shown and painted on the screen, with the peak memory of the process then.
#include <benchmark/benchmark.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <memory>
#include <random>
#include <sstream>

#include "tests/platform/desktop/desktop_session.h"
#include "tests/app/desktop/x_screen.h"

namespace {

namespace fs = std::filesystem;
using namespace desktop_test;

// The peak resident memory of a running process, in kilobytes (its VmHWM).
long PeakKilobytes(pid_t process) {
  std::ifstream status("/proc/" + std::to_string(process) + "/status");
  for (std::string line; std::getline(status, line);) {
    if (line.rfind("VmHWM:", 0) == 0) return std::stol(line.substr(6));
  }
  return 0;
}

bool SamePicture(const ShownPicture& a, const ShownPicture& b) {
  return a.width == b.width && a.height == b.height && a.rgb == b.rgb;
}

void ProgramOnTheDesktopToPaintedWindow(benchmark::State& state) {
  if (OnPath("Xvfb").empty()) {
    state.SkipWithError("Xvfb is needed (scripts/install-deps installs it)");
    return;
  }
  Xvfb server;
  if (server.Display().empty()) {
    state.SkipWithError("Xvfb did not start");
    return;
  }
  setenv("DISPLAY", server.Display().c_str(), 1);
  unsetenv("TAVRIN_SCRIPT");
  XScreen screen(server.Display());
  std::random_device random;
  const fs::path folder = fs::temp_directory_path() / ("tavrin-bench-" + std::to_string(random()));
  fs::create_directories(folder / "dats");
  fs::copy_file(fs::path(TAVRIN_SOURCE_DIR) / "dats" / "tavrpar.dat", folder / "dats" / "tavrpar.dat");
  const fs::path previous = fs::current_path();
  fs::current_path(folder);

  // The window as it looks once painted, from a run that is given all the time it needs.
  ShownPicture painted;
  {
    Child program({TAVRIN_PROGRAM}, 1);
    unsigned long window = 0;
    for (int wait = 0; wait < 200 && window == 0; ++wait) {
      usleep(50000);
      window = screen.ShownWindowNamed("TAVRIN");
    }
    usleep(500000);
    if (window != 0) painted = screen.Shown(window);
    screen.AskToClose(window);
    program.Wait();
  }
  if (painted.rgb.empty()) state.SkipWithError("the main window did not show");

  long peakKilobytes = 0;
  for (auto _ : state) {
    if (painted.rgb.empty()) break;
    const auto start = std::chrono::steady_clock::now();
    Child program({TAVRIN_PROGRAM}, 1);
    const auto deadline = start + std::chrono::seconds(10);
    unsigned long window = 0;
    while (window == 0 && std::chrono::steady_clock::now() < deadline) window = screen.ShownWindowNamed("TAVRIN");
    while (!SamePicture(screen.Shown(window), painted) && std::chrono::steady_clock::now() < deadline) {}
    state.SetIterationTime(std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
    peakKilobytes = std::max(peakKilobytes, PeakKilobytes(program.Pid()));
    screen.AskToClose(window);
    if (program.Wait() != 0) {
      state.SkipWithError("the program did not end well");
      break;
    }
  }
  state.counters["peak_MB"] = static_cast<double>(peakKilobytes) / 1024.0;
  fs::current_path(previous);
  std::error_code ignored;
  fs::remove_all(folder, ignored);
}
BENCHMARK(ProgramOnTheDesktopToPaintedWindow)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(20);

}  // namespace
