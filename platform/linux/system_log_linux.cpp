#include <langinfo.h>
#include <locale.h>

#include <cstring>
#include <filesystem>

#include "bootlog/eventlog/eventlog_source.h"
#include "bootlog/eventlog/evt_file_api.h"
#include "bootlog/eventlog/evtx_file_api.h"
#include "bootlog/format_check.h"
#include "bootlog/merged_source.h"
#include "bootlog/system_log.h"
#include "bootlog/windows_sessions.h"
#include "platform/linux/journal_source.h"
#include "platform/linux/locale_formats.h"
#include "platform/linux/login_records.h"
#include "platform/linux/wtmpdb_source.h"

std::unique_ptr<SessionSource> CreateSystemEventSource() {
  // Neither wtmpdb nor wtmp records sleeps; the journal does.
  return std::make_unique<MergedEventSource>(
      LoginRecordSource(),
      std::make_unique<JournalSleepSource>(JournalSleepSource::SystemJournal()));
}

std::vector<std::string> AbsentSystemLogPlaces() {
  const TLoginRecordFiles files;
  std::vector<std::string> places = files.Databases;
  places.push_back(files.Wtmp.front());
  const std::string journal = JournalSleepSource::SystemJournal();
  places.push_back(journal.empty() ? "/var/log/journal" : journal);
  std::vector<std::string> looked = places;
  for (const std::string& database : files.Databases) {
    looked.push_back(database + ".1");
  }
  looked.insert(looked.end(), files.Wtmp.begin(), files.Wtmp.end());
  for (const std::string& place : looked) {
    std::error_code error;
    if (std::filesystem::exists(place, error)) {
      return {};
    }
  }
  return places;
}

std::unique_ptr<SessionSource> CreateLoginRecordSource() {
  return LoginRecordSource();
}

std::unique_ptr<SessionSource> OpenJournal(const std::string& path, std::string& problem) {
  problem = JournalSleepSource::Problem(path);
  if (!problem.empty()) {
    return nullptr;
  }
  return std::make_unique<JournalSleepSource>(path);
}

std::unique_ptr<SessionSource> OpenSavedSystemLog(const std::string& path, std::string& problem) {
  problem = EvtFileApi::Problem(path);
  if (!problem.empty()) {
    return nullptr;
  }
  return std::make_unique<WindowsSessionSource>(std::make_unique<EventLogSource>(
      std::make_unique<EvtFileApi>(path), TUnnamedAccount::kSidText));
}

std::unique_ptr<SessionSource> OpenSavedEvtxLog(const std::string& path, std::string& problem) {
  problem = EvtxFileApi::Problem(path);
  if (!problem.empty()) {
    return nullptr;
  }
  return std::make_unique<WindowsSessionSource>(std::make_unique<EventLogSource>(
      std::make_unique<EvtxFileApi>(path), TUnnamedAccount::kSidText));
}

std::unique_ptr<SessionSource> OpenLoginDatabase(const std::string& path, std::string& problem) {
  const std::vector<std::string> files = WtmpdbEventSource::Rotated(path);
  problem = WtmpdbEventSource::Problem(files);
  if (!problem.empty()) {
    return nullptr;
  }
  return std::make_unique<WtmpdbEventSource>(files);
}

RegionalFormats SystemRegionalFormats() {
  RegionalFormats formats;
  // Read the user's LC_TIME without touching the process-wide locale.
  locale_t user = newlocale(LC_TIME_MASK | LC_CTYPE_MASK, "", static_cast<locale_t>(0));
  if (!user) {
    return formats;
  }
  const std::string name = nl_langinfo_l(_NL_LOCALE_NAME(LC_TIME), user);
  const bool utf8 = std::strcmp(nl_langinfo_l(CODESET, user), "UTF-8") == 0;
  // The C locale has no regional habits of its own; the program's are Chinese.
  if (name != "C" && name.rfind("C.", 0) != 0 && name != "POSIX" && utf8) {
    const auto date = PictureFromStrftime(nl_langinfo_l(D_FMT, user));
    const auto time = PictureFromStrftime(nl_langinfo_l(T_FMT, user));
    if (date && time) {
      formats = FormatsOrDefaults(
          {*date, *time, nl_langinfo_l(AM_STR, user), nl_langinfo_l(PM_STR, user)});
    }
  }
  freelocale(user);
  return formats;
}
