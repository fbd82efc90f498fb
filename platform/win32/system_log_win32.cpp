#include <windows.h>
// After windows.h, which it needs.
#include <sddl.h>

#include <string>

#include "bootlog/eventlog/eventlog_source.h"
#include "bootlog/eventlog/evt_file_api.h"
#include "bootlog/eventlog/evtx_file_api.h"
#include "bootlog/format_check.h"
#include "bootlog/system_log.h"
#include "bootlog/windows_sessions.h"
#include "platform/win32/advapi_eventlog_api.h"
#include "platform/win32/system_log_win32.h"

namespace {

std::string Utf8FromWide(const wchar_t* text) {
  const int bytes = WideCharToMultiByte(CP_UTF8, 0, text, -1, nullptr, 0, nullptr, nullptr);
  if (bytes <= 1) {
    return {};
  }
  std::string out(static_cast<size_t>(bytes), '\0');
  WideCharToMultiByte(CP_UTF8, 0, text, -1, out.data(), bytes, nullptr, nullptr);
  out.pop_back();
  return out;
}

std::string Utf8FromAnsi(const std::string& text) {
  const int chars = MultiByteToWideChar(CP_ACP, 0, text.c_str(), -1, nullptr, 0);
  if (chars <= 1) {
    return {};
  }
  std::wstring wide(static_cast<size_t>(chars), L'\0');
  MultiByteToWideChar(CP_ACP, 0, text.c_str(), -1, wide.data(), chars);
  return Utf8FromWide(wide.c_str());
}

std::string LocaleText(LCTYPE type, const char* fallback) {
  wchar_t buffer[100];
  if (GetLocaleInfoW(LOCALE_USER_DEFAULT, type, buffer, 100) <= 0) {
    return fallback;
  }
  return Utf8FromWide(buffer);
}

// Account names come back in the ANSI code page; the rest of the program is UTF-8.
class SystemEventLogSource : public EventLogSource {
 public:
  using EventLogSource::EventLogSource;
  std::string LookupUserName(const TLogEvent& event) override {
    const std::string name = EventLogSource::LookupUserName(event);
    return name == kUnknownUserName ? name : Utf8FromAnsi(name);
  }
  std::string LookupSidText(const std::string& sidText) override {
    const std::string name = EventLogSource::LookupSidText(sidText);
    return name == kUnknownUserName ? name : Utf8FromAnsi(name);
  }
};

// This computer's own log: a logon names its user in the data as a SID text
// ("S-1-5-21-..."), looked up here like the record's SID.
class LiveEventLogSource : public SystemEventLogSource {
 public:
  using SystemEventLogSource::SystemEventLogSource;
  std::string LookupSidText(const std::string& sidText) override {
    PSID sid = nullptr;
    if (sidText.empty() || !ConvertStringSidToSidA(sidText.c_str(), &sid)) {
      return kUnknownUserName;
    }
    char name[kNameChars] = {}, domain[kNameChars] = {};
    DWORD nameSize = kNameChars, domainSize = kNameChars;
    SID_NAME_USE use;
    const BOOL found = LookupAccountSidA(nullptr, sid, name, &nameSize, domain, &domainSize, &use);
    LocalFree(sid);
    if (!found) {
      return kUnknownUserName;
    }
    name[kNameChars - 1] = '\0';
    return Utf8FromAnsi(name);
  }

 private:
  static constexpr DWORD kNameChars = 261;
};

// A saved log's accounts are looked up on this computer, as for the live log.
template <class FileApi>
class LocalAccounts : public FileApi {
 public:
  using FileApi::FileApi;
  bool LookupAccount(const void* sid, char* name, uint32_t& nameSize, char* domain,
                     uint32_t& domainSize) override {
    return advapi_.LookupAccount(sid, name, nameSize, domain, domainSize);
  }

 private:
  AdvapiEventLogApi advapi_;
};

using SavedLogApi = LocalAccounts<EvtFileApi>;

// A saved .evtx log's texts come in the ANSI code page, as ReadEventLogA gives them.
class SavedEvtxApi : public LocalAccounts<EvtxFileApi> {
 public:
  using LocalAccounts::LocalAccounts;

 protected:
  std::string Ansi(const std::string& utf8) const override {
    const int chars =
        MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), nullptr, 0);
    if (chars <= 0) {
      return {};
    }
    std::wstring wide(static_cast<size_t>(chars), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), wide.data(), chars);
    const int bytes =
        WideCharToMultiByte(CP_ACP, 0, wide.data(), chars, nullptr, 0, nullptr, nullptr);
    if (bytes <= 0) {
      return {};
    }
    std::string out(static_cast<size_t>(bytes), '\0');
    WideCharToMultiByte(CP_ACP, 0, wide.data(), chars, out.data(), bytes, nullptr, nullptr);
    return out;
  }
};

}  // namespace

std::unique_ptr<EventSource> LiveSystemLog() {
  return std::make_unique<LiveEventLogSource>(std::make_unique<AdvapiEventLogApi>());
}

std::vector<std::string> AbsentSystemLogPlaces() {
  return {};
}

std::unique_ptr<SessionSource> CreateSystemEventSource() {
  return std::make_unique<WindowsSessionSource>(LiveSystemLog());
}

std::unique_ptr<SessionSource> OpenSavedSystemLog(const std::string& path, std::string& problem) {
  problem = EvtFileApi::Problem(path);
  if (!problem.empty()) {
    return nullptr;
  }
  return std::make_unique<WindowsSessionSource>(std::make_unique<SystemEventLogSource>(
      std::make_unique<SavedLogApi>(path), TUnnamedAccount::kSidText));
}

std::unique_ptr<SessionSource> OpenSavedEvtxLog(const std::string& path, std::string& problem) {
  problem = EvtxFileApi::Problem(path);
  if (!problem.empty()) {
    return nullptr;
  }
  return std::make_unique<WindowsSessionSource>(std::make_unique<SystemEventLogSource>(
      std::make_unique<SavedEvtxApi>(path), TUnnamedAccount::kSidText));
}

std::unique_ptr<SessionSource> OpenLoginDatabase(const std::string& path, std::string& problem) {
  problem = path + ": wtmpdb databases are read on Linux only";
  return nullptr;
}

std::unique_ptr<SessionSource> CreateLoginRecordSource() {
  return CreateSystemEventSource();
}

std::unique_ptr<SessionSource> OpenJournal(const std::string& path, std::string& problem) {
  problem = path + ": journals are read on Linux only";
  return nullptr;
}

RegionalFormats SystemRegionalFormats() {
  RegionalFormats formats;
  formats.ShortDate = LocaleText(LOCALE_SSHORTDATE, formats.ShortDate.c_str());
  formats.LongTime = LocaleText(LOCALE_STIMEFORMAT, formats.LongTime.c_str());
  formats.AmDesignator = LocaleText(LOCALE_S1159, "");
  formats.PmDesignator = LocaleText(LOCALE_S2359, "");
  return FormatsOrDefaults(formats);
}
