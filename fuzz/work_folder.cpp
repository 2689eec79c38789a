#include "fuzz/work_folder.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>

namespace {

std::filesystem::path& Folder() {
  static std::filesystem::path folder;
  return folder;
}

void RemoveFolder() {
  std::error_code ignored;
  std::filesystem::remove_all(Folder(), ignored);
}

// Memory-backed where the system has it, so the rewrites' flushes cost little.
std::filesystem::path TemporaryRoot() {
  std::error_code error;
  if (std::filesystem::is_directory("/dev/shm", error)) return "/dev/shm";
  return std::filesystem::temp_directory_path();
}

}  // namespace

void MakeFuzzWorkFolder() {
  Folder() = TemporaryRoot() / ("tavrin-fuzz-" + std::to_string(getpid()));
  std::filesystem::remove_all(Folder());
  std::filesystem::create_directories(Folder() / "dats" / "datfiles" / "atomdata");
  std::atexit(RemoveFolder);
}

void CheckInFuzzWorkFolder(const std::function<bool()>& check) {
  const std::filesystem::path previous = std::filesystem::current_path();
  std::filesystem::current_path(Folder());
  const bool holds = check();
  std::filesystem::current_path(previous);
  if (!holds) std::abort();
}

std::string ReadBytes(const std::string& path) {
  std::ifstream file(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(file), {});
}

void WriteBytes(const std::string& path, std::string_view bytes, unsigned mode) {
  std::filesystem::remove(path);
  std::ofstream(path, std::ios::binary).write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  chmod(path.c_str(), mode);
}
