#include "platform/services/file_pair_rewrite.h"

#include <sys/stat.h>
#include <unistd.h>

#include <array>
#include <cstdio>
#include <system_error>

#include "platform/services/rewrite_steps.h"

namespace platform {
namespace {

namespace fs = std::filesystem;

// One of the two files: where it goes, whether it was there, and its new contents' file.
struct PendingFile {
  fs::path target;
  bool existed = false;
  struct stat old {};
  fs::path written;
};

bool Prepare(const fs::path& path, PendingFile& file) {
  file.target = rewrite::LinkTarget(path);
  std::error_code error;
  const fs::path folder = file.target.parent_path().empty() ? "." : file.target.parent_path();
  if (!fs::is_directory(folder, error)) return false;
  file.existed = stat(file.target.c_str(), &file.old) == 0;
  return !file.existed || (S_ISREG(file.old.st_mode) && (file.old.st_mode & 0222) != 0);
}

bool WriteBeside(PendingFile& file, std::string_view contents) {
  const auto written = rewrite::WriteNewFileBeside(file.target, file.existed ? &file.old : nullptr,
                                                   [contents](const ContentSink& write) { return write(contents); });
  if (!written) return false;
  file.written = *written;
  return true;
}

// Puts both new files in place. The old first file is kept under a second name until the second
// rename is done, so that a failure of that rename can bring it back.
bool RenameBoth(PendingFile& first, PendingFile& second) {
  fs::path kept;
  if (first.existed) {
    kept = rewrite::NameBeside(first.target, ".old-");
    if (link(first.target.c_str(), kept.c_str()) != 0) return false;
  }
  if (std::rename(first.written.c_str(), first.target.c_str()) != 0) {
    if (!kept.empty()) unlink(kept.c_str());
    return false;
  }
  first.written.clear();
  if (std::rename(second.written.c_str(), second.target.c_str()) != 0) {
    if (kept.empty())
      unlink(first.target.c_str());
    else if (std::rename(kept.c_str(), first.target.c_str()) != 0)
      unlink(kept.c_str());
    return false;
  }
  second.written.clear();
  if (!kept.empty()) unlink(kept.c_str());
  return true;
}

}  // namespace

bool RewriteFilePairSafely(const fs::path& first, std::string_view firstContents, const fs::path& second,
                           std::string_view secondContents) {
  rewrite::IgnoreFileSizeSignal();
  std::array<PendingFile, 2> files;
  if (!Prepare(first, files[0]) || !Prepare(second, files[1])) return false;
  const bool done =
      WriteBeside(files[0], firstContents) && WriteBeside(files[1], secondContents) && RenameBoth(files[0], files[1]);
  for (const PendingFile& file : files)
    if (!file.written.empty()) unlink(file.written.c_str());
  if (done) {
    rewrite::FlushFolder(files[0].target);
    if (files[1].target.parent_path() != files[0].target.parent_path()) rewrite::FlushFolder(files[1].target);
  }
  return done;
}

}  // namespace platform
