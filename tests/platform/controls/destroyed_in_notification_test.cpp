#include "tests/platform/controls/controls_fixture.h"

namespace {

using controls_test::ControlsTest;
using controls_test::Notification;
using window_test::Item;

constexpr int Field = 30;
constexpr int List = 31;
constexpr int Combo = 32;

// The dialog destroys a control inside one of its notifications; the control must send nothing
// more and touch none of its state afterwards (the sanitizer build sees any use after the end).
class DestroyedInNotificationTest : public ControlsTest {
 protected:
  DestroyedInNotificationTest() {
    Open({
        Item("EDIT", "", Field, WS_TABSTOP | WS_BORDER | ES_AUTOHSCROLL, 4, 4, 80, 12),
        Item("LISTBOX", "", List, WS_TABSTOP | WS_BORDER | LBS_NOTIFY, 4, 20, 80, 60),
        Item("COMBOBOX", "", Combo, WS_TABSTOP | CBS_DROPDOWNLIST | WS_VSCROLL, 90, 4, 80, 60),
    });
    // Enough items that a double click in the middle of the list lands on one.
    for (const char* item : {"H2O", "NaCl", "KCl", "HCl", "NH3", "CO2", "SO2", "NO2"}) {
      SendText(List, LB_ADDSTRING, 0, item);
      SendText(Combo, CB_ADDSTRING, 0, item);
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
  DestroyOn(Field, EN_SETFOCUS);
  const HWND field = Control(Field);
  ASSERT_TRUE(driver.Click(Field)) << driver.LastError();
  EXPECT_FALSE(IsWindow(field));
  // The field still hears that it loses the focus as it ends, and nothing after.
  EXPECT_EQ(Notifications(), (std::vector<Notification>{{Field, EN_SETFOCUS}, {Field, EN_KILLFOCUS}}));
}

TEST_F(DestroyedInNotificationTest, AListDestroyedAtTheSelectionChangeOfADoubleClickReportsNoDoubleClick) {
  // The first click of the pair reports a change, the second one another, then the double click.
  DestroyOn(List, LBN_SELCHANGE, 2);
  const HWND list = Control(List);
  ASSERT_TRUE(driver.DoubleClick(List)) << driver.LastError();
  EXPECT_FALSE(IsWindow(list));
  EXPECT_EQ(Notifications(), (std::vector<Notification>{{List, LBN_SELCHANGE}, {List, LBN_SELCHANGE}}));
}

TEST_F(DestroyedInNotificationTest, AComboBoxDestroyedWhenAskedToDropDownOpensNothing) {
  DestroyOn(Combo, CBN_DROPDOWN);
  const HWND combo = Control(Combo);
  ASSERT_TRUE(driver.Click(Combo)) << driver.LastError();
  EXPECT_FALSE(IsWindow(combo));
  EXPECT_EQ(Notifications(), (std::vector<Notification>{{Combo, CBN_SETFOCUS}, {Combo, CBN_DROPDOWN}}));
  EXPECT_EQ(GetCapture(), nullptr);
}

}  // namespace
