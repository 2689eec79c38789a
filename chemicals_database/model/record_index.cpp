#include "chemicals_database/model/record_index.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <map>
#include <utility>

#include "chemicals_database/model/record_scan.h"
#include "platform/services/path_lookup.h"
#include "platform/services/text_file.h"

struct RecordOffsets {
  FileIdentity identity;
  RecordScan scan;
};

namespace {

FileIdentity IdentityOf(const struct stat& status) {
  return {static_cast<std::uint64_t>(status.st_dev), static_cast<std::uint64_t>(status.st_ino),
          static_cast<std::int64_t>(status.st_size), static_cast<std::int64_t>(status.st_mtim.tv_sec),
          static_cast<std::int64_t>(status.st_mtim.tv_nsec)};
}

std::shared_ptr<const RecordOffsets> BuildOffsets(int descriptor, const struct stat& status) {
  const FileIdentity identity = IdentityOf(status);
  auto scan = ScanRecordFile(descriptor, static_cast<std::size_t>(identity.size));
  if (!scan) return nullptr;
  return std::make_shared<const RecordOffsets>(RecordOffsets{identity, std::move(*scan)});
}

std::shared_ptr<const RecordOffsets> OffsetsFor(const std::string& path, int descriptor, const struct stat& status) {
  static std::map<std::string, std::shared_ptr<const RecordOffsets>> known;
  auto& offsets = known[path];
  if (!offsets || offsets->identity != IdentityOf(status)) offsets = BuildOffsets(descriptor, status);
  return offsets;
}

}  // namespace

std::optional<DatabaseFile> DatabaseFile::Open(std::string_view programPath, DatabaseFileStatus* status) {
  DatabaseFileStatus ignored{};
  DatabaseFileStatus& result = status != nullptr ? *status : ignored;
  result = DatabaseFileStatus::Missing;
  const auto path = platform::FindExistingPath(programPath);
  if (!path) return std::nullopt;
  result = DatabaseFileStatus::Unreadable;
  const int descriptor = open(path->c_str(), O_RDONLY | O_CLOEXEC);
  if (descriptor < 0) return std::nullopt;
  struct stat fileStatus {};
  std::shared_ptr<const RecordOffsets> offsets;
  if (fstat(descriptor, &fileStatus) == 0 && S_ISREG(fileStatus.st_mode))
    offsets = OffsetsFor(path->string(), descriptor, fileStatus);
  if (!offsets) {
    close(descriptor);
    return std::nullopt;
  }
  result = DatabaseFileStatus::Opened;
  return DatabaseFile(programPath, descriptor, std::move(offsets));
}

DatabaseFile::DatabaseFile(std::string_view programPath, int descriptor, std::shared_ptr<const RecordOffsets> offsets)
    : programPath_(programPath), descriptor_(descriptor), offsets_(std::move(offsets)) {}

DatabaseFile::DatabaseFile(DatabaseFile&& other) noexcept
    : programPath_(std::move(other.programPath_)),
      descriptor_(std::exchange(other.descriptor_, -1)),
      offsets_(std::move(other.offsets_)) {}

DatabaseFile& DatabaseFile::operator=(DatabaseFile&& other) noexcept {
  if (this != &other) {
    if (descriptor_ >= 0) close(descriptor_);
    programPath_ = std::move(other.programPath_);
    descriptor_ = std::exchange(other.descriptor_, -1);
    offsets_ = std::move(other.offsets_);
  }
  return *this;
}

DatabaseFile::~DatabaseFile() {
  if (descriptor_ >= 0) close(descriptor_);
}

int DatabaseFile::SeparatorCount() const { return static_cast<int>(offsets_->scan.separators.size()); }

int DatabaseFile::RecordCount() const { return SeparatorCount() - (offsets_->scan.terminated ? 1 : 0); }

bool DatabaseFile::Terminated() const { return offsets_->scan.terminated; }

std::size_t DatabaseFile::Size() const { return static_cast<std::size_t>(offsets_->identity.size); }

std::size_t DatabaseFile::SeparatorOffset(int n) const {
  if (n < 1) return 0;
  if (n > SeparatorCount()) return Size();
  return offsets_->scan.separators[static_cast<std::size_t>(n) - 1];
}

const FileIdentity& DatabaseFile::Identity() const { return offsets_->identity; }

std::string_view DatabaseFile::Head(int n) const {
  return n >= 1 ? offsets_->scan.heads.Head(static_cast<std::size_t>(n) - 1) : std::string_view{};
}

std::string_view DatabaseFile::Name(int n) const {
  std::string_view head = Head(n);
  for (int line = 1; line < NameLine; ++line) {
    const std::size_t end = head.find('\n');
    if (end == std::string_view::npos) return {};
    head.remove_prefix(end + 1);
  }
  return head.substr(0, head.find('\n'));
}

bool DatabaseFile::NeedsWholeRewrite() const { return offsets_->scan.utf8 || offsets_->scan.lineEndsOtherThanLf; }

bool DatabaseFile::Read(std::size_t from, std::size_t to, std::string& bytes) const {
  return ReadBytesAt(descriptor_, from, std::min(to, Size()), bytes);
}

bool DatabaseFile::ReadText(std::size_t from, std::size_t to, std::string& text) const {
  if (!Read(from, to, text)) return false;
  if (offsets_->scan.utf8) {
    if (from == 0 && text.starts_with(platform::Utf8ByteOrderMark)) text.erase(0, platform::Utf8ByteOrderMark.size());
    if (auto converted = platform::ProgramTextFromUtf8(text)) text = std::move(*converted);
  }
  return true;
}

std::string_view DatabaseFile::ProgramText(std::string_view recordBytes, std::string& converted) const {
  if (!offsets_->scan.utf8 || !platform::HoldsBytesBeyondAscii(recordBytes)) return recordBytes;
  auto text = platform::ProgramTextFromUtf8(recordBytes);
  if (!text) return recordBytes;
  converted = std::move(*text);
  return converted;
}

std::string_view RecordBytes(std::string_view bytes, const DatabaseFile& file, int first, int n) {
  const std::size_t base = file.SeparatorOffset(first);
  const std::size_t from = file.SeparatorOffset(n) - base;
  const std::size_t to = file.SeparatorOffset(n + 1) - base;
  if (from >= bytes.size()) return {};
  return bytes.substr(from, std::min(to, bytes.size()) - from);
}
