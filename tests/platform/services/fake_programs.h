#pragma once
// Stand-ins for the desktop's programs (xdg-open, lp, lpstat): small scripts in a folder put first
// on PATH for the life of the object. Each records its arguments, NUL-separated, in a file of its
// name, and does what the test tells it.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

class FakePrograms {
 public:
  FakePrograms() {
    char pattern[] = "/tmp/tavrin-fakes-XXXXXX";
    folder_ = mkdtemp(pattern);
    const char* path = std::getenv("PATH");
    oldPath_ = path == nullptr ? "/usr/bin:/bin" : path;
    setenv("PATH", (folder_.string() + ":" + oldPath_).c_str(), 1);
  }
  ~FakePrograms() {
    setenv("PATH", oldPath_.c_str(), 1);
    std::filesystem::remove_all(folder_);
  }
  FakePrograms(const FakePrograms&) = delete;
  FakePrograms& operator=(const FakePrograms&) = delete;

  // A program that records its arguments, then runs `body` (shell commands) and exits with its
  // status.
  void Add(const std::string& name, const std::string& body = "exit 0") {
    const std::filesystem::path script = folder_ / name;
    std::ofstream(script) << "#!/bin/sh\nprintf '%s\\0' \"$@\" > '" << Record(name).string() << "'\n" << body << "\n";
    chmod(script.c_str(), 0755);
  }
  // Leaves only the fakes on PATH, so that the real programs cannot be found.
  void Alone() { setenv("PATH", folder_.c_str(), 1); }

  std::filesystem::path Record(const std::string& name) const { return folder_ / (name + ".args"); }
  bool Ran(const std::string& name) const { return std::filesystem::exists(Record(name)); }
  // The arguments of the program's last run.
  std::vector<std::string> Arguments(const std::string& name) const {
    std::ifstream file(Record(name), std::ios::binary);
    const std::string all((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
    std::vector<std::string> arguments;
    for (size_t start = 0; start < all.size();) {
      const size_t end = all.find('\0', start);
      arguments.push_back(all.substr(start, end - start));
      start = end == std::string::npos ? all.size() : end + 1;
    }
    return arguments;
  }
  const std::filesystem::path& Folder() const { return folder_; }

 private:
  std::filesystem::path folder_;
  std::string oldPath_;
};
