// The headings over the Fixedsys tables of the balancing window, the molecular calculator, the
// formula information and the element properties' isotope table, and the blank-spaced headings over
// the fields of the solution windows and their editors, the electrochemistry window's formula rows
// and the curve fit's texts and ranges, and the periodic table's group numbers, in both languages and
// at scales 1 and 2: measured in the painted window, every heading stands over the column of values
// or the field it names.
#include <algorithm>
#include <filesystem>
#include <fstream>
#include <limits>
#include <sstream>

#include "chemicals_database/database_group.h"
#include "periodic_table/element_properties_window.h"
#include "periodic_table/periodic_table_window.h"
#include "platform/gdi/display_scale.h"
#include "resources/acid_base_constants_editor_ids.h"
#include "resources/acid_base_ids.h"
#include "resources/balancing_ids.h"
#include "resources/dialog_templates.h"
#include "resources/indicator_chart_ids.h"
#include "resources/solubility_data_editor_ids.h"
#include "resources/solubility_ids.h"
#include "resources/element_properties_ids.h"
#include "resources/formula_info_ids.h"
#include "resources/periodic_table_ids.h"
#include "tests/app/app_fixture.h"
#include "tests/app/control_ink.h"
#include "tests/app/template_windows.h"
#include "calculators/balancing_window.h"

// The balancing window and the molecular calculator both name their example buttons FirstExampleId,
// and the curve fit names its editing buttons as the balancing window does.
namespace molecular {
#include "resources/molecular_calculator_ids.h"
}  // namespace molecular
namespace curve_fit {
#include "resources/curve_fit_ids.h"
}  // namespace curve_fit
namespace electrochemistry {
#include "resources/electrochemistry_ids.h"
}  // namespace electrochemistry

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

// Which columns of the picture hold dark text pixels inside the controls, above the row `below`.
std::vector<bool> InkedColumns(const Surface& picture, const std::vector<HWND>& controls, int below) {
  std::vector<bool> inked(static_cast<size_t>(picture.Width()), false);
  for (HWND control : controls) {
    const RECT rect = ClientInPicture(control);
    for (int y = rect.top + 1; y < std::min<int>(rect.bottom - 1, below); ++y) {
      for (int x = rect.left + 1; x < rect.right - 1; ++x) {
        if (picture.Contains(x, y) && GetRValue(picture.Pixel(x, y)) < 96) inked[static_cast<size_t>(x)] = true;
      }
    }
  }
  return inked;
}

