#include "platform/controls/ccombobox.h"
#include "tests/platform/controls/controls_fixture.h"

namespace {

using controls_test::ControlsTest;
using controls_test::Notification;
using window_test::Item;
using window_test::PixelAt;

constexpr int FormulaId = 30;  // drop-down with an edit field, filled when it drops down
constexpr int ClassesId = 31;  // drop-down list
constexpr int NamesId = 32;    // drop-down, sorted
constexpr int AfterId = 33;

class ComboBoxTest : public ControlsTest {
 protected:
  ComboBoxTest() {
    Open({
        Item("COMBOBOX", "", FormulaId, WS_TABSTOP | CBS_DROPDOWN | WS_VSCROLL, 4, 4, 80, 60),
        Item("COMBOBOX", "", ClassesId, WS_TABSTOP | CBS_DROPDOWNLIST | WS_VSCROLL, 90, 4, 80, 60),
        Item("COMBOBOX", "", NamesId, WS_TABSTOP | CBS_DROPDOWN | CBS_SORT | WS_VSCROLL, 4, 80, 80, 60),
        Item("EDIT", "", AfterId, WS_TABSTOP | WS_BORDER, 176, 4, 40, 12),
    });
    for (const char* name : {"T+ - Meget giftig", "T - Giftig", "Xn - Helseskadelig", "C - Etsende"}) {
      SendText(ClassesId, CB_ADDSTRING, 0, name);
    }
    // As a window that reads its list afresh each time it opens, keeping the typed text.
    Dialog().onNotify = [this](const Notification& notification) {
      if (notification.id != FormulaId || notification.code != CBN_DROPDOWN) return;
      const std::string typed = Text(FormulaId);
      Send(FormulaId, CB_RESETCONTENT);
      for (int index = 0; index < keys; ++index)
        SendText(FormulaId, CB_ADDSTRING, 0, ("Salt" + std::to_string(index)).c_str());
      SetDlgItemText(window, FormulaId, typed.c_str());
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
  EXPECT_EQ(Send(FormulaId, CB_GETCOUNT), 0);
  SetFocus(Control(AfterId));
  Notifications().clear();
  ASSERT_TRUE(driver.Type(FormulaId, "PbI2"));
  EXPECT_EQ(Text(FormulaId), "PbI2");
  ASSERT_TRUE(driver.Select(FormulaId, 2));
  EXPECT_EQ(Dialog().CodesOf(FormulaId), (std::vector<UINT>{CBN_SETFOCUS, CBN_DROPDOWN, CBN_SELCHANGE}));
  EXPECT_EQ(Send(FormulaId, CB_GETCURSEL), 2);
  EXPECT_EQ(Text(FormulaId), "Salt2");
  EXPECT_EQ(Items(FormulaId), (std::vector<std::string>{"Salt0", "Salt1", "Salt2"}));
  EXPECT_EQ(Send(FormulaId, CB_GETDROPPEDSTATE), FALSE);
  EXPECT_EQ(Popup(), nullptr);
  EXPECT_EQ(GetCapture(), nullptr);
  // The typed text survives a drop-down that is dismissed by a click elsewhere.
  ASSERT_TRUE(driver.Type(FormulaId, "AgCl"));
  Send(FormulaId, CB_SHOWDROPDOWN, TRUE);
  ASSERT_NE(Popup(), nullptr);
  ASSERT_TRUE(driver.Click(AfterId));
  EXPECT_EQ(Popup(), nullptr);
  EXPECT_EQ(Text(FormulaId), "AgCl");
  EXPECT_EQ(Send(FormulaId, CB_GETCURSEL), LB_ERR);
  // That click only closed the list: the other field did not get it.
  EXPECT_NE(GetFocus(), Control(AfterId));
}

TEST_F(ComboBoxTest, TheListIsAPopupAboveTheDialogThatNeverBecomesActive) {
  SetFocus(Control(ClassesId));
  SendMessage(Control(ClassesId), CB_SHOWDROPDOWN, TRUE, 0);
  const HWND popup = Popup();
  ASSERT_NE(popup, nullptr);
  EXPECT_EQ(TopLevelWindows().front(), popup);
  EXPECT_EQ(GetWindow(popup, GW_OWNER), window);
  EXPECT_EQ(GetActiveWindow(), window);
  EXPECT_EQ(GetCapture(), popup);
  RECT field{};
  RECT list{};
  GetWindowRect(Control(ClassesId), &field);
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
  const HWND listWindow = popup;
  DestroyWindow(window);
  EXPECT_FALSE(IsWindow(listWindow));
}

TEST_F(ComboBoxTest, ADropDownListShowsTheSelectedItemAndTheArrowsMoveIt) {
  EXPECT_EQ(Send(ClassesId, CB_SETCURSEL, 1), 1);
  EXPECT_EQ(Text(ClassesId), "T - Giftig");
  EXPECT_EQ(Send(ClassesId, CB_SETCURSEL, 7), CB_ERR);
  EXPECT_EQ(Send(ClassesId, CB_GETCURSEL), CB_ERR);
  EXPECT_EQ(Text(ClassesId), "");
  // A drop-down list has no text of its own to set.
  SetWindowText(Control(ClassesId), "T - Giftig");
  EXPECT_EQ(Text(ClassesId), "");
  EXPECT_TRUE(Notifications().empty());
  SetFocus(Control(ClassesId));
  Notifications().clear();
  driver.Key("Down");
  driver.Key("Down");
  driver.Key("End");
  driver.Key("Down");
  EXPECT_EQ(Send(ClassesId, CB_GETCURSEL), 3);
  EXPECT_EQ(Text(ClassesId), "C - Etsende");
  EXPECT_EQ(Dialog().CodesOf(ClassesId), (std::vector<UINT>(3, CBN_SELCHANGE)));
  // F4 opens the list; the arrows move in it and report; Enter closes it and stays in the dialog.
  driver.Key("F4");
  ASSERT_NE(Popup(), nullptr);
  driver.Key("Up");
  driver.Key("Enter");
  EXPECT_EQ(Popup(), nullptr);
  EXPECT_EQ(Send(ClassesId, CB_GETCURSEL), 2);
  EXPECT_TRUE(Dialog().CodesOf(IDOK).empty());
  // A click on the field opens it too, and choosing an item reports it.
  Notifications().clear();
  ASSERT_TRUE(driver.Click(ClassesId));
  EXPECT_NE(Popup(), nullptr);
  ASSERT_TRUE(driver.Select(ClassesId, 0));
  EXPECT_EQ(Text(ClassesId), "T+ - Meget giftig");
  EXPECT_EQ(Dialog().CodesOf(ClassesId), (std::vector<UINT>{CBN_DROPDOWN, CBN_SELCHANGE}));
}

TEST_F(ComboBoxTest, ItemsAreSortedFoundDeletedAndReset) {
  for (const char* name : {"natrium", "\xC6ter", "Argon", "kalium"}) SendText(NamesId, CB_ADDSTRING, 0, name);
  EXPECT_EQ(Items(NamesId), (std::vector<std::string>{"Argon", "kalium", "natrium", "\xC6ter"}));
  EXPECT_EQ(SendText(NamesId, CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1), "\xE6TER"), 3);
  EXPECT_EQ(SendText(NamesId, CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1), "kal"), CB_ERR);
  EXPECT_EQ(Send(NamesId, CB_GETLBTEXTLEN, 1), 6);
  char text[16] = {};
  EXPECT_EQ(Send(NamesId, CB_GETLBTEXT, 2, reinterpret_cast<LPARAM>(text)), 7);
  EXPECT_STREQ(text, "natrium");
  EXPECT_EQ(Send(NamesId, CB_GETLBTEXT, 9, reinterpret_cast<LPARAM>(text)), CB_ERR);
  EXPECT_EQ(Send(NamesId, CB_DELETESTRING, 0), 3);
  EXPECT_EQ(Send(NamesId, CB_SETCURSEL, 0), 0);
  EXPECT_EQ(Text(NamesId), "kalium");
  Send(NamesId, CB_RESETCONTENT);
  EXPECT_EQ(Send(NamesId, CB_GETCOUNT), 0);
  EXPECT_EQ(Text(NamesId), "");
  for (int index = 0; index < 40000; ++index) SendText(FormulaId, CB_ADDSTRING, 0, "x");
  EXPECT_EQ(SendText(FormulaId, CB_ADDSTRING, 0, "one more"), 40000);
}

TEST_F(ComboBoxTest, ALongListScrollsInItsPopupToTheItemChosen) {
  for (int index = 0; index < 40; ++index) {
    SendText(NamesId, CB_ADDSTRING, 0, ("Salt" + std::to_string(100 + index)).c_str());
  }
  ASSERT_TRUE(driver.Select(NamesId, 37));
  EXPECT_EQ(Text(NamesId), "Salt137");
  Send(NamesId, CB_SHOWDROPDOWN, TRUE);
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
  ASSERT_TRUE(driver.Select(NamesId, 0));
  EXPECT_EQ(Text(NamesId), "Salt100");
  // A parent that fills the list as it opens: the index is one of the new items.
  keys = 40;
  ASSERT_TRUE(driver.Select(FormulaId, 38));
  EXPECT_EQ(Text(FormulaId), "Salt38");
}

TEST_F(ComboBoxTest, TheFieldIsSunkenWithADropButtonAndTheClassFormReachesItems) {
  UpdateAllWindows();
  const HWND classes = Control(ClassesId);
  RECT client{};
  GetClientRect(classes, &client);
  EXPECT_EQ(PixelAt(classes, 0, 0), RGB(127, 127, 127));
  EXPECT_EQ(PixelAt(classes, 1, 1), RGB(0, 0, 0));
  EXPECT_EQ(PixelAt(classes, 3, client.bottom / 2), RGB(255, 255, 255));
  // The raised button: white inside its outer edge, face colour in the middle.
  EXPECT_EQ(PixelAt(classes, client.right - 2 - 16 + 1, 3), RGB(255, 255, 255));
  EXPECT_EQ(PixelAt(classes, client.right - 2 - 3, 4), RGB(192, 192, 192));
  CComboBox combo;
  ASSERT_TRUE(combo.SubclassDlgItem(NamesId, &Dialog()));
  EXPECT_EQ(combo.AddString("Brom"), 0);
  EXPECT_EQ(combo.AddString("Argon"), 0);
  EXPECT_EQ(combo.SetCurSel(1), 1);
  std::string text;
  combo.GetLBText(combo.GetCurSel(), text);
  EXPECT_EQ(text, "Brom");
  EXPECT_EQ(combo.FindStringExact(-1, "argon"), 0);
  EXPECT_EQ(combo.GetDroppedState(), FALSE);
  // Many texts in one step, sorted among the items as one by one.
  EXPECT_EQ(combo.AddStrings({"natrium", "\xC6ter", "ARGON", "brom"}), 6);
  EXPECT_EQ(Items(NamesId), (std::vector<std::string>{"Argon", "ARGON", "Brom", "brom", "natrium", "\xC6ter"}));
  combo.UnsubclassWindow();
}

}  // namespace
