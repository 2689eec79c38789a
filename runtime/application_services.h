#pragma once
// What the dialog runtime asks of the application object: help-mode filtering of commands and 3D
// subclassing of a dialog's controls. The program's application class provides both.
#include "platform/win/cwnd.h"

class RuntimeApplicationServices {
 public:
  // Non-zero when the application handled a command that arrived in context-help mode.
  virtual BOOL FilterHelpModeCommand(UINT commandId) = 0;
  // Non-zero when the window's controls were given the 3D look of a loaded controls library.
  virtual BOOL SubclassCtl3d(CWnd* window) = 0;

 protected:
  ~RuntimeApplicationServices() = default;
};

// The running application's services; null when the application does not offer them.
RuntimeApplicationServices* ApplicationServices();
