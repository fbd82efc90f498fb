// A million records read through the event log protocol as the program reads
// the live log and saved logs: two reads a record, then the decoding of its
// fields, SID, source name and strings (all records', or as the boot table
// asks, only those the session rules read).
#include <benchmark/benchmark.h>

#include <cstring>
#include <string>
#include <vector>

#include "bootlog/eventlog/eventlog_source.h"
#include "bootlog/power_records.h"

namespace {

void Put32(std::vector<uint8_t>& r, size_t at, uint32_t v) {
  for (int i = 0; i < 4; ++i) {
    r[at + i] = static_cast<uint8_t>(v >> (8 * i));
  }
}

// A record of today's Windows: a source name, a SID and two strings.
std::vector<uint8_t> Record(uint32_t eventId, uint32_t time) {
  static const char names[] = "Microsoft-Windows-Winlogon\0PC\0";
  static const char strings[] = "1\0S-1-5-21-2595688666-2948619230-3055395256-1000\0";
  std::vector<uint8_t> r(56, 0);
  r.insert(r.end(), names, names + sizeof names - 1);
  r.resize((r.size() + 3) / 4 * 4, 0);
  const size_t sid = r.size();
  r.insert(r.end(), {1, 1, 0, 0, 0, 0, 0, 5, 18, 0, 0, 0});
  const size_t text = r.size();
  r.insert(r.end(), strings, strings + sizeof strings - 1);
  r.resize((r.size() + 3) / 4 * 4 + 4, 0);
  Put32(r, 0, static_cast<uint32_t>(r.size()));
  Put32(r, 4, 0x654C664C);
  Put32(r, 12, time);
  Put32(r, 20, eventId);
  r[26] = 2;
  Put32(r, 36, static_cast<uint32_t>(text));
  Put32(r, 40, 12);
  Put32(r, 44, static_cast<uint32_t>(sid));
  Put32(r, r.size() - 4, static_cast<uint32_t>(r.size()));
  return r;
}

// Serves the same few records `count` times, one a read, like the service.
class MemoryLog : public EventLogApi {
 public:
  explicit MemoryLog(int64_t count) : count_(count) {
    for (uint32_t id : {6005u, 7001u, 0x40001B7Bu, 6006u}) {
      records_.push_back(Record(id, 1700000000));
    }
  }
  Handle OpenLog(const char*) override {
    next_ = 0;
    return this;
  }
  bool ReadLog(Handle, uint32_t, uint32_t, void* buffer, uint32_t bytesToRead, uint32_t& bytesRead,
               uint32_t& needed) override {
    bytesRead = needed = 0;
    if (next_ >= count_) {
      error_ = kErrorHandleEof;
      return false;
    }
    const std::vector<uint8_t>& r = records_[static_cast<size_t>(next_ % 4)];
    if (bytesToRead < r.size()) {
      needed = static_cast<uint32_t>(r.size());
      error_ = kErrorInsufficientBuffer;
      return false;
    }
    std::memcpy(buffer, r.data(), r.size());
    bytesRead = static_cast<uint32_t>(r.size());
    ++next_;
    return true;
  }
  uint32_t LastError() override { return error_; }
  bool LookupAccount(const void*, char*, uint32_t&, char*, uint32_t&) override { return false; }
  void CloseLog(Handle) override {}

 private:
  int64_t count_;
  int64_t next_ = 0;
  uint32_t error_ = 0;
  std::vector<std::vector<uint8_t>> records_;
};

void ReadAll(benchmark::State& state, const TDataWanted* wanted) {
  for (auto _ : state) {
    MemoryLog api(state.range(0));
    EventLogSource source(api);
    if (wanted) {
      source.DecodeDataOnlyOf(*wanted);
    }
    source.OpenSystemLog();
    TLogEvent event;
    int64_t events = 0;
    while (source.ReadNextEvent(event)) {
      ++events;
    }
    benchmark::DoNotOptimize(events);
  }
  state.SetItemsProcessed(state.iterations() * state.range(0));
}

// Every record's source name and strings decoded.
void BM_ReadThroughProtocol(benchmark::State& state) {
  ReadAll(state, nullptr);
}
BENCHMARK(BM_ReadThroughProtocol)->Arg(1000000)->Unit(benchmark::kMillisecond);

// As the boot table reads the log: the data of wake, sleep and logon records only.
void BM_ReadForBootTable(benchmark::State& state) {
  ReadAll(state, &kPowerOrLogonData);
}
BENCHMARK(BM_ReadForBootTable)->Arg(1000000)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
