// Filling a list box with 10,000 and with 1,000,000 items in each way a window does it: while it is shown or before,
// appended, inserted at the front or sorted in, one by one or all in one step (as a window filling
// its list from a table does), each fill followed by the repaint that shows it.
#include <benchmark/benchmark.h>

#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "platform/win/cdialog.h"
#include "platform/testing/test_driver.h"

namespace {

constexpr int ListId = 101;
enum class Fill { Append, InsertAtFront, Sorted, SortedInOneStep };

DialogTemplate ListWindow(DWORD listStyle) {
  DialogItemTemplate list;
  list.className = "LISTBOX";
  list.id = ListId;
  list.style = WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_BORDER | WS_VSCROLL | LBS_NOTIFY | listStyle;
  list.x = 4;
  list.y = 4;
  list.cx = 160;
  list.cy = 140;
  DialogTemplate dialog;
  dialog.style = WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME;
  dialog.caption = "Benchmark";
  dialog.cx = 240;
  dialog.cy = 160;
  dialog.items.push_back(list);
  return dialog;
}

// Item texts in an order that is not sorted, so that a sorted list places each one anew.
std::vector<std::string> ItemTexts(int count) {
  std::vector<std::string> texts;
  for (int index = 0; index < count; ++index) {
    const int scrambled = static_cast<int>((index * 7919LL) % count);
    texts.push_back("Forbindelse " + std::to_string(scrambled) + "  C" + std::to_string(index % 40) + "H" +
                    std::to_string(index % 82));
  }
  return texts;
}

void FillList(HWND list, Fill fill, const std::vector<std::string>& texts) {
  if (fill == Fill::SortedInOneStep) {
    const std::vector<std::string_view> views(texts.begin(), texts.end());
    const std::span<const std::string_view> added(views);
    SendMessage(list, LB_ADDSTRINGS, 0, reinterpret_cast<LPARAM>(&added));
    return;
  }
  for (const std::string& text : texts) {
    const auto item = reinterpret_cast<LPARAM>(text.c_str());
    if (fill == Fill::InsertAtFront) {
      SendMessage(list, LB_INSERTSTRING, 0, item);
    } else {
      SendMessage(list, LB_ADDSTRING, 0, item);
    }
  }
}

// One step opens the window, fills its list and shows it painted; `shownFirst` fills the list of a
// window already on the screen, as a window that reads its items after it appeared.
void FillAList(benchmark::State& state, Fill fill, bool shownFirst) {
  TestDriver driver;
  Resources().AddDialog("LIST", ListWindow(fill == Fill::Sorted || fill == Fill::SortedInOneStep ? LBS_SORT : 0));
  const std::vector<std::string> texts = ItemTexts(static_cast<int>(state.range(0)));
  for (auto _ : state) {
    state.PauseTiming();
    CDialog dialog("LIST", nullptr);
    dialog.Create("LIST");
    const HWND list = GetDlgItem(dialog.m_hWnd, ListId);
    if (shownFirst) {
      dialog.ShowWindow(SW_SHOW);
      UpdateAllWindows();
    }
    state.ResumeTiming();
    FillList(list, fill, texts);
    if (!shownFirst) dialog.ShowWindow(SW_SHOW);
    UpdateAllWindows();
    state.PauseTiming();
    state.counters["items"] = static_cast<double>(SendMessage(list, LB_GETCOUNT, 0, 0));
    dialog.DestroyWindow();
    driver.Pump();
    state.ResumeTiming();
  }
  Resources().Clear();
}
BENCHMARK_CAPTURE(FillAList, AppendedWhileShown, Fill::Append, true)->Arg(10000)->Arg(1000000)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(FillAList, AppendedBeforeShown, Fill::Append, false)->Arg(10000)->Arg(1000000)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(FillAList, InsertedAtTheFrontWhileShown, Fill::InsertAtFront, true)
    ->Arg(10000)->Arg(1000000)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(FillAList, SortedInWhileShown, Fill::Sorted, true)->Arg(10000)->Arg(1000000)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(FillAList, SortedInBeforeShown, Fill::Sorted, false)->Arg(10000)->Arg(1000000)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(FillAList, SortedInOneStepBeforeShown, Fill::SortedInOneStep, false)
    ->Arg(10000)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMillisecond);

}  // namespace
