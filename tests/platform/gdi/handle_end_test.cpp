#include <gtest/gtest.h>

#include <vector>

#include "platform/gdi/device_context.h"
#include "platform/gdi/gdi_api.h"
#include "platform/gdi/raster_device.h"

namespace {

std::vector<HDC>& DeletedDCs() {
  static std::vector<HDC> deleted;
  return deleted;
}

std::vector<HGDIOBJ>& DeletedObjects() {
  static std::vector<HGDIOBJ> deleted;
  return deleted;
}

void WatchBoth() {
  static const bool watching = [] {
    WatchDCDeletion([](HDC dc) { DeletedDCs().push_back(dc); });
    WatchGdiObjectDeletion([](HGDIOBJ object) { DeletedObjects().push_back(object); });
    return true;
  }();
  (void)watching;
  DeletedDCs().clear();
  DeletedObjects().clear();
}

TEST(HandleEnd, WatchersHearOfEveryDCDeletedAndOfNoFailedDeletion) {
  WatchBoth();
  const HDC dc = CreateCompatibleDC(nullptr);
  ASSERT_NE(dc, nullptr);
  EXPECT_TRUE(DeleteDC(dc));
  EXPECT_FALSE(DeleteDC(dc));
  EXPECT_EQ(DeletedDCs(), std::vector<HDC>{dc});
}

TEST(HandleEnd, WatchersHearOfObjectsRemovedButNotOfStockOrSelectedOnes) {
  WatchBoth();
  const HDC dc = CreateCompatibleDC(nullptr);
  const HPEN selected = CreatePen(PS_SOLID, 1, RGB(1, 2, 3));
  const HPEN loose = CreatePen(PS_SOLID, 1, RGB(4, 5, 6));
  const HGDIOBJ previous = SelectObject(dc, selected);
  EXPECT_FALSE(DeleteObject(selected));
  EXPECT_TRUE(DeleteObject(GetStockObject(BLACK_PEN)));
  EXPECT_TRUE(DeleteObject(loose));
  EXPECT_EQ(DeletedObjects(), std::vector<HGDIOBJ>{loose});
  SelectObject(dc, previous);
  EXPECT_TRUE(DeleteObject(selected));
  EXPECT_EQ(DeletedObjects(), (std::vector<HGDIOBJ>{loose, selected}));
  DeleteDC(dc);
}

}  // namespace
