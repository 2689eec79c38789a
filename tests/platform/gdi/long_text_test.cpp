// Runs of text far longer than any surface: what shows of them is what shows of their visible part
// alone, wherever that part lies (beyond the right edge, left of the clip, right-aligned), on plain
// and on doubled pixels; and widths beyond what an int holds are measured and placed whole.
#include <gtest/gtest.h>

#include <limits>
#include <memory>
#include <string>

#include "platform/gdi/cdc.h"
#include "platform/gdi/raster_device.h"

namespace {

constexpr COLORREF Paper = RGB(200, 220, 240);
constexpr size_t TenMegabytes = 10 * 1000 * 1000;
// Two blanks between a filler and what follows it keep the filler's ink off the text after it.
const std::string Gap = "  ";

struct Picture {
  int width;
  int height;
  int scale;
  int mode;
};

// Draws on a surface of its own through a raster device with the font selected; `draw` gets the DC.
template <typename Draw>
Surface Drawn(const Picture& picture, const CFont& font, Draw draw) {
  Surface pixels(picture.width, picture.height, Paper, picture.scale);
  const HDC dc = AddDC(std::make_unique<RasterDevice>(&pixels, POINT{0, 0},
                                                       Region(RECT{0, 0, picture.width, picture.height}),
                                                       SIZE{1024, 768}));
  SelectObject(dc, font);
  SetBkMode(dc, picture.mode);
  SetBkColor(dc, RGB(0, 128, 0));
  SetTextColor(dc, RGB(0, 0, 0));
  draw(dc);
  DeleteDC(dc);
  return pixels;
}

int DifferentPixels(const Surface& a, const Surface& b) {
  int different = 0;
  for (int y = 0; y < a.DeviceHeight(); ++y) {
    for (int x = 0; x < a.DeviceWidth(); ++x) different += a.DevicePixel(x, y) != b.DevicePixel(x, y) ? 1 : 0;
  }
  return different;
}

int Ink(const Surface& pixels) {
  int ink = 0;
  for (int y = 0; y < pixels.DeviceHeight(); ++y) {
    for (int x = 0; x < pixels.DeviceWidth(); ++x) ink += pixels.DevicePixel(x, y) != Paper ? 1 : 0;
  }
  return ink;
}

int ExtentOf(HDC dc, const std::string& text) {
  SIZE extent{};
  GetTextExtentPoint32(dc, text.c_str(), static_cast<int>(text.size()), &extent);
  return extent.cx;
}

struct Helv {
  explicit Helv(int height) { font.CreateFont(height, 0, 0, 0, FW_NORMAL, 0, 0, 0, ANSI_CHARSET, 0, 0, 0, 0, "Helv"); }
  CFont font;
};

class LongText : public ::testing::TestWithParam<Picture> {
 protected:
  Helv helv{-11};
  const CFont& font = helv.font;
  // Wider than the 70 x 16 picture, so that its own end lies beyond the edge.
  const std::string shown = "Natriumhydrogenkarbonat";
  const std::string filler = std::string(TenMegabytes, 'W');
};

TEST_P(LongText, ARunRunningFarPastTheEdgeShowsWhatItsStartAloneShows) {
  const auto draw = [](const std::string& text) {
    return [text](HDC dc) { TextOut(dc, 3, 2, text.c_str(), static_cast<int>(text.size())); };
  };
  const Surface alone = Drawn(GetParam(), font, draw(shown));
  const Surface long_ = Drawn(GetParam(), font, draw(shown + filler));
  EXPECT_EQ(DifferentPixels(alone, long_), 0);
  EXPECT_GT(Ink(alone), 40);
}

TEST_P(LongText, ARunStartingFarLeftOfTheClipShowsWhatItsVisiblePartAloneShows) {
  constexpr int ShownAt = 12;
  // The run is drawn where the part before `shown` ends at the clip's left edge.
  const auto draw = [this](const std::string& before) {
    return [this, before](HDC dc) {
      IntersectClipRect(dc, ShownAt, 0, 60, 16);
      const std::string run = before + shown;
      TextOut(dc, ShownAt - ExtentOf(dc, before), 2, run.c_str(), static_cast<int>(run.size()));
    };
  };
  const Surface alone = Drawn(GetParam(), font, draw(""));
  const Surface long_ = Drawn(GetParam(), font, draw(filler + Gap));
  EXPECT_EQ(DifferentPixels(alone, long_), 0);
  EXPECT_GT(Ink(alone), 40);
}

TEST_P(LongText, ARightAlignedRunShowsItsEndAsTheEndAloneShows) {
  const auto draw = [](const std::string& text) {
    return [text](HDC dc) {
      RECT box{2, 1, 66, 15};
      DrawText(dc, text.c_str(), static_cast<int>(text.size()), &box, DT_RIGHT | DT_SINGLELINE | DT_NOPREFIX);
    };
  };
  const Surface alone = Drawn(GetParam(), font, draw(shown));
  const Surface long_ = Drawn(GetParam(), font, draw(filler + Gap + shown));
  EXPECT_EQ(DifferentPixels(alone, long_), 0);
  EXPECT_GT(Ink(alone), 40);
}

INSTANTIATE_TEST_SUITE_P(ScalesAndModes, LongText,
                         ::testing::Values(Picture{70, 16, 1, TRANSPARENT}, Picture{70, 16, 1, OPAQUE},
                                           Picture{70, 16, 2, TRANSPARENT}, Picture{70, 16, 2, OPAQUE}),
                         [](const auto& info) {
                           return "Scale" + std::to_string(info.param.scale) +
                                  (info.param.mode == OPAQUE ? "Opaque" : "Transparent");
                         });

// 7 million W of a 400-pixel font are some 2.6 billion pixels wide: the extent stops at the
// largest width a LONG holds instead of turning negative, and right-aligned the run still ends at
// the rectangle's right edge.
TEST(LongTextWidth, AWidthBeyondAnIntIsMeasuredAndPlacedWhole) {
  const Helv font(-400);
  const std::string shown = "NaCl";
  const std::string wide = std::string(7 * 1000 * 1000, 'W') + Gap + shown;
  for (const int scale : {1, 2}) {
    SCOPED_TRACE("scale " + std::to_string(scale));
    const Picture picture{150, 130, scale, OPAQUE};
    const auto draw = [](const std::string& text) {
      return [text](HDC dc) {
        RECT box{0, 0, 150, 130};
        DrawText(dc, text.c_str(), static_cast<int>(text.size()), &box, DT_RIGHT | DT_SINGLELINE | DT_NOPREFIX);
      };
    };
    const Surface alone = Drawn(picture, font.font, draw(shown));
    std::int64_t extent = 0;
    RECT calculated{10, 0, 10, 0};
    const Surface long_ = Drawn(picture, font.font, [&](HDC dc) {
      extent = ExtentOf(dc, wide);
      DrawText(dc, wide.c_str(), static_cast<int>(wide.size()), &calculated, DT_CALCRECT | DT_SINGLELINE);
      draw(wide)(dc);
    });
    EXPECT_EQ(extent, std::numeric_limits<LONG>::max());
    EXPECT_EQ(calculated.right, std::numeric_limits<LONG>::max());
    EXPECT_EQ(DifferentPixels(alone, long_), 0);
    EXPECT_GT(Ink(alone), 400);
  }
}

}  // namespace
