// Fails the n-th call that changes a file in the watched folder; see write_fault_shim.h.
#include "tests/support/write_fault_shim.h"

#include <dlfcn.h>
#include <fcntl.h>
#include <limits.h>
#include <stdio.h>
#include <sys/stat.h>
#include <sys/uio.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <cstdarg>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>

namespace {

// Read once from the environment; plain arrays, so that calls made while the program ends still find them.
struct Settings {
  char folder[PATH_MAX] = {};
  std::size_t folderLength = 0;
  long faultAt = 0;
  bool persists = false;
  char report[PATH_MAX] = {};
};

void CopyVariable(const char* name, char (&into)[PATH_MAX]) {
  const char* value = std::getenv(name);
  if (value != nullptr && std::strlen(value) < PATH_MAX) std::strcpy(into, value);
}

const Settings& Watched() {
  static const Settings settings = [] {
    Settings read;
    CopyVariable(FaultFolderVariable, read.folder);
    read.folderLength = std::strlen(read.folder);
    while (read.folderLength > 1 && read.folder[read.folderLength - 1] == '/') read.folder[--read.folderLength] = '\0';
    const char* at = std::getenv(FaultAtVariable);
    if (at != nullptr) read.faultAt = std::strtol(at, nullptr, 10);
    const char* persists = std::getenv(FaultPersistsVariable);
    read.persists = persists != nullptr && std::strcmp(persists, "1") == 0;
    CopyVariable(FaultReportVariable, read.report);
    return read;
  }();
  return settings;
}

std::atomic<long> CountedCalls{0};

template <typename Function>
Function* Real(const char* name) {
  return reinterpret_cast<Function*>(dlsym(RTLD_NEXT, name));
}

bool Watching() { return Watched().folderLength > 0 && Watched().faultAt > 0; }

bool InFolder(std::string_view path) {
  const std::string_view folder(Watched().folder, Watched().folderLength);
  return path.starts_with(folder) && (path.size() == folder.size() || path[folder.size()] == '/');
}

// The path a descriptor was opened on, as the kernel names it, into `path`; empty when unknown.
std::string_view DescriptorPath(int descriptor, char (&path)[PATH_MAX]) {
  char proc[32];
  std::snprintf(proc, sizeof proc, "/proc/self/fd/%d", descriptor);
  const ssize_t length = readlink(proc, path, sizeof path);
  return length > 0 ? std::string_view(path, static_cast<std::size_t>(length)) : std::string_view();
}

bool DescriptorInFolder(int descriptor) {
  char path[PATH_MAX];
  return Watching() && InFolder(DescriptorPath(descriptor, path));
}

bool OpenedForWriting(int descriptor) {
  const int flags = fcntl(descriptor, F_GETFL);
  return flags >= 0 && (flags & O_ACCMODE) != O_RDONLY;
}

// A file whose sync or close failed may have lost what was written to it: the shim takes it as lost,
// so that a program that goes on after the failure puts an empty file in place.
void LoseWrittenData(int descriptor) {
  struct stat status {};
  if (fstat(descriptor, &status) == 0 && S_ISREG(status.st_mode) && OpenedForWriting(descriptor))
    (void)ftruncate(descriptor, 0);
}

// Whether a path, relative to the folder `base` names (AT_FDCWD: the current folder), lies in the
// watched folder; the folder that holds it is resolved, the name itself need not exist.
bool PathInFolder(int base, const char* path) {
  if (!Watching() || path == nullptr) return false;
  std::string full = path;
  if (full.empty() || full.front() != '/') {
    std::string from;
    if (base == AT_FDCWD) {
      char current[PATH_MAX];
      if (getcwd(current, sizeof current) == nullptr) return false;
      from = current;
    } else {
      char folder[PATH_MAX];
      from = DescriptorPath(base, folder);
    }
    full = from + "/" + full;
  }
  const std::size_t slash = full.find_last_of('/');
  const std::string parent = slash == 0 ? std::string("/") : full.substr(0, slash);
  char resolved[PATH_MAX];
  if (realpath(parent.c_str(), resolved) == nullptr) return false;
  return InFolder(resolved);
}

void Report(long number, const char* call) {
  if (Watched().report[0] == '\0') return;
  static auto* const realOpen = Real<int(const char*, int, ...)>("open");
  static auto* const realWrite = Real<ssize_t(int, const void*, size_t)>("write");
  static auto* const realClose = Real<int(int)>("close");
  const int descriptor = realOpen(Watched().report, O_WRONLY | O_APPEND | O_CREAT | O_CLOEXEC, 0644);
  if (descriptor < 0) return;
  char line[64];
  const int length = std::snprintf(line, sizeof line, "%ld %s\n", number, call);
  (void)realWrite(descriptor, line, static_cast<std::size_t>(length));
  realClose(descriptor);
}

// Counts a call in the folder; true when it is the one to fail, or comes after it on a disk that
// stays full.
bool Fails(const char* call) {
  const long number = ++CountedCalls;
  const long at = Watched().faultAt;
  const bool fails = number == at || (Watched().persists && number > at);
  if (fails) Report(number, call);
  return fails;
}

template <typename Result>
Result Failed(int error) {
  errno = error;
  return static_cast<Result>(-1);
}

bool OpensForWriting(int flags) { return (flags & (O_WRONLY | O_RDWR | O_CREAT | O_TRUNC)) != 0; }

mode_t ModeArgument(int flags, va_list arguments) {
  return (flags & (O_CREAT | O_TMPFILE)) != 0 ? static_cast<mode_t>(va_arg(arguments, int)) : 0;
}

using OpenAtFunction = int(int, const char*, int, ...);

int OpenAt(const char* call, OpenAtFunction* real, int base, const char* path, int flags, mode_t mode) {
  if (OpensForWriting(flags) && PathInFolder(base, path) && Fails(call)) return Failed<int>(ENOSPC);
  return real(base, path, flags, mode);
}

}  // namespace

