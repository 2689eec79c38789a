#pragma once
// The backend of real windows on the desktop, through SDL2 on X11: one native window per
// top-level window of the layer, showing its framebuffer; mouse, keyboard and the close box of the
// native windows as the layer's input.
#include <SDL.h>

#include <memory>
#include <optional>
#include <vector>

#include "platform/win/backend.h"
#include "platform/backend/native_window.h"

class Sdl2Backend : public Backend {
 public:
  // Null when no desktop can be reached: no display, or SDL cannot start its X11 video.
  static std::unique_ptr<Sdl2Backend> Open();
  // Takes over SDL's video, started by Open.
  Sdl2Backend();
  ~Sdl2Backend() override;
  Sdl2Backend(const Sdl2Backend&) = delete;
  Sdl2Backend& operator=(const Sdl2Backend&) = delete;

  // The scale the desktop asks for: from Xft.dpi in the X resources, else from the dots per inch
  // SDL finds for the first display, else 1.
  int DesktopScale() const;

  // Brings the native windows to the layer's state, then waits for the desktop's next events.
  // With no window left, the program has nothing to wait for and its loop is told to end.
  void WaitForInput() override;
  void Present(HWND window, const Surface& pixels) override;
  void WindowDestroyed(HWND window) override;
  bool MoveCursor(POINT screen) override;
  void ShowCursorShape(HCURSOR cursor) override;
  SIZE ScreenSize() const override;

 private:
  struct Video {
    ~Video() { SDL_QuitSubSystem(SDL_INIT_VIDEO); }
  };
  struct FreeCursor {
    void operator()(SDL_Cursor* cursor) const { SDL_FreeCursor(cursor); }
  };
  using Cursor = std::unique_ptr<SDL_Cursor, FreeCursor>;

  // The next event of the desktop, waiting for it; false when none can come.
  bool NextEvent(SDL_Event& event);
  // The X connection SDL shows the windows through; null while there is no native window.
  struct _XDisplay* X11Display() const;
  NativeWindow* Find(HWND window) const;
  NativeWindow* FindById(Uint32 id) const;
  // The native window of a layer window, made when the layer window is shown; null while hidden.
  NativeWindow* Follow(HWND window, bool* made = nullptr);
  void FollowLayer();
  // Keeps the windows an activated owner owns above it where no window manager does: an X
  // server without one stacks only as it is told.
  void RaiseOwnedWindows(HWND owner);
  // False for an event that must wait until the input taken so far has been handled.
  bool Take(const SDL_Event& event);
  void TakeWindowEvent(const SDL_WindowEvent& event);
  void Activated(NativeWindow& native);
  void CloseRequested(NativeWindow& native, DWORD time);
  void Queue(InputEvent event);
  void Beep() const;

  Video video_;
  std::vector<std::unique_ptr<NativeWindow>> windows_;
  Cursor arrow_;
  Cursor wait_;
  std::vector<InputEvent> batch_;
  std::optional<SDL_Event> held_;
  HWND lastActive_ = nullptr;
  bool capturing_ = false;
  bool focusLost_ = false;
};
