#include "platform/controls/ccombobox.h"
#include "tests/platform/controls/controls_fixture.h"

namespace {

using controls_test::ControlsTest;
using controls_test::Notification;
using window_test::Item;
using window_test::PixelAt;

constexpr int kFormula = 30;  // drop-down with an edit field, filled when it drops down
constexpr int kClasses = 31;  // drop-down list
constexpr int kNames = 32;    // drop-down, sorted
constexpr int kAfter = 33;

class ComboBoxTest : public ControlsTest {
 protected:
  ComboBoxTest() {
    Open({
        Item("COMBOBOX", "", kFormula, WS_TABSTOP | CBS_DROPDOWN | WS_VSCROLL, 4, 4, 80, 60),
        Item("COMBOBOX", "", kClasses, WS_TABSTOP | CBS_DROPDOWNLIST | WS_VSCROLL, 90, 4, 80, 60),
        Item("COMBOBOX", "", kNames, WS_TABSTOP | CBS_DROPDOWN | CBS_SORT | WS_VSCROLL, 4, 80, 80, 60),
        Item("EDIT", "", kAfter, WS_TABSTOP | WS_BORDER, 176, 4, 40, 12),
    });
    for (const char* name : {"T+ - Meget giftig", "T - Giftig", "Xn - Helseskadelig", "C - Etsende"}) {
      SendText(kClasses, CB_ADDSTRING, 0, name);
    }
    // As a window that reads its list afresh each time it opens, keeping the typed text.
    Dialog().onNotify = [this](const Notification& notification) {
      if (notification.id != kFormula || notification.code != CBN_DROPDOWN) return;
      const std::string typed = Text(kFormula);
      Send(kFormula, CB_RESETCONTENT);
      for (int index = 0; index < keys; ++index)
        SendText(kFormula, CB_ADDSTRING, 0, ("Salt" + std::to_string(index)).c_str());
      SetDlgItemText(window, kFormula, typed.c_str());
    };
  }
  HWND Popup() {
    for (HWND top : TopLevelWindows()) {
      char name[16] = {};
      GetClassName(top, name, sizeof name);
      if (std::string(name) == "COMBOLBOX" && IsWindowVisible(top)) return top;
    }
    return nullptr;
  }
  std::vector<std::string> Items(int id) { return driver.Items(id).value_or(std::vector<std::string>{}); }

