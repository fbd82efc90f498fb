// Prints the completed boot table and the four status texts, without a window.
#include <cstdio>
#include <cstring>
#include <memory>
#include <string>

#include "bootlog/complete.h"
#include "bootlog/convert_time.h"
#include "bootlog/fixture_source.h"
#include "bootlog/reconstruct.h"
#include "bootlog/status_texts.h"
#include "bootlog/system_log.h"

namespace {

int Usage(const char* problem) {
  std::fprintf(
      stderr,
      "dorvex-table: %s\n"
      "usage: dorvex-table [--events FILE] [--date-format PICTURE] [--time-format PICTURE]\n",
      problem);
  return 2;
}

}  // namespace

int main(int argc, char** argv) {
  std::string events;
  bool haveEvents = false;
  RegionalFormats formats = SystemRegionalFormats();
  for (int i = 1; i < argc; ++i) {
    const std::string option = argv[i];
    if (option != "--events" && option != "--date-format" && option != "--time-format") {
      return Usage(("unknown option '" + option + "'").c_str());
    }
    if (i + 1 >= argc) {
      return Usage(("option '" + option + "' needs a value").c_str());
    }
    const std::string value = argv[++i];
    if (option == "--events") {
      events = value;
      haveEvents = true;
    } else if (value.empty()) {
      return Usage(("option '" + option + "' needs a picture").c_str());
    } else if (option == "--date-format") {
      formats.ShortDate = value;
    } else {
      formats.LongTime = value;
    }
  }

  std::unique_ptr<EventSource> source;
  try {
    if (haveEvents) {
      source = std::make_unique<FixtureEventSource>(FixtureEventSource::FromFile(events));
    } else {
      source = CreateSystemEventSource();
    }
  } catch (const EFixtureError& e) {
    std::fprintf(stderr, "dorvex-table: %s\n", e.what());
    return 2;
  }

  TBootTable& table = BootTable();
  try {
    ReadBootEvents(*source, formats, table);
  } catch (const EConvertError& e) {
    std::fprintf(stderr, "%s\n", e.what());
    return 1;
  }
  const TBootCompletion completion = CompleteBootTable(table, formats);
  std::string out;
  for (const TBootRow& row : completion.Rows) {
    for (const std::string& column : row.Columns) {
      out += column + "\t";
    }
    out += std::to_string(row.StateImage) + "\n";
  }
  out += "\n";
  for (const std::string& text : StatusTexts(table, completion.TotalSeconds)) {
    out += text + "\n";
  }
  std::fwrite(out.data(), 1, out.size(), stdout);
  return std::fflush(stdout) == 0 ? 0 : 1;
}
