// Prints the completed boot table and the four status texts, without a window.
#include <cstdio>
#include <cstring>
#include <memory>
#include <string>

#include "bootlog/complete.h"
#include "bootlog/convert_time.h"
#include "bootlog/reconstruct.h"
#include "bootlog/status_texts.h"
#include "bootlog/system_log.h"
#include "tools/common/format_option.h"
#include "tools/common/log_source_option.h"

namespace {

int Usage(const std::string& problem) {
  std::fprintf(stderr,
               "dorvex-table: %s\n"
               "usage: dorvex-table %s\n"
               "                    [--date-format PICTURE] [--time-format PICTURE]\n",
               problem.c_str(), TLogSourceOption::kUsage);
  return 2;
}

}  // namespace

int main(int argc, char** argv) {
  TLogSourceOption log;
  std::string problem;
  RegionalFormats formats = SystemRegionalFormats();
  for (int i = 1; i < argc; ++i) {
    const std::string option = argv[i];
    const bool names = TLogSourceOption::Names(option);
    if (!names && option != "--date-format" && option != "--time-format") {
      return Usage("unknown option '" + option + "'");
    }
    if (i + 1 >= argc) {
      return Usage("option '" + option + "' needs a value");
    }
    const std::string value = argv[++i];
    if (names) {
      if (!log.Take(option, value, problem)) {
        return Usage(problem);
      }
    } else if (value.empty()) {
      return Usage("option '" + option + "' needs a picture");
    } else if (option == "--date-format") {
      formats.ShortDate = value;
    } else {
      formats.LongTime = value;
    }
  }

  if (const std::string problem = FormatOptionsProblem(formats); !problem.empty()) {
    return Usage(problem.c_str());
  }

  std::unique_ptr<SessionSource> source;
  if (log.Given()) {
    const TLogOpener open = log.Opener(problem);
    if (!open) {
      std::fprintf(stderr, "dorvex-table: %s\n", problem.c_str());
      return 2;
    }
    source = open();
  } else {
    source = CreateSystemEventSource();
  }

  TBootTable& table = BootTable();
  try {
    ReadBootEvents(*source, formats, table);
  } catch (const EConvertError& e) {
    std::fprintf(stderr, "%s\n", e.what());
    return 1;
  }
  // Rows go out as they are made: memory follows the boot table, not the output.
  std::string out;
  const int64_t totalSeconds = CompleteBootTable(table, formats, [&out](TBootRow& row) {
    out.clear();
    for (const std::string& column : row.Columns) {
      out += column;
      out += '\t';
    }
    out += std::to_string(row.StateImage);
    out += '\n';
    std::fwrite(out.data(), 1, out.size(), stdout);
  });
  std::string status(1, '\n');
  for (const std::string& text : StatusTexts(table, totalSeconds)) {
    status += text;
    status += '\n';
  }
  std::fwrite(status.data(), 1, status.size(), stdout);
  return std::fflush(stdout) == 0 && !std::ferror(stdout) ? 0 : 1;
}
