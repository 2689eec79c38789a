// The SDL2 backend on a real X server, bare and under a window manager (openbox), at the plain
// scale and at twice it (asked for by TAVRIN_SCALE, or by Xft.dpi in the server's resources): the
// demo program runs through the program's entry, which chooses real windows because a display is
// there, and the test acts on it with real input events (xdotool) and reads back what the demo
// printed, what the X server shows, and its bells.
#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <functional>
#include <iterator>
#include <memory>
#include <sstream>

#include "tests/platform/desktop/desktop_session.h"
// After the test framework: Xlib's macros would clash with its names.
#include <X11/XKBlib.h>
#include <X11/Xlib.h>
#include <X11/Xatom.h>
#include <X11/Xutil.h>
#include <X11/extensions/scrnsaver.h>

namespace {

using namespace desktop_test;

struct Point {
  int x = 0;
  int y = 0;
};

struct Box {
  int left = 0;
  int top = 0;
  int right = 0;
  int bottom = 0;
};

enum class Desktop { BareServer, WindowManager };

// Sets Xft.dpi in the resources of the X server on DISPLAY, as a desktop's settings do.
bool SetXftDpi(const std::string& dotsPerInch) {
  const std::filesystem::path file =
      std::filesystem::temp_directory_path() / ("tavrin-xresources-" + std::to_string(getpid()));
  std::ofstream(file) << "Xft.dpi: " << dotsPerInch << "\n";
  const bool merged = RunToEnd({"xrdb", "-nocpp", "-merge", file.string()}).has_value();
  std::filesystem::remove(file);
  return merged;
}

// Who asks for twice the plain scale, if anyone: the environment, or the X server's resources.
enum class Scale { Plain, Environment, XResources };

struct Run {
  Desktop desktop;
  Scale scale;
};

class Sdl2BackendTest : public ::testing::TestWithParam<Run> {
 protected:
  void SetUp() override {
    if (OnPath("Xvfb").empty() || OnPath("xdotool").empty()) {
      GTEST_SKIP() << "Xvfb and xdotool are needed for the desktop tests (scripts/install-deps installs them)";
    }
    if (Managed() && OnPath("openbox").empty()) {
      GTEST_SKIP()
          << "openbox is needed for the desktop tests under a window manager (scripts/install-deps installs it)";
    }
    if (GetParam().scale == Scale::XResources && OnPath("xrdb").empty()) {
      GTEST_SKIP() << "xrdb is needed to set the X server's resources (scripts/install-deps installs it)";
    }
    scale_ = GetParam().scale == Scale::Plain ? 1 : 2;
    server_ = std::make_unique<Xvfb>(scale_ == 1 ? "1024x768x24" : "2048x1536x24");
    ASSERT_FALSE(server_->Display().empty()) << "Xvfb did not start";
    setenv("DISPLAY", server_->Display().c_str(), 1);
    unsetenv("TAVRIN_SCRIPT");
    unsetenv("TAVRIN_SCALE");
    if (GetParam().scale == Scale::Environment) setenv("TAVRIN_SCALE", "2", 1);
    if (GetParam().scale == Scale::XResources) {
      ASSERT_TRUE(SetXftDpi("192"));
    }
    x_ = XOpenDisplay(server_->Display().c_str());
    ASSERT_NE(x_, nullptr);
    // A window the test looks at may be gone by the time the server reads the request: the answer
    // is then empty, not the end of the test program.
    XSetErrorHandler([](Display*, XErrorEvent*) { return 0; });
    if (Managed()) {
      manager_ = std::make_unique<Child>(std::vector<std::string>{"openbox", "--sm-disable"}, 1);
      ASSERT_TRUE(manager_->Started());
      ASSERT_TRUE(ManagerRuns()) << "openbox did not take the screen";
      ASSERT_TRUE(ManagerFramesWindows()) << "openbox did not frame a window";
    }
    int opcode = 0;
    int error = 0;
    int major = XkbMajorVersion;
    int minor = XkbMinorVersion;
    ASSERT_TRUE(XkbQueryExtension(x_, &opcode, &xkbEvent_, &error, &major, &minor));
    XkbSelectEvents(x_, XkbUseCoreKbd, XkbBellNotifyMask, XkbBellNotifyMask);
    BindKeys({"ae", "EuroSign", "Greek_OMEGA"});
    XSync(x_, False);
    demo_ = std::make_unique<Child>(std::vector<std::string>{TAVRIN_SDL2_DEMO}, 1);
    ASSERT_TRUE(demo_->Started());
    const std::optional<std::string> ready = demo_->ReadLine(20s);
    ASSERT_TRUE(ready.has_value()) << "the demo did not start";
    std::istringstream words(*ready);
    std::string word;
    Point asked;
    words >> word >> press_.x >> press_.y >> box_.x >> box_.y >> pad_.x >> pad_.y >> menu_.x >> menu_.y >> clientTop_ >>
        combo_.x >> combo_.y >> asked.x >> asked.y >> shownSize_.x >> shownSize_.y;
    ASSERT_EQ(word, "ready");
    // The demo speaks in its own pixels; the screen has scale_ times as many.
    for (Point* point : {&press_, &box_, &pad_, &menu_, &combo_, &asked}) *point = Scaled(*point);
    clientTop_ *= scale_;
    const std::optional<std::string> found =
        RunToEnd({"xdotool", "search", "--sync", "--onlyvisible", "--name", "^Tavrin demo$"});
    ASSERT_TRUE(found.has_value());
    window_ = std::stoul(*found);
    if (Managed()) FollowTheManagersPlacement(asked);
    ASSERT_TRUE(RunToEnd({"xdotool", "windowfocus", "--sync", std::to_string(window_)}));
  }

