// The program drawn at scale 2, as TAVRIN_SCALE asks: a window's picture twice as wide and as high,
// its text drawn from the face at twice the size rather than magnified.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

#include "resources/menu_commands.h"
#include "tests/app/session_runner.h"
#include "tests/app/settings_fixture.h"
#include "tests/support/png_picture.h"
#include "tests/support/script_steps.h"

namespace {

namespace fs = std::filesystem;

// The about box's picture with the program drawn at the scale.
std::optional<PngPicture> AboutBoxAt(const std::string& scale) {
  WorkingFolder folder;
  folder.WriteSettings(SettingsText("44", "0"));
  const fs::path picture = folder.Path().parent_path() / (folder.Path().filename().string() + "-about.png");
  setenv("TAVRIN_SCALE", scale.c_str(), 1);
  const SessionResult result = RunSession(folder.Path(), steps::Menu(AboutCommand) + "snapshot " + picture.string() + "\n");
  unsetenv("TAVRIN_SCALE");
  EXPECT_EQ(result.exitCode, 0);
  std::optional<PngPicture> read = PngPicture::Read(picture.string());
  fs::remove(picture);
  return read;
}

struct CaptionText {
  int solid = 0;    // pixels of the caption's white text
  int edge = 0;     // pixels between the caption's blue and the text's white: the glyphs' smoothed edges
  int squares = 0;  // squares of 2 x 2 pixels, on even places, whose pixels are not all alike
};

// The text of the active caption: white on dark blue, in the caption bar left of its close box.
CaptionText CaptionTextOf(const PngPicture& picture, int scale) {
  CaptionText text;
  const PictureBox bar{4 * scale, 4 * scale, picture.Width() - 30 * scale, 20 * scale};
  for (int y = bar.top; y < bar.bottom; ++y) {
    for (int x = bar.left; x < bar.right; ++x) {
      const int green = picture.At(x, y).green;
      text.solid += green >= 192 ? 1 : 0;
      text.edge += green >= 48 && green < 192 ? 1 : 0;
      if (x % 2 == 0 && y % 2 == 0 && x + 1 < bar.right && y + 1 < bar.bottom) {
        const Rgb corner = picture.At(x, y);
        text.squares += corner == picture.At(x + 1, y) && corner == picture.At(x, y + 1) &&
                                corner == picture.At(x + 1, y + 1)
                            ? 0
                            : 1;
      }
    }
  }
  return text;
}

TEST(DisplayScaleSession, AtScaleTwoAWindowIsTwiceTheSizeAndItsTextAsSharp) {
  const std::optional<PngPicture> single = AboutBoxAt("1");
  const std::optional<PngPicture> twice = AboutBoxAt("2");
  ASSERT_TRUE(single && twice);
  EXPECT_EQ(twice->Width(), 2 * single->Width());
  EXPECT_EQ(twice->Height(), 2 * single->Height());

  const CaptionText small = CaptionTextOf(*single, 1);
  const CaptionText large = CaptionTextOf(*twice, 2);
  ASSERT_GT(small.solid, 50);
  // The same text at twice the size: about four times the ink.
  EXPECT_GT(large.solid, 3 * small.solid);
  EXPECT_LT(large.solid, 5 * small.solid);
  // Magnified, every stroke's smoothed edge would be two pixels wide, so edges would be as large a
  // share of the text as at scale 1, and every 2 x 2 square would be of one colour; drawn at the
  // size, the edges stay about a pixel wide (here under three quarters of that share) and the
  // glyphs cut through the squares.
  EXPECT_LT(4 * large.edge * small.solid, 3 * small.edge * large.solid);
  EXPECT_GT(large.squares, small.solid / 2);
}

// An unusable TAVRIN_SCALE leaves the program at scale 1.
TEST(DisplayScaleSession, AScaleThatIsNotAWholeNumberFromOneToFourIsScaleOne) {
  const std::optional<PngPicture> single = AboutBoxAt("1");
  ASSERT_TRUE(single);
  for (const char* scale : {"0", "5", "1.5", "two", ""}) {
    const std::optional<PngPicture> picture = AboutBoxAt(scale);
    ASSERT_TRUE(picture) << scale;
    EXPECT_EQ(picture->Width(), single->Width()) << scale;
    EXPECT_EQ(picture->Height(), single->Height()) << scale;
  }
}

}  // namespace
