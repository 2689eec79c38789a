#include "chemicals_database/model/record_index.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <map>
#include <utility>

#include "chemicals_database/model/record_heads.h"
#include "platform/services/path_lookup.h"
#include "platform/services/text_file.h"

struct RecordOffsets {
  FileIdentity identity;
  std::vector<std::size_t> separators;
  RecordHeads heads;
  bool terminated = false;
  bool utf8 = false;
  bool lineEndsOtherThanLf = false;
};

namespace {

// Blocks that stay in the processor's cache while they are searched.
constexpr std::size_t ScanBlock = std::size_t{1} << 18;
constexpr std::string_view Utf8ByteOrderMark = "\xEF\xBB\xBF";

FileIdentity IdentityOf(const struct stat& status) {
  return {static_cast<std::uint64_t>(status.st_dev), static_cast<std::uint64_t>(status.st_ino),
          static_cast<std::int64_t>(status.st_size), static_cast<std::int64_t>(status.st_mtim.tv_sec),
          static_cast<std::int64_t>(status.st_mtim.tv_nsec)};
}

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

bool IsLineEnd(char c) { return c == '\n' || c == '\r'; }

// A database of megabytes is mostly ASCII: four words at a time are OR-ed and tested at once.
bool HoldsBytesBeyondAscii(std::string_view text) {
  constexpr std::uint64_t HighBits = 0x8080808080808080ULL;
  constexpr std::size_t Word = sizeof(std::uint64_t);
  std::size_t at = 0;
  for (; at + 4 * Word <= text.size(); at += 4 * Word) {
    std::uint64_t words[4];
    std::memcpy(words, text.data() + at, sizeof words);
    if (((words[0] | words[1]) | (words[2] | words[3])) & HighBits) return true;
  }
  return std::any_of(text.begin() + static_cast<std::ptrdiff_t>(at), text.end(),
                     [](char c) { return static_cast<unsigned char>(c) >= 0x80; });
}

// Where the line after the one that starts at `at` begins (a CR LF is one line end); npos when
// the text ends before its line end.
std::size_t NextLineStart(std::string_view text, std::size_t at) {
  const std::size_t end = platform::FindLineEnd(text, at);
  if (end == std::string_view::npos) return end;
  return end + (text[end] == '\r' && end + 1 < text.size() && text[end + 1] == '\n' ? 2 : 1);
}

// The block of the file from `at` that ends with a whole line: cut after its last line feed, or
// after a lone CR (one at the very end may be the first half of a CR LF).
std::size_t WholeLinesLength(std::string_view block, bool endsFile) {
  if (endsFile) return block.size();
  if (const auto lf = block.rfind('\n'); lf != std::string_view::npos) return lf + 1;
  if (block.size() >= 2) {
    if (const auto cr = block.find_last_of('\r', block.size() - 2); cr != std::string_view::npos) return cr + 1;
  }
  return block.size();
}

class OffsetScan {
 public:
  OffsetScan(int descriptor, RecordOffsets& offsets) : descriptor_(descriptor), offsets_(offsets) {}

  bool Run() {
    const auto size = static_cast<std::size_t>(offsets_.identity.size);
    std::string block;
    bool lineStart = true;
    for (std::size_t at = 0; at < size;) {
      if (!ReadAt(descriptor_, at, std::min(size, at + ScanBlock), block)) return false;
      std::string_view text = block;
      text = text.substr(0, WholeLinesLength(text, at + text.size() >= size));
      std::size_t skipped = 0;
      if (at == 0 && text.starts_with(Utf8ByteOrderMark)) skipped = Utf8ByteOrderMark.size();
      CheckCharacters(text.substr(skipped));
      FindSeparators(text, at, skipped, lineStart);
      lineStart = IsLineEnd(text.back());
      at += text.size();
    }
    return Finish();
  }

 private:
  void CheckCharacters(std::string_view text) {
    if (!utf8Possible_ || !HoldsBytesBeyondAscii(text)) return;
    if (platform::ProgramTextFromUtf8(text))
      beyondAscii_ = true;
    else
      utf8Possible_ = false;
  }

