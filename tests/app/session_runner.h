#pragma once
// Runs the real program on a script (TAVRIN_SCRIPT) in a working folder and collects what it prints.
#include <filesystem>
#include <string>
#include <vector>

struct SessionResult {
  int exitCode = -1;
  std::vector<std::string> lines;
  // The printed lines that start with the text.
  std::vector<std::string> LinesStartingWith(const std::string& start) const;
  int Count(const std::string& line) const;
};

// The script is written beside the working folder, not into it, so that the folder holds only
// what the program itself reads and writes. Sessions that run at once on one folder each need
// their own name. environment: NAME=value settings for the program alone.
SessionResult RunSession(const std::filesystem::path& workingFolder, const std::string& script,
                         const std::string& name = "session", const std::vector<std::string>& environment = {});
