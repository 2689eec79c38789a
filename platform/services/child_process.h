#pragma once
// Other programs, started with their arguments as given, never through a shell: arguments[0] is
// looked up on PATH, standard input is empty.
#include <chrono>
#include <string>
#include <vector>

struct ProgramRun {
  bool started = false;
  bool finished = false;  // false: still running when the wait ended
  int exitCode = -1;      // -1 when it ended by a signal
  std::string output;     // standard output, for RunProgram
  std::string errors;     // standard error, for RunProgram
};

// Runs the program to its end, with its output and errors read back; a program still running
// after `limit` is stopped.
ProgramRun RunProgram(const std::vector<std::string>& arguments, std::chrono::milliseconds limit);

// Starts the program and waits up to `wait` for an early end; one still running then is left to
// run on its own (as a launcher that opens a browser may) and is reaped when it ends.
ProgramRun LaunchProgram(const std::vector<std::string>& arguments, std::chrono::milliseconds wait);
