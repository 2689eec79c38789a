#include "platform/controls/clistbox.h"
#include "tests/platform/controls/controls_fixture.h"
#include "platform/controls/scroll_bar.h"

#include <span>
#include <string_view>
#include <vector>

namespace {

using controls_test::ControlsTest;
using controls_test::Notification;
using window_test::Item;
using window_test::PixelAt;

constexpr int ListId = 20;
constexpr int SortedId = 21;
constexpr int MultipleId = 22;
constexpr int QuietId = 23;
constexpr int LooseId = 24;
constexpr int WideId = 25;

class ListBoxTest : public ControlsTest {
 protected:
  ListBoxTest() {
    Open({
        Item("LISTBOX", "", ListId, WS_TABSTOP | WS_BORDER | WS_VSCROLL | LBS_NOTIFY, 4, 4, 80, 60),
        Item("LISTBOX", "", SortedId, WS_TABSTOP | WS_BORDER | LBS_SORT | LBS_NOTIFY, 90, 4, 60, 60),
        Item("LISTBOX", "", MultipleId, WS_TABSTOP | WS_BORDER | WS_VSCROLL | LBS_MULTIPLESEL | LBS_NOTIFY, 160, 4, 60,
             60),
        Item("LISTBOX", "", QuietId, WS_TABSTOP | WS_BORDER, 4, 70, 80, 40),
        Item("LISTBOX", "", LooseId, WS_TABSTOP | WS_BORDER | LBS_NOINTEGRALHEIGHT, 90, 70, 80, 40),
        Item("LISTBOX", "", WideId, WS_TABSTOP | WS_BORDER | WS_HSCROLL | LBS_NOTIFY, 176, 70, 60, 40),
    });
  }
  void Fill(int id, const std::vector<std::string>& items) {
    for (const std::string& item : items) SendText(id, LB_ADDSTRING, 0, item.c_str());
  }
  std::vector<std::string> Items(int id) { return driver.Items(id).value_or(std::vector<std::string>{}); }
  int Find(int id, int start, const char* text) {
    return static_cast<int>(SendText(id, LB_FINDSTRINGEXACT, static_cast<WPARAM>(start), text));
  }
  int Rows(int id) {
    RECT client{};
    GetClientRect(Control(id), &client);
    return client.bottom / static_cast<int>(Send(id, LB_GETITEMHEIGHT));
  }
};

TEST_F(ListBoxTest, ItemsAreAddedInsertedAndDeletedInTheirPlaces) {
  Fill(ListId, {"H2O", "NaCl", "KCl"});
  EXPECT_EQ(SendText(ListId, LB_INSERTSTRING, 1, "HCl"), 1);
  EXPECT_EQ(SendText(ListId, LB_INSERTSTRING, static_cast<WPARAM>(-1), "CO2"), 4);
  EXPECT_EQ(SendText(ListId, LB_INSERTSTRING, 9, "O2"), LB_ERR);
  EXPECT_EQ(Items(ListId), (std::vector<std::string>{"H2O", "HCl", "NaCl", "KCl", "CO2"}));
  EXPECT_EQ(Send(ListId, LB_DELETESTRING, 0), 4);
  EXPECT_EQ(Send(ListId, LB_DELETESTRING, 4), LB_ERR);
  EXPECT_EQ(Send(ListId, LB_GETCOUNT), 4);
  char text[16] = {};
  EXPECT_EQ(Send(ListId, LB_GETTEXT, 1, reinterpret_cast<LPARAM>(text)), 4);
  EXPECT_STREQ(text, "NaCl");
  EXPECT_EQ(Send(ListId, LB_GETTEXTLEN, 3), 3);
  EXPECT_EQ(Send(ListId, LB_GETTEXTLEN, 4), LB_ERR);
  EXPECT_EQ(Send(ListId, LB_GETTEXT, 7, reinterpret_cast<LPARAM>(text)), LB_ERR);
  Send(ListId, LB_RESETCONTENT);
  EXPECT_EQ(Send(ListId, LB_GETCOUNT), 0);
  EXPECT_EQ(Send(ListId, LB_GETCURSEL), LB_ERR);
  // A sorted list orders by the letters, case ignored; Windows-1252 letters sort after z.
  Fill(SortedId, {"natrium", "Kalium", "\xE6rfugl", "Argon", "kalsium", "Zink"});
  EXPECT_EQ(Items(SortedId), (std::vector<std::string>{"Argon", "Kalium", "kalsium", "natrium", "Zink", "\xE6rfugl"}));
}

TEST_F(ListBoxTest, TheExactSearchIgnoresCaseOfEveryLetterAndGoesRoundFromTheStart) {
  Fill(ListId, {"\xC6gir", "Natrium", "natrium", "\xE6gir", "Na"});
  struct Case {
    int start;
    const char* text;
    int found;
  };
  const Case cases[] = {
      {-1, "\xE6GIR", 0},  // Æ and æ are one letter in two cases
      {0, "\xC6gir", 3},   // the search begins after the start
      {3, "\xE6gir", 0},   // and goes on from the top after the last item
      {-1, "NATRIUM", 1},   {1, "Natrium", 2},      {2, "Natrium", 1},
      {-1, "Natr", LB_ERR},                                         // the whole text, not its start
      {-1, "na", 4},        {-1, "Kalium", LB_ERR}, {40, "na", 4},  // a start that is no item searches from the top
  };
  for (const Case& test : cases) {
    EXPECT_EQ(Find(ListId, test.start, test.text), test.found) << test.start << " " << test.text;
  }
  EXPECT_EQ(Find(QuietId, -1, "Na"), LB_ERR);
}

TEST_F(ListBoxTest, TheProgramsSelectionIsNotReportedAndOutOfRangeSelectsNothing) {
  Fill(ListId, {"H2O", "NaCl", "KCl"});
  EXPECT_EQ(Send(ListId, LB_SETCURSEL, 2), 2);
  EXPECT_EQ(Send(ListId, LB_GETCURSEL), 2);
  EXPECT_EQ(Send(ListId, LB_GETSEL, 2), 1);
  EXPECT_EQ(Send(ListId, LB_GETSEL, 1), 0);
  EXPECT_EQ(Send(ListId, LB_GETSEL, 3), LB_ERR);
  EXPECT_EQ(Send(ListId, LB_SETCURSEL, 3), LB_ERR);
  EXPECT_EQ(Send(ListId, LB_GETCURSEL), LB_ERR);
  Send(ListId, LB_SETCURSEL, 1);
  EXPECT_EQ(Send(ListId, LB_SETCURSEL, static_cast<WPARAM>(-1)), LB_ERR);
  EXPECT_EQ(Send(ListId, LB_GETCURSEL), LB_ERR);
  EXPECT_TRUE(Notifications().empty());
  // Single selection has no selection count and no LB_SETSEL.
  EXPECT_EQ(Send(ListId, LB_GETSELCOUNT), LB_ERR);
  EXPECT_EQ(Send(ListId, LB_SETSEL, TRUE, 0), LB_ERR);
  // Deleting keeps the selection on its item, or takes it away with it.
  Send(ListId, LB_SETCURSEL, 2);
  Send(ListId, LB_DELETESTRING, 0);
  EXPECT_EQ(Send(ListId, LB_GETCURSEL), 1);
  Send(ListId, LB_DELETESTRING, 1);
  EXPECT_EQ(Send(ListId, LB_GETCURSEL), LB_ERR);
}

// LB_ADDSTRINGS gives every list the items and order that adding its texts one by one gives: a
// sorted list folds Æ, Ø, Å and the other letters, keeps letters that fold alike in the order
// given, after those already there, and merges new texts among the old; a plain list appends.
TEST_F(ListBoxTest, ManyTextsAddedInOneStepTakeThePlacesAddingEachGives) {
  struct Case {
    std::vector<std::string> before;
    std::vector<std::string> added;
  };
  const Case cases[] = {
      {{}, {"Ørret", "øre", "Æble", "aal", "Åse", "åker", "Zebra", "ØRE", "æble", "øre", "zebra"}},
      {{"Kalium", "natrium", "Argon"}, {"argon", "ARGON", "Zink", "kalium", "Bor", "æter", "", "Argon"}},
      {{"b", "d"}, {"e", "c", "a", "c", std::string("c\0z", 3)}},
  };
  for (const int id : {SortedId, ListId}) {
    for (const Case& each : cases) {
      Send(id, LB_RESETCONTENT);
      Fill(id, each.before);
      Fill(id, each.added);
      const std::vector<std::string> oneByOne = Items(id);
      Send(id, LB_RESETCONTENT);
      Fill(id, each.before);
      const std::vector<std::string_view> views(each.added.begin(), each.added.end());
      const std::span<const std::string_view> added(views);
      EXPECT_EQ(Send(id, LB_ADDSTRINGS, 0, reinterpret_cast<LPARAM>(&added)),
                static_cast<LRESULT>(each.before.size() + each.added.size()));
      EXPECT_EQ(Items(id), oneByOne) << id << " " << each.added.front();
    }
  }
  // The selection stays on its item while texts are placed before it.
  Send(SortedId, LB_RESETCONTENT);
  Fill(SortedId, {"m", "n"});
  Send(SortedId, LB_SETCURSEL, 1);
  const std::vector<std::string_view> views = {"a", "b", "z"};
  const std::span<const std::string_view> before(views);
  Send(SortedId, LB_ADDSTRINGS, 0, reinterpret_cast<LPARAM>(&before));
  EXPECT_EQ(Send(SortedId, LB_GETCURSEL), 3);
}

TEST_F(ListBoxTest, AClickSelectsAndReportsAndADoubleClickReportsTheChangeFirst) {
  Fill(ListId, {"H2O", "NaCl", "KCl", "HCl", "NH3", "CO2", "SO2", "NO2"});
  Fill(QuietId, {"H2O", "NaCl"});
  ASSERT_TRUE(driver.Select(ListId, 1));
  EXPECT_EQ(Send(ListId, LB_GETCURSEL), 1);
  EXPECT_EQ(GetFocus(), Control(ListId));
  EXPECT_EQ(Dialog().CodesOf(ListId), (std::vector<UINT>{LBN_SELCHANGE}));
  // The double click lands in the middle of the list; every handler already sees that item selected.
  RECT frame{};
  GetWindowRect(Control(ListId), &frame);
  POINT middle{(frame.left + frame.right) / 2, (frame.top + frame.bottom) / 2};
  ScreenToClient(Control(ListId), &middle);
  const LRESULT underMiddle = middle.y / Send(ListId, LB_GETITEMHEIGHT);
  ASSERT_NE(underMiddle, 1);
  std::vector<LRESULT> selectionSeen;
  Dialog().onNotify = [&](const Notification&) { selectionSeen.push_back(Send(ListId, LB_GETCURSEL)); };
  Notifications().clear();
  ASSERT_TRUE(driver.DoubleClick(ListId));
  EXPECT_EQ(Dialog().CodesOf(ListId), (std::vector<UINT>{LBN_SELCHANGE, LBN_SELCHANGE, LBN_DBLCLK}));
  EXPECT_EQ(selectionSeen, std::vector<LRESULT>(3, underMiddle));
  // Without LBS_NOTIFY the list selects and tells nobody.
  Notifications().clear();
  ASSERT_TRUE(driver.Select(QuietId, 1));
  EXPECT_EQ(Send(QuietId, LB_GETCURSEL), 1);
  EXPECT_TRUE(Notifications().empty());
}

TEST_F(ListBoxTest, TheKeysMoveTheSelectionOneByOneByPagesAndToTheEnds) {
  std::vector<std::string> items;
  for (int index = 0; index < 40; ++index) items.push_back("Item " + std::to_string(index));
  Fill(ListId, items);
  const int page = Rows(ListId) - 1;
  SetFocus(Control(ListId));
  struct Step {
    const char* key;
    int selection;
  };
  const Step steps[] = {
      {"Down", 0}, {"Down", 1},        {"Up", 0},
      {"Up", 0},   {"PageDown", page}, {"PageDown", 2 * page},
      {"End", 39}, {"Down", 39},       {"PageUp", 39 - page},
      {"Home", 0},
  };
  for (const Step& step : steps) {
    ASSERT_TRUE(driver.Key(step.key));
    EXPECT_EQ(Send(ListId, LB_GETCURSEL), step.selection) << step.key;
  }
  // A change is reported; a key that moves nothing is not.
  EXPECT_EQ(Dialog().CodesOf(ListId).size(), 8u);
  Send(ListId, LB_SETCURSEL, 39);
  EXPECT_EQ(Send(ListId, LB_GETTOPINDEX), 40 - Rows(ListId));
}

TEST_F(ListBoxTest, AMultipleSelectionListTurnsItemsOnAndOff) {
  Fill(MultipleId, {"R1", "R2", "R3", "R4"});
  ASSERT_TRUE(driver.Select(MultipleId, 1));
  ASSERT_TRUE(driver.Select(MultipleId, 3));
  EXPECT_EQ(Send(MultipleId, LB_GETSELCOUNT), 2);
  EXPECT_EQ(Send(MultipleId, LB_GETSEL, 1), 1);
  EXPECT_EQ(Send(MultipleId, LB_GETSEL, 3), 1);
  ASSERT_TRUE(driver.Select(MultipleId, 1));
  EXPECT_EQ(Send(MultipleId, LB_GETSEL, 1), 0);
  EXPECT_EQ(Dialog().CodesOf(MultipleId), (std::vector<UINT>{LBN_SELCHANGE, LBN_SELCHANGE, LBN_SELCHANGE}));
  // Up moves the focus only; Space turns the item it is on.
  driver.Key("Up");
  driver.Key("Space");
  EXPECT_EQ(Send(MultipleId, LB_GETSEL, 0), 1);
  EXPECT_EQ(Send(MultipleId, LB_GETSELCOUNT), 2);
  EXPECT_EQ(Send(MultipleId, LB_SETSEL, FALSE, -1), 0);
  EXPECT_EQ(Send(MultipleId, LB_GETSELCOUNT), 0);
  EXPECT_EQ(Send(MultipleId, LB_SETSEL, TRUE, 2), 0);
  EXPECT_EQ(Send(MultipleId, LB_SETSEL, TRUE, 9), LB_ERR);
  EXPECT_EQ(Send(MultipleId, LB_SETCURSEL, 0), LB_ERR);
  // Removing the selected items one by one, as a list of phrases is emptied.
  Send(MultipleId, LB_SETSEL, TRUE, 0);
  for (int index = 0; index < Send(MultipleId, LB_GETCOUNT);) {
    if (Send(MultipleId, LB_GETSEL, static_cast<WPARAM>(index)) > 0) {
      Send(MultipleId, LB_DELETESTRING, static_cast<WPARAM>(index));
      index = 0;
    } else {
      ++index;
    }
  }
  EXPECT_EQ(Items(MultipleId), (std::vector<std::string>{"R2", "R4"}));
}

TEST_F(ListBoxTest, TheScrollBarReachesTheLastItemAndAClickSelectsWhatIsShown) {
  std::vector<std::string> items;
  for (int index = 0; index < 50; ++index) items.push_back("Item " + std::to_string(index));
  Fill(ListId, items);
  const HWND list = Control(ListId);
  const int rows = Rows(ListId);
  RECT frame{};
  GetWindowRect(list, &frame);
  const int barX = frame.right - frame.left - 2 - 8;
  const int height = frame.bottom - frame.top;
  driver.ClickAt(OnScreen(list, barX, height - 2 - 8));
  EXPECT_EQ(Send(ListId, LB_GETTOPINDEX), 1);
  driver.ClickAt(OnScreen(list, barX, height - 2 - 16 - 2));
  EXPECT_EQ(Send(ListId, LB_GETTOPINDEX), 1 + rows);
  // Back at the top, the thumb starts right under the arrow; dragged down past the bar it ends there.
  driver.ClickAt(OnScreen(list, barX, 2 + 16 + 2));
  EXPECT_EQ(Send(ListId, LB_GETTOPINDEX), 1);
  driver.ClickAt(OnScreen(list, barX, 2 + 8));
  driver.DragAt(OnScreen(list, barX, 2 + 16 + 2), OnScreen(list, barX, height + 50));
  EXPECT_EQ(Send(ListId, LB_GETTOPINDEX), 50 - rows);
  EXPECT_EQ(GetScrollPos(list, SB_VERT), 50 - rows);
  // Scrolling selects nothing; the click on the bottom row selects the last item.
  EXPECT_EQ(Send(ListId, LB_GETCURSEL), LB_ERR);
  RECT client{};
  GetClientRect(list, &client);
  driver.ClickAt(OnScreen(list, 20, 2 + rows * static_cast<int>(Send(ListId, LB_GETITEMHEIGHT)) - 3));
  EXPECT_EQ(Send(ListId, LB_GETCURSEL), 49);
  EXPECT_EQ(GetFocus(), list);
  // The driver scrolls an item that is out of view into it before it clicks.
  ASSERT_TRUE(driver.Select(ListId, 3));
  EXPECT_EQ(Send(ListId, LB_GETCURSEL), 3);
  EXPECT_EQ(Send(ListId, LB_GETTOPINDEX), 3);
}

// The last column of the first row that holds dark text pixels, or -1.
int LastInkColumn(HWND list) {
  RECT client{};
  GetClientRect(list, &client);
  int last = -1;
  for (int y = 0; y < static_cast<int>(SendMessage(list, LB_GETITEMHEIGHT, 0, 0)); ++y) {
    for (int x = 0; x < client.right; ++x) {
      if (GetRValue(PixelAt(list, x, y)) < 96) last = std::max(last, x);
    }
  }
  return last;
}

TEST_F(ListBoxTest, AHorizontalBarScrollsAcrossTheWidthTheProgramSetsSoTheEndOfALongItemShows) {
  const std::string longest = "Unng\xE5 inn\xE5nding av damp og st\xF8v; bruk egnet \xE5ndedrettsvern";
  Fill(WideId, {longest, "Kort"});
  const HWND list = Control(WideId);
  RECT client{};
  GetClientRect(list, &client);
  const int width = client.right;
  // Without an extent the bar scrolls nothing.
  EXPECT_EQ(Send(WideId, LB_GETHORIZONTALEXTENT), 0);
  SetFocus(list);
  ASSERT_TRUE(driver.Key("Right"));
  EXPECT_EQ(GetScrollPos(list, SB_HORZ), 0);

  const HDC dc = GetDC(list);
  const HGDIOBJ previous = SelectObject(dc, reinterpret_cast<HGDIOBJ>(SendMessage(list, WM_GETFONT, 0, 0)));
  SIZE text{};
  GetTextExtentPoint32(dc, longest.c_str(), static_cast<int>(longest.size()), &text);
  TEXTMETRIC metrics{};
  GetTextMetrics(dc, &metrics);
  SelectObject(dc, previous);
  ReleaseDC(list, dc);
  const int extent = text.cx + 4;
  ASSERT_GT(extent, width);
  Send(WideId, LB_SETHORIZONTALEXTENT, static_cast<WPARAM>(extent));
  EXPECT_EQ(Send(WideId, LB_GETHORIZONTALEXTENT), extent);
  int minimum = -1, maximum = -1;
  GetScrollRange(list, SB_HORZ, &minimum, &maximum);
  EXPECT_EQ(minimum, 0);
  EXPECT_EQ(maximum, extent - 1);

  // The right arrow and the Right key scroll by an average letter, Left back.
  RECT frame{};
  GetWindowRect(list, &frame);
  const int barY = frame.bottom - frame.top - 2 - 8;
  driver.ClickAt(OnScreen(list, frame.right - frame.left - 2 - 8, barY));
  EXPECT_EQ(GetScrollPos(list, SB_HORZ), metrics.tmAveCharWidth);
  SetFocus(list);
  ASSERT_TRUE(driver.Key("Right"));
  EXPECT_EQ(GetScrollPos(list, SB_HORZ), 2 * metrics.tmAveCharWidth);
  ASSERT_TRUE(driver.Key("Left"));
  EXPECT_EQ(GetScrollPos(list, SB_HORZ), metrics.tmAveCharWidth);
  EXPECT_EQ(Send(WideId, LB_GETCURSEL), LB_ERR) << "scrolling selects nothing";

  // The thumb dragged past the bar's end shows the item's end where the text ends, two pixels of
  // margin after the list's edge, scrolled by the difference of extent and width.
  driver.DragAt(OnScreen(list, 2 + 16 + 3, barY), OnScreen(list, frame.right - frame.left + 200, barY));
  EXPECT_EQ(GetScrollPos(list, SB_HORZ), extent - width);
  UpdateAllWindows();
  EXPECT_NEAR(LastInkColumn(list) + (extent - width), 2 + text.cx - 1, 2);

  // A smaller extent brings the items back within it.
  Send(WideId, LB_SETHORIZONTALEXTENT, static_cast<WPARAM>(width / 2));
  EXPECT_EQ(GetScrollPos(list, SB_HORZ), 0);
}

TEST_F(ListBoxTest, AListIsShortenedToWholeRowsUnlessItsStyleKeepsItsHeight) {
  const auto height = [&](int id) {
    RECT frame{};
    GetWindowRect(Control(id), &frame);
    return static_cast<int>(frame.bottom - frame.top);
  };
  const auto cutRow = [&](int id) {
    RECT client{};
    GetClientRect(Control(id), &client);
    return static_cast<int>(client.bottom) % static_cast<int>(Send(id, LB_GETITEMHEIGHT));
  };
  const int itemHeight = static_cast<int>(Send(LooseId, LB_GETITEMHEIGHT));
  ASSERT_NE(cutRow(LooseId), 0) << "the layout's height cuts the last row";
  EXPECT_EQ(cutRow(QuietId), 0);
  EXPECT_GT(height(QuietId), height(LooseId) - itemHeight) << "shortened by less than a row";
  EXPECT_EQ(height(QuietId), height(LooseId) - cutRow(LooseId));
  // With a border and a scroll bar, after a change of font, and after the program resizes it.
  EXPECT_EQ(cutRow(ListId), 0);
  EXPECT_EQ(cutRow(MultipleId), 0);
  SendMessage(Control(QuietId), WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(SYSTEM_FIXED_FONT)), TRUE);
  EXPECT_EQ(cutRow(QuietId), 0);
  for (int asked : {3 * itemHeight + 4 + 1, 5 * itemHeight + 4 + itemHeight - 1}) {
    SetWindowPos(Control(ListId), nullptr, 0, 0, 100, asked, SWP_NOMOVE | SWP_NOZORDER);
    EXPECT_EQ(cutRow(ListId), 0) << asked;
    EXPECT_GT(height(ListId), asked - itemHeight) << asked;
  }
  // A list lower than one row keeps its height.
  SetWindowPos(Control(QuietId), nullptr, 0, 0, 100, itemHeight / 2 + 4, SWP_NOMOVE | SWP_NOZORDER);
  EXPECT_EQ(height(QuietId), itemHeight / 2 + 4);
}

