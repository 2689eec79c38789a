#pragma once
// What the desktop tests need around a real X server: programs started without a shell, read line
// by line, and an Xvfb of their own on a free display, ended with the test.
#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

extern char** environ;

namespace desktop_test {

using namespace std::chrono_literals;

// The program's path on PATH, or empty.
inline std::string OnPath(const std::string& program) {
  const char* path = std::getenv("PATH");
  std::string folders = path == nullptr ? "/usr/bin:/bin" : path;
  for (size_t start = 0; start <= folders.size();) {
    const size_t end = std::min(folders.find(':', start), folders.size());
    const std::filesystem::path candidate = std::filesystem::path(folders.substr(start, end - start)) / program;
    if (access(candidate.c_str(), X_OK) == 0) return candidate.string();
    start = end + 1;
  }
  return {};
}

// A program run by the test; what it writes to `outputFd` (its standard output, or another
// descriptor it is told of) is read back by the test. Ended, if still running, with the object.
// Without `showErrors` its standard error goes nowhere: a server that outlives a test process that
// died must not hold the pipe ctest reads that test's output from.
class Child {
 public:
  Child(const std::vector<std::string>& arguments, int outputFd, bool showErrors = true) {
    int pipeFds[2];
    if (pipe2(pipeFds, O_CLOEXEC) != 0) return;
    // dup2 onto itself would leave the close-on-exec mark on the descriptor the child writes to.
    if (pipeFds[1] == outputFd) {
      const int moved = fcntl(pipeFds[1], F_DUPFD_CLOEXEC, 10);
      close(pipeFds[1]);
      pipeFds[1] = moved;
    }
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 0, "/dev/null", O_RDONLY, 0);
    if (outputFd != 1) posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
    if (!showErrors) posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_adddup2(&actions, pipeFds[1], outputFd);
    std::vector<char*> argv;
    for (const std::string& argument : arguments) argv.push_back(const_cast<char*>(argument.c_str()));
    argv.push_back(nullptr);
    if (posix_spawnp(&pid_, argv[0], &actions, nullptr, argv.data(), environ) != 0) pid_ = -1;
    posix_spawn_file_actions_destroy(&actions);
    close(pipeFds[1]);
    output_ = pipeFds[0];
  }
  ~Child() {
    if (pid_ > 0) {
      kill(pid_, SIGTERM);
      waitpid(pid_, nullptr, 0);
    }
    if (output_ >= 0) close(output_);
  }
  Child(const Child&) = delete;
  Child& operator=(const Child&) = delete;

  bool Started() const { return pid_ > 0; }
  pid_t Pid() const { return pid_; }

  // The next line of output, or nothing when none comes in time or the output ended.
  std::optional<std::string> ReadLine(std::chrono::milliseconds timeout = 10s) {
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    for (;;) {
      const size_t end = buffer_.find('\n');
      if (end != std::string::npos) {
        std::string line = buffer_.substr(0, end);
        buffer_.erase(0, end + 1);
        return line;
      }
      const auto left =
          std::chrono::duration_cast<std::chrono::milliseconds>(deadline - std::chrono::steady_clock::now());
      if (left.count() <= 0 || output_ < 0) return std::nullopt;
      pollfd ready{output_, POLLIN, 0};
      if (poll(&ready, 1, static_cast<int>(left.count())) <= 0) return std::nullopt;
      char chunk[512];
      const ssize_t got = read(output_, chunk, sizeof chunk);
      if (got <= 0) return std::nullopt;
      buffer_.append(chunk, static_cast<size_t>(got));
    }
  }

  // Reads lines until one equals `line`; the lines read on the way are kept in `seen`.
  bool WaitForLine(const std::string& line, std::vector<std::string>* seen = nullptr,
                   std::chrono::milliseconds timeout = 10s) {
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    while (std::chrono::steady_clock::now() < deadline) {
      const std::optional<std::string> next =
          ReadLine(std::chrono::duration_cast<std::chrono::milliseconds>(deadline - std::chrono::steady_clock::now()));
      if (!next) return false;
      if (seen != nullptr) seen->push_back(*next);
      if (*next == line) return true;
    }
    return false;
  }

  // The exit code once the program has ended, or nothing when it is still running after the wait.
  std::optional<int> Wait(std::chrono::milliseconds timeout = 10s) {
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    while (pid_ > 0) {
      int status = 0;
      if (waitpid(pid_, &status, WNOHANG) == pid_) {
        pid_ = -1;
        return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
      }
      if (std::chrono::steady_clock::now() >= deadline) return std::nullopt;
      usleep(10000);
    }
    return std::nullopt;
  }

 private:
  pid_t pid_ = -1;
  int output_ = -1;
  std::string buffer_;
};

// Runs a program to its end and gives its standard output; nothing when it failed.
inline std::optional<std::string> RunToEnd(const std::vector<std::string>& arguments) {
  Child child(arguments, 1);
  std::string output;
  while (std::optional<std::string> line = child.ReadLine()) output += *line + "\n";
  const std::optional<int> code = child.Wait();
  if (!code || *code != 0) return std::nullopt;
  return output;
}

// An X server without a screen, on the first free display, for the life of the object; the screen
// given as Xvfb takes it, width x height x depth. It keeps its resources when its last client
// leaves, as a desktop's server does.
class Xvfb {
 public:
  explicit Xvfb(const std::string& screen = "1024x768x24")
      : server_({"Xvfb", "-displayfd", "3", "-screen", "0", screen, "-nolisten", "tcp", "-noreset"}, 3, false) {
    const std::optional<std::string> number = server_.ReadLine(20s);
    if (number && !number->empty()) display_ = ":" + *number;
  }
  // Empty when the server did not start.
  const std::string& Display() const { return display_; }

 private:
  Child server_;
  std::string display_;
};

}  // namespace desktop_test