  int keys = 3;
};

TEST_F(ComboBoxTest, ChoosingFromTheDroppedListTellsTheParentBeforeAndAfter) {
  EXPECT_EQ(Send(kFormula, CB_GETCOUNT), 0);
  SetFocus(Control(kAfter));
  Notifications().clear();
  ASSERT_TRUE(driver.Type(kFormula, "PbI2"));
  EXPECT_EQ(Text(kFormula), "PbI2");
  ASSERT_TRUE(driver.Select(kFormula, 2));
  EXPECT_EQ(Dialog().CodesOf(kFormula), (std::vector<UINT>{CBN_SETFOCUS, CBN_DROPDOWN, CBN_SELCHANGE}));
  EXPECT_EQ(Send(kFormula, CB_GETCURSEL), 2);
  EXPECT_EQ(Text(kFormula), "Salt2");
  EXPECT_EQ(Items(kFormula), (std::vector<std::string>{"Salt0", "Salt1", "Salt2"}));
  EXPECT_EQ(Send(kFormula, CB_GETDROPPEDSTATE), FALSE);
  EXPECT_EQ(Popup(), nullptr);
  EXPECT_EQ(GetCapture(), nullptr);
  // The typed text survives a drop-down that is dismissed by a click elsewhere.
  ASSERT_TRUE(driver.Type(kFormula, "AgCl"));
  Send(kFormula, CB_SHOWDROPDOWN, TRUE);
  ASSERT_NE(Popup(), nullptr);
  ASSERT_TRUE(driver.Click(kAfter));
  EXPECT_EQ(Popup(), nullptr);
  EXPECT_EQ(Text(kFormula), "AgCl");
  EXPECT_EQ(Send(kFormula, CB_GETCURSEL), LB_ERR);
  // That click only closed the list: the other field did not get it.
  EXPECT_NE(GetFocus(), Control(kAfter));
}

TEST_F(ComboBoxTest, TheListIsAPopupAboveTheDialogThatNeverBecomesActive) {
  SetFocus(Control(kClasses));
  SendMessage(Control(kClasses), CB_SHOWDROPDOWN, TRUE, 0);
  const HWND popup = Popup();
  ASSERT_NE(popup, nullptr);
  EXPECT_EQ(TopLevelWindows().front(), popup);
  EXPECT_EQ(GetWindow(popup, GW_OWNER), window);
  EXPECT_EQ(GetActiveWindow(), window);
  EXPECT_EQ(GetCapture(), popup);
  RECT field{};
  RECT list{};
  GetWindowRect(Control(kClasses), &field);
  GetWindowRect(popup, &list);
  EXPECT_EQ(list.top, field.bottom);
  EXPECT_EQ(list.left, field.left);
  EXPECT_EQ(list.right, field.right);
  // Four items fit in the room the combo box was made with: no scroll bar, one row each.
  const LRESULT itemHeight = SendMessage(popup, LB_GETITEMHEIGHT, 0, 0);
  EXPECT_EQ(list.bottom - list.top, 4 * itemHeight + 2);
  EXPECT_EQ(GetWindowLong(popup, GWL_STYLE) & static_cast<LONG>(WS_VSCROLL), 0);
  UpdateAllWindows();
  EXPECT_NE(WindowSurface(popup), nullptr);
  ASSERT_TRUE(driver.Key("Escape"));
  EXPECT_EQ(Popup(), nullptr);
  // Escape closed the list and did not reach the dialog.
  EXPECT_TRUE(IsWindow(window));
  EXPECT_TRUE(Dialog().CodesOf(IDCANCEL).empty());
  // Destroying the dialog takes the list with it.
  const HWND list_window = popup;
  DestroyWindow(window);
  EXPECT_FALSE(IsWindow(list_window));
}

TEST_F(ComboBoxTest, ADropDownListShowsTheSelectedItemAndTheArrowsMoveIt) {
  EXPECT_EQ(Send(kClasses, CB_SETCURSEL, 1), 1);
  EXPECT_EQ(Text(kClasses), "T - Giftig");
  EXPECT_EQ(Send(kClasses, CB_SETCURSEL, 7), CB_ERR);
  EXPECT_EQ(Send(kClasses, CB_GETCURSEL), CB_ERR);
  EXPECT_EQ(Text(kClasses), "");
  // A drop-down list has no text of its own to set.
  SetWindowText(Control(kClasses), "T - Giftig");
  EXPECT_EQ(Text(kClasses), "");
  EXPECT_TRUE(Notifications().empty());
  SetFocus(Control(kClasses));
  Notifications().clear();
  driver.Key("Down");
  driver.Key("Down");
  driver.Key("End");
  driver.Key("Down");
  EXPECT_EQ(Send(kClasses, CB_GETCURSEL), 3);
  EXPECT_EQ(Text(kClasses), "C - Etsende");
  EXPECT_EQ(Dialog().CodesOf(kClasses), (std::vector<UINT>(3, CBN_SELCHANGE)));
  // F4 opens the list; the arrows move in it and report; Enter closes it and stays in the dialog.
  driver.Key("F4");
  ASSERT_NE(Popup(), nullptr);
  driver.Key("Up");
  driver.Key("Enter");
  EXPECT_EQ(Popup(), nullptr);
  EXPECT_EQ(Send(kClasses, CB_GETCURSEL), 2);
  EXPECT_TRUE(Dialog().CodesOf(IDOK).empty());
  // A click on the field opens it too, and choosing an item reports it.
  Notifications().clear();
  ASSERT_TRUE(driver.Click(kClasses));
  EXPECT_NE(Popup(), nullptr);
  ASSERT_TRUE(driver.Select(kClasses, 0));
  EXPECT_EQ(Text(kClasses), "T+ - Meget giftig");
  EXPECT_EQ(Dialog().CodesOf(kClasses), (std::vector<UINT>{CBN_DROPDOWN, CBN_SELCHANGE}));
}

TEST_F(ComboBoxTest, ItemsAreSortedFoundDeletedAndReset) {
  for (const char* name : {"natrium", "\xC6ter", "Argon", "kalium"}) SendText(kNames, CB_ADDSTRING, 0, name);
  EXPECT_EQ(Items(kNames), (std::vector<std::string>{"Argon", "kalium", "natrium", "\xC6ter"}));
  EXPECT_EQ(SendText(kNames, CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1), "\xE6TER"), 3);
  EXPECT_EQ(SendText(kNames, CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1), "kal"), CB_ERR);
  EXPECT_EQ(Send(kNames, CB_GETLBTEXTLEN, 1), 6);
  char text[16] = {};
  EXPECT_EQ(Send(kNames, CB_GETLBTEXT, 2, reinterpret_cast<LPARAM>(text)), 7);
  EXPECT_STREQ(text, "natrium");
  EXPECT_EQ(Send(kNames, CB_GETLBTEXT, 9, reinterpret_cast<LPARAM>(text)), CB_ERR);
  EXPECT_EQ(Send(kNames, CB_DELETESTRING, 0), 3);
  EXPECT_EQ(Send(kNames, CB_SETCURSEL, 0), 0);
  EXPECT_EQ(Text(kNames), "kalium");
  Send(kNames, CB_RESETCONTENT);
  EXPECT_EQ(Send(kNames, CB_GETCOUNT), 0);
  EXPECT_EQ(Text(kNames), "");
  for (int index = 0; index < 40000; ++index) SendText(kFormula, CB_ADDSTRING, 0, "x");
  EXPECT_EQ(SendText(kFormula, CB_ADDSTRING, 0, "one more"), 40000);
}

