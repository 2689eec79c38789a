#include <gtest/gtest.h>

#include "bitmap_text.h"

namespace {

TEST(BitmapText, APaletteAndRowsOfCharactersGiveThePixels) {
  const BitmapTextResult result = ParseBitmapText(
      "size 3 2\n"
      "palette . #C0C0C0\n"
      "palette r #FF0000\r\n"
      "\n"
      "pixels\n"
      "r..\n"
      ".rr\n");
  ASSERT_TRUE(result.ok) << result.error;
  EXPECT_EQ(result.pixels.Width(), 3);
  EXPECT_EQ(result.pixels.Height(), 2);
  EXPECT_EQ(result.pixels.Pixel(0, 0), RGB(255, 0, 0));
  EXPECT_EQ(result.pixels.Pixel(1, 0), RGB(192, 192, 192));
  EXPECT_EQ(result.pixels.Pixel(2, 1), RGB(255, 0, 0));
}

TEST(BitmapText, BadTextIsRefusedWithItsLine) {
  std::string seventeen = "size 1 1\n";
  for (int index = 0; index < 17; ++index) seventeen += std::string("palette ") + static_cast<char>('a' + index) + " #000000\n";
  seventeen += "pixels\na\n";
  struct Case {
    std::string text;
    std::string error;
  };
  const Case cases[] = {
      {"", "line 1: expected `size W H`"},
      {"size 0 4\n", "line 1: the size must be 1 to 4096 each way"},
      {"size 1 1\npalette x #12345\npixels\nx\n", "line 2: expected `palette C #RRGGBB` or `pixels`"},
      {"size 1 1\npalette x #123456\npalette x #654321\n", "line 3: the character 'x' is named twice"},
      {seventeen, "line 18: more than 16 colours"},
      {"size 2 1\npalette x #000000\npixels\nx\n", "line 4: a row must have 2 characters"},
      {"size 1 1\npalette x #000000\npixels\ny\n", "line 4: the character 'y' is not in the palette"},
      {"size 1 2\npalette x #000000\npixels\nx\n", "line 5: expected 2 rows of pixels"},
      {"size 1 1\npalette x #000000\npixels\nx\nmore\n", "line 5: text after the last row"},
      {"size 1 1\npalette x #000000\n", "line 3: expected `pixels`"},
  };
  for (const Case& test : cases) {
    const BitmapTextResult result = ParseBitmapText(test.text);
    EXPECT_FALSE(result.ok) << test.text;
    EXPECT_EQ(result.error, test.error) << test.text;
  }
}

}  // namespace
