#include <sstream>

#include "platform/controls/cedit.h"
#include "tests/platform/controls/controls_fixture.h"
#include "platform/controls/scroll_bar.h"

namespace {

using controls_test::ControlsTest;
using controls_test::Notification;
using window_test::Item;
using window_test::PixelAt;

constexpr int FieldId = 10;
constexpr int NarrowId = 11;
constexpr int NarrowScrollingId = 12;
constexpr int LinesId = 13;
constexpr int WantingId = 14;
constexpr int ReadOnlyId = 15;
constexpr int DisabledId = 16;
constexpr int HiddenId = 17;
constexpr int BothId = 18;
constexpr int BoundedId = 19;

constexpr COLORREF Navy = RGB(0, 0, 128);

std::vector<DialogItemTemplate> Fields() {
  return {
      Item("EDIT", "", HiddenId, WS_TABSTOP, 200, 4, 0, 0),
      Item("EDIT", "", FieldId, WS_TABSTOP | WS_BORDER | ES_AUTOHSCROLL, 4, 4, 80, 12),
      Item("EDIT", "", NarrowId, WS_TABSTOP | WS_BORDER, 90, 4, 40, 12),
      Item("EDIT", "", NarrowScrollingId, WS_TABSTOP | WS_BORDER | ES_AUTOHSCROLL, 140, 4, 40, 12),
      Item("EDIT", "", LinesId, WS_TABSTOP | WS_BORDER | ES_MULTILINE | WS_VSCROLL, 4, 20, 100, 40),
      Item("EDIT", "", WantingId, WS_TABSTOP | WS_BORDER | ES_MULTILINE | ES_WANTRETURN | ES_AUTOVSCROLL, 110, 20, 80,
           40),
      Item("EDIT", "Natrium", ReadOnlyId, WS_TABSTOP | WS_BORDER | ES_READONLY, 4, 64, 60, 12),
      Item("EDIT", "Kalium", DisabledId, WS_TABSTOP | WS_BORDER | WS_DISABLED, 70, 64, 60, 12),
      Item("EDIT", "", BothId, WS_TABSTOP | WS_BORDER | ES_MULTILINE | WS_VSCROLL | WS_HSCROLL, 4, 80, 120, 50),
      Item("EDIT", "", BoundedId, WS_TABSTOP | WS_BORDER | ES_MULTILINE | ES_WANTRETURN, 130, 80, 60, 20),
  };
}

class EditTest : public ControlsTest {
 protected:
  EditTest() { Open(Fields()); }

