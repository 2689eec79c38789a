#include "platform/gdi/png_writer.h"

#include <png.h>

#include <cstdio>
#include <filesystem>
#include <memory>
#include <vector>

namespace {

struct FileCloser {
  void operator()(std::FILE* file) const {
    if (file != nullptr) std::fclose(file);
  }
};

bool WriteRows(std::FILE* file, const Surface& surface) {
  png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
  if (png == nullptr) return false;
  png_infop info = png_create_info_struct(png);
  if (info == nullptr) {
    png_destroy_write_struct(&png, nullptr);
    return false;
  }
  std::vector<png_byte> row(static_cast<size_t>(surface.DeviceWidth()) * 3);
  if (setjmp(png_jmpbuf(png))) {
    png_destroy_write_struct(&png, &info);
    return false;
  }
  png_init_io(png, file);
  png_set_IHDR(png, info, static_cast<png_uint_32>(surface.DeviceWidth()), static_cast<png_uint_32>(surface.DeviceHeight()), 8,
               PNG_COLOR_TYPE_RGB, PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
  png_write_info(png, info);
  for (int y = 0; y < surface.DeviceHeight(); ++y) {
    const COLORREF* pixels = surface.Row(y);
    for (int x = 0; x < surface.DeviceWidth(); ++x) {
      row[static_cast<size_t>(x) * 3] = GetRValue(pixels[x]);
      row[static_cast<size_t>(x) * 3 + 1] = GetGValue(pixels[x]);
      row[static_cast<size_t>(x) * 3 + 2] = GetBValue(pixels[x]);
    }
    png_write_row(png, row.data());
  }
  png_write_end(png, nullptr);
  png_destroy_write_struct(&png, &info);
  return true;
}

}  // namespace

bool WritePng(const Surface& surface, const std::string& path, std::string* error) {
  auto fail = [&](const std::string& why) {
    if (error != nullptr) *error = why;
    return false;
  };
  if (surface.Width() <= 0 || surface.Height() <= 0) return fail("the picture is empty");
  const std::string temporary = path + ".tmp";
  {
    std::unique_ptr<std::FILE, FileCloser> file(std::fopen(temporary.c_str(), "wb"));
    if (!file) return fail("cannot create " + temporary);
    const bool written = WriteRows(file.get(), surface);
    const bool flushed = std::fflush(file.get()) == 0;
    if (std::fclose(file.release()) != 0 || !written || !flushed) {
      std::remove(temporary.c_str());
      return fail("cannot write " + temporary);
    }
  }
  std::error_code renameError;
  std::filesystem::rename(temporary, path, renameError);
  if (renameError) {
    std::remove(temporary.c_str());
    return fail("cannot replace " + path + ": " + renameError.message());
  }
  return true;
}
