// Our .evtx reader against Debian's evtxexport on real System logs: the same
// records with the same numbers, times, providers, identifiers and data values.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <map>
#include <regex>
#include <string>
#include <vector>

#include "bootlog/eventlog/evtx_file.h"
#include "bootlog/eventlog/evtx_value.h"

namespace {

struct TExported {
  std::string Time, Provider, Qualifiers, EventId;
  std::vector<std::string> Values;
};

std::string Unescape(const std::string& text) {
  static const std::pair<const char*, char> kEntities[] = {
      {"&lt;", '<'}, {"&gt;", '>'}, {"&quot;", '"'}, {"&apos;", '\''}, {"&amp;", '&'}};
  std::string out;
  for (size_t i = 0; i < text.size();) {
    bool replaced = false;
    for (const auto& [entity, c] : kEntities) {
      const std::string e = entity;
      if (text.compare(i, e.size(), e) == 0) {
        out += c;
        i += e.size();
        replaced = true;
        break;
      }
    }
    if (!replaced) {
      out += text[i++];
    }
  }
  return out;
}

std::string Match(const std::string& text, const std::regex& pattern, size_t group = 1) {
  std::smatch m;
  return std::regex_search(text, m, pattern) ? m[group].str() : std::string();
}

bool HaveEvtxExport() {
  return std::system("command -v evtxexport >/dev/null 2>&1") == 0;
}

std::map<uint64_t, TExported> Export(const std::string& path) {
  std::string xml;
  if (FILE* pipe = popen(("evtxexport -f xml '" + path + "' 2>/dev/null").c_str(), "r")) {
    char buffer[65536];
    size_t n;
    while ((n = fread(buffer, 1, sizeof buffer, pipe)) > 0) {
      xml.append(buffer, n);
    }
    pclose(pipe);
  }
  static const std::regex kNumber("<EventRecordID>(\\d+)</EventRecordID>");
  static const std::regex kTime("<TimeCreated SystemTime=\"([^\"]*)\"");
  static const std::regex kProvider("<Provider Name=\"([^\"]*)\"");
  static const std::regex kEventId("<EventID( Qualifiers=\"(\\d+)\")?>(\\d+)</EventID>");
  static const std::regex kData("<Data(?: Name=\"[^\"]*\")?(?:/>|>([^<]*)</Data>)");
  static const std::regex kLeaf("<([A-Za-z0-9_:.-]+)(?: [^>]*?)?(?:/>|>([^<]*)</\\1>)");
  std::map<uint64_t, TExported> records;
  size_t at = 0;
  while ((at = xml.find("<Event xmlns", at)) != std::string::npos) {
    const size_t end = xml.find("</Event>", at);
    const std::string event = xml.substr(at, end == std::string::npos ? end : end - at);
    at += 1;
    TExported e;
    e.Time = Match(event, kTime);
    e.Provider = Unescape(Match(event, kProvider));
    e.Qualifiers = Match(event, kEventId, 2);
    e.EventId = Match(event, kEventId, 3);
    const size_t data = std::min(event.find("<EventData>"), event.find("<EventData "));
    const size_t user = event.find("<UserData>");
    if (data != std::string::npos) {
      const std::string part = event.substr(data, event.find("</EventData>") - data);
      for (std::sregex_iterator i(part.begin(), part.end(), kData), stop; i != stop; ++i) {
        e.Values.push_back(Unescape((*i)[1].str()));
      }
    } else if (user != std::string::npos) {
      const std::string part = event.substr(user + 10, event.find("</UserData>") - user - 10);
      for (std::sregex_iterator i(part.begin(), part.end(), kLeaf), stop; i != stop; ++i) {
        e.Values.push_back(Unescape((*i)[2].str()));
      }
    }
    records[std::stoull(Match(event, kNumber))] = e;
  }
  return records;
}

// evtxexport 20181227 prints a negative 32-bit integer n as -(2^31 + n)
// (-540 as -2147483108); Windows shows -540.
bool SameValue(const std::string& ours, const std::string& theirs) {
  if (ours == theirs) {
    return true;
  }
  static const std::regex kNegative("-[0-9]{1,10}");
  if (!std::regex_match(ours, kNegative) || !std::regex_match(theirs, kNegative)) {
    return false;
  }
  return std::stoll(theirs) == -(2147483648LL + std::stoll(ours));
}

bool SameValues(const std::vector<std::string>& ours, const std::vector<std::string>& theirs) {
  if (ours.size() != theirs.size()) {
    return false;
  }
  for (size_t i = 0; i < ours.size(); ++i) {
    if (!SameValue(ours[i], theirs[i])) {
      return false;
    }
  }
  return true;
}

std::string FirstDifference(const std::vector<std::string>& ours,
                            const std::vector<std::string>& theirs) {
  for (size_t i = 0; i < ours.size() && i < theirs.size(); ++i) {
    if (!SameValue(ours[i], theirs[i])) {
      return ", value " + std::to_string(i) + ": ours '" + ours[i] + "', evtxexport '" + theirs[i] +
             "'";
    }
  }
  return {};
}

std::string SharedLog(const char* name) {
  return std::string(DORVEX_SHARED_DIR) + "/evtx/" + name;
}

class EvtxDifferential : public testing::TestWithParam<const char*> {};

TEST_P(EvtxDifferential, SameRecordsAsEvtxExport) {
  if (!HaveEvtxExport()) {
    GTEST_SKIP() << "evtxexport is not installed (package libevtx-utils)";
  }
  const std::string path = SharedLog(GetParam());
  const std::map<uint64_t, TExported> expected = Export(path);
  ASSERT_GT(expected.size(), 100u) << path;

  TEvtxFile file;
  ASSERT_EQ(file.Open(path), "");
  const std::vector<TEvtxRecord> records = file.ReadAll();
  ASSERT_EQ(records.size(), expected.size());
  int mismatches = 0;
  for (size_t i = 0; i < records.size(); ++i) {
    const TEvtxRecord& r = records[i];
    if (i > 0) {
      ASSERT_LT(r.Number, records[i - 1].Number) << "newest first";
    }
    const auto found = expected.find(r.Number);
    ASSERT_NE(found, expected.end()) << r.Number;
    const TExported& e = found->second;
    std::string time;
    AppendFileTimeText(r.Created, time);
    const std::string qualifiers = r.HasQualifiers ? std::to_string(r.Qualifiers) : "";
    const bool same = time == e.Time && r.Provider == e.Provider &&
                      std::to_string(r.EventId) == e.EventId && qualifiers == e.Qualifiers &&
                      SameValues(r.Values, e.Values);
    if (!same && ++mismatches <= 5) {
      ADD_FAILURE() << "record " << r.Number << ": " << time << " " << r.Provider << " "
                    << r.EventId << "/" << qualifiers << " with " << r.Values.size()
                    << " values; evtxexport: " << e.Time << " " << e.Provider << " " << e.EventId
                    << "/" << e.Qualifiers << " with " << e.Values.size() << " values"
                    << FirstDifference(r.Values, e.Values);
    }
  }
  EXPECT_EQ(mismatches, 0);
}

INSTANTIATE_TEST_SUITE_P(RealLogs, EvtxDifferential,
                         testing::Values("win10-1703-desktop.evtx", "win7-workstation.evtx",
                                         "win11-desktop.evtx"));

}  // namespace
