#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <unordered_map>
#include <vector>

#include "bootlog/event_source.h"
#include "bootlog/eventlog/eventlog_api.h"

// What an account this computer cannot name shows as: "N/A" on this
// computer's own log; its SID text in a log saved elsewhere, so that another
// computer's log does not lose its users.
enum class TUnnamedAccount { kUnknownUser, kSidText };

// The Windows System log read backwards, one record per read: a 56-byte
// attempt, then a read of exactly the size the service asks for.
class EventLogSource : public EventSource {
 public:
  explicit EventLogSource(EventLogApi& api, TUnnamedAccount unnamed = TUnnamedAccount::kUnknownUser)
      : api_(api), unnamed_(unnamed) {}
  explicit EventLogSource(std::unique_ptr<EventLogApi> api,
                          TUnnamedAccount unnamed = TUnnamedAccount::kUnknownUser)
      : owned_(std::move(api)), api_(*owned_), unnamed_(unnamed) {}
  ~EventLogSource() override;
  EventLogSource(const EventLogSource&) = delete;
  EventLogSource& operator=(const EventLogSource&) = delete;

  bool OpenSystemLog() override;
  bool ReadNextEvent(TLogEvent& event) override;
  std::string LookupUserName(const TLogEvent& event) override;
  std::string LookupSidText(const std::string& sidText) override;
  void DecodeDataOnlyOf(const TDataWanted& wanted) override { wanted_ = wanted; }
  bool NamesFromLog() const override { return unnamed_ == TUnnamedAccount::kSidText; }

 private:
  void End();
  std::string AccountName(const std::string& sid);
  std::string AskAccountName(const std::string& sid);

  std::unique_ptr<EventLogApi> owned_;  // before api_: it outlives the closing of the log
  EventLogApi& api_;
  TUnnamedAccount unnamed_;
  EventLogApi::Handle log_ = nullptr;
  std::vector<uint8_t> buffer_;
  uint32_t request_ = 0;
  std::optional<TDataWanted> wanted_;
  std::vector<std::string> spareStrings_;
  // Each account asked once a read: asking Windows goes through its security
  // service, and a log names the same few accounts thousands of times.
  std::unordered_map<std::string, std::string> namesBySid_;      // SID bytes
  std::unordered_map<std::string, std::string> namesBySidText_;  // "S-1-..."
};
