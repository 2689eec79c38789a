#include "platform/services/rewrite_lock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>

#include "platform/services/path_lookup.h"

namespace platform {

RewriteLock::RewriteLock(std::string_view programPath) {
  const auto path = PathForWriting(programPath);
  if (!path) return;
  const std::filesystem::path folder = path->parent_path().empty() ? "." : path->parent_path();
  descriptor_ = open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (descriptor_ < 0) return;
  while (flock(descriptor_, LOCK_EX) != 0 && errno == EINTR) {
  }
}

RewriteLock::~RewriteLock() {
  if (descriptor_ >= 0) close(descriptor_);
}

}  // namespace platform
