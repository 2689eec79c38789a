#include "standard_controls.h"

#include "button.h"
#include "static_control.h"

void RegisterStandardControls() {
  static const bool registered = [] {
    WNDCLASS button;
    button.style = CS_DBLCLKS;
    button.lpfnWndProc = ButtonWindowProc;
    button.hCursor = LoadCursor(nullptr, IDC_ARROW);
    button.lpszClassName = kButtonClassName;
    WNDCLASS label;
    label.lpfnWndProc = StaticWindowProc;
    label.hCursor = LoadCursor(nullptr, IDC_ARROW);
    label.lpszClassName = kStaticClassName;
    return RegisterClass(&button) != FALSE && RegisterClass(&label) != FALSE;
  }();
  (void)registered;
}
