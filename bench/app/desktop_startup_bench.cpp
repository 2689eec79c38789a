// The program on an X server of the benchmark's own, through the SDL2 backend: from its start to
// its main window shown and painted on the screen, with the peak memory of the process then, set
// against a bare SDL2 program that shows one window.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <memory>
#include <optional>
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

// The X server removes the windows of a program that ended when it gets to it: the next start
// must not find the last one's window.
bool GoneSoon(const XScreen& screen, const std::string& name) {
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(5);
  while (screen.ShownWindowNamed(name) != 0) {
    if (std::chrono::steady_clock::now() >= deadline) return false;
    usleep(1000);
  }
  return true;
}

// One start of a program: the time from its start until the window of that name shows the
// picture, in seconds; the program is then asked to close and must end well.
std::optional<double> SecondsToPaintedWindow(const XScreen& screen, const std::vector<std::string>& command,
                                             const std::string& name, const ShownPicture& painted,
                                             long* peakKilobytes = nullptr) {
  const auto start = std::chrono::steady_clock::now();
  Child program(command, 1);
  const auto deadline = start + std::chrono::seconds(10);
  unsigned long window = 0;
  while (window == 0 && std::chrono::steady_clock::now() < deadline) window = screen.ShownWindowNamed(name);
  while (!SamePicture(screen.Shown(window), painted) && std::chrono::steady_clock::now() < deadline) {}
  const auto end = std::chrono::steady_clock::now();
  if (peakKilobytes != nullptr) *peakKilobytes = std::max(*peakKilobytes, PeakKilobytes(program.Pid()));
  screen.AskToClose(window);
  if (program.Wait() != 0 || end >= deadline || !GoneSoon(screen, name)) return std::nullopt;
  return std::chrono::duration<double>(end - start).count();
}

// The window as it looks once painted, from a run that is given all the time it needs.
ShownPicture SettledPicture(const XScreen& screen, const std::vector<std::string>& command, const std::string& name) {
  ShownPicture painted;
  Child program(command, 1);
  unsigned long window = 0;
  for (int wait = 0; wait < 200 && window == 0; ++wait) {
    usleep(50000);
    window = screen.ShownWindowNamed(name);
  }
  usleep(500000);
  if (window != 0) painted = screen.Shown(window);
  screen.AskToClose(window);
  program.Wait();
  GoneSoon(screen, name);
  return painted;
}

double Median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  return values.empty() ? 0 : values[values.size() / 2];
}

// The program against the yardstick, started in turn in one run: a bare SDL2 program that opens
// one window of the main window's size and fills it. The ratio of the medians is what the program
// costs beyond what any SDL2 window costs on that X server.
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

  const std::vector<std::string> program{TAVRIN_PROGRAM};
  const ShownPicture painted = SettledPicture(screen, program, "TAVRIN");
  const std::vector<std::string> bare{BARE_SDL2_WINDOW, std::to_string(painted.width), std::to_string(painted.height)};
  const ShownPicture barePainted = SettledPicture(screen, bare, "BARE");
  if (painted.rgb.empty() || barePainted.rgb.empty()) state.SkipWithError("a window did not show");

  long peakKilobytes = 0;
  std::vector<double> programSeconds;
  std::vector<double> bareSeconds;
  for (auto _ : state) {
    if (painted.rgb.empty() || barePainted.rgb.empty()) break;
    const std::optional<double> yardstick = SecondsToPaintedWindow(screen, bare, "BARE", barePainted);
    const std::optional<double> seconds = SecondsToPaintedWindow(screen, program, "TAVRIN", painted, &peakKilobytes);
    if (!yardstick || !seconds) {
      state.SkipWithError("a program did not show its window in time or did not end well");
      break;
    }
    bareSeconds.push_back(*yardstick);
    programSeconds.push_back(*seconds);
    state.SetIterationTime(*seconds);
  }
  state.counters["peak_MB"] = static_cast<double>(peakKilobytes) / 1024.0;
  state.counters["program_ms"] = Median(programSeconds) * 1e3;
  state.counters["bare_sdl2_ms"] = Median(bareSeconds) * 1e3;
  state.counters["ratio"] = Median(bareSeconds) > 0 ? Median(programSeconds) / Median(bareSeconds) : 0;
  fs::current_path(previous);
  std::error_code ignored;
  fs::remove_all(folder, ignored);
}
BENCHMARK(ProgramOnTheDesktopToPaintedWindow)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(20);

}  // namespace