  // A window manager frames the window and may place it elsewhere than the demo asked; the demo
  // is told and says "moved". The places it gave move with the window.
  void FollowTheManagersPlacement(Point asked) {
    ASSERT_TRUE(Soon([&] { return StackedWindow(window_) != window_; })) << "the manager framed the window";
    const Box placed = ScreenBox(window_);
    const Point shift{placed.left - asked.x, placed.top - asked.y};
    if (shift.x == 0 && shift.y == 0) return;
    LinesUpTo("moved");
    for (Point* point : {&press_, &box_, &pad_, &menu_, &combo_}) {
      point->x += shift.x;
      point->y += shift.y;
    }
    clientTop_ += shift.y;
  }

  void TearDown() override {
    demo_.reset();
    manager_.reset();
    if (x_ != nullptr) XCloseDisplay(x_);
    unsetenv("TAVRIN_SCALE");
  }

  static bool Managed() { return GetParam().desktop == Desktop::WindowManager; }

  Point Scaled(Point point) const { return Point{point.x * scale_, point.y * scale_}; }

  // Whether a window manager has announced itself on the root window, within a few seconds.
  bool ManagerRuns() {
    const Atom check = XInternAtom(x_, "_NET_SUPPORTING_WM_CHECK", False);
    const auto deadline = std::chrono::steady_clock::now() + 10s;
    while (std::chrono::steady_clock::now() < deadline) {
      Atom type = None;
      int format = 0;
      unsigned long count = 0;
      unsigned long left = 0;
      unsigned char* data = nullptr;
      XGetWindowProperty(x_, DefaultRootWindow(x_), check, 0, 1, False, AnyPropertyType, &type, &format, &count, &left,
                         &data);
      if (data != nullptr) XFree(data);
      if (count > 0) return true;
      usleep(20000);
    }
    return false;
  }

  // Whether the window manager frames the windows mapped from now on. It announces itself before
  // it handles the requests of other programs, and a window mapped in between is never shown: a
  // window of the test's own is mapped again and again until one is framed.
  bool ManagerFramesWindows() {
    const auto deadline = std::chrono::steady_clock::now() + 10s;
    while (std::chrono::steady_clock::now() < deadline) {
      const Window probe = XCreateSimpleWindow(x_, DefaultRootWindow(x_), 0, 0, 10, 10, 0, 0, 0);
      XMapWindow(x_, probe);
      XSync(x_, False);
      bool framed = false;
      for (int wait = 0; wait < 25 && !framed; ++wait) {
        usleep(20000);
        framed = StackedWindow(probe) != probe;
      }
      XDestroyWindow(x_, probe);
      XSync(x_, False);
      if (framed) return true;
    }
    return false;
  }

  // A window's place on the screen; a window manager's frame around it is not counted.
  Box ScreenBox(unsigned long window) {
    XWindowAttributes attributes{};
    XGetWindowAttributes(x_, window, &attributes);
    int x = 0;
    int y = 0;
    Window child = 0;
    XTranslateCoordinates(x_, window, DefaultRootWindow(x_), 0, 0, &x, &y, &child);
    return Box{x, y, x + attributes.width, y + attributes.height};
  }

  // The window, or the window manager's frame around it: what the screen stacks.
  Window StackedWindow(unsigned long window) {
    Window at = window;
    for (;;) {
      Window root = 0;
      Window parent = 0;
      Window* children = nullptr;
      unsigned int count = 0;
      if (XQueryTree(x_, at, &root, &parent, &children, &count) == 0) return at;
      if (children != nullptr) XFree(children);
      if (parent == root || parent == 0) return at;
      at = parent;
    }
  }

  // The top of what the screen shows of a window: with a window manager, the top of its frame.
  int ShownTop(unsigned long window) { return ScreenBox(StackedWindow(window)).top; }

