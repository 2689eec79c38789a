#include <gtest/gtest.h>
#include <png.h>

#include <filesystem>

#include "platform/gdi/png_writer.h"

namespace {

std::filesystem::path TemporaryFolder() {
  const std::filesystem::path folder =
      std::filesystem::temp_directory_path() /
      ("tavrin-png-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) + "-" +
       ::testing::UnitTest::GetInstance()->current_test_info()->name());
  std::filesystem::create_directories(folder);
  return folder;
}

TEST(Png, AFramebufferIsWrittenAsAnRgbPictureThatReadsBackTheSame) {
  Surface pixels(3, 2, RGB(255, 255, 255));
  pixels.SetPixel(0, 0, RGB(255, 0, 0));
  pixels.SetPixel(2, 1, RGB(0, 0, 255));
  const std::filesystem::path folder = TemporaryFolder();
  const std::string path = (folder / "picture.png").string();
  std::string error;
  ASSERT_TRUE(WritePng(pixels, path, &error)) << error;
  png_image image{};
  image.version = PNG_IMAGE_VERSION;
  ASSERT_TRUE(png_image_begin_read_from_file(&image, path.c_str()));
  image.format = PNG_FORMAT_RGB;
  std::vector<png_byte> rgb(PNG_IMAGE_SIZE(image));
  ASSERT_TRUE(png_image_finish_read(&image, nullptr, rgb.data(), 0, nullptr));
  EXPECT_EQ(image.width, 3u);
  EXPECT_EQ(image.height, 2u);
  EXPECT_EQ((std::vector<int>{rgb[0], rgb[1], rgb[2]}), (std::vector<int>{255, 0, 0}));
  EXPECT_EQ((std::vector<int>{rgb[15], rgb[16], rgb[17]}), (std::vector<int>{0, 0, 255}));
  EXPECT_FALSE(std::filesystem::exists(path + ".tmp"));
  std::filesystem::remove_all(folder);
}

TEST(Png, AFailedWriteSaysWhyAndLeavesNoFile) {
  const std::filesystem::path folder = TemporaryFolder();
  const std::string path = (folder / "missing" / "picture.png").string();
  std::string error;
  EXPECT_FALSE(WritePng(Surface(2, 2), path, &error));
  EXPECT_NE(error.find("cannot create"), std::string::npos);
  EXPECT_FALSE(std::filesystem::exists(path));
  EXPECT_FALSE(WritePng(Surface(), (folder / "empty.png").string(), &error));
  EXPECT_FALSE(std::filesystem::exists(folder / "empty.png"));
  std::filesystem::remove_all(folder);
}

}  // namespace
