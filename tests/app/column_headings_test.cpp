// The headings over the Fixedsys tables of the balancing window and of the element properties'
// isotope table, in both languages: measured in the painted window, every heading stands over the
// column of values it names.
#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "periodic_table/element_properties_window.h"
#include "periodic_table/periodic_table_window.h"
#include "resources/balancing_ids.h"
#include "resources/element_properties_ids.h"
#include "tests/app/app_fixture.h"
#include "tests/app/control_ink.h"
#include "calculators/balancing_window.h"

namespace {

struct Span {
  int first = 0;
  int last = 0;
};

std::string Describe(const std::vector<Span>& spans) {
  std::ostringstream text;
  for (const Span& span : spans) text << " [" << span.first << ", " << span.last << "]";
  return text.str();
}

// The control's client area in the picture of its top-level window, its frame and scroll bars
// left out.
RECT ClientInPicture(HWND control) {
  RECT top{}, client{};
  GetWindowRect(GetTopLevel(control), &top);
  GetClientRect(control, &client);
  POINT corner{0, 0};
  ClientToScreen(control, &corner);
  OffsetRect(&client, corner.x - top.left, corner.y - top.top);
  return client;
}

// Which columns of the picture hold dark text pixels inside the controls.
std::vector<bool> InkedColumns(const Surface& picture, const std::vector<HWND>& controls) {
  std::vector<bool> inked(static_cast<size_t>(picture.Width()), false);
  for (HWND control : controls) {
    const RECT rect = ClientInPicture(control);
    for (int y = rect.top + 1; y < rect.bottom - 1; ++y) {
      for (int x = rect.left + 1; x < rect.right - 1; ++x) {
        if (picture.Contains(x, y) && GetRValue(picture.Pixel(x, y)) < 96) inked[static_cast<size_t>(x)] = true;
      }
    }
  }
  return inked;
}

// The runs of inked columns, runs closer than `gap` pixels joined.
std::vector<Span> InkRuns(const Surface& picture, const std::vector<HWND>& controls, int gap) {
  const std::vector<bool> inked = InkedColumns(picture, controls);
  std::vector<Span> runs;
  for (int x = 0; x < picture.Width(); ++x) {
    if (!inked[static_cast<size_t>(x)]) continue;
    if (!runs.empty() && x - runs.back().last < gap) {
      runs.back().last = x;
    } else {
      runs.push_back({x, x});
    }
  }
  return runs;
}

// The words of a heading stand a blank or two apart, its parts three blanks or more.
constexpr int HeadingGap = 12;
// The values of a Fixedsys table stand at least one 8-pixel blank apart.
constexpr int TableGap = 8;

bool Overlap(const Span& a, const Span& b) { return a.first <= b.last && b.first <= a.last; }

// Each heading, in order from the left, shares columns with the table column of the same place.
void ExpectHeadingsOverColumns(const std::vector<Span>& headings, const std::vector<Span>& columns) {
  ASSERT_EQ(headings.size(), columns.size()) << "headings" << Describe(headings) << ", columns" << Describe(columns);
  for (size_t index = 0; index < headings.size(); ++index) {
    EXPECT_TRUE(Overlap(headings[index], columns[index]))
        << "heading " << index << " at" << Describe({headings[index]}) << ", its column at" << Describe({columns[index]});
  }
}

class ColumnHeadingsTest : public AppTest, public ::testing::WithParamInterface<const char*> {};

TEST_P(ColumnHeadingsTest, TheBalancingWindowsHeadingsStandOverTheAmountsTable) {
  ASSERT_TRUE(Start(GetParam()));
  driver.Then([this] { driver.Type(EquationFieldId, "FeS2+O2>Fe3O4+SO2"); });
  driver.Then([this] { driver.Click(CalculateBalanceId); });
  driver.Then([this] {
    const HWND window = GetActiveWindow();
    const Surface picture = PaintedPicture(window);
    const std::vector<Span> headings = InkRuns(picture, {GetDlgItem(window, TableHeadingsId)}, HeadingGap);
    const std::vector<Span> columns = InkRuns(picture, {GetDlgItem(window, AmountsTableId)}, TableGap);
    ExpectHeadingsOverColumns(headings, columns);
  });
  driver.Then([this] { driver.Key("Escape"); });
  OpenBalanceDialog(Frame());
}

// Oxygen's three stable isotopes, the rarest with every value of the table.
constexpr const char* OxygenIsotopes =
    "\\\nO[16]\n0\n99.757\n\n\n\n\n\nfixture\n"
    "\\\nO[17]\n5/2\n0.038\n-3.628\n1.1E-05\n-1.894\n-0.026\n13.56\nfixture\n"
    "\\\nO[18]\n0\n0.205\n\n\n\n\n\nfixture\n"
    "\\\n";

TEST_P(ColumnHeadingsTest, TheIsotopeTablesHeadingsStandOverTheirColumns) {
  const std::filesystem::path atomdata = folder.Path() / "dats" / "datfiles" / "atomdata";
  std::filesystem::create_directories(atomdata);
  std::ofstream(atomdata / "isotope.dat", std::ios::binary) << OxygenIsotopes;
  ASSERT_TRUE(Start(GetParam()));
  SelectedElement = 8;
  ShowElementPropertiesWindow(Frame());
  driver.Pump();
  ASSERT_TRUE(driver.Click(IsotopeViewRadioId)) << driver.LastError();
  const HWND window = GetActiveWindow();
  const Surface picture = PaintedPicture(window);
  // Each column's heading is its upper and lower static together.
  const std::pair<int, int> headingIds[] = {
      {FirstColumnUpperId, FirstColumnLowerId}, {AbundanceUpperId, AbundanceLowerId}, {MassUpperId, MassLowerId},
      {SpinUpperId, SpinLowerId},               {FrequencyUpperId, FrequencyLowerId}, {ReceptivityUpperId, ReceptivityLowerId},
      {MomentUpperId, MomentLowerId},           {QuadrupoleUpperId, QuadrupoleLowerId}, {GyromagneticUpperId, GyromagneticLowerId}};
  std::vector<Span> headings;
  for (const auto& [upper, lower] : headingIds) {
    const std::vector<Span> runs =
        InkRuns(picture, {GetDlgItem(window, upper), GetDlgItem(window, lower)}, picture.Width());
    ASSERT_EQ(runs.size(), 1u) << upper;
    headings.push_back(runs.front());
  }
  std::ranges::sort(headings, {}, &Span::first);
  const std::vector<Span> columns = InkRuns(picture, {GetDlgItem(window, IsotopeOrHistoryTextId)}, TableGap);
  ExpectHeadingsOverColumns(headings, columns);
  DestroyWindow(window);
  driver.Pump();
}

INSTANTIATE_TEST_SUITE_P(BothLanguages, ColumnHeadingsTest, ::testing::Values("47", "44"));

}  // namespace
