#pragma once
// A window's picture read back from its PNG, for checking facts of what was drawn: the colours of
// a bevel at known points, the ink of a text inside its control.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

struct Rgb {
  std::uint8_t red = 0;
  std::uint8_t green = 0;
  std::uint8_t blue = 0;
  bool operator==(const Rgb&) const = default;
};

// The colours of the layer's 3D look.
inline constexpr Rgb PictureFace{192, 192, 192};
inline constexpr Rgb PictureHighlight{255, 255, 255};
inline constexpr Rgb PictureShadow{127, 127, 127};
inline constexpr Rgb PictureDark{0, 0, 0};
inline constexpr Rgb PictureActiveCaption{0, 0, 128};

// [left, right) x [top, bottom) in the picture's pixels.
struct PictureBox {
  int left = 0;
  int top = 0;
  int right = 0;
  int bottom = 0;
};

class PngPicture {
 public:
  static std::optional<PngPicture> Read(const std::string& path);
  int Width() const { return width_; }
  int Height() const { return height_; }
  Rgb At(int x, int y) const;
  int Count(const PictureBox& box, Rgb colour) const;
  // Pixels dark in every channel: the ink of black text, whose glyph edges are smoothed.
  int CountInk(const PictureBox& box) const;

 private:
  int width_ = 0;
  int height_ = 0;
  std::vector<std::uint8_t> rgb_;
};

// Where a dialog's control stands in the picture of the dialog: a modal dialog's frame is 3 pixels
// and its caption 18, and dialog units are the template font's base units over 4 and 8.
struct DialogUnits {
  int x = 7;
  int y = 13;
};
PictureBox DialogItemBox(DialogUnits units, int x, int y, int width, int height);
PictureBox Inside(const PictureBox& box, int inset);
// Ink inside a control, inside its edge: its text.
int InkInside(const PngPicture& picture, const PictureBox& control);
// Whether a radio button's 12 x 12 mark (left, centred on the control's height) has its dot.
bool RadioDotShown(const PngPicture& picture, const PictureBox& control);
// Whether a check box's 13 x 13 mark (left, centred on the control's height) has its tick.
bool CheckTickShown(const PngPicture& picture, const PictureBox& control);

// Facts every modal dialog's picture shows: a raised 3-pixel frame (face, white and face rings at
// the top left; black and shadow at the bottom right) and an active caption with white text.
void ExpectModalFrameAndCaption(const PngPicture& picture);
// A push button's bevel: black outline (two rings for the default button), white above and left
// and shadow below and right inside it.
void ExpectRaisedButton(const PngPicture& picture, const PictureBox& button, bool isDefault);