TEST_F(ListBoxTest, TheSelectedItemIsHighlightedAndTheListHoldsAMillionItems) {
  Fill(QuietId, {"H2O", "NaCl"});
  Send(QuietId, LB_SETCURSEL, 1);
  UpdateAllWindows();
  const int height = static_cast<int>(Send(QuietId, LB_GETITEMHEIGHT));
  const HWND quiet = Control(QuietId);
  EXPECT_EQ(PixelAt(quiet, 1, height + 1), RGB(0, 0, 128));
  EXPECT_EQ(PixelAt(quiet, 1, 1), RGB(255, 255, 255));
  EXPECT_EQ(PixelAt(quiet, -2, -2), RGB(127, 127, 127));
  constexpr int Million = 1'000'000;
  for (int index = 2; index < Million; ++index) SendText(QuietId, LB_ADDSTRING, 0, "x");
  EXPECT_EQ(Send(QuietId, LB_GETCOUNT), Million);
  EXPECT_EQ(SendText(QuietId, LB_ADDSTRING, 0, "last"), Million);
  EXPECT_EQ(SendText(QuietId, LB_INSERTSTRING, 40000, "inserted"), 40000);
  EXPECT_EQ(Send(QuietId, LB_GETCOUNT), Million + 2);
  EXPECT_EQ(Send(QuietId, LB_GETCURSEL), 1);
  EXPECT_EQ(Send(QuietId, LB_SETCURSEL, Million + 1), Million + 1);
  EXPECT_EQ(Send(QuietId, LB_GETCURSEL), Million + 1);
  char text[16] = {};
  EXPECT_EQ(Send(QuietId, LB_GETTEXT, Million + 1, reinterpret_cast<LPARAM>(text)), 4);
  EXPECT_STREQ(text, "last");
  EXPECT_EQ(Send(QuietId, LB_GETTEXT, 40000, reinterpret_cast<LPARAM>(text)), 8);
  EXPECT_STREQ(text, "inserted");
}

