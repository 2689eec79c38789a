// The raised and lowered marks of the conversion window's unit labels (the "2" of "N/m2", the "o" of
// "Celsius ( C)"), in both languages and at scales 1 and 2: measured in the painted window, each
// mark's ink and the rectangle it paints its background in stand a free column clear of its label's
// letters, and every letter of the label is seen whole.
#include <algorithm>
#include <set>
#include <string>

#include "platform/gdi/display_scale.h"
#include "resources/dialog_templates.h"
#include "resources/unit_conversion_ids.h"
#include "tests/app/app_fixture.h"
#include "tests/app/control_ink.h"
#include "tests/app/template_windows.h"

namespace {

struct UnitMark {
  int markId;
  int labelId;
};

const UnitMark ConversionMarks[] = {
    {CelsiusDegreeId, CelsiusLabelId},
    {FahrenheitDegreeId, FahrenheitLabelId},
    {PascalSquareId, PascalLabelId},
    {PoundalPerSquareFootSquareId, PoundalPerSquareFootLabelId},
    {PoundForcePerSquareFootSquareId, PoundForcePerSquareFootLabelId},
    {InchOfWaterSubscriptId, InchOfWaterLabelId},
    {FootOfWaterSubscriptId, FootOfWaterLabelId},
    {PoundForcePerSquareInchSquareId, PoundForcePerSquareInchLabelId},
    {TonForcePerSquareFootSquareId, TonForcePerSquareFootLabelId},
    {TonForcePerSquareInchSquareId, TonForcePerSquareInchLabelId},
};

// The smallest difference in one colour channel at which a pixel is no longer the ink painted there.
constexpr int SeenDifference = 96;

const ControlInk& InkOf(const std::vector<ControlInk>& controls, int id) {
  const auto found = std::ranges::find(controls, id, &ControlInk::id);
  EXPECT_NE(found, controls.end()) << "no ink measured for " << id;
  static const ControlInk none;
  return found != controls.end() ? *found : none;
}

std::set<int> Columns(const ControlInk& control) {
  std::set<int> columns;
  for (const InkPoint& point : control.ink) columns.insert(point.x);
  return columns;
}

bool HasColumnIn(const std::set<int>& columns, int from, int to) {
  const auto found = columns.lower_bound(from);
  return found != columns.end() && *found <= to;
}

bool Seen(const Surface& picture, const InkPoint& point) {
  if (point.x < 0 || point.y < 0 || point.x >= picture.DeviceWidth() || point.y >= picture.DeviceHeight()) return false;
  const COLORREF seen = picture.DevicePixel(point.x, point.y);
  return std::max({std::abs(GetRValue(seen) - GetRValue(point.colour)), std::abs(GetGValue(seen) - GetGValue(point.colour)),
                   std::abs(GetBValue(seen) - GetBValue(point.colour))}) < SeenDifference;
}

struct Setting {
  const char* language;
  int scale;
};

class UnitMarksTest : public AppTest, public ::testing::WithParamInterface<Setting> {
 protected:
  UnitMarksTest() { SetDisplayScale(GetParam().scale); }
  ~UnitMarksTest() override {
    Stop();
    SetDisplayScale(1);
  }
};

TEST_P(UnitMarksTest, EachMarkStandsClearOfItsLabelsLettersAndLeavesThemWhole) {
  ASSERT_TRUE(Start(GetParam().language));
  WithTemplateWindow(driver, Frame(), ConvertTemplateName, {[] {
                       const HWND window = GetActiveWindow();
                       const Surface picture = PaintedPicture(window);
                       const std::vector<ControlInk> controls = MeasureControlInk(window);
                       for (const auto& [markId, labelId] : ConversionMarks) {
                         const ControlInk& label = InkOf(controls, labelId);
                         const ControlInk& mark = InkOf(controls, markId);
                         const std::set<int> letters = Columns(label);
                         const std::set<int> markColumns = Columns(mark);
                         ASSERT_FALSE(letters.empty() || markColumns.empty()) << markId;
                         const auto describe = [&](const char* what, int from, int to) {
                           return std::string("the ") + what + " of the mark " + std::to_string(markId) + " \"" +
                                  mark.text + "\" reaches columns [" + std::to_string(from) + ", " +
                                  std::to_string(to) + "] that hold letters of \"" + label.text + "\"";
                         };
                         // The mark's ink keeps a free column on either side.
                         const int inkFrom = *markColumns.begin() - 1, inkTo = *markColumns.rbegin() + 1;
                         EXPECT_FALSE(HasColumnIn(letters, inkFrom, inkTo)) << describe("ink", inkFrom, inkTo);
                         // The mark paints its background over its whole rectangle.
                         const int boxFrom = mark.shown.left, boxTo = mark.shown.right - 1;
                         EXPECT_FALSE(HasColumnIn(letters, boxFrom, boxTo)) << describe("rectangle", boxFrom, boxTo);
                         const auto hidden = std::ranges::count_if(
                             label.ink, [&](const InkPoint& point) { return !Seen(picture, point); });
                         EXPECT_EQ(hidden, 0) << "pixels of \"" << label.text << "\" not seen beside the mark " << markId;
                       }
                     }});
}

INSTANTIATE_TEST_SUITE_P(BothLanguagesAtScalesOneAndTwo, UnitMarksTest,
                         ::testing::Values(Setting{"47", 1}, Setting{"44", 1}, Setting{"47", 2}, Setting{"44", 2}),
                         [](const ::testing::TestParamInfo<Setting>& info) {
                           return std::string(info.param.language) + "AtScale" + std::to_string(info.param.scale);
                         });

}  // namespace
