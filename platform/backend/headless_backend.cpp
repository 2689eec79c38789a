#include "platform/backend/headless_backend.h"

#include "platform/win/cwnd.h"

HeadlessBackend::HeadlessBackend(SIZE screen) : screen_(screen) {}

void HeadlessBackend::WaitForInput() {
  if (source_ != nullptr && source_->RunNextStep()) return;
  HWND target = GetActiveWindow();
  if (target == nullptr) {
    const std::vector<HWND> windows = TopLevelWindows();
    if (!windows.empty()) target = windows.front();
  }
  if (target == nullptr) {
    PostQuitMessage(0);
    return;
  }
  // Through the window's own DestroyWindow, as the program's exit command calls it.
  if (CWnd* window = CWnd::FromHandle(target)) window->DestroyWindow();
}

bool HeadlessBackend::MoveCursor(POINT screen) {
  InputEvent move;
  move.kind = InputEvent::Kind::MouseMove;
  move.point = screen;
  move.time = now_;
  PostInput(move);
  return true;
}
