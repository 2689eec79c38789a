#include "platform/backend/native_window.h"

#include <SDL_syswm.h>

#include <algorithm>
#include <optional>

#include "platform/gdi/charset.h"
#include "platform/gdi/display_scale.h"
#include "platform/win/window_api.h"

namespace {

int Width(const RECT& rect) { return rect.right - rect.left; }
int Height(const RECT& rect) { return rect.bottom - rect.top; }

// The size of the native window in device pixels: the layer window without the insets, never empty.
SDL_Point ShownSize(const NativeLook& look) {
  return SDL_Point{ToDevice(std::max(1, Width(look.rect) - look.insets.left - look.insets.right)),
                   ToDevice(std::max(1, Height(look.rect) - look.insets.top - look.insets.bottom))};
}

// Where the native window goes on the screen, in device pixels.
SDL_Point ShownPlace(const NativeLook& look) {
  return SDL_Point{ToDevice(look.rect.left + look.insets.left), ToDevice(look.rect.top + look.insets.top)};
}

// How a colour is laid out in a pixel of 8 bits a channel, in 32 bits, as the desktop's window
// framebuffers are: the screen's own memory then tells what it shows, with no copy kept of it.
struct Packing {
  Uint32 redShift = 0;
  Uint32 greenShift = 0;
  Uint32 blueShift = 0;
  Uint32 colourBits = 0;

  Uint32 Pack(COLORREF colour) const {
    return (Uint32{GetRValue(colour)} << redShift) | (Uint32{GetGValue(colour)} << greenShift) |
           (Uint32{GetBValue(colour)} << blueShift);
  }
  bool Shows(COLORREF colour, Uint32 pixel) const { return Pack(colour) == (pixel & colourBits); }
};

std::optional<Packing> PackingOf(const SDL_PixelFormat& format) {
  if (format.BytesPerPixel != 4 || format.Rloss != 0 || format.Gloss != 0 || format.Bloss != 0) return std::nullopt;
  return Packing{format.Rshift, format.Gshift, format.Bshift, format.Rmask | format.Gmask | format.Bmask};
}

// The columns of a row that differ from what the screen shows, as [first, last); false when none does.
bool ChangedColumns(const COLORREF* now, const Uint32* shown, int width, const Packing& packing, int& first,
                    int& last) {
  // Whole runs of pixels compared without a branch each, then the pixel that differs.
  constexpr int Run = 16;
  int start = 0;
  for (; start + Run <= width; start += Run) {
    Uint32 differs = 0;
    for (int x = start; x < start + Run; ++x) differs |= packing.Pack(now[x]) ^ (shown[x] & packing.colourBits);
    if (differs != 0) break;
  }
  while (start < width && packing.Shows(now[start], shown[start])) ++start;
  if (start == width) return false;
  int end = width;
  while (end > start && packing.Shows(now[end - 1], shown[end - 1])) --end;
  first = start;
  last = end;
  return true;
}

}  // namespace

int ToDevice(int layer) { return layer * DisplayScale(); }

int FromDevice(int device) {
  const int scale = DisplayScale();
  return device >= 0 ? device / scale : -((-device + scale - 1) / scale);
}

int FromDeviceLength(int device) { return (device + DisplayScale() - 1) / DisplayScale(); }

NativeLook LookOf(HWND window) {
  NativeLook look;
  GetWindowRect(window, &look.rect);
  const auto style = static_cast<DWORD>(GetWindowLong(window, GWL_STYLE));
  const auto exStyle = static_cast<DWORD>(GetWindowLong(window, GWL_EXSTYLE));
  const bool captioned = (style & WS_CAPTION) == WS_CAPTION;
  if (captioned) {
    RECT frame{};
    AdjustWindowRectEx(&frame, style, FALSE, exStyle & ~WS_EX_CLIENTEDGE);
    look.insets = RECT{-frame.left, -frame.top, frame.right, frame.bottom};
  }
  look.title = Utf8FromCp1252(GetWindowTextString(window));
  look.visible = IsWindowVisible(window) != FALSE;
  look.minimized = (style & WS_MINIMIZE) != 0;
  look.resizable = (style & WS_THICKFRAME) != 0 && (style & WS_DISABLED) == 0;
  look.popup = !captioned && (style & WS_POPUP) != 0;
  return look;
}

std::unique_ptr<NativeWindow> NativeWindow::Create(HWND window, const NativeLook& look, SDL_Window* owner) {
  Uint32 flags = SDL_WINDOW_HIDDEN;
  if (look.popup) {
    flags |= SDL_WINDOW_BORDERLESS | SDL_WINDOW_POPUP_MENU | SDL_WINDOW_SKIP_TASKBAR;
  } else if (look.insets.top == 0) {
    flags |= SDL_WINDOW_BORDERLESS;
  }
  if (look.resizable) flags |= SDL_WINDOW_RESIZABLE;
  const SDL_Point size = ShownSize(look);
  const SDL_Point place = ShownPlace(look);
  SDL_Window* native = SDL_CreateWindow(look.title.c_str(), place.x, place.y, size.x, size.y, flags);
  if (native == nullptr) return nullptr;
  if (owner != nullptr) SDL_SetWindowModalFor(native, owner);
  auto made = std::make_unique<NativeWindow>(window, native, look);
  made->Apply(look);
  return made;
}

NativeWindow::NativeWindow(HWND window, SDL_Window* native, const NativeLook& look)
    : window_(window), native_(native), applied_(look) {
  applied_.visible = false;
  applied_.minimized = false;
}

