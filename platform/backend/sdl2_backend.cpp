#include "platform/backend/sdl2_backend.h"

#include <SDL_syswm.h>
#include <X11/Xlib.h>
#include <poll.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>

#include "platform/backend/sdl2_input.h"
#include "platform/gdi/display_scale.h"
#include "platform/win/window_api.h"

namespace {

bool IsWindowEvent(const SDL_Event& event) { return event.type == SDL_WINDOWEVENT; }

bool IsOwnedBy(HWND window, HWND owner) {
  for (HWND above = GetWindow(window, GW_OWNER); above != nullptr; above = GetWindow(above, GW_OWNER)) {
    if (above == owner) return true;
  }
  return false;
}

// The window that stands for a disabled one: the front-most enabled window it owns, directly or
// through others, as a modal dialog or message box over it.
HWND EnabledOwnedWindow(HWND window) {
  for (HWND top : TopLevelWindows()) {
    if (IsWindowVisible(top) && IsWindowEnabled(top) && IsOwnedBy(top, window)) return top;
  }
  return nullptr;
}

}  // namespace

std::unique_ptr<Sdl2Backend> Sdl2Backend::Open() {
  const char* display = std::getenv("DISPLAY");
  if (display == nullptr || *display == '\0') return nullptr;
  SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
  SDL_SetHint(SDL_HINT_QUIT_ON_LAST_WINDOW_CLOSE, "0");
  SDL_SetHint(SDL_HINT_MOUSE_FOCUS_CLICKTHROUGH, "1");
  // SDL would hold the screen saver off for as long as the program runs, as a game does.
  SDL_SetHint(SDL_HINT_VIDEO_ALLOW_SCREENSAVER, "1");
  // The window's own framebuffer: a renderer behind it would make SDL remake the X window, which
  // loses the hint that keeps an owned window above its owner.
  SDL_SetHint(SDL_HINT_FRAMEBUFFER_ACCELERATION, "0");
  // Popups and owned windows are placed in screen coordinates, which X11 gives and Wayland does not.
  SDL_SetHint(SDL_HINT_VIDEODRIVER, "x11");
  if (SDL_InitSubSystem(SDL_INIT_VIDEO) != 0) return nullptr;
  const char* driver = SDL_GetCurrentVideoDriver();
  if (driver == nullptr || std::strcmp(driver, "x11") != 0) {
    SDL_QuitSubSystem(SDL_INIT_VIDEO);
    return nullptr;
  }
  return std::make_unique<Sdl2Backend>();
}

Sdl2Backend::Sdl2Backend() { SDL_StartTextInput(); }

int Sdl2Backend::DesktopScale() const {
  // SDL shows no window yet, so the resources are read through a connection of their own.
  if (Display* display = XOpenDisplay(nullptr)) {
    const char* resources = XResourceManagerString(display);
    const std::optional<double> dotsPerInch = XftDpiFromResources(resources == nullptr ? "" : resources);
    XCloseDisplay(display);
    if (dotsPerInch) return ScaleForDpi(*dotsPerInch);
  }
  float dotsPerInch = 0;
  if (SDL_GetDisplayDPI(0, &dotsPerInch, nullptr, nullptr) == 0) return ScaleForDpi(dotsPerInch);
  return 1;
}

Sdl2Backend::~Sdl2Backend() {
  if (capturing_) SDL_CaptureMouse(SDL_FALSE);
  SDL_StopTextInput();
  windows_.clear();
}

NativeWindow* Sdl2Backend::Find(HWND window) const {
  for (const auto& native : windows_) {
    if (native->Window() == window) return native.get();
  }
  return nullptr;
}

NativeWindow* Sdl2Backend::FindById(Uint32 id) const {
  for (const auto& native : windows_) {
    if (native->Id() == id) return native.get();
  }
  return nullptr;
}

NativeWindow* Sdl2Backend::Follow(HWND window, bool* made) {
  const NativeLook look = LookOf(window);
  if (NativeWindow* native = Find(window)) {
    native->Apply(look);
    return native;
  }
  if (!look.visible) return nullptr;
  const NativeWindow* owner = Find(GetWindow(window, GW_OWNER));
  std::unique_ptr<NativeWindow> native =
      NativeWindow::Create(window, look, owner == nullptr ? nullptr : owner->Native());
  if (!native) return nullptr;
  if (made != nullptr) *made = true;
  windows_.push_back(std::move(native));
  return windows_.back().get();
}

void Sdl2Backend::FollowLayer() {
  for (HWND top : TopLevelWindows()) {
    bool made = false;
    NativeWindow* native = Follow(top, &made);
    if (native == nullptr || (!made && !native->MapPending())) continue;
    if (const Surface* pixels = WindowSurface(top)) native->Present(*pixels);
  }
  const HWND active = GetActiveWindow();
  if (active != lastActive_) {
    lastActive_ = active;
    if (NativeWindow* native = Find(active)) {
      SDL_RaiseWindow(native->Native());
      RaiseOwnedWindows(active);
    }
  }
  const bool capture = GetCapture() != nullptr;
  if (capture != capturing_) {
    capturing_ = capture;
    SDL_CaptureMouse(capture ? SDL_TRUE : SDL_FALSE);
  }
}

