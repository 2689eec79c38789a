#pragma once
// Scripted sessions: a script of steps, one a line, performed by the test driver whenever the
// program's running message loop is idle. Reading steps print `STEP ID: value`; message boxes print
// `messagebox: CAPTION: TEXT` and shell calls `shell: VERB: FILE`; a step that cannot be done
// prints `error: line N: ...` and ends the session, which then counts as failed. The README's
// "Testing" section lists the steps.
#include <ostream>
#include <string>

#include "platform/testing/test_driver.h"

class ScriptSession {
 public:
  explicit ScriptSession(std::ostream& out);

  // Reads the script file (UTF-8) and queues its steps; false, after printing the error, when the
  // file cannot be read or a line is not a step.
  bool Load(const std::string& path);
  bool LoadText(const std::string& text);
  bool Failed() const { return failed_; }
  TestDriver& Driver() { return driver_; }

 private:
  struct Step {
    int line = 0;
    std::string verb;
    int id = 0;
    int number = 0;
    std::string text;
  };
  bool Parse(const std::string& raw, int line, Step& step, std::string& error) const;
  void Perform(const Step& step);
  void Print(const std::string& label, const std::string& value);
  void StepFailed(int line, const std::string& why);

  TestDriver driver_;
  std::ostream& out_;
  bool failed_ = false;
};
