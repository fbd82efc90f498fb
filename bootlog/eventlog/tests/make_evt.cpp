// Writes a fixture (newest first, "CODE TIME [USER]") as a saved System log
// for the tool tests: the buffer wrapped and the header stale. Users become SIDs: the service
// accounts their well-known ones, everybody else an account of an unknown computer.
#include <cstdio>
#include <fstream>
#include <sstream>

#include "bootlog/fixture_source.h"
#include "bootlog/eventlog/tests/evt_builder.h"
#include "bootlog/eventlog/tests/fake_eventlog_api.h"

namespace {

int Account(const std::string& user) {
  if (user == "SYSTEM") {
    return 18;
  }
  if (user == "LOCAL SERVICE") {
    return 19;
  }
  return user == "NETWORK SERVICE" ? 20 : 200;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: make-evt FIXTURE OUT.evt\n");
    return 2;
  }
  std::ifstream in(argv[1], std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  TEvtBuilder log;
  try {
    const ListedEventSource events = FixtureEventSource::FromText(text.str(), argv[1]);
    for (const TLogEvent& e : events.Events()) {
      const int account = e.HasUserSid ? Account(e.UserSid) : -1;
      log.Records.insert(log.Records.begin(), MakeRecord(e.EventCode, e.TimeGenerated, account));
    }
  } catch (const EFixtureError& e) {
    std::fprintf(stderr, "make-evt: %s\n", e.what());
    return 2;
  }
  uint32_t bytes = 0;
  for (const auto& r : log.Records) {
    bytes += static_cast<uint32_t>(r.size());
  }
  log.Size = 48 + bytes + 40 + 64;
  log.Start = 48 + bytes / 8 * 4;  // the older half at the end of the file, the rest wrapped
  log.HeaderStale = log.Records.size() / 3;
  const std::string file = log.Build().Bytes;
  std::ofstream out(argv[2], std::ios::binary | std::ios::trunc);
  out.write(file.data(), static_cast<std::streamsize>(file.size()));
  return out ? 0 : 1;
}
