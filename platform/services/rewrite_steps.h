#pragma once
// The steps a safe rewrite of one file or of a pair of files is made of: the new contents go whole
// to a new file beside the target, which then takes the target's place by a rename.
#include <sys/stat.h>

#include <filesystem>
#include <functional>
#include <optional>
#include <string_view>

#include "platform/services/file_rewrite.h"

namespace platform::rewrite {

// A write beyond a file-size limit fails with EFBIG like any other failed write, rather than
// ending the program with SIGXFSZ before it can say so and remove its new file.
void IgnoreFileSizeSignal();

// The file a chain of symbolic links leads to; the name itself when it is no link.
std::filesystem::path LinkTarget(std::filesystem::path path);

// A fresh name beside the target, "." NAME KIND PID "-" N, which no other rewrite uses.
std::filesystem::path NameBeside(const std::filesystem::path& target, std::string_view kind);

// New files of this target left by rewrites that were killed before their rename.
void RemoveLeftoverNewFiles(const std::filesystem::path& target);

// Hands the contents piece by piece to the sink it is given (see RewriteFileSafelyInPieces).
using PieceWriter = std::function<bool(const ContentSink&)>;

// The contents whole on disk in a new file beside the target, with the old file's owner, group and
// mode when `existing` is given; the new file's name, or none (and no file left) on any failure.
std::optional<std::filesystem::path> WriteNewFileBeside(const std::filesystem::path& target,
                                                        const struct stat* existing, const PieceWriter& writeContents);

// The rename is on disk only once the folder that holds the names is.
void FlushFolder(const std::filesystem::path& target);

}  // namespace platform::rewrite