TEST_F(ComboBoxTest, ALongListScrollsInItsPopupToTheItemChosen) {
  for (int index = 0; index < 40; ++index) {
    SendText(kNames, CB_ADDSTRING, 0, ("Salt" + std::to_string(100 + index)).c_str());
  }
  ASSERT_TRUE(driver.Select(kNames, 37));
  EXPECT_EQ(Text(kNames), "Salt137");
  Send(kNames, CB_SHOWDROPDOWN, TRUE);
  const HWND popup = Popup();
  ASSERT_NE(popup, nullptr);
  EXPECT_NE(GetWindowLong(popup, GWL_STYLE) & static_cast<LONG>(WS_VSCROLL), 0);
  // The selection is in view when the list opens again.
  const LRESULT top = SendMessage(popup, LB_GETTOPINDEX, 0, 0);
  RECT client{};
  GetClientRect(popup, &client);
  const LRESULT rows = client.bottom / SendMessage(popup, LB_GETITEMHEIGHT, 0, 0);
  EXPECT_LE(top, 37);
  EXPECT_GT(top + rows, 37);
  // The list's own scroll bar works while the list holds the mouse, and keeps it open.
  RECT frame{};
  GetWindowRect(popup, &frame);
  driver.ClickAt(POINT{frame.right - 1 - 8, frame.top + 1 + 8});
  EXPECT_EQ(SendMessage(popup, LB_GETTOPINDEX, 0, 0), top - 1);
  EXPECT_EQ(Popup(), popup);
  EXPECT_EQ(GetCapture(), popup);
  ASSERT_TRUE(driver.Select(kNames, 0));
  EXPECT_EQ(Text(kNames), "Salt100");
  // A parent that fills the list as it opens: the index is one of the new items.
  keys = 40;
  ASSERT_TRUE(driver.Select(kFormula, 38));
  EXPECT_EQ(Text(kFormula), "Salt38");
}

TEST_F(ComboBoxTest, TheFieldIsSunkenWithADropButtonAndTheClassFormReachesItems) {
  UpdateAllWindows();
  const HWND classes = Control(kClasses);
  RECT client{};
  GetClientRect(classes, &client);
  EXPECT_EQ(PixelAt(classes, 0, 0), RGB(127, 127, 127));
  EXPECT_EQ(PixelAt(classes, 1, 1), RGB(0, 0, 0));
  EXPECT_EQ(PixelAt(classes, 3, client.bottom / 2), RGB(255, 255, 255));
  // The raised button: white inside its outer edge, face colour in the middle.
  EXPECT_EQ(PixelAt(classes, client.right - 2 - 16 + 1, 3), RGB(255, 255, 255));
  EXPECT_EQ(PixelAt(classes, client.right - 2 - 3, 4), RGB(192, 192, 192));
  CComboBox combo;
  ASSERT_TRUE(combo.SubclassDlgItem(kNames, &Dialog()));
  EXPECT_EQ(combo.AddString("Brom"), 0);
  EXPECT_EQ(combo.AddString("Argon"), 0);
  EXPECT_EQ(combo.SetCurSel(1), 1);
  std::string text;
  combo.GetLBText(combo.GetCurSel(), text);
  EXPECT_EQ(text, "Brom");
  EXPECT_EQ(combo.FindStringExact(-1, "argon"), 0);
  EXPECT_EQ(combo.GetDroppedState(), FALSE);
  combo.UnsubclassWindow();
}

}  // namespace
