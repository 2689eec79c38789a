#include "platform/services/shell_execute.h"

#include <gtest/gtest.h>

#include "platform/services/child_process.h"
#include "tests/platform/services/fake_programs.h"
#include "platform/win/win_constants.h"

namespace {

using namespace std::chrono_literals;

int ResultOf(HINSTANCE result) { return static_cast<int>(NumberFromHandle(result)); }

TEST(ChildProcess, ArgumentsReachTheProgramAsGivenAndItsOutputComesBack) {
  const ProgramRun run = RunProgram({"printf", "[%s]", "a b", "'q'", "x;y", "$HOME", "*"}, 5s);
  EXPECT_TRUE(run.started);
  EXPECT_TRUE(run.finished);
  EXPECT_EQ(run.exitCode, 0);
  EXPECT_EQ(run.output, "[a b]['q'][x;y][$HOME][*]");
}

TEST(ChildProcess, ErrorsAndExitCodesAreReported) {
  const ProgramRun failed = RunProgram({"sh", "-c", "echo trouble >&2; exit 3"}, 5s);
  EXPECT_TRUE(failed.finished);
  EXPECT_EQ(failed.exitCode, 3);
  EXPECT_EQ(failed.errors, "trouble\n");
  EXPECT_FALSE(RunProgram({"tavrin-no-such-program"}, 5s).started);
  EXPECT_FALSE(RunProgram({}, 5s).started);
}

TEST(ChildProcess, AProgramPastItsLimitIsStoppedAndALaunchedOneIsLeftRunning) {
  const auto before = std::chrono::steady_clock::now();
  const ProgramRun stopped = RunProgram({"sleep", "30"}, 200ms);
  EXPECT_TRUE(stopped.started);
  EXPECT_FALSE(stopped.finished);
  const ProgramRun launched = LaunchProgram({"sleep", "2"}, 100ms);
  EXPECT_TRUE(launched.started);
  EXPECT_FALSE(launched.finished);
  EXPECT_LT(std::chrono::steady_clock::now() - before, 5s);
  const ProgramRun quick = LaunchProgram({"sh", "-c", "exit 4"}, 5s);
  EXPECT_TRUE(quick.finished);
  EXPECT_EQ(quick.exitCode, 4);
}

TEST(ShellExecute, AnAddressIsOneArgumentOfTheOpener) {
  const char* addresses[] = {
      "https://example.org/",
      "mailto:kontakt@example.org",
      "https://example.org/a page?q='x' \"y\";rm -rf ~ & echo $HOME `id` | cat",
      "--help",
  };
  for (const char* address : addresses) {
    FakePrograms fakes;
    fakes.Add("xdg-open");
    EXPECT_GT(ResultOf(ShellExecute(nullptr, nullptr, address, nullptr, nullptr, SW_SHOW)), 32) << address;
    EXPECT_EQ(fakes.Arguments("xdg-open"), std::vector<std::string>{address});
  }
}

TEST(ShellExecute, TheAddressTravelsInUtf8) {
  FakePrograms fakes;
  fakes.Add("xdg-open");
  EXPECT_GT(ResultOf(ShellExecute(nullptr, "open", "https://example.org/s\xF8k\x80", nullptr, nullptr, SW_SHOW)), 32);
  EXPECT_EQ(fakes.Arguments("xdg-open"), std::vector<std::string>{"https://example.org/s\xC3\xB8k\xE2\x82\xAC"});
}

TEST(ShellExecute, FailuresComeBackAsResultsAtOrBelow32) {
  const struct {
    const char* opener;  // the stand-in's commands; null for no opener at all
    const char* verb;
    const char* file;
    const char* parameters;
    int result;
    bool opened;
  } cases[] = {
      {"exit 2", nullptr, "file:///no/such/file", nullptr, SE_ERR_FNF, true},
      {"exit 3", nullptr, "https://example.org/", nullptr, SE_ERR_NOASSOC, true},
      {"exit 4", nullptr, "https://example.org/", nullptr, SE_ERR_NOASSOC, true},
      {"kill -9 $$", nullptr, "https://example.org/", nullptr, SE_ERR_NOASSOC, true},
      {nullptr, nullptr, "https://example.org/", nullptr, SE_ERR_NOASSOC, false},
      {"exit 0", nullptr, "", nullptr, SE_ERR_FNF, false},
      {"exit 0", nullptr, nullptr, nullptr, SE_ERR_FNF, false},
      {"exit 0", "print", "https://example.org/", nullptr, SE_ERR_NOASSOC, false},
      {"exit 0", nullptr, "https://example.org/", "--new-window", SE_ERR_NOASSOC, false},
  };
  for (const auto& each : cases) {
    FakePrograms fakes;
    if (each.opener != nullptr) fakes.Add("xdg-open", each.opener);
    fakes.Alone();
    EXPECT_EQ(ResultOf(ShellExecute(nullptr, each.verb, each.file, each.parameters, nullptr, SW_SHOW)), each.result)
        << (each.opener == nullptr ? "no opener" : each.opener);
    EXPECT_EQ(fakes.Ran("xdg-open"), each.opened);
  }
}

TEST(ShellExecute, AHookTakesTheCallInsteadOfTheDesktop) {
  FakePrograms fakes;
  fakes.Add("xdg-open");
  std::vector<ShellRequest> seen;
  SetShellExecuteHook([&](const ShellRequest& request) {
    seen.push_back(request);
    return HandleFromNumber<HINSTANCE>(ShellExecuteSucceeded);
  });
  EXPECT_GT(ResultOf(ShellExecute(nullptr, nullptr, "https://example.org/", nullptr, nullptr, SW_SHOW)), 32);
  SetShellExecuteHook(nullptr);
  ASSERT_EQ(seen.size(), 1u);
  EXPECT_EQ(seen[0].verb, "");
  EXPECT_EQ(seen[0].file, "https://example.org/");
  EXPECT_EQ(seen[0].show, SW_SHOW);
  EXPECT_FALSE(fakes.Ran("xdg-open"));
}

}  // namespace
