#pragma once
// Where the framebuffers of top-level windows go and where input comes from. The window layer
// calls the installed backend; the backends live in platform/backend.
#include "platform/gdi/surface.h"
#include "platform/win/win_constants.h"

struct InputEvent {
  enum class Kind { MouseMove, MouseDown, MouseUp, KeyDown, KeyUp, Character, Close };
  Kind kind = Kind::MouseMove;
  POINT point{};       // screen coordinates, for the mouse
  UINT key = 0;        // virtual key, for KeyDown and KeyUp
  char character = 0;  // Windows-1252, for Character
  // For Close, the top-level window asked to close. For the mouse, the top-level window whose
  // pixels the screen shows under the pointer where the backend knows it, else null: the layer's
  // own idea of what lies there (a caption the desktop does not show) is passed over.
  HWND window = nullptr;
  DWORD time = 0;  // milliseconds; decides double clicks
};

class Backend {
 public:
  virtual ~Backend() = default;
  // Called by a message loop whose queue is empty: delivers input (PostInput), or does what ends
  // the program when no input will ever come.
  virtual void WaitForInput() = 0;
  // A top-level window's pixels changed, or it appeared, moved, or went away.
  virtual void Present(HWND window, const Surface& pixels) = 0;
  virtual void WindowDestroyed(HWND window) = 0;
  // Moves the pointer; false where the backend cannot.
  virtual bool MoveCursor(POINT screen) = 0;
  virtual void ShowCursorShape(HCURSOR cursor) = 0;
  virtual SIZE ScreenSize() const = 0;
};

// The installed backend; null until one is installed.
void InstallBackend(Backend* backend);
Backend* CurrentBackend();
// Hardware input as the backend delivers it.
void PostInput(const InputEvent& event);
