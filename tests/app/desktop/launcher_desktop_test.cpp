// The real program on an X server: the SDL2 backend shows the main window, and what the X server
// shows of it is what the program draws, pixel for pixel, as the same program draws it without a
// screen; on a screen of twice the plain dots per inch, it is drawn twice the size, its text at
// that size, and a click lands where the eye sees it. The pictures are kept in the build folder
// for a look at the launcher.
#include <gtest/gtest.h>

#include <fstream>
#include <memory>

#include "tests/app/app_fixture.h"
#include "tests/platform/desktop/desktop_session.h"
#include "platform/backend/native_window.h"
#include "platform/gdi/png_writer.h"
#include "platform/win/window_api.h"
#include "resources/launcher_form_ids.h"
#include "tests/app/desktop/x_screen.h"

namespace {

using namespace desktop_test;

bool SamePixels(const Surface& a, const Surface& b) {
  if (a.Width() != b.Width() || a.Height() != b.Height()) return false;
  for (int y = 0; y < a.Height(); ++y) {
    for (int x = 0; x < a.Width(); ++x) {
      if (a.Pixel(x, y) != b.Pixel(x, y)) return false;
    }
  }
  return true;
}

class LauncherOnTheDesktopTest : public AppTest {
 protected:
  void SetUp() override {
    if (OnPath("Xvfb").empty() || OnPath("xdotool").empty()) {
      GTEST_SKIP() << "Xvfb and xdotool are needed for the desktop tests (scripts/install-deps installs them)";
    }
    server_ = std::make_unique<Xvfb>();
    ASSERT_FALSE(server_->Display().empty()) << "Xvfb did not start";
    setenv("DISPLAY", server_->Display().c_str(), 1);
    unsetenv("TAVRIN_SCRIPT");
    screen_ = std::make_unique<XScreen>(server_->Display());
    ASSERT_TRUE(screen_->Connected());
  }

  // What the X server shows of the window, as a framebuffer.
  Surface Shown(unsigned long window) const {
    const ShownPicture picture = screen_->Shown(window);
    Surface pixels(picture.width, picture.height);
    for (int y = 0; y < picture.height; ++y) {
      for (int x = 0; x < picture.width; ++x) {
        const std::uint32_t colour = picture.rgb[static_cast<size_t>(y) * picture.width + x];
        pixels.SetPixel(x, y, RGB((colour >> 16) & 0xFF, (colour >> 8) & 0xFF, colour & 0xFF));
      }
    }
    return pixels;
  }

  // The window the program shows under the name, once it is shown.
  static std::optional<unsigned long> ShownWindow(const std::string& name) {
    const std::optional<std::string> found =
        RunToEnd({"timeout", "20", "xdotool", "search", "--sync", "--onlyvisible", "--name", "^" + name + "$"});
    if (!found) return std::nullopt;
    return std::stoul(*found);
  }

  // What the X server shows of the window once it has come to the size and shows the same twice.
  Surface ShownAtSize(unsigned long window, int width, int height) const {
    Surface shown;
    Surface before;
    const auto deadline = std::chrono::steady_clock::now() + 10s;
    do {
      before = shown;
      usleep(100000);
      shown = Shown(window);
    } while ((shown.Width() != width || shown.Height() != height || !SamePixels(shown, before)) &&
             std::chrono::steady_clock::now() < deadline);
    return shown;
  }

  void Save(const Surface& picture, const std::string& name) const {
    std::string error;
    EXPECT_TRUE(WritePng(picture, (std::filesystem::path(TAVRIN_OUTPUT_DIR) / name).string(), &error)) << error;
  }

