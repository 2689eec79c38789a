#include "platform/services/text_file.h"

#include <sys/stat.h>

#include "platform/services/path_lookup.h"

namespace platform {

std::optional<TextFile> TextFile::OpenForUpdate(std::string_view programPath) {
  auto path = FindExistingPath(programPath);
  if (!path) return std::nullopt;
  std::FILE* file = std::fopen(path->c_str(), "r+");
  if (!file) return std::nullopt;
  TextFile opened(file);
  struct stat status {};
  // Root may open any file for writing; the missing write bits still mark it read-only.
  if (fstat(fileno(file), &status) != 0 || !S_ISREG(status.st_mode) || (status.st_mode & 0222) == 0)
    return std::nullopt;
  return opened;
}

bool TextFile::ReadLine(std::string& line, std::size_t keepAtMost) {
  line.clear();
  std::FILE* file = file_.get();
  int c = getc_unlocked(file);
  if (c == EOF) return false;
  bool pendingCarriageReturn = false;
  auto keep = [&](char character) {
    if (line.size() < keepAtMost) line += character;
  };
  while (c != EOF && c != '\n') {
    if (pendingCarriageReturn) keep('\r');
    pendingCarriageReturn = (c == '\r');
    if (!pendingCarriageReturn) keep(static_cast<char>(c));
    c = getc_unlocked(file);
  }
  return true;
}

}  // namespace platform

namespace platform {

FileLines ReadFileLines(std::string_view programPath) {
  FileLines result;
  auto path = FindExistingPath(programPath);
  if (!path) return result;
  struct stat status {};
  if (stat(path->c_str(), &status) != 0 || !S_ISREG(status.st_mode)) {
    result.status = FileReadStatus::Unreadable;
    return result;
  }
  if ((status.st_mode & 0222) == 0) {
    result.status = FileReadStatus::ReadOnly;
    return result;
  }
  auto file = TextFile::OpenForUpdate(programPath);
  if (!file) {
    result.status = FileReadStatus::Unreadable;
    return result;
  }
  std::string line;
  while (file->ReadLine(line)) result.lines.push_back(line);
  result.status = file->Failed() ? FileReadStatus::Unreadable : FileReadStatus::Read;
  if (result.status != FileReadStatus::Read) result.lines.clear();
  return result;
}

}  // namespace platform
