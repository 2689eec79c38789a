#include "chemicals_database/model/record_scan.h"

#include <unistd.h>

#include <algorithm>
#include <cerrno>

#include "chemicals_database/model/parallel_parts.h"
#include "platform/services/text_file.h"

namespace {

constexpr std::size_t SmallestBlock = 16;

bool IsLineEnd(char c) { return c == '\n' || c == '\r'; }
bool IsUtf8Continuation(char c) { return (static_cast<unsigned char>(c) & 0xC0) == 0x80; }

// Where the line after the one that starts at `at` begins (a CR LF is one line end); npos when
// the text ends before its line end.
std::size_t NextLineStart(std::string_view text, std::size_t at) {
  const std::size_t end = platform::FindLineEnd(text, at);
  if (end == std::string_view::npos) return end;
  return end + (text[end] == '\r' && end + 1 < text.size() && text[end + 1] == '\n' ? 2 : 1);
}

// A block cut inside a line: before a UTF-8 character it does not hold whole, so that the
// character check sees every character in one piece.
std::size_t WholeCharactersLength(std::string_view block) {
  std::size_t continuations = 0;
  while (continuations < 3 && continuations < block.size() &&
         IsUtf8Continuation(block[block.size() - 1 - continuations]))
    ++continuations;
  if (continuations == block.size()) return block.size();
  const auto lead = static_cast<unsigned char>(block[block.size() - 1 - continuations]);
  const std::size_t length = lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC0 ? 2 : 1;
  const std::size_t cut = block.size() - 1 - continuations;
  return length > continuations + 1 && cut > 0 ? cut : block.size();
}

// The block ending with a whole line: cut after its last line end, or where WholeCharactersLength
// says when it holds none.
std::size_t WholeLinesLength(std::string_view block) {
  for (std::size_t at = block.size(); at > 0; --at)
    if (IsLineEnd(block[at - 1])) return at;
  return WholeCharactersLength(block);
}

// What one chunk holds: the backslash lines that begin in it, the heads of their records, and
// what its bytes say of the file's form.
struct ChunkFindings {
  std::vector<std::size_t> separators;
  RecordHeads heads;
  bool holdsCr = false;
  bool beyondAscii = false;
  bool notUtf8 = false;
  bool readFailed = false;
};

class ChunkScanner {
 public:
  ChunkScanner(int descriptor, std::size_t size, std::size_t blockBytes, std::string& block)
      : descriptor_(descriptor), size_(size), blockBytes_(blockBytes), block_(block) {}

  // The chunk from..to: its lines run from the first line start at or after `from` to the first
  // one at or after `to`, so that neighbouring chunks share their border without looking at each
  // other.
  void Scan(std::size_t from, std::size_t to, ChunkFindings& found) {
    found_ = &found;
    std::size_t at = from == 0 ? 0 : from - 1;
    if (from > 0 && !SkipToLineStart(at)) return;
    if (at >= to) return;
    if (!ScanOwnLines(at, to)) return;
    ReadLastHead(at);
    found.heads.End();
  }

 private:
  bool Read(std::size_t at, std::size_t bytes) {
    if (ReadBytesAt(descriptor_, at, std::min(size_, at + bytes), block_)) return true;
    found_->readFailed = true;
    return false;
  }

  // From `at` to just after the first line end there.
  bool SkipToLineStart(std::size_t& at) {
    while (at < size_) {
      if (!Read(at, std::min(blockBytes_, HeadBlock))) return false;
      const std::size_t end = platform::FindLineEnd(block_);
      if (end != std::string_view::npos) {
        at += end + 1;
        return true;
      }
      at += block_.size();
    }
    return true;
  }

  // The lines from `at`, a line start, to the first line start at or after `to`; `at` is left there.
  bool ScanOwnLines(std::size_t& at, std::size_t to) {
    bool lineStart = true;
    for (bool last = false; !last;) {
      if (!Read(at, blockBytes_)) return false;
      std::string_view text = block_;
      const std::size_t lastByte = std::max(to - 1, at) - at;
      const std::size_t chunkEnd =
          lastByte < text.size() ? platform::FindLineEnd(text, lastByte) : std::string_view::npos;
      if (chunkEnd != std::string_view::npos) {
        text = text.substr(0, chunkEnd + 1);
        last = true;
      } else if (at + text.size() >= size_) {
        last = true;
      } else {
        text = text.substr(0, WholeLinesLength(text));
      }
      const std::size_t skipped =
          at == 0 && text.starts_with(platform::Utf8ByteOrderMark) ? platform::Utf8ByteOrderMark.size() : 0;
      CheckCharacters(text.substr(skipped));
      if (!found_->holdsCr && text.find('\r') != std::string_view::npos) found_->holdsCr = true;
      FindSeparators(text, at, skipped, lineStart);
      lineStart = IsLineEnd(text.back());
      at += text.size();
    }
    return true;
  }

