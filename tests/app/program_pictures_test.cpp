#include <set>

#include "tests/app/app_fixture.h"
#include "resources/embedded_pictures.h"
#include "resources/program_resources.h"
#include "platform/win/resources.h"

namespace {

std::set<COLORREF> ColoursOf(const Surface& picture) {
  std::set<COLORREF> colours;
  for (int y = 0; y < picture.Height(); ++y) {
    for (int x = 0; x < picture.Width(); ++x) colours.insert(picture.Pixel(x, y));
  }
  return colours;
}

constexpr COLORREF FaceGray = 0xC0C0C0;
constexpr size_t SixteenColours = 16;

// The launcher's eleven button pictures are 55 x 32 pixels of at most 16 colours on the buttons'
// light-gray face; the logo is 200 x 200 and the window icon 32 x 32, both of 16 colours at most.
TEST_F(AppTest, TheProgramsPicturesHaveTheirSizesAndSixteenColoursAtMost) {
  const char* const launcherPictures[] = {"PSYS",   "KALKSYMB", "BALSYMB",  "TERMSYMB", "REOXSYMB", "SOLPROD",
                                          "PHSYMB", "MSSYMB",   "PLOTSYMB", "ORDLISTE", "DBSYMB"};
  for (const char* name : launcherPictures) {
    const Surface* picture = Resources().FindBitmap(name);
    ASSERT_NE(picture, nullptr) << name;
    EXPECT_EQ(picture->Width(), 55) << name;
    EXPECT_EQ(picture->Height(), 32) << name;
    const std::set<COLORREF> colours = ColoursOf(*picture);
    EXPECT_LE(colours.size(), SixteenColours) << name;
    // A drawing, not an empty face: the face colour and at least two colours drawn on it.
    EXPECT_GE(colours.size(), 3u) << name;
    EXPECT_EQ(picture->Pixel(0, 0), FaceGray) << name;
  }

  const Surface* logo = Resources().FindBitmap("TVRNLOGO");
  ASSERT_NE(logo, nullptr);
  EXPECT_EQ(logo->Width(), 200);
  EXPECT_EQ(logo->Height(), 200);
  EXPECT_LE(ColoursOf(*logo).size(), SixteenColours);

  const IconImage* icon = Resources().FindIcon(ProgramIconName);
  ASSERT_NE(icon, nullptr);
  EXPECT_EQ(icon->pixels.Width(), 32);
  EXPECT_EQ(icon->pixels.Height(), 32);
  EXPECT_LE(ColoursOf(icon->pixels).size(), SixteenColours);
}

// Each picture is read when first used: every one of them must read.
TEST_F(AppTest, EveryPictureOfTheProgramReads) {
  for (const EmbeddedPicture& picture : EmbeddedPictures()) {
    const bool read = std::string(picture.name) == ProgramIconName ? Resources().FindIcon(picture.name) != nullptr
                                                                   : Resources().FindBitmap(picture.name) != nullptr;
    EXPECT_TRUE(read) << picture.name;
  }
}

}  // namespace
