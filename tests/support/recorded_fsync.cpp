#include "tests/support/recorded_fsync.h"

#include <sys/stat.h>
#include <sys/syscall.h>
#include <unistd.h>

std::atomic<int> FolderFlushes{0};

extern "C" int fsync(int descriptor) {
  struct stat status {};
  if (fstat(descriptor, &status) == 0 && S_ISDIR(status.st_mode)) ++FolderFlushes;
  return static_cast<int>(syscall(SYS_fsync, descriptor));
}