void Sdl2Backend::RaiseOwnedWindows(HWND owner) {
  Display* display = X11Display();
  if (display == nullptr) return;
  const std::vector<HWND> tops = TopLevelWindows();
  bool raised = false;
  // From the back to the front, so that the native order ends as the layer's.
  for (auto top = tops.rbegin(); top != tops.rend(); ++top) {
    if (!IsOwnedBy(*top, owner)) continue;
    const NativeWindow* native = Find(*top);
    const unsigned long window = native == nullptr ? 0 : native->X11Window();
    if (window == 0 || !native->Applied().visible) continue;
    XRaiseWindow(display, window);
    raised = true;
  }
  if (raised) XFlush(display);
}

void Sdl2Backend::WaitForInput() {
  if (TopLevelWindows().empty()) {
    PostQuitMessage(0);
    return;
  }
  FollowLayer();
  SDL_Event event;
  if (held_) {
    event = *held_;
    held_.reset();
  } else if (!NextEvent(event)) {
    return;
  }
  do {
    if (!Take(event)) {
      held_ = event;
      break;
    }
  } while (SDL_PollEvent(&event) != 0);
  for (const InputEvent& input : batch_) PostInput(input);
  batch_.clear();
  // The program lost the keyboard to another one: as on the platform, an open menu or a drag
  // that holds the mouse lets go.
  if (focusLost_ && SDL_GetKeyboardFocus() == nullptr && GetCapture() != nullptr) ReleaseCapture();
  focusLost_ = false;
}

bool Sdl2Backend::NextEvent(SDL_Event& event) {
  Display* display = X11Display();
  // SDL's own wait wakes itself through one of the windows, which may be gone by the time the X
  // server gets to it, and the X error ends the program; waiting on the connection avoids that.
  if (display == nullptr) return SDL_WaitEvent(&event) != 0;
  while (SDL_PollEvent(&event) == 0) {
    pollfd connection{ConnectionNumber(display), POLLIN, 0};
    if (poll(&connection, 1, -1) < 0 && errno != EINTR) return false;
  }
  return true;
}

Display* Sdl2Backend::X11Display() const {
  if (windows_.empty()) return nullptr;
  SDL_SysWMinfo info;
  SDL_VERSION(&info.version);
  if (SDL_GetWindowWMInfo(windows_.front()->Native(), &info) != SDL_TRUE || info.subsystem != SDL_SYSWM_X11) {
    return nullptr;
  }
  return info.info.x11.display;
}

void Sdl2Backend::Queue(InputEvent event) {
  // Only the last of a run of pointer moves matters.
  if (event.kind == InputEvent::Kind::MouseMove && !batch_.empty() &&
      batch_.back().kind == InputEvent::Kind::MouseMove) {
    batch_.back() = event;
    return;
  }
  batch_.push_back(event);
}

bool Sdl2Backend::Take(const SDL_Event& event) {
  // Window events change the layer at once, so they wait for the input that came before them.
  if (IsWindowEvent(event)) {
    if (!batch_.empty()) return false;
    TakeWindowEvent(event.window);
    return true;
  }
  InputEvent input;
  input.time = event.common.timestamp;
  switch (event.type) {
    case SDL_MOUSEMOTION: {
      const NativeWindow* native = FindById(event.motion.windowID);
      if (native == nullptr) return true;
      input.kind = InputEvent::Kind::MouseMove;
      input.point = native->ToScreen(event.motion.x, event.motion.y);
      if (native->Covers(event.motion.x, event.motion.y)) input.window = native->Window();
      Queue(input);
      return true;
    }
    case SDL_MOUSEBUTTONDOWN:
    case SDL_MOUSEBUTTONUP: {
      const NativeWindow* native = FindById(event.button.windowID);
      if (native == nullptr || event.button.button != SDL_BUTTON_LEFT) return true;
      input.kind = event.type == SDL_MOUSEBUTTONDOWN ? InputEvent::Kind::MouseDown : InputEvent::Kind::MouseUp;
      input.point = native->ToScreen(event.button.x, event.button.y);
      if (native->Covers(event.button.x, event.button.y)) input.window = native->Window();
      Queue(input);
      return true;
    }
    case SDL_KEYDOWN:
    case SDL_KEYUP:
      input.key = VirtualKeyFor(event.key.keysym.sym);
      if (input.key == 0) return true;
      input.kind = event.type == SDL_KEYDOWN ? InputEvent::Kind::KeyDown : InputEvent::Kind::KeyUp;
      Queue(input);
      return true;
    case SDL_TEXTINPUT: {
      const TypedText typed = TypedCharacters(event.text.text);
      input.kind = InputEvent::Kind::Character;
      for (char character : typed.characters) {
        input.character = character;
        Queue(input);
      }
      if (typed.refused > 0) Beep();
      return true;
    }
    default: return true;
  }
}