  void CheckCharacters(std::string_view text) {
    if (found_->notUtf8 || !platform::HoldsBytesBeyondAscii(text)) return;
    if (platform::ProgramTextFromUtf8(text))
      found_->beyondAscii = true;
    else
      found_->notUtf8 = true;
  }

  // The backslash lines that start a line, and the records' bytes for their heads.
  void FindSeparators(std::string_view text, std::size_t at, std::size_t skipped, bool lineStart) {
    RecordHeads& heads = found_->heads;
    std::size_t recordBytes = skipped;
    for (std::size_t p = text.find('\\', skipped); p != std::string_view::npos; p = text.find('\\', p + 1)) {
      const bool startsLine = p == skipped ? (p > 0 || lineStart) : IsLineEnd(text[p - 1]);
      if (!startsLine) continue;
      found_->separators.push_back(at + p);
      heads.Take(text.substr(recordBytes, p - recordBytes));
      heads.Begin();
      recordBytes = p;
    }
    heads.Take(text.substr(recordBytes));
  }

  // The rest of the chunk's last head, from `at` (a line start past the chunk) up to the next
  // backslash line or the end of the file.
  void ReadLastHead(std::size_t at) {
    RecordHeads& heads = found_->heads;
    bool lineStart = true;
    while (heads.WantsMore() && at < size_) {
      if (!Read(at, std::min(blockBytes_, HeadBlock))) return;
      const std::string_view text = block_;
      for (std::size_t p = text.find('\\'); p != std::string_view::npos; p = text.find('\\', p + 1)) {
        if (p == 0 ? lineStart : IsLineEnd(text[p - 1])) {
          heads.Take(text.substr(0, p));
          return;
        }
      }
      heads.Take(text);
      lineStart = IsLineEnd(text.back());
      at += text.size();
    }
  }

  // A head is a few short lines, and a line seldom long: the bytes a chunk looks at beyond its
  // own lines are read in smaller blocks.
  static constexpr std::size_t HeadBlock = std::size_t{1} << 14;

  int descriptor_;
  std::size_t size_;
  std::size_t blockBytes_;
  std::string& block_;
  ChunkFindings* found_ = nullptr;
};

std::vector<ChunkFindings> ScanChunks(int descriptor, std::size_t size, const ScanCuts& cuts) {
  const std::size_t chunkBytes = std::max<std::size_t>(cuts.chunkBytes, 1);
  const std::size_t blockBytes = std::max(cuts.blockBytes, SmallestBlock);
  std::vector<ChunkFindings> found(size / chunkBytes + (size % chunkBytes != 0 ? 1 : 0));
  DoPartsInParallel(found.size(), cuts.threads, [&](std::size_t chunk) {
    thread_local std::string block;  // one buffer for all the chunks a thread scans
    ChunkScanner(descriptor, size, blockBytes, block)
        .Scan(chunk * chunkBytes, std::min(size, (chunk + 1) * chunkBytes), found[chunk]);
  });
  return found;
}

}  // namespace

bool ReadBytesAt(int descriptor, std::size_t from, std::size_t to, std::string& bytes) {
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

std::optional<RecordScan> ScanRecordFile(int descriptor, std::size_t size, const ScanCuts& cuts) {
  std::vector<ChunkFindings> chunks = ScanChunks(descriptor, size, cuts);
  RecordScan scan;
  bool utf8Possible = true;
  bool beyondAscii = false;
  std::size_t separators = 0;
  for (const ChunkFindings& chunk : chunks) {
    if (chunk.readFailed) return std::nullopt;
    separators += chunk.separators.size();
  }
  scan.separators.reserve(separators);
  std::vector<RecordHeads> heads;
  heads.reserve(chunks.size());
  for (ChunkFindings& chunk : chunks) {
    scan.separators.insert(scan.separators.end(), chunk.separators.begin(), chunk.separators.end());
    heads.push_back(std::move(chunk.heads));
    scan.lineEndsOtherThanLf = scan.lineEndsOtherThanLf || chunk.holdsCr;
    utf8Possible = utf8Possible && !chunk.notUtf8;
    beyondAscii = beyondAscii || chunk.beyondAscii;
  }
  scan.heads = RecordHeads::Joined(std::move(heads));
  if (!scan.separators.empty()) {
    std::string bytes;
    if (!ReadBytesAt(descriptor, scan.separators.back(), size, bytes)) return std::nullopt;
    const std::size_t next = NextLineStart(bytes, 0);
    scan.terminated = next == std::string_view::npos || next == bytes.size();
  }
  scan.utf8 = utf8Possible && beyondAscii;
  if (scan.utf8) scan.heads.ConvertFromUtf8();
  return scan;
}
