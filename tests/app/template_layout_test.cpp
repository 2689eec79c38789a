// Every dialog template of the program, opened as its window in both languages and painted: no
// control's text is cut by its rectangle, at scales 1 and 2, or hidden under another control, no
// two controls' texts overlap, no text stands on a group box's frame, and every small raised or
// lowered static stands in a run of blanks of the caption it is laid over.
#include <algorithm>
#include <map>
#include <set>
#include <span>
#include <sstream>

#include "engine/settings/settings.h"
#include "platform/gdi/display_scale.h"
#include "platform/win/resources.h"
#include "resources/dialog_templates.h"
#include "resources/template_items.h"
#include "tests/app/app_fixture.h"
#include "tests/app/control_ink.h"
#include "tests/app/template_windows.h"

namespace {

struct Exception {
  const char* templateName;
  int id;
  const char* reason;
};

// Exponents that stand after the caption's last letters although a wide run of blanks before those
// letters holds no small static.
const std::vector<Exception> AfterTheCaption = {
    {"PERIODESYSTEMET", 627, "g/cm3: the blanks part the name from its unit"},
    {"PERSYSGRAF", 119, "g/cm3: the blanks part the name from its unit"},
    {"SOLUDATA", 110, "Ksp: the blanks part the name from its symbol"},
};

// Texts wider than the rectangles their layouts give them, in the dialog face whose average letter
// is one base unit; the layouts cut them (a group box's frame crosses the end of its caption).
const std::vector<Exception> CutByTheirLayout = {};

bool Listed(std::span<const Exception> table, const std::string& templateName, int id) {
  return std::ranges::any_of(table, [&](const Exception& row) { return templateName == row.templateName && id == row.id; });
}

// A static of one to three characters laid over another control's caption is a raised or lowered
// part of it: a degree sign, an exponent.
bool IsSmallStatic(const ControlInk& control) { return control.className == "STATIC" && control.text.size() <= 3; }

std::string Describe(const ControlInk& control) { return std::to_string(control.id) + " \"" + control.text + "\""; }

class LayoutChecks {
 public:
  LayoutChecks(std::string window, const Surface& picture, std::vector<ControlInk> controls)
      : window_(std::move(window)), picture_(picture), controls_(std::move(controls)) {}

  std::vector<std::string> CutTexts() {
    for (const ControlInk& control : controls_) CheckCut(control);
    return faults_;
  }

  std::vector<std::string> MisplacedTexts() {
    for (const ControlInk& control : controls_) CheckHidden(control);
    CheckOverlaps();
    for (const ControlInk& control : controls_) CheckOffTheFrames(control);
    for (const ControlInk& control : controls_) {
      if (IsSmallStatic(control)) CheckInBlankRun(control);
    }
    return faults_;
  }

 private:
  void Fault(const ControlInk& control, const std::string& what) {
    faults_.push_back(window_ + ": " + Describe(control) + " " + what);
  }

  void CheckCut(const ControlInk& control) {
    if (Listed(CutByTheirLayout, TemplateOf(), control.id)) return;
    int left = 0, right = 0, above = 0, below = 0;
    for (const InkPoint& point : control.ink) {
      if (control.Shows(point.x, point.y)) continue;
      left += point.x < control.shown.left ? 1 : 0;
      right += point.x >= control.shown.right ? 1 : 0;
      above += point.y < control.shown.top ? 1 : 0;
      below += point.y >= control.shown.bottom ? 1 : 0;
    }
    const std::size_t clipped = control.inkWhole > control.inkAtItsSize ? control.inkWhole - control.inkAtItsSize : 0;
    if (left + right + above + below == 0 && clipped == 0) return;
    std::ostringstream what;
    what << "is cut by its rectangle: ink left " << left << ", right " << right << ", above " << above << ", below "
         << below << "; " << clipped << " pixels clipped";
    Fault(control, what.str());
  }

  // What the control paints of its text must be seen in the dialog.
  void CheckHidden(const ControlInk& control) {
    if (Listed(CutByTheirLayout, TemplateOf(), control.id)) return;
    int hidden = 0;
    const ControlInk* cover = nullptr;
    for (const InkPoint& point : control.ink) {
      if (!control.Shows(point.x, point.y) || !InPicture(point)) continue;
      const COLORREF seen = picture_.DevicePixel(point.x, point.y);
      if (std::max({std::abs(GetRValue(seen) - GetRValue(point.colour)), std::abs(GetGValue(seen) - GetGValue(point.colour)),
                    std::abs(GetBValue(seen) - GetBValue(point.colour))}) < 96) {
        continue;
      }
      ++hidden;
      for (const ControlInk& other : controls_) {
        if (&other != &control && other.Shows(point.x, point.y)) cover = &other;
      }
    }
    if (hidden == 0) return;
    Fault(control, "is hidden in " + std::to_string(hidden) + " pixels" +
                       (cover != nullptr ? " under " + Describe(*cover) : std::string()));
  }

