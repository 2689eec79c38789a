#include <filesystem>
#include <set>
#include <string>

#include "tests/app/app_fixture.h"
#include "periodic_table/element_properties_window.h"
#include "periodic_table/model/isotope_rows.h"
#include "periodic_table/periodic_table_window.h"
#include "resources/program_resources.h"
#include "platform/win/resources.h"
#include "platform/win/window_api.h"

namespace {

POINT CentreOf(HWND window, int id) {
  RECT rect{};
  ::GetWindowRect(::GetDlgItem(window, id), &rect);
  return POINT{(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
}

std::string TextOf(HWND window, int id) {
  char text[256] = {};
  ::GetDlgItemText(window, id, text, sizeof text);
  return text;
}

class PeriodicWindowTest : public AppTest {
 protected:
  PeriodicWindowTest() {
    SelectedElement = 0;
    EXPECT_TRUE(Start());
  }

  // The user moves the properties window off the table, so that the table's buttons can be clicked.
  static void MovePropertiesWindowBeside(HWND table) {
    RECT tableRect{};
    ::GetWindowRect(table, &tableRect);
    ::SetWindowPos(ElementPropertiesWindow.Get()->m_hWnd, nullptr, tableRect.left, tableRect.bottom, 0, 0,
                   SWP_NOSIZE | SWP_NOZORDER);
  }

  HWND table = nullptr;
  std::vector<std::string> shown;
};

// A click in the properties window's text field leaves the focus there, so that the window no
// longer refills when it comes forward; the opener refills it for the element clicked.
TEST_F(PeriodicWindowTest, ClickingFeThenCuShowsCuAlsoAfterAClickInTheTextField) {
  driver.Then([&] {
    table = ::GetActiveWindow();
    driver.Click(126);
  });
  driver.Then([&] {
    shown.push_back(TextOf(ElementPropertiesWindow.Get()->m_hWnd, 100));
    MovePropertiesWindowBeside(table);
    EXPECT_TRUE(driver.Click(10115)) << driver.LastError();
  });
  driver.Then([&] { driver.ClickAt(CentreOf(table, 129)); });
  driver.Then([&] {
    EXPECT_EQ(::GetActiveWindow(), ElementPropertiesWindow.Get()->m_hWnd);
    shown.push_back(TextOf(ElementPropertiesWindow.Get()->m_hWnd, 100));
    shown.push_back(TextOf(ElementPropertiesWindow.Get()->m_hWnd, 112));
    driver.ClickAt(CentreOf(table, 102));
  });
  driver.Then([&] {
    shown.push_back(TextOf(ElementPropertiesWindow.Get()->m_hWnd, 100));
    driver.ClickAt(CentreOf(table, 2));
  });
  OpenPeriodicTableDialog(Frame());
  EXPECT_EQ(shown, (std::vector<std::string>{"Jern", "Kobber", "29", "Helium"}));
  EXPECT_EQ(SelectedElement, 2);
}

// The properties window belongs to the table: it goes when the table closes, and the next
// click on an element after the table opens again makes a new one.
TEST_F(PeriodicWindowTest, ThePropertiesWindowIsDestroyedWithTheTableAndMadeAgain) {
  Cwm_EgenskaperDlg* first = nullptr;
  driver.Then([&] {
    table = ::GetActiveWindow();
    driver.Click(126);
  });
  driver.Then([&] {
    first = ElementPropertiesWindow.Get();
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(::GetParent(first->m_hWnd), table);
    driver.ClickAt(CentreOf(table, 2));
  });
  OpenPeriodicTableDialog(Frame());
  EXPECT_NE(first, nullptr);
  EXPECT_EQ(ElementPropertiesWindow.Get(), nullptr);
  EXPECT_EQ(TopLevelWindows().size(), 1u);

  Cwm_EgenskaperDlg* second = nullptr;
  driver.Then([&] { driver.Click(180); });
  driver.Then([&] {
    second = ElementPropertiesWindow.Get();
    shown.push_back(TextOf(second->m_hWnd, 111));
    driver.Key("Escape");
  });
  driver.Then([&] {
    EXPECT_EQ(ElementPropertiesWindow.Get(), nullptr);
    driver.Key("Escape");
  });
  OpenPeriodicTableDialog(Frame());
  EXPECT_NE(second, nullptr);
  EXPECT_EQ(shown, std::vector<std::string>{"Hg"});
  EXPECT_TRUE(driver.MessageBoxes().empty());
}

// A second click on an element while the window is open brings the same window forward.
TEST_F(PeriodicWindowTest, AnOpenPropertiesWindowIsBroughtForwardNotMadeAgain) {
  std::vector<Cwm_EgenskaperDlg*> windows;
  driver.Then([&] {
    table = ::GetActiveWindow();
    driver.Click(101);
  });
  driver.Then([&] {
    windows.push_back(ElementPropertiesWindow.Get());
    MovePropertiesWindowBeside(table);
    driver.ClickAt(CentreOf(table, 203));
  });
  driver.Then([&] {
    windows.push_back(ElementPropertiesWindow.Get());
    shown.push_back(TextOf(windows.back()->m_hWnd, 111));
    driver.ClickAt(CentreOf(table, 2));
  });
  OpenPeriodicTableDialog(Frame());
  ASSERT_EQ(windows.size(), 2u);
  EXPECT_EQ(windows[0], windows[1]);
  EXPECT_EQ(shown, std::vector<std::string>{"Lr"});
}

// Where the values of an isotope row start: after each tab, and the spin 11 characters after the
// start of the mass it follows.
std::vector<size_t> ValueStarts(const std::string& row) {
  constexpr size_t MassColumn = 2;
  constexpr size_t MassTextWidth = 11;
  std::vector<size_t> starts{0};
  for (size_t index = 0; index < row.size(); ++index) {
    if (row[index] == '\t') starts.push_back(index + 1);
  }
  starts.insert(starts.begin() + MassColumn + 1, starts[MassColumn] + MassTextWidth);
  return starts;
}

int ScreenXOfCharacter(HWND field, size_t offset) {
  const auto place = static_cast<DWORD>(::SendMessage(field, EM_POSFROMCHAR, offset, 0));
  POINT point{static_cast<short>(LOWORD(place)), static_cast<short>(HIWORD(place))};
  ::ClientToScreen(field, &point);
  return point.x;
}

// Every isotope row of every element stands on one line of its Fixedsys field, and each value
// starts under its heading: no more than a cell left of the heading's control, and left of the
// next heading.
TEST_F(PeriodicWindowTest, EveryIsotopeRowStandsOnOneLineWithItsValuesUnderTheirHeadings) {
  const std::filesystem::path atomdata = std::filesystem::path("dats") / "datfiles" / "atomdata";
  std::filesystem::create_directories(atomdata);
  std::filesystem::copy_file(std::filesystem::path(TAVRIN_SOURCE_DIR) / atomdata / "isotope.dat", atomdata / "isotope.dat");
  SelectedElement = 1;
  ASSERT_NE(ShowElementPropertiesWindow(Frame()), nullptr);
  driver.Pump();
  const HWND window = ElementPropertiesWindow.Get()->m_hWnd;
  const HWND field = ::GetDlgItem(window, 10115);
  // key, abundance, mass, spin, frequency, receptivity, magnetic moment, quadrupole moment, gamma
  const int headingIds[] = {184, 558, 560, 562, 569, 564, 571, 575, 573};
  std::vector<int> headingLefts;
  for (const int id : headingIds) {
    RECT rect{};
    ::GetWindowRect(::GetDlgItem(window, id), &rect);
    headingLefts.push_back(rect.left);
  }
  constexpr int FixedsysCell = 8;
  size_t rowsSeen = 0;
  for (int Z = 1; Z <= 103; ++Z) {
    SelectedElement = Z;
    ElementPropertiesWindow.Get()->FillElementProperties();
    const std::vector<std::string> rows = IsotopeTableRows(Z);
    EXPECT_EQ(static_cast<size_t>(::SendMessage(field, EM_GETLINECOUNT, 0, 0)), rows.size() + 1) << Z;
    size_t rowStart = 0;
    for (size_t line = 0; line < rows.size(); ++line, ++rowsSeen) {
      EXPECT_EQ(static_cast<size_t>(::SendMessage(field, EM_LINEINDEX, line, 0)), rowStart) << rows[line];
      const std::vector<size_t> starts = ValueStarts(rows[line]);
      ASSERT_EQ(starts.size(), headingLefts.size()) << rows[line];
      for (size_t column = 0; column < starts.size(); ++column) {
        const int x = ScreenXOfCharacter(field, rowStart + starts[column]);
        EXPECT_GE(x, headingLefts[column] - FixedsysCell) << rows[line] << " value " << column;
        if (column + 1 < starts.size()) {
          EXPECT_LT(x, headingLefts[column + 1]) << rows[line] << " value " << column;
        }
      }
      rowStart += rows[line].size() + 2;
    }
  }
  EXPECT_GT(rowsSeen, 250u);
}

// Button places by the table's rule x = 2 + 20 (column - 1), y = 66 + 24 (period - 1); the
// lanthanide and actinide rows start at x 82 in column 5. Each value box stands 10 units higher.
TEST(PeriodicTemplateTest, EachElementButtonStandsInItsPeriodAndGroup) {
  RegisterProgramResources();
  const DialogTemplate* table = Resources().FindDialog("PERIODESYSTEMET");
  ASSERT_NE(table, nullptr);
  auto find = [&](int id) -> const DialogItemTemplate* {
    for (const DialogItemTemplate& item : table->items) {
      if (item.id == id) return &item;
    }
    return nullptr;
  };
  struct Place {
    int Z;
    short x;
    short y;
  };
  const Place places[] = {
      {1, 2, 66},     {2, 342, 66},   {4, 22, 90},    {5, 242, 90},   {10, 342, 90}, {11, 2, 114},
      {13, 242, 114}, {31, 242, 138}, {54, 342, 162}, {57, 42, 186},  {72, 62, 186}, {86, 342, 186},
      {87, 2, 210},   {89, 42, 210},  {58, 82, 225},  {71, 342, 225}, {90, 82, 249}, {103, 342, 249},
  };
  for (const Place& place : places) {
    const DialogItemTemplate* button = find(100 + place.Z);
    const DialogItemTemplate* box = find(500 + place.Z);
    ASSERT_TRUE(button != nullptr && box != nullptr) << place.Z;
    EXPECT_EQ(std::make_pair(button->x, button->y), std::make_pair(place.x, place.y)) << place.Z;
    EXPECT_EQ(std::make_pair(box->x, box->y), std::make_pair(place.x, static_cast<short>(place.y - 10))) << place.Z;
  }
  // No two element buttons share a place.
  std::set<std::pair<short, short>> taken;
  for (int Z = 1; Z <= 103; ++Z) EXPECT_TRUE(taken.insert({find(100 + Z)->x, find(100 + Z)->y}).second) << Z;
  const Surface* mu = Resources().FindBitmap("MU_TEGN");
  ASSERT_NE(mu, nullptr);
  Resources().Clear();
}

}  // namespace
