#include "platform/services/file_rewrite.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>

#include "platform/services/path_lookup.h"
#include "platform/services/rewrite_steps.h"

namespace platform {

bool RewriteFileSafely(std::string_view programPath, std::string_view contents) {
  return RewriteFileSafelyInPieces(programPath, [contents](const ContentSink& write) { return write(contents); });
}

bool RewriteFileSafelyInPieces(std::string_view programPath, const std::function<bool(const ContentSink&)>& writeContents) {
  rewrite::IgnoreFileSizeSignal();
  auto named = PathForWriting(programPath);
  if (!named) return false;
  const std::filesystem::path target = rewrite::LinkTarget(*named);
  struct stat existing {};
  const bool exists = stat(target.c_str(), &existing) == 0;
  if (exists && (!S_ISREG(existing.st_mode) || (existing.st_mode & 0222) == 0)) return false;
  rewrite::RemoveLeftoverNewFiles(target);

  const auto written = rewrite::WriteNewFileBeside(target, exists ? &existing : nullptr, writeContents);
  if (!written) return false;
  if (std::rename(written->c_str(), target.c_str()) != 0) {
    unlink(written->c_str());
    return false;
  }
  rewrite::FlushFolder(target);
  return true;
}

}  // namespace platform
