// Reconstruction and completion over a large generated log, the time
// conversion's format-and-parse round trip included.
#include <benchmark/benchmark.h>

#include "bootlog/complete.h"
#include "bootlog/reconstruct.h"

namespace {

// Generates boots newest first without storing them: a stop, 30 user events
// (one in ten by a service account), a start; 32 events per boot.
class GeneratedLog : public EventSource {
 public:
  explicit GeneratedLog(int64_t events) : events_(events) {}
  bool OpenSystemLog() override {
    next_ = 0;
    return true;
  }
  bool ReadNextEvent(TLogEvent& e) override {
    if (next_ >= events_)
      return false;
    const int64_t boot = next_ / 32, step = next_ % 32;
    const uint32_t bootStart = static_cast<uint32_t>(1700000000 - boot * 86400);
    e.TimeGenerated = bootStart + static_cast<uint32_t>((31 - step) * 600);
    e.EventCode = step == 0 ? kEventLogStopped : step == 31 ? kEventLogStarted : kServiceControl;
    e.HasUserSid = true;
    e.UserSid = step % 10 == 3 ? "SYSTEM" : "zhang";
    ++next_;
    return true;
  }
  std::string LookupUserName(const TLogEvent& e) override { return e.UserSid; }

 private:
  int64_t events_;
  int64_t next_ = 0;
};

void BM_ReadAndComplete(benchmark::State& state) {
  const RegionalFormats formats;
  TBootTable table;
  for (auto _ : state) {
    GeneratedLog log(state.range(0));
    ReadBootEvents(log, formats, table);
    const TBootCompletion completion = CompleteBootTable(table, formats);
    benchmark::DoNotOptimize(completion.TotalSeconds);
  }
  state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_ReadAndComplete)->Arg(1000000)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
