#include "platform/services/text_file.h"

#include <sys/stat.h>

#include <algorithm>
#include <bit>
#include <cstdint>
#include <cstring>
#include <fstream>
#include <utility>

#include "platform/gdi/charset.h"
#include "platform/services/file_rewrite.h"
#include "platform/services/path_lookup.h"

namespace platform {
namespace {

constexpr std::size_t LinesPerShare = 16 * 1024;

// The stream's bytes to its end: first as many as the file held when looked at, and one more so
// that an unchanged file ends the first read; a file that grew since is read on.
std::string ReadWhole(std::ifstream& file, std::size_t sizeSeen) {
  std::string bytes;
  std::size_t block = sizeSeen + 1;
  for (; file; block = 64 * 1024) {
    const std::size_t before = bytes.size();
    bytes.resize(before + block);
    file.read(bytes.data() + before, static_cast<std::streamsize>(block));
    bytes.resize(before + static_cast<std::size_t>(file.gcount()));
  }
  return bytes;
}

}  // namespace

// Data files of megabytes are mostly ASCII: four words at a time are OR-ed and tested at once.
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

// Eight bytes at a time: a byte equal to LF or CR is a zero byte of the word XOR-ed with it, and
// (x - 0x01...) & ~x marks the lowest zero byte of x exactly (borrows only mark bytes above it).
std::size_t FindLineEnd(std::string_view text, std::size_t from) {
  constexpr std::uint64_t Ones = 0x0101010101010101ULL;
  constexpr std::uint64_t HighBits = 0x8080808080808080ULL;
  std::size_t at = from;
  if constexpr (std::endian::native == std::endian::little) {
    for (; at + sizeof(std::uint64_t) <= text.size(); at += sizeof(std::uint64_t)) {
      std::uint64_t word = 0;
      std::memcpy(&word, text.data() + at, sizeof word);
      const std::uint64_t lf = word ^ (Ones * '\n');
      const std::uint64_t cr = word ^ (Ones * '\r');
      const std::uint64_t ends = (((lf - Ones) & ~lf) | ((cr - Ones) & ~cr)) & HighBits;
      if (ends != 0) return at + static_cast<std::size_t>(std::countr_zero(ends)) / 8;
    }
  }
  for (; at < text.size(); ++at)
    if (text[at] == '\n' || text[at] == '\r') return at;
  return std::string_view::npos;
}

namespace {

// Gives each of the text's lines to `take`, at most `most` of them; returns where the lines not
// taken start.
template <typename Take>
std::size_t VisitLines(std::string_view text, std::size_t most, Take take) {
  std::size_t start = 0;
  for (std::size_t taken = 0; start < text.size() && taken < most; ++taken) {
    const std::size_t end = FindLineEnd(text, start);
    if (end == std::string_view::npos) {
      take(text.substr(start));
      return text.size();
    }
    take(text.substr(start, end - start));
    start = end + (text[end] == '\r' && end + 1 < text.size() && text[end + 1] == '\n' ? 2 : 1);
  }
  return start;
}

}  // namespace

std::string_view SplitLineViews(std::string_view text, std::vector<std::string_view>& lines, std::size_t most) {
  lines.clear();
  return text.substr(VisitLines(text, most, [&](std::string_view line) { lines.push_back(line); }));
}

// Counted first, so that the lines are made once in memory of their final size: a file of a
// million lines then takes no more fresh memory than its lines need.
std::vector<std::string> SplitLines(std::string_view text) {
  std::size_t count = 0;
  VisitLines(text, std::string_view::npos, [&](std::string_view) { ++count; });
  std::vector<std::string> lines;
  lines.reserve(count);
  VisitLines(text, std::string_view::npos, [&](std::string_view line) { lines.emplace_back(line); });
  return lines;
}

std::optional<std::string> ProgramTextFromUtf8(std::string_view bytes) {
  return Cp1252BytesFromUtf8(std::string(bytes));
}

std::string ProgramText(std::string_view bytes) { return ProgramText(std::string(bytes)); }

std::string ProgramText(std::string&& bytes) {
  std::string text = std::move(bytes);
  if (HoldsBytesBeyondAscii(text)) {
    const bool marked = text.starts_with(Utf8ByteOrderMark);
    if (auto converted = ProgramTextFromUtf8(marked ? text.substr(Utf8ByteOrderMark.size()) : text))
      text = std::move(*converted);
  }
  std::erase(text, '\0');
  return text;
}

namespace {

// A data file opened for reading, with the status a whole read of it has unless reading fails.
struct OpenedFile {
  FileReadStatus status = FileReadStatus::Missing;
  std::ifstream stream;
  std::size_t sizeSeen = 0;
};

OpenedFile OpenDataFile(std::string_view programPath) {
  OpenedFile file;
  auto path = FindExistingPath(programPath);
  if (!path) return file;
  struct stat status {};
  if (stat(path->c_str(), &status) != 0 || !S_ISREG(status.st_mode)) {
    file.status = FileReadStatus::Unreadable;
    return file;
  }
  file.stream.open(*path, std::ios::binary);
  file.status = !file.stream.is_open()             ? FileReadStatus::Unreadable
                : (status.st_mode & 0222) == 0 ? FileReadStatus::ReadOnly
                                               : FileReadStatus::Read;
  file.sizeSeen = static_cast<std::size_t>(status.st_size);
  return file;
}

// Appends the stream's next piece to `bytes`; false when it has no more.
bool ReadPiece(std::ifstream& stream, std::string& bytes) {
  const std::size_t before = bytes.size();
  bytes.resize(before + LinePieceBytes);
  stream.read(bytes.data() + before, static_cast<std::streamsize>(LinePieceBytes));
  bytes.resize(before + static_cast<std::size_t>(stream.gcount()));
  return static_cast<bool>(stream);
}

bool ReadsAsAscii(std::ifstream& stream) {
  std::string piece;
  for (bool more = true; more;) {
    piece.clear();
    more = ReadPiece(stream, piece);
    if (HoldsBytesBeyondAscii(piece)) return false;
  }
  return true;
}

bool GiveLines(std::string_view text, std::vector<std::string_view>& lines,
               const std::function<bool(std::span<const std::string_view>)>& take) {
  for (std::string_view rest = text; !rest.empty();) {
    rest = SplitLineViews(rest, lines, LinesPerShare);
    if (!take(lines)) return false;
  }
  return true;
}

// The whole file, its stream standing at its start, as ProgramText makes it; empty when reading fails.
std::optional<std::string> ReadWholeText(OpenedFile& file) {
  std::string bytes = ReadWhole(file.stream, file.sizeSeen);
  if (file.stream.bad()) return std::nullopt;
  return ProgramText(std::move(bytes));
}

// How much of `pending` holds whole lines: up to its last line end, where a CR at its very end may
// yet have its LF in the next piece. Before `from` it holds no line end but such a CR, which goes
// with the next one found.
std::size_t WholeLinesIn(std::string_view pending, std::size_t from) {
  const std::size_t known = pending.size() - (pending.ends_with('\r') ? 1 : 0);
  if (from >= known) return 0;
  const std::size_t lastEnd = pending.substr(from, known - from).find_last_of("\r\n");
  return lastEnd == std::string_view::npos ? 0 : from + lastEnd + 1;
}

}  // namespace

// ASCII text needs no converting, and dropping its NUL bytes piece by piece drops the same ones.
FileReadStatus ReadFileLineShares(std::string_view programPath,
                                  const std::function<bool(std::span<const std::string_view>)>& take) {
  OpenedFile file = OpenDataFile(programPath);
  if (file.status == FileReadStatus::Missing || file.status == FileReadStatus::Unreadable) return file.status;
  const bool ascii = ReadsAsAscii(file.stream);
  if (file.stream.bad()) return FileReadStatus::Unreadable;
  file.stream.clear();
  file.stream.seekg(0);
  std::vector<std::string_view> lines;
  if (!ascii) {
    const std::optional<std::string> text = ReadWholeText(file);
    if (!text) return FileReadStatus::Unreadable;
    GiveLines(*text, lines, take);
    return file.status;
  }
  std::string pending;
  for (bool more = true, taking = true; more && taking;) {
    const std::size_t before = pending.size();
    more = ReadPiece(file.stream, pending);
    pending.erase(std::remove(pending.begin() + static_cast<std::ptrdiff_t>(before), pending.end(), '\0'), pending.end());
    const std::size_t whole = more ? WholeLinesIn(pending, before) : pending.size();
    taking = GiveLines(std::string_view(pending).substr(0, whole), lines, take);
    pending.erase(0, whole);
  }
  return file.stream.bad() ? FileReadStatus::Unreadable : file.status;
}

FileLines ReadFileLines(std::string_view programPath) {
  OpenedFile file = OpenDataFile(programPath);
  if (file.status == FileReadStatus::Missing || file.status == FileReadStatus::Unreadable) return {file.status, {}};
  const std::optional<std::string> text = ReadWholeText(file);
  if (!text) return {FileReadStatus::Unreadable, {}};
  return {file.status, SplitLines(*text)};
}

bool WriteFileLines(std::string_view programPath, const std::vector<std::string>& lines) {
  std::string contents;
  for (const auto& line : lines) contents += line + '\n';
  std::erase(contents, '\0');
  if (ProgramText(contents) != contents) contents = Utf8FromCp1252(contents);
  return RewriteFileSafely(programPath, contents);
}

}  // namespace platform