  // Whether `upper` is stacked above `lower` on the screen.
  bool StackedAbove(unsigned long upper, unsigned long lower) {
    const Window upperStacked = StackedWindow(upper);
    const Window lowerStacked = StackedWindow(lower);
    Window root = 0;
    Window parent = 0;
    Window* children = nullptr;
    unsigned int count = 0;
    if (XQueryTree(x_, DefaultRootWindow(x_), &root, &parent, &children, &count) == 0) return false;
    int upperAt = -1;
    int lowerAt = -1;
    for (unsigned int index = 0; index < count; ++index) {
      if (children[index] == upperStacked) upperAt = static_cast<int>(index);
      if (children[index] == lowerStacked) lowerAt = static_cast<int>(index);
    }
    if (children != nullptr) XFree(children);
    return upperAt >= 0 && lowerAt >= 0 && upperAt > lowerAt;
  }

  // Types "w" on the pad: the demo opens its owned window and says where it put it.
  void OpenOwned() {
    Click(pad_);
    LinesUpTo("pad up");
    ASSERT_TRUE(RunToEnd({"xdotool", "type", "w"}));
    std::vector<std::string> seen;
    for (int line = 0; line < 5; ++line) {
      const std::optional<std::string> next = demo_->ReadLine();
      ASSERT_TRUE(next.has_value()) << ::testing::PrintToString(seen);
      seen.push_back(*next);
      if (next->rfind("owned ", 0) != 0) continue;
      std::istringstream words(*next);
      std::string word;
      words >> word >> under_.left >> under_.top >> under_.right >> under_.bottom;
      under_ = Box{under_.left * scale_, under_.top * scale_, under_.right * scale_, under_.bottom * scale_};
      const std::optional<std::string> found =
          RunToEnd({"xdotool", "search", "--sync", "--onlyvisible", "--name", "^Owned demo$"});
      ASSERT_TRUE(found.has_value());
      owned_ = std::stoul(*found);
      return;
    }
    FAIL() << "the owned window did not open: " << ::testing::PrintToString(seen);
  }

  static void Click(Point at, const std::vector<std::string>& more = {}) {
    std::vector<std::string> command{"xdotool", "mousemove", std::to_string(at.x), std::to_string(at.y), "click"};
    command.insert(command.end(), more.begin(), more.end());
    command.push_back("1");
    ASSERT_TRUE(RunToEnd(command));
  }

  // The lines the demo prints up to `last`, which must come.
  std::vector<std::string> LinesUpTo(const std::string& last) {
    std::vector<std::string> seen;
    EXPECT_TRUE(demo_->WaitForLine(last, &seen)) << "no \"" << last << "\" after " << ::testing::PrintToString(seen);
    return seen;
  }

  // Puts the symbols on free keys before the demo starts, so that typing them needs no change of
  // the keyboard map while the demo reads its keys.
  void BindKeys(const std::vector<const char*>& names) {
    int first = 0;
    int last = 0;
    XDisplayKeycodes(x_, &first, &last);
    int perKey = 0;
    KeySym* map = XGetKeyboardMapping(x_, static_cast<KeyCode>(first), last - first + 1, &perKey);
    size_t next = 0;
    for (int code = last; code >= first && next < names.size(); --code) {
      const KeySym* symbols = map + static_cast<ptrdiff_t>(code - first) * perKey;
      if (std::any_of(symbols, symbols + perKey, [](KeySym symbol) { return symbol != NoSymbol; })) continue;
      KeySym symbol = XStringToKeysym(names[next++]);
      XChangeKeyboardMapping(x_, code, 1, &symbol, 1);
    }
    XFree(map);
  }

  // The close box, as a window manager reports it to the program.
  void AskToClose(unsigned long window) {
    XEvent event{};
    event.xclient.type = ClientMessage;
    event.xclient.window = window;
    event.xclient.message_type = XInternAtom(x_, "WM_PROTOCOLS", False);
    event.xclient.format = 32;
    event.xclient.data.l[0] = static_cast<long>(XInternAtom(x_, "WM_DELETE_WINDOW", False));
    event.xclient.data.l[1] = CurrentTime;
    XSendEvent(x_, window, False, NoEventMask, &event);
    XFlush(x_);
  }

  // A click on the close button the window manager draws at the right end of the window's title bar.
  void ClickCloseButtonOf(unsigned long window) {
    const Box frame = ScreenBox(StackedWindow(window));
    const Box client = ScreenBox(window);
    const int titleHeight = client.top - frame.top;
    Click(Point{frame.right - titleHeight / 2 - 2, frame.top + titleHeight / 2});
  }

  // The menu bar is part of what the native window shows, above the client area.
  int MenuBarHeight() { return clientTop_ - ScreenBox(window_).top; }

