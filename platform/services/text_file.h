#pragma once

#include <functional>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace platform {

// Where the first CR or LF at or after `from` is; npos when there is none.
std::size_t FindLineEnd(std::string_view text, std::size_t from = 0);

// The lines of a text: LF, CR LF and a lone CR each end a line; a last line
// without a line end counts, and the text's final line end opens no empty line.
std::vector<std::string> SplitLines(std::string_view text);
// The same lines as views into the text, into `lines` (emptied first); at most `most` of them.
// Returns the text after them, whose lines are the rest.
std::string_view SplitLineViews(std::string_view text, std::vector<std::string_view>& lines,
                                std::size_t most = std::string_view::npos);

inline constexpr std::string_view Utf8ByteOrderMark = "\xEF\xBB\xBF";

// Whether any byte of the text is beyond ASCII (0x80 and up).
bool HoldsBytesBeyondAscii(std::string_view text);

// A data file's bytes as text in the program's character set, Windows-1252: a
// file that is valid UTF-8 with characters beyond ASCII, every one of them in
// Windows-1252 (a leading byte-order mark dropped), is converted; any other is
// taken byte for byte. NUL bytes are dropped, so that no reader cuts a line
// short at one while another keeps it whole.
std::string ProgramText(std::string_view bytes);
// The same, in the bytes' own memory rather than a copy of them.
std::string ProgramText(std::string&& bytes);
// UTF-8 bytes in the program's character set, byte for byte the inverse of writing it as UTF-8;
// empty when they are not valid UTF-8 or hold a character outside Windows-1252.
std::optional<std::string> ProgramTextFromUtf8(std::string_view bytes);

// What became of reading a whole file.
enum class FileReadStatus {
  Read,
  Missing,     // no such file
  ReadOnly,    // read, but its write permission bits are all clear: the program may not change it
  Unreadable,  // it exists, but is no regular file or cannot be read
};

struct FileLines {
  FileReadStatus status = FileReadStatus::Missing;
  std::vector<std::string> lines;  // whole, without their line ends; filled when Read or ReadOnly
};

// Every line of a data file named as the program names it, as ProgramText and
// SplitLines make them.
FileLines ReadFileLines(std::string_view programPath);
// The same lines given to `take` a share at a time, in their order, until it returns false. A file
// of plain ASCII is read in pieces, so that its text is never whole in memory; any other is read
// whole, since it may need converting. The status is that of ReadFileLines; a file that cannot be
// read on to its end is Unreadable, some of its lines then already given.
FileReadStatus ReadFileLineShares(std::string_view programPath,
                                  const std::function<bool(std::span<const std::string_view>)>& take);
// The size of the pieces ReadFileLineShares reads.
constexpr std::size_t LinePieceBytes = 1024 * 1024;

// Replaces a data file with these lines, each followed by LF, through
// RewriteFileSafely (false when that refuses). The text is written in
// Windows-1252, or in UTF-8 where its Windows-1252 bytes would read back as
// other text (they would pass for UTF-8), so every file written reads back as
// the lines it was given.
bool WriteFileLines(std::string_view programPath, const std::vector<std::string>& lines);

}  // namespace platform
