#include "platform/services/rewrite_steps.h"

#include <fcntl.h>
#include <signal.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <charconv>
#include <string>
#include <system_error>

namespace platform::rewrite {
namespace {

// Beyond this many links in a row the name is taken as it stands, and the rewrite replaces it.
constexpr int MostLinksFollowed = 40;
constexpr std::string_view NewFileKind = ".new-";

std::string NamePrefix(const std::filesystem::path& target, std::string_view kind) {
  return "." + target.filename().string() + std::string(kind);
}

// The process id of a new file's name "PID-N" after the prefix, or 0 when the name is no such.
pid_t WriterOfNewFile(std::string_view rest) {
  const std::size_t dash = rest.find('-');
  if (dash == std::string_view::npos || dash == 0 || dash + 1 == rest.size()) return 0;
  const std::string_view counter = rest.substr(dash + 1);
  if (counter.find_first_not_of("0123456789") != std::string_view::npos) return 0;
  pid_t process = 0;
  const auto [end, error] = std::from_chars(rest.data(), rest.data() + dash, process);
  if (error != std::errc() || end != rest.data() + dash || process <= 0) return 0;
  return process;
}

bool ProcessIsGone(pid_t process) { return kill(process, 0) != 0 && errno == ESRCH; }

bool WriteAll(int descriptor, std::string_view contents) {
  while (!contents.empty()) {
    const ssize_t written = write(descriptor, contents.data(), contents.size());
    if (written < 0 && errno == EINTR) continue;
    if (written <= 0) return false;
    contents.remove_prefix(static_cast<std::size_t>(written));
  }
  return true;
}

// Gives the new file the old one's owner and group, or its group alone, as far as this process
// may; a file this process could not give them to stays the writer's own.
void KeepOwner(int descriptor, const struct stat& existing) {
  if (fchown(descriptor, existing.st_uid, existing.st_gid) != 0) (void)fchown(descriptor, -1, existing.st_gid);
}

}  // namespace

void IgnoreFileSizeSignal() {
  static const bool ignored = signal(SIGXFSZ, SIG_IGN) != SIG_ERR;
  (void)ignored;
}

std::filesystem::path LinkTarget(std::filesystem::path path) {
  std::error_code error;
  for (int followed = 0; followed < MostLinksFollowed && std::filesystem::is_symlink(path, error); ++followed) {
    const std::filesystem::path next = std::filesystem::read_symlink(path, error);
    if (error) break;
    path = next.is_absolute() ? next : path.parent_path() / next;
  }
  return path;
}

std::filesystem::path NameBeside(const std::filesystem::path& target, std::string_view kind) {
  static std::atomic<unsigned> counter{0};
  return target.parent_path() /
         (NamePrefix(target, kind) + std::to_string(getpid()) + "-" + std::to_string(counter++));
}

void RemoveLeftoverNewFiles(const std::filesystem::path& target) {
  const std::string prefix = NamePrefix(target, NewFileKind);
  const std::filesystem::path folder = target.parent_path().empty() ? "." : target.parent_path();
  std::error_code error;
  for (const auto& entry : std::filesystem::directory_iterator(folder, error)) {
    const std::string name = entry.path().filename().string();
    if (!name.starts_with(prefix)) continue;
    const pid_t writer = WriterOfNewFile(std::string_view(name).substr(prefix.size()));
    if (writer != 0 && writer != getpid() && ProcessIsGone(writer)) std::filesystem::remove(entry.path(), error);
  }
}

std::optional<std::filesystem::path> WriteNewFileBeside(const std::filesystem::path& target,
                                                        const struct stat* existing, const PieceWriter& writeContents) {
  const std::filesystem::path name = NameBeside(target, NewFileKind);
  const int descriptor = open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
  if (descriptor < 0) return std::nullopt;
  bool failedWrite = false;
  bool written = writeContents([descriptor, &failedWrite](std::string_view piece) {
    failedWrite = failedWrite || !WriteAll(descriptor, piece);
    return !failedWrite;
  });
  written = written && !failedWrite;
  if (written && existing != nullptr) {
    KeepOwner(descriptor, *existing);
    written = fchmod(descriptor, existing->st_mode & 07777) == 0;
  }
  if (written) written = fsync(descriptor) == 0;
  if (close(descriptor) != 0) written = false;
  if (!written) {
    unlink(name.c_str());
    return std::nullopt;
  }
  return name;
}

void FlushFolder(const std::filesystem::path& target) {
  const std::filesystem::path folder = target.parent_path().empty() ? "." : target.parent_path();
  const int descriptor = open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (descriptor < 0) return;
  fsync(descriptor);
  close(descriptor);
}

}  // namespace platform::rewrite
