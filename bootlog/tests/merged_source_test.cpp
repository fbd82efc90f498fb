#include "bootlog/merged_source.h"

#include <gtest/gtest.h>

#include "bootlog/listed_source.h"
#include "bootlog/tests/read_events.h"

namespace {

TLogEvent Event(uint16_t code, uint32_t time, const std::string& user = "") {
  TLogEvent e;
  e.EventCode = code;
  e.TimeGenerated = time;
  e.HasUserSid = !user.empty();
  e.UserSid = user;
  return e;
}

// A log that cannot be opened.
class ClosedSource : public ListedEventSource {
 public:
  bool OpenSystemLog() override { return false; }
};

// Names its users in capitals, so that the test sees whose lookup ran.
class ShoutingSource : public ListedEventSource {
 public:
  using ListedEventSource::ListedEventSource;
  std::string LookupUserName(const TLogEvent& event) override {
    std::string name = ListedEventSource::LookupUserName(event);
    for (char& c : name) {
      c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    }
    return name;
  }
};

MergedEventSource Merge(std::vector<TLogEvent> log, std::vector<TLogEvent> joined) {
  return MergedEventSource(std::make_unique<ShoutingSource>(std::move(log)),
                           std::make_unique<ListedEventSource>(std::move(joined)));
}

TEST(MergedEventSource, NewestFirstByTimeAcrossBothLogs) {
  MergedEventSource source =
      Merge({Event(6005, 900), Event(7035, 500, "li"), Event(6006, 400), Event(6005, 100)},
            {Event(1, 1000), Event(42, 600), Event(1, 300), Event(42, 200)});
  ASSERT_TRUE(source.OpenSystemLog());
  const std::vector<TSeenEvent> expected = {{1, 1000, "N/A"},  {6005, 900, "N/A"}, {42, 600, "N/A"},
                                            {7035, 500, "LI"}, {6006, 400, "N/A"}, {1, 300, "N/A"},
                                            {42, 200, "N/A"},  {6005, 100, "N/A"}};
  EXPECT_EQ(ReadEvents(source), expected);
  ASSERT_TRUE(source.OpenSystemLog());  // again, from the newest
  EXPECT_EQ(ReadEvents(source), expected);
}

TEST(MergedEventSource, AtAnEqualSecondTheJoinedEventFirstAndEachLogInItsOwnOrder) {
  MergedEventSource source = Merge({Event(6006, 500), Event(7035, 500, "li"), Event(6005, 500)},
                                   {Event(42, 500), Event(1, 500)});
  ASSERT_TRUE(source.OpenSystemLog());
  EXPECT_EQ(ReadEvents(source), (std::vector<TSeenEvent>{{42, 500, "N/A"},
                                                         {1, 500, "N/A"},
                                                         {6006, 500, "N/A"},
                                                         {7035, 500, "LI"},
                                                         {6005, 500, "N/A"}}));
}

TEST(MergedEventSource, EitherLogEmpty) {
  MergedEventSource logOnly = Merge({Event(6005, 900), Event(6006, 400)}, {});
  ASSERT_TRUE(logOnly.OpenSystemLog());
  EXPECT_EQ(ReadEvents(logOnly), (std::vector<TSeenEvent>{{6005, 900, "N/A"}, {6006, 400, "N/A"}}));
  MergedEventSource joinedOnly = Merge({}, {Event(1, 1000), Event(42, 600)});
  ASSERT_TRUE(joinedOnly.OpenSystemLog());
  EXPECT_EQ(ReadEvents(joinedOnly), (std::vector<TSeenEvent>{{1, 1000, "N/A"}, {42, 600, "N/A"}}));
}

TEST(MergedEventSource, TheLogDecidesWhetherThereIsOne) {
  MergedEventSource closedLog(
      std::make_unique<ClosedSource>(),
      std::make_unique<ListedEventSource>(std::vector<TLogEvent>{Event(42, 600)}));
  EXPECT_FALSE(closedLog.OpenSystemLog());
  TLogEvent event;
  EXPECT_FALSE(closedLog.ReadNextEvent(event));

  MergedEventSource closedJoined(
      std::make_unique<ListedEventSource>(std::vector<TLogEvent>{Event(6005, 900)}),
      std::make_unique<ClosedSource>());
  ASSERT_TRUE(closedJoined.OpenSystemLog());
  EXPECT_EQ(ReadEvents(closedJoined), (std::vector<TSeenEvent>{{6005, 900, "N/A"}}));
}

TEST(MergedEventSource, UsersAreLookedUpByTheLog) {
  MergedEventSource source = Merge({}, {});
  EXPECT_EQ(source.LookupUserName(Event(7035, 1, "wang")), "WANG");
}

// Remembers what it was asked to decode.
class AskedSource : public ListedEventSource {
 public:
  void DecodeDataOnlyOf(const TDataWanted& wanted) override { asked = wanted.Kinds.data(); }
  const TRecordKind* asked = nullptr;
};

TEST(MergedEventSource, PassesOnWhichRecordsToDecodeToBothLogs) {
  auto log = std::make_unique<AskedSource>();
  auto joined = std::make_unique<AskedSource>();
  AskedSource *logSeen = log.get(), *joinedSeen = joined.get();
  MergedEventSource source(std::move(log), std::move(joined));
  static constexpr TRecordKind kOne[] = {{7, "Solo"}};
  source.DecodeDataOnlyOf(TDataWanted{kOne});
  EXPECT_EQ(logSeen->asked, kOne);
  EXPECT_EQ(joinedSeen->asked, kOne);
}

}  // namespace
