#include <benchmark/benchmark.h>

#include <time.h>

#include <algorithm>
#include <string>

#include "platform/win/cdialog.h"
#include "platform/testing/test_driver.h"

namespace {

constexpr int NotesId = 100;
constexpr int ListId = 101;
constexpr int ItemCount = 10000;

DialogItemTemplate Control(const char* className, int id, DWORD style, int x, int y, int cx, int cy) {
  DialogItemTemplate item;
  item.className = className;
  item.id = id;
  item.style = WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_BORDER | style;
  item.x = static_cast<short>(x);
  item.y = static_cast<short>(y);
  item.cx = static_cast<short>(cx);
  item.cy = static_cast<short>(cy);
  return item;
}

DialogTemplate Window(DialogItemTemplate control) {
  DialogTemplate dialog;
  dialog.style = WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | WS_VISIBLE;
  dialog.caption = "Benchmark";
  dialog.cx = 240;
  dialog.cy = 160;
  dialog.items.push_back(control);
  return dialog;
}

// The processor time this thread has used: a step's own cost, whatever else the machine runs.
double ThreadCpuMilliseconds() {
  timespec now{};
  clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
  return static_cast<double>(now.tv_sec) * 1e3 + static_cast<double>(now.tv_nsec) / 1e6;
}

void Deliver(TestDriver& driver, InputEvent event) {
  event.time = driver.Backend().Now();
  PostInput(event);
}

// One step is a key typed into a word-wrapping field with a vertical scroll bar, taken by the
// dialog's loop as a user's key, and the repaint that follows; a run types 1,000 characters of
// words with a line break after every 60. The slowest step is reported in processor time, so that
// other work on the machine does not count as the field's.
void TypeOneThousandCharactersIntoAMultiLineEdit(benchmark::State& state) {
  TestDriver driver;
  Resources().AddDialog("NOTES",
                        Window(Control("EDIT", NotesId, ES_MULTILINE | ES_WANTRETURN | WS_VSCROLL, 4, 4, 180, 80)));
  CDialog dialog("NOTES", nullptr);
  dialog.Create("NOTES");
  const HWND notes = GetDlgItem(dialog.m_hWnd, NotesId);
  SetFocus(notes);
  const std::string words = "natrium kalium kalsium magnesium jern kobber sink aluminium ";
  double slowestMilliseconds = 0;
  for (auto _ : state) {
    state.PauseTiming();
    SetWindowText(notes, "");
    UpdateAllWindows();
    state.ResumeTiming();
    for (int typed = 0; typed < 1000; ++typed) {
      const double stepStart = ThreadCpuMilliseconds();
      InputEvent event;
      if (typed % 60 == 59) {
        event.kind = InputEvent::Kind::KeyDown;
        event.key = VK_RETURN;
      } else {
        event.kind = InputEvent::Kind::Character;
        event.character = words[static_cast<size_t>(typed) % words.size()];
      }
      Deliver(driver, event);
      driver.Pump();
      UpdateAllWindows();
      slowestMilliseconds = std::max(slowestMilliseconds, ThreadCpuMilliseconds() - stepStart);
    }
  }
  state.counters["slowest step cpu ms"] = slowestMilliseconds;
  state.counters["characters"] = static_cast<double>(GetWindowTextLength(notes));
  state.counters["per character"] =
      benchmark::Counter(1000, benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
  dialog.DestroyWindow();
  Resources().Clear();
}
BENCHMARK(TypeOneThousandCharactersIntoAMultiLineEdit)->Unit(benchmark::kMillisecond);

struct FilledList {
  explicit FilledList(TestDriver& driver) : dialog("LIST", nullptr) {
    Resources().AddDialog("LIST", Window(Control("LISTBOX", ListId, WS_VSCROLL | LBS_NOTIFY, 4, 4, 160, 140)));
    dialog.Create("LIST");
    list = GetDlgItem(dialog.m_hWnd, ListId);
    for (int index = 0; index < ItemCount; ++index) {
      const std::string item = "Forbindelse " + std::to_string(index) + "  C" + std::to_string(index % 40) + "H" +
                               std::to_string(index % 82);
      SendMessage(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item.c_str()));
    }
    UpdateAllWindows();
    GetWindowRect(list, &frame);
    driver.Pump();
  }
  ~FilledList() {
    dialog.DestroyWindow();
    Resources().Clear();
  }
  // A point on the vertical bar, pixels from the window's top.
  POINT OnBar(int fromTop) const { return POINT{frame.right - 2 - 8, frame.top + fromTop}; }

  CDialog dialog;
  HWND list = nullptr;
  RECT frame{};
};

// One step is a click on the down arrow of a list of 10,000 items and the repaint; at the end
// of the list the view goes back to the top, outside the time measured.
void ScrollAListOf10000ItemsByTheArrow(benchmark::State& state) {
  TestDriver driver;
  FilledList filled(driver);
  const POINT arrow = filled.OnBar(filled.frame.bottom - filled.frame.top - 2 - 8);
  for (auto _ : state) {
    if (SendMessage(filled.list, LB_GETTOPINDEX, 0, 0) >= ItemCount - 20) {
      state.PauseTiming();
      SendMessage(filled.list, LB_SETTOPINDEX, 0, 0);
      state.ResumeTiming();
    }
    driver.ClickAt(arrow);
    UpdateAllWindows();
  }
  state.counters["top item"] = static_cast<double>(SendMessage(filled.list, LB_GETTOPINDEX, 0, 0));
}
BENCHMARK(ScrollAListOf10000ItemsByTheArrow)->Unit(benchmark::kMicrosecond);

// One step drags the thumb of a list of 10,000 items from the top to the bottom and back, each
// move shown as it goes, then repaints.
void DragTheThumbOfAListOf10000Items(benchmark::State& state) {
  TestDriver driver;
  FilledList filled(driver);
  const int height = filled.frame.bottom - filled.frame.top;
  bool atTop = true;
  for (auto _ : state) {
    const int thumb = atTop ? 2 + 16 + 2 : height - 2 - 16 - 4;
    driver.DragAt(filled.OnBar(thumb), filled.OnBar(atTop ? height + 40 : -40));
    UpdateAllWindows();
    atTop = !atTop;
  }
  state.counters["top item"] = static_cast<double>(SendMessage(filled.list, LB_GETTOPINDEX, 0, 0));
}
BENCHMARK(DragTheThumbOfAListOf10000Items)->Unit(benchmark::kMicrosecond);

}  // namespace
