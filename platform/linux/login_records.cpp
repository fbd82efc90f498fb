#include "platform/linux/login_records.h"

#include <filesystem>

#include "bootlog/wtmp_source.h"
#include "platform/linux/wtmpdb_source.h"

std::unique_ptr<EventSource> LoginRecordSource(const TLoginRecordFiles& files) {
  std::error_code error;
  if (std::filesystem::exists(files.Database, error)) {
    return std::make_unique<WtmpdbEventSource>(files.Database);
  }
  return std::make_unique<WtmpEventSource>(files.Wtmp);
}
