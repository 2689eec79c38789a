#include "platform/services/child_process.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <future>
#include <memory>
#include <thread>

extern char** environ;

namespace {

struct Pipe {
  int read = -1;
  int write = -1;
  bool Open() {
    int ends[2];
    if (pipe2(ends, O_CLOEXEC) != 0) return false;
    read = ends[0];
    write = ends[1];
    return true;
  }
  void CloseRead() {
    if (read >= 0) close(read);
    read = -1;
  }
  void CloseWrite() {
    if (write >= 0) close(write);
    write = -1;
  }
  ~Pipe() {
    CloseRead();
    CloseWrite();
  }
};

// A started program and the exit status its own waiter thread reports, so that a program left
// running is still reaped.
struct Started {
  pid_t pid = -1;
  std::future<int> status;
};

Started Spawn(const std::vector<std::string>& arguments, Pipe* output, Pipe* errors) {
  Started started;
  if (arguments.empty()) return started;
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addopen(&actions, 0, "/dev/null", O_RDONLY, 0);
  if (output != nullptr) {
    posix_spawn_file_actions_adddup2(&actions, output->write, 1);
    posix_spawn_file_actions_adddup2(&actions, errors->write, 2);
  } else {
    posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
  }
  std::vector<char*> argv;
  for (const std::string& argument : arguments) argv.push_back(const_cast<char*>(argument.c_str()));
  argv.push_back(nullptr);
  pid_t pid = -1;
  const int failed = posix_spawnp(&pid, argv[0], &actions, nullptr, argv.data(), environ);
  posix_spawn_file_actions_destroy(&actions);
  if (failed != 0) return started;
  auto status = std::make_shared<std::promise<int>>();
  started.pid = pid;
  started.status = status->get_future();
  std::thread([pid, status] {
    int code = 0;
    while (waitpid(pid, &code, 0) < 0 && errno == EINTR) {}
    status->set_value(code);
  }).detach();
  return started;
}

void Finish(ProgramRun& run, int status) {
  run.finished = true;
  run.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

// Reads both pipes until they close or the deadline passes; false at the deadline.
bool ReadAll(Pipe& output, Pipe& errors, ProgramRun& run, std::chrono::steady_clock::time_point deadline) {
  while (output.read >= 0 || errors.read >= 0) {
    const auto left =
        std::chrono::duration_cast<std::chrono::milliseconds>(deadline - std::chrono::steady_clock::now());
    if (left.count() <= 0) return false;
    pollfd ready[2] = {{output.read, POLLIN, 0}, {errors.read, POLLIN, 0}};
    const int count = poll(ready, 2, static_cast<int>(left.count()));
    if (count < 0 && errno == EINTR) continue;
    if (count <= 0) return false;
    for (int index = 0; index < 2; ++index) {
      if (ready[index].revents == 0) continue;
      Pipe& pipe = index == 0 ? output : errors;
      char chunk[4096];
      const ssize_t got = read(pipe.read, chunk, sizeof chunk);
      if (got > 0) {
        (index == 0 ? run.output : run.errors).append(chunk, static_cast<size_t>(got));
      } else if (got == 0 || errno != EINTR) {
        pipe.CloseRead();
      }
    }
  }
  return true;
}

}  // namespace

ProgramRun RunProgram(const std::vector<std::string>& arguments, std::chrono::milliseconds limit) {
  ProgramRun run;
  Pipe output;
  Pipe errors;
  if (!output.Open() || !errors.Open()) return run;
  Started started = Spawn(arguments, &output, &errors);
  output.CloseWrite();
  errors.CloseWrite();
  if (started.pid < 0) return run;
  run.started = true;
  const auto deadline = std::chrono::steady_clock::now() + limit;
  if (ReadAll(output, errors, run, deadline) && started.status.wait_until(deadline) == std::future_status::ready) {
    Finish(run, started.status.get());
    return run;
  }
  kill(started.pid, SIGKILL);
  started.status.wait();
  return run;
}

ProgramRun LaunchProgram(const std::vector<std::string>& arguments, std::chrono::milliseconds wait) {
  ProgramRun run;
  Started started = Spawn(arguments, nullptr, nullptr);
  if (started.pid < 0) return run;
  run.started = true;
  if (started.status.wait_for(wait) == std::future_status::ready) Finish(run, started.status.get());
  return run;
}
