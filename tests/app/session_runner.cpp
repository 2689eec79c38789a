#include "tests/app/session_runner.h"

#include <sys/wait.h>

#include <algorithm>
#include <cstdlib>
#include <fstream>

namespace {

std::string Quoted(const std::string& text) {
  std::string quoted = "'";
  for (char c : text) quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
  return quoted + "'";
}

}  // namespace

std::vector<std::string> SessionResult::LinesStartingWith(const std::string& start) const {
  std::vector<std::string> found;
  for (const std::string& line : lines) {
    if (line.rfind(start, 0) == 0) found.push_back(line);
  }
  return found;
}

int SessionResult::Count(const std::string& line) const {
  return static_cast<int>(std::count(lines.begin(), lines.end(), line));
}

SessionResult RunSession(const std::filesystem::path& workingFolder, const std::string& script, const std::string& name,
                         const std::vector<std::string>& environment) {
  const std::filesystem::path base = workingFolder.string() + "-" + name;
  const std::filesystem::path scriptFile = base.string() + ".script";
  const std::filesystem::path outputFile = base.string() + ".out";
  std::ofstream(scriptFile, std::ios::binary) << script;
  std::string settings;
  for (const std::string& setting : environment) {
    const std::size_t equals = setting.find('=');
    settings += setting.substr(0, equals + 1) + Quoted(setting.substr(equals + 1)) + " ";
  }
  const std::string command = "cd " + Quoted(workingFolder.string()) + " && " + settings +
                              "TAVRIN_SCRIPT=" + Quoted(scriptFile.string()) + " " + Quoted(TAVRIN_PROGRAM) + " > " +
                              Quoted(outputFile.string()) + " 2>&1";
  const int status = std::system(command.c_str());
  SessionResult result;
  result.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  std::ifstream output(outputFile, std::ios::binary);
  for (std::string line; std::getline(output, line);) result.lines.push_back(line);
  std::filesystem::remove(scriptFile);
  std::filesystem::remove(outputFile);
  return result;
}
