#include "calculators/indicator_chart_window.h"

#include <cmath>
#include <cstdio>
#include <filesystem>
#include <iterator>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "platform/gdi/bitmap_text.h"
#include "resources/dialog_templates.h"
#include "resources/embedded_pictures.h"
#include "resources/indicator_chart_ids.h"
#include "engine/settings/settings.h"
#include "tests/support/tool_window_fixture.h"

namespace {

constexpr COLORREF Black = RGB(0, 0, 0);
constexpr COLORREF Silver = RGB(192, 192, 192);
constexpr COLORREF White = RGB(255, 255, 255);
constexpr COLORREF Red = RGB(255, 0, 0);
constexpr COLORREF Yellow = RGB(255, 255, 0);
constexpr COLORREF Green = RGB(0, 255, 0);
constexpr COLORREF Blue = RGB(0, 0, 255);
constexpr COLORREF Pink = 1;  // not a colour of the palette: the chart's pattern of red, white and yellow

constexpr int PixelsPerPh = 30;
constexpr int RulerRows = 10;
constexpr int BandRows = 20;

Surface ChartPixels() {
  for (const EmbeddedPicture& picture : EmbeddedPictures()) {
    if (std::string(picture.name) == "INDIKAT1") {
      const BitmapTextResult parsed = ParseBitmapText(picture.text);
      EXPECT_TRUE(parsed.ok) << parsed.error;
      return parsed.pixels;
    }
  }
  ADD_FAILURE() << "no picture INDIKAT1";
  return {};
}

// The pH range of a row as the window prints it beside the band, "(low-high)".
std::pair<double, double> PrintedRange(int row) {
  for (const DialogItemTemplate& item : IndikatorerTemplate().items) {
    if (item.id != FirstIndicatorRangeId + row) continue;
    double low = 0;
    double high = 0;
    EXPECT_EQ(std::sscanf(item.text.c_str(), "(%lf-%lf)", &low, &high), 2) << item.text;
    return {low, high};
  }
  ADD_FAILURE() << "no range for row " << row;
  return {};
}

bool HasColour(COLORREF expected, COLORREF pixel) {
  if (expected == Pink) return pixel == Red || pixel == White || pixel == Yellow;
  return pixel == expected;
}

TEST(IndicatorChart, IsA16ColourRulerOverSevenBands) {
  const Surface chart = ChartPixels();
  ASSERT_EQ(chart.Width(), 420);
  ASSERT_EQ(chart.Height(), 150);
  const std::set<COLORREF> standard = {RGB(0, 0, 0),       RGB(128, 0, 0),   RGB(0, 128, 0),   RGB(128, 128, 0),
                                       RGB(0, 0, 128),     RGB(128, 0, 128), RGB(0, 128, 128), RGB(192, 192, 192),
                                       RGB(128, 128, 128), RGB(255, 0, 0),   RGB(0, 255, 0),   RGB(255, 255, 0),
                                       RGB(0, 0, 255),     RGB(255, 0, 255), RGB(0, 255, 255), RGB(255, 255, 255)};
  for (int y = 0; y < chart.Height(); ++y) {
    for (int x = 0; x < chart.Width(); ++x) ASSERT_TRUE(standard.contains(chart.Pixel(x, y))) << x << ", " << y;
  }
  // The ruler: black ticks at every pH unit, 30 pixels apart, and at the right edge; silver between.
  for (int x = 0; x < chart.Width(); ++x) {
    const bool tick = x % PixelsPerPh == 0 || x == chart.Width() - 1;
    EXPECT_EQ(chart.Pixel(x, RulerRows - 1), tick ? Black : Silver) << x;
    EXPECT_EQ(chart.Pixel(x, 0), Silver) << x;
  }
}

// Each band shows its acid colour left of the range printed beside it and its base colour right of
// it, 30 pixels per pH unit; the colours are those of the handbooks' indicator tables.
TEST(IndicatorChart, EachBandChangesColourOverItsPrintedRange) {
  struct Band {
    const char* indicator;
    COLORREF acid;
    COLORREF base;
    COLORREF between = Black;  // a colour seen only inside the range; black for none
  };
  const Band bands[IndicatorCount] = {
      {"Alizarin yellow R", Yellow, Red},
      {"ethyl orange", Red, Yellow},
      {"litmus", Red, Blue},
      {"phenolphthalein", White, Pink},
      {"bromothymol blue", Yellow, Blue, Green},
      {"methyl red", Red, Yellow},
      {"methyl orange", Red, Yellow},
  };
  const Surface chart = ChartPixels();
  ASSERT_EQ(chart.Width(), 420);
  for (int row = 0; row < IndicatorCount; ++row) {
    const Band& band = bands[row];
    const auto [low, high] = PrintedRange(row);
    const int start = static_cast<int>(std::lround(low * PixelsPerPh));
    const int end = static_cast<int>(std::lround(high * PixelsPerPh));
    int acidInside = 0;
    int baseInside = 0;
    int betweenInside = 0;
    // The band's rows below its two silver rows.
    for (int y = RulerRows + row * BandRows + 2; y < RulerRows + (row + 1) * BandRows; ++y) {
      for (int x = 0; x < start; ++x) ASSERT_EQ(chart.Pixel(x, y), band.acid) << band.indicator << " at " << x;
      for (int x = end; x < chart.Width(); ++x)
        ASSERT_TRUE(HasColour(band.base, chart.Pixel(x, y))) << band.indicator << " at " << x;
      for (int x = start; x < end; ++x) {
        acidInside += chart.Pixel(x, y) == band.acid;
        baseInside += HasColour(band.base, chart.Pixel(x, y));
        betweenInside += chart.Pixel(x, y) == band.between;
      }
    }
    EXPECT_GT(acidInside, 0) << band.indicator << ": the change is a dither of both colours";
    EXPECT_GT(baseInside, 0) << band.indicator;
    if (band.between != Black) {
      EXPECT_GT(betweenInside, 0) << band.indicator;
    }
  }
  // Pink is a mix: red and white both show in phenolphthalein's base colour.
  std::set<COLORREF> pink;
  for (int y = RulerRows + 3 * BandRows + 2; y < RulerRows + 4 * BandRows; ++y) {
    for (int x = 330; x < 420; ++x) pink.insert(chart.Pixel(x, y));
  }
  EXPECT_EQ(pink, (std::set<COLORREF>{Red, White, Yellow}));
}

// The change goes on to the end of each range: in its last quarter some pixel still differs from the
// base colour at its place in the base colour's pattern, a multiple of four pixels on in its row. Pink
// is a pattern with white in it, so its dither must spread the change over the pixels pink turns.
TEST(IndicatorChart, EachChangeSpansItsWholeRange) {
  const Surface chart = ChartPixels();
  for (int row = 0; row < IndicatorCount; ++row) {
    const auto [low, high] = PrintedRange(row);
    const int start = static_cast<int>(std::lround(low * PixelsPerPh));
    const int end = static_cast<int>(std::lround(high * PixelsPerPh));
    const int top = RulerRows + row * BandRows + 2;
    int unchangedYet = 0;
    for (int y = top; y < RulerRows + (row + 1) * BandRows; ++y) {
      for (int x = start + (end - start) * 3 / 4; x < end; ++x) {
        const int sameInPattern = x + 4 * ((end - x + 3) / 4);
        if (sameInPattern >= chart.Width()) continue;
        unchangedYet += chart.Pixel(x, y) != chart.Pixel(sameInPattern, y);
      }
    }
    EXPECT_GT(unchangedYet, 0) << "row " << row << " has finished its change before pH " << high;
  }
}

class IndicatorWindowTest : public ToolWindowTest {};

TEST_F(IndicatorWindowTest, TextsInTheLanguageOfLanguageCode) {
  const std::vector<std::string> norwegian = {"INDIKATORER",
                                              "Syre/base-indikatorer",
                                              "Alizarin-gult      ",
                                              "Etyl-oransj       ",
                                              "Lakmus          ",
                                              "Fenoftalein  ",
                                              "Bromtymol-bl\xE5tt",
                                              "Metyl-r\xF8"
                                              "dt ",
                                              "Metyl-oransj ",
                                              "(8.2-10.0)",
                                              "Lukk"};
  struct Case {
    int language;
    std::vector<std::string> texts;
  };
  const Case cases[] = {
      {EnglishLanguage,
       {"INDICATORS", "Acid-base indicators", "Alizarin Yellow R", "Ethyl Orange", "Litmus", "Phenolphthalein",
        "Bromothymol Blue", "Methyl Red", "Methyl Orange", "(8.2-10.0)", "Close"}},
      {NorwegianLanguage, norwegian},
      {45, norwegian},
  };
  for (const Case& example : cases) {
    Language scope(example.language);
    std::vector<std::string> texts;
    std::string scale;
    InWindow(OpenIndicatorsDialog, {[&] {
               texts.push_back(driver.WindowCaption().value_or(""));
               texts.push_back(Text(IndicatorsTitleId));
               for (int row = 0; row < IndicatorCount; ++row) texts.push_back(Text(FirstIndicatorNameId + row));
               texts.push_back(Text(FirstIndicatorRangeId + 3));
               texts.push_back(Text(IndicatorsCloseId));
               scale = Text(PhScaleId);
             }});
    EXPECT_EQ(texts, example.texts) << example.language;
    // The window spaces the figures over the chart's ticks; they read from pH 0 to 14.
    std::istringstream words(scale);
    const std::vector<std::string> figures{std::istream_iterator<std::string>(words), {}};
    EXPECT_EQ(figures, (std::vector<std::string>{"pH", "0", "1", "2", "3", "4", "5", "6", "7", "8", "9", "10", "11",
                                                 "12", "13", "14"}));
  }
}

// The chart only shows: opening and closing it leaves the working folder as it was.
TEST_F(IndicatorWindowTest, ChangesNoFile) {
  const auto listing = [this] {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(folder.Path()))
      names.push_back(entry.path().string());
    return names;
  };
  const std::vector<std::string> before = listing();
  InWindow(OpenIndicatorsDialog, {[] {}});
  EXPECT_EQ(listing(), before);
}

TEST_F(IndicatorWindowTest, Snapshots) {
  for (const auto& [code, file] : {std::pair{44, "indikatorer-en.png"}, std::pair{47, "indikatorer-no.png"}}) {
    Language language(code);
    bool written = false;
    InWindow(OpenIndicatorsDialog, {[&] { written = driver.Snapshot(std::string(TAVRIN_OUTPUT_DIR) + "/" + file); }});
    EXPECT_TRUE(written) << driver.LastError();
  }
}

}  // namespace
