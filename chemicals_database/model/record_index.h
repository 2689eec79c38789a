#pragma once

#include <cstddef>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// A database file opened for reading, with the byte offsets of its backslash lines. The offsets
// are kept between runs for each file and built anew when the file's size, time or identity has
// changed, so a run jumps to a record without reading the records before it.

struct RecordOffsets;

class DatabaseFile {
 public:
  // Opens a file named as the program names it. Empty when it is missing, no regular file, marked
  // read-only (as a file opened for update) or unreadable.
  static std::optional<DatabaseFile> Open(std::string_view programPath);

  DatabaseFile(DatabaseFile&&) noexcept;
  DatabaseFile& operator=(DatabaseFile&&) noexcept;
  ~DatabaseFile();

  // Backslash lines in the file: the records and, when the file has it, the closing one.
  int SeparatorCount() const;
  int RecordCount() const;
  // True when the file ends with a backslash line (the terminator).
  bool Terminated() const;
  std::size_t Size() const;
  // Where backslash line n (from 1) begins; the file's size for n past the last one.
  std::size_t SeparatorOffset(int n) const;

  // The bytes from..to; false when they cannot all be read.
  bool Read(std::size_t from, std::size_t to, std::string& bytes) const;

 private:
  DatabaseFile(int descriptor, std::shared_ptr<const RecordOffsets> offsets);
  int descriptor_ = -1;
  std::shared_ptr<const RecordOffsets> offsets_;
};

// The lines of some bytes of a database file, without their line ends (LF, or CR LF); a last
// line without a line feed counts too.
void SplitLines(std::string_view bytes, std::vector<std::string_view>& lines);

// Record n (from 1) of bytes that begin at backslash line first: the lines from its backslash line
// up to the next backslash line or the end.
std::string_view RecordBytes(std::string_view bytes, const DatabaseFile& file, int first, int n);
