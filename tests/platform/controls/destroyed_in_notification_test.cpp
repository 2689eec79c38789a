#include "tests/platform/controls/controls_fixture.h"

namespace {

using controls_test::ControlsTest;
using controls_test::Notification;
using window_test::Item;

constexpr int kField = 30;
constexpr int kList = 31;
constexpr int kCombo = 32;

// The dialog destroys a control inside one of its notifications; the control must send nothing
// more and touch none of its state afterwards (the sanitizer build sees any use after the end).
class DestroyedInNotificationTest : public ControlsTest {
 protected:
  DestroyedInNotificationTest() {
    Open({
        Item("EDIT", "", kField, WS_TABSTOP | WS_BORDER | ES_AUTOHSCROLL, 4, 4, 80, 12),
        Item("LISTBOX", "", kList, WS_TABSTOP | WS_BORDER | LBS_NOTIFY, 4, 20, 80, 60),
        Item("COMBOBOX", "", kCombo, WS_TABSTOP | CBS_DROPDOWNLIST | WS_VSCROLL, 90, 4, 80, 60),
    });
    // Enough items that a double click in the middle of the list lands on one.
    for (const char* item : {"H2O", "NaCl", "KCl", "HCl", "NH3", "CO2", "SO2", "NO2"}) {
      SendText(kList, LB_ADDSTRING, 0, item);
      SendText(kCombo, CB_ADDSTRING, 0, item);
    }
    SetFocus(Control(IDOK));
    Notifications().clear();
  }
  // Destroys the control at the given occurrence of the notification.
  void DestroyOn(int id, UINT code, int occurrence = 1) {
    Dialog().onNotify = [this, id, code, occurrence, seen = 0](const Notification& notification) mutable {
      if (notification.id == id && notification.code == code && ++seen == occurrence) DestroyWindow(Control(id));
    };
  }
};

TEST_F(DestroyedInNotificationTest, AnEditFieldDestroyedWhenItTakesTheFocusFromAClickStopsThere) {
  DestroyOn(kField, EN_SETFOCUS);
  const HWND field = Control(kField);
  ASSERT_TRUE(driver.Click(kField)) << driver.LastError();
  EXPECT_FALSE(IsWindow(field));
  // The field still hears that it loses the focus as it ends, and nothing after.
  EXPECT_EQ(Notifications(), (std::vector<Notification>{{kField, EN_SETFOCUS}, {kField, EN_KILLFOCUS}}));
}

TEST_F(DestroyedInNotificationTest, AListDestroyedAtTheSelectionChangeOfADoubleClickReportsNoDoubleClick) {
  // The first click of the pair reports a change, the second one another, then the double click.
  DestroyOn(kList, LBN_SELCHANGE, 2);
  const HWND list = Control(kList);
  ASSERT_TRUE(driver.DoubleClick(kList)) << driver.LastError();
  EXPECT_FALSE(IsWindow(list));
  EXPECT_EQ(Notifications(), (std::vector<Notification>{{kList, LBN_SELCHANGE}, {kList, LBN_SELCHANGE}}));
}

TEST_F(DestroyedInNotificationTest, AComboBoxDestroyedWhenAskedToDropDownOpensNothing) {
  DestroyOn(kCombo, CBN_DROPDOWN);
  const HWND combo = Control(kCombo);
  ASSERT_TRUE(driver.Click(kCombo)) << driver.LastError();
  EXPECT_FALSE(IsWindow(combo));
  EXPECT_EQ(Notifications(), (std::vector<Notification>{{kCombo, CBN_SETFOCUS}, {kCombo, CBN_DROPDOWN}}));
  EXPECT_EQ(GetCapture(), nullptr);
}

}  // namespace
