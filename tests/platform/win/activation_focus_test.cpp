#include "tests/platform/support/window_fixture.h"

namespace {

using window_test::Log;
using window_test::WindowTest;
using Messages = std::vector<std::string>;

TEST_F(WindowTest, ActivationTellsTheOldWindowFirstAndMovesTheFocusLast) {
  const HWND first = TopLevel("A", 0, 0, 200, 100);
  const HWND field = Child(first, "A1", 1, RECT{5, 5, 50, 20});
  SetFocus(field);
  const HWND second = TopLevel("B", 300, 0, 200, 100);
  ASSERT_EQ(GetActiveWindow(), second);
  EXPECT_EQ(GetFocus(), second);
  // The non-client activation comes before the focused child loses the focus.
  const Messages expected{"A: WM_NCACTIVATE off",  "A: WM_ACTIVATE inactive", "B: WM_NCACTIVATE on",
                          "B: WM_ACTIVATE active", "A1: WM_KILLFOCUS",        "B: WM_SETFOCUS"};
  Messages seen(Log().end() - static_cast<long>(expected.size()), Log().end());
  EXPECT_EQ(seen, expected);
  EXPECT_NE(first, second);
}

TEST_F(WindowTest, FocusMovesFromChildToChildWithKillBeforeSet) {
  const HWND top = TopLevel("T", 0, 0, 200, 100);
  const HWND one = Child(top, "one", 1, RECT{0, 0, 10, 10});
  const HWND two = Child(top, "two", 2, RECT{20, 0, 30, 10});
  SetFocus(one);
  Log().clear();
  EXPECT_EQ(SetFocus(two), one);
  EXPECT_EQ(Log(), (Messages{"one: WM_KILLFOCUS", "two: WM_SETFOCUS"}));
  EXPECT_EQ(GetFocus(), two);
}

TEST_F(WindowTest, DisabledWindowsTakeNoFocus) {
  const HWND top = TopLevel("T", 0, 0, 200, 100);
  const HWND child = Child(top, "c", 1, RECT{0, 0, 10, 10}, WS_VISIBLE | WS_DISABLED);
  SetFocus(top);
  EXPECT_EQ(SetFocus(child), nullptr);
  EXPECT_EQ(GetFocus(), top);
  const HWND other = Child(top, "d", 2, RECT{0, 20, 10, 30});
  SetFocus(other);
  EnableWindow(other, FALSE);
  EXPECT_EQ(GetFocus(), nullptr);
  // A disabled top-level window gives no focus to its children.
  const HWND last = Child(top, "e", 3, RECT{0, 40, 10, 50});
  EnableWindow(top, FALSE);
  EXPECT_EQ(SetFocus(last), nullptr);
}

}  // namespace
