#include <cstdlib>
#include <iostream>

#include "cwinapp.h"
#include "headless_backend.h"
#include "script_session.h"
#include "standard_controls.h"

// The program's entry: with TAVRIN_SCRIPT naming a script, a headless scripted session; otherwise
// the program runs on the headless backend.
int AfxWinMain() {
  RegisterStandardControls();
  CWinApp* app = AfxGetApp();
  if (app == nullptr) return 1;
  const char* script = std::getenv("TAVRIN_SCRIPT");
  if (script != nullptr && *script != '\0') {
    ScriptSession session(std::cout);
    if (!session.Load(script)) return 2;
    const int code = RunApplication(*app);
    std::cout.flush();
    return session.Failed() ? 1 : code;
  }
  HeadlessBackend backend;
  InstallBackend(&backend);
  const int code = RunApplication(*app);
  InstallBackend(nullptr);
  return code;
}
