#include "runtime/fit_to_content.h"

#include <algorithm>

void FitWindowToContent(HWND window, int horizontalMargin, int verticalMargin) {
  int right = 0;
  int bottom = 0;
  for (HWND child = ::GetWindow(window, GW_CHILD); child != nullptr; child = ::GetWindow(child, GW_HWNDNEXT)) {
    RECT rect{};
    ::GetWindowRect(child, &rect);
    POINT corner{rect.right, rect.bottom};
    ::ScreenToClient(window, &corner);
    right = std::max<int>(right, corner.x);
    bottom = std::max<int>(bottom, corner.y);
  }
  RECT outer{};
  RECT client{};
  ::GetWindowRect(window, &outer);
  ::GetClientRect(window, &client);
  const int frameWidth = (outer.right - outer.left) - client.right;
  const int frameHeight = (outer.bottom - outer.top) - client.bottom;
  ::SetWindowPos(window, nullptr, 0, 0, right + horizontalMargin + frameWidth, bottom + verticalMargin + frameHeight,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}
