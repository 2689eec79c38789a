// The real program on an X server: the SDL2 backend shows the main window, and what the X server
// shows of it is what the program draws, pixel for pixel, as the same program draws it without a
// screen. The pictures are kept in the build folder for a look at the launcher.
#include <gtest/gtest.h>

#include <memory>

#include "tests/app/app_fixture.h"
#include "tests/platform/desktop/desktop_session.h"
#include "platform/backend/native_window.h"
#include "platform/gdi/png_writer.h"
#include "platform/win/window_api.h"
#include "tests/app/desktop/x_screen.h"

namespace {

using namespace desktop_test;

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

  std::unique_ptr<Xvfb> server_;
  std::unique_ptr<XScreen> screen_;
};

bool SamePixels(const Surface& a, const Surface& b) {
  if (a.Width() != b.Width() || a.Height() != b.Height()) return false;
  for (int y = 0; y < a.Height(); ++y) {
    for (int x = 0; x < a.Width(); ++x) {
      if (a.Pixel(x, y) != b.Pixel(x, y)) return false;
    }
  }
  return true;
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

}  // namespace
