#include "bootlog/merged_source.h"

#include <gtest/gtest.h>

#include "bootlog/listed_source.h"
#include "bootlog/tests/read_events.h"

namespace {

using enum TSessionEvent::TKind;

TSessionEvent Event(TSessionEvent::TKind kind, uint32_t time, const std::string& user = "") {
  TSessionEvent e;
  e.Kind = kind;
  e.Utc = time;
  e.User = user;
  return e;
}

// A period that woke stands at its wake; one that did not at its start.
TSessionEvent Slept(uint32_t slept, uint32_t woke = 0) {
  TSessionEvent e = Event(TSessionEvent::TKind::Asleep, slept);
  e.Woke = woke != 0;
  e.WakeUtc = woke;
  return e;
}

// A log that cannot be opened.
class ClosedSource : public ListedSessionSource {
 public:
  bool Open() override { return false; }
};

MergedEventSource Merge(std::vector<TSessionEvent> log, std::vector<TSessionEvent> joined) {
  return MergedEventSource(std::make_unique<ListedSessionSource>(std::move(log)),
                           std::make_unique<ListedSessionSource>(std::move(joined)));
}

TEST(MergedEventSource, NewestFirstByWhereEachStandsAcrossBothLogs) {
  MergedEventSource source =
      Merge({Event(Boot, 900), Event(Logon, 500, "li"), Event(Shutdown, 400), Event(Boot, 100)},
            {Slept(600, 1000), Slept(200, 300), Slept(150)});
  ASSERT_TRUE(source.Open());
  const std::vector<TSeenEvent> expected = {
      {Asleep, 1000, ""}, {Boot, 900, ""},   {Logon, 500, "li"}, {Shutdown, 400, ""},
      {Asleep, 300, ""},  {Asleep, 150, ""}, {Boot, 100, ""}};
  EXPECT_EQ(ReadEvents(source), expected);
  ASSERT_TRUE(source.Open());  // again, from the newest
  EXPECT_EQ(ReadEvents(source), expected);
}

TEST(MergedEventSource, AtAnEqualSecondTheJoinedEventFirstAndEachLogInItsOwnOrder) {
  MergedEventSource source =
      Merge({Event(Shutdown, 500), Event(Logon, 500, "li"), Event(Boot, 500)},
            {Slept(400, 500), Slept(500)});
  ASSERT_TRUE(source.Open());
  EXPECT_EQ(ReadEvents(source), (std::vector<TSeenEvent>{{Asleep, 500, ""},
                                                         {Asleep, 500, ""},
                                                         {Shutdown, 500, ""},
                                                         {Logon, 500, "li"},
                                                         {Boot, 500, ""}}));
}

TEST(MergedEventSource, EitherLogEmpty) {
  MergedEventSource logOnly = Merge({Event(Boot, 900), Event(Shutdown, 400)}, {});
  ASSERT_TRUE(logOnly.Open());
  EXPECT_EQ(ReadEvents(logOnly), (std::vector<TSeenEvent>{{Boot, 900, ""}, {Shutdown, 400, ""}}));
  MergedEventSource joinedOnly = Merge({}, {Slept(600, 1000), Slept(500)});
  ASSERT_TRUE(joinedOnly.Open());
  EXPECT_EQ(ReadEvents(joinedOnly),
            (std::vector<TSeenEvent>{{Asleep, 1000, ""}, {Asleep, 500, ""}}));
}

TEST(MergedEventSource, TheLogDecidesWhetherThereIsOne) {
  MergedEventSource closedLog(
      std::make_unique<ClosedSource>(),
      std::make_unique<ListedSessionSource>(std::vector<TSessionEvent>{Slept(600)}));
  EXPECT_FALSE(closedLog.Open());
  TSessionEvent event;
  EXPECT_FALSE(closedLog.Next(event));

  MergedEventSource closedJoined(
      std::make_unique<ListedSessionSource>(std::vector<TSessionEvent>{Event(Boot, 900)}),
      std::make_unique<ClosedSource>());
  ASSERT_TRUE(closedJoined.Open());
  EXPECT_EQ(ReadEvents(closedJoined), (std::vector<TSeenEvent>{{Boot, 900, ""}}));
}

}  // namespace
