#include "platform/services/file_pair_rewrite.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <array>
#include <atomic>
#include <cerrno>
#include <cstdio>
#include <string>
#include <system_error>

namespace platform {
namespace {

namespace fs = std::filesystem;

// One of the two files: where it goes, whether it was there, and its new contents' file.
struct PendingFile {
  fs::path target;
  bool existed = false;
  struct stat old {};
  fs::path written;
};

fs::path NameBeside(const fs::path& target, std::string_view kind) {
  static std::atomic<unsigned> counter{0};
  return target.parent_path() / ("." + target.filename().string() + std::string(kind) + std::to_string(getpid()) + "-" +
                                 std::to_string(counter++));
}

// The file a link leads to, so that the link stays; the name itself when it is no link or leads nowhere.
fs::path FileBehind(const fs::path& path) {
  std::error_code error;
  if (!fs::is_symlink(path, error)) return path;
  const fs::path resolved = fs::canonical(path, error);
  return error ? path : resolved;
}

bool Prepare(const fs::path& path, PendingFile& file) {
  file.target = FileBehind(path);
  std::error_code error;
  const fs::path folder = file.target.parent_path().empty() ? "." : file.target.parent_path();
  if (!fs::is_directory(folder, error)) return false;
  file.existed = stat(file.target.c_str(), &file.old) == 0;
  return !file.existed || (S_ISREG(file.old.st_mode) && (file.old.st_mode & 0222) != 0);
}

bool WriteAll(int descriptor, std::string_view contents) {
  while (!contents.empty()) {
    const ssize_t written = write(descriptor, contents.data(), contents.size());
    if (written < 0 && errno == EINTR) continue;
    if (written <= 0) return false;
    contents.remove_prefix(static_cast<std::size_t>(written));
  }
  return true;
}

// The contents whole on disk in a new file beside the target, with the old file's mode; on any
// failure the new file is removed.
bool WriteBeside(PendingFile& file, std::string_view contents) {
  const fs::path name = NameBeside(file.target, ".new-");
  const int descriptor = open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
  if (descriptor < 0) return false;
  bool written = WriteAll(descriptor, contents);
  if (written && file.existed) written = fchmod(descriptor, file.old.st_mode & 07777) == 0;
  if (written) written = fsync(descriptor) == 0;
  if (close(descriptor) != 0) written = false;
  if (!written) {
    unlink(name.c_str());
    return false;
  }
  file.written = name;
  return true;
}

void FlushFolder(const fs::path& target) {
  const fs::path folder = target.parent_path().empty() ? "." : target.parent_path();
  const int descriptor = open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (descriptor < 0) return;
  fsync(descriptor);
  close(descriptor);
}

// Puts both new files in place. The old first file is kept under a second name until the second
// rename is done, so that a failure of that rename can bring it back.
bool RenameBoth(PendingFile& first, PendingFile& second) {
  fs::path kept;
  if (first.existed) {
    kept = NameBeside(first.target, ".old-");
    if (link(first.target.c_str(), kept.c_str()) != 0) return false;
  }
  if (std::rename(first.written.c_str(), first.target.c_str()) != 0) {
    if (!kept.empty()) unlink(kept.c_str());
    return false;
  }
  first.written.clear();
  if (std::rename(second.written.c_str(), second.target.c_str()) != 0) {
    if (kept.empty())
      unlink(first.target.c_str());
    else if (std::rename(kept.c_str(), first.target.c_str()) != 0)
      unlink(kept.c_str());
    return false;
  }
  second.written.clear();
  if (!kept.empty()) unlink(kept.c_str());
  return true;
}

// A write beyond a file-size limit fails like any other write instead of ending the program.
void IgnoreFileSizeSignal() {
  static const bool ignored = signal(SIGXFSZ, SIG_IGN) != SIG_ERR;
  (void)ignored;
}

}  // namespace

bool RewriteFilePairSafely(const fs::path& first, std::string_view firstContents, const fs::path& second,
                           std::string_view secondContents) {
  IgnoreFileSizeSignal();
  std::array<PendingFile, 2> files;
  if (!Prepare(first, files[0]) || !Prepare(second, files[1])) return false;
  const bool done =
      WriteBeside(files[0], firstContents) && WriteBeside(files[1], secondContents) && RenameBoth(files[0], files[1]);
  for (const PendingFile& file : files)
    if (!file.written.empty()) unlink(file.written.c_str());
  if (done) {
    FlushFolder(files[0].target);
    if (files[1].target.parent_path() != files[0].target.parent_path()) FlushFolder(files[1].target);
  }
  return done;
}

}  // namespace platform