TEST_F(ListBoxTest, TheClassFormReachesItemsAndSelection) {
  CListBox list;
  ASSERT_TRUE(list.SubclassDlgItem(SortedId, &Dialog()));
  EXPECT_EQ(list.AddString("Brom"), 0);
  EXPECT_EQ(list.AddString("Argon"), 0);
  EXPECT_EQ(list.InsertString(-1, "Jod"), 2);
  EXPECT_EQ(list.SetCurSel(1), 1);
  std::string text;
  list.GetText(list.GetCurSel(), text);
  EXPECT_EQ(text, "Brom");
  EXPECT_EQ(list.FindStringExact(-1, "JOD"), 2);
  EXPECT_EQ(list.DeleteString(0), 2);
  EXPECT_EQ(list.GetCount(), 2);
  list.GetText(7, text);
  EXPECT_EQ(text, "");
  list.UnsubclassWindow();
  // A list box without a wrapper of its own is reached through one of its class form.
  CWnd* other = Dialog().GetDlgItem(ListId);
  ASSERT_TRUE(other->IsKindOf(RUNTIME_CLASS(CListBox)));
  EXPECT_EQ(static_cast<CListBox*>(other)->AddString("Neon"), 0);
  EXPECT_EQ(static_cast<CListBox*>(other)->GetCount(), 1);
}

}  // namespace
