#include "platform/services/cached_file_lines.h"

#include <sys/stat.h>

#include "platform/services/path_lookup.h"

namespace platform {
namespace {

// How long a file's stamps must lie in the past before its lines are kept.
constexpr time_t SettledSeconds = 1;

bool SameTime(const timespec& first, const timespec& second) {
  return first.tv_sec == second.tv_sec && first.tv_nsec == second.tv_nsec;
}

bool SettledBefore(const timespec& stamp, const timespec& now) {
  return stamp.tv_sec + SettledSeconds < now.tv_sec ||
         (stamp.tv_sec + SettledSeconds == now.tv_sec && stamp.tv_nsec < now.tv_nsec);
}

}  // namespace

bool CachedFileLines::Stamp::operator==(const Stamp& other) const {
  return device == other.device && inode == other.inode && size == other.size && mode == other.mode &&
         SameTime(modified, other.modified) && SameTime(changed, other.changed);
}

std::optional<CachedFileLines::Stamp> CachedFileLines::StampOf(std::string_view programPath) {
  const auto path = FindExistingPath(programPath);
  struct stat status {};
  if (!path || stat(path->c_str(), &status) != 0) return std::nullopt;
  return Stamp{status.st_dev, status.st_ino, status.st_size, status.st_mode, status.st_mtim, status.st_ctim};
}

const FileLines& CachedFileLines::Read() {
  timespec now{};
  clock_gettime(CLOCK_REALTIME, &now);
  // Taken before reading: a change while the file is read leaves stamps that differ next time.
  const std::optional<Stamp> stamp = StampOf(programPath_);
  if (stamp && stamp_ && *stamp == *stamp_) return lines_;
  lines_ = ReadFileLines(programPath_);
  const bool settled = stamp && SettledBefore(stamp->modified, now) && SettledBefore(stamp->changed, now);
  stamp_ = settled ? stamp : std::nullopt;
  return lines_;
}

}  // namespace platform
