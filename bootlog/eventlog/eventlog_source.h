#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include "bootlog/event_source.h"
#include "bootlog/eventlog/eventlog_api.h"

// The Windows System log read backwards, one record per read: a 56-byte
// attempt, then a read of exactly the size the service asks for.
class EventLogSource : public EventSource {
 public:
  explicit EventLogSource(EventLogApi& api) : api_(api) {}
  explicit EventLogSource(std::unique_ptr<EventLogApi> api)
      : owned_(std::move(api)), api_(*owned_) {}
  ~EventLogSource() override;
  EventLogSource(const EventLogSource&) = delete;
  EventLogSource& operator=(const EventLogSource&) = delete;

  bool OpenSystemLog() override;
  bool ReadNextEvent(TLogEvent& event) override;
  std::string LookupUserName(const TLogEvent& event) override;
  std::string LookupSidText(const std::string& sidText) override;

 private:
  void End();

  std::unique_ptr<EventLogApi> owned_;  // before api_: it outlives the closing of the log
  EventLogApi& api_;
  EventLogApi::Handle log_ = nullptr;
  std::vector<uint8_t> buffer_;
  uint32_t request_ = 0;
};
