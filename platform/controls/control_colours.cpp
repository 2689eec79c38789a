#include "platform/controls/control_colours.h"

HBRUSH AskControlColours(HWND control, HDC dc, UINT message) {
  const HWND parent = GetParent(control);
  const WPARAM context = reinterpret_cast<WPARAM>(dc);
  const LPARAM self = reinterpret_cast<LPARAM>(control);
  return reinterpret_cast<HBRUSH>(parent != nullptr ? SendMessage(parent, message, context, self)
                                                    : DefWindowProc(control, message, context, self));
}