extern "C" {

ssize_t write(int descriptor, const void* buffer, size_t size) {
  if (DescriptorInFolder(descriptor) && Fails("write")) return Failed<ssize_t>(ENOSPC);
  static auto* const real = Real<ssize_t(int, const void*, size_t)>("write");
  return real(descriptor, buffer, size);
}

ssize_t writev(int descriptor, const struct iovec* pieces, int count) {
  if (DescriptorInFolder(descriptor) && Fails("writev")) return Failed<ssize_t>(ENOSPC);
  static auto* const real = Real<ssize_t(int, const struct iovec*, int)>("writev");
  return real(descriptor, pieces, count);
}

ssize_t pwrite(int descriptor, const void* buffer, size_t size, off_t offset) {
  if (DescriptorInFolder(descriptor) && Fails("pwrite")) return Failed<ssize_t>(ENOSPC);
  static auto* const real = Real<ssize_t(int, const void*, size_t, off_t)>("pwrite");
  return real(descriptor, buffer, size, offset);
}

int fchmod(int descriptor, mode_t mode) noexcept {
  if (DescriptorInFolder(descriptor) && Fails("fchmod")) return Failed<int>(EIO);
  static auto* const real = Real<int(int, mode_t)>("fchmod");
  return real(descriptor, mode);
}

int fsync(int descriptor) {
  if (DescriptorInFolder(descriptor) && Fails("fsync")) {
    LoseWrittenData(descriptor);
    return Failed<int>(EIO);
  }
  static auto* const real = Real<int(int)>("fsync");
  return real(descriptor);
}

int fdatasync(int descriptor) {
  if (DescriptorInFolder(descriptor) && Fails("fdatasync")) {
    LoseWrittenData(descriptor);
    return Failed<int>(EIO);
  }
  static auto* const real = Real<int(int)>("fdatasync");
  return real(descriptor);
}

int close(int descriptor) {
  const bool fails = DescriptorInFolder(descriptor) && OpenedForWriting(descriptor) && Fails("close");
  if (fails) LoseWrittenData(descriptor);
  static auto* const real = Real<int(int)>("close");
  const int closed = real(descriptor);
  return fails ? Failed<int>(EIO) : closed;
}

int open(const char* path, int flags, ...) {
  va_list arguments;
  va_start(arguments, flags);
  const mode_t mode = ModeArgument(flags, arguments);
  va_end(arguments);
  static auto* const real = Real<OpenAtFunction>("openat");
  return OpenAt("open", real, AT_FDCWD, path, flags, mode);
}

int open64(const char* path, int flags, ...) {
  va_list arguments;
  va_start(arguments, flags);
  const mode_t mode = ModeArgument(flags, arguments);
  va_end(arguments);
  static auto* const real = Real<OpenAtFunction>("openat64");
  return OpenAt("open64", real, AT_FDCWD, path, flags, mode);
}

int openat(int base, const char* path, int flags, ...) {
  va_list arguments;
  va_start(arguments, flags);
  const mode_t mode = ModeArgument(flags, arguments);
  va_end(arguments);
  static auto* const real = Real<OpenAtFunction>("openat");
  return OpenAt("openat", real, base, path, flags, mode);
}

int openat64(int base, const char* path, int flags, ...) {
  va_list arguments;
  va_start(arguments, flags);
  const mode_t mode = ModeArgument(flags, arguments);
  va_end(arguments);
  static auto* const real = Real<OpenAtFunction>("openat64");
  return OpenAt("openat64", real, base, path, flags, mode);
}

int rename(const char* from, const char* to) noexcept {
  if ((PathInFolder(AT_FDCWD, from) || PathInFolder(AT_FDCWD, to)) && Fails("rename")) return Failed<int>(EIO);
  static auto* const real = Real<int(const char*, const char*)>("rename");
  return real(from, to);
}

int renameat(int fromBase, const char* from, int toBase, const char* to) noexcept {
  if ((PathInFolder(fromBase, from) || PathInFolder(toBase, to)) && Fails("renameat")) return Failed<int>(EIO);
  static auto* const real = Real<int(int, const char*, int, const char*)>("renameat");
  return real(fromBase, from, toBase, to);
}

int renameat2(int fromBase, const char* from, int toBase, const char* to, unsigned int flags) noexcept {
  if ((PathInFolder(fromBase, from) || PathInFolder(toBase, to)) && Fails("renameat2")) return Failed<int>(EIO);
  static auto* const real = Real<int(int, const char*, int, const char*, unsigned int)>("renameat2");
  return real(fromBase, from, toBase, to, flags);
}

}  // extern "C"
