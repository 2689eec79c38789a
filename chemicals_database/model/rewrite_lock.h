#pragma once
// Keeps other instances of the program from rewriting a database file while this one reads it to
// check and rewrite it.
#include <string_view>

class RewriteLock {
 public:
  // Waits until no other instance holds the lock of the folder the file is in (named as the
  // program names it). Held() is false when the folder cannot be opened or locked.
  explicit RewriteLock(std::string_view programPath);
  RewriteLock(const RewriteLock&) = delete;
  RewriteLock& operator=(const RewriteLock&) = delete;
  ~RewriteLock();
  bool Held() const { return descriptor_ >= 0; }

 private:
  int descriptor_ = -1;
};