  void CheckOverlaps() {
    std::map<std::pair<int, int>, const ControlInk*> owner;
    std::set<std::pair<const ControlInk*, const ControlInk*>> reported;
    for (const ControlInk& control : controls_) {
      for (const InkPoint& point : control.ink) {
        if (!control.Shows(point.x, point.y)) continue;
        auto [found, added] = owner.try_emplace({point.x, point.y}, &control);
        if (added || found->second == &control || !reported.insert({found->second, &control}).second) continue;
        Fault(control, "overlaps the text of " + Describe(*found->second));
      }
    }
  }

  // No pixel of the text on the etched lines of another control's group box. A group box without a
  // caption is left out: the controls laid on its top line are its captions (the element
  // properties' two radio buttons).
  void CheckOffTheFrames(const ControlInk& control) {
    for (const ControlInk& group : controls_) {
      if (&group == &control || group.frameLines.empty()) continue;
      const auto onTheFrame = std::ranges::count_if(control.ink, [&](const InkPoint& point) {
        return control.Shows(point.x, point.y) && std::ranges::any_of(group.frameLines, [&](const RECT& line) {
                 return point.x >= line.left && point.x < line.right && point.y >= line.top && point.y < line.bottom;
               });
      });
      if (onTheFrame > 0) {
        Fault(control, "stands on the frame of " + Describe(group) + " in " + std::to_string(onTheFrame) + " pixels");
      }
    }
  }

  bool InPicture(const InkPoint& point) const {
    return point.x >= 0 && point.y >= 0 && point.x < picture_.DeviceWidth() && point.y < picture_.DeviceHeight();
  }

  // The caption a small static is laid over: of the other controls (not group boxes) that reach to
  // within a blank of it sideways, the one whose rows it shares the most, at least a third of its
  // own; a mark that only touches the last rows of the line above is not laid over that line.
  const ControlInk* CaptionUnder(const ControlInk& small) const {
    const ControlInk* caption = nullptr;
    long most = (small.shown.bottom - small.shown.top + 2) / 3 - 1;
    for (const ControlInk& other : controls_) {
      if (&other == &small || other.text.size() <= small.text.size() || other.isGroupBox) continue;
      const long rows = std::min(other.shown.bottom, small.shown.bottom) - std::max(other.shown.top, small.shown.top);
      const bool near = other.shown.left <= small.shown.left && small.shown.left <= other.shown.right + other.blankWidth;
      if (near && rows > most) {
        most = rows;
        caption = &other;
      }
    }
    return caption;
  }

  // The small static's ink stands in a gap of the caption's ink, a free column on either side.
  // Past the caption's end it may stand only when no wide gap (three blanks or more) is left empty
  // to the right of the gaps the caption's other small statics stand in.
  void CheckInBlankRun(const ControlInk& small) {
    const ControlInk* caption = CaptionUnder(small);
    if (caption == nullptr) return;
    const std::set<int> columns = InkColumns(*caption);
    const auto [first, last] = Span(small);
    if (last < 0 || columns.empty()) return;
    const auto inside = columns.lower_bound(first - 1);
    if (inside != columns.end() && *inside <= last + 1) {
      Fault(small, "stands on the letters of " + Describe(*caption));
      return;
    }
    if (*columns.begin() > first) {
      Fault(small, "stands before the caption " + Describe(*caption));
      return;
    }
    if (*columns.rbegin() > last || Listed(AfterTheCaption, TemplateOf(), small.id)) return;
    int occupiedUpTo = *columns.begin();
    for (const ControlInk& other : controls_) {
      if (&other == &small || !IsSmallStatic(other) || CaptionUnder(other) != caption) continue;
      const auto [from, to] = Span(other);
      if (to >= 0 && to < *columns.rbegin()) occupiedUpTo = std::max(occupiedUpTo, to);
    }
    for (auto column = columns.lower_bound(occupiedUpTo); column != columns.end(); ++column) {
      const auto next = std::next(column);
      if (next != columns.end() && *next - *column - 1 > 2 * caption->blankWidth + 2) {
        Fault(small, "stands after the caption " + Describe(*caption) + " while a gap of its blanks is empty");
        return;
      }
    }
  }

