#include "platform/linux/login_records.h"

#include <filesystem>

#include "bootlog/wtmp_source.h"
#include "platform/linux/wtmpdb_source.h"

std::unique_ptr<SessionSource> LoginRecordSource(const TLoginRecordFiles& files) {
  for (const std::string& database : files.Databases) {
    std::error_code error;
    if (std::filesystem::exists(database, error)) {
      return std::make_unique<WtmpdbEventSource>(
          std::vector<std::string>{database, database + ".1"});
    }
  }
  return std::make_unique<WtmpEventSource>(files.Wtmp);
}
