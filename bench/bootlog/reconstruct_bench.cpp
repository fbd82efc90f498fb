// Reconstruction and completion over a large generated log, the time
// conversion's format-and-parse round trip included.
#include <benchmark/benchmark.h>

#include "bench/generated_log.h"
#include "bootlog/complete.h"
#include "bootlog/reconstruct.h"
#include "bootlog/windows_sessions.h"

namespace {

void BM_ReadAndComplete(benchmark::State& state) {
  const RegionalFormats formats;
  TBootTable table;
  for (auto _ : state) {
    GeneratedLog log(state.range(0) / 32, 30);  // 32 events per boot
    WindowsSessionSource sessions(log);
    ReadBootEvents(sessions, formats, table);
    const TBootCompletion completion = CompleteBootTable(table, formats);
    benchmark::DoNotOptimize(completion.TotalSeconds);
  }
  state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_ReadAndComplete)->Arg(1000000)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
