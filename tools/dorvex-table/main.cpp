// Prints the completed boot table and the four status texts, without a window.
#include <cstdio>
#include <memory>
#include <string>
#ifdef _WIN32
#include <fcntl.h>
#include <io.h>

#include "platform/win32/utf8_arguments.h"
#include "platform/win32/utf8_console.h"
#endif

#include "app/command_line.h"
#include "app/log_source_option.h"
#include "bootlog/complete.h"
#include "bootlog/convert_time.h"
#include "bootlog/reconstruct.h"
#include "bootlog/system_log.h"
#include "table_formats.h"
#include "tools/common/format_option.h"

namespace {

const TProgramUsage kProgram{
    "dorvex-table",
    "Prints the boot table of this computer's log, or of the log named, and its four status "
    "texts.",
    std::string("usage: dorvex-table [FILE] [--date-format PICTURE] [--time-format PICTURE]\n"
                "                    [--format tsv|csv|json]\n"
                "       dorvex-table ") +
        TLogSourceOption::kUsage +
        " ...\n"
        "A FILE alone is a log of any kind, found from what it holds.\n"};

}  // namespace

int main(int argc, char** argv) {
#ifdef _WIN32
  platform_win32::TUtf8Arguments utf8;
  argc = utf8.Count();
  argv = utf8.Values();
  const platform_win32::TUtf8Console console;
#endif
  TLogSourceOption log;
  std::string problem;
  RegionalFormats formats = SystemRegionalFormats();
  TTableFormat format = TTableFormat::Plain;
  for (int i = 1; i < argc; ++i) {
    const std::string option = argv[i];
    if (int status = 0; AnswersStandardOption(kProgram, option, status)) {
      return status;
    }
    if (!option.starts_with("-")) {
      if (!log.TakeFile(option, problem)) {
        return UsageError(kProgram, problem);
      }
      continue;
    }
    const bool names = TLogSourceOption::Names(option);
    if (!names && option != "--date-format" && option != "--time-format" && option != "--format") {
      return UsageError(kProgram, "unknown option '" + option + "'");
    }
    if (i + 1 >= argc) {
      return UsageError(kProgram, "option '" + option + "' needs a value");
    }
    const std::string value = argv[++i];
    if (names) {
      if (!log.Take(option, value, problem)) {
        return UsageError(kProgram, problem);
      }
    } else if (option == "--format") {
      if (!ParseTableFormat(value, format)) {
        return UsageError(kProgram, "--format takes tsv, csv or json, not '" + value + "'");
      }
    } else if (value.empty()) {
      return UsageError(kProgram, "option '" + option + "' needs a picture");
    } else if (option == "--date-format") {
      formats.ShortDate = value;
    } else {
      formats.LongTime = value;
    }
  }

  if (const std::string problem = FormatOptionsProblem(formats); !problem.empty()) {
    return UsageError(kProgram, problem);
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
#ifdef _WIN32
  // CSV lines end in CR LF of their own; text mode would add a CR.
  if (format == TTableFormat::Csv) {
    _setmode(_fileno(stdout), _O_BINARY);
  }
#endif
  TTableWriter writer(format, stdout);
  writer.Begin();
  size_t index = 0;
  const int64_t totalSeconds = CompleteBootTable(table, formats, [&](TBootRow& row) {
    writer.Row(table[index], index, row);
    ++index;
  });
  writer.End(table, totalSeconds);
  return std::fflush(stdout) == 0 && !std::ferror(stdout) ? 0 : 1;
}
