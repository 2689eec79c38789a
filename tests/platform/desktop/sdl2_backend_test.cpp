// The SDL2 backend on a real X server: the demo program runs through the program's entry, which
// chooses real windows because a display is there, and the test acts on it with real input events
// (xdotool) and reads back what the demo printed, what the X server shows, and its bells.
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <sstream>

#include "tests/platform/desktop/desktop_session.h"
// After the test framework: Xlib's macros would clash with its names.
#include <X11/XKBlib.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>

namespace {

using namespace desktop_test;

struct Point {
  int x = 0;
  int y = 0;
};

class Sdl2BackendTest : public ::testing::Test {
 protected:
  void SetUp() override {
    if (OnPath("Xvfb").empty() || OnPath("xdotool").empty()) {
      GTEST_SKIP() << "Xvfb and xdotool are needed for the desktop tests (scripts/install-deps installs them)";
    }
    server_ = std::make_unique<Xvfb>();
    ASSERT_FALSE(server_->Display().empty()) << "Xvfb did not start";
    setenv("DISPLAY", server_->Display().c_str(), 1);
    unsetenv("TAVRIN_SCRIPT");
    x_ = XOpenDisplay(server_->Display().c_str());
    ASSERT_NE(x_, nullptr);
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
    words >> word >> press_.x >> press_.y >> box_.x >> box_.y >> pad_.x >> pad_.y >> menu_.x >> menu_.y >> clientTop_ >>
        combo_.x >> combo_.y;
    ASSERT_EQ(word, "ready");
    const std::optional<std::string> found =
        RunToEnd({"xdotool", "search", "--sync", "--onlyvisible", "--name", "^Tavrin demo$"});
    ASSERT_TRUE(found.has_value());
    window_ = std::stoul(*found);
    ASSERT_TRUE(RunToEnd({"xdotool", "windowfocus", "--sync", std::to_string(window_)}));
  }