  std::unique_ptr<Xvfb> server_;
  std::unique_ptr<XScreen> screen_;
};

// The picture with each pixel made a square of two by two: what magnifying it would show.
Surface Doubled(const Surface& picture) {
  Surface doubled(2 * picture.Width(), 2 * picture.Height());
  for (int y = 0; y < doubled.Height(); ++y) {
    for (int x = 0; x < doubled.Width(); ++x) doubled.SetPixel(x, y, picture.Pixel(x / 2, y / 2));
  }
  return doubled;
}

// Pixels of text ink on the launcher's light gray: dark ones.
int DarkPixels(const Surface& picture) {
  int dark = 0;
  for (int y = 0; y < picture.Height(); ++y) {
    for (int x = 0; x < picture.Width(); ++x) dark += GetGValue(picture.Pixel(x, y)) < 64 ? 1 : 0;
  }
  return dark;
}

// Pixels between the ink and the light gray: the smoothed edges of the glyphs.
int EdgePixels(const Surface& picture) {
  int edge = 0;
  for (int y = 0; y < picture.Height(); ++y) {
    for (int x = 0; x < picture.Width(); ++x) {
      const int green = GetGValue(picture.Pixel(x, y));
      edge += green >= 64 && green < 160 ? 1 : 0;
    }
  }
  return edge;
}

TEST_F(LauncherOnTheDesktopTest, TheDesktopShowsTheLauncherAsTheProgramDrawsIt) {
  for (const auto& [language, name] : std::vector<std::pair<std::string, std::string>>{
           {"47", "launcher-xvfb.png"}, {"44", "launcher-xvfb-english.png"}}) {
    SCOPED_TRACE(name);
    ASSERT_TRUE(Start(language, "0"));
    UpdateAllWindows();
    const NativeLook look = LookOf(Frame()->m_hWnd);
    const RECT& outer = look.rect;
    const Surface expected =
        WindowSurface(Frame()->m_hWnd)
            ->Crop(RECT{look.insets.left, look.insets.top, outer.right - outer.left - look.insets.right,
                        outer.bottom - outer.top - look.insets.bottom});
    Stop();

    Child program({TAVRIN_PROGRAM}, 1);
    ASSERT_TRUE(program.Started());
    const std::optional<std::string> found =
        RunToEnd({"timeout", "20", "xdotool", "search", "--sync", "--onlyvisible", "--name", "^TAVRIN$"});
    ASSERT_TRUE(found.has_value()) << "no main window on the desktop";
    const unsigned long window = std::stoul(*found);
    Surface shown;
    const auto deadline = std::chrono::steady_clock::now() + 10s;
    do {
      usleep(50000);
      shown = Shown(window);
    } while (!SamePixels(shown, expected) && std::chrono::steady_clock::now() < deadline);
    std::string error;
    EXPECT_TRUE(WritePng(shown, (std::filesystem::path(TAVRIN_OUTPUT_DIR) / name).string(), &error)) << error;
    EXPECT_EQ(shown.Width(), expected.Width());
    EXPECT_EQ(shown.Height(), expected.Height());
    EXPECT_TRUE(SamePixels(shown, expected));
    screen_->AskToClose(window);
    EXPECT_EQ(program.Wait(), 0);
  }
}

// Twice the plain scale, asked for by TAVRIN_SCALE, then by Xft.dpi in the X server's resources.
TEST_F(LauncherOnTheDesktopTest, OnAScreenOfTwiceTheDotsPerInchTheLauncherIsDrawnTwiceTheSizeAndAnswersClicks) {
  if (OnPath("xrdb").empty()) GTEST_SKIP() << "xrdb is needed to set the X server's resources";
  // A larger screen: the connection to the first goes first, as Xlib ends a program that loses one.
  screen_.reset();
  server_.reset();
  server_ = std::make_unique<Xvfb>("2048x1536x24");
  ASSERT_FALSE(server_->Display().empty()) << "Xvfb did not start";
  setenv("DISPLAY", server_->Display().c_str(), 1);
  screen_ = std::make_unique<XScreen>(server_->Display());
  ASSERT_TRUE(screen_->Connected());

  ASSERT_TRUE(Start("44", "0"));
  UpdateAllWindows();
  const NativeLook look = LookOf(Frame()->m_hWnd);
  const RECT shownPart{look.insets.left, look.insets.top, look.rect.right - look.rect.left - look.insets.right,
                       look.rect.bottom - look.rect.top - look.insets.bottom};
  const Surface plain = WindowSurface(Frame()->m_hWnd)->Crop(shownPart);
  // A control's place in what the desktop window shows.
  auto shownRect = [&](int id) {
    RECT rect{};
    GetWindowRect(driver.FindControl(id), &rect);
    OffsetRect(&rect, -look.rect.left - look.insets.left, -look.rect.top - look.insets.top);
    return rect;
  };
  const RECT button = shownRect(BalanceButtonId);
  const POINT middle{(button.left + button.right) / 2, (button.top + button.bottom) / 2};
  const RECT caption = shownRect(MolecularCalculatorCaptionId);
  const RECT doubledCaption{2 * caption.left, 2 * caption.top, 2 * caption.right, 2 * caption.bottom};
  std::optional<std::string> toolCaption;
  driver.Then([&] {
    toolCaption = driver.WindowCaption();
    driver.Key("Escape");
  });
  ASSERT_TRUE(driver.Click(BalanceButtonId));
  ASSERT_TRUE(toolCaption.has_value());
  Stop();

  for (const bool byResources : {false, true}) {
    SCOPED_TRACE(byResources ? "Xft.dpi 192" : "TAVRIN_SCALE 2");
    if (byResources) {
      const std::filesystem::path resources = folder.Path() / "xresources";
      std::ofstream(resources) << "Xft.dpi: 192\n";
      ASSERT_TRUE(RunToEnd({"xrdb", "-nocpp", "-merge", resources.string()}));
    } else {
      setenv("TAVRIN_SCALE", "2", 1);
    }
    Child program({TAVRIN_PROGRAM}, 1);
    unsetenv("TAVRIN_SCALE");
    ASSERT_TRUE(program.Started());
    const std::optional<unsigned long> window = ShownWindow("TAVRIN");
    ASSERT_TRUE(window.has_value()) << "no main window on the desktop";
    const Surface shown = ShownAtSize(*window, 2 * plain.Width(), 2 * plain.Height());
    Save(shown, byResources ? "launcher-xvfb-xftdpi192.png" : "launcher-xvfb-scale2.png");
    EXPECT_EQ(shown.Width(), 2 * plain.Width());
    EXPECT_EQ(shown.Height(), 2 * plain.Height());
    EXPECT_FALSE(SamePixels(shown, Doubled(plain))) << "drawn at the size, not magnified";
    // The same caption text at twice the size: about four times the ink, with edges still about a
    // pixel wide, so a smaller share of it than a magnified picture would have.
    const Surface plainText = plain.Crop(caption);
    const Surface text = shown.Crop(doubledCaption);
    const int plainInk = DarkPixels(plainText);
    const int ink = DarkPixels(text);
    ASSERT_GT(plainInk, 50);
    EXPECT_GT(ink, 3 * plainInk);
    EXPECT_LT(ink, 5 * plainInk);
    EXPECT_LT(4 * EdgePixels(text) * plainInk, 3 * EdgePixels(plainText) * ink);

    ASSERT_TRUE(RunToEnd({"xdotool", "mousemove", "--window", std::to_string(*window), std::to_string(2 * middle.x),
                          std::to_string(2 * middle.y), "click", "1"}));
    const std::optional<unsigned long> tool = ShownWindow(*toolCaption);
    ASSERT_TRUE(tool.has_value()) << "the click opened " << *toolCaption;
    screen_->AskToClose(*tool);
    const auto deadline = std::chrono::steady_clock::now() + 10s;
    while (screen_->ShownWindowNamed(*toolCaption) != 0 && std::chrono::steady_clock::now() < deadline) usleep(20000);
    screen_->AskToClose(*window);
    EXPECT_EQ(program.Wait(), 0);
  }
}

}  // namespace
