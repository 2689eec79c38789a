#include <cstdint>
#include <cstdlib>
#include <sstream>
#include <string>

#include "fuzz/work_folder.h"
#include "platform/services/text_file.h"
#include "platform/session/script_session.h"

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  MakeFuzzWorkFolder();
  return 0;
}

// The input is a script file. It is either taken whole, saying nothing, or refused with one error
// line that names one of its lines; the text and the file read alike.
bool InputHolds(const std::uint8_t* data, std::size_t size) {
  const std::string script(reinterpret_cast<const char*>(data), size);
  WriteBytes("session.txt", script);
  std::ostringstream fromFile;
  std::ostringstream fromText;
  bool loaded = false;
  {
    ScriptSession session(fromFile);
    loaded = session.Load("session.txt");
    if (session.Failed() == loaded) return false;
  }
  {
    ScriptSession session(fromText);
    if (session.LoadText(script) != loaded) return false;
  }
  const std::string said = fromFile.str();
  if (said != fromText.str()) return false;
  if (loaded) {
    if (!said.empty()) return false;
    return true;
  }
  const std::string prefix = "error: line ";
  if (said.compare(0, prefix.size(), prefix) != 0 || said.back() != '\n') return false;
  if (said.find('\n') != said.size() - 1) return false;
  const long line = std::strtol(said.c_str() + prefix.size(), nullptr, 10);
  if (line < 1 || static_cast<std::size_t>(line) > platform::SplitLines(script).size()) return false;
  return true;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  CheckInFuzzWorkFolder([&] { return InputHolds(data, size); });
  return 0;
}
