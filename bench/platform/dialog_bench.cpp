#include <benchmark/benchmark.h>

#include "platform/win/cdialog.h"
#include "platform/testing/test_driver.h"

namespace {

DialogItemTemplate Control(const char* className, const char* text, int id, DWORD style, int x, int y, int cx, int cy) {
  DialogItemTemplate item;
  item.className = className;
  item.text = text;
  item.id = id;
  item.style = WS_CHILD | WS_VISIBLE | style;
  item.x = static_cast<short>(x);
  item.y = static_cast<short>(y);
  item.cx = static_cast<short>(cx);
  item.cy = static_cast<short>(cy);
  return item;
}

// A dialog of `count` controls in rows: push buttons, check boxes, radio buttons and labels.
DialogTemplate Grid(int count, short cx, short cy) {
  DialogTemplate dialog;
  dialog.style = WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | WS_VISIBLE;
  dialog.caption = "Benchmark";
  dialog.cx = cx;
  dialog.cy = cy;
  const int columns = 10;
  for (int index = 0; index < count; ++index) {
    const int x = 2 + (index % columns) * (cx - 4) / columns;
    const int y = 2 + (index / columns) * 16;
    const int width = (cx - 4) / columns - 2;
    switch (index % 4) {
      case 0: dialog.items.push_back(Control("BUTTON", "Beregn", 100 + index, WS_TABSTOP, x, y, width, 14)); break;
      case 1:
        dialog.items.push_back(Control("BUTTON", "Valg", 100 + index, BS_AUTOCHECKBOX | WS_TABSTOP, x, y, width, 12));
        break;
      case 2:
        dialog.items.push_back(Control("BUTTON", "Natrium", 100 + index, BS_AUTORADIOBUTTON, x, y, width, 12));
        break;
      default:
        dialog.items.push_back(Control("STATIC", "  Kalium 39.10", 100 + index, SS_LEFT, x, y, width, 10));
        break;
    }
  }
  return dialog;
}

void CreatePaintAndDestroyADialogOf100Controls(benchmark::State& state) {
  TestDriver driver;
  Resources().AddDialog("BENCH", Grid(100, 360, 170));
  for (auto _ : state) {
    CDialog dialog("BENCH", nullptr);
    dialog.Create("BENCH");
    UpdateAllWindows();
    dialog.DestroyWindow();
    driver.Pump();
  }
  Resources().Clear();
}
BENCHMARK(CreatePaintAndDestroyADialogOf100Controls)->Unit(benchmark::kMillisecond);

void RepaintA640By480WindowWhole(benchmark::State& state) {
  TestDriver driver;
  Resources().AddDialog("WIDE", Grid(100, 366, 295));
  CDialog dialog("WIDE", nullptr);
  dialog.Create("WIDE");
  // Dialog units do not come out at 640 x 480 pixels exactly; the window is sized to it.
  RECT frame{0, 0, 640, 480};
  AdjustWindowRectEx(&frame, dialog.GetStyle(), FALSE, dialog.GetExStyle());
  dialog.SetWindowPos(nullptr, 0, 0, frame.right - frame.left, frame.bottom - frame.top, SWP_NOMOVE | SWP_NOZORDER);
  UpdateAllWindows();
  RECT client{};
  dialog.GetClientRect(&client);
  state.counters["width"] = client.right;
  state.counters["height"] = client.bottom;
  for (auto _ : state) {
    dialog.Invalidate(TRUE);
    UpdateAllWindows();
  }
  dialog.DestroyWindow();
  Resources().Clear();
}
BENCHMARK(RepaintA640By480WindowWhole)->Unit(benchmark::kMillisecond);

// Every control waits for paint and the queue hands out one paint message at a time, as the
// program's message loop takes them: what finding each next window to paint costs as the
// controls grow in number.
void RepaintADialogThroughTheMessageQueue(benchmark::State& state) {
  TestDriver driver;
  const int count = static_cast<int>(state.range(0));
  Resources().AddDialog("QUEUED", Grid(count, 360, static_cast<short>(8 + count / 10 * 16)));
  CDialog dialog("QUEUED", nullptr);
  dialog.Create("QUEUED");
  driver.Pump();
  for (auto _ : state) {
    dialog.Invalidate(TRUE);
    driver.Pump();
  }
  dialog.DestroyWindow();
  driver.Pump();
  Resources().Clear();
}
BENCHMARK(RepaintADialogThroughTheMessageQueue)->Arg(100)->Arg(400)->Unit(benchmark::kMillisecond);

}  // namespace
