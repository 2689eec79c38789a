#include "platform/services/temporary_file.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

TemporaryFile::TemporaryFile(const std::string& folder, const std::string& prefix, const std::string& suffix) {
  std::string pattern = folder + "/" + prefix + "XXXXXX" + suffix;
  std::vector<char> name(pattern.begin(), pattern.end());
  name.push_back('\0');
  descriptor_ = mkostemps(name.data(), static_cast<int>(suffix.size()), O_CLOEXEC);
  if (descriptor_ < 0) {
    Fail();
    return;
  }
  path_ = name.data();
}

TemporaryFile::~TemporaryFile() {
  if (descriptor_ >= 0) close(descriptor_);
  if (!path_.empty()) unlink(path_.c_str());
}

bool TemporaryFile::Fail() {
  error_ = std::strerror(errno);
  return false;
}

bool TemporaryFile::Write(const std::string& contents) {
  if (descriptor_ < 0) return false;
  for (size_t done = 0; done < contents.size();) {
    const ssize_t written = write(descriptor_, contents.data() + done, contents.size() - done);
    if (written < 0 && errno == EINTR) continue;
    if (written <= 0) return Fail();
    done += static_cast<size_t>(written);
  }
  if (fsync(descriptor_) != 0) return Fail();
  const int descriptor = descriptor_;
  descriptor_ = -1;
  return close(descriptor) == 0 || Fail();
}

bool TemporaryFile::MoveTo(const std::string& target) {
  if (path_.empty() || std::rename(path_.c_str(), target.c_str()) != 0) return Fail();
  path_.clear();
  return true;
}
