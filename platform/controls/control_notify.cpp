#include "platform/controls/control_notify.h"

bool SendNotification(HWND control, HWND receiver, UINT code) {
  if (receiver != nullptr) {
    SendMessage(receiver, WM_COMMAND, MAKEWPARAM(static_cast<unsigned>(GetDlgCtrlID(control)), code),
                reinterpret_cast<LPARAM>(control));
  }
  return IsWindow(control) != FALSE;
}

bool NotifyParent(HWND control, UINT code) { return SendNotification(control, GetParent(control), code); }

bool MoveFocus(HWND control, HWND target) {
  SetFocus(target);
  return IsWindow(control) != FALSE;
}