void NativeWindow::Apply(const NativeLook& look) {
  SDL_Window* native = native_.get();
  if (look.title != applied_.title) SDL_SetWindowTitle(native, look.title.c_str());
  if (look.resizable != applied_.resizable) SDL_SetWindowResizable(native, look.resizable ? SDL_TRUE : SDL_FALSE);
  const SDL_Point size = ShownSize(look);
  if (Width(look.rect) != Width(applied_.rect) || Height(look.rect) != Height(applied_.rect)) {
    SDL_SetWindowSize(native, size.x, size.y);
  }
  if (look.rect.left != applied_.rect.left || look.rect.top != applied_.rect.top) {
    const SDL_Point place = ShownPlace(look);
    SDL_SetWindowPosition(native, place.x, place.y);
  }
  if (look.visible && applied_.minimized) {
    SDL_ShowWindow(native);
    SDL_RestoreWindow(native);
    Forget();
  } else if (look.visible && !applied_.visible) {
    // Shown by the first Present, with its pixels already in place, so that the desktop never
    // shows it empty.
    mapPending_ = true;
    Forget();
  } else if (!look.visible && applied_.visible) {
    mapPending_ = false;
    if (look.minimized) {
      SDL_MinimizeWindow(native);
    } else {
      SDL_HideWindow(native);
    }
  }
  applied_ = look;
  applied_.minimized = !look.visible && look.minimized;
}

void NativeWindow::Present(const Surface& pixels) {
  if (!applied_.visible) return;
  const std::optional<SDL_Rect> changed = PassPixels(pixels);
  if (mapPending_) {
    mapPending_ = false;
    SDL_ShowWindow(native_.get());
  }
  if (changed) SDL_UpdateWindowSurfaceRects(native_.get(), &*changed, 1);
}

std::optional<SDL_Rect> NativeWindow::PassPixels(const Surface& pixels) {
  SDL_Surface* target = SDL_GetWindowSurface(native_.get());
  if (target == nullptr) return std::nullopt;
  if (target->pixels != preparedPixels_) {
    // SDL made the desktop framebuffer anew: it is about to be written whole.
    preparedPixels_ = target->pixels;
    if (!SDL_MUSTLOCK(target)) PrefaultForWriting(target->pixels, static_cast<size_t>(target->h) * target->pitch);
  }
  const int scale = pixels.Scale();
  const RECT insets{applied_.insets.left * scale, applied_.insets.top * scale, applied_.insets.right * scale,
                    applied_.insets.bottom * scale};
  const int width = std::min(pixels.DeviceWidth() - insets.left - insets.right, target->w);
  const int height = std::min(pixels.DeviceHeight() - insets.top - insets.bottom, target->h);
  if (width <= 0 || height <= 0) return std::nullopt;
  if (SDL_MUSTLOCK(target) && SDL_LockSurface(target) != 0) return std::nullopt;
  auto* screen = static_cast<Uint8*>(target->pixels);
  // In a format other than 8 bits a channel in 32 bits, everything is passed every time.
  const std::optional<Packing> packing = PackingOf(*target->format);
  const bool whole = forgotten_ || !packing || width != shownWidth_ || height != shownHeight_;
  int top = whole ? 0 : height;
  int bottom = whole ? height : 0;
  int left = whole ? 0 : width;
  int right = whole ? width : 0;
  for (int y = 0; y < height && !whole; ++y) {
    const COLORREF* now = pixels.Row(y + insets.top) + insets.left;
    const auto* shown = reinterpret_cast<const Uint32*>(screen + static_cast<ptrdiff_t>(y) * target->pitch);
    int first = 0;
    int last = 0;
    if (!ChangedColumns(now, shown, width, *packing, first, last)) continue;
    top = std::min(top, y);
    bottom = y + 1;
    left = std::min(left, first);
    right = std::max(right, last);
  }
  if (top < bottom) {
    auto* destination = screen + static_cast<ptrdiff_t>(top) * target->pitch +
                        static_cast<ptrdiff_t>(left) * target->format->BytesPerPixel;
    SDL_ConvertPixels(
        right - left, bottom - top, SDL_PIXELFORMAT_XBGR8888, pixels.Row(top + insets.top) + insets.left + left,
        pixels.DeviceWidth() * static_cast<int>(sizeof(COLORREF)), target->format->format, destination, target->pitch);
  }
  if (SDL_MUSTLOCK(target)) SDL_UnlockSurface(target);
  forgotten_ = false;
  shownWidth_ = width;
  shownHeight_ = height;
  if (top >= bottom) return std::nullopt;
  return SDL_Rect{left, top, right - left, bottom - top};
}

POINT NativeWindow::ToScreen(int x, int y) const {
  return POINT{applied_.rect.left + applied_.insets.left + FromDevice(x),
               applied_.rect.top + applied_.insets.top + FromDevice(y)};
}

bool NativeWindow::Covers(int x, int y) const {
  int width = 0;
  int height = 0;
  SDL_GetWindowSize(native_.get(), &width, &height);
  return x >= 0 && y >= 0 && x < width && y < height;
}

unsigned long NativeWindow::X11Window() const {
  SDL_SysWMinfo info;
  SDL_VERSION(&info.version);
  if (SDL_GetWindowWMInfo(native_.get(), &info) != SDL_TRUE || info.subsystem != SDL_SYSWM_X11) return 0;
  return info.info.x11.window;
}