  void TearDown() override {
    demo_.reset();
    if (x_ != nullptr) XCloseDisplay(x_);
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

  // The menu bar is part of what the native window shows, above the client area.
  int MenuBarHeight() {
    XWindowAttributes attributes{};
    XGetWindowAttributes(x_, window_, &attributes);
    return clientTop_ - attributes.y;
  }

  // The demo's native windows other than its main window, once there are `count` of them.
  std::vector<unsigned long> OtherWindows(size_t count) {
    std::vector<unsigned long> others;
    const auto deadline = std::chrono::steady_clock::now() + 5s;
    while (std::chrono::steady_clock::now() < deadline) {
      others.clear();
      std::istringstream found(
          RunToEnd({"xdotool", "search", "--onlyvisible", "--pid", std::to_string(demo_->Pid()), ""}).value_or(""));
      for (unsigned long each = 0; found >> each;) {
        if (each != window_ && each != DefaultRootWindow(x_)) others.push_back(each);
      }
      if (others.size() == count) break;
      usleep(20000);
    }
    return others;
  }

  // The middle and the left edge of a window on the screen.
  std::pair<Point, Point> MiddleAndLeftEdge(unsigned long window) {
    XWindowAttributes attributes{};
    XGetWindowAttributes(x_, window, &attributes);
    const int middle = attributes.y + attributes.height / 2;
    return {Point{attributes.x + attributes.width / 2, middle}, Point{attributes.x, middle}};
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
};

TEST_F(Sdl2BackendTest, ClickOnAButtonReachesTheProgramAndItsCaptionFollowsTheWindowText) {
  EXPECT_EQ(ShownColour(pad_), 0xFFFFFFul) << "the pad's white background is on the screen";
  EXPECT_EQ(ShownColour(Point{press_.x, press_.y + 75}), 0xC0C0C0ul) << "the window's light gray is on the screen";
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

TEST_F(Sdl2BackendTest, OnlyAWindowWithASizingFrameCanBeResized) {
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

TEST_F(Sdl2BackendTest, TheWindowMovedOrResizedOnTheDesktopIsMovedOrResizedInTheProgram) {
  XWindowAttributes before{};
  XGetWindowAttributes(x_, window_, &before);
  const std::string size = "size 420 " + std::to_string(before.height - MenuBarHeight());
  ASSERT_TRUE(RunToEnd({"xdotool", "windowsize", std::to_string(window_), "420", std::to_string(before.height)}));
  EXPECT_EQ(LinesUpTo(size), std::vector<std::string>{size});
  ASSERT_TRUE(RunToEnd({"xdotool", "windowmove", std::to_string(window_), "300", "250"}));
  LinesUpTo("moved");
  const Point moved{press_.x + 300 - before.x, press_.y + 250 - before.y};
  Click(moved);
  LinesUpTo("command 100");
}

TEST_F(Sdl2BackendTest, TypedTextArrivesInWindows1252AndACharacterOutsideItIsRefusedWithABeep) {
  Click(pad_);
  LinesUpTo("pad up");
  ASSERT_TRUE(RunToEnd({"xdotool", "type", "--delay", "20", "aæ€Ωb"}));
  const std::vector<std::string> seen = LinesUpTo("pad char 62");
  EXPECT_EQ(seen, (std::vector<std::string>{"pad char 61", "pad char e6", "pad char 80", "pad char 62"}));
  EXPECT_TRUE(BellRings(5s)) << "the refused character rings the bell";
}

TEST_F(Sdl2BackendTest, WhatTheProgramPaintsAgainReachesTheScreen) {
  Click(pad_);
  LinesUpTo("pad up");
  ASSERT_TRUE(RunToEnd({"xdotool", "type", "#"}));
  LinesUpTo("pad char 23");
  EXPECT_TRUE(ShowsSoon(pad_, 0x0000FFul)) << "the pad is blue now";
  EXPECT_EQ(ShownColour(Point{press_.x, press_.y + 75}), 0xC0C0C0ul) << "and the rest as it was";
}

TEST_F(Sdl2BackendTest, TheProgramMovesThePointer) {
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
  EXPECT_EQ(at.x, 500);
  EXPECT_EQ(at.y, 400);
}

TEST_F(Sdl2BackendTest, ADoubleClickIsTwoPressesAtOnePlaceInTime) {
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

TEST_F(Sdl2BackendTest, AModalBoxKeepsClicksAndTheCloseBoxFromItsOwner) {
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

TEST_F(Sdl2BackendTest, AMenuOpensAboveTheWindowAndClosesWhenTheProgramLosesTheKeyboard) {
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
  XSetInputFocus(x_, DefaultRootWindow(x_), RevertToPointerRoot, CurrentTime);
  XFlush(x_);
  EXPECT_TRUE(OtherWindows(0).empty()) << "the menu closed";
  ASSERT_TRUE(RunToEnd({"xdotool", "windowfocus", "--sync", std::to_string(window_)}));
  Click(press_);
  EXPECT_EQ(LinesUpTo("command 100"), std::vector<std::string>{"command 100"}) << "the menu chose nothing";
}

TEST_F(Sdl2BackendTest, AComboBoxListDropsDownAboveTheWindowAndAClickChoosesAnItem) {
  Click(combo_);
  const std::vector<unsigned long> lists = OtherWindows(1);
  ASSERT_EQ(lists.size(), 1u) << "the list is a window of its own";
  XWindowAttributes list{};
  XGetWindowAttributes(x_, lists[0], &list);
  XWindowAttributes main{};
  XGetWindowAttributes(x_, window_, &main);
  EXPECT_GT(list.y + list.height, main.y + main.height) << "the list reaches below the window";
  // Three items of one height inside a one-pixel border.
  const int item = (list.height - 2) / 3;
  Click(Point{list.x + list.width / 2, list.y + 1 + 2 * item + item / 2});
  EXPECT_EQ(LinesUpTo("combo 2"), std::vector<std::string>{"combo 2"});
  EXPECT_TRUE(OtherWindows(0).empty()) << "the list closed";
}

TEST_F(Sdl2BackendTest, TheCloseBoxSendsTheCloseCommandAndTheProgramEnds) {
  AskToClose(window_);
  EXPECT_EQ(LinesUpTo("destroyed"), (std::vector<std::string>{"syscommand f060", "destroyed"}));
  EXPECT_EQ(demo_->Wait(), 0);
}

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

}  // namespace
