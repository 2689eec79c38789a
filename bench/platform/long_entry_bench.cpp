// A list box whose first item is 10 MB long, repainted whole, at one and two device pixels a pixel.
#include <benchmark/benchmark.h>

#include <string>

#include "platform/gdi/display_scale.h"
#include "platform/testing/test_driver.h"
#include "platform/win/cdialog.h"

namespace {

constexpr int ListId = 101;

DialogTemplate ListWindow() {
  DialogItemTemplate list;
  list.className = "LISTBOX";
  list.id = ListId;
  list.style = WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_BORDER | WS_VSCROLL | LBS_NOTIFY;
  list.x = 4;
  list.y = 4;
  list.cx = 160;
  list.cy = 140;
  DialogTemplate dialog;
  dialog.style = WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | WS_VISIBLE;
  dialog.caption = "Benchmark";
  dialog.cx = 240;
  dialog.cy = 160;
  dialog.items.push_back(list);
  return dialog;
}

void RepaintAListWithATenMegabyteEntry(benchmark::State& state) {
  SetDisplayScale(static_cast<int>(state.range(0)));
  {
    TestDriver driver;
    Resources().AddDialog("LIST", ListWindow());
    CDialog dialog("LIST", nullptr);
    dialog.Create("LIST");
    const HWND list = GetDlgItem(dialog.m_hWnd, ListId);
    const std::string longEntry(10 * 1000 * 1000, 'W');
    SendMessage(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(longEntry.c_str()));
    SendMessage(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>("Natriumklorid"));
    UpdateAllWindows();
    for (auto _ : state) {
      InvalidateRect(list, nullptr, TRUE);
      UpdateAllWindows();
    }
    dialog.DestroyWindow();
    driver.Pump();
    Resources().Clear();
  }
  SetDisplayScale(1);
}
BENCHMARK(RepaintAListWithATenMegabyteEntry)->ArgName("scale")->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond);

}  // namespace
