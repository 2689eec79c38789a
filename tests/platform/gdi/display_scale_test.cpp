// The scale a desktop's dots per inch give, and the dots per inch read from the X resources.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "platform/gdi/display_scale.h"

namespace {

TEST(DisplayScale, TheNearestWholeScaleFromOneToFour) {
  const struct {
    double dotsPerInch;
    int scale;
  } cases[] = {
      {96, 1},
      {72, 1},
      {1, 1},
      {119.9, 1},
      {120, 1},
      {143.9, 1},
      {144, 2},
      {168, 2},
      {192, 2},
      {239, 2},
      {240, 3},
      {288, 3},
      {384, 4},
      {960, 4},
      {0, 1},
      {-96, 1},
      {std::numeric_limits<double>::infinity(), 1},
      {std::nan(""), 1},
  };
  for (const auto& row : cases) EXPECT_EQ(ScaleForDpi(row.dotsPerInch), row.scale) << row.dotsPerInch;
}

TEST(DisplayScale, XftDpiIsReadFromTheResourcesAsXrdbListsThem) {
  const struct {
    const char* resources;
    std::optional<double> dotsPerInch;
  } cases[] = {
      {"Xft.dpi:\t192\n", 192},
      {"Xft.dpi:\t96", 96},
      {"Xft.dpi: 144\n", 144},
      {"Xft.antialias:\t1\nXft.dpi:\t120.5\nXft.hinting:\t1\n", 120.5},
      {"  Xft.dpi :\t192 \r\n", 192},
      {"", std::nullopt},
      {"Xft.antialias:\t1\nXft.hinting:\t1\n", std::nullopt},
      {"Xft.dpi:\t\n", std::nullopt},
      {"Xft.dpi:\tlarge\n", std::nullopt},
      {"Xft.dpi:\t192dpi\n", std::nullopt},
      {"Xft.dpi:\t0\n", std::nullopt},
      {"Xft.dpi:\t-192\n", std::nullopt},
      {"Xft.dpi:\tinf\n", std::nullopt},
      {"Xft.dpi\n", std::nullopt},
      {"Xft.dpiX:\t192\nXterm*Xft.dpi:\t192\n", std::nullopt},
      {"! Xft.dpi:\t192\n", std::nullopt},
  };
  for (const auto& row : cases) {
    EXPECT_EQ(XftDpiFromResources(row.resources), row.dotsPerInch) << row.resources;
  }
}

}  // namespace