  // The backslash lines that start a line, and the records' bytes for their heads.
  void FindSeparators(std::string_view text, std::size_t at, std::size_t skipped, bool lineStart) {
    if (!offsets_.lineEndsOtherThanLf && text.find('\r') != std::string_view::npos) offsets_.lineEndsOtherThanLf = true;
    std::size_t recordBytes = skipped;
    for (std::size_t p = text.find('\\', skipped); p != std::string_view::npos; p = text.find('\\', p + 1)) {
      const bool startsLine = p == skipped ? (p > 0 || lineStart) : IsLineEnd(text[p - 1]);
      if (!startsLine) continue;
      offsets_.separators.push_back(at + p);
      offsets_.heads.Take(text.substr(recordBytes, p - recordBytes));
      offsets_.heads.Begin();
      recordBytes = p;
    }
    offsets_.heads.Take(text.substr(recordBytes));
  }

  // The closing line and the character set.
  bool Finish() {
    offsets_.heads.End();
    const auto& separators = offsets_.separators;
    const auto size = static_cast<std::size_t>(offsets_.identity.size);
    if (!separators.empty()) {
      std::string bytes;
      if (!ReadAt(descriptor_, separators.back(), size, bytes)) return false;
      const std::size_t next = NextLineStart(bytes, 0);
      offsets_.terminated = next == std::string_view::npos || next == bytes.size();
    }
    offsets_.utf8 = utf8Possible_ && beyondAscii_;
    if (offsets_.utf8) offsets_.heads.ConvertFromUtf8();
    return true;
  }

  int descriptor_;
  RecordOffsets& offsets_;
  bool utf8Possible_ = true;
  bool beyondAscii_ = false;
};

std::shared_ptr<const RecordOffsets> BuildOffsets(int descriptor, const struct stat& status) {
  auto offsets = std::make_shared<RecordOffsets>();
  offsets->identity = IdentityOf(status);
  if (!OffsetScan(descriptor, *offsets).Run()) return nullptr;
  return offsets;
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

int DatabaseFile::SeparatorCount() const { return static_cast<int>(offsets_->separators.size()); }

int DatabaseFile::RecordCount() const { return SeparatorCount() - (offsets_->terminated ? 1 : 0); }

bool DatabaseFile::Terminated() const { return offsets_->terminated; }

std::size_t DatabaseFile::Size() const { return static_cast<std::size_t>(offsets_->identity.size); }

std::size_t DatabaseFile::SeparatorOffset(int n) const {
  if (n < 1) return 0;
  if (n > SeparatorCount()) return Size();
  return offsets_->separators[static_cast<std::size_t>(n) - 1];
}

const FileIdentity& DatabaseFile::Identity() const { return offsets_->identity; }

std::string_view DatabaseFile::Head(int n) const {
  return n >= 1 ? offsets_->heads.Head(static_cast<std::size_t>(n) - 1) : std::string_view{};
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

bool DatabaseFile::NeedsWholeRewrite() const { return offsets_->utf8 || offsets_->lineEndsOtherThanLf; }

bool DatabaseFile::Read(std::size_t from, std::size_t to, std::string& bytes) const {
  return ReadAt(descriptor_, from, std::min(to, Size()), bytes);
}

bool DatabaseFile::ReadText(std::size_t from, std::size_t to, std::string& text) const {
  if (!Read(from, to, text)) return false;
  if (offsets_->utf8) {
    if (from == 0 && text.starts_with(Utf8ByteOrderMark)) text.erase(0, Utf8ByteOrderMark.size());
    if (auto converted = platform::ProgramTextFromUtf8(text)) text = std::move(*converted);
  }
  return true;
}

std::string_view DatabaseFile::ProgramText(std::string_view recordBytes, std::string& converted) const {
  if (!offsets_->utf8 || !HoldsBytesBeyondAscii(recordBytes)) return recordBytes;
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
