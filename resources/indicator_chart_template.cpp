#include "platform/win/control_constants.h"
#include "resources/dialog_templates.h"
#include "resources/indicator_chart_ids.h"
#include "resources/template_items.h"

namespace {

// The chart's bitmap is 420 x 150 pixels (240 x 92 units at this left and top), 30 pixels per pH unit.
constexpr const char* PhScale =
    "pH    0      1      2     3      4      5      6     7      8      9     10    11    12    13    14";

struct IndicatorRow {
  const char* name;
  const char* range;
  short y;  // on the middle of the row's band
};

constexpr IndicatorRow Rows[IndicatorCount] = {
    {"Alizarin-gult      ", "(10.1-12.0)", 48},
    {"Etyl-oransj       ", "(3.4-4.8)", 61},
    {"Lakmus          ", "(5-8)", 73},
    {"Fenoftalein  ", "(8.2-10.0)", 85},
    {"Bromtymol-bl\xE5tt", "(6.0-7.6)", 98},
    {"Metyl-r\xF8"
     "dt ",
     "(4.8-6.0)", 110},
    {"Metyl-oransj ", "(3.2-4.4)", 122},
};

}  // namespace

// The indicator chart: the title, a pH scale over the chart's bitmap, and beside each band of the
// bitmap the indicator's name and the range of its change.
DialogTemplate IndikatorerTemplate() {
  DialogTemplate dialog = ModalDialog("INDIKATORER", 356, 140);
  dialog.items = {
      DefaultPushButton("OK", IndicatorsOkId, 270, 4, 30, 12, HiddenDisabled),
      PushButton("Lukk", IndicatorsCloseId, 316, 4, 36, 12),
      StaticText("Syre/base-indikatorer", IndicatorsTitleId, 4, 4, 200, 14),
      StaticText(PhScale, PhScaleId, 88, 29, 266, 10),
      OwnerDrawButton("", IndicatorChartId, 108, 40, 240, 92, Shown, false),
  };
  for (int row = 0; row < IndicatorCount; ++row) {
    dialog.items.push_back(StaticText(Rows[row].name, FirstIndicatorNameId + row, 4, Rows[row].y, 62, 8));
    dialog.items.push_back(StaticText(Rows[row].range, FirstIndicatorRangeId + row, 68, Rows[row].y, 38, 8));
  }
  return dialog;
}

namespace {

constexpr MemberSetup IndikatorerMembers[] = {
    {.id = IndicatorsTitleId, .colours = ColourKind::Gray, .font = {-19}},
    // The window spaces the figures of the scale again over the chart's ticks.
    {.id = PhScaleId, .colours = ColourKind::Gray},
    {.id = IndicatorChartId, .picture = {"INDIKAT1", PictureLook::Stretched}},
    {.id = FirstIndicatorNameId, .count = IndicatorCount, .colours = ColourKind::Gray},
    {.id = FirstIndicatorRangeId, .count = IndicatorCount, .colours = ColourKind::Gray},
};

// The ranges and the pH scale read the same in both languages.
constexpr EnglishText IndikatorerEnglish[] = {
    {IndicatorsTitleId, "Acid-base indicators"},
    {FirstIndicatorNameId, "Alizarin Yellow R"},
    {FirstIndicatorNameId + 1, "Ethyl Orange"},
    {FirstIndicatorNameId + 2, "Litmus"},
    {FirstIndicatorNameId + 3, "Phenolphthalein"},
    {FirstIndicatorNameId + 4, "Bromothymol Blue"},
    {FirstIndicatorNameId + 5, "Methyl Red"},
    {FirstIndicatorNameId + 6, "Methyl Orange"},
    {IndicatorsCloseId, "Close"},
};

}  // namespace

const WindowSetup IndikatorerSetup{
    .members = IndikatorerMembers, .englishCaption = "INDICATORS", .englishTexts = IndikatorerEnglish};
