#pragma once

#include <cstdio>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace platform {

// A text file opened for update and read line by line. A file that cannot be
// opened for update (missing, a folder, or marked read-only by having no write
// permission bit) does not open, so the program treats it as missing.
class TextFile {
 public:
  static std::optional<TextFile> OpenForUpdate(std::string_view programPath);

  // Reads the next line without its line end (LF, CR LF, or a CR that ends the
  // file). Keeps at most keepAtMost characters of a longer line and skips the
  // rest of it. False at the end of the file, when no line is left.
  bool ReadLine(std::string& line, std::size_t keepAtMost = std::string::npos);

  // True when a read failed (rather than reaching the end of the file).
  bool Failed() const { return std::ferror(file_.get()) != 0; }

 private:
  struct Closer {
    void operator()(std::FILE* file) const { std::fclose(file); }
  };
  explicit TextFile(std::FILE* file) : file_(file) {}
  std::unique_ptr<std::FILE, Closer> file_;
};

// What became of reading a whole file.
enum class FileReadStatus {
  Read,
  Missing,     // no such file
  ReadOnly,    // it exists, but its write permission bits are all clear
  Unreadable,  // it exists, but is no regular file or cannot be opened or read
};

struct FileLines {
  FileReadStatus status = FileReadStatus::Missing;
  std::vector<std::string> lines;  // whole, without their line ends; filled only when Read
};

// Every line of a file, opened for update as the program opens its tables, so
// that a file the program may not change is told apart from a missing one.
FileLines ReadFileLines(std::string_view programPath);

}  // namespace platform
