// Toolkit speed: building and first painting the main window, repainting the boot
// list, a screen reader's questions about it, copying it, the memo's word wrap.
#include <benchmark/benchmark.h>

#include <string>

#include "platform/headless/headless_platform.h"
#include "ui/application.h"
#include "ui/control_accessible.h"
#include "ui/form_dorvex_layout.h"
#include "ui/memo_layout.h"
#ifndef _WIN32
#include "linux_gfx.h"
#endif

namespace {

void InstallText() {
#ifndef _WIN32
  static bool installed = (platform_linux::InstallLinuxGfx(), true);
  (void)installed;
#endif
}

void FillRows(TRzListView& list, int n) {
  for (int i = 0; i < n; ++i) {
    TListItem& item = list.AddItem();
    item.SubItems = {"2024/3/" + std::to_string(i % 28 + 1) + " 8:00:00",
                     "2024/3/" + std::to_string(i % 28 + 1) + " 17:30:00", "9 时30 分", "user",
                     "正常关机"};
    item.StateIndex = i % 7 == 0 ? 1 : 0;
  }
}

// The main window shown, its list filled.
struct TShownList {
  explicit TShownList(int rows) {
    FillRows(*form.RzLWMsg, rows);
    form.ShowWindow();
  }
  bool text = (InstallText(), true);
  headless::THeadlessPlatform platform;
  TApplication app{platform};
  TFormDorvexLayout form;
};

// Window built, list filled with 10,000 rows, first frame painted and presented.
void BM_FirstFrame(benchmark::State& state) {
  InstallText();
  headless::THeadlessPlatform platform;
  TApplication app(platform);
  for (auto _ : state) {
    TFormDorvexLayout form;
    FillRows(*form.RzLWMsg, 10000);
    form.ShowWindow();
    benchmark::DoNotOptimize(form.Image().At(10, 10));
  }
}
BENCHMARK(BM_FirstFrame)->Unit(benchmark::kMillisecond);

// One repaint of the whole list with 10,000 rows.
void BM_ListRepaint(benchmark::State& state) {
  TShownList shown(static_cast<int>(state.range(0)));
  TFormDorvexLayout& form = shown.form;
  for (auto _ : state) {
    form.RzLWMsg->Invalidate();
    form.UpdateWindow();
  }
  state.counters["rows_painted"] = form.RzLWMsg->PaintedRows();
}
BENCHMARK(BM_ListRepaint)->Arg(10000)->Unit(benchmark::kMillisecond);

// A wheel notch over the list and the repaint that follows.
void BM_ListWheelScroll(benchmark::State& state) {
  TShownList shown(10000);
  TFormDorvexLayout& form = shown.form;
  TPoint p = form.RzLWMsg->ClientToForm({200, 100});
  int delta = -kWheelDelta;
  for (auto _ : state) {
    if (form.RzLWMsg->TopIndex() >= form.RzLWMsg->MaxTopIndex()) {
      delta = kWheelDelta;
    }
    if (form.RzLWMsg->TopIndex() == 0) {
      delta = -kWheelDelta;
    }
    form.WindowMouseWheel(0, delta, p);
    form.UpdateWindow();
  }
}
BENCHMARK(BM_ListWheelScroll)->Unit(benchmark::kMillisecond);

// What a reader asks first after a refresh of 10,000 rows, with the last row
// selected: the list's selection and focus, and where the row stands.
void BM_ReaderAsksAboutTheSelectedRow(benchmark::State& state) {
  TShownList shown(10000);
  TRzListView& rows = *shown.form.RzLWMsg;
  rows.SetFocus();
  rows.SetItemIndex(9999);
  TControlAccessible& list = *rows.Accessible();
  for (auto _ : state) {
    list.DropParts();  // as a refill does
    for (TAccessible* row : list.SelectedChildren()) {
      benchmark::DoNotOptimize(row->IndexInParent());
    }
    benchmark::DoNotOptimize(list.FocusedNode());
  }
}
BENCHMARK(BM_ReaderAsksAboutTheSelectedRow)->Unit(benchmark::kMicrosecond);

// The memo's rows: the about window's text in its box, and one paragraph of
// about N characters (Chinese and English words) in the same box.
void BM_MemoWrap(benchmark::State& state) {
  InstallText();
  gfx::TFont font;
  font.Name = "Arial";
  font.Height = 12;
  std::vector<std::string> lines{"Dorvex", "(1)显示电脑启动时间、关机时间、登录用户等信息；",
                                 "(2)绘制工作时间统计图；", "(3)发现是否有人偷偷使用您的电脑；",
                                 "(4)监测儿童过度使用电脑。"};
  if (state.range(0) > 0) {
    std::string paragraph;
    for (int64_t chars = 0; chars < state.range(0); chars += 7) {
      paragraph += chars % 2 ? "电脑启动时间 " : "shutdown";
    }
    lines = {paragraph};
  }
  TMemoLayout layout;
  for (auto _ : state) {
    layout.Build(lines, gfx::DefaultTextEngine(), font, 369 - 4 - 17 - 4);
    benchmark::DoNotOptimize(layout.RowCount());
  }
  state.counters["rows"] = layout.RowCount();
}
BENCHMARK(BM_MemoWrap)->Arg(0)->Arg(1000)->Arg(10000)->Unit(benchmark::kMicrosecond);

// Ctrl+A, Ctrl+C over 10,000 rows: the tab-separated text handed to the
// platform's clipboard (goal: within 50 ms).
void BM_CopyAllRows(benchmark::State& state) {
  TShownList shown(10000);
  TRzListView& rows = *shown.form.RzLWMsg;
  rows.SetFocus();
  for (auto _ : state) {
    shown.form.WindowKeyDown('A', ssCtrl);
    shown.form.WindowKeyDown('C', ssCtrl);
  }
  state.counters["bytes"] = static_cast<double>(shown.platform.Clipboard.size());
}
BENCHMARK(BM_CopyAllRows)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
