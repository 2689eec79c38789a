#include "tests/support/failing_rename.h"

#include <cerrno>
#include <cstdio>
#include <fcntl.h>

std::atomic<bool> FailRenames{false};

extern "C" int rename(const char* from, const char* to) noexcept {
  if (FailRenames) {
    errno = EXDEV;
    return -1;
  }
  return renameat(AT_FDCWD, from, AT_FDCWD, to);
}
