#include "tests/app/desktop/x_screen.h"

#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <algorithm>

namespace {

// The test's own connections, and the handler that was in place before the first was opened.
std::vector<Display*>& LookingConnections() {
  static std::vector<Display*> connections;
  return connections;
}
XErrorHandler previousHandler = nullptr;

// A window the test looks at may be destroyed between listing it and reading it: on the test's own
// connections that error is ignored instead of ending the test process, as Xlib's default does.
int IgnoreVanishedWindows(Display* display, XErrorEvent* error) {
  const auto& connections = LookingConnections();
  const bool ours = std::ranges::find(connections, display) != connections.end();
  if (ours && (error->error_code == BadWindow || error->error_code == BadDrawable || error->error_code == BadMatch)) {
    return 0;
  }
  return previousHandler != nullptr ? previousHandler(display, error) : 0;
}

}  // namespace

XScreen::XScreen(const std::string& display) : display_(XOpenDisplay(display.c_str())) {
  if (display_ == nullptr) return;
  static const bool installed = [] {
    previousHandler = XSetErrorHandler(IgnoreVanishedWindows);
    return true;
  }();
  (void)installed;
  LookingConnections().push_back(display_);
}

XScreen::~XScreen() {
  if (display_ == nullptr) return;
  std::erase(LookingConnections(), display_);
  XCloseDisplay(display_);
}

unsigned long XScreen::ShownWindowNamed(const std::string& name) const {
  Window root = 0;
  Window parent = 0;
  Window* children = nullptr;
  unsigned count = 0;
  unsigned long found = 0;
  if (XQueryTree(display_, DefaultRootWindow(display_), &root, &parent, &children, &count) == 0) return 0;
  for (unsigned index = 0; index < count && found == 0; ++index) {
    char* title = nullptr;
    XWindowAttributes attributes{};
    if (XFetchName(display_, children[index], &title) != 0 && title != nullptr) {
      if (name == title && XGetWindowAttributes(display_, children[index], &attributes) != 0 &&
          attributes.map_state == IsViewable) {
        found = children[index];
      }
      XFree(title);
    }
  }
  if (children != nullptr) XFree(children);
  return found;
}

ShownPicture XScreen::Shown(unsigned long window) const {
  XWindowAttributes attributes{};
  XGetWindowAttributes(display_, window, &attributes);
  int x = 0;
  int y = 0;
  Window child = 0;
  XTranslateCoordinates(display_, window, DefaultRootWindow(display_), 0, 0, &x, &y, &child);
  ShownPicture picture;
  XImage* image = XGetImage(display_, DefaultRootWindow(display_), x, y, static_cast<unsigned>(attributes.width),
                            static_cast<unsigned>(attributes.height), AllPlanes, ZPixmap);
  if (image == nullptr) return picture;
  picture.width = attributes.width;
  picture.height = attributes.height;
  for (int row = 0; row < attributes.height; ++row) {
    for (int column = 0; column < attributes.width; ++column) {
      picture.rgb.push_back(static_cast<std::uint32_t>(XGetPixel(image, column, row) & 0xFFFFFF));
    }
  }
  XDestroyImage(image);
  return picture;
}

void XScreen::AskToClose(unsigned long window) const {
  XEvent event{};
  event.xclient.type = ClientMessage;
  event.xclient.window = window;
  event.xclient.message_type = XInternAtom(display_, "WM_PROTOCOLS", False);
  event.xclient.format = 32;
  event.xclient.data.l[0] = static_cast<long>(XInternAtom(display_, "WM_DELETE_WINDOW", False));
  event.xclient.data.l[1] = CurrentTime;
  XSendEvent(display_, window, False, NoEventMask, &event);
  XFlush(display_);
}
