#pragma once
// The backend without a screen: every top-level window is only its framebuffer, and input comes
// from a source of steps (a test, a script) whenever the running message loop is idle.
#include "platform/win/backend.h"

class StepSource {
 public:
  virtual ~StepSource() = default;
  // Performs the next step; false when there is none left.
  virtual bool RunNextStep() = 0;
};

class HeadlessBackend : public Backend {
 public:
  explicit HeadlessBackend(SIZE screen = SIZE{1024, 768});

  void SetStepSource(StepSource* source) { source_ = source; }
  // Runs the next step; when no step is left, leaves the program as File, Exit would: the active
  // window is destroyed, and with no window left the loop is told to end. Nothing waits on a clock.
  void WaitForInput() override;
  void Present(HWND, const Surface&) override {}
  void WindowDestroyed(HWND) override {}
  // Moves the virtual pointer and delivers the move, as a pointer moved by hand would be.
  bool MoveCursor(POINT screen) override;
  void ShowCursorShape(HCURSOR cursor) override { cursor_ = cursor; }
  SIZE ScreenSize() const override { return screen_; }

  HCURSOR CursorShape() const { return cursor_; }
  // The virtual clock that stamps injected input.
  DWORD Now() const { return now_; }
  void Advance(DWORD milliseconds) { now_ += milliseconds; }

 private:
  SIZE screen_;
  StepSource* source_ = nullptr;
  HCURSOR cursor_ = nullptr;
  DWORD now_ = 10000;
};
