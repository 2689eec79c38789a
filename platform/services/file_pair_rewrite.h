#pragma once
// Two files that only make sense together (pages that link to each other) replaced as one.
#include <filesystem>
#include <string_view>

namespace platform {

// Writes both contents whole, each into a new file beside its target, every write checked and
// flushed to disk, and only then renames both into place; the folders are flushed after. A target
// that is a symbolic link has the file it leads to replaced; a replaced file keeps its mode. When
// any step fails, both targets are as they were (a first target already renamed is put back) and
// no new file is left. Refuses, changing nothing, a target that is no regular file or is marked
// read-only, or one whose folder is missing.
bool RewriteFilePairSafely(const std::filesystem::path& first, std::string_view firstContents,
                           const std::filesystem::path& second, std::string_view secondContents);

}  // namespace platform