  // The demo's native windows other than its main window, once there are `count` of them.
  std::vector<unsigned long> OtherWindows(size_t count) {
    std::vector<unsigned long> others;
    const auto deadline = std::chrono::steady_clock::now() + 5s;
    while (std::chrono::steady_clock::now() < deadline) {
      others = ShownPopups();
      if (others.size() == count) break;
      usleep(20000);
    }
    return others;
  }

  // The demo's windows shown on the screen past any window manager: its menus and lists.
  std::vector<unsigned long> ShownPopups() {
    std::vector<unsigned long> popups;
    Window root = 0;
    Window parent = 0;
    Window* children = nullptr;
    unsigned int count = 0;
    if (XQueryTree(x_, DefaultRootWindow(x_), &root, &parent, &children, &count) == 0) return popups;
    const Atom pidAtom = XInternAtom(x_, "_NET_WM_PID", False);
    for (unsigned int index = 0; index < count; ++index) {
      XWindowAttributes attributes{};
      if (XGetWindowAttributes(x_, children[index], &attributes) == 0 || attributes.map_state != IsViewable ||
          !attributes.override_redirect) {
        continue;
      }
      Atom type = None;
      int format = 0;
      unsigned long items = 0;
      unsigned long left = 0;
      unsigned char* data = nullptr;
      XGetWindowProperty(x_, children[index], pidAtom, 0, 1, False, XA_CARDINAL, &type, &format, &items, &left, &data);
      const bool ours = data != nullptr && items == 1 && *reinterpret_cast<long*>(data) == demo_->Pid();
      if (data != nullptr) XFree(data);
      if (ours) popups.push_back(children[index]);
    }
    if (children != nullptr) XFree(children);
    return popups;
  }

  // The middle and the left edge of a window on the screen.
  std::pair<Point, Point> MiddleAndLeftEdge(unsigned long window) {
    const Box box = ScreenBox(window);
    const int middle = (box.top + box.bottom) / 2;
    return {Point{(box.left + box.right) / 2, middle}, Point{box.left, middle}};
  }

  bool BellRings(std::chrono::milliseconds timeout) {
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    while (std::chrono::steady_clock::now() < deadline) {
      while (XPending(x_) > 0) {
        XEvent event;
        XNextEvent(x_, &event);
        if (event.type == xkbEvent_ && reinterpret_cast<XkbEvent*>(&event)->any.xkb_type == XkbBellNotify) return true;
      }
      usleep(10000);
    }
    return false;
  }

  // The middle of the owned window's button, at (20, 20) in it and 100 x 30 pixels.
  Point Inside() {
    const Box owned = ScreenBox(owned_);
    const Point middle = Scaled(Point{20 + 50, 20 + 15});
    return Point{owned.left + middle.x, owned.top + middle.y};
  }

  // Whether the condition holds within a few seconds: the X server, and a window manager, act on
  // what the demo asks when they get to it.
  static bool Soon(const std::function<bool()>& holds) {
    const auto deadline = std::chrono::steady_clock::now() + 5s;
    while (!holds() && std::chrono::steady_clock::now() < deadline) usleep(20000);
    return holds();
  }

  // The colour the X server shows at a screen point, as 0xRRGGBB.
  unsigned long ShownColour(Point at) {
    XImage* image = XGetImage(x_, DefaultRootWindow(x_), at.x, at.y, 1, 1, AllPlanes, ZPixmap);
    if (image == nullptr) return 0xFFFFFFFFul;
    const unsigned long pixel = XGetPixel(image, 0, 0) & 0xFFFFFF;
    XDestroyImage(image);
    return pixel;
  }

  // Whether the colour is shown there within a few seconds: the X server shows what the demo
  // passes when the demo gets to it.
  bool ShowsSoon(Point at, unsigned long colour) {
    const auto deadline = std::chrono::steady_clock::now() + 5s;
    while (ShownColour(at) != colour && std::chrono::steady_clock::now() < deadline) usleep(20000);
    return ShownColour(at) == colour;
  }

