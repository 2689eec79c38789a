#include "platform/backend/native_window.h"

#include <SDL_syswm.h>

#include <algorithm>

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

// The columns of a row that differ, as [first, last); false when none does.
bool ChangedColumns(const COLORREF* now, const COLORREF* before, int width, int& first, int& last) {
  const auto start = std::mismatch(now, now + width, before);
  if (start.first == now + width) return false;
  first = static_cast<int>(start.first - now);
  int end = width;
  while (end > first && now[end - 1] == before[end - 1]) --end;
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
  if (look.visible && (!applied_.visible || applied_.minimized)) {
    SDL_ShowWindow(native);
    if (applied_.minimized) SDL_RestoreWindow(native);
    Forget();
  } else if (!look.visible && applied_.visible) {
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
  SDL_Surface* target = SDL_GetWindowSurface(native_.get());
  if (target == nullptr) return;
  const int scale = pixels.Scale();
  const RECT insets{applied_.insets.left * scale, applied_.insets.top * scale, applied_.insets.right * scale,
                    applied_.insets.bottom * scale};
  const int width = std::min(pixels.DeviceWidth() - insets.left - insets.right, target->w);
  const int height = std::min(pixels.DeviceHeight() - insets.top - insets.bottom, target->h);
  if (width <= 0 || height <= 0) return;
  const bool whole = shown_.Width() != width || shown_.Height() != height;
  if (whole) shown_ = Surface(width, height, RGB(0, 0, 0));
  int top = height;
  int bottom = 0;
  int left = width;
  int right = 0;
  for (int y = 0; y < height; ++y) {
    const COLORREF* now = pixels.Row(y + insets.top) + insets.left;
    int first = 0;
    int last = width;
    if (!whole && !ChangedColumns(now, shown_.Row(y), width, first, last)) continue;
    top = std::min(top, y);
    bottom = y + 1;
    left = std::min(left, first);
    right = std::max(right, last);
  }
  if (top >= bottom) return;
  for (int y = top; y < bottom; ++y) {
    const COLORREF* now = pixels.Row(y + insets.top) + insets.left;
    std::copy(now + left, now + right, shown_.Row(y) + left);
  }
  if (SDL_MUSTLOCK(target) && SDL_LockSurface(target) != 0) return;
  auto* destination = static_cast<Uint8*>(target->pixels) + static_cast<ptrdiff_t>(top) * target->pitch +
                      static_cast<ptrdiff_t>(left) * target->format->BytesPerPixel;
  SDL_ConvertPixels(right - left, bottom - top, SDL_PIXELFORMAT_XBGR8888, shown_.Row(top) + left,
                    width * static_cast<int>(sizeof(COLORREF)), target->format->format, destination, target->pitch);
  if (SDL_MUSTLOCK(target)) SDL_UnlockSurface(target);
  const SDL_Rect changed{left, top, right - left, bottom - top};
  SDL_UpdateWindowSurfaceRects(native_.get(), &changed, 1);
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
