#include "tests/support/png_picture.h"

#include <gtest/gtest.h>
#include <png.h>

std::optional<PngPicture> PngPicture::Read(const std::string& path) {
  png_image image{};
  image.version = PNG_IMAGE_VERSION;
  if (!png_image_begin_read_from_file(&image, path.c_str())) return std::nullopt;
  image.format = PNG_FORMAT_RGB;
  PngPicture picture;
  picture.width_ = static_cast<int>(image.width);
  picture.height_ = static_cast<int>(image.height);
  picture.rgb_.resize(PNG_IMAGE_SIZE(image));
  if (!png_image_finish_read(&image, nullptr, picture.rgb_.data(), 0, nullptr)) return std::nullopt;
  return picture;
}

Rgb PngPicture::At(int x, int y) const {
  if (x < 0 || y < 0 || x >= width_ || y >= height_) return Rgb{};
  const size_t at = (static_cast<size_t>(y) * static_cast<size_t>(width_) + static_cast<size_t>(x)) * 3;
  return Rgb{rgb_[at], rgb_[at + 1], rgb_[at + 2]};
}

int PngPicture::Count(const PictureBox& box, Rgb colour) const {
  int count = 0;
  for (int y = box.top; y < box.bottom; ++y) {
    for (int x = box.left; x < box.right; ++x) count += At(x, y) == colour ? 1 : 0;
  }
  return count;
}

int PngPicture::CountInk(const PictureBox& box) const {
  int count = 0;
  for (int y = box.top; y < box.bottom; ++y) {
    for (int x = box.left; x < box.right; ++x) {
      const Rgb colour = At(x, y);
      count += colour.red < 100 && colour.green < 100 && colour.blue < 100 ? 1 : 0;
    }
  }
  return count;
}

namespace {

constexpr int Frame = 3;
constexpr int Caption = 18;

// value * units / divisor, rounded as the dialog manager rounds it.
int Scaled(int value, int units, int divisor) { return (2 * value * units + divisor) / (2 * divisor); }

}  // namespace

PictureBox DialogItemBox(DialogUnits units, int x, int y, int width, int height) {
  const int left = Frame + Scaled(x, units.x, 4);
  const int top = Frame + Caption + Scaled(y, units.y, 8);
  return PictureBox{left, top, left + Scaled(width, units.x, 4), top + Scaled(height, units.y, 8)};
}

PictureBox Inside(const PictureBox& box, int inset) {
  return PictureBox{box.left + inset, box.top + inset, box.right - inset, box.bottom - inset};
}

int InkInside(const PngPicture& picture, const PictureBox& control) {
  // A bordered control's sunken edge has a black line inside; the text starts inside that.
  return picture.CountInk(Inside(control, 3));
}

bool RadioDotShown(const PngPicture& picture, const PictureBox& control) {
  const int top = control.top + (control.bottom - control.top - 12) / 2;
  return picture.At(control.left + 5, top + 5) == PictureDark;
}

bool CheckTickShown(const PngPicture& picture, const PictureBox& control) {
  const int top = control.top + (control.bottom - control.top - 13) / 2;
  return picture.At(control.left + 3, top + 5) == PictureDark;
}

void ExpectModalFrameAndCaption(const PngPicture& picture) {
  const int right = picture.Width() - 1;
  const int bottom = picture.Height() - 1;
  EXPECT_EQ(picture.At(0, 0), PictureFace);
  EXPECT_EQ(picture.At(1, 1), PictureHighlight);
  EXPECT_EQ(picture.At(2, 2), PictureFace);
  EXPECT_EQ(picture.At(right, bottom), PictureDark);
  EXPECT_EQ(picture.At(right - 1, bottom - 1), PictureShadow);
  EXPECT_EQ(picture.At(Frame, Frame), PictureActiveCaption);
  const PictureBox captionText{Frame, Frame, picture.Width() / 2, Frame + Caption};
  EXPECT_GT(picture.Count(captionText, PictureHighlight), 20) << "the caption's text";
}

void ExpectRaisedButton(const PngPicture& picture, const PictureBox& button, bool isDefault) {
  const int depth = isDefault ? 2 : 1;
  const int right = button.right - 1;
  const int bottom = button.bottom - 1;
  EXPECT_EQ(picture.At(button.left + 1, button.top), PictureDark);
  EXPECT_EQ(picture.At(button.left + depth, button.top + depth - 1), PictureDark);
  EXPECT_EQ(picture.At(button.left + depth, button.top + depth), PictureHighlight);
  EXPECT_EQ(picture.At(right - depth, bottom - depth), PictureShadow);
  EXPECT_EQ(picture.At(right, bottom - 1), PictureDark);
}
