// A list box holding a 10 MB entry: repainting it, and measuring the entry, take memory in
// proportion to the list's pixels, not to the entry's length, at one and two device pixels a pixel;
// a word-wrapping static with a long text wraps it in memory in proportion to the text.
// The test's own operator new counts what is asked for while `counting` is set.
#include <algorithm>
#include <cstdlib>
#include <new>
#include <string>

#include "platform/gdi/display_scale.h"
#include "platform/gdi/look3d.h"
#include "tests/platform/controls/controls_fixture.h"

namespace {

struct Allocations {
  bool counting = false;
  std::size_t largest = 0;
  std::size_t total = 0;
};
constinit Allocations allocations;

}  // namespace

// GCC takes the free below for one of memory from the library's own operator new.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wmismatched-new-delete"
void* operator new(std::size_t size) {
  if (allocations.counting) {
    allocations.largest = std::max(allocations.largest, size);
    allocations.total += size;
  }
  if (void* memory = std::malloc(size == 0 ? 1 : size)) return memory;
  throw std::bad_alloc();
}
void operator delete(void* memory) noexcept { std::free(memory); }
void operator delete(void* memory, std::size_t) noexcept { std::free(memory); }
#pragma GCC diagnostic pop

namespace {

using controls_test::ControlsTest;
using window_test::Item;
using window_test::PixelAt;

constexpr int ListId = 20;
constexpr std::size_t TenMegabytes = 10 * 1000 * 1000;
// Far above what a list of 150 x 100 pixels needs, at any scale, and far below a tenth of the entry.
constexpr std::size_t Bounded = 512 * 1024;

template <typename Work>
Allocations Counted(Work work) {
  allocations = Allocations{true, 0, 0};
  work();
  Allocations counted = allocations;
  counted.counting = allocations.counting = false;
  return counted;
}

class LongEntryTest : public ControlsTest, public ::testing::WithParamInterface<int> {
 protected:
  LongEntryTest() { SetDisplayScale(GetParam()); }
  ~LongEntryTest() override { SetDisplayScale(1); }
  void SetUp() override {
    Open({Item("LISTBOX", "", ListId, WS_TABSTOP | WS_BORDER | WS_VSCROLL | LBS_NOTIFY, 4, 4, 100, 60)});
    SendText(ListId, LB_ADDSTRING, 0, entry.c_str());
    SendText(ListId, LB_ADDSTRING, 0, "Natriumklorid");
    UpdateAllWindows();
  }

  const std::string entry = std::string(TenMegabytes, 'W');
};

// Selecting the entry repaints its row in the selection's colours, its text across the whole row.
TEST_P(LongEntryTest, RepaintingTheListTakesMemoryForItsPixelsOnly) {
  const Allocations repaint = Counted([&] {
    Send(ListId, LB_SETCURSEL, 0);
    UpdateAllWindows();
  });
  EXPECT_LT(repaint.total, Bounded);
  RECT client{};
  GetClientRect(Control(ListId), &client);
  const int rowHeight = static_cast<int>(Send(ListId, LB_GETITEMHEIGHT));
  int selection = 0;
  int ink = 0;
  for (int y = 0; y < rowHeight; ++y) {
    for (int x = 0; x < client.right; ++x) {
      const bool selected = PixelAt(Control(ListId), x, y) == look3d::Selection;
      selection += selected ? 1 : 0;
      ink += selected ? 0 : 1;
    }
  }
  EXPECT_GT(selection, client.right * rowHeight / 2);
  EXPECT_GT(ink, client.right);
}

TEST_P(LongEntryTest, MeasuringTheEntryTakesNoMemoryForItsWidth) {
  const HDC dc = GetDC(Control(ListId));
  SelectObject(dc, reinterpret_cast<HFONT>(Send(ListId, WM_GETFONT)));
  SIZE extent{};
  // The font's first use makes its face and the W's shape, once.
  GetTextExtentPoint32(dc, "W", 1, &extent);
  const Allocations measuring =
      Counted([&] { GetTextExtentPoint32(dc, entry.c_str(), static_cast<int>(entry.size()), &extent); });
  ReleaseDC(Control(ListId), dc);
  EXPECT_LT(measuring.total, std::size_t{4096});
  EXPECT_GT(extent.cx, static_cast<LONG>(TenMegabytes));
}

INSTANTIATE_TEST_SUITE_P(Scales, LongEntryTest, ::testing::Values(1, 2),
                         [](const auto& info) { return "Scale" + std::to_string(info.param); });

}  // namespace

namespace {

// 200 KB of words in a word-wrapping static: wrapping them into the field's lines takes memory in
// proportion to the text, not to the text times its lines, and the field shows the first words.
class LongStaticTest : public ControlsTest {};

TEST_F(LongStaticTest, WrappingALongTextTakesMemoryInProportionToIt) {
  std::string text;
  while (text.size() < 200 * 1000) text += "Natrium kalium ";
  Open({Item("STATIC", "", ListId, SS_LEFT, 4, 4, 100, 30)});
  SetWindowText(Control(ListId), text.c_str());
  const Allocations repaint = Counted([&] { UpdateAllWindows(); });
  EXPECT_LT(repaint.total, 16 * text.size());
  int ink = 0;
  for (int x = 0; x < 100; ++x) ink += PixelAt(Control(ListId), x, 6) != PixelAt(Control(ListId), 0, 0) ? 1 : 0;
  EXPECT_GT(ink, 10);
}

}  // namespace
