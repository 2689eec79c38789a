#pragma once
// A new file with a name of its own in a folder, written with every write checked and flushed to
// disk; removed with the object unless it was renamed to where it belongs.
#include <string>

class TemporaryFile {
 public:
  // Makes the file as `folder`/`prefix`XXXXXX`suffix`; Path() is empty when it cannot be made.
  TemporaryFile(const std::string& folder, const std::string& prefix, const std::string& suffix);
  ~TemporaryFile();
  TemporaryFile(const TemporaryFile&) = delete;
  TemporaryFile& operator=(const TemporaryFile&) = delete;

  const std::string& Path() const { return path_; }
  // Writes all of the contents and flushes them to disk; false, with Error() set, when any step fails.
  bool Write(const std::string& contents);
  // Renames the written file over `target`; false, with Error() set, when it cannot.
  bool MoveTo(const std::string& target);
  // What went wrong last, as the system says it.
  const std::string& Error() const { return error_; }

 private:
  bool Fail();

  std::string path_;
  int descriptor_ = -1;
  std::string error_;
};
