#include "app/exit_command.h"

int ExitActiveWindow(CWnd* window) {
  if (window != nullptr) window->DestroyWindow();
  return 0;
}
