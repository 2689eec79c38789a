// Draws a picture of resources/bitmaps as an RGBA PNG, each pixel as a square of SCALE pixels and
// the transparent ones left out: the icon of the desktop entry.
//   tavrin_icon_png PICTURE.txt OUT.png SCALE
#include <png.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <sstream>
#include <vector>

#include "platform/gdi/bitmap_text.h"

namespace {

bool WriteRgbaPng(const std::string& path, int width, int height, const std::vector<png_byte>& rgba) {
  std::FILE* file = std::fopen(path.c_str(), "wb");
  if (file == nullptr) return false;
  png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
  png_infop info = png == nullptr ? nullptr : png_create_info_struct(png);
  bool written = false;
  if (info != nullptr && setjmp(png_jmpbuf(png)) == 0) {
    png_init_io(png, file);
    png_set_IHDR(png, info, static_cast<png_uint_32>(width), static_cast<png_uint_32>(height), 8, PNG_COLOR_TYPE_RGBA,
                 PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    png_write_info(png, info);
    for (int row = 0; row < height; ++row) {
      png_write_row(png, rgba.data() + static_cast<size_t>(row) * width * 4);
    }
    png_write_end(png, nullptr);
    written = true;
  }
  png_destroy_write_struct(&png, &info);
  return std::fclose(file) == 0 && written;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 4) {
    std::cerr << "usage: tavrin_icon_png PICTURE.txt OUT.png SCALE\n";
    return 2;
  }
  std::ifstream in(argv[1], std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  const BitmapTextResult picture = ParseBitmapText(text.str());
  const int scale = std::atoi(argv[3]);
  if (!in || !picture.ok || scale < 1) {
    std::cerr << argv[1] << ": " << (picture.ok ? "bad scale" : picture.error) << "\n";
    return 1;
  }
  const int width = picture.pixels.Width() * scale;
  const int height = picture.pixels.Height() * scale;
  std::vector<png_byte> rgba(static_cast<size_t>(width) * height * 4);
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      const int column = x / scale;
      const int row = y / scale;
      const size_t source = static_cast<size_t>(row) * picture.pixels.Width() + column;
      const COLORREF colour = picture.pixels.Pixel(column, row);
      png_byte* out = &rgba[(static_cast<size_t>(y) * width + x) * 4];
      out[0] = GetRValue(colour);
      out[1] = GetGValue(colour);
      out[2] = GetBValue(colour);
      out[3] = !picture.transparent.empty() && picture.transparent[source] ? 0 : 255;
    }
  }
  const std::string target = argv[2];
  const std::string partial = target + ".partial";
  if (!WriteRgbaPng(partial, width, height, rgba)) {
    std::filesystem::remove(partial);
    std::cerr << target << ": cannot be written\n";
    return 1;
  }
  std::filesystem::rename(partial, target);
  return 0;
}
