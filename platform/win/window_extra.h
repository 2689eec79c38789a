#pragma once
// State that a control or dialog kind keeps per window, owned by the window and freed with it.
#include <memory>

#include "platform/gdi/wintypes.h"

class WindowExtra {
 public:
  virtual ~WindowExtra() = default;
};

WindowExtra* GetWindowExtra(HWND window);
void SetWindowExtra(HWND window, std::unique_ptr<WindowExtra> extra);
template <typename Extra>
Extra* GetWindowExtraAs(HWND window) {
  return dynamic_cast<Extra*>(GetWindowExtra(window));
}
