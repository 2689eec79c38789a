#include <gtest/gtest.h>

#include "platform/gdi/bitmap_text.h"

namespace {

TEST(BitmapText, APaletteAndRowsOfCharactersGiveThePixels) {
  const BitmapTextResult result = ParseBitmapText(
      "# a red corner\n"
      "size 3 2\n"
      "palette\n"
      ". #C0C0C0\n"
      "r #FF0000\r\n"
      "pixels\n"
      "r..\n"
      ".rr\n");
  ASSERT_TRUE(result.ok) << result.error;
  EXPECT_EQ(result.pixels.Width(), 3);
  EXPECT_EQ(result.pixels.Height(), 2);
  EXPECT_EQ(result.pixels.Pixel(0, 0), RGB(255, 0, 0));
  EXPECT_EQ(result.pixels.Pixel(1, 0), RGB(192, 192, 192));
  EXPECT_EQ(result.pixels.Pixel(2, 1), RGB(255, 0, 0));
  EXPECT_TRUE(result.transparent.empty());
}

TEST(BitmapText, ATransparentKeyMarksThePixelsAnIconLeavesOut) {
  const BitmapTextResult result =
      ParseBitmapText("size 2 1\npalette\n. #C0C0C0\nk #000000\ntransparent .\npixels\n.k\n");
  ASSERT_TRUE(result.ok) << result.error;
  EXPECT_EQ(result.transparent, (std::vector<bool>{true, false}));
  EXPECT_EQ(result.pixels.Pixel(0, 0), RGB(192, 192, 192));
}

TEST(BitmapText, BadTextIsRefusedWithItsLine) {
  std::string seventeen = "size 1 1\npalette\n";
  for (int index = 0; index < 17; ++index) seventeen += std::string(1, static_cast<char>('a' + index)) + " #000000\n";
  seventeen += "pixels\na\n";
  struct Case {
    std::string text;
    std::string error;
  };
  const Case cases[] = {
      {"# only a comment\n", "line 2: expected `size W H`"},
      {"size 0 4\n", "line 1: the size must be 1 to 4096 each way"},
      {"size 1 1\npixels\n", "line 2: expected `palette`"},
      {"size 1 1\npalette\nx #12345\npixels\nx\n", "line 3: expected `KEY #RRGGBB`, `transparent KEY` or `pixels`"},
      {"size 1 1\npalette\n  #123456\n", "line 3: expected `KEY #RRGGBB`, `transparent KEY` or `pixels`"},
      {"size 1 1\npalette\nx #123456\nx #654321\n", "line 4: the key 'x' is named twice"},
      {"size 1 1\npalette\nx #123456\ntransparent y\n",
       "line 4: expected `transparent KEY` once, with a key of the palette"},
      {seventeen, "line 19: more than 16 colours"},
      {"size 1 1\npalette\npixels\nx\n", "line 3: the palette is empty"},
      {"size 2 1\npalette\nx #000000\npixels\nx\n", "line 5: a row must have 2 characters"},
      {"size 1 1\npalette\nx #000000\npixels\ny\n", "line 5: the key 'y' is not in the palette"},
      {"size 1 2\npalette\nx #000000\npixels\nx\n", "line 6: expected 2 rows of pixels"},
      {"size 1 1\npalette\nx #000000\npixels\nx\nmore\n", "line 6: text after the last row"},
      {"size 1 1\npalette\nx #000000\n", "line 4: expected `pixels`"},
      {"size 3x 2\n", "line 1: expected `size W H`"},
      {"size 1 1 1\n", "line 1: expected `size W H`"},
      {"size 99999999999 1\n", "line 1: expected `size W H`"},
      {"size 1\n", "line 1: expected `size W H`"},
      {"", "line 1: expected `size W H`"},
      {"size 1 1\npalette\n\npixels\n", "line 3: expected `KEY #RRGGBB`, `transparent KEY` or `pixels`"},
  };
  for (const Case& test : cases) {
    const BitmapTextResult result = ParseBitmapText(test.text);
    EXPECT_FALSE(result.ok) << test.text;
    EXPECT_EQ(result.error, test.error) << test.text;
  }
}

TEST(BitmapText, LineEndsAndBlanksAreReadAsWrittenAndNothingPastTheTextIsRead) {
  const BitmapTextResult loose = ParseBitmapText("\tsize  2 +1 \r\npalette\r\nk #000000\r\npixels\r\nkk\r\n\n");
  ASSERT_TRUE(loose.ok) << loose.error;
  EXPECT_EQ(loose.pixels.Width(), 2);
  EXPECT_EQ(loose.pixels.Height(), 1);

  // The last row may lack its line end, also where the text is part of a longer one.
  const std::string longer = "size 1 1\npalette\nk #000000\npixels\nkmore";
  const BitmapTextResult part = ParseBitmapText(std::string_view(longer).substr(0, longer.size() - 4));
  ASSERT_TRUE(part.ok) << part.error;
  EXPECT_EQ(part.pixels.Pixel(0, 0), RGB(0, 0, 0));
  EXPECT_EQ(ParseBitmapText(longer).error, "line 5: a row must have 1 characters");
}

}  // namespace
