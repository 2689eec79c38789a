#include "resources/about_texts.h"
#include "tests/app/app_fixture.h"
#include "app/about_box.h"
#include "resources/about_box_ids.h"

namespace {

// A screen point of a control of the active window, given as fractions of its width and height.
POINT PointOf(int id, double across, double down) {
  RECT rect{};
  ::GetWindowRect(::GetDlgItem(::GetActiveWindow(), id), &rect);
  return POINT{rect.left + static_cast<LONG>((rect.right - rect.left) * across),
               rect.top + static_cast<LONG>((rect.bottom - rect.top) * down)};
}

// Each link line has an invisible button over it that opens its address; the rest of the frame
// around the lines opens nothing.
TEST_F(AppTest, TheLinkLinesOpenTheirAddressesAndBesideThemNothingOpens) {
  std::vector<std::string> opened;
  std::vector<size_t> callsAfterBeside;
  driver.Then([&] {
    for (int link : {HomePageLinkId, ContactLinkId, MirrorLinkId}) driver.Click(link);
  });
  driver.Then([&] {
    for (const ShellRequest& call : driver.ShellCalls()) {
      opened.push_back(call.file);
      EXPECT_TRUE(call.verb.empty());
      EXPECT_EQ(call.show, SW_SHOW);
    }
    driver.ClickAt(PointOf(MailLabelId, 0.5, 0.5));
    driver.ClickAt(PointOf(MirrorLabelId, 0.5, 0.5));
    driver.ClickAt(PointOf(HomePageLineId, 0.995, 0.5));
    driver.ClickAt(PointOf(LinkGroupId, 0.5, 0.95));
    driver.ClickAt(PointOf(AboutLogoId, 0.5, 0.5));
  });
  driver.Then([&] {
    callsAfterBeside.push_back(driver.ShellCalls().size());
    driver.Key("Escape");
  });
  EXPECT_EQ(OpenAboutDialog(nullptr), IDCANCEL);
  EXPECT_EQ(opened, (std::vector<std::string>{HomePageAddress, ContactAddress, MirrorAddress}));
  EXPECT_EQ(callsAfterBeside, std::vector<size_t>{3});
  EXPECT_TRUE(driver.MessageBoxes().empty());
}

TEST_F(AppTest, TheSecondContactLineAndItsLinkStayHidden) {
  std::vector<bool> visible;
  driver.Then([&] {
    for (int id : {SecondContactLineId, SecondContactLinkId}) {
      visible.push_back(::IsWindowVisible(::GetDlgItem(::GetActiveWindow(), id)) != FALSE);
    }
    EXPECT_FALSE(driver.Click(SecondContactLinkId));
    driver.Key("Escape");
  });
  OpenAboutDialog(nullptr);
  EXPECT_EQ(visible, (std::vector<bool>{false, false}));
  EXPECT_TRUE(driver.ShellCalls().empty());
}

}  // namespace
