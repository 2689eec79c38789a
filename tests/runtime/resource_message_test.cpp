#include <string>

#include "platform/win/message_box.h"
#include "runtime/resource_message.h"
#include "tests/runtime/runtime_fixture.h"

namespace {

using runtime_test::RuntimeTest;

class ResourceMessageTest : public RuntimeTest {};

TEST_F(ResourceMessageTest, AppendsTheNameAfterOneBlankWithTheCaptionAndFlags) {
  EXPECT_EQ(ShowResourceMessage(nullptr, MB_ICONHAND, CannotCreateDialogStringId, "BALANSERE"), IDOK);
  ASSERT_EQ(driver.MessageBoxes().size(), 1u);
  const MessageBoxRecord& box = driver.MessageBoxes().front();
  EXPECT_EQ(box.caption, "TAVRIN");
  EXPECT_EQ(box.text, "Cannot create dialog box  BALANSERE");
  EXPECT_EQ(box.type, MB_ICONHAND);
}

// A message holds 199 characters and the end of the string: the string, one blank and the name are
// shown together only while they fit.
TEST_F(ResourceMessageTest, ShowsTheStringAloneWhenTheNameWouldNotFit) {
  const std::string start = "Cannot load bitmap ";
  struct Case {
    size_t nameLength;
    bool appended;
  };
  const size_t fits = 199 - start.size() - 1;
  for (const Case& example : {Case{fits - 1, true}, Case{fits, true}, Case{fits + 1, false}, Case{400, false}}) {
    const std::string name(example.nameLength, 'N');
    ShowResourceMessage(nullptr, MB_ICONINFORMATION, CannotLoadBitmapStringId, name.c_str());
    const std::string expected = example.appended ? start + " " + name : start;
    EXPECT_EQ(driver.MessageBoxes().back().text, expected) << example.nameLength;
  }
}

TEST_F(ResourceMessageTest, StringZeroIsEmptyAndNoNameShowsTheStringAlone) {
  ShowResourceMessage(nullptr, MB_OK, 0, "Main");
  EXPECT_EQ(driver.MessageBoxes().back().text, " Main");
  ShowResourceMessage(nullptr, MB_OK, CannotLoadIconStringId, nullptr);
  EXPECT_EQ(driver.MessageBoxes().back().text, "Cannot load icon ");
}

TEST_F(ResourceMessageTest, AMissingStringSaysSoInASystemModalBoxAndReturnsZero) {
  EXPECT_EQ(ShowResourceMessage(nullptr, MB_ICONHAND, 4999, "X"), 0);
  ASSERT_EQ(driver.MessageBoxes().size(), 1u);
  EXPECT_EQ(driver.MessageBoxes().front().text, "Cannot load string.");
  EXPECT_EQ(driver.MessageBoxes().front().caption, "TAVRIN");
  EXPECT_EQ(driver.MessageBoxes().front().type, 0x1010u);
}

}  // namespace
