// The layer's pixels and the device pixels of a scaled screen: a point left of or above a window
// (the pointer dragged out of it) belongs to the layer pixel whose square holds it, and a window
// the desktop gives an odd size is covered whole.
#include <gtest/gtest.h>

#include "platform/backend/native_window.h"
#include "platform/gdi/display_scale.h"

namespace {

TEST(DevicePixels, APointBelongsToTheLayerPixelWhoseSquareHoldsIt) {
  const struct {
    int scale;
    int device;
    int layer;
  } cases[] = {
      {2, 0, 0},   {2, 1, 0}, {2, 2, 1},   {2, 401, 200}, {2, -1, -1}, {2, -2, -1},
      {2, -3, -2}, {3, 5, 1}, {3, -1, -1}, {3, -4, -2},   {1, 7, 7},   {1, -7, -7},
  };
  for (const auto& row : cases) {
    SetDisplayScale(row.scale);
    EXPECT_EQ(FromDevice(row.device), row.layer) << row.scale << " " << row.device;
    EXPECT_EQ(FromDevice(ToDevice(row.layer)), row.layer) << row.scale << " " << row.layer;
  }
  SetDisplayScale(1);
}

TEST(DevicePixels, ALengthTakesAllTheLayerPixelsThatCoverIt) {
  const struct {
    int scale;
    int device;
    int layer;
  } cases[] = {{2, 0, 0}, {2, 1, 1}, {2, 400, 200}, {2, 401, 201}, {3, 7, 3}, {1, 7, 7}};
  for (const auto& row : cases) {
    SetDisplayScale(row.scale);
    EXPECT_EQ(FromDeviceLength(row.device), row.layer) << row.scale << " " << row.device;
  }
  SetDisplayScale(1);
}

}  // namespace
