#include <gtest/gtest.h>

#include <array>
#include <cstring>
#include <utility>

#include "platform/gdi/dialog_face.h"
#include "platform/gdi/fontconfig_functions.h"
#include "platform/gdi/raster_device.h"
#include "tests/platform/gdi/canvas.h"

namespace {

constexpr COLORREF White = RGB(255, 255, 255);
constexpr COLORREF Black = RGB(0, 0, 0);

class Font {
 public:
  Font(const char* face, int height, int weight = FW_NORMAL, int escapement = 0, BYTE underline = 0) {
    font.CreateFont(height, 0, escapement, 0, weight, 0, underline, 0, ANSI_CHARSET, 0, 0, 0, 0, face);
  }
  CFont font;
};

std::string FaceOf(CDC& dc) {
  char face[64] = {};
  GetTextFace(dc.m_hDC, sizeof face, face);
  return face;
}

TEST(Fonts, TheProgramsFaceNamesMapToASansAMonoAndASerifFace) {
  struct Case {
    const char* asked;
    const char* installed;
  };
  const Case cases[] = {
      {"Helv", "Liberation Sans"}, {"Fixedsys", "Liberation Mono"}, {"Times New Roman", "Liberation Serif"}};
  Canvas canvas(1, 1);
  for (const Case& test : cases) {
    Font font(test.asked, -11);
    canvas.dc.SelectObject(&font.font);
    EXPECT_EQ(FaceOf(canvas.dc), test.installed) << test.asked;
  }
}

// The faces above are found where their package puts them; a face that is not is looked for
// through fontconfig, opened only then: every function that search calls must be found in it.
TEST(Fonts, FontconfigOpensWithEveryFunctionTheFaceSearchCalls) {
  const FontconfigFunctions* fontconfig = Fontconfig();
  ASSERT_NE(fontconfig, nullptr);
  FcPattern* pattern = fontconfig->PatternCreate();
  ASSERT_NE(pattern, nullptr);
  fontconfig->PatternAddString(pattern, FC_FAMILY, reinterpret_cast<const FcChar8*>("Liberation Sans"));
  FcChar8* family = nullptr;
  ASSERT_EQ(fontconfig->PatternGetString(pattern, FC_FAMILY, 0, &family), FcResultMatch);
  EXPECT_STREQ(reinterpret_cast<const char*>(family), "Liberation Sans");
  fontconfig->PatternDestroy(pattern);
}

TEST(Fonts, AMonoFaceGivesEveryCharacterTheSameWidth) {
  Canvas canvas(1, 1);
  Font mono("Fixedsys", -12);
  canvas.dc.SelectObject(&mono.font);
  EXPECT_EQ(canvas.dc.GetTextExtent("iii").cx, canvas.dc.GetTextExtent("WWW").cx);
  Font sans("Helv", -12);
  canvas.dc.SelectObject(&sans.font);
  EXPECT_LT(canvas.dc.GetTextExtent("iii").cx, canvas.dc.GetTextExtent("WWW").cx);
}

// Fixedsys has one size: an 8 x 15 cell for every character, whatever height is asked for, and
// its ink stays inside the cell.
TEST(Fonts, FixedsysKeepsItsCellAtEveryHeightAskedFor) {
  for (const int height : {-12, -9, -20, 15}) {
    Canvas canvas(200, 40);
    Font fixed("Fixedsys", height);
    canvas.dc.SelectObject(&fixed.font);
    TEXTMETRIC metrics;
    canvas.dc.GetTextMetrics(&metrics);
    EXPECT_EQ(metrics.tmAveCharWidth, 8) << height;
    EXPECT_EQ(metrics.tmMaxCharWidth, 8) << height;
    EXPECT_EQ(metrics.tmHeight, 15) << height;
    for (const char* text : {"i", "W", "m", " ", "\xE6", "Fe[56]"}) {
      const int length = static_cast<int>(std::strlen(text));
      EXPECT_EQ(canvas.dc.GetTextExtent(text, length).cx, 8 * length) << height << " " << text;
    }
    canvas.dc.SetBkMode(TRANSPARENT);
    canvas.dc.TextOut(16, 10, "WMWMWM");
    RECT ink{};
    ASSERT_GT(canvas.Ink(White, &ink), 20);
    EXPECT_GE(ink.left, 16) << height;
    EXPECT_LE(ink.right, 16 + 6 * 8) << height;
    EXPECT_GE(ink.top, 10) << height;
    EXPECT_LE(ink.bottom, 10 + 15) << height;
  }
}

TEST(Fonts, ANegativeHeightIsTheCharacterHeightAndAPositiveOneTheCell) {
  Canvas canvas(1, 1);
  Font character("Helv", -11);
  canvas.dc.SelectObject(&character.font);
  TEXTMETRIC metrics;
  canvas.dc.GetTextMetrics(&metrics);
  EXPECT_EQ(metrics.tmHeight - metrics.tmInternalLeading, 11);
  EXPECT_EQ(metrics.tmHeight, metrics.tmAscent + metrics.tmDescent);
  Font cell("Helv", 20);
  canvas.dc.SelectObject(&cell.font);
  canvas.dc.GetTextMetrics(&metrics);
  EXPECT_GE(metrics.tmHeight, 19);
  EXPECT_LE(metrics.tmHeight, 21);
}

std::array<int, 256> CharWidths(CDC& dc) {
  std::array<int, 256> widths{};
  EXPECT_TRUE(GetCharWidth32(dc.m_hDC, 0, 255, widths.data()));
  return widths;
}

TEST(Fonts, EachCharacterWidthIsTheExtentOfThatCharacterAlone) {
  Canvas canvas(1, 1);
  Font sans("Helv", -13);
  canvas.dc.SelectObject(&sans.font);
  const std::array<int, 256> widths = CharWidths(canvas.dc);
  for (int code = 0; code < 256; ++code) {
    const char character = static_cast<char>(code);
    SIZE extent{};
    GetTextExtentPoint32(canvas.dc.m_hDC, &character, 1, &extent);
    EXPECT_EQ(widths[static_cast<size_t>(code)], extent.cx) << code;
  }
}

// Measures are remembered per font description, so a font made after another one was deleted,
// or one differing in a single field, must not measure as the one before.
TEST(Fonts, AFontMadeAfterAnotherWasDeletedMeasuresAsItself) {
  Canvas canvas(1, 1);
  CFont* stock = nullptr;
  auto measure = [&](const char* face, int height, int weight) {
    CFont font;
    font.CreateFont(height, 0, 0, 0, weight, 0, 0, 0, ANSI_CHARSET, 0, 0, 0, 0, face);
    CFont* previous = canvas.dc.SelectObject(&font);
    if (stock == nullptr) stock = previous;
    TEXTMETRIC metrics;
    canvas.dc.GetTextMetrics(&metrics);
    const std::array<int, 256> widths = CharWidths(canvas.dc);
    canvas.dc.SelectObject(stock);
    return std::make_pair(metrics.tmHeight, widths);
  };
  const auto small = measure("Helv", -12, FW_NORMAL);
  const auto large = measure("Helv", -24, FW_NORMAL);
  EXPECT_GT(large.first, small.first);
  EXPECT_GT(large.second['W'], small.second['W']);
  EXPECT_NE(measure("Times New Roman", -12, FW_NORMAL).second, small.second);
  EXPECT_NE(measure("Helv", -12, FW_BOLD).second, small.second);
  EXPECT_EQ(measure("Helv", -12, FW_NORMAL), small);
}

// The dialog font, "Helv" at 8 points: its 52 letters average the 7-pixel horizontal base unit the
// templates are laid out in, a blank is 4 pixels, and bold letters are never narrower.
TEST(Fonts, TheDialogFontsLettersAverageTheHorizontalBaseUnit) {
  Canvas canvas(1, 1);
  Font regular(DialogFontFace("Helv").c_str(), -11);
  canvas.dc.SelectObject(&regular.font);
  const char* letters = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ";
  const int extent = canvas.dc.GetTextExtent(letters).cx;
  EXPECT_EQ((extent + 26) / 52, 7) << extent;
  TEXTMETRIC metrics;
  canvas.dc.GetTextMetrics(&metrics);
  EXPECT_EQ(metrics.tmAveCharWidth, 7);
  EXPECT_EQ(canvas.dc.GetTextExtent(" ").cx, 4);
  const std::array<int, 256> regularWidths = CharWidths(canvas.dc);
  Font bold(DialogFontFaceName, -11, FW_BOLD);
  canvas.dc.SelectObject(&bold.font);
  const std::array<int, 256> boldWidths = CharWidths(canvas.dc);
  for (int code = 32; code < 256; ++code) EXPECT_GE(boldWidths[code], regularWidths[code]) << code;
}

// At twice the size every advance of the dialog face is twice as wide, so that a layout drawn at a
// display scale of 2 keeps its proportions.
TEST(Fonts, TheDialogFaceAtTwiceTheSizeHasTwiceTheAdvances) {
  Canvas canvas(1, 1);
  Font single(DialogFontFaceName, -11);
  canvas.dc.SelectObject(&single.font);
  const std::array<int, 256> singleWidths = CharWidths(canvas.dc);
  Font twice(DialogFontFaceName, -22);
  canvas.dc.SelectObject(&twice.font);
  const std::array<int, 256> twiceWidths = CharWidths(canvas.dc);
  for (int code = 32; code < 256; ++code) EXPECT_EQ(twiceWidths[code], 2 * singleWidths[code]) << code;
}

// A font the program makes as "Helv" by pixel height keeps the sans face's own advances; only the
// dialog's font takes the fitted ones.
TEST(Fonts, OnlyTheDialogsFontTakesTheFittedAdvances) {
  Canvas canvas(1, 1);
  Font made("Helv", -11);
  canvas.dc.SelectObject(&made.font);
  const std::array<int, 256> madeWidths = CharWidths(canvas.dc);
  Font dialog(DialogFontFace("MS Sans Serif").c_str(), -11);
  canvas.dc.SelectObject(&dialog.font);
  const std::array<int, 256> dialogWidths = CharWidths(canvas.dc);
  EXPECT_EQ(dialogWidths[' '], 4);
  EXPECT_EQ(madeWidths[' '], 3);
  EXPECT_LT(madeWidths['e'], dialogWidths['e']);
  EXPECT_EQ(DialogFontFace("Times New Roman"), "Times New Roman");
}

TEST(Text, TextOutDrawsInsideItsCellAndOpaqueModeFillsTheCell) {
  Canvas canvas(100, 40);
  Font font("Helv", -11);
  canvas.dc.SelectObject(&font.font);
  const CSize extent = canvas.dc.GetTextExtent("Hydrogen");
  canvas.dc.SetBkMode(TRANSPARENT);
  canvas.dc.TextOut(10, 5, "Hydrogen");
  RECT ink{};
  ASSERT_GT(canvas.Ink(White, &ink), 20);
  EXPECT_GE(ink.left, 10);
  EXPECT_LE(ink.left, 11);
  EXPECT_LE(ink.right, 10 + extent.cx);
  EXPECT_GE(ink.top, 5);
  EXPECT_LE(ink.bottom, 5 + extent.cy);
  // The H's stem is nearly solid in the text colour within a pixel of where the ink starts.
  const int stem =
      std::min<int>(GetGValue(canvas.At(ink.left, ink.top + 3)), GetGValue(canvas.At(ink.left + 1, ink.top + 3)));
  EXPECT_LT(stem, 64);
  Canvas opaque(100, 40);
  opaque.dc.SelectObject(&font.font);
  opaque.dc.SetBkColor(RGB(0, 255, 0));
  opaque.dc.TextOut(10, 5, "Hydrogen");
  EXPECT_EQ(opaque.At(10, 5), RGB(0, 255, 0));
  EXPECT_EQ(opaque.At(10 + extent.cx - 1, 5 + extent.cy - 1), RGB(0, 255, 0));
  EXPECT_EQ(opaque.At(10 + extent.cx, 5), White);
  EXPECT_EQ(opaque.At(9, 5), White);
}

TEST(Text, BoldUnderlinedAndTurnedTextAsTheFontAsks) {
  Canvas normal(120, 30);
  Font regular("Helv", -11);
  normal.dc.SelectObject(&regular.font);
  normal.dc.SetBkMode(TRANSPARENT);
  normal.dc.TextOut(2, 2, "Oxygen");
  Canvas heavy(120, 30);
  Font bold("Helv", -11, FW_BOLD);
  heavy.dc.SelectObject(&bold.font);
  heavy.dc.SetBkMode(TRANSPARENT);
  heavy.dc.TextOut(2, 2, "Oxygen");
  EXPECT_GT(heavy.Darkness(), normal.Darkness() * 5 / 4);
  Canvas underlined(120, 30);
  Font line("Helv", -11, FW_NORMAL, 0, 1);
  underlined.dc.SelectObject(&line.font);
  underlined.dc.SetBkMode(TRANSPARENT);
  const CSize extent = underlined.dc.GetTextExtent("Oxygen");
  underlined.dc.TextOut(2, 2, "Oxygen");
  TEXTMETRIC metrics;
  underlined.dc.GetTextMetrics(&metrics);
  int fullRows = 0;
  for (int y = 2 + metrics.tmAscent; y < 2 + extent.cy; ++y) {
    bool full = true;
    for (int x = 2; x < 2 + extent.cx; ++x) full = full && underlined.At(x, y) == Black;
    fullRows += full ? 1 : 0;
  }
  EXPECT_GE(fullRows, 1);
  // Turned by 90 degrees the text runs upward from the reference point.
  Canvas turned(40, 120);
  Font up("Helv", -11, FW_NORMAL, 900);
  turned.dc.SelectObject(&up.font);
  turned.dc.SetBkMode(TRANSPARENT);
  turned.dc.TextOut(5, 100, "Oxygen");
  RECT ink{};
  turned.Ink(White, &ink);
  EXPECT_GT(ink.bottom - ink.top, 2 * (ink.right - ink.left));
  EXPECT_LE(ink.bottom, 101);
  EXPECT_GE(ink.top, 100 - extent.cx);
  EXPECT_GE(ink.left, 5);
  EXPECT_LE(ink.right, 5 + extent.cy);
}

// Text drawn through a clip of several rectangles, one reaching past the picture's edge, shows
// inside the clip exactly the pixels it shows unclipped and leaves the rest as it was: turned by
// each quarter, in both background modes, on plain and on doubled pixels.
TEST(Text, AClippedRunShowsItsUnclippedPixelsInsideTheClipAndNothingOutside) {
  constexpr int Size = 60;
  constexpr COLORREF Paper = RGB(200, 220, 240);
  Region clip;
  clip.Add(RECT{-10, -10, 25, 20});
  clip.Add(RECT{30, 5, 70, 33});
  clip.Add(RECT{8, 40, 50, 52});
  clip.Add(RECT{0, 24, 22, 29});
  for (const int scale : {1, 2}) {
    for (const int escapement : {0, 900, 1800, 2700}) {
      for (const int mode : {TRANSPARENT, OPAQUE}) {
        SCOPED_TRACE("scale " + std::to_string(scale) + ", escapement " + std::to_string(escapement) + ", mode " +
                     std::to_string(mode));
        Font font("Helv", -11, FW_NORMAL, escapement);
        auto draw = [&](Region visible) {
          Surface pixels(Size, Size, Paper, scale);
          const HDC dc =
              AddDC(std::make_unique<RasterDevice>(&pixels, POINT{0, 0}, std::move(visible), SIZE{1024, 768}));
          SelectObject(dc, font.font);
          SetBkMode(dc, mode);
          SetBkColor(dc, RGB(0, 128, 0));
          SetTextColor(dc, Black);
          // Long enough to run past the picture's edge whichever way it is turned.
          TextOut(dc, 30, 30, "Wg|Mx Wg|Mx", 11);
          DeleteDC(dc);
          return pixels;
        };
        const Surface whole = draw(Region(RECT{0, 0, Size, Size}));
        const Surface clipped = draw(clip);
        int wrong = 0;
        int inkInside = 0;
        for (int y = 0; y < clipped.DeviceHeight(); ++y) {
          for (int x = 0; x < clipped.DeviceWidth(); ++x) {
            const bool inside = clip.Contains(x / scale, y / scale);
            const COLORREF expected = inside ? whole.DevicePixel(x, y) : Paper;
            wrong += clipped.DevicePixel(x, y) != expected ? 1 : 0;
            inkInside += inside && clipped.DevicePixel(x, y) != Paper ? 1 : 0;
          }
        }
        EXPECT_EQ(wrong, 0);
        EXPECT_GT(inkInside, 20);
      }
    }
  }
}

TEST(Text, DrawTextWrapsBetweenWordsKeepsLeadingBlanksAndMarksPrefixes) {
  Canvas canvas(200, 100);
  Font font("Helv", -11);
  canvas.dc.SelectObject(&font.font);
  TEXTMETRIC metrics;
  canvas.dc.GetTextMetrics(&metrics);
  const int wordWidth = canvas.dc.GetTextExtent("Carbon Nitrogen").cx;
  RECT narrow{0, 0, wordWidth + 2, 0};
  EXPECT_EQ(canvas.dc.DrawText("Carbon Nitrogen Oxygen", &narrow, DT_WORDBREAK | DT_CALCRECT), 2 * metrics.tmHeight);
  EXPECT_LE(narrow.right, wordWidth + 2);
  RECT single{0, 0, 10, 0};
  canvas.dc.DrawText("Carbon", &single, DT_SINGLELINE | DT_CALCRECT);
  EXPECT_EQ(single.right, canvas.dc.GetTextExtent("Carbon").cx);
  RECT blanks{0, 0, 200, 20};
  canvas.dc.SetBkMode(TRANSPARENT);
  canvas.dc.DrawText("   Li", &blanks, DT_WORDBREAK | DT_LEFT);
  RECT ink{};
  canvas.Ink(White, &ink);
  EXPECT_GE(ink.left, canvas.dc.GetTextExtent("   ").cx);
  RECT prefixed{0, 0, 200, 0};
  canvas.dc.DrawText("&Save && go", &prefixed, DT_SINGLELINE | DT_CALCRECT);
  EXPECT_EQ(prefixed.right, canvas.dc.GetTextExtent("Save & go").cx);
}

}  // namespace
