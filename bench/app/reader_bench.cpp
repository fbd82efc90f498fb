// What a screen reader costs the program, through ATK and its AT-SPI bridge:
// the million-event refresh with the bridge loaded and the window read once,
// but nobody listening, beside the same refresh without; and a reader's first
// walk of the window. Run under a session bus (dbus-run-session) to load the
// bridge itself; without one the ATK objects and events alone are measured.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <vector>

#include "bench/app/million_event_window.h"
#include "platform/linux/atk/atk_bridge.h"
#include "platform/linux/atk/atk_events.h"
#include "platform/linux/atk/atk_node.h"

namespace {

using platform_atk::ObjectOf;

// What a reader does on its first look at a window: every object's role, name,
// states and children, not walking into the list and the chart (they manage
// their descendants), then the table's headers and `rows` rows of cells. The
// bridge's own cache walks so, without rows, when a window is shown.
int Walk(AtkObject* object, int rows) {
  int seen = 1;
  benchmark::DoNotOptimize(atk_object_get_role(object));
  benchmark::DoNotOptimize(atk_object_get_name(object));
  AtkStateSet* states = atk_object_ref_state_set(object);
  const bool managing = atk_state_set_contains_state(states, ATK_STATE_MANAGES_DESCENDANTS);
  g_object_unref(states);
  if (ATK_IS_TABLE(object)) {
    AtkTable* table = ATK_TABLE(object);
    const int columns = atk_table_get_n_columns(table);
    for (int c = 0; c < columns; ++c) {
      benchmark::DoNotOptimize(atk_table_get_column_description(table, c));
    }
    for (int r = 0; r < std::min(atk_table_get_n_rows(table), rows); ++r) {
      for (int c = 0; c < columns; ++c) {
        AtkObject* cell = atk_table_ref_at(table, r, c);
        benchmark::DoNotOptimize(atk_object_get_name(cell));
        g_object_unref(cell);
        ++seen;
      }
    }
  }
  if (managing) {
    return seen;
  }
  const int count = atk_object_get_n_accessible_children(object);
  for (int i = 0; i < count; ++i) {
    if (AtkObject* child = atk_object_ref_accessible_child(object, i)) {
      seen += Walk(child, rows);
      g_object_unref(child);
    }
  }
  return seen;
}

// The window's changes as the X11 window hands them to the bridge.
void Relay(headless::THeadlessWindow& window, bool toReader) {
  std::vector<headless::THeadlessWindow::TAccRecord> events;
  events.swap(window.AccEvents);
  if (!toReader) {
    return;
  }
  for (const auto& e : events) {
    if (TAccessible* node = FindAccessible(e.Id)) {
      platform_atk::SendAccessibilityEvent(e.Event, *node);
    }
  }
}

// One refresh and what it tells; apart, so that callgrind can count it alone
// (--toggle-collect=*RefreshOnce*).
[[gnu::noinline]] void RefreshOnce(TFormDorvex& form, headless::THeadlessWindow& shown,
                                   bool reader) {
  form.TBRefresh->Click();
  form.UpdateWindow();
  Relay(shown, reader);
}

// `rows`: none, no ATK objects at all; else the window walked with that many rows.
void Refresh(benchmark::State& state, int rows) {
  const bool reader = rows >= 0;
  TMillionEventWindow window;
  TFormDorvex& form = window.form;
  auto& shown = static_cast<headless::THeadlessWindow&>(*form.Window());
  form.TBRefresh->Click();
  form.UpdateWindow();
  Relay(shown, false);
  if (reader) {
    state.counters["objects"] = Walk(ObjectOf(*form.WindowAccessible()), rows);
  }
  for (auto _ : state) {
    RefreshOnce(form, shown, reader);
  }
  platform_atk::ReleaseAllObjects();
}

// One refresh, with nothing to tell a reader.
void BM_RefreshMillionEvents(benchmark::State& state) {
  Refresh(state, -1);
}
BENCHMARK(BM_RefreshMillionEvents)->Unit(benchmark::kMillisecond);

// The same with the objects the bridge makes for a shown window, and every
// change told through ATK: the program with the bridge loaded and nobody listening.
void BM_RefreshMillionEventsBridgeNoListener(benchmark::State& state) {
  Refresh(state, 0);
}
BENCHMARK(BM_RefreshMillionEventsBridgeNoListener)->Unit(benchmark::kMillisecond);

// After a reader has read the first screenful of rows: the refill turns their
// rows and cells defunct.
void BM_RefreshMillionEventsAfterReading(benchmark::State& state) {
  Refresh(state, 25);
}
BENCHMARK(BM_RefreshMillionEventsAfterReading)->Unit(benchmark::kMillisecond);

// A reader's first walk of the window over a million events: the objects are
// made as it goes.
void BM_FirstReaderWalk(benchmark::State& state) {
  TMillionEventWindow window;
  window.form.TBRefresh->Click();
  window.form.UpdateWindow();
  AtkObject* root = nullptr;
  int seen = 0;
  for (auto _ : state) {
    state.PauseTiming();
    platform_atk::ReleaseAllObjects();
    state.ResumeTiming();
    root = ObjectOf(*window.form.WindowAccessible());
    seen = Walk(root, 25);
  }
  state.counters["objects"] = seen;
  platform_atk::ReleaseAllObjects();
}
BENCHMARK(BM_FirstReaderWalk)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  auto bridge = platform_atk::TAtkBridge::Start("reader-bench", false);
  benchmark::AddCustomContext("atk_bridge", bridge ? "loaded" : "absent");
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
