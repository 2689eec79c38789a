#include "chemicals_database/model/record_heads.h"

#include <algorithm>

#include "chemicals_database/model/parallel_parts.h"
#include "platform/services/text_file.h"

namespace {

bool IsUtf8Continuation(char c) { return (static_cast<unsigned char>(c) & 0xC0) == 0x80; }

// The part of a line's bytes to keep after `taken` bytes of it were seen: up to LineKept in all,
// not ending inside a UTF-8 character (at most three bytes given back for it).
std::string_view KeptPart(std::string_view piece, std::size_t taken) {
  if (taken >= RecordHeads::LineKept) return {};
  const std::size_t room = RecordHeads::LineKept - taken;
  if (piece.size() <= room) return piece;
  std::size_t keep = room;
  for (int back = 0; back < 3 && keep > 0 && IsUtf8Continuation(piece[keep]); ++back) --keep;
  return piece.substr(0, keep);
}

}  // namespace

void RecordHeads::Begin() {
  End();
  open_ = true;
  line_ = 1;
  lineTaken_ = 0;
  afterCr_ = false;
}

void RecordHeads::Take(std::string_view bytes) {
  if (bytes.empty()) return;
  std::size_t at = 0;
  if (afterCr_ && bytes.front() == '\n') at = 1;
  afterCr_ = false;
  while (line_ != 0 && at < bytes.size()) {
    at = TakePlainLines(bytes, at);
    if (line_ == 0 || at == bytes.size()) return;
    const std::size_t end = std::min(platform::FindLineEnd(bytes, at), bytes.size());
    heads_ += KeptPart(bytes.substr(at, end - at), lineTaken_);
    lineTaken_ += end - at;
    if (end == bytes.size()) return;
    EndLine();
    at = end + 1;
    if (bytes[end] == '\r') {
      if (at == bytes.size()) afterCr_ = true;
      else if (bytes[at] == '\n') ++at;
    }
  }
}

// Most heads are short lines ended by LF: those are kept as they stand, in one piece.
std::size_t RecordHeads::TakePlainLines(std::string_view bytes, std::size_t at) {
  if (lineTaken_ != 0) return at;
  std::size_t end = at;
  while (line_ != 0) {
    const std::size_t lineEnd = platform::FindLineEnd(bytes, end);
    if (lineEnd == std::string_view::npos || bytes[lineEnd] != '\n' || lineEnd - end > LineKept) break;
    end = lineEnd + 1;
    line_ = line_ == RecordHeadLines ? 0 : line_ + 1;
  }
  heads_.append(bytes.data() + at, end - at);
  return end;
}

void RecordHeads::EndLine() {
  heads_ += '\n';
  lineTaken_ = 0;
  line_ = line_ == RecordHeadLines ? 0 : line_ + 1;
}

void RecordHeads::End() {
  if (!open_) return;
  if (line_ != 0 && lineTaken_ > 0) EndLine();
  ends_.push_back(heads_.size());
  open_ = false;
}

RecordHeads RecordHeads::Joined(std::vector<RecordHeads>&& parts) {
  if (parts.size() == 1) return std::move(parts.front());
  std::vector<std::size_t> firstBytes;
  std::vector<std::size_t> firstHeads;
  std::size_t bytes = 0;
  std::size_t heads = 0;
  for (const RecordHeads& part : parts) {
    firstBytes.push_back(bytes);
    firstHeads.push_back(heads);
    bytes += part.heads_.size();
    heads += part.ends_.size();
  }
  RecordHeads joined;
  joined.heads_.resize(bytes);
  joined.ends_.resize(heads);
  DoPartsInParallel(parts.size(), 0, [&](std::size_t n) {
    const RecordHeads& part = parts[n];
    std::copy(part.heads_.begin(), part.heads_.end(), joined.heads_.begin() + static_cast<std::ptrdiff_t>(firstBytes[n]));
    std::transform(part.ends_.begin(), part.ends_.end(), joined.ends_.begin() + static_cast<std::ptrdiff_t>(firstHeads[n]),
                   [&](std::size_t end) { return firstBytes[n] + end; });
  });
  return joined;
}

void RecordHeads::ConvertFromUtf8() {
  std::string converted;
  converted.reserve(heads_.size());
  std::size_t begin = 0;
  for (std::size_t& end : ends_) {
    const std::string_view head = std::string_view(heads_).substr(begin, end - begin);
    begin = end;
    if (auto text = platform::ProgramTextFromUtf8(head))
      converted += *text;
    else
      converted += head;
    end = converted.size();
  }
  heads_ = std::move(converted);
}

std::string_view RecordHeads::Head(std::size_t n) const {
  if (n >= ends_.size()) return {};
  const std::size_t begin = n == 0 ? 0 : ends_[n - 1];
  return std::string_view(heads_).substr(begin, ends_[n] - begin);
}