  std::unique_ptr<Xvfb> server_;
  std::unique_ptr<Child> manager_;
  Display* x_ = nullptr;
  int xkbEvent_ = 0;
  std::unique_ptr<Child> demo_;
  unsigned long window_ = 0;
  Point press_;
  Point box_;
  Point pad_;
  Point menu_;
  int clientTop_ = 0;
  Point combo_;
  unsigned long owned_ = 0;
  Box under_;
  int scale_ = 1;
  Point shownSize_;  // the demo's window without the caption and frame the desktop draws
};

TEST_P(Sdl2BackendTest, ClickOnAButtonReachesTheProgramAndItsCaptionFollowsTheWindowText) {
  EXPECT_EQ(ShownColour(pad_), 0xFFFFFFul) << "the pad's white background is on the screen";
  EXPECT_EQ(ShownColour(Point{press_.x, press_.y + 75 * scale_}), 0xC0C0C0ul)
      << "the window's light gray is on the screen";
  Click(press_);
  LinesUpTo("command 100");
  const auto deadline = std::chrono::steady_clock::now() + 5s;
  std::optional<std::string> name;
  while (std::chrono::steady_clock::now() < deadline) {
    name = RunToEnd({"xdotool", "getwindowname", std::to_string(window_)});
    if (name == "Pressed\n") break;
    usleep(20000);
  }
  EXPECT_EQ(name, "Pressed\n");
}

TEST_P(Sdl2BackendTest, OnlyAWindowWithASizingFrameCanBeResized) {
  XSizeHints hints{};
  long supplied = 0;
  ASSERT_TRUE(XGetWMNormalHints(x_, window_, &hints, &supplied));
  EXPECT_FALSE((hints.flags & PMaxSize) != 0 && hints.max_width == hints.min_width) << "the demo has a sizing frame";
  Click(box_);
  const std::optional<std::string> box =
      RunToEnd({"xdotool", "search", "--sync", "--onlyvisible", "--name", "^Demo box$"});
  ASSERT_TRUE(box.has_value());
  ASSERT_TRUE(XGetWMNormalHints(x_, std::stoul(*box), &hints, &supplied));
  ASSERT_TRUE((hints.flags & PMinSize) != 0 && (hints.flags & PMaxSize) != 0);
  XWindowAttributes attributes{};
  XGetWindowAttributes(x_, std::stoul(*box), &attributes);
  EXPECT_EQ(hints.min_width, attributes.width);
  EXPECT_EQ(hints.max_width, attributes.width);
  EXPECT_EQ(hints.min_height, attributes.height);
  EXPECT_EQ(hints.max_height, attributes.height);
}

TEST_P(Sdl2BackendTest, TheWindowMovedOrResizedOnTheDesktopIsMovedOrResizedInTheProgram) {
  const Box before = ScreenBox(window_);
  const int height = before.bottom - before.top;
  const std::string size = "size 420 " + std::to_string((height - MenuBarHeight()) / scale_);
  ASSERT_TRUE(RunToEnd(
      {"xdotool", "windowsize", std::to_string(window_), std::to_string(420 * scale_), std::to_string(height)}));
  const std::vector<std::string> seen = LinesUpTo(size);
  if (!Managed()) {
    EXPECT_EQ(seen, std::vector<std::string>{size}) << "nothing else changed";
  }
  ASSERT_TRUE(RunToEnd({"xdotool", "windowmove", std::to_string(window_), "300", "250"}));
  LinesUpTo("moved");
  const Box after = ScreenBox(window_);
  ASSERT_NE(after.left, before.left);
  Click(Point{press_.x + after.left - before.left, press_.y + after.top - before.top});
  LinesUpTo("command 100");
}

TEST_P(Sdl2BackendTest, TypedTextArrivesInWindows1252AndACharacterOutsideItIsRefusedWithABeep) {
  Click(pad_);
  LinesUpTo("pad up");
  ASSERT_TRUE(RunToEnd({"xdotool", "type", "--delay", "20", "aæ€Ωb"}));
  const std::vector<std::string> seen = LinesUpTo("pad char 62");
  EXPECT_EQ(seen, (std::vector<std::string>{"pad char 61", "pad char e6", "pad char 80", "pad char 62"}));
  EXPECT_TRUE(BellRings(5s)) << "the refused character rings the bell";
}

TEST_P(Sdl2BackendTest, WhatTheProgramPaintsAgainReachesTheScreen) {
  Click(pad_);
  LinesUpTo("pad up");
  ASSERT_TRUE(RunToEnd({"xdotool", "type", "#"}));
  LinesUpTo("pad char 23");
  EXPECT_TRUE(ShowsSoon(pad_, 0x0000FFul)) << "the pad is blue now";
  EXPECT_EQ(ShownColour(Point{press_.x, press_.y + 75 * scale_}), 0xC0C0C0ul) << "and the rest as it was";
}

TEST_P(Sdl2BackendTest, TheProgramMovesThePointer) {
  Click(pad_);
  LinesUpTo("pad up");
  ASSERT_TRUE(RunToEnd({"xdotool", "type", ">"}));
  EXPECT_EQ(LinesUpTo("warped 1"), (std::vector<std::string>{"pad char 3e", "warped 1"}));
  Window root = 0;
  Window child = 0;
  Point at;
  Point inside;
  unsigned int keys = 0;
  XQueryPointer(x_, DefaultRootWindow(x_), &root, &child, &at.x, &at.y, &inside.x, &inside.y, &keys);
  EXPECT_EQ(at.x, 500 * scale_);
  EXPECT_EQ(at.y, 400 * scale_);
}

TEST_P(Sdl2BackendTest, ADoubleClickIsTwoPressesAtOnePlaceInTime) {
  Click(pad_, {"--repeat", "2", "--delay", "80"});
  EXPECT_EQ(LinesUpTo("pad dblclk"), (std::vector<std::string>{"pad down", "pad up", "pad dblclk"}));
  LinesUpTo("pad up");
  Click(Point{pad_.x - 30, pad_.y});
  Click(Point{pad_.x + 30, pad_.y});
  Click(Point{pad_.x + 30, pad_.y + 30}, {"--repeat", "2", "--delay", "80"});
  EXPECT_EQ(LinesUpTo("pad dblclk"),
            (std::vector<std::string>{"pad down", "pad up", "pad down", "pad up", "pad down", "pad up", "pad dblclk"}))
      << "presses far apart are single clicks";
}

TEST_P(Sdl2BackendTest, AModalBoxKeepsClicksAndTheCloseBoxFromItsOwner) {
  Click(box_);
  LinesUpTo("box open");
  const std::optional<std::string> box =
      RunToEnd({"xdotool", "search", "--sync", "--onlyvisible", "--name", "^Demo box$"});
  ASSERT_TRUE(box.has_value());
  Window owner = 0;
  ASSERT_TRUE(XGetTransientForHint(x_, std::stoul(*box), &owner));
  EXPECT_EQ(owner, window_) << "the box is kept above its owner";
  Click(press_);
  AskToClose(window_);
  ASSERT_TRUE(RunToEnd({"xdotool", "key", "Return"}));
  EXPECT_EQ(LinesUpTo("box 1"), std::vector<std::string>{"box 1"}) << "the owner took no click and no close";
  Click(press_);
  LinesUpTo("command 100");
}

TEST_P(Sdl2BackendTest, AMenuOpensAboveTheWindowAndClosesWhenTheProgramLosesTheKeyboard) {
  Click(menu_);
  std::vector<unsigned long> popups = OtherWindows(1);
  ASSERT_EQ(popups.size(), 1u) << "the menu is a window of its own";
  const auto [middle, edge] = MiddleAndLeftEdge(popups[0]);
  EXPECT_TRUE(ShowsSoon(edge, 0x000000ul)) << "the menu's border is shown over the window";
  Click(middle);
  LinesUpTo("command 200");
  EXPECT_TRUE(OtherWindows(0).empty());
  Click(menu_);
  ASSERT_EQ(OtherWindows(1).size(), 1u);
  // Another program's window takes the keyboard, as when the user turns to another program.
  const Window other = XCreateSimpleWindow(x_, DefaultRootWindow(x_), 600 * scale_, 500 * scale_, 100, 100, 0, 0, 0);
  XStoreName(x_, other, "Another program");
  XMapWindow(x_, other);
  XSync(x_, False);
  ASSERT_TRUE(Soon([&] {
    XWindowAttributes attributes{};
    return XGetWindowAttributes(x_, other, &attributes) != 0 && attributes.map_state == IsViewable;
  })) << "the other program's window is shown";
  if (Managed()) {
    ASSERT_TRUE(RunToEnd({"xdotool", "windowactivate", "--sync", std::to_string(other)}));
  } else {
    XSetInputFocus(x_, other, RevertToPointerRoot, CurrentTime);
    XFlush(x_);
  }
  EXPECT_TRUE(OtherWindows(0).empty()) << "the menu closed";
  XDestroyWindow(x_, other);
  XSync(x_, False);
  ASSERT_TRUE(RunToEnd({"xdotool", "windowfocus", "--sync", std::to_string(window_)}));
  Click(press_);
  EXPECT_EQ(LinesUpTo("command 100"), std::vector<std::string>{"command 100"}) << "the menu chose nothing";
}

TEST_P(Sdl2BackendTest, AComboBoxListDropsDownAboveTheWindowAndAClickChoosesAnItem) {
  Click(combo_);
  const std::vector<unsigned long> lists = OtherWindows(1);
  ASSERT_EQ(lists.size(), 1u) << "the list is a window of its own";
  const Box list = ScreenBox(lists[0]);
  EXPECT_GT(list.bottom, ScreenBox(window_).bottom) << "the list reaches below the window";
  // Three items of one height inside a one-pixel border.
  const int item = (list.bottom - list.top - 2 * scale_) / 3;
  Click(Point{(list.left + list.right) / 2, list.top + scale_ + 2 * item + item / 2});
  EXPECT_EQ(LinesUpTo("combo 2"), std::vector<std::string>{"combo 2"});
  EXPECT_TRUE(OtherWindows(0).empty()) << "the list closed";
}

TEST_P(Sdl2BackendTest, TheCloseBoxSendsTheCloseCommandAndTheProgramEnds) {
  AskToClose(window_);
  EXPECT_EQ(LinesUpTo("destroyed"), (std::vector<std::string>{"syscommand f060", "destroyed"}));
  EXPECT_EQ(demo_->Wait(), 0);
}

// A workbench open on the desktop leaves the screen saver to the desktop's settings, as any
// ordinary window does: left idle, the screen blanks when the desktop says.
TEST_P(Sdl2BackendTest, TheScreenSaverStartsWhileTheProgramIsOpenAndIdle) {
  ASSERT_TRUE(RunToEnd({"xset", "s", "1", "1"}));
  XScreenSaverInfo* info = XScreenSaverAllocInfo();
  ASSERT_NE(info, nullptr);
  const bool saving = Soon([&] {
    return XScreenSaverQueryInfo(x_, DefaultRootWindow(x_), info) != 0 && info->state == ScreenSaverOn;
  });
  XFree(info);
  EXPECT_TRUE(saving) << "the screen saver did not start within five seconds of one second's idleness";
}

TEST_P(Sdl2BackendTest, AnOwnedWindowStaysAboveItsOwnerWhenTheOwnerIsClicked) {
  OpenOwned();
  ASSERT_TRUE(Soon([&] { return StackedAbove(owned_, window_); }));
  Window owner = 0;
  ASSERT_TRUE(XGetTransientForHint(x_, owned_, &owner));
  EXPECT_EQ(owner, window_);
  Click(press_);
  LinesUpTo("command 100");
  // The demo has done what the click asked of the screen once it has taken the next input.
  Click(pad_);
  LinesUpTo("pad up");
  EXPECT_TRUE(Soon([&] { return StackedAbove(owned_, window_); })) << "the owned window is above its owner";
  Click(Inside());
  EXPECT_EQ(LinesUpTo("command 300"), std::vector<std::string>{"command 300"});
}

// Without a window manager the owned window's caption is not shown, and the button under it is;
// with one, its frame covers part of the button.
TEST_P(Sdl2BackendTest, AClickAtTheVisibleMiddleOfAButtonReachesItAndNotTheCaptionOfAWindowNearby) {
  OpenOwned();
  const int visibleBottom = std::min(under_.bottom, ShownTop(owned_));
  ASSERT_GE(visibleBottom - under_.top, 4) << "enough of the button shows";
  Click(Point{(under_.left + under_.right) / 2, (under_.top + visibleBottom) / 2});
  EXPECT_EQ(LinesUpTo("command 104"), std::vector<std::string>{"command 104"});
  Click(Inside());
  EXPECT_EQ(LinesUpTo("command 300"), std::vector<std::string>{"command 300"}) << "the owned window is still there";
}

TEST_P(Sdl2BackendTest, AWindowMovedByTheWindowManagerKeepsWorking) {
  if (!Managed()) GTEST_SKIP() << "only a window manager moves a window by its caption";
  OpenOwned();
  const Box before = ScreenBox(owned_);
  const int grabX = (before.left + before.right) / 2;
  const int grabY = (ShownTop(owned_) + before.top) / 2;
  ASSERT_TRUE(RunToEnd({"xdotool", "mousemove", std::to_string(grabX), std::to_string(grabY), "mousedown", "1"}));
  // The manager takes the pointer on the press; the drag goes on, step by step, until it moves the window.
  bool moved = false;
  for (int step = 1; step <= 40 && !moved; ++step) {
    ASSERT_TRUE(RunToEnd({"xdotool", "mousemove", std::to_string(grabX + 3 * step), std::to_string(grabY + 2 * step)}));
    moved = ScreenBox(owned_).left != before.left;
  }
  ASSERT_TRUE(RunToEnd({"xdotool", "mouseup", "1"}));
  ASSERT_TRUE(moved || Soon([&] { return ScreenBox(owned_).left != before.left; })) << "the manager moved the window";
  Click(Inside());
  EXPECT_EQ(LinesUpTo("command 300"), std::vector<std::string>{"command 300"});
  Click(press_);
  EXPECT_EQ(LinesUpTo("command 100"), std::vector<std::string>{"command 100"});
}

TEST_P(Sdl2BackendTest, TheCloseBoxOfAnOwnedWindowClosesItAndLeavesItsOwner) {
  OpenOwned();
  if (Managed()) {
    ClickCloseButtonOf(owned_);
  } else {
    AskToClose(owned_);
  }
  EXPECT_EQ(LinesUpTo("owned destroyed"), std::vector<std::string>{"owned destroyed"});
  Click(press_);
  EXPECT_EQ(LinesUpTo("command 100"), std::vector<std::string>{"command 100"});
}

TEST_P(Sdl2BackendTest, TheWindowIsShownAtTheScaleWithItsTextDrawnAtThatSize) {
  const Box shown = ScreenBox(window_);
  EXPECT_EQ(shown.right - shown.left, scale_ * shownSize_.x);
  EXPECT_EQ(shown.bottom - shown.top, scale_ * shownSize_.y);
  if (scale_ == 1) return;
  // Magnified, the picture would be made of squares of scale_ x scale_ pixels of one colour each;
  // text drawn at the size cuts through them along the glyphs' edges.
  XImage* image = XGetImage(x_, window_, 0, 0, static_cast<unsigned>(shown.right - shown.left),
                            static_cast<unsigned>(shown.bottom - shown.top), AllPlanes, ZPixmap);
  ASSERT_NE(image, nullptr);
  int cut = 0;
  for (int y = 0; y + 1 < image->height; y += 2) {
    for (int x = 0; x + 1 < image->width; x += 2) {
      const unsigned long corner = XGetPixel(image, x, y);
      if (XGetPixel(image, x + 1, y) != corner || XGetPixel(image, x, y + 1) != corner ||
          XGetPixel(image, x + 1, y + 1) != corner) {
        ++cut;
      }
    }
  }
  XDestroyImage(image);
  EXPECT_GT(cut, 100) << "squares cut by the edges of the text";
}

std::string RunName(const ::testing::TestParamInfo<Run>& info) {
  const std::string desktop = info.param.desktop == Desktop::BareServer ? "BareServer" : "WindowManager";
  switch (info.param.scale) {
    case Scale::Environment: return desktop + "AtScale2";
    case Scale::XResources: return desktop + "AtXftDpi192";
    default: return desktop;
  }
}

INSTANTIATE_TEST_SUITE_P(Desktops, Sdl2BackendTest,
                         ::testing::Values(Run{Desktop::BareServer, Scale::Plain},
                                           Run{Desktop::WindowManager, Scale::Plain},
                                           Run{Desktop::BareServer, Scale::XResources},
                                           Run{Desktop::WindowManager, Scale::Environment}),
                         RunName);

TEST(ProgramEntry, WithoutADisplayTheProgramRunsWithoutWindowsAndEnds) {
  unsetenv("TAVRIN_SCRIPT");
  for (const char* display : {static_cast<const char*>(nullptr), ":9999"}) {
    if (display == nullptr) {
      unsetenv("DISPLAY");
    } else {
      setenv("DISPLAY", display, 1);
    }
    Child demo({TAVRIN_SDL2_DEMO}, 1);
    const std::optional<std::string> ready = demo.ReadLine();
    ASSERT_TRUE(ready.has_value());
    EXPECT_EQ(ready->rfind("ready ", 0), 0u);
    EXPECT_TRUE(demo.WaitForLine("destroyed")) << "the idle program ends as its exit command would";
    EXPECT_EQ(demo.Wait(), 0);
  }
}

// TAVRIN_SCALE comes before the desktop's resources: asked for the plain scale, the demo keeps it
// on a server whose Xft.dpi says 192.
TEST(ProgramEntry, TheScaleInTheEnvironmentComesBeforeTheDesktops) {
  if (OnPath("Xvfb").empty() || OnPath("xdotool").empty() || OnPath("xrdb").empty()) {
    GTEST_SKIP() << "Xvfb, xdotool and xrdb are needed (scripts/install-deps installs them)";
  }
  Xvfb server("2048x1536x24");
  ASSERT_FALSE(server.Display().empty()) << "Xvfb did not start";
  setenv("DISPLAY", server.Display().c_str(), 1);
  unsetenv("TAVRIN_SCRIPT");
  ASSERT_TRUE(SetXftDpi("192"));
  setenv("TAVRIN_SCALE", "1", 1);
  Child demo({TAVRIN_SDL2_DEMO}, 1);
  const std::optional<std::string> ready = demo.ReadLine(20s);
  unsetenv("TAVRIN_SCALE");
  ASSERT_TRUE(ready.has_value());
  std::istringstream words(*ready);
  std::vector<std::string> fields{std::istream_iterator<std::string>(words), std::istream_iterator<std::string>()};
  ASSERT_EQ(fields.size(), 16u);
  const std::optional<std::string> found =
      RunToEnd({"xdotool", "search", "--sync", "--onlyvisible", "--name", "^Tavrin demo$"});
  ASSERT_TRUE(found.has_value());
  const std::optional<std::string> geometry =
      RunToEnd({"xdotool", "getwindowgeometry", "--shell", std::to_string(std::stoul(*found))});
  ASSERT_TRUE(geometry.has_value());
  EXPECT_NE(geometry->find("WIDTH=" + fields[14] + "\n"), std::string::npos) << *geometry;
  EXPECT_NE(geometry->find("HEIGHT=" + fields[15] + "\n"), std::string::npos) << *geometry;
}

}  // namespace
