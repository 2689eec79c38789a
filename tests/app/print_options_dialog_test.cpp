#include <climits>
#include <functional>
#include <initializer_list>
#include <optional>

#include "tests/app/app_fixture.h"
#include "engine/globals.h"
#include "resources/print_options_dialog_ids.h"
#include "runtime/shell_dialogs.h"

namespace {

class PrintOptionsTest : public AppTest {
 protected:
  // Opens the dialog, takes the steps in it one by one, and closes it with Escape.
  void WithDialog(std::initializer_list<std::function<void()>> steps) {
    for (const auto& step : steps) driver.Then(step);
    driver.Then([this] { driver.Key("Escape"); });
    EXPECT_EQ(OpenPrintOptionsDialog(nullptr), IDCANCEL);
  }
};

TEST_F(PrintOptionsTest, ShowsTheStoredNumberOrAutomatisk) {
  for (const auto& [stored, shown] : {std::pair{0, "Automatisk"}, std::pair{-3, "Automatisk"}, std::pair{25, "25"}}) {
    PrintPointsX = stored;
    std::optional<std::string> text;
    std::optional<std::string> caption;
    WithDialog({[&] {
      text = driver.Text(PrintPointsFieldId);
      caption = driver.WindowCaption();
    }});
    EXPECT_EQ(text, shown) << stored;
    EXPECT_EQ(caption, "PRINTOPT");
  }
}

// What is typed is read when the field loses the focus: a leading number of 1 or more is kept and
// shown alone, anything else shows "Automatisk" and keeps the value in force.
TEST_F(PrintOptionsTest, LeavingTheFieldKeepsANumberOfOneOrMore) {
  struct Case {
    const char* typed;
    const char* shown;
    int stored;
  };
  const Case cases[] = {
      {"0", "Automatisk", 7},
      {"  25", "25", 25},
      {"25abc", "25", 25},
      {"-4", "Automatisk", 7},
      {"abc", "Automatisk", 7},
      {"1", "1", 1},
      {"99999999999", "2147483647", INT_MAX},
  };
  for (const Case& example : cases) {
    PrintPointsX = 7;
    std::optional<std::string> shown;
    WithDialog({[&] {
                  driver.Type(PrintPointsFieldId, example.typed);
                  driver.Key("Tab");
                },
                [&] { shown = driver.Text(PrintPointsFieldId); }});
    EXPECT_EQ(shown, example.shown) << example.typed;
    EXPECT_EQ(PrintPointsX, example.stored) << example.typed;
  }
  PrintPointsX = 0;
  std::optional<std::string> reopened;
  WithDialog({[&] {
    driver.Type(PrintPointsFieldId, "25");
    driver.Key("Tab");
  }});
  WithDialog({[&] { reopened = driver.Text(PrintPointsFieldId); }});
  EXPECT_EQ(reopened, "25");
}

}  // namespace