  static std::set<int> InkColumns(const ControlInk& control) {
    std::set<int> columns;
    for (const InkPoint& point : control.ink) {
      if (control.Shows(point.x, point.y)) columns.insert(point.x);
    }
    return columns;
  }

  // The first and last column of a control's visible ink; last is -1 when it shows none.
  static std::pair<int, int> Span(const ControlInk& control) {
    int first = 1 << 30, last = -1;
    for (const InkPoint& point : control.ink) {
      if (!control.Shows(point.x, point.y)) continue;
      first = std::min(first, point.x);
      last = std::max(last, point.x);
    }
    return {first, last};
  }

  std::string TemplateOf() const { return window_.substr(0, window_.find(' ')); }

  std::string window_;
  const Surface& picture_;
  std::vector<ControlInk> controls_;
  std::vector<std::string> faults_;
};

enum class Check { Cut, Placement };

std::vector<std::string> CheckDialog(HWND dialog, const std::string& window, Check check) {
  const Surface picture = PaintedPicture(GetTopLevel(dialog));
  LayoutChecks checks(window, picture, MeasureControlInk(dialog));
  return check == Check::Cut ? checks.CutTexts() : checks.MisplacedTexts();
}

class TemplateLayoutTest : public AppTest {
 protected:
  // The launcher form inside the main frame; null when the frame shows none.
  HWND FormWindow() const {
    for (HWND child = GetWindow(Frame()->m_hWnd, GW_CHILD); child != nullptr; child = GetWindow(child, GW_HWNDNEXT)) {
      if (GetTemplateName(child) == ClientTemplateName) return child;
    }
    return nullptr;
  }

  // Every registered template's window in the language of the settings, checked; the faults found.
  std::vector<std::string> CheckEveryTemplate(Check what) {
    std::vector<std::string> faults;
    for (const ResourceName& name : Resources().DialogNames()) {
      if (name.Text() == ClientTemplateName) {
        if (FormWindow() == nullptr) {
          faults.push_back(WindowName(ClientTemplateName) + ": the form did not open");
          continue;
        }
        for (std::string& fault : CheckDialog(FormWindow(), WindowName(ClientTemplateName), what)) {
          faults.push_back(std::move(fault));
        }
        continue;
      }
      Open(name.Text(), what, faults);
    }
    return faults;
  }

  static std::string WindowName(const std::string& name) {
    return name + (LanguageCode == EnglishLanguage ? " (English)" : " (Norwegian)");
  }

  static std::string Listing(const std::vector<std::string>& faults) {
    std::string all = std::to_string(faults.size()) + " faults:\n";
    for (const std::string& fault : faults) all += fault + "\n";
    return all;
  }

