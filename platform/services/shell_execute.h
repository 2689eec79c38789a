#pragma once
// The shell's opening of documents and addresses: a web or mail address is handed to the desktop's
// opener (xdg-open) as one argument, never through a shell. Test runs and scripted sessions set a
// hook that records the calls instead.
#include <functional>
#include <string>

#include "platform/gdi/wintypes.h"

// Results of ShellExecute: above 32 is success.
constexpr int SE_ERR_FNF = 2;
constexpr int SE_ERR_NOASSOC = 31;
constexpr int ShellExecuteSucceeded = 42;

// Only the default verb ("open") is known, and the file is a document or address, so parameters
// are refused; the directory is not used.
HINSTANCE ShellExecute(HWND owner, LPCSTR verb, LPCSTR file, LPCSTR parameters, LPCSTR directory, int show);

struct ShellRequest {
  std::string verb;  // empty for the default verb
  std::string file;
  std::string parameters;
  std::string directory;
  int show = 0;
};
// While a hook is set, every call goes to it instead of the desktop; it returns the result.
using ShellExecuteHook = std::function<HINSTANCE(const ShellRequest&)>;
void SetShellExecuteHook(ShellExecuteHook hook);
