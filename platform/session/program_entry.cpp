#include <cstdlib>
#include <iostream>

#include "platform/gdi/display_scale.h"
#include "platform/win/cwinapp.h"
#include "platform/backend/headless_backend.h"
#include "platform/session/script_session.h"
#include "platform/backend/sdl2_backend.h"
#include "platform/controls/standard_controls.h"

// The program's entry: with TAVRIN_SCRIPT naming a script, a headless scripted session, drawn at
// the scale TAVRIN_SCALE gives; otherwise real windows on the desktop, drawn at the scale
// TAVRIN_SCALE gives or else the desktop's, or, where no display is found, the headless backend,
// on which the program ends as soon as it is idle.
int AfxWinMain() {
  RegisterStandardControls();
  CWinApp* app = AfxGetApp();
  if (app == nullptr) return 1;
  const char* script = std::getenv("TAVRIN_SCRIPT");
  if (script != nullptr && *script != '\0') {
    SetDisplayScale(ScaleFromEnvironment().value_or(1));
    ScriptSession session(std::cout);
    if (!session.Load(script)) return 2;
    const int code = RunApplication(*app);
    std::cout.flush();
    return session.Failed() ? 1 : code;
  }
  if (std::unique_ptr<Sdl2Backend> desktop = Sdl2Backend::Open()) {
    const std::optional<int> asked = ScaleFromEnvironment();
    SetDisplayScale(asked ? *asked : desktop->DesktopScale());
    InstallBackend(desktop.get());
    const int code = RunApplication(*app);
    InstallBackend(nullptr);
    return code;
  }
  std::cerr << "No display was found (DISPLAY is not set, or no X server answers): the program has no "
               "windows to show and ends. Set TAVRIN_SCRIPT to run a scripted session without a display.\n";
  HeadlessBackend backend;
  InstallBackend(&backend);
  const int code = RunApplication(*app);
  InstallBackend(nullptr);
  return code;
}
