#pragma once
// A data file's lines kept between readings: the file is read again only when its identity,
// size or time stamps say it may have changed. Time stamps advance in ticks, so a file changed
// within the last second may change again under the same stamps: it is read every time until
// it has stood still that long.
#include <ctime>
#include <optional>
#include <string>
#include <string_view>
#include <utility>

#include <sys/types.h>

#include "platform/services/text_file.h"

namespace platform {

class CachedFileLines {
 public:
  explicit CachedFileLines(std::string programPath) : programPath_(std::move(programPath)) {}

  // The file's lines as ReadFileLines gives them now.
  const FileLines& Read();

 private:
  struct Stamp {
    dev_t device = 0;
    ino_t inode = 0;
    off_t size = 0;
    mode_t mode = 0;
    timespec modified{};
    timespec changed{};
    bool operator==(const Stamp& other) const;
  };
  static std::optional<Stamp> StampOf(std::string_view programPath);

  std::string programPath_;
  std::optional<Stamp> stamp_;  // of the lines kept, when they may be kept
  FileLines lines_;
};

}  // namespace platform
