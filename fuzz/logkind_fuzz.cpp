// Files of any content named without their kind, as `dorvex FILE` and a drop
// name them: found to be of a kind and read by its reader, or refused with why.
#include <algorithm>

#include "app/log_files.h"
#include "bootlog/reconstruct.h"
#include "fuzz/check.h"
#include "fuzz/input_file.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static FuzzInputFile file("log");
  const std::string& path = file.Write(data, size);
  TLogFiles files{TLogKind::Unknown, path, {}};
  TLogProblem problem;
  const TLogOpener open = OpenLogFiles(files, problem);
  FuzzCheck(open ? problem.Fault == TLogFault::NoFault
                 : problem.Fault != TLogFault::NoFault && problem.Text.starts_with(path),
            "a log opened with a problem, or refused without one naming it", problem.Text);
  // The kind comes from the head alone.
  const std::string_view head(reinterpret_cast<const char*>(data), std::min(size, kLogHeadSize));
  const TLogKind kind = LogKindOfHead(head, size);
  FuzzCheck(!open || kind == (files.Journal.empty() ? files.Kind : TLogKind::Journal),
            "opened as another kind than its head says");
  if (open) {
    TBootTable table;
    ReadBootEvents(*open(), RegionalFormats{}, table);
  }
  return 0;
}
