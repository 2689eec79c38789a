#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// A database file opened for reading, with the byte offsets of its backslash lines and the heads
// of its records (their first lines, which hold the names). Both are found in one pass over the
// file, kept between runs for each file and found anew when the file's size, time or identity has
// changed, so a run jumps to a record without reading the records before it, and a search of the
// name lines reads no record from the file. Line ends may be LF, CR LF or a lone CR; a file in
// UTF-8 is read as the program's character set, as every other table is.

struct RecordOffsets;

// What identifies one version of a file: a rewrite gives the file a new identity.
struct FileIdentity {
  std::uint64_t device = 0;
  std::uint64_t inode = 0;
  std::int64_t size = -1;
  std::int64_t modifiedSeconds = 0;
  std::int64_t modifiedNanoseconds = 0;
  bool operator==(const FileIdentity&) const = default;
};

enum class DatabaseFileStatus {
  Opened,
  Missing,     // no such file
  Unreadable,  // no regular file (a folder), or it cannot be read
};

class DatabaseFile {
 public:
  // Opens a file named as the program names it; empty when it is missing or cannot be read (a
  // file marked read-only is read). status, when given, says which.
  static std::optional<DatabaseFile> Open(std::string_view programPath, DatabaseFileStatus* status = nullptr);

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
  const FileIdentity& Identity() const;
  // The name it was opened by, as the program names it.
  const std::string& ProgramPath() const { return programPath_; }
  // The head of record n (from 1), as RecordHeads keeps it, in the program's character set.
  std::string_view Head(int n) const;
  // Line 3 of record n (empty where the record has none), cut as its head keeps it.
  std::string_view Name(int n) const;
  // True when the file is UTF-8 or ends a line otherwise than with LF: a rewrite then writes the
  // whole file anew in the program's character set with LF line ends.
  bool NeedsWholeRewrite() const;

  // The bytes from..to as they stand in the file; false when they cannot all be read.
  bool Read(std::size_t from, std::size_t to, std::string& bytes) const;
  // The same in the program's character set (converted from UTF-8 when the file is UTF-8).
  bool ReadText(std::size_t from, std::size_t to, std::string& text) const;
  // The text of a record of a block read from backslash line `first` on (see RecordBytes), in
  // the program's character set; `converted` holds it when it had to be converted.
  std::string_view ProgramText(std::string_view recordBytes, std::string& converted) const;

 private:
  DatabaseFile(std::string_view programPath, int descriptor, std::shared_ptr<const RecordOffsets> offsets);
  std::string programPath_;
  int descriptor_ = -1;
  std::shared_ptr<const RecordOffsets> offsets_;
};

// Record n (from 1) of bytes that begin at backslash line first: the lines from its backslash line
// up to the next backslash line or the end.
std::string_view RecordBytes(std::string_view bytes, const DatabaseFile& file, int first, int n);
