// A million records read through the event log protocol as the program reads
// the live log and saved logs: two reads a record, then the decoding of its
// fields, SID, source name and strings (all records', or as the boot table
// asks, only those the session rules read).
#include <benchmark/benchmark.h>

#include <cstring>
#include <initializer_list>
#include <string>
#include <vector>

#include "bootlog/eventlog/eventlog_source.h"
#include "bootlog/reconstruct.h"
#include "bootlog/windows_sessions.h"

namespace {

void Put32(std::vector<uint8_t>& r, size_t at, uint32_t v) {
  for (int i = 0; i < 4; ++i) {
    r[at + i] = static_cast<uint8_t>(v >> (8 * i));
  }
}

// A record as ReadEventLogA gives it: source name, computer name, SID, strings.
std::vector<uint8_t> Record(const char* source, uint32_t eventId,
                            std::initializer_list<const char*> strings) {
  std::string bytes(56, '\0');
  bytes.append(source, std::strlen(source) + 1).append("PC", 3);
  bytes.resize((bytes.size() + 3) / 4 * 4, '\0');
  const size_t sid = bytes.size();
  bytes.append("\x01\x01\0\0\0\0\0\x05\x12\0\0\0", 12);  // S-1-5-18
  const size_t text = bytes.size();
  for (const char* s : strings) {
    bytes.append(s, std::strlen(s) + 1);
  }
  bytes.resize((bytes.size() + 3) / 4 * 4 + 4, '\0');
  std::vector<uint8_t> r(bytes.begin(), bytes.end());
  Put32(r, 0, static_cast<uint32_t>(r.size()));
  Put32(r, 4, 0x654C664C);
  Put32(r, 12, 1700000000);
  Put32(r, 20, eventId);
  r[26] = static_cast<uint8_t>(strings.size());
  Put32(r, 36, static_cast<uint32_t>(text));
  Put32(r, 40, 12);
  Put32(r, 44, static_cast<uint32_t>(sid));
  Put32(r, r.size() - 4, static_cast<uint32_t>(r.size()));
  return r;
}

using TRecords = std::vector<std::vector<uint8_t>>;

std::vector<uint8_t> Logon(uint32_t eventId = 7001) {
  return Record("Microsoft-Windows-Winlogon", eventId,
                {"1", "S-1-5-21-2595688666-2948619230-3055395256-1000"});
}

// One record in four a logon: far more than any real log holds.
TRecords LogonEveryFourth() {
  TRecords records;
  for (uint32_t id : {6005u, 7001u, 0x40001B7Bu, 6006u}) {
    records.push_back(Logon(id));
  }
  return records;
}

// The mix of the real Windows 7, 10 and 11 logs in ../shared/evtx, per 1000
// records: 5 wake, sleep and logon records, 70 records of the same codes from
// another source (Kernel-General 1, the clock set), the rest other records.
TRecords RealMix() {
  const std::vector<uint8_t> wake =
      Record("Microsoft-Windows-Power-Troubleshooter", 1,
             {"2017-07-21T00:22:05.597986100Z", "2017-07-21T07:12:40.155160900Z", "1", "2", "3",
              "0", "0", "0", "0", "0", "4", "4"});
  const std::vector<uint8_t> sleep = Record("Microsoft-Windows-Kernel-Power", 42, {"4", "0", "7"});
  const std::vector<uint8_t> clock =
      Record("Microsoft-Windows-Kernel-General", 1,
             {"2017-07-21T07:12:41.000000000Z", "2017-07-21T07:12:40.544000000Z", "1"});
  const std::vector<uint8_t> service =
      Record("Service Control Manager", 0x40001B7Cu, {"Windows Update", "running"});
  const std::vector<uint8_t> general =
      Record("Microsoft-Windows-Kernel-General", 16,
             {"1", "\\??\\C:\\Windows\\System32\\config\\SOFTWARE", "1", "3"});
  TRecords records;
  for (int i = 0; i < 1000; ++i) {
    if (i % 200 == 0) {
      records.push_back(Logon());
    } else if (i % 500 == 1) {
      records.push_back(wake);
    } else if (i % 500 == 2) {
      records.push_back(sleep);
    } else if (i % 14 == 7) {
      records.push_back(clock);
    } else {
      records.push_back(i % 2 ? service : general);
    }
  }
  return records;
}

// Serves the records round and round, `count` in all, one a read, like the service.
class MemoryLog : public EventLogApi {
 public:
  MemoryLog(const TRecords& records, int64_t count) : records_(records), count_(count) {}
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
    const std::vector<uint8_t>& r = records_[static_cast<size_t>(next_) % records_.size()];
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
  const TRecords& records_;
  int64_t count_;
  int64_t next_ = 0;
  uint32_t error_ = 0;
};

void ReadAll(benchmark::State& state, const TRecords& records, const TDataWanted* wanted) {
  for (auto _ : state) {
    MemoryLog api(records, state.range(0));
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
  ReadAll(state, LogonEveryFourth(), nullptr);
}
BENCHMARK(BM_ReadThroughProtocol)->Arg(1000000)->Unit(benchmark::kMillisecond);

// As the boot table reads the log: the data of wake, sleep and logon records only.
void BM_ReadForBootTable(benchmark::State& state) {
  ReadAll(state, LogonEveryFourth(), &kWindowsRecordData);
}
BENCHMARK(BM_ReadForBootTable)->Arg(1000000)->Unit(benchmark::kMillisecond);

void BM_ReadForBootTableRealMix(benchmark::State& state) {
  ReadAll(state, RealMix(), &kWindowsRecordData);
}
BENCHMARK(BM_ReadForBootTableRealMix)->Arg(1000000)->Unit(benchmark::kMillisecond);

// A refresh's read: the records through the read protocol to the boot table.
void RefreshAll(benchmark::State& state, const TRecords& records) {
  const RegionalFormats formats;
  TBootTable table;
  for (auto _ : state) {
    MemoryLog api(records, state.range(0));
    EventLogSource source(api);
    WindowsSessionSource sessions(source);
    ReadBootEvents(sessions, formats, table);
    benchmark::DoNotOptimize(table.size());
  }
  state.SetItemsProcessed(state.iterations() * state.range(0));
}

void BM_RefreshRealMix(benchmark::State& state) {
  RefreshAll(state, RealMix());
}
BENCHMARK(BM_RefreshRealMix)->Arg(1000000)->Unit(benchmark::kMillisecond);

void BM_RefreshLogonEveryFourth(benchmark::State& state) {
  RefreshAll(state, LogonEveryFourth());
}
BENCHMARK(BM_RefreshLogonEveryFourth)->Arg(1000000)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
