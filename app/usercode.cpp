#include "app/usercode.h"

int ExitActiveWindow(CWnd* window) {
  if (window != nullptr) window->DestroyWindow();
  return 0;
}
