#include "platform/services/file_rewrite.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <cstdio>
#include <string>

#include "platform/services/path_lookup.h"

namespace platform {
namespace {

bool WriteAll(int descriptor, std::string_view contents) {
  while (!contents.empty()) {
    ssize_t written = write(descriptor, contents.data(), contents.size());
    if (written < 0 && errno == EINTR) continue;
    if (written <= 0) return false;
    contents.remove_prefix(static_cast<std::size_t>(written));
  }
  return true;
}

std::filesystem::path TemporaryNameBeside(const std::filesystem::path& target) {
  static std::atomic<unsigned> counter{0};
  std::string name =
      "." + target.filename().string() + ".new-" + std::to_string(getpid()) + "-" + std::to_string(counter++);
  return target.parent_path() / name;
}

}  // namespace

bool RewriteFileSafely(std::string_view programPath, std::string_view contents) {
  auto target = PathForWriting(programPath);
  if (!target) return false;
  struct stat existing {};
  const bool exists = stat(target->c_str(), &existing) == 0;
  if (exists && (!S_ISREG(existing.st_mode) || (existing.st_mode & 0222) == 0)) return false;

  const auto temporary = TemporaryNameBeside(*target);
  int descriptor = open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
  if (descriptor < 0) return false;
  bool written = WriteAll(descriptor, contents);
  if (written && exists) written = fchmod(descriptor, existing.st_mode & 07777) == 0;
  if (written) written = fsync(descriptor) == 0;
  if (close(descriptor) != 0) written = false;
  if (written) written = std::rename(temporary.c_str(), target->c_str()) == 0;
  if (!written) unlink(temporary.c_str());
  return written;
}

}  // namespace platform
