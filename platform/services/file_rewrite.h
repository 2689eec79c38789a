#pragma once

#include <functional>
#include <string_view>

namespace platform {

// Replaces the whole file named as the program names it with contents: written
// to a new file beside it, every write checked and flushed to disk, then renamed
// over the original and the folder flushed, so the file is either the old one or
// the new one, never a half-written mix, and a power loss after the rewrite
// brings back no old file. A symbolic link stays: the file it leads to is
// replaced. The new file keeps the old one's mode, and its owner and group where
// this process may give them. Leftover new files of this file, from processes
// that no longer run, are removed. Refuses (false, nothing changed) when its
// folder is missing, the file is marked read-only, or any write fails; from
// the first rewrite on the process ignores SIGXFSZ, so a write past a
// file-size limit fails like any other instead of ending the program.
bool RewriteFileSafely(std::string_view programPath, std::string_view contents);

// The same for contents too large to hold at once: `writeContents` hands them piece by piece, in
// order, to the function it is given, which returns false once a write failed; it returns false
// itself to give up. Either false leaves the file as it was.
using ContentSink = std::function<bool(std::string_view piece)>;
bool RewriteFileSafelyInPieces(std::string_view programPath, const std::function<bool(const ContentSink&)>& writeContents);

}  // namespace platform