  void Open(const std::string& name, Check what, std::vector<std::string>& faults) {
    const std::string window = WindowName(name);
    WithTemplateWindow(driver, Frame(), name, {[&, window, name, what] {
      const HWND active = GetActiveWindow();
      if (GetTemplateName(active) != name) {
        faults.push_back(window + ": the window did not open");
        return;
      }
      for (std::string& fault : CheckDialog(active, window, what)) faults.push_back(std::move(fault));
    }});
  }
};

struct Setting {
  const char* language;
  int scale;
};

std::string SettingName(const ::testing::TestParamInfo<Setting>& info) {
  return std::string(info.param.language == std::string("44") ? "English" : "Norwegian") + "AtScale" +
         std::to_string(info.param.scale);
}

class ScaledTemplateTest : public TemplateLayoutTest, public ::testing::WithParamInterface<Setting> {
 protected:
  ~ScaledTemplateTest() override {
    Stop();
    SetDisplayScale(1);
  }
  bool Start() {
    SetDisplayScale(GetParam().scale);
    return AppTest::Start(GetParam().language);
  }
};

class ProbeTest : public ScaledTemplateTest {};
class TemplateCutTest : public ScaledTemplateTest {};
class TemplatePlacementTest : public ScaledTemplateTest {};

// The checks themselves, on a small template of faults: a word wider than its static, a degree
// sign on the letters of its caption, another one past the end of a caption whose gap is empty, a
// group box's caption under the end of its frame, a check box on a frame's top line, descenders
// below a low button's face at both scales and below a higher one's at scale 2 only, and texts
// that fit.
TEST_P(ProbeTest, TheChecksFindTextsCutAndStaticsBesideTheirGapsOrOnFrames) {
  DialogTemplate probe = ModalDialog("PROBE", 200, 120);
  probe.items = {
      StaticText("Wasserstoffperoksid", 10, 4, 4, 20, 8),
      RadioButton("Smeltepunkt    C", 20, 4, 20, 100, 10, true),
      StaticText("o", 21, 17, 18, 4, 7),
      RadioButton("Kokepunkt      C", 30, 4, 36, 100, 10, false),
      StaticText("o", 31, 90, 34, 4, 7),
      StaticText("Lukk", 40, 4, 52, 60, 8),
      GroupBox("Absorb.area (wave numbers)", 50, 4, 62, 99, 24),
      Item("BUTTON", "Vis isotopformel", 61, Shown | BS_AUTOCHECKBOX, 120, 62, 67, 8),
      GroupBox("MS", 60, 110, 62, 86, 24),
      PushButton("Klargj\xF8re ny post", 70, 4, 90, 63, 10),
      PushButton("Fjerne s\xF8ketekst", 71, 70, 90, 72, 11),
      PushButton("Fjerne s\xF8ketekst", 72, 70, 104, 72, 12),
  };
  Resources().AddDialog("PROBE", std::move(probe));
  ASSERT_TRUE(Start());
  std::vector<std::string> cut, placement;
  Open("PROBE", Check::Cut, cut);
  Open("PROBE", Check::Placement, placement);
  auto names = [](const std::vector<std::string>& faults, const std::string& text) {
    return std::ranges::count_if(faults, [&](const std::string& fault) { return fault.find(text) != std::string::npos; });
  };
  EXPECT_EQ(names(cut, "10 \"Wasserstoffperoksid\" is cut by its rectangle"), 1) << Listing(cut);
  EXPECT_EQ(names(cut, "50 \"Absorb.area (wave numbers)\" is cut by its rectangle"), 1) << Listing(cut);
  EXPECT_EQ(names(cut, "70 \"Klargj\xF8re ny post\" is cut by its rectangle"), 1) << Listing(cut);
  const bool twice = GetParam().scale == 2;
  EXPECT_EQ(names(cut, "71 \"Fjerne s\xF8ketekst\" is cut by its rectangle"), twice ? 1 : 0) << Listing(cut);
  EXPECT_EQ(cut.size(), twice ? 4u : 3u) << Listing(cut);
  EXPECT_EQ(names(placement, "21 \"o\" stands on the letters of 20"), 1) << Listing(placement);
  EXPECT_EQ(names(placement, "31 \"o\" stands after the caption 30"), 1) << Listing(placement);
  EXPECT_EQ(names(placement, "61 \"Vis isotopformel\" stands on the frame of 60"), 1) << Listing(placement);
  EXPECT_EQ(names(placement, ": 40 \""), 0) << Listing(placement);
  EXPECT_EQ(names(placement, ": 72 \""), 0) << Listing(placement);
}

TEST_P(TemplateCutTest, NoControlsTextIsCutByItsRectangle) {
  ASSERT_TRUE(Start());
  const std::vector<std::string> faults = CheckEveryTemplate(Check::Cut);
  EXPECT_TRUE(faults.empty()) << Listing(faults);
}

TEST_P(TemplatePlacementTest, NoTextStandsOnAFrameOrAnotherTextAndSmallStaticsStandInTheBlanksOfTheirCaptions) {
  ASSERT_TRUE(Start());
  const std::vector<std::string> faults = CheckEveryTemplate(Check::Placement);
  EXPECT_TRUE(faults.empty()) << Listing(faults);
}

INSTANTIATE_TEST_SUITE_P(BothScales, ProbeTest, ::testing::Values(Setting{"47", 1}, Setting{"47", 2}), SettingName);
// Glyphs drawn at twice the size need not fit where they fitted at scale 1: the cuts are sought at both.
INSTANTIATE_TEST_SUITE_P(BothLanguages, TemplateCutTest,
                         ::testing::Values(Setting{"47", 1}, Setting{"44", 1}, Setting{"47", 2}, Setting{"44", 2}),
                         SettingName);
INSTANTIATE_TEST_SUITE_P(BothLanguages, TemplatePlacementTest, ::testing::Values(Setting{"47", 1}, Setting{"44", 1}),
                         SettingName);

}  // namespace
