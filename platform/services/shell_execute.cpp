#include "platform/services/shell_execute.h"

#include <strings.h>

#include "platform/gdi/charset.h"
#include "platform/services/child_process.h"

namespace {

using namespace std::chrono_literals;

// How long the opener may take to fail before it counts as started: xdg-open either ends at once
// or, with some desktops, stays until the browser ends.
constexpr auto OpenerWait = 5s;

ShellExecuteHook& Hook() {
  static ShellExecuteHook hook;
  return hook;
}

std::string TextOf(LPCSTR text) { return text == nullptr ? std::string() : std::string(text); }

HINSTANCE Result(int code) { return HandleFromNumber<HINSTANCE>(static_cast<std::uintptr_t>(code)); }

// xdg-open's exit codes: 2 a file that does not exist, 3 no program for it, others a failure.
int ResultOfOpener(const ProgramRun& run) {
  if (!run.started) return SE_ERR_NOASSOC;
  if (!run.finished || run.exitCode == 0) return ShellExecuteSucceeded;
  return run.exitCode == 2 ? SE_ERR_FNF : SE_ERR_NOASSOC;
}

}  // namespace

void SetShellExecuteHook(ShellExecuteHook hook) { Hook() = std::move(hook); }

HINSTANCE ShellExecute(HWND, LPCSTR verb, LPCSTR file, LPCSTR parameters, LPCSTR directory, int show) {
  const ShellRequest request{TextOf(verb), TextOf(file), TextOf(parameters), TextOf(directory), show};
  if (Hook()) return Hook()(request);
  if (request.file.empty()) return Result(SE_ERR_FNF);
  // The opener opens documents and addresses and nothing else: no other verb, no program arguments.
  if ((!request.verb.empty() && strcasecmp(request.verb.c_str(), "open") != 0) || !request.parameters.empty()) {
    return Result(SE_ERR_NOASSOC);
  }
  return Result(ResultOfOpener(LaunchProgram({"xdg-open", Utf8FromCp1252(request.file)}, OpenerWait)));
}
