#pragma once

#include <string_view>

namespace platform {

// Held while an editor reads a file, checks that it still holds what the editor showed and writes
// it back: every program that rewrites a file of the same folder this way waits its turn, so no
// edit is written over another one made between its read and its rename. The lock is on the
// folder, which outlives the renames that replace its files; it leaves nothing behind.
class RewriteLock {
 public:
  explicit RewriteLock(std::string_view programPath);
  ~RewriteLock();
  RewriteLock(const RewriteLock&) = delete;
  RewriteLock& operator=(const RewriteLock&) = delete;

 private:
  int descriptor_ = -1;
};

}  // namespace platform
