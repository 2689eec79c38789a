#include "chemicals_database/model/record_index.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <map>
#include <utility>

#include "platform/services/path_lookup.h"

struct RecordOffsets {
  dev_t device = 0;
  ino_t inode = 0;
  off_t size = 0;
  timespec modified{};
  std::vector<std::size_t> separators;
  bool terminated = false;

  bool Describes(const struct stat& status) const {
    return device == status.st_dev && inode == status.st_ino && size == status.st_size &&
           modified.tv_sec == status.st_mtim.tv_sec && modified.tv_nsec == status.st_mtim.tv_nsec;
  }
};

namespace {

constexpr std::size_t ScanBlock = std::size_t{1} << 20;

bool ReadAt(int descriptor, std::size_t from, std::size_t to, std::string& bytes) {
  bytes.resize(to > from ? to - from : 0);
  std::size_t done = 0;
  while (done < bytes.size()) {
    const ssize_t got = pread(descriptor, bytes.data() + done, bytes.size() - done, static_cast<off_t>(from + done));
    if (got < 0 && errno == EINTR) continue;
    if (got <= 0) return false;
    done += static_cast<std::size_t>(got);
  }
  return true;
}

// Scans the file for lines that begin with a backslash.
std::shared_ptr<const RecordOffsets> BuildOffsets(int descriptor, const struct stat& status) {
  auto offsets = std::make_shared<RecordOffsets>();
  offsets->device = status.st_dev;
  offsets->inode = status.st_ino;
  offsets->size = status.st_size;
  offsets->modified = status.st_mtim;
  const auto size = static_cast<std::size_t>(status.st_size);
  std::string block;
  char previous = '\n';
  for (std::size_t at = 0; at < size; at += block.size()) {
    if (!ReadAt(descriptor, at, std::min(size, at + ScanBlock), block)) return nullptr;
    if (previous == '\n' && block.front() == '\\') offsets->separators.push_back(at);
    for (const char* p = block.data();
         (p = static_cast<const char*>(std::memchr(p, '\\', block.data() + block.size() - p))); ++p) {
      if (p != block.data() && p[-1] == '\n')
        offsets->separators.push_back(at + static_cast<std::size_t>(p - block.data()));
    }
    previous = block.back();
  }
  if (!offsets->separators.empty()) {
    const std::size_t last = offsets->separators.back();
    const char* end = nullptr;
    std::string tail;
    if (ReadAt(descriptor, last, size, tail))
      end = static_cast<const char*>(std::memchr(tail.data(), '\n', tail.size()));
    offsets->terminated = end == nullptr || end == tail.data() + tail.size() - 1;
  }
  return offsets;
}

std::shared_ptr<const RecordOffsets> OffsetsFor(const std::string& path, int descriptor, const struct stat& status) {
  static std::map<std::string, std::shared_ptr<const RecordOffsets>> known;
  auto& offsets = known[path];
  if (!offsets || !offsets->Describes(status)) offsets = BuildOffsets(descriptor, status);
  return offsets;
}

}  // namespace

std::optional<DatabaseFile> DatabaseFile::Open(std::string_view programPath) {
  const auto path = platform::FindExistingPath(programPath);
  if (!path) return std::nullopt;
  const int descriptor = open(path->c_str(), O_RDONLY | O_CLOEXEC);
  if (descriptor < 0) return std::nullopt;
  struct stat status {};
  std::shared_ptr<const RecordOffsets> offsets;
  // A file marked read-only opens as missing, as every table the program opens for update.
  if (fstat(descriptor, &status) == 0 && S_ISREG(status.st_mode) && (status.st_mode & 0222) != 0)
    offsets = OffsetsFor(path->string(), descriptor, status);
  if (!offsets) {
    close(descriptor);
    return std::nullopt;
  }
  return DatabaseFile(descriptor, std::move(offsets));
}

DatabaseFile::DatabaseFile(int descriptor, std::shared_ptr<const RecordOffsets> offsets)
    : descriptor_(descriptor), offsets_(std::move(offsets)) {}

DatabaseFile::DatabaseFile(DatabaseFile&& other) noexcept
    : descriptor_(std::exchange(other.descriptor_, -1)), offsets_(std::move(other.offsets_)) {}

DatabaseFile& DatabaseFile::operator=(DatabaseFile&& other) noexcept {
  if (this != &other) {
    if (descriptor_ >= 0) close(descriptor_);
    descriptor_ = std::exchange(other.descriptor_, -1);
    offsets_ = std::move(other.offsets_);
  }
  return *this;
}

DatabaseFile::~DatabaseFile() {
  if (descriptor_ >= 0) close(descriptor_);
}

int DatabaseFile::SeparatorCount() const { return static_cast<int>(offsets_->separators.size()); }

int DatabaseFile::RecordCount() const { return SeparatorCount() - (offsets_->terminated ? 1 : 0); }

bool DatabaseFile::Terminated() const { return offsets_->terminated; }

std::size_t DatabaseFile::Size() const { return static_cast<std::size_t>(offsets_->size); }

std::size_t DatabaseFile::SeparatorOffset(int n) const {
  if (n < 1) return 0;
  if (n > SeparatorCount()) return Size();
  return offsets_->separators[static_cast<std::size_t>(n) - 1];
}

bool DatabaseFile::Read(std::size_t from, std::size_t to, std::string& bytes) const {
  return ReadAt(descriptor_, from, std::min(to, Size()), bytes);
}

void SplitLines(std::string_view bytes, std::vector<std::string_view>& lines) {
  lines.clear();
  while (!bytes.empty()) {
    const auto end = bytes.find('\n');
    std::string_view line = bytes.substr(0, end);
    if (line.ends_with('\r')) line.remove_suffix(1);
    lines.push_back(line);
    if (end == std::string_view::npos) break;
    bytes.remove_prefix(end + 1);
  }
}

std::string_view RecordBytes(std::string_view bytes, const DatabaseFile& file, int first, int n) {
  const std::size_t base = file.SeparatorOffset(first);
  const std::size_t from = file.SeparatorOffset(n) - base;
  const std::size_t to = file.SeparatorOffset(n + 1) - base;
  if (from >= bytes.size()) return {};
  return bytes.substr(from, std::min(to, bytes.size()) - from);
}
