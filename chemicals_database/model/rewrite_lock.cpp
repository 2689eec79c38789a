#include "chemicals_database/model/rewrite_lock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>

#include "platform/services/path_lookup.h"

RewriteLock::RewriteLock(std::string_view programPath) {
  const auto path = platform::PathForWriting(programPath);
  if (!path) return;
  const std::filesystem::path folder = path->parent_path().empty() ? "." : path->parent_path();
  descriptor_ = open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (descriptor_ < 0) return;
  int locked = 0;
  while ((locked = flock(descriptor_, LOCK_EX)) != 0 && errno == EINTR) {}
  if (locked != 0) {
    close(descriptor_);
    descriptor_ = -1;
  }
}

RewriteLock::~RewriteLock() {
  if (descriptor_ >= 0) close(descriptor_);
}
