#pragma once

#include <string_view>

namespace platform {

// Replaces the whole file named as the program names it with contents: written
// to a new file beside it, every write checked and flushed to disk, then renamed
// over the original, so the file is either the old one or the new one, never a
// half-written mix. Refuses (false, nothing changed) when its folder is missing,
// the file is marked read-only, or any write fails.
bool RewriteFileSafely(std::string_view programPath, std::string_view contents);

}  // namespace platform
