#pragma once
// One desktop window, shown by SDL, for one top-level window of the layer. The desktop draws the
// caption and the frame of a captioned window, so the layer's own caption and frame are left out
// of what is shown; a caption-less popup (a menu, a drop-down list) is shown whole, above all.
// On a scaled screen the native window, its place and its pointer are in device pixels, DisplayScale()
// to each of the layer's pixels, so that the layer keeps its own coordinates.
#include <SDL.h>

#include <memory>
#include <optional>
#include <string>

#include "platform/gdi/surface.h"
#include "platform/gdi/wintypes.h"

// What the native window shows of its layer window, as the layer has it now.
struct NativeLook {
  RECT rect{};        // the layer window, screen coordinates
  RECT insets{};      // the layer's caption and frame that the desktop's frame replaces
  std::string title;  // UTF-8
  bool visible = false;
  bool minimized = false;
  bool resizable = false;
  bool popup = false;
};
NativeLook LookOf(HWND window);

// A length or coordinate of the layer in device pixels, and back: a device pixel belongs to the
// layer pixel whose square holds it, and a device length takes as many layer pixels as cover it.
int ToDevice(int layer);
int FromDevice(int device);
int FromDeviceLength(int device);

class NativeWindow {
 public:
  // Null when SDL cannot make the window.
  static std::unique_ptr<NativeWindow> Create(HWND window, const NativeLook& look, SDL_Window* owner);
  // Takes over a native window made for the look, still hidden.
  NativeWindow(HWND window, SDL_Window* native, const NativeLook& look);

  HWND Window() const { return window_; }
  Uint32 Id() const { return SDL_GetWindowID(native_.get()); }
  SDL_Window* Native() const { return native_.get(); }
  const NativeLook& Applied() const { return applied_; }

  // Brings the desktop window to the look: title, size, place, shown or hidden.
  void Apply(const NativeLook& look);
  // The layer took the place or size the desktop gave the window.
  void Accept(const RECT& rect) { applied_.rect = rect; }
  // Shows the framebuffer's pixels, passing only the rows and columns that differ from what the
  // window's desktop framebuffer holds; a window the look made visible appears on the desktop then.
  void Present(const Surface& pixels);
  // Made visible by the look and not yet presented.
  bool MapPending() const { return mapPending_; }
  // The desktop lost what the window showed: the next Present passes everything.
  void Forget() { forgotten_ = true; }
  // A point of the native window, in device pixels, in the layer's screen coordinates.
  POINT ToScreen(int x, int y) const;
  // Whether a point of the native window lies on it: the pointer held by a press keeps reporting
  // in the coordinates of the window it was pressed on after it left it.
  bool Covers(int x, int y) const;
  // The X window SDL shows this one through; 0 where there is none.
  unsigned long X11Window() const;

 private:
  struct Destroy {
    void operator()(SDL_Window* window) const { SDL_DestroyWindow(window); }
  };

  // Copies what differs from the desktop framebuffer into it; the part to pass on, if any.
  std::optional<SDL_Rect> PassPixels(const Surface& pixels);

  HWND window_;
  std::unique_ptr<SDL_Window, Destroy> native_;
  NativeLook applied_;
  // The size last passed to the desktop, the framebuffer without the insets.
  int shownWidth_ = 0;
  int shownHeight_ = 0;
  bool forgotten_ = true;
  bool mapPending_ = false;
  // The desktop framebuffer whose pages were all taken at once.
  const void* preparedPixels_ = nullptr;
};