// The runs of inked columns, runs closer than `gap` pixels joined.
std::vector<Span> InkRuns(const Surface& picture, const std::vector<HWND>& controls, int gap,
                          int below = std::numeric_limits<int>::max()) {
  const std::vector<bool> inked = InkedColumns(picture, controls, below);
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

// The words of a heading stand a blank or two apart, its parts three blanks or more (pixels at
// scale 1).
constexpr int HeadingGap = 12;
// The values of a Fixedsys table stand at least one 8-pixel blank apart, at every scale.
constexpr int TableGap = 8;

RECT WindowInPicture(HWND control) {
  RECT top{}, rect{};
  GetWindowRect(GetTopLevel(control), &top);
  GetWindowRect(control, &rect);
  OffsetRect(&rect, -top.left, -top.top);
  return rect;
}

bool Overlap(const Span& a, const Span& b) { return a.first <= b.last && b.first <= a.last; }

// Each heading, in order from the left, shares columns with the table column of the same place.
void ExpectHeadingsOverColumns(const std::vector<Span>& headings, const std::vector<Span>& columns) {
  ASSERT_EQ(headings.size(), columns.size()) << "headings" << Describe(headings) << ", columns" << Describe(columns);
  for (size_t index = 0; index < headings.size(); ++index) {
    EXPECT_TRUE(Overlap(headings[index], columns[index]))
        << "heading " << index << " at" << Describe({headings[index]}) << ", its column at" << Describe({columns[index]});
  }
}

struct Setting {
  const char* language;
  int scale;
};

class ColumnHeadingsTest : public AppTest, public ::testing::WithParamInterface<Setting> {
 protected:
  ColumnHeadingsTest() { SetDisplayScale(GetParam().scale); }
  ~ColumnHeadingsTest() override {
    Stop();
    SetDisplayScale(1);
  }
  bool Start() { return AppTest::Start(GetParam().language); }
  int Scaled(int pixels) const { return pixels * GetParam().scale; }
};

TEST_P(ColumnHeadingsTest, TheBalancingWindowsHeadingsStandOverTheAmountsTable) {
  ASSERT_TRUE(Start());
  driver.Then([this] { driver.Type(EquationFieldId, "FeS2+O2>Fe3O4+SO2"); });
  driver.Then([this] { driver.Click(CalculateBalanceId); });
  driver.Then([this] {
    const HWND window = GetActiveWindow();
    const Surface picture = PaintedPicture(window);
    const std::vector<Span> headings = InkRuns(picture, {GetDlgItem(window, TableHeadingsId)}, Scaled(HeadingGap));
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
  ASSERT_TRUE(Start());
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

// The composition tables of the molecular calculator and the formula information write each atom's
// symbol, count, mass and mass per cent at the edit's tab stops 0, 1, 3 and 5; each word group of
// the heading starts over the first figures of its column.
void ExpectHeadingsStartOverTabColumns(HWND window, int headingId, int tableId, int scale) {
  const Surface picture = PaintedPicture(window);
  const std::vector<Span> headings = InkRuns(picture, {GetDlgItem(window, headingId)}, HeadingGap * scale);
  const std::vector<Span> columns = InkRuns(picture, {GetDlgItem(window, tableId)}, TableGap);
  ASSERT_EQ(headings.size(), columns.size()) << "headings" << Describe(headings) << ", columns" << Describe(columns);
  // A letter's ink may begin a pixel or two before the column's first digit.
  const int bearing = 2 * scale;
  for (size_t index = 0; index < headings.size(); ++index) {
    EXPECT_GE(headings[index].first, columns[index].first - bearing)
        << "heading " << index << " at" << Describe({headings[index]}) << ", its column at" << Describe({columns[index]});
    EXPECT_LE(headings[index].first, columns[index].last)
        << "heading " << index << " at" << Describe({headings[index]}) << ", its column at" << Describe({columns[index]});
  }
}

TEST_P(ColumnHeadingsTest, TheMolecularCalculatorsHeadingsStartOverTheirColumns) {
  ASSERT_TRUE(Start());
  WithTemplateWindow(driver, Frame(), MolekylkalkulatorTemplateName,
                     {[this] { driver.Type(molecular::MoleculeFormulaId, "H2SO4"); },
                      [this] { driver.Click(molecular::CalculateMoleculeId); },
                      [this] {
                        ExpectHeadingsStartOverTabColumns(GetActiveWindow(), molecular::CompositionHeadingId,
                                                          molecular::CompositionId, GetParam().scale);
                      }});
}

// The formula information of the database record's formula.
TEST_P(ColumnHeadingsTest, TheFormulaInformationsHeadingsStartOverTheirColumns) {
  ASSERT_TRUE(Start());
  CurrentFormulaText = "C12H22O11";
  WithTemplateWindow(driver, Frame(), FormelinfoTemplateName, {[this] {
                       ExpectHeadingsStartOverTabColumns(GetActiveWindow(), FormulaInfoHeadingId, FormulaInfoTableId,
                                                         GetParam().scale);
                     }});
  CurrentFormulaText.clear();
}

// A word group that names no field: the operators of a formula written over its fields, a label.
constexpr int NoField = 0;

struct FieldHeadings {
  const char* templateName;
  int headingId;
  std::vector<int> fieldIds;  // the field each word group of the heading names, from the left
};

const FieldHeadings FieldHeadingTable[] = {
    {SoluprodTemplateName, SaltColumnHeadsId, {SaltFormulaId, CationFieldId, AnionFieldId, CrystalWaterFieldId}},
    {SoludataTemplateName,
     SoludataColumnHeadsId,
     {SoludataFormulaId, SoludataCationId, SoludataAnionId, SoludataCrystalWaterId}},
    {SyrebaseTemplateName, AcidColumnHeadsId, {AcidFormulaId, AcidIonFieldId}},
    {SyrekonstTemplateName, SyrekonstColumnHeadsId, {SyrekonstFormulaId, SyrekonstIonId}},
    // "G = -n * F *" and "G = R * T *" over the Gibbs energy, the electrons, Faraday's constant, the
    // gas constant and the temperature.
    {RedoksTemplateName,
     electrochemistry::GibbsRowTextId,
     {electrochemistry::GibbsEnergyFieldId, NoField, electrochemistry::ElectronsFieldId, NoField,
      electrochemistry::ElectronsUnitId, NoField}},
    {RedoksTemplateName,
     electrochemistry::EquilibriumRowTextId,
     {electrochemistry::EquilibriumGibbsFieldId, NoField, electrochemistry::GasConstantId, NoField,
      electrochemistry::TemperatureFieldId, NoField}},
    // The curve fit's group-box captions over the plot's texts and ranges.
    {FuncplotTemplateName,
     curve_fit::TextHeadingsId,
     {NoField, curve_fit::TitleFieldId, curve_fit::XAxisFieldId, curve_fit::YAxisFieldId}},
    {FuncplotTemplateName,
     curve_fit::RangeHeadingsId,
     {curve_fit::XMinFieldId, curve_fit::XMaxFieldId, curve_fit::YMinFieldId, curve_fit::YMaxFieldId}},
};

TEST_P(ColumnHeadingsTest, EachWordGroupOfAFieldHeadingStartsWithinTheFieldItNames) {
  ASSERT_TRUE(Start());
  for (const FieldHeadings& row : FieldHeadingTable) {
    SCOPED_TRACE(row.templateName);
    WithTemplateWindow(driver, Frame(), row.templateName, {[&] {
                         const HWND window = GetActiveWindow();
                         const Surface picture = PaintedPicture(window);
                         // A group box's caption is its ink above the fields it holds.
                         int fieldsTop = std::numeric_limits<int>::max();
                         for (int id : row.fieldIds) {
                           if (id != NoField) fieldsTop = std::min<int>(fieldsTop, WindowInPicture(GetDlgItem(window, id)).top);
                         }
                         const std::vector<Span> groups =
                             InkRuns(picture, {GetDlgItem(window, row.headingId)}, Scaled(HeadingGap), fieldsTop);
                         ASSERT_EQ(groups.size(), row.fieldIds.size())
                             << "heading " << row.headingId << ", word groups" << Describe(groups);
                         for (size_t index = 0; index < groups.size(); ++index) {
                           if (row.fieldIds[index] == NoField) continue;
                           const RECT field = WindowInPicture(GetDlgItem(window, row.fieldIds[index]));
                           EXPECT_TRUE(groups[index].first >= field.left && groups[index].first < field.right)
                               << "heading " << row.headingId << ": word group " << index << " starts at "
                               << groups[index].first << ", its field " << row.fieldIds[index] << " spans ["
                               << field.left << ", " << field.right << ")";
                         }
                       }});
  }
}

// The periodic table's headings of group numbers and the element columns they name, from the left.
struct GroupNumbers {
  int headingId;
  int firstColumn;
  int lastColumn;
};

const GroupNumbers GroupNumberTable[] = {
    {Group1LabelId, 1, 1},         {Group2LabelId, 2, 2},   {Groups3To12LabelId, 3, 12},
    {Groups13To17LabelId, 13, 17}, {Group18LabelId, 18, 18},
};

// Each group number stands as its own run of ink, clear of its neighbours, its middle over the middle
// of its element column (the period 4 element of column c is Z = 18 + c).
TEST_P(ColumnHeadingsTest, EachGroupNumberOfThePeriodicTableIsCentredOverItsColumn) {
  ASSERT_TRUE(Start());
  WithTemplateWindow(driver, Frame(), PeriodesystemetTemplateName, {[this] {
                       const HWND window = GetActiveWindow();
                       const Surface picture = PaintedPicture(window);
                       // Pixels (of the window, at every scale): the letters of a number stand at most two
                       // apart, two numbers four or more; a middle may miss its column's by a blank.
                       constexpr int numberGap = 4;
                       constexpr int blank = 3;
                       for (const GroupNumbers& row : GroupNumberTable) {
                         const std::vector<Span> numbers =
                             InkRuns(picture, {GetDlgItem(window, row.headingId)}, numberGap);
                         if (numbers.size() != static_cast<size_t>(row.lastColumn - row.firstColumn + 1)) {
                           ADD_FAILURE() << "heading " << row.headingId << " of the groups " << row.firstColumn
                                         << " to " << row.lastColumn << ", numbers" << Describe(numbers);
                           continue;
                         }
                         for (int column = row.firstColumn; column <= row.lastColumn; ++column) {
                           const Span& number = numbers[static_cast<size_t>(column - row.firstColumn)];
                           const RECT button = WindowInPicture(GetDlgItem(window, ElementButtonBaseId + 18 + column));
                           const double middle = (number.first + number.last + 1) / 2.0;
                           EXPECT_NEAR(middle, (button.left + button.right) / 2.0, blank)
                               << "group " << column << " at" << Describe({number}) << ", its column at ["
                               << button.left << ", " << button.right << ")";
                         }
                       }
                     }});
}

// The indicator chart's ruler has a black tick at every pH unit from 0 to 14; the figure of each
// unit stands centred over its tick.
TEST_P(ColumnHeadingsTest, EachPhFigureOfTheIndicatorChartIsCentredOnItsTick) {
  ASSERT_TRUE(Start());
  WithTemplateWindow(driver, Frame(), IndikatorerTemplateName, {[this] {
                       const HWND window = GetActiveWindow();
                       const Surface picture = PaintedPicture(window);
                       std::vector<Span> figures =
                           InkRuns(picture, {GetDlgItem(window, PhScaleId)}, Scaled(HeadingGap) / 2);
                       ASSERT_FALSE(figures.empty());
                       figures.erase(figures.begin());  // "pH"
                       // The ruler is the row of the chart with the most black pixels.
                       const RECT chart = ClientInPicture(GetDlgItem(window, IndicatorChartId));
                       std::vector<int> ticks;
                       for (int y = chart.top; y < chart.top + (chart.bottom - chart.top) / 10; ++y) {
                         std::vector<int> black;
                         for (int x = chart.left; x < chart.right; ++x) {
                           if (picture.Pixel(x, y) == RGB(0, 0, 0) &&
                               (black.empty() || black.back() != x - 1))
                             black.push_back(x);
                         }
                         if (black.size() > ticks.size()) ticks = black;
                       }
                       ASSERT_GE(ticks.size(), 15u);
                       ASSERT_EQ(figures.size(), 15u) << Describe(figures);
                       for (size_t ph = 0; ph < figures.size(); ++ph) {
                         const double centre = (figures[ph].first + figures[ph].last + 1) / 2.0;
                         EXPECT_NEAR(centre, ticks[ph] + 0.5, 2.0) << "pH " << ph;
                       }
                     }});
}

INSTANTIATE_TEST_SUITE_P(BothLanguagesAtScalesOneAndTwo, ColumnHeadingsTest,
                         ::testing::Values(Setting{"47", 1}, Setting{"44", 1}, Setting{"47", 2}, Setting{"44", 2}),
                         [](const ::testing::TestParamInfo<Setting>& info) {
                           return std::string(info.param.language) + "AtScale" + std::to_string(info.param.scale);
                         });

}  // namespace