void Sdl2Backend::TakeWindowEvent(const SDL_WindowEvent& event) {
  NativeWindow* native = FindById(event.windowID);
  if (native == nullptr) return;
  const HWND window = native->Window();
  const NativeLook& applied = native->Applied();
  switch (event.event) {
    case SDL_WINDOWEVENT_CLOSE: CloseRequested(*native, event.timestamp); break;
    case SDL_WINDOWEVENT_FOCUS_GAINED: Activated(*native); break;
    case SDL_WINDOWEVENT_FOCUS_LOST: focusLost_ = true; break;
    case SDL_WINDOWEVENT_MOVED: {
      const int x = FromDevice(event.data1) - applied.insets.left;
      const int y = FromDevice(event.data2) - applied.insets.top;
      if (x == applied.rect.left && y == applied.rect.top) break;
      SetWindowPos(window, nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
      RECT now{};
      GetWindowRect(window, &now);
      native->Accept(now);
      break;
    }
    case SDL_WINDOWEVENT_SIZE_CHANGED: {
      const int width = FromDeviceLength(event.data1) + applied.insets.left + applied.insets.right;
      const int height = FromDeviceLength(event.data2) + applied.insets.top + applied.insets.bottom;
      // SDL made the window's surface anew: it is filled again now, or by the layer's repaint.
      native->Forget();
      if (width == applied.rect.right - applied.rect.left && height == applied.rect.bottom - applied.rect.top) {
        if (const Surface* pixels = WindowSurface(window)) native->Present(*pixels);
        break;
      }
      SetWindowPos(window, nullptr, 0, 0, width, height, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
      RECT now{};
      GetWindowRect(window, &now);
      native->Accept(now);
      break;
    }
    case SDL_WINDOWEVENT_EXPOSED:
      native->Forget();
      if (const Surface* pixels = WindowSurface(window)) native->Present(*pixels);
      break;
    case SDL_WINDOWEVENT_MINIMIZED:
      if ((GetWindowLong(window, GWL_STYLE) & static_cast<LONG>(WS_MINIMIZE)) == 0) {
        PostMessage(window, WM_SYSCOMMAND, SC_MINIMIZE, 0);
      }
      break;
    case SDL_WINDOWEVENT_RESTORED:
      if ((GetWindowLong(window, GWL_STYLE) & static_cast<LONG>(WS_MINIMIZE)) != 0) {
        PostMessage(window, WM_SYSCOMMAND, SC_RESTORE, 0);
      }
      break;
    default: break;
  }
}

void Sdl2Backend::Activated(NativeWindow& native) {
  const HWND window = native.Window();
  if (!IsWindowEnabled(window)) {
    // A window under a modal one takes no input; the modal window comes forward instead.
    if (NativeWindow* front = Find(EnabledOwnedWindow(window))) SDL_RaiseWindow(front->Native());
    return;
  }
  if (GetActiveWindow() != window) SetActiveWindow(window);
  lastActive_ = GetActiveWindow();
}

void Sdl2Backend::CloseRequested(NativeWindow& native, DWORD time) {
  const HWND window = native.Window();
  if (!IsWindowEnabled(window)) {
    Beep();
    if (NativeWindow* front = Find(EnabledOwnedWindow(window))) SDL_RaiseWindow(front->Native());
    return;
  }
  // Only a window with a system menu has a close box.
  if ((GetWindowLong(window, GWL_STYLE) & static_cast<LONG>(WS_SYSMENU)) == 0) return;
  InputEvent close;
  close.kind = InputEvent::Kind::Close;
  close.window = window;
  close.time = time;
  Queue(close);
}

void Sdl2Backend::Present(HWND window, const Surface& pixels) {
  if (NativeWindow* native = Follow(window)) native->Present(pixels);
}

void Sdl2Backend::WindowDestroyed(HWND window) {
  std::erase_if(windows_, [&](const std::unique_ptr<NativeWindow>& native) { return native->Window() == window; });
  if (lastActive_ == window) lastActive_ = nullptr;
}

bool Sdl2Backend::MoveCursor(POINT screen) { return SDL_WarpMouseGlobal(ToDevice(screen.x), ToDevice(screen.y)) == 0; }

void Sdl2Backend::ShowCursorShape(HCURSOR cursor) {
  if (cursor == nullptr) {
    SDL_ShowCursor(SDL_DISABLE);
    return;
  }
  SDL_ShowCursor(SDL_ENABLE);
  const bool wait = cursor == LoadCursor(nullptr, IDC_WAIT);
  Cursor& shape = wait ? wait_ : arrow_;
  // Made when first shown: reading the desktop's cursor theme would hold up the start.
  if (!shape) shape.reset(SDL_CreateSystemCursor(wait ? SDL_SYSTEM_CURSOR_WAIT : SDL_SYSTEM_CURSOR_ARROW));
  SDL_SetCursor(shape.get());
}

SIZE Sdl2Backend::ScreenSize() const {
  SDL_Rect bounds{};
  if (SDL_GetDisplayBounds(0, &bounds) != 0) return SIZE{1024, 768};
  return SIZE{bounds.w / DisplayScale(), bounds.h / DisplayScale()};
}

void Sdl2Backend::Beep() const {
  Display* display = X11Display();
  if (display == nullptr) return;
  XBell(display, 0);
  XFlush(display);
}