  std::pair<DWORD, DWORD> Selection(int id) {
    DWORD start = 0;
    DWORD end = 0;
    Send(id, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    return {start, end};
  }
  // Characters typed at the caret, as the message loop hands them to the field.
  void TypeHere(int id, const std::string& text) {
    for (char character : text) Send(id, WM_CHAR, static_cast<unsigned char>(character), 1);
  }
  // The words of `actions`: key names, or a character after a quote.
  void Act(int id, const std::string& actions) {
    std::istringstream words(actions);
    for (std::string word; words >> word;) {
      if (word[0] == '\'') {
        TypeHere(id, word.substr(1));
      } else {
        ASSERT_TRUE(driver.Key(word)) << word;
      }
    }
  }
  int TextWidthIn(int id, const std::string& text) {
    const HDC dc = GetDC(nullptr);
    const HGDIOBJ previous = SelectObject(dc, reinterpret_cast<HFONT>(Send(id, WM_GETFONT)));
    SIZE size{};
    GetTextExtentPoint32(dc, text.c_str(), static_cast<int>(text.size()), &size);
    SelectObject(dc, previous);
    ReleaseDC(nullptr, dc);
    return size.cx;
  }
  TEXTMETRIC MetricsOf(int id) {
    const HDC dc = GetDC(nullptr);
    const HGDIOBJ previous = SelectObject(dc, reinterpret_cast<HFONT>(Send(id, WM_GETFONT)));
    TEXTMETRIC metrics;
    GetTextMetrics(dc, &metrics);
    SelectObject(dc, previous);
    ReleaseDC(nullptr, dc);
    return metrics;
  }
  int AverageWidthOf(int id) { return MetricsOf(id).tmAveCharWidth; }
  int LineHeightOf(int id) { return MetricsOf(id).tmHeight; }
  int VisibleRows(int id) {
    RECT client{};
    GetClientRect(Control(id), &client);
    return client.bottom / LineHeightOf(id);
  }
  // The darkest channel value among the client's pixels.
  int DarkestIn(int id) {
    UpdateAllWindows();
    RECT client{};
    GetClientRect(Control(id), &client);
    int darkest = 255;
    for (int y = 0; y < client.bottom; ++y) {
      for (int x = 0; x < client.right; ++x) {
        const COLORREF pixel = PixelAt(Control(id), x, y);
        darkest = std::min({darkest, static_cast<int>(GetRValue(pixel)), static_cast<int>(GetGValue(pixel)),
                            static_cast<int>(GetBValue(pixel))});
      }
    }
    return darkest;
  }
};

TEST_F(EditTest, TheEditingKeysMoveTheCaretSelectAndDelete) {
  struct Case {
    const char* actions;
    const char* text;
    DWORD start;
    DWORD end;
  };
  // Each case starts from "NaCl" typed into the field, the caret after it.
  const Case cases[] = {
      {"", "NaCl", 4, 4},
      {"Left Left Backspace", "NCl", 1, 1},
      {"Home Delete", "aCl", 0, 0},
      {"End Backspace Backspace", "Na", 2, 2},
      {"Shift+Left Shift+Left", "NaCl", 2, 4},
      {"Shift+Left Shift+Left 'F", "NaF", 3, 3},
      {"Home Shift+End Delete", "", 0, 0},
      {"Left Shift+Home", "NaCl", 0, 3},
      // Left and Right take a selection away at its start and its end.
      {"Left Shift+Home Right", "NaCl", 3, 3},
      {"Shift+Left Shift+Left Left", "NaCl", 2, 2},
      {"Home Right 'K", "NKaCl", 2, 2},
      {"Backspace Backspace Backspace Backspace Backspace Delete", "", 0, 0},
  };
  for (const Case& test : cases) {
    ASSERT_TRUE(driver.Type(FieldId, "NaCl"));
    Act(FieldId, test.actions);
    EXPECT_EQ(Text(FieldId), test.text) << test.actions;
    EXPECT_EQ(Selection(FieldId), std::make_pair(test.start, test.end)) << test.actions;
  }
}

TEST_F(EditTest, WithoutAutomaticScrollingTypingStopsAtTheFieldsWidth) {
  const std::string typed = "As2S3+NaNO3+Na2CO3>Na3AsO4+Na2SO4+NaNO2+CO2";
  ASSERT_TRUE(driver.Type(NarrowId, typed));
  const std::string kept = Text(NarrowId);
  RECT client{};
  GetClientRect(Control(NarrowId), &client);
  const int room = client.right - 4;  // the text stands two pixels in from each side
  ASSERT_LT(kept.size(), typed.size());
  EXPECT_EQ(typed.compare(0, kept.size(), kept), 0);
  EXPECT_LE(TextWidthIn(NarrowId, kept), room);
  EXPECT_GT(TextWidthIn(NarrowId, typed.substr(0, kept.size() + 1)), room);
  // A full field still lets the user delete and type again.
  ASSERT_TRUE(driver.Key("Backspace"));
  TypeHere(NarrowId, "X");
  EXPECT_EQ(Text(NarrowId), kept.substr(0, kept.size() - 1) + "X");

  ASSERT_TRUE(driver.Type(NarrowScrollingId, typed));
  EXPECT_EQ(Text(NarrowScrollingId), typed);
  // The view followed the caret: the right end of the field is the end of the text, the left end
  // well into it.
  const HWND scrolling = Control(NarrowScrollingId);
  RECT frame{};
  GetWindowRect(scrolling, &frame);
  const int middle = (frame.bottom - frame.top) / 2;
  driver.ClickAt(OnScreen(scrolling, frame.right - frame.left - 3, middle));
  EXPECT_EQ(Selection(NarrowScrollingId), std::make_pair(DWORD(typed.size()), DWORD(typed.size())));
  driver.ClickAt(OnScreen(scrolling, 3, middle));
  EXPECT_GT(Selection(NarrowScrollingId).first, 10u);
}

TEST_F(EditTest, AMultiLineFieldThatDoesNotScrollTakesNoLineBelowItsLast) {
  RECT client{};
  GetClientRect(Control(BoundedId), &client);
  ASSERT_EQ(client.bottom / LineHeightOf(BoundedId), 2);
  ASSERT_TRUE(driver.Type(BoundedId, "a"));
  driver.Key("Enter");
  driver.Key("Enter");
  TypeHere(BoundedId, "b");
  driver.Key("Enter");
  EXPECT_EQ(Text(BoundedId), "a\r\nb");
}

TEST_F(EditTest, ChangesAreReportedAlsoWhenTheProgramSetsTheText) {
  SetDlgItemText(window, FieldId, "Cl2");
  EXPECT_EQ(Notifications(), (std::vector<Notification>{{FieldId, EN_CHANGE}}));
  EXPECT_EQ(Text(FieldId), "Cl2");
  ASSERT_TRUE(driver.Type(FieldId, "H2"));
  EXPECT_EQ(Dialog().CodesOf(FieldId), (std::vector<UINT>{EN_CHANGE, EN_SETFOCUS, EN_CHANGE, EN_CHANGE}));
  // Moving the caret changes nothing; a character refused at the limit reports nothing.
  Notifications().clear();
  driver.Key("Left");
  driver.Key("Shift+Right");
  EXPECT_TRUE(Notifications().empty());
  Send(FieldId, EM_LIMITTEXT, 2);
  TypeHere(FieldId, "34");
  EXPECT_EQ(Text(FieldId), "H3");
  EXPECT_EQ(Notifications(), (std::vector<Notification>{{FieldId, EN_CHANGE}}));
}

TEST_F(EditTest, TheFocusIsReportedAsItLeavesOneFieldAndEntersTheNext) {
  ASSERT_TRUE(driver.Type(FieldId, "x"));
  std::vector<int> focusAtNotification;
  Dialog().onNotify = [&](const Notification&) { focusAtNotification.push_back(GetDlgCtrlID(GetFocus())); };
  Notifications().clear();
  ASSERT_TRUE(driver.Key("Tab"));
  EXPECT_EQ(Notifications(), (std::vector<Notification>{{FieldId, EN_KILLFOCUS}, {NarrowId, EN_SETFOCUS}}));
  EXPECT_EQ(focusAtNotification, (std::vector<int>{FieldId, NarrowId}));
  // The dialog manager selects the whole text of the field it tabs to.
  SetDlgItemText(window, FieldId, "Fe2O3");
  driver.Key("Shift+Tab");
  EXPECT_EQ(Selection(FieldId), std::make_pair(DWORD{0}, DWORD{5}));
}

TEST_F(EditTest, AFieldOfNoSizeTakesTheFocusAndReportsIt) {
  SetFocus(GetDlgItem(window, IDOK));
  Notifications().clear();
  ASSERT_TRUE(driver.Key("Tab"));
  EXPECT_EQ(GetFocus(), Control(HiddenId));
  EXPECT_EQ(Dialog().CodesOf(HiddenId), (std::vector<UINT>{EN_SETFOCUS}));
}

TEST_F(EditTest, GettingTheTextNeverWritesPastTheBuffer) {
  SetDlgItemText(window, FieldId, "Natrium");
  char buffer[8];
  std::fill(std::begin(buffer), std::end(buffer), '#');
  EXPECT_EQ(GetDlgItemText(window, FieldId, buffer, 5), 4u);
  EXPECT_STREQ(buffer, "Natr");
  EXPECT_EQ(buffer[5], '#');
  EXPECT_EQ(GetDlgItemText(window, FieldId, buffer, 1), 0u);
  EXPECT_STREQ(buffer, "");
  buffer[0] = '#';
  EXPECT_EQ(Send(FieldId, WM_GETTEXT, 0, reinterpret_cast<LPARAM>(buffer)), 0);
  EXPECT_EQ(buffer[0], '#');
  EXPECT_EQ(Send(FieldId, WM_GETTEXTLENGTH), 7);
}

TEST_F(EditTest, TheLimitStopsTypingAndCutsReplacedText) {
  Send(FieldId, EM_LIMITTEXT, 5);
  ASSERT_TRUE(driver.Type(FieldId, "abcdefgh"));
  EXPECT_EQ(Text(FieldId), "abcde");
  Send(FieldId, EM_SETSEL, 1, 3);
  SendText(FieldId, EM_REPLACESEL, 0, "xyz");
  EXPECT_EQ(Text(FieldId), "axyde");
  EXPECT_EQ(Selection(FieldId), std::make_pair(DWORD{3}, DWORD{3}));
  // The program's own text is not limited.
  SetDlgItemText(window, FieldId, "longer than five");
  EXPECT_EQ(Text(FieldId), "longer than five");
  Send(FieldId, EM_SETSEL, 7, -1);
  EXPECT_EQ(Selection(FieldId), std::make_pair(DWORD{7}, DWORD{16}));
  Send(FieldId, EM_SETSEL, static_cast<WPARAM>(-1), 0);
  EXPECT_EQ(Selection(FieldId), std::make_pair(DWORD{16}, DWORD{16}));
}

TEST_F(EditTest, EnterMakesANewLineOnlyWhereTheFieldWantsIt) {
  ASSERT_TRUE(driver.Type(WantingId, "a"));
  driver.Key("Enter");
  TypeHere(WantingId, "b");
  EXPECT_EQ(Text(WantingId), "a\r\nb");
  // The caret steps over a line break whole, and Backspace takes it away whole.
  driver.Key("Left");
  driver.Key("Left");
  EXPECT_EQ(Selection(WantingId), std::make_pair(DWORD{1}, DWORD{1}));
  driver.Key("Right");
  driver.Key("Backspace");
  EXPECT_EQ(Text(WantingId), "ab");

  ASSERT_TRUE(driver.Type(LinesId, "a"));
  Notifications().clear();
  driver.Key("Enter");
  EXPECT_EQ(Text(LinesId), "a");
  EXPECT_EQ(Notifications(), (std::vector<Notification>{{IDOK, BN_CLICKED}}));
}

TEST_F(EditTest, AMultiLineFieldWrapsAndScrollsDownToTheCaret) {
  ASSERT_TRUE(driver.Type(LinesId,
                          "Hydrogen helium lithium beryllium boron carbon nitrogen oxygen fluorine neon "
                          "sodium magnesium aluminium silicon phosphorus sulfur chlorine argon"));
  int minimum = 0;
  int maximum = 0;
  GetScrollRange(Control(LinesId), SB_VERT, &minimum, &maximum);
  const int rows = VisibleRows(LinesId);
  EXPECT_EQ(minimum, 0);
  ASSERT_GT(maximum + 1, rows) << "the words wrap onto more lines than the field shows";
  // The caret's line, the last, is at the bottom of the field.
  EXPECT_EQ(GetScrollPos(Control(LinesId), SB_VERT), maximum + 1 - rows);
  Send(LinesId, EM_SETSEL, 0, 0);
  driver.Key("Right");
  EXPECT_EQ(GetScrollPos(Control(LinesId), SB_VERT), 0);
  driver.Key("PageDown");
  EXPECT_EQ(GetScrollPos(Control(LinesId), SB_VERT), std::min(rows, maximum + 1 - rows));
}

TEST_F(EditTest, TheScrollBarsArrowsTrackAndThumbReachTheLastLine) {
  std::string text;
  for (int line = 1; line <= 30; ++line) text += "Line " + std::to_string(line) + (line < 30 ? "\r\n" : "");
  SetDlgItemText(window, LinesId, text.c_str());
  const HWND lines = Control(LinesId);
  const int rows = VisibleRows(LinesId);
  const int last = 30 - rows;
  RECT frame{};
  GetWindowRect(lines, &frame);
  const int width = frame.right - frame.left;
  const int height = frame.bottom - frame.top;
  // The bar stands inside the two-pixel edge at the right: arrows of 16 x 16 at its ends.
  const int barX = width - 2 - 8;
  driver.ClickAt(OnScreen(lines, barX, height - 2 - 8));
  driver.ClickAt(OnScreen(lines, barX, height - 2 - 8));
  EXPECT_EQ(GetScrollPos(lines, SB_VERT), 2);
  driver.ClickAt(OnScreen(lines, barX, 2 + 8));
  EXPECT_EQ(GetScrollPos(lines, SB_VERT), 1);
  // Below the thumb the track pages down by what the field shows.
  driver.ClickAt(OnScreen(lines, barX, height - 2 - 16 - 2));
  EXPECT_EQ(GetScrollPos(lines, SB_VERT), 1 + rows);
  driver.ClickAt(OnScreen(lines, barX, 2 + 8));
  driver.ClickAt(OnScreen(lines, barX, 2 + 16 + 2));
  EXPECT_EQ(GetScrollPos(lines, SB_VERT), 0);
  // At the top the thumb starts right under the arrow; dragged to the end it shows the last line.
  driver.DragAt(OnScreen(lines, barX, 2 + 16 + 2), OnScreen(lines, barX, height + 40));
  EXPECT_EQ(GetScrollPos(lines, SB_VERT), last);
  driver.ClickAt(OnScreen(lines, barX, height - 2 - 8));
  EXPECT_EQ(GetScrollPos(lines, SB_VERT), last);
  EXPECT_EQ(GetCapture(), nullptr);
  // Scrolling moves the view, not the caret.
  EXPECT_EQ(Selection(LinesId), std::make_pair(DWORD{0}, DWORD{0}));
}

TEST_F(EditTest, TheHorizontalBarScrollsToTheEndOfTheWidestLine) {
  SetDlgItemText(window, BothId, "short\r\nThis line is far wider than the field that shows it, by a good way");
  const HWND both = Control(BothId);
  int minimum = 0;
  int maximum = 0;
  GetScrollRange(both, SB_HORZ, &minimum, &maximum);
  RECT client{};
  GetClientRect(both, &client);
  EXPECT_EQ(maximum, TextWidthIn(BothId, "This line is far wider than the field that shows it, by a good way"));
  RECT frame{};
  GetWindowRect(both, &frame);
  const int barY = frame.bottom - frame.top - 2 - 8;
  driver.DragAt(OnScreen(both, 2 + 16 + 2, barY), OnScreen(both, frame.right - frame.left + 40, barY));
  EXPECT_EQ(GetScrollPos(both, SB_HORZ), maximum + 1 - (client.right - 4));
  // No wrapping in a field that scrolls sideways: two lines, both shown.
  GetScrollRange(both, SB_VERT, &minimum, &maximum);
  EXPECT_EQ(maximum, 1);
}

TEST_F(EditTest, AReadOnlyFieldSelectsButTakesNoTypingAndADisabledOneNoFocus) {
  ASSERT_TRUE(driver.Type(ReadOnlyId, "Kalium"));
  EXPECT_EQ(Text(ReadOnlyId), "Natrium");
  driver.Key("End");
  driver.Key("Shift+Left");
  driver.Key("Delete");
  driver.Key("Backspace");
  EXPECT_EQ(Text(ReadOnlyId), "Natrium");
  EXPECT_EQ(Selection(ReadOnlyId), std::make_pair(DWORD{6}, DWORD{7}));
  EXPECT_FALSE(driver.Type(DisabledId, "Natrium"));
  EXPECT_EQ(Text(DisabledId), "Kalium");
}

TEST_F(EditTest, TheMouseSetsTheCaretAndDragsASelection) {
  SetDlgItemText(window, FieldId, "Natriumklorid");
  const HWND field = Control(FieldId);
  RECT frame{};
  GetWindowRect(field, &frame);
  const int middle = (frame.bottom - frame.top) / 2;
  // Two pixels of edge and two of margin: the text starts four pixels in.
  const int split = 4 + TextWidthIn(FieldId, "Natrium");
  driver.DragAt(OnScreen(field, 3, middle), OnScreen(field, split, middle));
  EXPECT_EQ(GetFocus(), field);
  EXPECT_EQ(Selection(FieldId), std::make_pair(DWORD{0}, DWORD{7}));
  EXPECT_EQ(GetCapture(), nullptr);
  driver.ClickAt(OnScreen(field, frame.right - frame.left - 4, middle));
  EXPECT_EQ(Selection(FieldId), std::make_pair(DWORD{13}, DWORD{13}));
}

// The field tells its lines and where each character is drawn: a tab reaches the next stop of
// eight average widths, a line break starts the next line at the left margin.
TEST_F(EditTest, AMultiLineFieldTellsItsLinesAndWhereItsCharactersStand) {
  SetWindowText(Control(BothId), "Na\tK\r\nCl");
  EXPECT_EQ(Send(BothId, EM_GETLINECOUNT), 2);
  EXPECT_EQ(Send(BothId, EM_LINEINDEX, 0), 0);
  EXPECT_EQ(Send(BothId, EM_LINEINDEX, 1), 6);
  EXPECT_EQ(Send(BothId, EM_LINEINDEX, 2), -1);
  auto place = [&](size_t offset) {
    const auto packed = static_cast<DWORD>(Send(BothId, EM_POSFROMCHAR, offset));
    return std::make_pair(static_cast<int>(LOWORD(packed)), static_cast<int>(HIWORD(packed)));
  };
  const auto [startX, startY] = place(0);
  EXPECT_EQ(place(1).first, startX + TextWidthIn(BothId, "N"));
  EXPECT_EQ(place(3).first - startX, 8 * AverageWidthOf(BothId));
  EXPECT_EQ(place(6), std::make_pair(startX, startY + LineHeightOf(BothId)));
  EXPECT_EQ(Send(BothId, EM_POSFROMCHAR, 99), -1);
}

TEST_F(EditTest, AFieldIsSunkenWhiteAndShowsItsSelectionAndDisabledTextInTheirColours) {
  const HWND field = Control(FieldId);
  ASSERT_TRUE(driver.Type(FieldId, "MMMMMM"));
  Send(FieldId, EM_SETSEL, 0, -1);
  UpdateAllWindows();
  RECT client{};
  GetClientRect(field, &client);
  // The edge in window coordinates: the client starts two pixels in.
  EXPECT_EQ(PixelAt(field, -2, -2), RGB(127, 127, 127));
  EXPECT_EQ(PixelAt(field, -1, -1), RGB(0, 0, 0));
  EXPECT_EQ(PixelAt(field, client.right + 1, client.bottom + 1), RGB(255, 255, 255));
  EXPECT_EQ(PixelAt(field, client.right, client.bottom), RGB(192, 192, 192));
  EXPECT_EQ(PixelAt(field, client.right - 1, client.bottom / 2), RGB(255, 255, 255));
  // The selected text stands on the selection colour, from the text's start.
  const int top = (client.bottom - LineHeightOf(FieldId)) / 2;
  EXPECT_EQ(PixelAt(field, 2, top), Navy);
  EXPECT_EQ(PixelAt(field, 1, top), RGB(255, 255, 255));
  // Unfocused, the selection is not shown.
  SetFocus(GetDlgItem(window, IDOK));
  UpdateAllWindows();
  EXPECT_EQ(PixelAt(field, 2, top), RGB(255, 255, 255));
  // Enabled text is black; disabled text gray, on the face colour of a static.
  EXPECT_LT(DarkestIn(FieldId), 0x40);
  const int disabled = DarkestIn(DisabledId);
  EXPECT_GE(disabled, 0x70);
  EXPECT_LT(disabled, 0xC0);
  EXPECT_EQ(PixelAt(Control(DisabledId), 1, 1), RGB(192, 192, 192));
}

TEST_F(EditTest, TheParentChoosesTheFieldsBackground) {
  CBrush yellow(RGB(255, 255, 0));
  Dialog().editBrush = static_cast<HBRUSH>(yellow.m_hObject);
  InvalidateRect(Control(FieldId), nullptr, TRUE);
  InvalidateRect(Control(ReadOnlyId), nullptr, TRUE);
  UpdateAllWindows();
  EXPECT_EQ(PixelAt(Control(FieldId), 1, 1), RGB(255, 255, 0));
  // A read-only field asks as a static text does.
  EXPECT_EQ(PixelAt(Control(ReadOnlyId), 1, 1), RGB(192, 192, 192));
  Dialog().editBrush = nullptr;
}

TEST_F(EditTest, TheClassFormCreatesAFieldAndReachesItsSelection) {
  CEdit edit;
  ASSERT_TRUE(edit.Create(WS_VISIBLE | WS_BORDER | ES_AUTOHSCROLL, RECT{4, 140, 104, 160}, &Dialog(), 30));
  edit.SetWindowText("Fluor");
  edit.SetSel(1, 3);
  int start = 0;
  int end = 0;
  edit.GetSel(start, end);
  EXPECT_EQ(std::make_pair(start, end), std::make_pair(1, 3));
  edit.ReplaceSel("e");
  edit.LimitText(3);
  EXPECT_EQ(edit.GetWindowTextLength(), 4);
  EXPECT_EQ(GetWindowTextString(edit.m_hWnd), "Feor");
}

}  // namespace
